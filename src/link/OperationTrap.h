#pragma once

#include <functional>

#include "link/OperatorView.h"
#include "platform/OperationError.h"

// The error trap of one operator operation, the only place an OperationError is caught: a
// failure shows the error report with the operation's hint, then `stopped` (if any) runs the
// operation's own ending after a fault. Returns false when the body failed.
inline bool Trapped(OperatorView& view, ErrorHint hint, const std::function<void()>& body,
                    const std::function<void()>& stopped = {}) {
    try {
        body();
        return true;
    } catch (const OperationError& e) {
        view.showMessage(ErrorReportText(e, hint));
        if (stopped) stopped();
        return false;
    }
}
