#pragma once

#include <functional>

#include "link/IndicatorLink.h"
#include "link/OperationTrap.h"

// The one error trap of a transfer operation (8018 hint), around the run that records what it
// read or sent: a fault, a time-out or an asked stop marks the run as stopped short.
inline Task<bool> TrappedRun(IndicatorLink& link, TransferRun::Direction direction,
                             QString operation, std::function<Task<void>()> body,
                             std::function<void()> stopped = {}) {
    RunLog::Handle run = link.beginRun(direction, operation);
    const bool ran =
        co_await TrappedTask(link.view(), ErrorHint::Port8018, std::move(body), std::move(stopped));
    if (!ran || link.timedOut() || link.stopAsked()) run.stoppedShort();
    co_return ran;
}

// Ends a read that `check` followed: a read that ran to its end (no fault, time-out or asked
// stop) without every value it asked for is marked stopped short, and when no other check is
// open around it, one message names the values. Returns whether the read is whole.
inline Task<bool> EndRead(IndicatorLink& link, const ReadCheck& check,
                          const IndicatorLink::CheckedReads& checked, bool ran,
                          RunLog::Handle& run) {
    const bool toTheEnd = ran && !link.timedOut() && !link.stopAsked();
    if (toTheEnd && !check.complete()) {
        run.stoppedShort();
        if (checked.outermost()) co_await link.view().box(check.messageText());
    }
    co_return toTheEnd&& check.complete();
}

// The error trap of a read operation of `replies` requests: as TrappedRun, with the read
// bounded as a whole (IndicatorLink::boundRead) and each reply checked into `check`, then
// ended by EndRead. Returns false when the body failed.
inline Task<bool> TrappedRead(IndicatorLink& link, ReadCheck& check, int replies, QString operation,
                              std::function<Task<void>()> body,
                              std::function<void()> stopped = {}) {
    const IndicatorLink::CheckedReads checked = link.checkReads(check);
    const IndicatorLink::ReadBound bound = link.boundRead(replies);
    RunLog::Handle run = link.beginRun(TransferRun::Direction::Read, operation);
    const bool ran =
        co_await TrappedTask(link.view(), ErrorHint::Port8018, std::move(body), std::move(stopped));
    if (!ran || link.timedOut() || link.stopAsked()) run.stoppedShort();
    co_await EndRead(link, check, checked, ran, run);
    co_return ran;
}
