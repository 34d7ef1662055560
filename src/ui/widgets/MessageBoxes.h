#pragma once

#include <QString>

#include "link/Task.h"

class QWidget;

// The message boxes of the program: Japanese text, no title of their own, an OK button (Yes and
// No for the one question). Tests put a recorder in place of the real boxes.
class MessagePresenter {
  public:
    virtual ~MessagePresenter() = default;
    // Shows the text with an OK button; returns when it is closed.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // The same box inside an operation: the task goes on once it is closed. A recorder notes it
    // and goes on at once.
    virtual Task<void> message(QWidget* parent, QString text) {
        showMessage(parent, text);
        co_return;
    }
    // Asks with Yes and No buttons; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text) = 0;
};

// Modal QMessageBox dialogs.
class WidgetMessagePresenter : public MessagePresenter {
  public:
    void showMessage(QWidget* parent, const QString& text) override;
    Task<void> message(QWidget* parent, QString text) override;
    bool askYesNo(QWidget* parent, const QString& text) override;
};
