#include "storage/DataTables.h"

std::vector<int> ColumnPositions(const QStringList& fields, const QStringList& columns,
                                 bool* ambiguous) {
    std::vector<int> positions;
    positions.reserve(columns.size());
    for (const QString& column : columns) {
        int at = -1;
        for (int i = 0; i < fields.size(); ++i) {
            if (fields[i].compare(column, Qt::CaseInsensitive) != 0) continue;
            if (at >= 0 && ambiguous) *ambiguous = true;
            if (at < 0) at = i;
        }
        positions.push_back(at);
    }
    return positions;
}

QStringList MissingColumns(const QStringList& fields, const QStringList& columns) {
    QStringList missing;
    const std::vector<int> positions = ColumnPositions(fields, columns, nullptr);
    for (size_t i = 0; i < positions.size(); ++i)
        if (positions[i] < 0) missing << columns[int(i)];
    return missing;
}
