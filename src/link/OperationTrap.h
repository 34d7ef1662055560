#pragma once

#include <functional>

#include "link/OperatorView.h"
#include "platform/OperationError.h"

// The error trap of one operation: a failure shows the error report with the operation's hint.
// Returns false when the body failed.
inline bool Trapped(OperatorView& view, ErrorHint hint, const std::function<void()>& body) {
    try {
        body();
        return true;
    } catch (const OperationError& e) {
        view.showMessage(ErrorReportText(e, hint));
        return false;
    }
}
