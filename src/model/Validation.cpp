#include "model/Validation.h"

#include <array>
#include <span>

namespace {

constexpr int kEntryLength = 5;

// Product values W10(0 … 7), codes 10 … 17.
constexpr std::array<const char*, 8> kProductMasks = {"99999", "99999", "99999", "00999",
                                                      "00999", "09999", "99999", "00999"};

// The 1-to-16 rule is marked by this entry in the tables below.
constexpr const char* kZone = "1-16";

// Masks of the setting boxes by family (W20 … W90) and index; nullptr = no rule.
// F805: every box holds the code of its own slot.
constexpr std::array<const char*, 16> kF805W20 = {
    "00002", "00001", "99999", "99999", "00004", "99999", "00002", "00003",
    "00002", "00099", "00099", "00999", "00002", "00003", "00001", "00009"};
constexpr std::array<const char*, 9> kF805W30 = {"00003", "00007", "00003", "00011", "00099",
                                                 "00099", "00099", "00099", "09999"};
constexpr std::array<const char*, 5> kF805W40 = {"11111", "00099", "00099", "00099", "00001"};
constexpr std::array<const char*, 6> kF805W50 = {"11111", "99999", "00001",
                                                 "00002", "00002", "00001"};
constexpr std::array<const char*, 10> kF805W60 = {"99999", "99999", "00999", "99999", "99999",
                                                  "00003", "00005", "00001", kZone,   "00001"};
constexpr std::array<const char*, 5> kF805W70 = {"00005", "99999", "00999", "99998", "99999"};
constexpr std::array<const char*, 6> kF805W80 = {"99999", "99999", "99999",
                                                 "99999", "99999", "99999"};
constexpr std::array<const char*, 2> kF805W90 = {"00001", "00001"};

// F800: W20(0 … 9) and W30(0 … 7) hold codes 20 … 29 and 30 … 37; W60(2 … 8) codes 40 … 46;
// W80(0 … 5) codes 50 … 55. The W90 boxes keep a rule though the F800 hides them.
constexpr std::array<const char*, 16> kF800W20 = {
    "99099", "00999", "99999", "99999", "99999", "99999", "00099", "00099",
    "00099", "00099", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
constexpr std::array<const char*, 9> kF800W30 = {"11112", "01224", "82312", "03191", "01111",
                                                 "00073", "99099", "99099", nullptr};
constexpr std::array<const char*, 5> kF800W40 = {nullptr, nullptr, nullptr, nullptr, nullptr};
constexpr std::array<const char*, 6> kF800W50 = {nullptr, nullptr, nullptr,
                                                 nullptr, nullptr, nullptr};
constexpr std::array<const char*, 10> kF800W60 = {nullptr, nullptr, "99999", "99999", "00999",
                                                  "99999", "99999", "01314", kZone,   nullptr};
constexpr std::array<const char*, 5> kF800W70 = {nullptr, nullptr, nullptr, nullptr, nullptr};
constexpr std::array<const char*, 6> kF800W80 = {"99999", "99999", "99999",
                                                 "99999", "99999", "99999"};
constexpr std::array<const char*, 2> kF800W90 = {"00001", "00001"};

// What the F800's code 45 (entry box W60(7)) holds on the indicator: display rates 0 … 3 in its
// second digit.
constexpr const char* kF800DisplayRates = "03314";

// Each family's masks for the F805 and the F800; family 1 is the product values.
struct FamilyMasks {
    std::span<const char* const> f805;
    std::span<const char* const> f800;
};
const std::array<FamilyMasks, 10> kFamilies = {{
    {},
    {kProductMasks, kProductMasks},
    {kF805W20, kF800W20},
    {kF805W30, kF800W30},
    {kF805W40, kF800W40},
    {kF805W50, kF800W50},
    {kF805W60, kF800W60},
    {kF805W70, kF800W70},
    {kF805W80, kF800W80},
    {kF805W90, kF800W90},
}};

const char* MaskEntry(IndicatorModel model, int family, int index) {
    if (family < 1 || family >= static_cast<int>(kFamilies.size())) return nullptr;
    const auto masks =
        model == IndicatorModel::F805 ? kFamilies[family].f805 : kFamilies[family].f800;
    return index >= 0 && index < static_cast<int>(masks.size()) ? masks[index] : nullptr;
}

bool AllDigits(const QString& text) {
    for (QChar c : text)
        if (c < u'0' || c > u'9') return false;
    return true;
}

}  // namespace

BoxRule RuleOf(IndicatorModel model, int family, int index) {
    const char* entry = MaskEntry(model, family, index);
    if (!entry) return {};
    if (QLatin1String(entry) == QLatin1String(kZone))
        return {RuleKind::OneToSixteen, QStringLiteral("00016")};
    return {RuleKind::Mask, QString::fromLatin1(entry)};
}

std::optional<QString> DigitMask(IndicatorModel model, int family, int index) {
    const BoxRule rule = RuleOf(model, family, index);
    if (rule.kind != RuleKind::Mask) return std::nullopt;
    return rule.mask;
}

QString ProductMask(int item) {
    const char* mask = MaskEntry(IndicatorModel::F805, 1, item);
    return mask ? QString::fromLatin1(mask) : QString();
}

BoxRule CodeRule(IndicatorModel model, const QString& code) {
    if (code.size() == 2 && code[0] == u'1' && code[1] >= u'0' && code[1] <= u'7')
        return {RuleKind::Mask, ProductMask(code[1].digitValue())};
    if (model == IndicatorModel::F800 && code == QLatin1String("45"))
        return {RuleKind::Mask, QString::fromLatin1(kF800DisplayRates)};
    const std::optional<StoreAddress> at = StoreSlot(code, model);
    return at ? RuleOf(model, at->group, at->slot) : BoxRule{};
}

bool FitsCode(IndicatorModel model, const QString& code, const QString& value) {
    const BoxRule rule = CodeRule(model, code);
    switch (rule.kind) {
        case RuleKind::Mask:
            return MatchesMask(value, rule.mask);
        case RuleKind::OneToSixteen:
            return MatchesOneToSixteen(value);
        case RuleKind::None:
            break;
    }
    return false;
}

bool MatchesMask(const QString& entry, const QString& mask) {
    if (entry.isEmpty() || entry.size() != mask.size() || !AllDigits(entry)) return false;
    for (qsizetype i = 0; i < entry.size(); ++i)
        if (entry[i] > mask[i]) return false;
    return true;
}

bool MatchesOneToSixteen(const QString& entry) {
    if (entry.size() != kEntryLength || !AllDigits(entry)) return false;
    const int zone = entry.toInt();
    return zone >= 1 && zone <= 16;
}

QString MaskMessage(const QString& mask) {
    return QStringLiteral("入力された値は無効な値です。00000 から ") + mask +
           QStringLiteral(" までの 5 桁の数値を入力して下さい。");
}

QString ZeroZoneMessage() {
    return QStringLiteral(
        "入力された値は無効な値です。00001 から 00016 までの 5 桁の数値を入力して下さい。");
}

QString TrimEntry(const QString& text) {
    return text.trimmed();
}

CheckResult CheckValue(const QString& entry, const QString& mask) {
    if (MatchesMask(entry, mask)) return {true, entry, {}};
    return {false, entry, MaskMessage(mask)};
}

CheckResult CheckValue(IndicatorModel model, int family, int index, const QString& text) {
    const QString entry = TrimEntry(text);
    const BoxRule rule = RuleOf(model, family, index);
    switch (rule.kind) {
        case RuleKind::Mask:
            return CheckValue(entry, rule.mask);
        case RuleKind::OneToSixteen:
            if (entry == QLatin1String("00000")) return {false, entry, ZeroZoneMessage()};
            if (MatchesOneToSixteen(entry)) return {true, entry, {}};
            return {false, entry, MaskMessage(rule.mask)};
        case RuleKind::None:
            break;
    }
    return {false, entry, {}};
}

LeaveOutcome LeaveBox(IndicatorModel model, int family, int index, const QString& text,
                      const QString& storedValue) {
    const QString entry = TrimEntry(text);
    if (entry.isEmpty() && storedValue.isEmpty()) return {LeaveAction::Nothing, entry, {}};
    const CheckResult result = CheckValue(model, family, index, entry);
    if (result.pass) return {LeaveAction::Store, result.value, {}};
    return {LeaveAction::Refuse, result.value, result.message};
}
