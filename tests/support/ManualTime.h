#pragma once

#include <functional>

#include "platform/EventPump.h"
#include "platform/SupervisionTimer.h"

// A supervision timer that ticks only when told to.
class ManualTimer : public SupervisionTimer {
  public:
    void start() override { active_ = true; }
    void stop() override { active_ = false; }
    bool isActive() const override { return active_; }
    // One period has passed: the tick runs if a wait is going on.
    void fire() {
        if (active_) tick();
    }

  private:
    bool active_ = false;
};

// A wait loop's pass with time under the test's hand. A pass with nothing to read stands for
// time going by: by default one whole supervision period (the timer fires); a test that wants
// something else to happen meanwhile (characters arriving, the port going away) sets `idle`.
class ManualPump : public EventPump {
  public:
    explicit ManualPump(ManualTimer& timer) : timer_(timer) {}
    bool pass(SerialPort*, bool somethingWaiting) override {
        if (somethingWaiting) return true;
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
