#pragma once

#include <QtGlobal>

// The filling cycle the simulated indicator runs over and over, so that the weight moves like
// that of a hopper scale: empty, filling towards the target, complete (held), discharging.
enum class CyclePhase { Empty, Filling, Complete, Discharge };

struct CyclePoint {
    CyclePhase phase = CyclePhase::Empty;
    qint64 fill = 0;   // material in the hopper, display units
    qint64 cycle = 0;  // number of the cycle, counted from time 0
};

constexpr qint64 kCycleMs = 20000;           // one whole cycle
constexpr qint64 kFillStartMs = 2000;        // empty until here
constexpr qint64 kCompleteStartMs = 14000;   // filling until here
constexpr qint64 kDischargeStartMs = 17000;  // complete until here, then discharging

// Where the cycle stands at time ms (ms >= 0) for the given target weight.
CyclePoint CycleAt(qint64 ms, qint64 target);

// The weight the cycle number `cycle` settles at: the target, now and then a little over or
// under it so that the over and under outputs show up.
qint64 SettledFill(qint64 cycle, qint64 target);

// The shape of the cycle: its length (the phases keep their share of it) and, when the free fall
// is simulated, how much material is still in flight when the small feed cuts off.
struct CycleShape {
    qint64 cycleMs = kCycleMs;
    qint64 freeFall = -1;  // display units; below 0 the weight rises straight to its settled value
};

// The feed set points of the current product, in display units: the target (定量) and the
// amounts before it at which the large (大投入) and medium (定量前) feeds and, 落差 before it,
// the small feed stop.
struct FeedPoints {
    qint64 target = 0;
    qint64 large = 0;
    qint64 medium = 0;
    qint64 freeFallSet = 0;
};

// The phase boundaries of a cycle of the given shape.
qint64 FillStartMs(const CycleShape& shape);
qint64 CompleteStartMs(const CycleShape& shape);
qint64 DischargeStartMs(const CycleShape& shape);

// What actually falls after the small feed of cycle `cycle` cuts off: the shape's free fall
// give or take a fifth of it (at least one unit), the same for the same cycle every time.
qint64 InFlight(qint64 cycle, const CycleShape& shape);
// The bound of that scatter.
qint64 InFlightNoise(const CycleShape& shape);

// With a free fall, the weight rises fast under the large feed, slower under the medium one,
// slowly under the small one up to 定量 − 落差, where the small feed cuts off; what is in flight
// then lands in a short time, and the weight settles at 定量 − 落差 + the free fall. Without one,
// as CycleAt above (phases scaled to the shape's length).
CyclePoint CycleAt(qint64 ms, const FeedPoints& feed, const CycleShape& shape);
qint64 SettledFill(qint64 cycle, const FeedPoints& feed, const CycleShape& shape);

// A small wobble of ±1 display unit on the raw weight.
qint64 Wobble(qint64 ms);
