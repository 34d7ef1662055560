#include "cli/TerminalView.h"

#include <unistd.h>

#include <algorithm>

#include "texts/HistoryTexts.h"
#include "texts/TransferTexts.h"

namespace {
constexpr int kBarWidth = 30;

// A transfer that ran to its end closes with a status that says it is done; one that stopped
// short says it stopped or is incomplete.
bool SaysComplete(const QString& status) {
    for (const TransferText done : {TransferText::SettingsReadDone, TransferText::SettingsSendDone,
                                    TransferText::ProductReadDone, TransferText::ProductSendDone,
                                    TransferText::ProductWriteDone})
        if (status == Tr(done)) return true;
    // "<what> read done" of the reads around a write.
    const QStringList around = Tr(HistoryText::PlacesReadDone).split(QStringLiteral("%1"));
    return around.size() == 2 && status.startsWith(around[0]) && status.endsWith(around[1]) &&
           status.size() > around[0].size() + around[1].size();
}
}  // namespace

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
    if (visible) {
        reached_ = percent_;
        messagesAtShow_ = messages_;
        drawBar();
        return;
    }
    if (barDrawn_) {
        if (SaysComplete(lastStatus_) && messages_ == messagesAtShow_) reached_ = 100;
        drawBar();
    }
    endBar();
}

void TerminalView::setProgress(int percent) {
    percent_ = std::clamp(percent, 0, 100);
    if (quiet_ || !terminal_ || !barShown_) return;
    // The reset to 0 comes just before the bar is hidden: the finished line shows the end.
    if (percent_ == 0 && reached_ > 0) return;
    reached_ = percent_;
    drawBar();
}

void TerminalView::showMessage(const QString& text) {
    ++messages_;
    tell(text);
}

void TerminalView::tell(const QString& text) {
    endBar();
    err_ << TerminalText(text) << Qt::endl;
}

void TerminalView::drawBar() {
    const int filled = reached_ * kBarWidth / 100;
    // Carriage return, the bar, the status, and the rest of the old line erased.
    err_ << '\r' << '[' << QString(filled, u'#') << QString(kBarWidth - filled, u' ') << "] "
         << QString::number(reached_).rightJustified(3) << "% " << lastStatus_ << "\x1b[K";
    err_.flush();
    barDrawn_ = true;
}

void TerminalView::endBar() {
    if (!barDrawn_) return;
    barDrawn_ = false;
    // The bar's last state stays on screen as a finished line.
    err_ << Qt::endl;
}

QString TerminalText(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
        if (c == u'\n' || c == u'\t' || (c >= 0x20 && c < 0x7F) || c > 0x9F)
            shown += text[i];
        else
            shown += QStringLiteral("<%1>").arg(int(c), 2, 16, QLatin1Char('0')).toUpper();
    }
    return shown;
}
