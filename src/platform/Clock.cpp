#include "platform/Clock.h"

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <climits>

namespace {

class SystemTimer : public Clock::Timer {
  public:
    explicit SystemTimer(std::function<void()> callback) : callback_(std::move(callback)) {
        timer_.setSingleShot(true);
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] { callback_(); });
    }
    void start(qint64 ms) override { timer_.start(int(std::clamp<qint64>(ms, 0, INT_MAX))); }
    void stop() override { timer_.stop(); }
    bool isActive() const override { return timer_.isActive(); }

  private:
    QTimer timer_;
    std::function<void()> callback_;
};

class SystemClock : public Clock {
  public:
    SystemClock() { started_.start(); }
    qint64 nowMs() const override { return started_.elapsed(); }
    QDateTime currentDateTime() const override { return QDateTime::currentDateTime(); }
    std::unique_ptr<Timer> makeTimer(std::function<void()> callback) override {
        return std::make_unique<SystemTimer>(std::move(callback));
    }

  private:
    QElapsedTimer started_;
};

}  // namespace

Clock& Clock::System() {
    static SystemClock clock;
    return clock;
}
