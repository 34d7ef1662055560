#include "model/StatusDecoding.h"

#include <QStringList>

#include "model/ModelFacts.h"
#include "texts/ModelTexts.h"

namespace status {
namespace {

// The character at 1-based position `pos`, or nothing when the text is shorter.
std::optional<QChar> CharAt(const QString& text, int pos) {
    if (pos < 1 || pos > text.size()) return std::nullopt;
    return text.at(pos - 1);
}

// Looks the character up in the list of texts for "0", "1", "2" …; anything else is invalid.
QString Lookup(std::optional<QChar> c, const QStringList& texts) {
    if (!c || *c < u'0' || *c > u'9') return InvalidText();
    const int digit = c->unicode() - u'0';
    return digit < texts.size() ? texts.at(digit) : InvalidText();
}

const QStringList& OnOff() {
    static const QStringList texts = {QStringLiteral("OFF"), QStringLiteral("ON")};
    return texts;
}

}  // namespace

QString InvalidText() {
    return Tr(ModelText::InvalidData);
}

std::array<std::optional<QString>, kBoxesPerWord> DecodeWord(int word, const QString& text,
                                                             IndicatorModel model) {
    std::array<std::optional<QString>, kBoxesPerWord> boxes;
    if (text.isEmpty()) return boxes;
    switch (word) {
        case 1: {
            for (int pos = 1; pos <= 4; ++pos) boxes[pos - 1] = Lookup(CharAt(text, pos), OnOff());
            const QStringList display = {Tr(ModelText::DisplayGross), Tr(ModelText::DisplayNet)};
            boxes[4] = Lookup(CharAt(text, 5), display);
            boxes[5] = Lookup(CharAt(text, 6), OnOff());
            // A model without a soft lock (the F800) leaves its seventh box unwritten.
            if (FactsOf(model).softLock) boxes[6] = Lookup(CharAt(text, 7), OnOff());
            break;
        }
        case 2:
            for (int pos = 1; pos <= 7; ++pos) boxes[pos - 1] = Lookup(CharAt(text, pos), OnOff());
            break;
        case 3:
            for (int pos = 1; pos <= 4; ++pos) boxes[pos - 1] = Lookup(CharAt(text, pos), OnOff());
            break;
        case 4: {
            boxes[0] = Lookup(CharAt(text, 1), OnOff());
            boxes[1] = Lookup(CharAt(text, 2), OnOff());
            const QStringList mode = {Tr(ModelText::ModeCompareOff), Tr(ModelText::ModeWeighing),
                                      Tr(ModelText::ModeZeroCalibrating),
                                      Tr(ModelText::ModeSpanCalibrating)};
            boxes[2] = Lookup(CharAt(text, 3), mode);
            // "0" is no overflow at all: the box is blanked.
            static const QStringList overflow = {QString(),
                                                 QStringLiteral("OFL1"),
                                                 QStringLiteral("OFL2"),
                                                 QStringLiteral("OFL3"),
                                                 QStringLiteral("+LOAD"),
                                                 QStringLiteral("-LOAD")};
            boxes[3] = Lookup(CharAt(text, 4), overflow);
            // The error numbers are shown as sent; a missing one leaves an empty box.
            for (int pos = 5; pos <= 6; ++pos) {
                const auto c = CharAt(text, pos);
                boxes[pos - 1] = c ? QString(*c) : QString();
            }
            break;
        }
        default:
            break;
    }
    return boxes;
}

QString BoxCaption(int word, int box) {
    using T = ModelText;
    static const ModelText captions[kWords][kBoxesPerWord] = {
        {T::HoldCaption, T::ZeroErrorCaption, T::StableCaption, T::TareInUseCaption,
         T::DisplayCaption, T::RearLockCaption, T::SoftLockCaption},
        {T::CoarseFeedSignal, T::MediumFeedSignal, T::FineFeedSignal, T::UnderSignal, T::GoodSignal,
         T::OverSignal, T::CompleteSignal},
        {T::NearZeroSignal, T::LowerLimitSignal, T::UpperLimitSignal, T::DischargeSignal,
         T::Undefined, T::Undefined, T::Undefined},
        {T::WeightErrorSignal, T::ErrorSignal, T::OperationModeCaption, T::OverflowCaption,
         T::CalibrationErrorCaption, T::SequenceErrorCaption, T::Undefined},
    };
    if (word < 1 || word > kWords || box < 0 || box >= kBoxesPerWord) return {};
    return Tr(captions[word - 1][box]);
}

}  // namespace status
