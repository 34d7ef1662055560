#pragma once

#include "texts/Text.h"

// The data file: what cannot be read or saved, and why.
enum class StorageText {
    NotDataFile,
    CannotOpen,
    CannotRead,         // %1: why
    CannotReadDamaged,  // %1: why
    Damaged,            // %1: where
    MissingTable,       // %1: the table
    LoadedOnly,         // %1: what was loaded instead
    QuotedName,         // a name quoted
    MoreColumns,        // after the named columns; %1: how many in all
    ListJoiner,         // between the items of a list
    Columns,            // after the named columns
    MissingColumns,     // %1: table, %2: the columns
    ProductCell,        // %1: table, %2: product, %3: column
    TableCell,          // %1: table, %2: column
    ModelMismatch,      // %1: the model
    ProductsLoadedOnly,
    Settings,  // what was loaded
    Products,
    SaveFailed,  // %1: why
    ControlCharacter,
    NotAscii,
    TooLong,
    SavedBlank,
    AndMore,       // %1: how many more
    ProductValue,  // %1: product, %2: field
    AccessNotReadable,
    AccessDamaged,
    AccessHelperMissing,  // %1: the helper program
    NoSqliteDriver,
};

QString Tr(StorageText id);
void AddStorageSources(std::vector<texts::Source>& into);
