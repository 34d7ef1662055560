#pragma once

#include <QString>
#include <optional>

#include "model/SettingsStore.h"

// Weights as the monitor reads, shows and compares them, in display units.
namespace monitor {

// A live weight reply's data ("+012.34", "-001234"): a sign, digits and at most one decimal
// point. Without a decimal point the digits count in units of the last of `places` decimals,
// as the setting values do. Anything else is no weight.
std::optional<double> ParseWeight(const QString& text, int places);

// A weight with `places` decimals ("1003.0" … as the detail tabs show them, without leading
// zeros).
QString ShowWeight(double value, int places);

// The smallest step the scale shows: 1, 0.1, 0.01 or 0.001.
double Resolution(int places);

// The set points of one product, in display units, as the store holds them: one whose values the
// store does not hold (the products not read yet) is none, never a 0 drawn as if it were set.
struct SetPoints {
    int product = -1;
    std::optional<double> target;      // 定量
    std::optional<double> largeCut;    // 大投入 ends at 定量 − 大投入
    std::optional<double> mediumCut;   // 定量前: the medium feed ends at 定量 − 定量前
    std::optional<double> overLimit;   // 定量 + 過量
    std::optional<double> underLimit;  // 定量 − 不足
    std::optional<double> freeFall;    // 落差
};
SetPoints SetPointsOf(const SettingsStore& store, int product);

}  // namespace monitor
