#include "platform/AnySerialPort.h"

#include "platform/OperationError.h"
#include "texts/PlatformTexts.h"

AnySerialPort::AnySerialPort(PortResolver resolver, QObject* parent)
    : SerialPort(parent), serial_(resolver), tcp_(resolver) {
    connect(&serial_, &SerialPort::activity, this, &SerialPort::activity);
    connect(&tcp_, &SerialPort::activity, this, &SerialPort::activity);
}

void AnySerialPort::setPortNumber(int n) {
    if (isOpen()) throw OperationError(ErrNo::kPortAlreadyOpen, Tr(PlatformText::PortAlreadyOpen));
    serial_.setPortNumber(n);
    tcp_.setPortNumber(n);
}

void AnySerialPort::setSettings(const QString& text) {
    // The TCP port only checks the text; the serial one may also apply it and refuse.
    tcp_.setSettings(text);
    serial_.setSettings(text);
}

void AnySerialPort::setHandshaking(Handshaking h) {
    tcp_.setHandshaking(h);
    serial_.setHandshaking(h);
}

void AnySerialPort::setRtsEnable(bool on) {
    tcp_.setRtsEnable(on);
    serial_.setRtsEnable(on);
}

bool AnySerialPort::choosePort() {
    if (isOpen()) throw OperationError(ErrNo::kPortAlreadyOpen, Tr(PlatformText::PortAlreadyOpen));
    // A malformed "tcp://" device still goes to the TCP port, which says how to write it.
    const bool tcp = deviceName().startsWith(QStringLiteral("tcp://"), Qt::CaseInsensitive);
    SerialPort* chosen = tcp ? static_cast<SerialPort*>(&tcp_) : &serial_;
    if (active_ && active_ != chosen) active_->close();
    active_ = chosen;
    return tcp;
}

void AnySerialPort::open() {
    choosePort();
    active_->open();
}

void AnySerialPort::openLater(TcpSerialPort::Opened done) {
    if (choosePort()) {
        tcp_.openLater(std::move(done));
        return;
    }
    try {
        serial_.open();
    } catch (const OperationError& e) {
        done(e);
        return;
    }
    done(std::nullopt);
}

void AnySerialPort::close() {
    if (active_) active_->close();
}
