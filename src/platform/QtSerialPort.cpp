#include "platform/QtSerialPort.h"

#include <sys/file.h>

#include <QFileInfo>
#include <QTimer>
#include <cerrno>

#include "platform/OperationError.h"
#include "platform/PortFailure.h"
#include "texts/PlatformTexts.h"

namespace {

bool IsPseudoTerminal(const QString& device) {
    return QFileInfo(device).canonicalFilePath().startsWith(QStringLiteral("/dev/pts/"));
}

QSerialPort::Parity ParityOf(QChar c) {
    switch (c.unicode()) {
        case u'e':
            return QSerialPort::EvenParity;
        case u'o':
            return QSerialPort::OddParity;
        case u'm':
            return QSerialPort::MarkParity;
        case u's':
            return QSerialPort::SpaceParity;
        default:
            return QSerialPort::NoParity;
    }
}

}  // namespace

QString DeviceBusyText(const QString& device) {
    return Tr(PlatformText::DeviceBusy).arg(device);
}

QString NoPermissionText(const QString& device) {
    return Tr(PlatformText::NoPermission).arg(device);
}

QtSerialPort::QtSerialPort(PortResolver resolver, QObject* parent)
    : SerialPort(parent), resolver_(std::move(resolver)) {
    connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialPort::onError);
    connect(&port_, &QSerialPort::readyRead, this, &SerialPort::activity);
}

QtSerialPort::~QtSerialPort() {
    port_.close();
}

void QtSerialPort::setPortNumber(int n) {
    if (port_.isOpen())
        throw OperationError(ErrNo::kPortAlreadyOpen, Tr(PlatformText::PortAlreadyOpen));
    if (n < 1 || n > kHighestPortNumber)
        throw OperationError(ErrNo::kInvalidPort, Tr(PlatformText::InvalidPortNumber));
    portNumber_ = n;
}

void QtSerialPort::setSettings(const QString& text) {
    if (!ParseLineSettings(text, nullptr))
        throw OperationError(ErrNo::kInvalidSettings,
                             Tr(PlatformText::InvalidLineSettings).arg(text));
    settings_ = text;
    if (port_.isOpen()) applyLineSettings();
}

void QtSerialPort::setHandshaking(Handshaking h) {
    handshaking_ = h;
    if (port_.isOpen()) applyLineSettings();
}

void QtSerialPort::setRtsEnable(bool on) {
    rts_ = on;
    if (port_.isOpen() && handshaking_ == Handshaking::None) port_.setRequestToSend(on);
}

QString QtSerialPort::deviceName() const {
    return resolver_ ? resolver_(portNumber_) : DefaultDeviceOf(portNumber_);
}

void QtSerialPort::open() {
    if (port_.isOpen())
        throw OperationError(ErrNo::kPortAlreadyOpen, Tr(PlatformText::PortAlreadyOpen));
    const QString device = deviceName();
    openDevice_ = device;
    lostReason_.clear();
    port_.setPortName(device);
    if (!port_.open(QIODevice::ReadWrite)) {
        const auto error = port_.error();
        const QString why = port_.errorString();
        port_.clearError();
        if (error == QSerialPort::PermissionError &&
            why.contains(QStringLiteral("lock"), Qt::CaseInsensitive))
            throw OperationError(ErrNo::kPortAlreadyOpen, DeviceBusyText(device));
        if (error == QSerialPort::PermissionError)
            throw OperationError(ErrNo::kInvalidPort, NoPermissionText(device));
        if (error == QSerialPort::OpenError)
            throw OperationError(ErrNo::kPortAlreadyOpen, PortFailureReason(error));
        throw OperationError(
            ErrNo::kInvalidPort,
            Tr(PlatformText::CannotOpenDevice).arg(device, PortFailureReason(error)));
    }
    // QSerialPort's lock file is named after the path: the same device under another name (its
    // /dev/serial/by-id link, a link to a pseudo-terminal) would open a second time. The lock on
    // the open device itself holds across names, and for root too.
    if (const int fd = static_cast<int>(port_.handle());
        fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        port_.close();
        throw OperationError(ErrNo::kPortAlreadyOpen, DeviceBusyText(device));
    }
    try {
        applyLineSettings();
    } catch (...) {
        port_.close();
        throw;
    }
}

void QtSerialPort::applyLineSettings() {
    LineSettings s;
    ParseLineSettings(settings_, &s);
    // A pseudo-terminal has no line to frame: it refuses 7 data bits and drops parity, so only
    // its refusal of a real device's framing counts.
    const bool pty = IsPseudoTerminal(openDevice_);
    bool ok = port_.setBaudRate(s.baud);
    ok = port_.setDataBits(static_cast<QSerialPort::DataBits>(s.dataBits)) && ok;
    ok = port_.setParity(ParityOf(s.parity)) && ok;
    ok = port_.setStopBits(s.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) && ok;
    ok = port_.setFlowControl(handshaking_ == Handshaking::RtsCts ? QSerialPort::HardwareControl
                                                                  : QSerialPort::NoFlowControl) &&
         ok;
    if (handshaking_ == Handshaking::None && !pty) port_.setRequestToSend(rts_);
    if (!ok && !pty) {
        const QString why = PortFailureReason(port_.error());
        port_.clearError();
        throw OperationError(ErrNo::kInvalidSettings,
                             Tr(PlatformText::SettingsRefused).arg(settings_, why));
    }
    port_.clearError();
}

void QtSerialPort::close() {
    if (port_.isOpen()) port_.close();
}

void QtSerialPort::onError(QSerialPort::SerialPortError error) {
    // When the far end goes away QSerialPort reports the failure again and again until the port
    // is closed; close at once and let the next read or write report it.
    if (error == QSerialPort::ResourceError || error == QSerialPort::ReadError ||
        error == QSerialPort::WriteError) {
        if (lostReason_.isEmpty())
            lostReason_ =
                Tr(PlatformText::ConnectionLost).arg(openDevice_, PortFailureReason(error));
        if (port_.isOpen()) port_.close();
        port_.clearError();
        emit activity();
    }
}

void QtSerialPort::requireOpen() {
    if (port_.isOpen()) return;
    if (!lostReason_.isEmpty()) throw OperationError(ErrNo::kPortNotOpen, lostReason_);
    throw OperationError(ErrNo::kPortNotOpen, Tr(PlatformText::PortNotOpen));
}

void QtSerialPort::write(const QByteArray& data) {
    requireOpen();
    // write() on a closed port answers -1 but leaves error() at NoError; requireOpen covers it.
    if (port_.write(data) != data.size()) {
        const auto error = port_.error();
        const QString why =
            PortFailureReason(error == QSerialPort::NoError ? QSerialPort::WriteError : error);
        port_.clearError();
        throw OperationError(ErrNo::kPortNotOpen, Tr(PlatformText::CannotSend).arg(why));
    }
    port_.flush();
}

int QtSerialPort::bytesWaiting() {
    requireOpen();
    return static_cast<int>(port_.bytesAvailable());
}

QByteArray QtSerialPort::read(int maxChars) {
    requireOpen();
    return maxChars <= 0 ? port_.readAll() : port_.read(maxChars);
}
