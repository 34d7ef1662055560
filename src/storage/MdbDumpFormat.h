#pragma once

// What the helper program rusk-mdb-dump writes: the tables of a Microsoft Access file, read with
// libmdb in a process of its own. (libmdb is C code reading whatever a file holds: a damaged
// file may crash it or send it round in circles; that process takes the blame, not the window.)
//
// Called as   rusk-mdb-dump FILE TABLE MAXROWS [TABLE MAXROWS ...]
// it writes to its standard output, then exits with 0:
//
//   "RUSK-MDB-DUMP 1\n"
//   for each requested table, in the order asked:
//     "N\n"                   the file has no table of that name, or
//     "T<n>\n"                a table of n fields, followed by
//       n times "F<len>:<name>\n"     the field names in position order,
//       per row "R\n" and n cells, each "-\n" (no value), "B\n" (a value that is not text:
//               binary or OLE data) or "V<len>:<text>\n",
//       "E\n"                 the end of the table (at most MAXROWS rows come before it), or
//     "X\n"                   the file cannot be read as an Access file; nothing follows, or
//     "D\n"                   the file is damaged (cut short); nothing follows;
//   "Z\n"                     the end: everything was written.
//
// <n> and <len> are decimal numbers of at most 9 digits; <len> counts the bytes that follow the
// colon, which are UTF-8 and may hold any byte, line breaks included.
namespace mdbdump {

constexpr const char* kProgramName = "rusk-mdb-dump";
constexpr const char* kHeader = "RUSK-MDB-DUMP 1\n";
constexpr char kNoTable = 'N';
constexpr char kTable = 'T';
constexpr char kField = 'F';
constexpr char kRow = 'R';
constexpr char kNull = '-';
constexpr char kNotText = 'B';
constexpr char kValue = 'V';
constexpr char kTableEnd = 'E';
constexpr char kUnreadable = 'X';
constexpr char kDamaged = 'D';
constexpr char kEnd = 'Z';

}  // namespace mdbdump
