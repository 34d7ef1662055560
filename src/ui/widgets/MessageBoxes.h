#pragma once

#include <QString>

class QWidget;

// The message boxes of the program: Japanese text, no title of their own, an OK button (Yes and
// No for the one question). Tests put a recorder in place of the real boxes.
class MessagePresenter {
  public:
    virtual ~MessagePresenter() = default;
    // Shows the text with an OK button; returns when it is closed.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // Asks with Yes and No buttons; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text) = 0;
};

// Modal QMessageBox dialogs.
class WidgetMessagePresenter : public MessagePresenter {
  public:
    void showMessage(QWidget* parent, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& text) override;
};
