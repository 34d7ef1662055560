#include "transfer/SettingTransfers.h"

#include "link/RunKinds.h"
#include "model/Validation.h"
#include "texts/TransferTexts.h"
#include "transfer/ProductTransfers.h"
#include "transfer/SettingPlan.h"
#include "transfer/TransferTrap.h"

Task<bool> SettingTransfers::readAllSettings() {
    // A fault part-way (a lost port) is reported once; the values read so far are shown and
    // the status says the read stopped.
    ReadCheck check;
    const int replies =
        static_cast<int>(CodesOfPlan(ReadSettingsPlan(link_.store().model())).size());
    co_return co_await TrappedRead(
        link_, check, replies, runkind::kReadAllSettings, [this, &check] { return readAll(check); },
        [this] { readStopped(); });
}

std::vector<TransferValue> SettingTransfers::UnfitSettings(const SettingsStore& store) {
    std::vector<TransferValue> unfit;
    for (const QString& code : CodesOfPlan(WriteSettingsPlan(store.model()))) {
        const QString value = store.value(code);
        if (!value.isEmpty() && !FitsCode(store.model(), code, value))
            unfit.push_back({-1, code, value});
    }
    return unfit;
}

QString SettingTransfers::UnfitSettingsText(const std::vector<TransferValue>& unfit) {
    return Tr(TransferText::InvalidStored) + QStringLiteral(": ") + PlacesText(unfit);
}

Task<bool> SettingTransfers::checkSettingsToSend() {
    const std::vector<TransferValue> unfit = UnfitSettings(link_.store());
    if (unfit.empty()) co_return true;
    co_await link_.view().box(UnfitSettingsText(unfit));
    co_return false;
}

Task<void> SettingTransfers::writeAllSettings() {
    // Every value is checked before the first request: one that does not fit sends nothing.
    const bool fit = co_await checkSettingsToSend();
    if (!fit) co_return;
    co_await TrappedRun(
        link_, TransferRun::Direction::Write, runkind::kWriteAllSettings,
        [this] { return writeAll(); }, [this] { writeStopped(); });
}

// How a read or a write ends short, after a fault or a time-out alike.
void SettingTransfers::readStopped() {
    StopShown(link_.view(), Tr(TransferText::SettingsReadStopped));
    link_.view().redraw();
}

void SettingTransfers::writeStopped() {
    StopShown(link_.view(), Tr(TransferText::SettingsSendStopped));
}

Task<void> SettingTransfers::readAll(const ReadCheck& check) {
    OperatorView& view = link_.view();
    link_.flushInput();
    view.setStatusText(Tr(TransferText::SettingsReading));
    view.setProgress(0);
    view.setProgressVisible(true);
    for (const TransferStep& step : ReadSettingsPlan(link_.store().model())) {
        if (step.kind == TransferStep::Progress) {
            view.setProgress(step.value);
            continue;
        }
        if (link_.stopAsked()) {
            StopShown(view, Tr(TransferText::SettingsReadStopped));
            co_return;
        }
        link_.sendLine(QStringLiteral("W") + step.text);
        // Also when an earlier part of all-read timed out: this wait returns at once.
        const WaitOutcome answered = co_await link_.reply(ReplyFor::Value(step.text));
        if (answered == WaitOutcome::TimedOut) {
            readStopped();
            co_return;
        }
    }
    view.setStatusText(check.complete() ? Tr(TransferText::SettingsReadDone)
                                        : Tr(TransferText::SettingsReadIncomplete));
    view.setProgress(0);
    view.setProgressVisible(false);
    view.redraw();
}

Task<void> SettingTransfers::writeAll() {
    OperatorView& view = link_.view();
    SettingsStore& store = link_.store();
    view.setProgress(0);
    view.setProgressVisible(true);
    const WaitOutcome answered = co_await link_.probe();
    if (answered == WaitOutcome::TimedOut) {
        writeStopped();
        co_return;
    }
    view.setStatusText(Tr(TransferText::SettingsSending).arg(20));
    // After the probe a time-out does not stop the write: the later syncs return at once and
    // the sending goes on to the end, but the write is not reported as complete.
    bool confirmed = true;
    for (const TransferStep& step : WriteSettingsPlan(store.model())) {
        switch (step.kind) {
            case TransferStep::Code: {
                // An empty slot is skipped (sendValue).
                link_.sendValue(-1, step.text, store.value(step.text));
                break;
            }
            case TransferStep::Sync: {
                const WaitOutcome synced = co_await link_.sync();
                if (synced == WaitOutcome::TimedOut) confirmed = false;
                // An asked stop ends the write where the indicator has confirmed a group.
                if (link_.stopAsked()) {
                    StopShown(view, Tr(TransferText::SettingsSendStopped));
                    co_return;
                }
                break;
            }
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
    const WaitOutcome ended = co_await link_.line();
    if (ended == WaitOutcome::TimedOut) confirmed = false;
    // A sync that timed out means the indicator did not confirm what was sent: the time-out
    // message has been shown, and the status must not claim a completed write.
    StopShown(view, confirmed ? Tr(TransferText::SettingsSendDone)
                              : Tr(TransferText::SettingsSendIncomplete));
}
