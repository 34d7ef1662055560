#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "model/SettingsStore.h"

// One indicator of a fleet file: a section with Device=, Model= and optional Line=, Name= and
// Baseline= (the data file `check` compares with instead of the newest backup) and Rate= (the
// samples per second rusk-server reads).
struct FleetMember {
    QString section;
    QString name;  // Name=, else the section's name; names the backup files
    QString device;
    IndicatorModel model = kDefaultModel;
    QString line;  // Line=, else the default line settings
    QString baseline;
    int rate = 2;  // Rate=: samples per second the server reads, 1 to 20
};

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
// or 800, bad line settings, a name unfit for a file name, two indicators of the same name. A
// relative Baseline is taken from the fleet file's folder. The reasons show control characters
// escaped, and after the first few the rest are counted.
FleetFile ReadFleetFile(const QString& path, const QString& defaultLine);

// The largest fleet file read, and how many of its mistakes are listed.
inline constexpr qint64 kFleetFileMaxBytes = 1024 * 1024;
inline constexpr int kFleetFileListedErrors = 10;
