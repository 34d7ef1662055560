#pragma once

// The settings as a CSV file for people (not for reading back): コード, 項目, 設定値, 内容, one
// row per setting and one more per item of a value packing several.

#include <QString>

#include "report/SettingsSheet.h"

// The whole file's text (without the byte order mark), lines ending in CR LF.
QString SettingsCsv(const SettingsSheet& sheet);
// Writes it as UTF-8 with a byte order mark; an empty text on success, else why not.
QString SaveSettingsCsv(const SettingsSheet& sheet, const QString& path);
