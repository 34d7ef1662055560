#pragma once

#include <optional>
#include <utility>

#include "link/TransferRun.h"

// Collects what the running operation reads from and sends to the indicator, and tells the
// listener when the operation ends. Runs nest: an operation made of others (all-read) is one
// run, and the parts join it.
class RunLog {
  public:
    void setListener(TransferListener* listener) { listener_ = listener; }

    // One operation's run, open while the handle lives. The outermost handle tells the listener
    // when it goes, if any value went through.
    class Handle {
      public:
        Handle(RunLog* log, bool owner) : log_(log), owner_(owner) {}
        Handle(Handle&& other) noexcept
            : log_(std::exchange(other.log_, nullptr)), owner_(other.owner_) {}
        Handle(const Handle&) = delete;
        Handle& operator=(const Handle&) = delete;
        Handle& operator=(Handle&&) = delete;
        ~Handle();
        // The operation stopped short (a time-out or a fault): the run is marked incomplete.
        void stoppedShort();

      private:
        RunLog* log_;
        bool owner_;  // false for a part that joined an outer run
    };
    [[nodiscard]] Handle begin(TransferRun::Direction direction, const QString& operation,
                               IndicatorModel model, const QString& device);

    // A value read (stored from a reply) or sent; ignored when no run is open or the run goes
    // the other way.
    void read(const TransferValue& value);
    void sent(const TransferValue& value);
    // A note (RunNote) on the open run, joined to any earlier one, told with it (notedRun);
    // ignored when no run is open.
    void note(const QString& text);

  private:
    void add(TransferRun::Direction direction, const TransferValue& value);
    void end();

    TransferListener* listener_ = nullptr;
    std::optional<TransferRun> run_;
    QString note_;  // the open run's note
};
