#pragma once

#include <QString>
#include <vector>

#include "storage/DataTables.h"

// Data files in SQLite 3 form: the tables and fields of the file with text fields of at most
// five characters, no index and no key.

// Reads the requested fields of the requested tables (table names matched exactly, field names
// as SQLite matches them), and nothing else of the file. A field whose value is computed on
// reading is not read: the table is marked odd. The file is opened read-only; a failure is told
// in the operator's words.
TablesRead ReadSqliteTables(const QString& path, const std::vector<TableRequest>& requests);

// Creates the tables in the given order at `path`, a new or empty file, and fills them in one
// transaction; each row holds a cell per field. Returns why it failed in the operator's words, or
// an empty text.
QString WriteSqliteTables(const QString& path,
                          const std::vector<std::pair<QString, DataTable>>& tables);
