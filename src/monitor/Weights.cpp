#include "monitor/Weights.h"

#include <QRegularExpression>
#include <cmath>

#include "model/DisplayFormat.h"

namespace monitor {

std::optional<Weight> ParseWeight(const QString& text, int places) {
    static const QRegularExpression shape(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?(\\d*)|\\.(\\d+))\\s*$"));
    const QRegularExpressionMatch m = shape.match(text);
    if (!m.hasMatch()) return std::nullopt;
    const double value = display::NumericValue(text.trimmed());
    if (!text.contains(u'.')) return Weight{value / std::pow(10.0, places), places};
    return Weight{value, int(m.capturedLength(2) + m.capturedLength(3))};
}

QString ShowWeight(double value, int places) {
    return QString::number(value, 'f', places);
}

double Resolution(int places) {
    return 1.0 / std::pow(10.0, places);
}

SetPoints SetPointsOf(const SettingsStore& store, int product) {
    SetPoints s;
    s.product = product;
    const double scale = Resolution(display::DecimalPlaces(store));
    const auto item = [&](int i) -> std::optional<double> {
        const QString value = store.product(product, i);
        if (value.isEmpty()) return std::nullopt;
        return display::NumericValue(value) * scale;
    };
    // A line from 定量 and one more value: none when either is not held.
    const auto from = [&](int i, double sign) -> std::optional<double> {
        const auto target = item(2);
        const auto other = item(i);
        if (!target || !other) return std::nullopt;
        return *target + sign * *other;
    };
    s.target = item(2);
    s.largeCut = from(0, -1);
    s.mediumCut = from(1, -1);
    s.overLimit = from(3, +1);
    s.underLimit = from(4, -1);
    s.freeFall = item(5);
    return s;
}

}  // namespace monitor
