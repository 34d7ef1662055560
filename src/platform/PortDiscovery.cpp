#include "platform/PortDiscovery.h"

#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QTcpSocket>
#include <cerrno>

#include "platform/PortFailure.h"
#include "platform/QtSerialPort.h"
#include "platform/SerialPort.h"
#include "platform/TcpSerialPort.h"
#include "texts/PlatformTexts.h"

namespace {

QString Canonical(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}

QString GoneText(const QString& device) {
    return Tr(PlatformText::DeviceGone).arg(device);
}

QSerialPort::Parity ParityOf(QChar letter) {
    switch (letter.toLower().unicode()) {
        case u'e':
            return QSerialPort::EvenParity;
        case u'o':
            return QSerialPort::OddParity;
        default:
            return QSerialPort::NoParity;
    }
}

}  // namespace

QString DeviceCaption(const FoundDevice& found) {
    return found.description.isEmpty() ? found.device
                                       : found.device + QStringLiteral("  ") + found.description;
}

QString StableNameOf(const QString& device, const QString& byIdFolder) {
    const QString target = Canonical(device);
    const QFileInfoList links =
        QDir(byIdFolder).entryInfoList(QDir::Files | QDir::System, QDir::Name);
    for (const QFileInfo& link : links)
        if (link.isSymLink() && link.canonicalFilePath() == target) return link.filePath();
    return {};
}

QList<FoundDevice> ListDevices(const QStringList& extra) {
    QList<FoundDevice> found;
    QStringList seen;  // canonical paths and TCP addresses
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        FoundDevice d;
        d.device = info.systemLocation();
        const QString stable = StableNameOf(d.device);
        d.stableName = stable.isEmpty() ? d.device : stable;
        d.description = info.description().isEmpty() ? info.manufacturer() : info.description();
        if (!info.serialNumber().isEmpty())
            d.description += (d.description.isEmpty() ? QString() : QStringLiteral(", ")) +
                             QStringLiteral("serial ") + info.serialNumber();
        seen << Canonical(d.device);
        found << d;
    }
    for (const QString& device : extra) {
        const bool tcp = ParseTcpDevice(device);
        if (device.isEmpty() || (!tcp && !QFileInfo::exists(device))) continue;
        const QString key = tcp ? device : Canonical(device);
        if (seen.contains(key)) continue;
        seen << key;
        found << FoundDevice{device, device, {}};
    }
    return found;
}

// One device being asked.
struct PortProbe::Attempt {
    ProbeResult result;
    std::unique_ptr<QIODevice> io;
    QByteArray received;
    bool settled = false;
};

PortProbe::PortProbe(QObject* parent) : QObject(parent) {
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, &PortProbe::timedOut);
}

PortProbe::~PortProbe() {
    clear();
}

void PortProbe::clear() {
    deadline_.stop();
    for (auto& attempt : attempts_)
        if (attempt->io) attempt->io->disconnect(this);
    attempts_.clear();
    running_ = false;
}

void PortProbe::start(const QStringList& devices, const QString& lineSettings, int timeoutMs) {
    clear();
    results_.clear();
    running_ = true;
    deadline_.start(timeoutMs);
    for (const QString& device : devices) {
        attempts_.push_back(std::make_unique<Attempt>());
        Attempt& attempt = *attempts_.back();
        attempt.result.device = device;
        QString host;
        quint16 port = 0;
        if (ParseTcpDevice(device, &host, &port))
            startTcp(attempt, host, port);
        else
            startSerial(attempt, lineSettings);
    }
    // Even with nothing to ask, `finished` comes from the event loop, never from inside start.
    QTimer::singleShot(0, this, &PortProbe::finishIfDone);
}

