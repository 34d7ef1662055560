#pragma once

#include <deque>
#include <vector>

#include "monitor/MonitorSample.h"

// What the chart draws of many samples: per pixel column the lowest and highest weight (and
// when they came) and the outputs on in it, so that no peak is lost and a repaint costs the
// same for ten seconds as for an hour.
namespace monitor {

struct Column {
    double x0 = 0, x1 = 0;  // the column's time span, ms since the epoch
    double min = 0, max = 0;
    double minMs = 0, maxMs = 0;  // when they came
    unsigned outputs = 0;         // the outputs on anywhere in the column (bit i for Output i)
};

// The non-empty columns of the samples in [fromMs, toMs), split into `columns` equal spans.
// Samples are in time order; the search for the span's start is a binary one.
std::vector<Column> DecimateColumns(const std::deque<Sample>& samples, double fromMs, double toMs,
                                    int columns);

}  // namespace monitor
