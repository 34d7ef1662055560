#pragma once

#include "platform/QtSerialPort.h"
#include "platform/TcpSerialPort.h"

// The port the program opens: on open it looks at the device its number names and talks TCP to
// a "tcp://host:port" device and serial to anything else. Port number, line settings and
// handshaking are kept by both and behave as on the serial port.
class AnySerialPort : public SerialPort {
    Q_OBJECT
  public:
    explicit AnySerialPort(PortResolver resolver = DefaultDeviceOf, QObject* parent = nullptr);

    int portNumber() const override { return serial_.portNumber(); }
    void setPortNumber(int n) override;
    QString settings() const override { return serial_.settings(); }
    void setSettings(const QString& text) override;
    Handshaking handshaking() const override { return serial_.handshaking(); }
    void setHandshaking(Handshaking h) override;
    void setRtsEnable(bool on) override;

    bool isOpen() const override { return active_ && active_->isOpen(); }
    void open() override;
    // Opens without waiting for a tcp:// connection (TcpSerialPort::openLater); a serial port
    // opens at once, `done` called before the return. Throws as open() for a port already open.
    void openLater(TcpSerialPort::Opened done);
    void close() override;

    void write(const QByteArray& data) override { active().write(data); }
    int bytesWaiting() override { return active().bytesWaiting(); }
    QByteArray read(int maxChars) override { return active().read(maxChars); }
    QString deviceName() const override { return serial_.deviceName(); }

  private:
    // Picks the TCP or the serial port for the device the number names, closing the other;
    // true for TCP. Throws for a port already open.
    bool choosePort();
    SerialPort& active() { return active_ ? *active_ : serial_; }

    QtSerialPort serial_;
    TcpSerialPort tcp_;
    SerialPort* active_ = nullptr;  // the port last opened
};
