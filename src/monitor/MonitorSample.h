#pragma once

#include <QString>
#include <QtGlobal>

// One reading of the monitor: the gross weight and the status words 2 and 3 at one moment.
namespace monitor {

// The outputs the chart draws as bands, in the order of their colours.
enum class Output { Large, Medium, Small, Discharge };
constexpr int kOutputs = 4;

struct Sample {
    qint64 ms = 0;        // wall-clock time, ms since the epoch
    double weight = 0.0;  // gross weight in display units (12.34 for "+012.34")
    QString status2;      // the RE reply without its echo: 大投入 … 完了, one character each
    QString status3;      // the RF reply without its echo: ｾﾞﾛ付近 … 排出
    int places = 0;       // the decimals the weight shows (its reply's, or the setting's)

    // Whether character `pos` (1-based) of a status word is "1"; a missing one is off.
    static bool Bit(const QString& word, int pos) {
        return pos >= 1 && pos <= word.size() && word.at(pos - 1) == u'1';
    }
    bool on(Output o) const {
        switch (o) {
            case Output::Large:
                return Bit(status2, 1);
            case Output::Medium:
                return Bit(status2, 2);
            case Output::Small:
                return Bit(status2, 3);
            case Output::Discharge:
                return Bit(status3, 4);
        }
        return false;
    }
    // The outputs as a bit set (bit i for Output i).
    unsigned outputs() const {
        unsigned bits = 0;
        for (int i = 0; i < kOutputs; ++i)
            if (on(static_cast<Output>(i))) bits |= 1u << i;
        return bits;
    }
    bool complete() const { return Bit(status2, 7); }
};

}  // namespace monitor
