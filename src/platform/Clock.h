#pragma once

#include <QDateTime>
#include <QtGlobal>
#include <functional>
#include <memory>

// The core's time: a monotonic clock in milliseconds for what is measured and scheduled, the
// wall clock for what is stamped with a date, and single-shot timers that run on the same
// clock. The program runs on `Clock::System()`; tests put in a clock they move by hand
// (tests/support/TestClock.h), so that a schedule of seconds runs in no time and always alike.
class Clock {
  public:
    // Calls its callback once, `ms` after `start`, unless it is stopped, started again or
    // destroyed first. The callback runs from the event loop of the thread that made the timer
    // (the system clock) or from the test clock's `advance`.
    class Timer {
      public:
        virtual ~Timer() = default;
        virtual void start(qint64 ms) = 0;
        virtual void stop() = 0;
        virtual bool isActive() const = 0;
    };

    virtual ~Clock() = default;
    // Milliseconds on a clock that never goes back; only differences mean anything.
    virtual qint64 nowMs() const = 0;
    // The wall clock's time (local time).
    virtual QDateTime currentDateTime() const = 0;
    QDateTime currentDateTimeUtc() const { return currentDateTime().toUTC(); }
    // A new timer, not started, that calls `callback` when it runs out.
    virtual std::unique_ptr<Timer> makeTimer(std::function<void()> callback) = 0;

    // The real clock: QElapsedTimer, QDateTime::currentDateTime and precise QTimers.
    static Clock& System();
};
