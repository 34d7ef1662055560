#pragma once

#include <functional>

#include "link/OperatorView.h"
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
