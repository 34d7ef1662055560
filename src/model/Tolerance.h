#pragma once

#include <QtGlobal>
#include <vector>

// The permitted errors of a weighing instrument under test with reference weights: the maximum
// permissible error (MPE) by accuracy class and load as OIML R 76-1 gives it (the same values as
// JIS B 7611-2), and the decisions of a test. Weights are whole display counts (the indicator's
// digits without the decimal point); the scale interval e is a count too.
namespace tolerance {

enum class AccuracyClass { III, IIII, Custom };
enum class Verification { Initial, InService };  // in service the MPE is doubled

struct Rule {
    AccuracyClass accuracy = AccuracyClass::III;
    Verification verification = Verification::Initial;
    int customHalfIntervals = 2;  // Custom: the MPE in halves of e, the same at every load
};

// The MPE at `load` in halves of e (1 = ±0.5 e): class III ±0.5 e up to 500 e, ±1 e up to
// 2000 e, ±1.5 e above; class IIII ±0.5 e up to 50 e, ±1 e up to 200 e, ±1.5 e above; doubled
// in service. A load is taken by its size, whatever its sign.
int MpeHalfIntervals(const Rule& rule, qint64 load, qint64 e);
// The same in counts (e × halves / 2, rounded down to a whole count only for an odd e).
double MpeCounts(const Rule& rule, qint64 load, qint64 e);

// One reading against its nominal load.
struct PointResult {
    qint64 error = 0;          // reading − nominal, in counts
    int mpeHalfIntervals = 0;  // at the nominal load
    bool pass = false;         // |error| ≤ MPE
};
PointResult Judge(const Rule& rule, qint64 nominal, qint64 reading, qint64 e);

// Repeated readings of one load: their spread (largest − smallest) against the MPE at that load.
struct Repeatability {
    qint64 spread = 0;
    int mpeHalfIntervals = 0;
    bool pass = false;
};
Repeatability JudgeRepeatability(const Rule& rule, qint64 nominal,
                                 const std::vector<qint64>& readings, qint64 e);

// One point of a test with reference weights.
struct TestPoint {
    enum Kind { Zero, Rising, Falling, Repeat };
    Kind kind;
    qint64 nominal;  // counts, a whole number of scale intervals
};
// The usual test of an instrument of capacity `max`: zero, about 25 %, 50 %, 75 % and 100 % of
// Max rising, 75 %, 50 %, 25 % and zero falling, then three readings near 50 % (12 points).
// Loads are whole scale intervals.
std::vector<TestPoint> DefaultTestPoints(qint64 max, qint64 e);

}  // namespace tolerance
