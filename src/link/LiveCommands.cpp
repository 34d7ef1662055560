#include "link/LiveCommands.h"

#include "link/OperationTrap.h"

namespace {

struct Button {
    const char* caption;
    const char* request;
};

const Button kTable[LiveCommands::kButtons] = {
    {"総重量", "RA"},        {"正味重量", "RB"},     {"風袋", "RC"},
    {"ｽﾃｰﾀｽ1", "RD"},        {"ｽﾃｰﾀｽ2", "RE"},       {"ｽﾃｰﾀｽ3", "RF"},
    {"ｽﾃｰﾀｽ4", "RG"},        {"累積回数", "RH"},     {"累積値", "RI"},
    {"累積ﾃﾞｰﾀ", "RJ"},      {"計量ﾃﾞｰﾀ", "RK"},     {"ｾﾞﾛ校正", "CA"},
    {"ｽﾊﾟﾝ校正", "CB"},      {"表示・総重量", "CC"}, {"表示・正味重量", "CD"},
    {"風袋引き", "CE"},      {"風袋引きﾘｾｯﾄ", "CF"}, {"ﾃﾞｼﾞﾀﾙｾﾞﾛ", "CG"},
    {"ﾃﾞｼﾞﾀﾙｾﾞﾛﾘｾｯﾄ", "CH"}, {"積算指令", "CI"},     {"累積ｸﾘﾔ", "CJ"},
    {"累積ｵｰﾙｸﾘﾔ", "CK"},    {"詳細", ""},
};

}  // namespace

QString LiveCommands::Caption(int index) {
    return index >= 0 && index < kButtons ? QString::fromUtf8(kTable[index].caption) : QString();
}

QString LiveCommands::Request(int index) {
    return index >= 0 && index < kButtons ? QString::fromLatin1(kTable[index].request) : QString();
}

void LiveCommands::press(int index) {
    if (index < 0 || index >= kButtons) return;
    Trapped(link_.view(), ErrorHint::Port8018, [&] { run(index); });
}

void LiveCommands::run(int index) {
    link_.probeLink();
    if (link_.linkTimedOut) return;
    if (index == kDetailButton) {
        if (showStatusTab_) showStatusTab_();
    } else {
        link_.expectedReply = Request(index);
        link_.sendLine(Request(index));
    }
    // A command's answer, if the indicator sends one, stays queued for the next probe or flush.
    if (AwaitsReply(index)) link_.awaitReply();
    link_.view().redraw();
}
