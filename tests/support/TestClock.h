#pragma once

#include <QDateTime>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Clock.h"

// A clock that moves only when the test moves it. Its timers run out inside `advance`, each at
// its own time and in the order of their times, so a schedule of seconds runs at once and the
// same way every time.
class TestClock : public Clock {
  public:
    explicit TestClock(QDateTime start = QDateTime(QDate(2024, 5, 1), QTime(9, 0), Qt::UTC))
        : wallAtZero_(std::move(start)) {}
    ~TestClock() override {
        for (TestTimer* t : timers_) t->clock_ = nullptr;
    }
    TestClock(const TestClock&) = delete;
    TestClock& operator=(const TestClock&) = delete;

    qint64 nowMs() const override { return now_; }
    QDateTime currentDateTime() const override { return wallAtZero_.addMSecs(now_); }
    // The wall clock is set (it may jump); the monotonic clock stays where it is.
    void setCurrentDateTime(const QDateTime& time) { wallAtZero_ = time.addMSecs(-now_); }

    std::unique_ptr<Timer> makeTimer(std::function<void()> callback) override {
        return std::make_unique<TestTimer>(*this, std::move(callback));
    }

    // `ms` go by: every timer due meanwhile runs out at its time, also those started by
    // another's callback.
    void advance(qint64 ms) {
        const qint64 end = now_ + ms;
        while (TestTimer* t = nextDue(end)) fire(t);
        now_ = std::max(now_, end);
    }
    // Time goes on to the next timer's end, which runs out. False when no timer runs.
    bool advanceToNextTimer() {
        TestTimer* t = nextDue(-1);
        if (!t) return false;
        fire(t);
        return true;
    }
    // Advances `stepMs` at a time until `done` holds (true) or `limitMs` have gone by (false).
    bool advanceUntil(const std::function<bool()>& done, qint64 limitMs, qint64 stepMs = 10) {
        for (const qint64 end = now_ + limitMs; !done(); advance(stepMs))
            if (now_ >= end) return false;
        return true;
    }

  private:
    class TestTimer : public Timer {
      public:
        TestTimer(TestClock& clock, std::function<void()> callback)
            : clock_(&clock), callback_(std::move(callback)) {
            clock.timers_.push_back(this);
        }
        ~TestTimer() override {
            if (clock_) std::erase(clock_->timers_, this);
        }
        void start(qint64 ms) override {
            end_ = clock_->now_ + std::max<qint64>(ms, 0);
            order_ = ++clock_->started_;
        }
        void stop() override { end_ = -1; }
        bool isActive() const override { return end_ >= 0; }

        TestClock* clock_;
        std::function<void()> callback_;
        qint64 end_ = -1;
        quint64 order_ = 0;
    };

    // The active timer that ends first (among those ending by `end`, unless it is -1).
    TestTimer* nextDue(qint64 end) const {
        TestTimer* first = nullptr;
        for (TestTimer* t : timers_)
            if (t->end_ >= 0 && (end < 0 || t->end_ <= end) &&
                (!first || std::pair(t->end_, t->order_) < std::pair(first->end_, first->order_)))
                first = t;
        return first;
    }
    void fire(TestTimer* t) {
        now_ = std::max(now_, t->end_);
        t->end_ = -1;
        const std::function<void()> callback = t->callback_;  // the callback may end its timer
        callback();
    }

    QDateTime wallAtZero_;
    qint64 now_ = 0;
    quint64 started_ = 0;
    std::vector<TestTimer*> timers_;
};
