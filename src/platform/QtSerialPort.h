#pragma once

#include <QSerialPort>

#include "platform/SerialPort.h"

// What the operator reads when a device is held by another program, or when this user may not
// open it (with the fix).
QString DeviceBusyText(const QString& device);
QString NoPermissionText(const QString& device);

// The serial port on a real device (or a pseudo-terminal) through QSerialPort.
class QtSerialPort : public SerialPort {
    Q_OBJECT
  public:
    explicit QtSerialPort(PortResolver resolver = DefaultDeviceOf, QObject* parent = nullptr);
    ~QtSerialPort() override;

    int portNumber() const override { return portNumber_; }
    void setPortNumber(int n) override;
    QString settings() const override { return settings_; }
    void setSettings(const QString& text) override;
    Handshaking handshaking() const override { return handshaking_; }
    void setHandshaking(Handshaking h) override;
    void setRtsEnable(bool on) override;

    bool isOpen() const override { return port_.isOpen(); }
    void open() override;
    void close() override;

    void write(const QByteArray& data) override;
    int bytesWaiting() override;
    QByteArray read(int maxChars) override;
    QString deviceName() const override;

  private:
    void onError(QSerialPort::SerialPortError error);
    void requireOpen();
    void applyLineSettings();

    PortResolver resolver_;
    QSerialPort port_;
    int portNumber_ = 1;
    QString settings_ = kDefaultLineSettings;
    Handshaking handshaking_ = Handshaking::None;
    bool rts_ = false;
    QString openDevice_;  // the device path the port was opened on
    QString lostReason_;  // why the device went away in the middle of a run
};
