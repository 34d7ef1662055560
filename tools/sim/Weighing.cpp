#include "Weighing.h"

qint64 SettledFill(qint64 cycle, qint64 target) {
    switch (cycle % 7) {
        case 3:
            return target + 15;
        case 5:
            return target > 12 ? target - 12 : 0;
        default:
            return target;
    }
}

qint64 Wobble(qint64 ms) {
    return (ms / 700) % 3 - 1;
}

CyclePoint CycleAt(qint64 ms, qint64 target) {
    CyclePoint p;
    if (ms < 0) ms = 0;
    p.cycle = ms / kCycleMs;
    const qint64 t = ms % kCycleMs;
    const qint64 settled = SettledFill(p.cycle, target);
    if (t < kFillStartMs) {
        p.phase = CyclePhase::Empty;
        p.fill = 0;
    } else if (t < kCompleteStartMs) {
        p.phase = CyclePhase::Filling;
        p.fill = settled * (t - kFillStartMs) / (kCompleteStartMs - kFillStartMs);
    } else if (t < kDischargeStartMs) {
        p.phase = CyclePhase::Complete;
        p.fill = settled;
    } else {
        p.phase = CyclePhase::Discharge;
        p.fill = settled * (kCycleMs - t) / (kCycleMs - kDischargeStartMs);
    }
    return p;
}
