#include "Weighing.h"

#include <algorithm>

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

qint64 FillStartMs(const CycleShape& shape) {
    return shape.cycleMs * kFillStartMs / kCycleMs;
}

qint64 CompleteStartMs(const CycleShape& shape) {
    return shape.cycleMs * kCompleteStartMs / kCycleMs;
}

qint64 DischargeStartMs(const CycleShape& shape) {
    return shape.cycleMs * kDischargeStartMs / kCycleMs;
}

qint64 InFlightNoise(const CycleShape& shape) {
    return shape.freeFall <= 0 ? 0 : std::max<qint64>(1, shape.freeFall / 5);
}

qint64 InFlight(qint64 cycle, const CycleShape& shape) {
    const qint64 noise = InFlightNoise(shape);
    if (noise == 0) return std::max<qint64>(0, shape.freeFall);
    // A fixed scramble of the cycle number spreads the scatter evenly over -noise … +noise.
    const quint64 h = quint64(cycle) * 0x9E3779B97F4A7C15ULL;
    const qint64 offset = qint64((h >> 33) % quint64(2 * noise + 1)) - noise;
    return shape.freeFall + offset;
}

qint64 SettledFill(qint64 cycle, const FeedPoints& feed, const CycleShape& shape) {
    if (shape.freeFall < 0) return SettledFill(cycle, feed.target);
    return std::max<qint64>(0, feed.target - feed.freeFallSet) + InFlight(cycle, shape);
}

CyclePoint CycleAt(qint64 ms, const FeedPoints& feed, const CycleShape& shape) {
    const qint64 fillStart = FillStartMs(shape), completeStart = CompleteStartMs(shape),
                 dischargeStart = DischargeStartMs(shape);
    CyclePoint p;
    if (ms < 0) ms = 0;
    p.cycle = ms / shape.cycleMs;
    const qint64 t = ms % shape.cycleMs;
    const qint64 settled = SettledFill(p.cycle, feed, shape);
    if (t < fillStart) {
        p.phase = CyclePhase::Empty;
    } else if (t < completeStart) {
        p.phase = CyclePhase::Filling;
        const qint64 span = completeStart - fillStart, at = t - fillStart;
        if (shape.freeFall < 0) {
            p.fill = settled * at / span;
            return p;
        }
        // Feeding takes 80 % of the phase (large 40 %, medium 30 %, small 30 % of that), the
        // fall the next 10 %; the weight then stays.
        const qint64 cut = std::max<qint64>(0, feed.target - feed.freeFallSet);
        const qint64 large = std::clamp<qint64>(feed.target - feed.large, 0, cut);
        const qint64 medium = std::clamp<qint64>(feed.target - feed.medium, large, cut);
        const qint64 feeding = span * 8 / 10, fall = std::max<qint64>(1, span / 10);
        const qint64 t1 = feeding * 4 / 10, t2 = feeding * 7 / 10;
        const auto ramp = [](qint64 from, qint64 to, qint64 at, qint64 len) {
            return len <= 0 ? to : from + (to - from) * at / len;
        };
        if (at < t1)
            p.fill = ramp(0, large, at, t1);
        else if (at < t2)
            p.fill = ramp(large, medium, at - t1, t2 - t1);
        else if (at < feeding)
            p.fill = ramp(medium, cut, at - t2, feeding - t2);
        else
            p.fill = ramp(cut, settled, std::min(at - feeding, fall), fall);
    } else if (t < dischargeStart) {
        p.phase = CyclePhase::Complete;
        p.fill = settled;
    } else {
        p.phase = CyclePhase::Discharge;
        p.fill = settled * (shape.cycleMs - t) / (shape.cycleMs - dischargeStart);
    }
    return p;
}
