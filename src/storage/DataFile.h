#pragma once

#include <QString>
#include <QStringList>

#include "model/SettingsStore.h"

// The settings data file: the product records (100 on the F805 and the F800) and every setting
// value of one model.
// Files are saved as SQLite 3 databases (under the name the operator chose, normally "*.mdb");
// loading reads those and Microsoft Access files alike, told apart by their first bytes.

enum class DataFileFormat { Sqlite, Access, Other, Unreadable, NotRegular, TooLarge };

// The form of the file at `path` by its header: "SQLite format 3" followed by NUL, or the
// Access page header naming "Standard Jet DB" or "Standard ACE DB". The file rules
// (platform/FileRules.h) decide what is read: anything that is not a regular file once
// symbolic links are followed (a folder, a named pipe, a device) is NotRegular and is not
// opened, a file beyond 64 MiB is TooLarge; a file that cannot be opened is Unreadable;
// anything else, an empty file included, is Other.
DataFileFormat DetectDataFileFormat(const QString& path);

// Load modes: 1 products then settings, 2 products only, 4 settings only.
namespace loadmode {
constexpr int kAll = 1;
constexpr int kProducts = 2;
constexpr int kSettings = 4;
}  // namespace loadmode

struct DataFileLoad {
    bool storeChanged = false;  // rows were copied into the store: redraw
    QStringList messages;       // to show, in order, each in a message box with an OK button
};

// Loads the file into the store. Fields are read by name, whatever their order, and only the
// known ones (other fields, an Access file's "ID" for one, are not read). Products: row i of
// "銘柄" (at most as many rows as the selected model has products) into product i. Settings:
// the one row of "設定値" into the store elements of the selected model, once the table passes
// the model check: it holds a field of the selected model's layout that the other model's
// lacks. A field without a value leaves the store as it is; the store is never cleared and the
// model never changes. A file that cannot be read, that lacks one of the known fields of a
// table it loads (named in the message), or that holds a value which no data file can hold
// (longer than five characters, control characters, binary data, a value computed on reading),
// changes nothing and says why. A table the file lacks changes nothing of its half. Names are
// file names, never URIs.
DataFileLoad LoadDataFile(SettingsStore& store, const QString& path, int mode);

struct DataFileSave {
    bool saved = false;
    QStringList messages;
};

// Saves the whole store as a new file at `path`: "銘柄" with a row per product of the selected
// model (100 on the F805 and the F800) and "設定値" with the selected model's fields and
// "INDICATOR". The file replaces its target by the file rules (platform/FileRules.h): written
// beside it and put in its place only when complete, so a failing save leaves an existing file as
// it was; a symbolic link is saved through; a read-only file and anything that is not a regular
// file are refused and left as they are. Values the file cannot hold (longer than five characters,
// control characters, other than printable ASCII) are left without value, and the result names them
// with the reason. Failures are told in the operator's words (FailureReason).
DataFileSave SaveDataFile(const SettingsStore& store, const QString& path);

// Why a save to `path` would be refused, found before there is anything to save (before a long
// read, say): the target's own refusals above, and a folder that takes no new file (missing,
// not writable). The message SaveDataFile would give; empty when the save may go ahead.
QString DataFileSaveRefusal(const QString& path);

// The messages of the model check.
QString ModelMismatchText(IndicatorModel selected, bool productsLoaded);
