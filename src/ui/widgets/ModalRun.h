#pragma once

#include <QDialog>
#include <QObject>
#include <coroutine>

class QWidget;

// Runs a modal dialog, then gives the keyboard back to the parent's window: without a window
// manager nobody else does, and the menu keys would go nowhere after the first dialog.
int RunModal(QDialog& dialog, QWidget* parent);

// The same dialog inside an operation, which is a task: `co_await DialogClosed(dialog, parent)`
// shows it modal and resumes the task, with the dialog's result, once the operator has closed
// it. No event loop runs here: the task resumes from the program's own loop, after the dialog's
// `finished` has returned. A task dropped while it waits (the program ends) is never resumed.
class DialogClosed {
  public:
    DialogClosed(QDialog& dialog, QWidget* parent) : dialog_(dialog), parent_(parent) {}
    DialogClosed(const DialogClosed&) = delete;
    DialogClosed& operator=(const DialogClosed&) = delete;

    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> waiting);
    int await_resume() const noexcept { return result_; }

  private:
    QDialog& dialog_;
    QWidget* parent_;
    QObject context_;  // goes with the waiting task: a resumption still queued goes with it
    int result_ = QDialog::Rejected;
};
