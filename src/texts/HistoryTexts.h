#pragma once

#include "texts/Text.h"

// The journal, the comparisons and the read-back after a write.
enum class HistoryText {
    NoData,          // a side without a value
    SettingsDiffer,  // %1: how many settings differ
    ProductsDiffer,  // %1: how many product values differ
    Same,
    ListJoiner,         // between the parts of a summary
    Differ,             // %1: the parts that differ
    ProductPlace,       // %1: product, %2: the value's caption
    ReadingPlaces,      // %1: what is read
    PlacesReadStopped,  // %1: what was read
    PlacesReadDone,     // %1: what was read
    BeforeWriteValues,  // what a write will overwrite
    WrittenValues,      // what a write sent
    NotKept,            // %1: the journal file, %2: why
    NotFound,
    CannotOpen,
    NoSqliteDriver,
    Newer,
    Rebuilt,           // %1: where the damaged file went
    OtherModel,        // %1: the snapshot's model
    SaveFailed,        // %1: why
    KeepBeforeFailed,  // a write not made: what it would overwrite could not be kept; the reason
                       // follows
};

QString Tr(HistoryText id);
void AddHistorySources(std::vector<texts::Source>& into);
