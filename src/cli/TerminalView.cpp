#include "cli/TerminalView.h"

#include <unistd.h>

#include <algorithm>

namespace {
constexpr int kBarWidth = 30;
}

TerminalView::TerminalView(QTextStream& err, bool quiet, int terminal)
    : err_(err), quiet_(quiet), terminal_(terminal < 0 ? isatty(STDERR_FILENO) == 1 : terminal) {}

void TerminalView::setStatusText(const QString& text) {
    if (quiet_ || text.isEmpty() || text == lastStatus_) return;
    lastStatus_ = text;
    if (terminal_ && barShown_)
        drawBar();
    else
        err_ << text << Qt::endl;
}

void TerminalView::setProgressVisible(bool visible) {
    if (quiet_ || !terminal_ || visible == barShown_) return;
    barShown_ = visible;
    if (visible)
        drawBar();
    else
        endBar();
}

void TerminalView::setProgress(int percent) {
    percent_ = std::clamp(percent, 0, 100);
    if (!quiet_ && terminal_ && barShown_) drawBar();
}

void TerminalView::showMessage(const QString& text) {
    ++messages_;
    tell(text);
}

void TerminalView::tell(const QString& text) {
    endBar();
    err_ << text << Qt::endl;
}

void TerminalView::drawBar() {
    const int filled = percent_ * kBarWidth / 100;
    // Carriage return, the bar, the status, and the rest of the old line erased.
    err_ << '\r' << '[' << QString(filled, u'#') << QString(kBarWidth - filled, u' ') << "] "
         << QString::number(percent_).rightJustified(3) << "% " << lastStatus_ << "\x1b[K";
    err_.flush();
    barDrawn_ = true;
}

void TerminalView::endBar() {
    if (!barDrawn_) return;
    barDrawn_ = false;
    // The bar's last state stays on screen as a finished line.
    err_ << Qt::endl;
}