void PortProbe::startSerial(Attempt& attempt, const QString& lineSettings) {
    const QString device = attempt.result.device;
    if (!QFileInfo::exists(device)) return settle(attempt, ProbeOutcome::Gone, GoneText(device));
    auto* port = new QSerialPort;
    attempt.io.reset(port);
    port->setPortName(device);
    if (!port->open(QIODevice::ReadWrite)) {
        // The owner's permissions tell a refusal for this user from a device held elsewhere
        // (a lock file or exclusive mode), which Qt reports alike.
        const QSerialPort::SerialPortError error = port->error();
        const bool refused =
            ::access(QFile::encodeName(device).constData(), R_OK | W_OK) != 0 && errno == EACCES;
        if (!QFileInfo::exists(device) || error == QSerialPort::DeviceNotFoundError)
            return settle(attempt, ProbeOutcome::Gone, GoneText(device));
        if (refused) return settle(attempt, ProbeOutcome::NoPermission, NoPermissionText(device));
        if (error == QSerialPort::PermissionError || error == QSerialPort::OpenError)
            return settle(attempt, ProbeOutcome::Busy, DeviceBusyText(device));
        return settle(attempt, ProbeOutcome::Failed,
                      Tr(PlatformText::CannotOpenDevice).arg(device, PortFailureReason(error)));
    }
    // A device a program holds under another name is not asked (see QtSerialPort::open).
    if (const int fd = static_cast<int>(port->handle());
        fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        return settle(attempt, ProbeOutcome::Busy, DeviceBusyText(device));
    // A pseudo-terminal refuses some framings; the request goes out all the same.
    LineSettings s;
    if (ParseLineSettings(lineSettings, &s)) {
        port->setBaudRate(s.baud);
        port->setDataBits(static_cast<QSerialPort::DataBits>(s.dataBits));
        port->setParity(ParityOf(s.parity));
        port->setStopBits(s.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    }
    port->setFlowControl(QSerialPort::NoFlowControl);
    port->clearError();
    port->clear();
    connect(port, &QSerialPort::readyRead, this, [this, &attempt] { received(attempt); });
    connect(port, &QSerialPort::errorOccurred, this,
            [this, &attempt](QSerialPort::SerialPortError e) {
                if (e == QSerialPort::ResourceError)
                    settle(attempt, ProbeOutcome::Gone, GoneText(attempt.result.device));
            });
    port->write("RA\r");
}

void PortProbe::startTcp(Attempt& attempt, const QString& host, quint16 port) {
    auto* socket = new QTcpSocket;
    attempt.io.reset(socket);
    connect(socket, &QTcpSocket::connected, this, [socket] { socket->write("RA\r"); });
    connect(socket, &QTcpSocket::readyRead, this, [this, &attempt] { received(attempt); });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, &attempt, socket] {
        settle(attempt, ProbeOutcome::Failed,
               Tr(PlatformText::CannotConnect)
                   .arg(attempt.result.device, PortFailureReason(socket->error())));
    });
    socket->connectToHost(host, port);
}

void PortProbe::received(Attempt& attempt) {
    if (attempt.settled) return;
    attempt.received += attempt.io->readAll();
    const qsizetype end = attempt.received.indexOf('\n');
    if (end < 0) return;
    QByteArray line = attempt.received.left(end);
    if (line.endsWith('\r')) line.chop(1);
    attempt.result.reply = QString::fromLatin1(line);
    settle(attempt, ProbeOutcome::Answered,
           Tr(PlatformText::ProbeAnswered).arg(attempt.result.device));
}

void PortProbe::settle(Attempt& attempt, ProbeOutcome outcome, const QString& message) {
    if (attempt.settled) return;
    attempt.settled = true;
    attempt.result.outcome = outcome;
    attempt.result.message = message;
    // Let go of the device at once; the object goes when the probe does.
    if (attempt.io) {
        attempt.io->disconnect(this);
        attempt.io->close();
    }
    if (running_) QTimer::singleShot(0, this, &PortProbe::finishIfDone);
}

void PortProbe::finishIfDone() {
    if (!running_) return;
    for (const auto& attempt : attempts_)
        if (!attempt->settled) return;
    for (const auto& attempt : attempts_) results_ << attempt->result;
    clear();
    emit finished();
}

void PortProbe::timedOut() {
    for (auto& attempt : attempts_)
        if (!attempt->settled)
            settle(*attempt, ProbeOutcome::Silent,
                   Tr(PlatformText::ProbeSilent).arg(attempt->result.device));
    finishIfDone();
}
