#include "monitor/Decimation.h"

#include <algorithm>

namespace monitor {

std::vector<Column> DecimateColumns(const std::deque<Sample>& samples, double fromMs, double toMs,
                                    int columns) {
    std::vector<Column> out;
    if (columns <= 0 || toMs <= fromMs) return out;
    const double width = (toMs - fromMs) / columns;
    auto it = std::lower_bound(samples.begin(), samples.end(), fromMs,
                               [](const Sample& s, double ms) { return double(s.ms) < ms; });
    int current = -1;
    for (; it != samples.end() && double(it->ms) < toMs; ++it) {
        const double ms = double(it->ms);
        const int c = std::min(columns - 1, static_cast<int>((ms - fromMs) / width));
        const double w = it->weight;
        if (c != current) {
            current = c;
            Column col;
            col.x0 = fromMs + c * width;
            col.x1 = col.x0 + width;
            col.min = col.max = w;
            col.minMs = col.maxMs = ms;
            out.push_back(col);
        }
        Column& col = out.back();
        if (w < col.min) col.min = w, col.minMs = ms;
        if (w > col.max) col.max = w, col.maxMs = ms;
        col.outputs |= it->outputs();
    }
    return out;
}

}  // namespace monitor
