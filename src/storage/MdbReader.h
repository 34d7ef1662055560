#pragma once

#include <QString>
#include <vector>

#include "storage/DataTables.h"

// Reads data files kept in Microsoft Access form (Jet 3 and 4, ACE), read-only. Text is
// decoded to Unicode; Access 97 (Jet 3) files are taken to be in code page 932.
// The file is read in a child process: a damaged file that crashes or stalls the reader gives
// a failure here, never a crash or a hang of the program.
TablesRead ReadMdbTables(const QString& path, const std::vector<TableRequest>& requests);
// The same read in this process.
TablesRead ReadMdbTablesHere(const QString& path, const std::vector<TableRequest>& requests);
