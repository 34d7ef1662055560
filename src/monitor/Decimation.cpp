#include "monitor/Decimation.h"

#include <algorithm>
#include <array>
#include <utility>

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
            col.first = col.min = col.max = col.last = w;
            col.firstMs = col.minMs = col.maxMs = col.lastMs = ms;
            out.push_back(col);
        }
        Column& col = out.back();
        if (w < col.min) col.min = w, col.minMs = ms;
        if (w > col.max) col.max = w, col.maxMs = ms;
        col.last = w;
        col.lastMs = ms;
        col.outputs |= it->outputs();
    }
    return out;
}

std::vector<QPointF> CurvePoints(const std::vector<Column>& columns) {
    std::vector<QPointF> points;
    points.reserve(columns.size() * 4);
    for (const Column& c : columns) {
        std::array<std::pair<double, double>, 4> p = {
            {{c.firstMs, c.first}, {c.minMs, c.min}, {c.maxMs, c.max}, {c.lastMs, c.last}}};
        std::stable_sort(p.begin(), p.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (size_t i = 0; i < p.size(); ++i)
            if (i == 0 || p[i] != p[i - 1]) points.emplace_back(p[i].first, p[i].second);
    }
    return points;
}

std::vector<QPointF> BandPoints(const std::vector<Column>& columns, Output output) {
    std::vector<QPointF> points;
    points.reserve(columns.size() * 2);
    const unsigned bit = 1u << static_cast<int>(output);
    for (const Column& c : columns) {
        const double top = (c.outputs & bit) ? std::max(c.max, 0.0) : 0.0;
        points.emplace_back(c.x0, top);
        points.emplace_back(c.x1, top);
    }
    return points;
}

}  // namespace monitor
