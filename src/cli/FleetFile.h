#pragma once

#include <QDir>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "model/SettingsStore.h"

// One indicator of a fleet file: a section with Device=, Model= and optional Line=, Name= and
// Baseline= (the data file `check` compares with instead of the newest backup), Rate= (the
// samples per second rusk-server reads) and CheckEvery= (how often rusk-server checks the
// settings against the baseline).
struct FleetMember {
    QString section;
    QString name;  // Name=, else the section's name; names the backup files
    QString device;
    IndicatorModel model = kDefaultModel;
    QString line;  // Line=, else the default line settings
    QString baseline;
    int rate = 2;  // Rate=: samples per second the server reads, 1 to 20
    int checkEverySeconds = kDefaultCheckEverySeconds;  // CheckEvery=
    static constexpr int kDefaultCheckEverySeconds = 3600;
};

// CheckEvery='s value: a whole number of seconds, or one followed by "s", "m" or "h" ("90",
// "30s", "10m", "1h"), from 1 second to 7 days; none for anything else.
std::optional<int> ParseCheckEvery(const QString& text);

// The backups of `name` that `rusk-cli fleet backup` wrote in `dir`, oldest first:
// <name>-<YYYYmmdd-HHMMSS>[-n].mdb.
QStringList BackupsOf(const QDir& dir, const QString& name);
// What a member's settings are checked against: its Baseline=, else its newest backup in
// `backups`; empty when it has neither.
QString BaselineOf(const FleetMember& member, const QDir& backups);

// The fleet file read whole, or the reasons it cannot be used (then no member is given).
struct FleetFile {
    std::vector<FleetMember> members;
    QStringList errors;  // each names the file, the line or section, and the key
};

// Reads a fleet file: "[Section]" lines, "Key=Value" lines, ';' or '#' comments (whole lines, or
// after a blank at the end of a line), blank lines. The text is read as Rusk.INI is: UTF-8, else
// Shift-JIS. Refused with a reason each: a missing, unreadable or oversized file, no section, a
// line outside a section or of no known form, a repeated section or key, an unknown key, a
// missing Device or Model, a device that is none (see DeviceNameProblem), a model other than 805
// or 800, bad line settings or check interval, a name unfit for a file name, two indicators of the
// same name. A relative Baseline is taken from the fleet file's folder. The reasons show control
// characters escaped, and after the first few the rest are counted.
FleetFile ReadFleetFile(const QString& path, const QString& defaultLine);

// The largest fleet file read, and how many of its mistakes are listed.
inline constexpr qint64 kFleetFileMaxBytes = 1024 * 1024;
inline constexpr int kFleetFileListedErrors = 10;
