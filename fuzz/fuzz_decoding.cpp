// Decoding stored texts (replies as the link keeps them, or typed entries): status words,
// display formats, the redraw of the detail lists and the entry checks.
//
// Properties: a formatted number is digits with an optional minus sign, at least the pattern's
// integer digits and exactly its decimals, never a floating-point artefact, and keeps every
// significant digit of the text; option digits are 0 … 9; an empty status word leaves every box;
// an entry passes its check only as a trimmed text the mask admits, and what a left box
// stores is what its check passed.

#include <fuzzer/FuzzedDataProvider.h>

#include <QRegularExpression>

#include "FuzzSupport.h"
#include "link/IndicatorLink.h"
#include "model/ChoiceCapture.h"
#include "model/DisplayBinding.h"
#include "model/DisplayFormat.h"
#include "model/StatusDecoding.h"
#include "model/Validation.h"

namespace {

QString TextOf(FuzzedDataProvider& input, size_t max) {
    const bool typed = input.ConsumeBool();  // typed entries are any Unicode, replies Latin-1
    const std::string bytes = input.ConsumeRandomLengthString(max);
    return typed ? QString::fromUtf8(bytes.data(), qsizetype(bytes.size()))
                 : QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

// The significant digits of the number a text spells (NumericValue's rule), without leading or
// trailing zeros.
QString SignificantDigits(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^ *[+-]?([0-9]*)(?:\\.([0-9]*))?"));
    const auto m = number.match(text);
    QString digits = m.captured(1) + m.captured(2);
    while (digits.startsWith(u'0')) digits.remove(0, 1);
    while (digits.endsWith(u'0')) digits.chop(1);
    return digits;
}

void CheckNumber(const QString& text, const QString& shown, int intDigits, int decimals) {
    static const QRegularExpression form(QStringLiteral("^-?([0-9]+)(?:\\.([0-9]+))?$"));
    const auto m = form.match(shown);
    FUZZ_CHECK(m.hasMatch(), "a formatted number is digits, a point and a sign only");
    FUZZ_CHECK(m.captured(1).size() >= intDigits, "at least the pattern's integer digits");
    FUZZ_CHECK(m.captured(2).size() == decimals, "exactly the pattern's decimals");
    // No rounding happens when the text has no more decimals than the shown value: then every
    // significant digit shows, in order.
    static const QRegularExpression fraction(QStringLiteral("^ *[+-]?[0-9]*\\.([0-9]*)"));
    const auto f = fraction.match(text);
    if (!f.hasMatch() || f.captured(1).size() == 0) {
        QString digits = m.captured(1) + m.captured(2);
        while (digits.startsWith(u'0')) digits.remove(0, 1);
        while (digits.endsWith(u'0')) digits.chop(1);
        FUZZ_CHECK(digits == SignificantDigits(text), "every digit of the text shows");
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    StartApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const IndicatorModel model = input.ConsumeBool() ? IndicatorModel::F800 : IndicatorModel::F805;
    const int places = input.ConsumeIntegralInRange<int>(-1, 9);
    const QString text = TextOf(input, 1024);

    // Display formats.
    const int shownPlaces = places >= 0 && places <= 3 ? places : 0;
    CheckNumber(text, display::FormatWeight(text, places), 5 - shownPlaces, shownPlaces);
    const QString two = text.left(3);
    CheckNumber(two, display::FormatTenths(two), 1, 1);
    CheckNumber(two, display::FormatHundredths(two), 1, 2);
    const int pos = input.ConsumeIntegralInRange<int>(-2, 12);
    FUZZ_CHECK(display::DigitAt(text, pos) >= 0 && display::DigitAt(text, pos) <= 9,
               "an option digit is 0 … 9");
    (void)display::NumericValue(text);
    if (const auto n = capture::ProductNumberOf(text, kDefaultModel))
        FUZZ_CHECK(*n >= 0 && *n <= 99, "a typed product number is 0 … 99");

    // Status words.
    for (int word = 1; word <= status::kWords; ++word) {
        const auto boxes = status::DecodeWord(word, text, model);
        for (const auto& box : boxes)
            FUZZ_CHECK(!text.isEmpty() || !box, "an empty status word leaves every box");
    }

    // The reply line and what the link reads from it.
    const QByteArray raw = text.toLatin1();
    const QString line = IndicatorLink::ReplyLineOf(raw);
    FUZZ_CHECK(!line.contains(u'\n'), "a reply line holds no LF");
    if (const auto n = IndicatorLink::ProductNumberIn(line))
        FUZZ_CHECK(*n >= 0 && *n <= 99, "a product number is 0 … 99");
    for (QChar c : IndicatorLink::VisibleReply(line))
        FUZZ_CHECK(c.unicode() >= 0x20 && c.unicode() != 0x7F, "a quoted reply shows no control");

    // The redraw of the detail lists from a store holding the text everywhere.
    SettingsStore store;
    store.setModel(model);
    for (int g = SettingsStore::kFirstGroup; g <= SettingsStore::kLastGroup; ++g)
        for (int s = 0; s < SettingsStore::GroupSize(g); ++s) store.setSetting(g, s, text);
    const int decimals = display::DecimalPlaces(store);
    FUZZ_CHECK(decimals >= 0 && decimals <= 3, "decimal places are 0 … 3");
    for (int list = 0; list < 75; ++list) {
        const display::ListShow show = display::ShowList(store, list, decimals);
        FUZZ_CHECK(!show.text.contains(QStringLiteral("inf")) &&
                       !show.text.contains(QStringLiteral("nan")),
                   "a list never shows a floating-point artefact");
    }

    // Entry checks.
    const int family = input.ConsumeIntegralInRange<int>(0, 10);
    const int index = input.ConsumeIntegralInRange<int>(-1, 16);
    const QString stored = TextOf(input, 8);
    const CheckResult check = CheckValue(model, family, index, text);
    const BoxRule rule = RuleOf(model, family, index);
    if (check.pass) {
        FUZZ_CHECK(check.value == TrimEntry(text), "a passed entry is the trimmed text");
        FUZZ_CHECK(rule.kind == RuleKind::Mask
                       ? MatchesMask(check.value, rule.mask)
                       : rule.kind == RuleKind::OneToSixteen && MatchesOneToSixteen(check.value),
                   "a passed entry fits its box's rule");
    }
    const LeaveOutcome leave = LeaveBox(model, family, index, text, stored);
    if (leave.action == LeaveAction::Store)
        FUZZ_CHECK(check.pass && leave.value == check.value, "a box stores only a passed entry");
    const QString mask = TextOf(input, 8);
    if (MatchesMask(text, mask)) {
        FUZZ_CHECK(text.size() == mask.size(), "a masked entry has the mask's length");
        for (qsizetype i = 0; i < text.size(); ++i)
            FUZZ_CHECK(text[i] >= u'0' && text[i] <= u'9' && text[i] <= mask[i],
                       "each digit within the mask's");
    }
    return 0;
}
