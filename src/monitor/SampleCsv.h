#pragma once

#include <QString>
#include <deque>

#include "monitor/MonitorSample.h"

namespace monitor {

// Writes the samples as CSV in UTF-8 with a byte order mark: the headings 時刻, 重量, ｽﾃｰﾀｽ2,
// ｽﾃｰﾀｽ3, then time (local, to the millisecond), weight with `places` decimals, status 2 and
// status 3, one sample a line. The file is replaced by the file rules (platform/FileRules.h),
// only when the whole of it is written; returns an empty text, or why the save failed (in
// Japanese).
QString SaveSamplesCsv(const QString& path, const std::deque<Sample>& samples, int places);

}  // namespace monitor
