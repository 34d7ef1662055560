#pragma once

#include <QString>

#include "model/SettingsStore.h"

struct RowSpec;

// How stored value texts are shown: numbers read from texts, option digits, weights with the
// decimal point and tenths or hundredths of a second.
namespace display {

// The number spelled by the leading characters of a text: leading blanks skipped, an optional
// sign, then digits with at most one decimal point, up to the first other character. A text
// without such characters is 0.
double NumericValue(const QString& text);

// The option digit at 1-based character position `pos` (0 … 9); a missing or non-digit
// character counts as 0.
int DigitAt(const QString& text, int pos);
// The last character's option digit, by the same rule.
int LastDigit(const QString& text);

// Decimal places of weights, 0 … 3: with the F805 character 5 of "W65", with the F800
// character 3 of "W45". A digit above 3 has no weight pattern; it is shown as 0 places.
int DecimalPlaces(const SettingsStore& store);

// A weight: the numeric value of the whole text divided by 10^places, with at least 5 - places
// integer digits (leading zeros) and exactly `places` decimals; a minus sign stays in front.
// 01234 with 2 places is 012.34, with 0 places 01234. The digits are worked on as text, so a
// reply of any length shows every digit it holds (decimals beyond `places` round half away
// from zero).
QString FormatWeight(const QString& text, int places);

// A number of tenths ("0.0") or hundredths ("0.00"): 15 tenths is 1.5, 125 hundredths is 1.25.
QString FormatTenths(const QString& digits);
QString FormatHundredths(const QString& digits);

// What a detail row shows for a stored value, empty for an empty value: the option text, the
// weight with `places` decimals, tenths or hundredths ("1.5"), or the characters the row reads.
// A choice position outside the row's options is shown with the characters it was read from.
QString RowText(const RowSpec& row, const QString& value, int places);

}  // namespace display
