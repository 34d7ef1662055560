#include "model/DisplayFormat.h"

#include <cmath>

#include "model/Catalogue.h"

namespace display {
namespace {

// `value` rounded to `decimals` places, with at least `intDigits` integer digits.
QString Pattern(double value, int intDigits, int decimals) {
    const bool negative = value < 0;
    QString body = QString::number(std::fabs(value), 'f', decimals);
    const int point = decimals > 0 ? body.indexOf(u'.') : body.size();
    if (point < intDigits) body.prepend(QString(intDigits - point, u'0'));
    // A value that rounds to zero shows no minus sign.
    const bool allZero = body.count(u'0') + body.count(u'.') == body.size();
    return negative && !allZero ? u'-' + body : body;
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
    const double value = NumericValue(text) / std::pow(10.0, places);
    return Pattern(value, 5 - places, places);
}

QString FormatTenths(const QString& digits) {
    return Pattern(NumericValue(digits) / 10, 1, 1);
}

QString FormatHundredths(const QString& digits) {
    return Pattern(NumericValue(digits) / 100, 1, 2);
}

QString RowText(const RowSpec& row, const QString& value, int places) {
    if (value.isEmpty()) return {};
    const RowBinding& b = row.binding;
    switch (b.show) {
        case RowShow::Choice: {
            const int position = PositionOf(b, value).value_or(-1);
            if (position >= 0 && position < row.options.size()) return row.options[position];
            return QStringLiteral("（該当なし %1）").arg(ReadChars(b, value));
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
