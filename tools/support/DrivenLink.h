#pragma once

#include <QCoreApplication>
#include <QEventLoop>
#include <functional>

#include "link/IndicatorLink.h"

// Runs a task of `link` to its end at the top of a test, a benchmark or a fuzz target: while the task
// waits, `pass` lets time go by or characters arrive; a pass that returns false gives up, and the
// wait under way is abandoned. The link's waits themselves never run an event loop.
template <typename T, typename Pass>
T DriveToEnd(IndicatorLink& link, Task<T> task, Pass&& pass) {
    task.start();
    while (!task.done())
        if (!pass()) link.abandonWait();
    return task.result();
}

// Real time: one turn of the event loop, until the next event (a port's news, a timer).
inline bool EventLoopPass() {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return true;
}

// A link the tests and benchmarks drive: its tasks run to their end in the calls below, on real
// time (the event loop at the top) or on the test's own passes (time by hand).
class DrivenLink : public IndicatorLink {
  public:
    DrivenLink(SettingsStore& store, OperatorView& view, int periodMs)
        : IndicatorLink(store, view, periodMs) {}
    DrivenLink(SettingsStore& store, OperatorView& view, std::function<bool()> pass,
               std::unique_ptr<SupervisionTimer> timer)
        : IndicatorLink(store, view, std::move(timer)), pass_(std::move(pass)) {}

    template <typename T>
    T blocking(Task<T> task) {
        return DriveToEnd(*this, std::move(task), [this] { return pass_(); });
    }
    WaitOutcome awaitReply(ReplyFor what) { return blocking(reply(std::move(what))); }
    WaitOutcome awaitLine() { return blocking(line()); }
    WaitOutcome probeLink() { return blocking(probe()); }
    WaitOutcome syncPoint() { return blocking(sync()); }

  private:
    std::function<bool()> pass_ = EventLoopPass;
};
