#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "storage/DataFileLayout.h"

// A table of a data file as a reader found it: the names of all its fields in position order,
// and its first rows, each holding the cells of the fields asked for (TableRequest::columns) in
// the order asked, whatever their positions in the file. A cell without a value (null), or of
// a field the table lacks, is nullopt. Readers give at most kCellChars characters of a value:
// enough to tell one longer than any field holds, never more, whatever the file holds.
struct DataTable {
    QStringList fields;
    std::vector<std::vector<std::optional<QString>>> rows;
    // Some cell held something that is not text (binary data or a value computed on reading),
    // or a field's name is there twice: the file is not one of ours.
    bool oddValue = false;
};

inline constexpr int kCellChars = datafile::kValueLength + 1;

// Which tables a reader reads, how many rows of each at most, and which fields, by name.
struct TableRequest {
    TableRequest(QString table, int rows, QStringList fields = {})
        : name(std::move(table)), maxRows(rows), columns(std::move(fields)) {}
    QString name;
    int maxRows = 0;
    QStringList columns;
};

// What a reader gives back: one entry per requested table, nullopt where the file has no
// table of that name; or, when the file could not be read at all, why.
struct TablesRead {
    std::vector<std::optional<DataTable>> tables;
    QString failure;  // empty when the file was read
    // The failure lies with the file, not with this program (a reader it could not start).
    bool fileAtFault = true;
};

// Where each of `columns` is among `fields`, names matched without regard to case as the
// database engines match them; -1 for one the table lacks. A name found twice sets `ambiguous`.
std::vector<int> ColumnPositions(const QStringList& fields, const QStringList& columns,
                                 bool* ambiguous);

// The names of `columns` that `fields` lacks.
QStringList MissingColumns(const QStringList& fields, const QStringList& columns);
