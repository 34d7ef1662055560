#pragma once

#include <functional>

#include "link/IndicatorLink.h"
#include "link/OperationTrap.h"

// The one error trap of a transfer operation (8018 hint), around the run that records what it
// read or sent: a fault, a time-out or an asked stop marks the run as stopped short.
inline bool TrappedRun(IndicatorLink& link, TransferRun::Direction direction,
                       const QString& operation, const std::function<void()>& body,
                       const std::function<void()>& stopped = {}) {
    RunLog::Handle run = link.beginRun(direction, operation);
    const bool ran = Trapped(link.view(), ErrorHint::Port8018, body, stopped);
    if (!ran || link.timedOut() || link.stopAsked()) run.stoppedShort();
    return ran;
}
