#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "storage/DataTables.h"

// Reads data files kept in Microsoft Access form (Jet 3 and 4, ACE), read-only. Text is
// decoded to Unicode; Access 97 (Jet 3) files are taken to be in code page 932.
// The file is read by the helper program rusk-mdb-dump (storage/MdbDumpFormat.h), which this
// starts and waits for at most 20 seconds: a damaged file that crashes or stalls the helper
// gives a failure here, never a crash or a hang of the program. While it waits, the
// application's events run (timers, repainting) except the operator's input, which waits
// until the read is over.
TablesRead ReadMdbTables(const QString& path, const std::vector<TableRequest>& requests);

// The helper program: the one set here, else rusk-mdb-dump in the program's own folder (the
// build), else in libexecdir/rusk of an installed copy (tests are built in another folder and
// set it).
QString MdbDumpProgram();
void SetMdbDumpProgram(const QString& program);

// The read of ReadMdbTables by `program`, given `timeLimitMs` to finish. The helper writes
// every field of a table; the requested ones are kept, by name (DataTable).
TablesRead RunMdbDump(const QString& program, const QString& path,
                      const std::vector<TableRequest>& requests, int timeLimitMs);

// Takes the helper's output apart into `read`, every field of each table in the file's order
// (the requests' columns are not applied here). False when it is not a complete dump of the
// requested tables in the helper's form (or holds more rows than asked for); `read` is then
// left empty.
bool ParseMdbDump(const QByteArray& output, const std::vector<TableRequest>& requests,
                  TablesRead& read);
