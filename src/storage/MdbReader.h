#pragma once

#include <QString>
#include <vector>

#include "storage/DataTables.h"

// Reads data files kept in Microsoft Access form (Jet 3 and 4, ACE), read-only. Text is
// decoded to Unicode; Access 97 (Jet 3) files are taken to be in code page 932.
TablesRead ReadMdbTables(const QString& path, const std::vector<TableRequest>& requests);
