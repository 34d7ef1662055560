#pragma once

// The settings sheet a technician hands over after commissioning: what the window's data (or a
// data file) holds, decoded as the window shows it. Widget-free; SheetPainter lays it out.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

#include "app/DataSource.h"
#include "model/SettingsStore.h"

// Where the data came from, for the sheet's header.
struct SheetSource {
    QString device;       // the port the program talks on; empty when none
    DataOrigin origin;    // where the values came from: a data file, the indicator, a snapshot
    bool edited = false;  // the values are no longer all those the origin gave
    QDateTime at;         // when the sheet is made
};

// One item of a value packing several (a detail row of the setting).
struct SheetItem {
    QString caption;  // the detail row's caption
    QString meaning;  // what it shows; empty when the store holds no value
};

// One setting: its code ("W20"), the item button's caption, the stored five digits and what
// they mean. A value packing several items has one item per detail row and no meaning of its
// own; a value the store does not hold has an empty raw value and empty meanings.
struct SheetSetting {
    QString code;
    QString caption;
    QString raw;
    QString meaning;
    std::vector<SheetItem> items;
};

struct SheetProduct {
    int number = 0;
    QStringList values;  // the eight fields as stored
};

struct SettingsSheet {
    QStringList headerLines;  // "機種: F805", "作成日時: …", "装置: …", "データの出所: …", …
    QString title;
    std::vector<SheetSetting> settings;  // catalogue order
    QStringList productCaptions;         // the eight field captions
    std::vector<SheetProduct> products;  // products holding any value
    QString productNote;  // which products were left out for holding nothing; empty if none
};

SettingsSheet BuildSheet(const SettingsStore& store, const SheetSource& source);

// "Rusk 2.0.0": the program and its version.
QString ProgramVersionText();

// The list of numbers with runs joined: {0, 1, 2, 5, 7, 8} → "0–2、5、7–8".
QString NumberRanges(const std::vector<int>& numbers);
