#pragma once

#include <QString>
#include <memory>

#include "link/IndicatorLink.h"
#include "link/Task.h"
#include "platform/Clock.h"

// Talking to the indicator for a test with reference weights: a reading taken only once the
// weight is stable, and the zero and span calibrations (CA, CB) watched until the indicator
// ends them. Tasks on the link of whoever holds its operation guard; they report in words,
// never in a box of their own.
namespace calibration {

// Awaits `ms` on `clock`: the clock's timer resumes the task.
class Pause {
  public:
    Pause(Clock& clock, qint64 ms) : clock_(clock), ms_(ms) {}
    bool await_ready() const noexcept { return ms_ <= 0; }
    void await_suspend(std::coroutine_handle<> waiting) {
        timer_ = clock_.makeTimer([waiting] { waiting.resume(); });
        timer_->start(ms_);
    }
    void await_resume() const noexcept {}

  private:
    Clock& clock_;
    qint64 ms_;
    std::unique_ptr<Clock::Timer> timer_;
};

enum class Outcome { Done, NoAnswer, NotStable, NotAWeight, CalibrationError, TimedOut };

struct Reading {
    Outcome outcome = Outcome::NoAnswer;
    qint64 counts = 0;  // the gross weight in display counts (digits without the point)
    QString reply;      // the indicator's answer as sent
};

// How long the steps wait, and how often they look.
struct Timing {
    int stableWithinMs = 10000;       // a reading waits this long for 重量値安定
    int calibrationWithinMs = 60000;  // a calibration this long for its end
    int lookEveryMs = 250;
};

// Waits for 重量値安定 (status 1), reads the gross weight (RA) with `places` decimals, and looks
// at the status again: a weight that moved in between is no reading.
Task<Reading> ReadStable(IndicatorLink& link, Clock& clock, int places, Timing timing = {});

enum class Adjustment { Zero, Span };
// Sends CA (zero) or CB (span) and watches status 4 until the indicator is no longer
// calibrating; its calibration error (status 4, fifth character) is CalibrationError.
Task<Outcome> Calibrate(IndicatorLink& link, Clock& clock, Adjustment which, Timing timing = {});

// The operator's words for an outcome that is not Done.
QString OutcomeText(Outcome outcome, const Reading& reading = {}, Timing timing = {});

}  // namespace calibration
