#include "link/LiveCommands.h"

#include "link/OperationTrap.h"

namespace {

struct Button {
    const char* caption;
    const char* request;
    bool answered;  // the indicator answers with a line that is awaited and stored
};

const Button kTable[LiveCommands::kButtons] = {
    {"総重量", "RA", true},         {"正味重量", "RB", true},      {"風袋", "RC", true},
    {"ｽﾃｰﾀｽ1", "RD", true},         {"ｽﾃｰﾀｽ2", "RE", true},        {"ｽﾃｰﾀｽ3", "RF", true},
    {"ｽﾃｰﾀｽ4", "RG", true},         {"累積回数", "RH", true},      {"累積値", "RI", true},
    {"累積ﾃﾞｰﾀ", "RJ", true},       {"計量ﾃﾞｰﾀ", "RK", true},      {"ｾﾞﾛ校正", "CA", true},
    {"ｽﾊﾟﾝ校正", "CB", true},       {"表示・総重量", "CC", false}, {"表示・正味重量", "CD", false},
    {"風袋引き", "CE", false},      {"風袋引きﾘｾｯﾄ", "CF", false}, {"ﾃﾞｼﾞﾀﾙｾﾞﾛ", "CG", false},
    {"ﾃﾞｼﾞﾀﾙｾﾞﾛﾘｾｯﾄ", "CH", false}, {"積算指令", "CI", false},     {"累積ｸﾘﾔ", "CJ", false},
    {"累積ｵｰﾙｸﾘﾔ", "CK", false},    {"詳細", "", false},
};

}  // namespace

QString LiveCommands::Caption(int index) {
    return index >= 0 && index < kButtons ? QString::fromUtf8(kTable[index].caption) : QString();
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
