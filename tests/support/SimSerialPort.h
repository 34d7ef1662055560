#pragma once

#include <QStringList>
#include <functional>

#include "Indicator.h"
#include "Pacer.h"
#include "platform/SerialPort.h"

// A serial port whose far end is the simulated indicator itself (the Indicator rusk-sim plays),
// in the test's own process: every request written is recorded (without its CR) and answered
// before write() returns, with no line time and no real clock, so a test runs fast and always
// the same way. The indicator's clock moves only when the test moves it (setTime, for each
// request in beforeAnswer).
//
// Faults a test may ask for: silence after some requests, a reply changed or followed by other
// lines (`alter`), and the cable pulled at a given request or at once.
class SimSerialPort : public SerialPort {
    Q_OBJECT
  public:
    explicit SimSerialPort(SimModel model = SimModel::F805) : indicator_(model) {}

    Indicator& indicator() { return indicator_; }
    // A fresh indicator of the other model (the product, the settings and the clock start anew).
    void setModel(SimModel model) { indicator_ = Indicator(model); }
    // The indicator's clock, in milliseconds since it started; it never goes back.
    void setTime(qint64 ms) { indicator_.setTime(ms); }

    int portNumber() const override { return number_; }
    void setPortNumber(int n) override;
    QString settings() const override { return settings_; }
    void setSettings(const QString& text) override;
    Handshaking handshaking() const override { return handshaking_; }
    void setHandshaking(Handshaking h) override { handshaking_ = h; }
    void setRtsEnable(bool) override {}
    bool isOpen() const override { return open_; }
    void open() override;
    void close() override { open_ = false; }
    void write(const QByteArray& data) override;
    int bytesWaiting() override;
    QByteArray read(int maxChars) override;
    QString deviceName() const override { return QStringLiteral("sim%1").arg(number_); }

    // Characters that arrive without a request (a stale line on the port).
    void queue(const QByteArray& bytes);
    QByteArray unread() const { return input_; }
    // The device goes away: every later access fails until the port is opened again.
    void pullOut();

    QStringList requests;
    int answerFirst = -1;    // only the first n requests are answered; -1: all
    int pullAtRequest = -1;  // the cable is pulled as request n (counted from 1) goes out
    int failOpenWith = 0;    // open() fails with this number (a pulled cable stays out)
    // Given each request and the indicator's reply (CR LF ended, empty for none), returns what
    // the port receives instead.
    std::function<QByteArray(const QString& request, const QByteArray& reply)> alter;
    // Called before each request is answered: a test moves its clock (and the indicator's) here.
    std::function<void()> beforeAnswer;

  private:
    void requireOpen() const;
    void answer(const QByteArray& request);

    Indicator indicator_;
    Pacer framing_;  // splits the written characters into request lines as rusk-sim does
    int number_ = 1;
    QString settings_ = kDefaultLineSettings;
    Handshaking handshaking_ = Handshaking::None;
    bool open_ = true;
    bool lost_ = false;
    QByteArray input_;
};
