#include "platform/SerialPort.h"

#include <QStringList>

QString DefaultDeviceOf(int portNumber) {
    return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
}

bool ParseLineSettings(const QString& text, LineSettings* out) {
    const QStringList parts = text.split(u',');
    if (parts.size() != 4) return false;
    bool ok = false;
    LineSettings s;
    s.baud = parts[0].trimmed().toInt(&ok);
    if (!ok || s.baud <= 0) return false;
    const QString parity = parts[1].trimmed().toLower();
    if (parity.size() != 1 || !QStringLiteral("eonms").contains(parity[0])) return false;
    s.parity = parity[0];
    s.dataBits = parts[2].trimmed().toInt(&ok);
    if (!ok || s.dataBits < 5 || s.dataBits > 8) return false;
    const QString stop = parts[3].trimmed();
    if (stop == QStringLiteral("1")) {
        s.stopBits = 1;
    } else if (stop == QStringLiteral("2")) {
        s.stopBits = 2;
    } else {
        return false;
    }
    if (out) *out = s;
    return true;
}

qint64 LineTimeMs(const QString& settings, int chars) {
    LineSettings s;
    ParseLineSettings(settings, &s);
    const qint64 bits = qint64(chars) * (1 + s.dataBits + (s.parity == u'n' ? 0 : 1) + s.stopBits);
    return (bits * 1000 + s.baud - 1) / s.baud;
}
