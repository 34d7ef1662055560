#include "monitor/FillStatistics.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "monitor/Weights.h"
#include "texts/MonitorTexts.h"

namespace monitor {

QString JudgementText(Judgement j) {
    switch (j) {
        case Judgement::Under:
            return Tr(MonitorText::Under);
        case Judgement::Ok:
            return Tr(MonitorText::Good);
        case Judgement::Over:
            return Tr(MonitorText::Over);
        case Judgement::None:
            break;
    }
    return Tr(MonitorText::NoJudgement);
}

bool FillTracker::take(const Sample& s) {
    const std::optional<Sample> before = std::exchange(previous_, s);
    // Monitoring that starts in the middle of a cycle has seen no edge yet.
    if (!before) return false;
    // A new cycle starts with the large feed: an earlier cut-off belongs to no fill.
    if (s.on(Output::Large) && !before->on(Output::Large)) cutOff_.reset();
    if (before->on(Output::Small) && !s.on(Output::Small)) cutOff_ = s.weight;
    if (!s.complete() || before->complete()) return false;
    completedAt_ = s;
    return true;
}

Fill FillTracker::complete(double final) {
    Fill f;
    f.ms = completedAt_.ms;
    f.final = final;
    if (Sample::Bit(completedAt_.status2, 4))
        f.judgement = Judgement::Under;
    else if (Sample::Bit(completedAt_.status2, 6))
        f.judgement = Judgement::Over;
    else if (Sample::Bit(completedAt_.status2, 5))
        f.judgement = Judgement::Ok;
    f.cutOff = cutOff_;
    cutOff_.reset();
    return f;
}

void FillTracker::reset() {
    previous_.reset();
    cutOff_.reset();
}

Summary Summarize(const std::vector<Fill>& fills) {
    Summary s;
    s.count = static_cast<int>(fills.size());
    if (fills.empty()) return s;
    double sum = 0, inFlightSum = 0;
    s.min = s.max = fills.front().final;
    for (const Fill& f : fills) {
        sum += f.final;
        s.min = std::min(s.min, f.final);
        s.max = std::max(s.max, f.final);
        s.under += f.judgement == Judgement::Under;
        s.over += f.judgement == Judgement::Over;
        if (const auto g = f.inFlight()) {
            inFlightSum += *g;
            ++s.inFlightCount;
        }
    }
    s.mean = sum / s.count;
    double squares = 0;
    for (const Fill& f : fills) squares += (f.final - s.mean) * (f.final - s.mean);
    s.stddev = s.count > 1 ? std::sqrt(squares / (s.count - 1)) : 0.0;
    if (s.inFlightCount > 0) s.inFlightMean = inFlightSum / s.inFlightCount;
    return s;
}

QString FreeFallAdvice(const Summary& summary, std::optional<double> setFreeFall, double resolution,
                       int places) {
    if (summary.inFlightCount == 0) return {};
    const int shown = std::max(places, 1);
    if (!setFreeFall)
        return Tr(MonitorText::FreeFallUnknown).arg(ShowWeight(summary.inFlightMean, shown));
    QString text =
        Tr(MonitorText::FreeFallAgainstSetting)
            .arg(ShowWeight(summary.inFlightMean, shown), ShowWeight(*setFreeFall, shown));
    const double gap = summary.inFlightMean - *setFreeFall;
    // A difference of exactly one step is no more than one step, rounding aside.
    if (std::abs(gap) <= resolution * 1.0000001) return text + Tr(MonitorText::FreeFallAsSet);
    return text + Tr(MonitorText::FreeFallAdvice)
                      .arg(gap > 0 ? Tr(MonitorText::Heavier) : Tr(MonitorText::Lighter),
                           ShowWeight(summary.inFlightMean, places));
}

}  // namespace monitor
