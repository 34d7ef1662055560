#include "model/Validation.h"

#include <array>
#include <span>

#include "model/ModelFacts.h"
#include "texts/ModelTexts.h"

namespace {

constexpr int kEntryLength = 5;

// Product values W10(0 … 7), codes 10 … 17.
constexpr std::array<const char*, 8> kProductMasks = {"99999", "99999", "99999", "00999",
                                                      "00999", "09999", "99999", "00999"};

// The mask of an entry box of a model; family 1 is the product values, which are the same for
// every model.
const char* MaskEntry(IndicatorModel model, int family, int index) {
    std::span<const char* const> masks;
    if (family == 1)
        masks = kProductMasks;
    else if (family >= SettingsStore::kFirstGroup && family <= SettingsStore::kLastGroup)
        masks = FactsOf(model).masks[family - SettingsStore::kFirstGroup];
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
    if (QLatin1String(entry) == QLatin1String(kOneToSixteen))
        return {RuleKind::OneToSixteen, QStringLiteral("00016")};
    return {RuleKind::Mask, QString::fromLatin1(entry)};
}

std::optional<QString> DigitMask(IndicatorModel model, int family, int index) {
    const BoxRule rule = RuleOf(model, family, index);
    if (rule.kind != RuleKind::Mask) return std::nullopt;
    return rule.mask;
}

QString ProductMask(int item) {
    const char* mask = MaskEntry(kDefaultModel, 1, item);
    return mask ? QString::fromLatin1(mask) : QString();
}

BoxRule CodeRule(IndicatorModel model, const QString& code) {
    if (code.size() == 2 && code[0] == u'1' && code[1] >= u'0' && code[1] <= u'7')
        return {RuleKind::Mask, ProductMask(code[1].digitValue())};
    for (const CodeMask& own : FactsOf(model).codeMasks)
        if (code == QLatin1String(own.code)) return {RuleKind::Mask, QString::fromLatin1(own.mask)};
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
    return Tr(ModelText::MaskMessage).arg(mask);
}

QString ZeroZoneMessage() {
    return Tr(ModelText::ZeroZoneMessage);
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
