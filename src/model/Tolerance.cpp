#include "model/Tolerance.h"

#include <algorithm>
#include <cstdlib>

namespace tolerance {
namespace {

// The upper ends of the first two bands, in e, of a class.
struct Bands {
    qint64 first;
    qint64 second;
};

Bands BandsOf(AccuracyClass accuracy) {
    return accuracy == AccuracyClass::IIII ? Bands{50, 200} : Bands{500, 2000};
}

bool Within(qint64 error, int halfIntervals, qint64 e) {
    // |error| ≤ halves × e / 2, in whole numbers.
    return 2 * std::llabs(error) <= static_cast<qint64>(halfIntervals) * e;
}

}  // namespace

int MpeHalfIntervals(const Rule& rule, qint64 load, qint64 e) {
    int halves = rule.customHalfIntervals;
    if (rule.accuracy != AccuracyClass::Custom) {
        const Bands bands = BandsOf(rule.accuracy);
        const qint64 m = std::llabs(load);
        // m ≤ first × e, m ≤ second × e: the band edges belong to the lower band.
        halves = e <= 0 || m <= bands.first * e ? 1 : m <= bands.second * e ? 2 : 3;
    }
    return rule.verification == Verification::InService ? 2 * halves : halves;
}

double MpeCounts(const Rule& rule, qint64 load, qint64 e) {
    return static_cast<double>(MpeHalfIntervals(rule, load, e)) * static_cast<double>(e) / 2.0;
}

PointResult Judge(const Rule& rule, qint64 nominal, qint64 reading, qint64 e) {
    PointResult r;
    r.error = reading - nominal;
    r.mpeHalfIntervals = MpeHalfIntervals(rule, nominal, e);
    r.pass = Within(r.error, r.mpeHalfIntervals, e);
    return r;
}

Repeatability JudgeRepeatability(const Rule& rule, qint64 nominal,
                                 const std::vector<qint64>& readings, qint64 e) {
    Repeatability r;
    r.mpeHalfIntervals = MpeHalfIntervals(rule, nominal, e);
    if (readings.empty()) return r;
    const auto [low, high] = std::minmax_element(readings.begin(), readings.end());
    r.spread = *high - *low;
    r.pass = Within(r.spread, r.mpeHalfIntervals, e);
    return r;
}

std::vector<TestPoint> DefaultTestPoints(qint64 max, qint64 e) {
    if (max <= 0 || e <= 0) return {};
    // A quarter of Max, rounded to the nearest scale interval.
    const auto share = [max, e](int quarters) { return (max * quarters / 4 + e / 2) / e * e; };
    std::vector<TestPoint> points{{TestPoint::Zero, 0}};
    for (int q = 1; q <= 4; ++q) points.push_back({TestPoint::Rising, share(q)});
    for (int q = 3; q >= 0; --q)
        points.push_back({q == 0 ? TestPoint::Zero : TestPoint::Falling, share(q)});
    for (int i = 0; i < 3; ++i) points.push_back({TestPoint::Repeat, share(2)});
    return points;
}

}  // namespace tolerance
