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

// A small wobble of ±1 display unit on the raw weight.
qint64 Wobble(qint64 ms);
