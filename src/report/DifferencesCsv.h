#pragma once

// The differences of a comparison as a CSV file for a spreadsheet: UTF-8 with a byte order
// mark, a Japanese header row, fields quoted as RFC 4180 asks, lines ending in CR LF.

#include <QString>
#include <vector>

#include "history/Compare.h"

// The whole file's text, starting with U+FEFF: the columns 場所, 画面の値, 比較先の値, 内容, one
// row per difference; the change lines of a difference share one field.
QString DifferencesCsv(const std::vector<Difference>& differences);

// Writes that text to `path` as UTF-8, replacing the file only once everything is written.
// Returns an empty text on success, otherwise the operator's words for why it failed.
QString SaveDifferencesCsv(const QString& path, const std::vector<Difference>& differences);
