#include "model/DisplayFormat.h"

#include <algorithm>

#include "model/Catalogue.h"
#include "texts/ModelTexts.h"

namespace display {
namespace {

// The number a text spells, by the rule of NumericValue, kept as its digits: a reply of any
// length is shown as it came, never through a floating-point value (309 digits would be
// infinite, 17 already lose their last digits).
struct Decimal {
    bool negative = false;
    QString digits;          // every digit, the integer part first
    qsizetype integers = 0;  // how many of them come before the point
};

Decimal DecimalOf(const QString& text) {
    Decimal d;
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == u' ') ++i;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-'))
        d.negative = text.at(i++) == u'-';
    bool point = false;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c >= u'0' && c <= u'9') {
            d.digits += c;
            if (!point) ++d.integers;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    return d;
}

// The number divided by 10^`shift`, rounded half away from zero to `decimals` places, with at
// least `intDigits` integer digits; a minus sign in front unless it shows as zero.
QString Pattern(const QString& text, int shift, int intDigits, int decimals) {
    Decimal d = DecimalOf(text);
    qsizetype integers = d.integers - shift;
    if (integers < 1) {
        d.digits.prepend(QString(1 - integers, u'0'));
        integers = 1;
    }
    QString digits = d.digits;
    const qsizetype keep = integers + decimals;
    if (digits.size() < keep) digits += QString(keep - digits.size(), u'0');
    const bool roundUp = digits.size() > keep && digits.at(keep) >= u'5';
    digits.truncate(keep);
    if (roundUp) {
        qsizetype at = keep - 1;
        for (; at >= 0 && digits.at(at) == u'9'; --at) digits[at] = u'0';
        if (at >= 0) {
            digits[at] = QChar(digits.at(at).unicode() + 1);
        } else {
            digits.prepend(u'1');
            ++integers;
        }
    }
    QString whole = digits.left(integers);
    while (whole.size() > 1 && whole.front() == u'0') whole.remove(0, 1);
    if (whole.size() < intDigits) whole.prepend(QString(intDigits - whole.size(), u'0'));
    const QString body = decimals > 0 ? whole + u'.' + digits.mid(integers) : whole;
    const bool zero = std::all_of(digits.begin(), digits.end(), [](QChar c) { return c == u'0'; });
    return d.negative && !zero ? u'-' + body : body;
}

}  // namespace

double NumericValue(const QString& text) {
    int i = 0;
    while (i < text.size() && text.at(i) == u' ') ++i;
    QString number;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-')) number += text.at(i++);
    bool point = false;
    bool digits = false;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isDigit() && c.unicode() < 128) {
            number += c;
            digits = true;
        } else if (c == u'.' && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0;
    return number.toDouble();
}

int DigitAt(const QString& text, int pos) {
    if (pos < 1 || pos > text.size()) return 0;
    const QChar c = text.at(pos - 1);
    return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : 0;
}

int LastDigit(const QString& text) {
    return DigitAt(text, text.size());
}

int DecimalPlaces(const SettingsStore& store) {
    // F805: character 5 of "W65"; F800: character 3 of "W45".
    const RowBinding source = DecimalPointSource(store.model());
    const int digit = DigitAt(store.value(source.code), source.count);
    // Only 0 … 3 places have a weight pattern; any other digit shows whole numbers.
    return digit <= 3 ? digit : 0;
}

QString FormatWeight(const QString& text, int places) {
    if (places < 0 || places > 3) places = 0;
    return Pattern(text, places, 5 - places, places);
}

QString FormatTenths(const QString& digits) {
    return Pattern(digits, 1, 1, 1);
}

QString FormatHundredths(const QString& digits) {
    return Pattern(digits, 2, 1, 2);
}

QString RowText(const RowSpec& row, const QString& value, int places) {
    if (value.isEmpty()) return {};
    const RowBinding& b = row.binding;
    switch (b.show) {
        case RowShow::Choice: {
            const int position = PositionOf(b, value).value_or(-1);
            if (position >= 0 && position < row.options.size()) return row.options[position];
            return Tr(ModelText::NotListed).arg(ReadChars(b, value));
        }
        case RowShow::Weight:
            return FormatWeight(value, places);
        case RowShow::Tenths:
            return FormatTenths(ReadChars(b, value));
        case RowShow::Hundredths:
            return FormatHundredths(ReadChars(b, value));
        case RowShow::Text:
            return ReadChars(b, value);
        case RowShow::None:
            break;
    }
    return value;
}

}  // namespace display
