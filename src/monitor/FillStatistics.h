#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "monitor/MonitorSample.h"

// The filling cycles the monitor sees: where the small feed cut off, and what each completed
// fill weighed. Widget-free; the window shows what it collects.
namespace monitor {

enum class Judgement { None, Under, Ok, Over };
QString JudgementText(Judgement j);  // 不足 / 正量 / 過量, "－" without a judgement

struct Fill {
    qint64 ms = 0;     // when 完了 rose
    double final = 0;  // the weighing result (RK)
    Judgement judgement = Judgement::None;
    std::optional<double> cutOff;  // the weight when 小投入 went off in this cycle
    // final − cut-off: the material still in flight at cut-off.
    std::optional<double> inFlight() const {
        return cutOff ? std::optional<double>(final - *cutOff) : std::nullopt;
    }
};

// Finds the edges in successive samples: 小投入 going off and 完了 coming on.
class FillTracker {
  public:
    // Takes the next sample. Returns true when 完了 rose with it: the caller reads the weighing
    // result and hands it to `complete`.
    bool take(const Sample& s);
    // The weighing result of the fill whose 完了 just rose.
    Fill complete(double final);
    void reset();

  private:
    std::optional<Sample> previous_;
    std::optional<double> cutOff_;
    Sample completedAt_;
};

struct Summary {
    int count = 0;
    double mean = 0, stddev = 0, min = 0, max = 0;
    int under = 0, over = 0;
    int inFlightCount = 0;
    double inFlightMean = 0;
};
Summary Summarize(const std::vector<Fill>& fills);

// The advice on the 落差 setting: empty until a fill has an in-flight amount; otherwise
// "落差の実測平均 12.3 ／ 設定 10.0" and whether the setting wants changing (when they differ by
// more than `resolution`).
// With no 落差 setting held, the mean alone and a note that the setting is not known.
QString FreeFallAdvice(const Summary& summary, std::optional<double> setFreeFall, double resolution,
                       int places);

}  // namespace monitor
