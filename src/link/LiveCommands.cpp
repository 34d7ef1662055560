#include "link/LiveCommands.h"

#include "link/OperationTrap.h"
#include "texts/LinkTexts.h"

namespace {

struct Button {
    LinkText caption;
    const char* request;
    bool answered;  // the indicator answers with a line that is awaited and stored
};

using T = LinkText;
const Button kTable[LiveCommands::kButtons] = {
    {T::LiveGross, "RA", true},
    {T::LiveNet, "RB", true},
    {T::LiveTare, "RC", true},
    {T::LiveStatus1, "RD", true},
    {T::LiveStatus2, "RE", true},
    {T::LiveStatus3, "RF", true},
    {T::LiveStatus4, "RG", true},
    {T::LiveCount, "RH", true},
    {T::LiveTotal, "RI", true},
    {T::LiveTotalData, "RJ", true},
    {T::LiveWeighingData, "RK", true},
    {T::ZeroCalibration, "CA", true},
    {T::SpanCalibration, "CB", true},
    {T::ShowGross, "CC", false},
    {T::ShowNet, "CD", false},
    {T::TareOn, "CE", false},
    {T::TareReset, "CF", false},
    {T::DigitalZero, "CG", false},
    {T::DigitalZeroReset, "CH", false},
    {T::AddUp, "CI", false},
    {T::ClearTotal, "CJ", false},
    {T::ClearAllTotals, "CK", false},
    {T::Details, "", false},
};

}  // namespace

QString LiveCommands::Caption(int index) {
    return index >= 0 && index < kButtons ? Tr(kTable[index].caption) : QString();
}

QString LiveCommands::Request(int index) {
    return index >= 0 && index < kButtons ? QString::fromLatin1(kTable[index].request) : QString();
}

bool LiveCommands::AwaitsReply(int index) {
    return index >= 0 && index < kButtons && kTable[index].answered;
}

Task<void> LiveCommands::press(int index) {
    if (index < 0 || index >= kButtons) co_return;
    co_await TrappedTask(link_.view(), ErrorHint::Port8018, [this, index] { return run(index); });
}

Task<void> LiveCommands::run(int index) {
    const WaitOutcome answered = co_await link_.probe();
    if (answered == WaitOutcome::TimedOut) co_return;
    if (index == kDetailButton) {
        if (showStatusTab_) showStatusTab_();
    } else {
        link_.sendLine(Request(index));
    }
    // A command's answer, if the indicator sends one, stays queued for the next probe or flush.
    if (AwaitsReply(index))
        (void)co_await link_.reply(
            ReplyFor::LiveData(SettingsStore::LiveKindIndex(Request(index))));
    link_.view().redraw();
}
