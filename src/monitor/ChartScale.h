#pragma once

#include <QString>
#include <vector>

// The chart's scales, widget-free: axis ranges and ticks on round numbers, and the set-point
// labels moved apart so that none covers another.
namespace monitor {

// The weight axis: from `low` to `high` in whole steps of 1, 2 or 5 times a power of ten, at most
// `maxSteps` of them; `decimals` is what a tick label needs for its step.
struct WeightScale {
    double low = 0, high = 1, step = 1;
    int decimals = 0;
    int steps() const;
};

// The scale for values from `low` to `high` (zero always shown, some room above the highest),
// at least `minSpan` tall so that an empty or flat chart still has a sensible axis.
WeightScale WeightScaleFor(double low, double high, double minSpan, int maxSteps);

// A tick of the time axis: where (ms since the epoch) and its label.
struct TimeTick {
    double ms = 0;
    QString label;
};

// Ticks on whole local seconds, minutes or hours from `fromMs` to `toMs` (1, 2, 5, 10, 15 or
// 30 s, 1, 2, 5, 10, 15 or 30 min, 1 h …), at most `maxTicks` of them; labelled HH:mm:ss, or
// HH:mm on steps of a minute and more.
std::vector<TimeTick> TimeTicks(double fromMs, double toMs, int maxTicks);

// Where labels `height` tall go (their centres, top down) when each wants to be at `wanted[i]`:
// labels that would overlap move apart, each group around the mean of where its labels want to
// be, and all stay within [top, bottom] where there is room. In the order of `wanted`.
std::vector<double> SpreadLabels(const std::vector<double>& wanted, double height, double top,
                                 double bottom);

}  // namespace monitor
