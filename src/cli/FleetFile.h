#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "model/SettingsStore.h"

// One indicator of a fleet file: a section with Device=, Model= and optional Line=, Name= and
// Baseline= (the data file `check` compares with instead of the newest backup).
struct FleetMember {
    QString section;
    QString name;  // Name=, else the section's name; names the backup files
    QString device;
    IndicatorModel model = IndicatorModel::F805;
    QString line;  // Line=, else the default line settings
    QString baseline;
};

// The fleet file read whole, or the reasons it cannot be used (then no member is given).
struct FleetFile {
    std::vector<FleetMember> members;
    QStringList errors;  // each names the file, the line or section, and the key
};

// Reads a fleet file: "[Section]" lines, "Key=Value" lines, ';' or '#' comments, blank lines.
// Refused with a reason each: a missing or unreadable file, no section, a line outside a section
// or of no known form, a repeated section or key, an unknown key, a missing Device or Model, a
// model other than 805 or 800, bad line settings, a name unfit for a file name, two indicators
// of the same name. A relative Baseline is taken from the fleet file's folder.
FleetFile ReadFleetFile(const QString& path, const QString& defaultLine);
