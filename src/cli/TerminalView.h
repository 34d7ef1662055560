#pragma once

#include <QTextStream>

#include "link/OperatorView.h"
#include "transfer/ProductPanel.h"

// The operator view of the command line. Status texts go to the error stream (unless quiet):
// on a terminal as one line redrawn in place with a progress bar while a transfer shows one,
// elsewhere (a pipe, a log) as plain lines, each text once. Messages (errors, the time-out)
// always go out, on a line of their own. When a transfer hides its bar, the bar's line is left
// as a finished line: full when the transfer ran to its end, else where it stopped.
class TerminalView : public OperatorView {
  public:
    // `terminal`: the error stream is a terminal (isatty); by default it is asked.
    TerminalView(QTextStream& err, bool quiet, int terminal = -1);

    void setStatusText(const QString& text) override;
    void setProgressVisible(bool visible) override;
    void setProgress(int percent) override;
    void setBusy(bool) override {}
    void showMessage(const QString& text) override;
    // A line that goes out even when quiet, and is no fault of the operation (the journal could
    // not keep a run).
    void tell(const QString& text);
    void beep() override {}
    void setTestResult(int, const QString&) override {}
    void redraw() override {}

    // How many messages were shown (a fault or a time-out shows one).
    int messageCount() const { return messages_; }

  private:
    void drawBar();
    void endBar();

    QTextStream& err_;
    bool quiet_;
    bool terminal_;
    bool barShown_ = false;
    bool barDrawn_ = false;
    int percent_ = 0;  // the value last set
    int reached_ = 0;  // what the bar shows: the last step, not the closing reset to 0
    QString lastStatus_;
    int messages_ = 0;
    int messagesAtShow_ = 0;
};

// A text as the terminal gets it: lines end in a plain LF (the window's texts end them in CR LF),
// and every other control character shows as its code in angle brackets ("<1B>"), so that text
// taken from a file cannot move the cursor or clear the screen.
QString TerminalText(const QString& text);

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
