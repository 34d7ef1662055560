#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// A table of a data file as a reader found it: its field names in position order and its
// first rows. A cell without a value (null) is nullopt.
struct DataTable {
    QStringList fields;
    std::vector<std::vector<std::optional<QString>>> rows;
    // Some cell held something that is not text (binary data): the file is not one of ours.
    bool oddValue = false;
};

// Which tables a reader reads, and how many rows of each at most.
struct TableRequest {
    QString name;
    int maxRows = 0;
};

// What a reader gives back: one entry per requested table, nullopt where the file has no
// table of that name; or, when the file could not be read at all, why.
struct TablesRead {
    std::vector<std::optional<DataTable>> tables;
    QString failure;  // empty when the file was read
    // The failure lies with the file, not with this program (a reader it could not start).
    bool fileAtFault = true;
};
