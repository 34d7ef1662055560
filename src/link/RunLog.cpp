#include "link/RunLog.h"

#include "link/RunKinds.h"

RunLog::Handle::~Handle() {
    if (log_ && owner_) log_->end();
}

void RunLog::Handle::stoppedShort() {
    if (log_ && log_->run_) log_->run_->complete = false;
}

RunLog::Handle RunLog::begin(TransferRun::Direction direction, const QString& operation,
                             IndicatorModel model, const QString& device) {
    if (run_) return Handle(this, false);
    run_ = TransferRun{direction, operation, model, device, true, {}};
    note_.clear();
    return Handle(this, true);
}

void RunLog::read(const TransferValue& value) {
    add(TransferRun::Direction::Read, value);
}

void RunLog::sent(const TransferValue& value) {
    add(TransferRun::Direction::Write, value);
}

void RunLog::note(const QString& text) {
    if (!run_) return;
    note_ = JoinedNotes(note_, text);
}

void RunLog::add(TransferRun::Direction direction, const TransferValue& value) {
    if (run_ && run_->direction == direction) run_->values.push_back(value);
}

void RunLog::end() {
    std::optional<TransferRun> run = std::exchange(run_, std::nullopt);
    if (listener_ && run && !run->values.empty()) listener_->notedRun(*run, note_);
}
