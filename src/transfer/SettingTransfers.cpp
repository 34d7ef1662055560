#include "transfer/SettingTransfers.h"

#include "transfer/SettingPlan.h"
#include "transfer/TransferTrap.h"

void SettingTransfers::readAllSettings() {
    // A fault part-way (a lost port) is reported once; the values read so far are shown and
    // the status says the read stopped.
    TrappedRun(
        link_, TransferRun::Direction::Read, QStringLiteral("設定値読み出し"),
        [this] { readAll(); }, [this] { readStopped(); });
}

void SettingTransfers::writeAllSettings() {
    TrappedRun(
        link_, TransferRun::Direction::Write, QStringLiteral("設定値書き込み"),
        [this] { writeAll(); }, [this] { writeStopped(); });
}

// How a read or a write ends short, after a fault or a time-out alike.
void SettingTransfers::readStopped() {
    StopShown(link_.view(), QStringLiteral("設定値 読み込み中断"));
    link_.view().redraw();
}

void SettingTransfers::writeStopped() {
    StopShown(link_.view(), QStringLiteral("設定値送信中断"));
}

void SettingTransfers::readAll() {
    OperatorView& view = link_.view();
    link_.flushInput();
    view.setStatusText(QStringLiteral("設定値 読み込み中"));
    view.setProgress(0);
    view.setProgressVisible(true);
    for (const TransferStep& step : ReadSettingsPlan(link_.store().model())) {
        if (step.kind == TransferStep::Progress) {
            view.setProgress(step.value);
            continue;
        }
        if (link_.stopAsked()) {
            StopShown(view, QStringLiteral("設定値 読み込み中断"));
            return;
        }
        link_.sendLine(QStringLiteral("W") + step.text);
        // Also when an earlier part of all-read timed out: this wait returns at once.
        if (link_.awaitReply(ReplyKind::Setting) == WaitOutcome::TimedOut) {
            readStopped();
            return;
        }
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
    if (link_.probeLink() == WaitOutcome::TimedOut) {
        writeStopped();
        return;
    }
    view.setStatusText(QStringLiteral("設定値 20 送信中"));
    // After the probe a time-out does not stop the write: the later syncs return at once and
    // the sending goes on to the end, but the write is not reported as complete.
    bool confirmed = true;
    for (const TransferStep& step : WriteSettingsPlan(store.model())) {
        switch (step.kind) {
            case TransferStep::Code: {
                // An empty slot is skipped: "W" + code alone would be a read request, and its
                // unawaited reply would shift every later sync by one line.
                const QString value = store.value(step.text);
                if (value.isEmpty()) break;
                link_.sendLine(QStringLiteral("W") + step.text + value);
                link_.runs().sent({-1, step.text, value});
                break;
            }
            case TransferStep::Sync:
                if (link_.syncPoint() == WaitOutcome::TimedOut) confirmed = false;
                // An asked stop ends the write where the indicator has confirmed a group.
                if (link_.stopAsked()) {
                    StopShown(view, QStringLiteral("設定値送信中断"));
                    return;
                }
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
    if (link_.awaitLine() == WaitOutcome::TimedOut) confirmed = false;
    // A sync that timed out means the indicator did not confirm what was sent: the time-out
    // message has been shown, and the status must not claim a completed write.
    StopShown(view,
              confirmed ? QStringLiteral("設定値送信完了") : QStringLiteral("設定値送信未完了"));
}
