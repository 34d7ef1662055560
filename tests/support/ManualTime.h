#pragma once

#include <functional>

#include "platform/SupervisionTimer.h"
#include "support/TestClock.h"

// A supervision timer that ticks only when told to, on a test clock that moves only with it.
class ManualTimer : public SupervisionTimer {
  public:
    explicit ManualTimer(int periodMs = 5000) : period_(periodMs) {}
    void start() override {
        active_ = true;
        sinceStart_ = 0;
    }
    void stop() override { active_ = false; }
    bool isActive() const override { return active_; }
    int periodMs() const override { return period_; }
    qint64 nowMs() const override { return clock.nowMs(); }
    void setDeadline(qint64 atMs) override { deadline_ = atMs; }
    // One period has passed: the tick runs if a wait is going on.
    void fire() {
        clock.advance(period_);
        sinceStart_ = 0;
        if (active_) tick();
        checkDeadline();
    }
    // `ms` (less than a period) have passed: the tick runs when a period has gone by since the
    // timer was started.
    void advance(int ms) {
        clock.advance(ms);
        sinceStart_ += ms;
        if (active_ && sinceStart_ >= period_) {
            sinceStart_ = 0;
            tick();
        }
        checkDeadline();
    }

    TestClock clock;

  private:
    void checkDeadline() {
        if (deadline_ >= 0 && clock.nowMs() >= deadline_) {
            deadline_ = -1;
            deadlinePassed();
        }
    }
    qint64 deadline_ = -1;
    int period_;
    qint64 sinceStart_ = 0;
    bool active_ = false;
};

// A pass of a test's drive (DrivenLink) with time under the test's hand: a task waits only
// when it has nothing to read, so a pass stands for time going by: by default one whole
// supervision period (the timer fires); a test that wants something else to happen meanwhile
// (characters arriving, the port going away) sets `idle`.
class ManualPump {
  public:
    explicit ManualPump(ManualTimer& timer) : timer_(timer) {}
    bool pass() {
        // A wait that never ends would hang the test: give up as if the program were ending.
        if (++idlePasses > 10000) return false;
        if (idle)
            idle();
        else
            timer_.fire();
        return true;
    }

    std::function<void()> idle;
    int idlePasses = 0;

  private:
    ManualTimer& timer_;
};
