#pragma once

#include <QTcpSocket>
#include <functional>
#include <memory>
#include <optional>

#include "platform/OperationError.h"
#include "platform/SerialPort.h"

// A device written "tcp://host:port": a serial line behind an Ethernet serial device server in
// raw TCP mode. Returns false for any other device text.
bool ParseTcpDevice(const QString& device, QString* host = nullptr, quint16* port = nullptr);

// The serial port over a TCP connection. The line settings, handshaking and RTS belong to the
// device server: they are kept (settings() returns what was set) and otherwise ignored.
class TcpSerialPort : public SerialPort {
    Q_OBJECT
  public:
    static constexpr int kDefaultConnectTimeoutMs = 3000;

    explicit TcpSerialPort(PortResolver resolver = DefaultDeviceOf,
                           int connectTimeoutMs = kDefaultConnectTimeoutMs,
                           QObject* parent = nullptr);
    ~TcpSerialPort() override;

    int portNumber() const override { return portNumber_; }
    void setPortNumber(int n) override;
    QString settings() const override { return settings_; }
    void setSettings(const QString& text) override;
    Handshaking handshaking() const override { return handshaking_; }
    void setHandshaking(Handshaking h) override { handshaking_ = h; }
    void setRtsEnable(bool) override {}

    bool isOpen() const override { return open_; }
    // Connects, waiting at most the time-out on the socket itself: no event loop runs meanwhile,
    // so nothing else the program does can start in the middle of the open.
    void open() override;
    // What an attempt to open came to: none when the port is open.
    using Opened = std::function<void(std::optional<OperationError>)>;
    // Connects without waiting: `done` is called once the attempt ends (at most the time-out),
    // from the event loop, unless close() or the port's end comes first. A device that is no
    // tcp:// address, or a port already open, throws at once.
    void openLater(Opened done);
    void close() override;

    void write(const QByteArray& data) override;
    int bytesWaiting() override;
    QByteArray read(int maxChars) override;
    QString deviceName() const override;

  private:
    void onLost();
    void requireOpen();

    PortResolver resolver_;
    int connectTimeoutMs_;
    QTcpSocket socket_;
    int portNumber_ = 1;
    QString settings_ = kDefaultLineSettings;
    Handshaking handshaking_ = Handshaking::None;
    bool open_ = false;
    QString openDevice_;                   // the device the port was opened on
    QString lostReason_;                   // why the connection went away in the middle of a run
    std::unique_ptr<QObject> connecting_;  // the attempt under way: its timer and connections
    std::function<void(bool failed)> endAttempt_;  // ends the attempt under way
};
