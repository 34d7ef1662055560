#pragma once

#include <functional>
#include <optional>

#include "link/OperatorView.h"
#include "link/Task.h"
#include "platform/OperationError.h"

// The error trap of one operator operation that ends at its first failure: a failure shows the
// error report with the operation's hint, then `stopped` (if any) runs the operation's own
// ending after a fault. Returns false when the body failed.
inline bool Trapped(OperatorView& view, ErrorHint hint, const std::function<void()>& body,
                    const std::function<void()>& stopped = {}) {
    return TrapStep(body, [&](const OperationError& e) {
        view.showMessage(ErrorReportText(e, hint));
        if (stopped) stopped();
    });
}

// The same trap around an operation that awaits: the failure is reported once the body has
// unwound.
inline Task<bool> TrappedTask(OperatorView& view, ErrorHint hint, std::function<Task<void>()> body,
                              std::function<void()> stopped = {}) {
    std::optional<OperationError> failure;
    try {
        co_await body();
    } catch (const OperationError& e) {
        failure = e;
    }
    if (!failure) co_return true;
    co_await view.box(ErrorReportText(*failure, hint));
    if (stopped) stopped();
    co_return false;
}
