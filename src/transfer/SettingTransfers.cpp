#include "transfer/SettingTransfers.h"

#include "link/OperationTrap.h"
#include "transfer/SettingPlan.h"

void SettingTransfers::readAllSettings() {
    // A fault part-way (a lost port) is reported once; the values read so far are shown and
    // the status says the read stopped.
    if (Trapped(link_.view(), ErrorHint::Port8018, [this] { readAll(); })) return;
    StopShown(link_.view(), QStringLiteral("設定値 読み込み中断"));
    link_.view().redraw();
}

void SettingTransfers::writeAllSettings() {
    if (!Trapped(link_.view(), ErrorHint::Port8018, [this] { writeAll(); }))
        StopShown(link_.view(), QStringLiteral("設定値送信中断"));
}

void SettingTransfers::readAll() {
    OperatorView& view = link_.view();
    link_.flushInput();
    view.setStatusText(QStringLiteral("設定値 読み込み中"));
    link_.expectedReply = QStringLiteral("WR");
    view.setProgress(0);
    view.setProgressVisible(true);
    for (const TransferStep& step : ReadSettingsPlan(link_.store().model())) {
        if (step.kind == TransferStep::Progress) {
            view.setProgress(step.value);
            continue;
        }
        link_.sendLine(QStringLiteral("W") + step.text);
        link_.awaitReply();
        // The time-out has already hidden the progress bar; the status line stays.
        if (link_.linkTimedOut) return;
    }
    view.setStatusText(QStringLiteral("設定値 読み込み完了"));
    view.setProgress(0);
    view.setProgressVisible(false);
    view.redraw();
}

void SettingTransfers::writeAll() {
    OperatorView& view = link_.view();
    SettingsStore& store = link_.store();
    view.setProgress(0);
    view.setProgressVisible(true);
    link_.probeLink();
    if (link_.linkTimedOut) return;
    view.setStatusText(QStringLiteral("設定値 20 送信中"));
    // After the probe the time-out flag is not looked at again: a time-out in one sync makes
    // the later syncs return at once and the sending goes on to the end.
    for (const TransferStep& step : WriteSettingsPlan(store.model())) {
        switch (step.kind) {
            case TransferStep::Code: {
                // An empty slot is skipped: "W" + code alone would be a read request, and its
                // unawaited reply would shift every later sync by one line.
                const QString value = store.value(step.text);
                if (!value.isEmpty()) link_.sendLine(QStringLiteral("W") + step.text + value);
                break;
            }
            case TransferStep::Sync:
                link_.syncPoint();
                break;
            case TransferStep::Progress:
                view.setProgress(step.value);
                break;
            case TransferStep::Status:
                view.setStatusText(step.text);
                break;
        }
    }
    link_.sendLine(QStringLiteral("W0000000"));
    link_.sendLine(QStringLiteral("W00"));
    link_.awaitLine();
    // A sync that timed out means the indicator did not confirm what was sent: the time-out
    // message has been shown, and the status must not claim a completed write.
    StopShown(view, link_.linkTimedOut ? QStringLiteral("設定値送信未完了")
                                       : QStringLiteral("設定値送信完了"));
}
