#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <functional>

// The periodic tick that supervises a wait for the indicator. The link starts it when a wait
// begins and stops it when the wait ends; each period it calls the tick handler. Tests put in a
// timer they advance by hand.
class SupervisionTimer {
  public:
    virtual ~SupervisionTimer() = default;
    virtual void start() = 0;  // a full new period from now
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
    // The length of one period.
    virtual int periodMs() const = 0;
    // A monotonic clock in milliseconds: the waits measure their total length on it.
    virtual qint64 nowMs() const = 0;
    void setTickHandler(std::function<void()> handler) { onTick_ = std::move(handler); }

  protected:
    void tick() {
        if (onTick_) onTick_();
    }

  private:
    std::function<void()> onTick_;
};

// The real one: a Qt timer on the window's thread, delivered between passes of the wait loop.
class QtSupervisionTimer : public SupervisionTimer {
  public:
    explicit QtSupervisionTimer(int periodMs) {
        clock_.start();
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(periodMs);
        QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
    }
    void start() override { timer_.start(); }
    void stop() override { timer_.stop(); }
    bool isActive() const override { return timer_.isActive(); }
    int periodMs() const override { return timer_.interval(); }
    qint64 nowMs() const override { return clock_.elapsed(); }

  private:
    QTimer timer_;
    QElapsedTimer clock_;
};
