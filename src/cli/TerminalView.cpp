#include "cli/TerminalView.h"

void TerminalView::setStatusText(const QString& text) {
    if (quiet_ || text.isEmpty() || text == lastStatus_) return;
    lastStatus_ = text;
    err_ << text << Qt::endl;
}

void TerminalView::showMessage(const QString& text) {
    ++messages_;
    err_ << text << Qt::endl;
}
