#include "monitor/SampleCsv.h"

#include <QDateTime>
#include <QSaveFile>

#include "link/LiveCommands.h"
#include "monitor/Weights.h"

namespace monitor {

QString SaveSamplesCsv(const QString& path, const std::deque<Sample>& samples, int places) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return QStringLiteral("「%1」に保存できません（%2）。").arg(path, file.errorString());
    // UTF-8 with a byte order mark, so that a spreadsheet reads the Japanese headings; they
    // are the captions the window gives these values (the status words' of the live tab's
    // buttons, RE and RF).
    const QStringList headings = {QStringLiteral("時刻"), QStringLiteral("重量"),
                                  LiveCommands::Caption(4), LiveCommands::Caption(5)};
    QByteArray out = "\xEF\xBB\xBF" + headings.join(u',').toUtf8() + '\n';
    for (const Sample& s : samples) {
        out += QDateTime::fromMSecsSinceEpoch(s.ms)
                   .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"))
                   .toLatin1();
        out += ',' + ShowWeight(s.weight, places).toLatin1();
        // Status words are digit strings; quoting keeps their leading zeros in a spreadsheet.
        out += ",\"" + s.status2.toLatin1() + "\",\"" + s.status3.toLatin1() + "\"\n";
    }
    if (file.write(out) != out.size() || !file.commit())
        return QStringLiteral("「%1」に保存できません（%2）。").arg(path, file.errorString());
    return {};
}

}  // namespace monitor
