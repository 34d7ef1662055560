#include "monitor/Weights.h"

#include <QRegularExpression>
#include <cmath>

#include "model/DisplayFormat.h"

namespace monitor {

std::optional<double> ParseWeight(const QString& text, int places) {
    static const QRegularExpression shape(QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)\\s*$"));
    if (!shape.match(text).hasMatch()) return std::nullopt;
    const double value = display::NumericValue(text);
    return text.contains(u'.') ? value : value / std::pow(10.0, places);
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
    const auto item = [&](int i) {
        return display::NumericValue(store.product(product, i)) * scale;
    };
    s.target = item(2);
    s.largeCut = s.target - item(0);
    s.mediumCut = s.target - item(1);
    s.overLimit = s.target + item(3);
    s.underLimit = s.target - item(4);
    s.freeFall = item(5);
    return s;
}

}  // namespace monitor
