#pragma once

#include <QString>
#include <optional>

#include "model/SettingsStore.h"

// Weights as the monitor reads, shows and compares them, in display units.
namespace monitor {

// A weight as a live reply gives it: its value in display units and the decimals it shows.
struct Weight {
    double value = 0.0;
    int places = 0;
};

// The weight in a live reply's data ("+0100.0", "-001234"): a sign, digits and at most one
// decimal point, blanks around. A text that holds a decimal point counts as sent, with its own
// decimals; only a whole number takes the decimal point setting `places`, its digits counting in
// units of the last decimal as the setting values do. Anything else is no weight. The monitor and
// the command line's live lines both read weights through this one rule.
std::optional<Weight> ParseWeight(const QString& text, int places);

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
