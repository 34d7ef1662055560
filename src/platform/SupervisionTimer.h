#pragma once

#include <algorithm>
#include <functional>
#include <memory>

#include "platform/Clock.h"

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

// The supervision tick and the deadline on a clock: the program's on the system clock, delivered
// by the event loop; a test's on a clock it moves by hand.
class ClockSupervisionTimer : public SupervisionTimer {
  public:
    explicit ClockSupervisionTimer(int periodMs, Clock& clock = Clock::System())
        : clock_(clock),
          periodMs_(periodMs),
          timer_(clock.makeTimer([this] {
              timer_->start(periodMs_);  // periodic until stopped
              tick();
          })),
          deadline_(clock.makeTimer([this] { deadlinePassed(); })) {}
    void start() override { timer_->start(periodMs_); }
    void stop() override { timer_->stop(); }
    bool isActive() const override { return timer_->isActive(); }
    int periodMs() const override { return periodMs_; }
    qint64 nowMs() const override { return clock_.nowMs(); }
    void setDeadline(qint64 atMs) override {
        if (atMs < 0)
            deadline_->stop();
        else
            deadline_->start(std::max<qint64>(atMs - clock_.nowMs(), 0));
    }

  private:
    Clock& clock_;
    int periodMs_;
    std::unique_ptr<Clock::Timer> timer_;
    std::unique_ptr<Clock::Timer> deadline_;
};

// The program's supervision timer.
using QtSupervisionTimer = ClockSupervisionTimer;
