#pragma once

#include <QString>

#include "link/Task.h"

// What the link and the transfers show the operator. The window implements it; tests record it.
class OperatorView {
  public:
    virtual ~OperatorView() = default;

    // The status line (`info`).
    virtual void setStatusText(const QString& text) = 0;
    // The progress bar (0 … 100): shown or hidden, and its value.
    virtual void setProgressVisible(bool visible) = 0;
    virtual void setProgress(int value) = 0;
    // The busy (hourglass) pointer while the link waits.
    virtual void setBusy(bool busy) = 0;
    // A message box with an OK button and no title of its own, shown at once.
    virtual void showMessage(const QString& text) = 0;
    // The same box inside an operation, which goes on once the box is closed. The window opens
    // it without running an event loop of its own and resumes the operation when the operator
    // closes it; a view whose boxes need no answer shows it at once.
    virtual Task<void> box(QString text) {
        showMessage(text);
        co_return;
    }
    // A short refusal (a second operation while one is running).
    virtual void beep() = 0;
    // The link test result box of link 1 or 2 (`Text1`, `Text2`).
    virtual void setTestResult(int link, const QString& text) = 0;
    // Copies the whole store into the window.
    virtual void redraw() = 0;
};

// Ends a long operation that stopped short: the status line says so, the progress bar goes back
// to 0 and is hidden.
inline void StopShown(OperatorView& view, const QString& status) {
    view.setStatusText(status);
    view.setProgress(0);
    view.setProgressVisible(false);
}
