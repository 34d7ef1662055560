#include "monitor/ChartScale.h"

#include <QDateTime>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace monitor {

namespace {

// The smallest step of 1, 2 or 5 times a power of ten that splits `span` into at most
// `maxSteps`; `decimals` gets the places its labels need.
double NiceStep(double span, int maxSteps, int* decimals) {
    const double raw = span / std::max(1, maxSteps);
    int exponent = int(std::floor(std::log10(raw)));
    const double base = std::pow(10.0, exponent);
    double step = 10 * base;
    for (const double m : {1.0, 2.0, 5.0}) {
        if (m * base >= raw * (1 - 1e-9)) {
            step = m * base;
            break;
        }
    }
    if (step >= 10 * base) ++exponent;
    *decimals = std::max(0, -exponent);
    return step;
}

}  // namespace

int WeightScale::steps() const {
    return int(std::lround((high - low) / step));
}

WeightScale WeightScaleFor(double low, double high, double minSpan, int maxSteps) {
    low = std::min(low, 0.0);
    high = std::max(high, 0.0);
    // An empty scale settling a hair under zero takes no step of its own for it.
    if (-low < (high - low) * 0.005) low = 0.0;
    high += (high - low) * 0.05;  // the curve's top and the highest line clear of the frame
    if (high - low < minSpan) high = low + minSpan;
    WeightScale s;
    double span = high - low;
    for (;;) {
        s.step = NiceStep(span, maxSteps, &s.decimals);
        // A little under a whole step is taken as one, so that 100 stays 100, not 100 + step.
        s.low = std::floor(low / s.step + 1e-9) * s.step;
        s.high = std::ceil(high / s.step - 1e-9) * s.step;
        if (s.steps() <= std::max(1, maxSteps)) break;
        // Widened to whole steps the axis has too many: try the next step.
        span = s.step * std::max(1, maxSteps) * 1.0001;
    }
    if (s.low == 0) s.low = 0.0;  // never "-0"
    return s;
}

std::vector<TimeTick> TimeTicks(double fromMs, double toMs, int maxTicks) {
    static constexpr double kSteps[] = {1e3,   2e3,   5e3,    10e3,   15e3,   30e3,
                                        60e3,  120e3, 300e3,  600e3,  900e3,  1.8e6,
                                        3.6e6, 7.2e6, 10.8e6, 21.6e6, 43.2e6, 86.4e6};
    std::vector<TimeTick> ticks;
    if (!(toMs > fromMs)) return ticks;
    // Whole seconds, minutes and hours of the local clock.
    const double offset = QDateTime::fromMSecsSinceEpoch(qint64(fromMs)).offsetFromUtc() * 1000.0;
    const auto firstOf = [&](double step) {
        return std::ceil((fromMs + offset) / step) * step - offset;
    };
    double step = kSteps[std::size(kSteps) - 1];
    for (const double s : kSteps) {
        if (std::floor((toMs - firstOf(s)) / s) + 1 <= std::max(1, maxTicks)) {
            step = s;
            break;
        }
    }
    const double first = firstOf(step);
    const QString format = step >= 60e3 ? QStringLiteral("HH:mm") : QStringLiteral("HH:mm:ss");
    for (double t = first; t <= toMs; t += step)
        ticks.push_back({t, QDateTime::fromMSecsSinceEpoch(qint64(t)).toString(format)});
    return ticks;
}

std::vector<double> SpreadLabels(const std::vector<double>& wanted, double height, double top,
                                 double bottom) {
    const size_t n = wanted.size();
    std::vector<size_t> order(n);
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return wanted[a] < wanted[b]; });
    // Groups of labels that touch, each centred on the mean of where its labels want to be.
    struct Group {
        size_t first, count;
        double sum;
        double top(double h) const { return sum / double(count) - double(count) * h / 2; }
    };
    std::vector<Group> groups;
    for (size_t k = 0; k < n; ++k) {
        groups.push_back({k, 1, wanted[order[k]]});
        while (groups.size() >= 2) {
            Group& above = groups[groups.size() - 2];
            const Group& below = groups.back();
            if (above.top(height) + double(above.count) * height <= below.top(height)) break;
            above.count += below.count;
            above.sum += below.sum;
            groups.pop_back();
        }
    }
    std::vector<double> centre(n);
    for (const Group& g : groups)
        for (size_t i = 0; i < g.count; ++i)
            centre[g.first + i] = g.top(height) + (double(i) + 0.5) * height;
    // Into the bounds: pushed down from the top, then up from the bottom.
    for (size_t k = 0; k < n; ++k)
        centre[k] = std::max({centre[k], top + height / 2, k ? centre[k - 1] + height : top});
    for (size_t k = n; k-- > 0;)
        centre[k] =
            std::min({centre[k], bottom - height / 2, k + 1 < n ? centre[k + 1] - height : bottom});
    std::vector<double> placed(n);
    for (size_t k = 0; k < n; ++k) placed[order[k]] = centre[k];
    return placed;
}

}  // namespace monitor
