#pragma once

#include <QStringList>
#include <functional>

#include "platform/OperationError.h"
#include "platform/SerialPort.h"

// A scripted serial port: every request written is recorded (without its CR) and may be
// answered at once by the responder; tests can also queue input or make the port fail.
class FakeSerialPort : public SerialPort {
    Q_OBJECT
  public:
    using Responder = std::function<QByteArray(const QString& request)>;

    int portNumber() const override { return number_; }
    void setPortNumber(int n) override {
        if (open_) throw OperationError(ErrNo::kPortAlreadyOpen, "already open");
        if (n < 1 || n > kHighestPortNumber) throw OperationError(ErrNo::kInvalidPort, "invalid port");
        number_ = n;
    }
    QString settings() const override { return settings_; }
    void setSettings(const QString& text) override {
        if (!ParseLineSettings(text, nullptr)) throw OperationError(ErrNo::kInvalidSettings, "bad");
        settings_ = text;
    }
    Handshaking handshaking() const override { return handshaking_; }
    void setHandshaking(Handshaking h) override { handshaking_ = h; }
    void setRtsEnable(bool on) override { rts = on; }
    bool isOpen() const override { return open_; }
    void open() override {
        if (open_) throw OperationError(ErrNo::kPortAlreadyOpen, "already open");
        if (failOpenWith) throw OperationError(failOpenWith, "cannot open");
        open_ = true;
    }
    void close() override { open_ = false; }
    void write(const QByteArray& data) override {
        requireOpen();
        pending_ += data;
        int cr;
        while ((cr = pending_.indexOf('\r')) >= 0) {
            const QString request = QString::fromLatin1(pending_.left(cr));
            pending_.remove(0, cr + 1);
            requests << request;
            if (responder) queue(responder(request));
        }
    }
    int bytesWaiting() override {
        requireOpen();
        return static_cast<int>(input_.size());
    }
    QByteArray read(int maxChars) override {
        requireOpen();
        const int n = maxChars <= 0 ? static_cast<int>(input_.size())
                                    : std::min<int>(maxChars, static_cast<int>(input_.size()));
        const QByteArray out = input_.left(n);
        input_.remove(0, n);
        return out;
    }
    QString deviceName() const override { return QStringLiteral("fake%1").arg(number_); }

    void queue(const QByteArray& bytes) {
        if (bytes.isEmpty()) return;
        input_ += bytes;
        emit activity();
    }
    QByteArray unread() const { return input_; }
    // The device goes away: every later access fails.
    void pullOut() {
        open_ = false;
        lost_ = true;
        emit activity();
    }

    QStringList requests;
    Responder responder;
    int failOpenWith = 0;
    bool rts = false;

  private:
    void requireOpen() const {
        if (!open_)
            throw OperationError(ErrNo::kPortNotOpen, lost_ ? "device removed" : "port not open");
    }

    int number_ = 1;
    QString settings_ = kDefaultLineSettings;
    Handshaking handshaking_ = Handshaking::None;
    bool open_ = true;
    bool lost_ = false;
    QByteArray input_;
    QByteArray pending_;
};
