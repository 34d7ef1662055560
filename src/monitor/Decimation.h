#pragma once

#include <QPointF>
#include <deque>
#include <vector>

#include "monitor/MonitorSample.h"

// What the chart draws of many samples: per pixel column the first, lowest, highest and last
// weight, so that no peak is lost and the chart never holds more than four points a column.
namespace monitor {

struct Column {
    double x0 = 0, x1 = 0;  // the column's time span, ms since the epoch
    double first = 0, min = 0, max = 0, last = 0;
    double firstMs = 0, minMs = 0, maxMs = 0, lastMs = 0;
    unsigned outputs = 0;  // the outputs on anywhere in the column (bit i for Output i)
};

// The non-empty columns of the samples in [fromMs, toMs), split into `columns` equal spans.
// Samples are in time order; the search for the span's start is a binary one.
std::vector<Column> DecimateColumns(const std::deque<Sample>& samples, double fromMs, double toMs,
                                    int columns);

// The weight curve of the columns: their extremes in time order, at most four points each.
std::vector<QPointF> CurvePoints(const std::vector<Column>& columns);

// The upper edge of an output's band: the column's highest weight while the output is on,
// zero while it is off, as steps over each column's span.
std::vector<QPointF> BandPoints(const std::vector<Column>& columns, Output output);

}  // namespace monitor
