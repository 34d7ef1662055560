#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <climits>
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

    // The deadline: the deadline handler is called once when the clock reaches `atMs` (a wait's
    // bound on its whole length). Setting another replaces it; -1 clears it.
    virtual void setDeadline(qint64 atMs) = 0;
    void setDeadlineHandler(std::function<void()> handler) { onDeadline_ = std::move(handler); }

  protected:
    void tick() {
        if (onTick_) onTick_();
    }
    void deadlinePassed() {
        if (onDeadline_) onDeadline_();
    }

  private:
    std::function<void()> onTick_;
    std::function<void()> onDeadline_;
};

// The real one: Qt timers on the thread of the links, delivered by its event loop.
class QtSupervisionTimer : public SupervisionTimer {
  public:
    explicit QtSupervisionTimer(int periodMs) {
        clock_.start();
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(periodMs);
        QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
        deadline_.setTimerType(Qt::PreciseTimer);
        deadline_.setSingleShot(true);
        QObject::connect(&deadline_, &QTimer::timeout, [this] { deadlinePassed(); });
    }
    void start() override { timer_.start(); }
    void stop() override { timer_.stop(); }
    bool isActive() const override { return timer_.isActive(); }
    int periodMs() const override { return timer_.interval(); }
    qint64 nowMs() const override { return clock_.elapsed(); }
    void setDeadline(qint64 atMs) override {
        if (atMs < 0) {
            deadline_.stop();
            return;
        }
        deadline_.start(static_cast<int>(std::clamp<qint64>(atMs - nowMs(), 0, INT_MAX)));
    }

  private:
    QTimer timer_;
    QTimer deadline_;
    QElapsedTimer clock_;
};
