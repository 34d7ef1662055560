#pragma once

#include <QTextStream>

#include "link/OperatorView.h"
#include "transfer/ProductPanel.h"

// The operator view of the command line: status texts go to the error stream as plain lines
// (unless quiet), messages (errors, the time-out) always do. Nothing is drawn.
class TerminalView : public OperatorView {
  public:
    TerminalView(QTextStream& err, bool quiet) : err_(err), quiet_(quiet) {}

    void setStatusText(const QString& text) override;
    void setProgressVisible(bool) override {}
    void setProgress(int) override {}
    void setBusy(bool) override {}
    void showMessage(const QString& text) override;
    void beep() override {}
    void setTestResult(int, const QString&) override {}
    void redraw() override {}

    // How many messages were shown (a fault or a time-out shows one).
    int messageCount() const { return messages_; }

  private:
    QTextStream& err_;
    bool quiet_;
    QString lastStatus_;
    int messages_ = 0;
};

// The product tab of the command line: no product is shown; the transfers keep their own choice.
class TerminalPanel : public ProductPanel {
  public:
    QString selectorText() const override { return QString::number(selected_); }
    int selectedProduct() const override { return selected_; }
    void selectProduct(int n) override { selected_ = n; }
    int targetProduct() const override { return selected_; }
    QString shownValue(int) const override { return {}; }

  private:
    int selected_ = 0;
};
