#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>

enum class Handshaking { None, RtsCts };

// Names the device of port number n (1 … 8). The configuration file may map a number to a
// device; without a mapping port n is "/dev/ttyS" + (n - 1).
using PortResolver = std::function<QString(int portNumber)>;
QString DefaultDeviceOf(int portNumber);

// Port numbers the serial layer accepts (the port lists offer Com1 … Com8 of them), and the
// settings a port starts with.
constexpr int kHighestPortNumber = 16;
inline const QString kDefaultLineSettings = QStringLiteral("19200,o,7,1");

// The serial port as the link sees it. Every failure throws OperationError with the number the
// messages quote (8002, 8005, 8015, 8018).
class SerialPort : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;
    ~SerialPort() override = default;

    virtual int portNumber() const = 0;
    virtual void setPortNumber(int n) = 0;  // 8005 while open, 8002 outside 1 … kHighestPortNumber
    virtual QString settings() const = 0;   // "19200,o,7,1"
    virtual void setSettings(const QString& text) = 0;  // 8015 for a malformed text
    virtual Handshaking handshaking() const = 0;
    virtual void setHandshaking(Handshaking h) = 0;
    virtual void setRtsEnable(bool on) = 0;

    virtual bool isOpen() const = 0;
    virtual void open() = 0;   // 8005 already open, 8002 no usable device, 8015 settings refused
    virtual void close() = 0;  // closing a closed port does nothing

    virtual void write(const QByteArray& data) = 0;  // 8018 when not open
    virtual int bytesWaiting() = 0;                  // 8018 when not open
    virtual QByteArray read(int maxChars) = 0;       // 0 reads all waiting; returns at once

    // The device the port number currently names, for the operator's eye.
    virtual QString deviceName() const = 0;

  signals:
    // Characters arrived or the port failed: a waiting loop should look again.
    void activity();
};

// Parsed "baud,parity,data,stop". Returns false for a malformed text.
struct LineSettings {
    int baud = 19200;
    QChar parity = u'o';
    int dataBits = 7;
    int stopBits = 1;
};
bool ParseLineSettings(const QString& text, LineSettings* out);

// How long `chars` characters take on a line of these settings (a start bit, the data bits,
// the parity bit if any, the stop bits per character), in whole milliseconds, rounded up. A
// malformed text counts as the default settings.
qint64 LineTimeMs(const QString& settings, int chars);
