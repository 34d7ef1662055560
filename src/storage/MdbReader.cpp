#include "storage/MdbReader.h"

#include <mdbtools.h>

#include <QFile>
#include <QtGlobal>
#include <memory>

namespace {

struct HandleCloser {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
struct TableFreer {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using Handle = std::unique_ptr<MdbHandle, HandleCloser>;
using Table = std::unique_ptr<MdbTableDef, TableFreer>;

QString NotReadable() {
    return QStringLiteral("Access 形式のファイルとして読み込めません。");
}

MdbCatalogEntry* FindTable(MdbHandle* mdb, const QString& name) {
    const QByteArray wanted = name.toUtf8();
    for (unsigned int i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type == MDB_TABLE && mdb_is_user_table(entry) &&
            wanted == QByteArray(entry->object_name))
            return entry;
    }
    return nullptr;
}

bool ReadTable(MdbCatalogEntry* entry, int maxRows, DataTable& out) {
    Table table(mdb_read_table(entry));
    if (!table || !mdb_read_columns(table.get())) return false;
    const unsigned int count = table->num_cols;
    const size_t bindSize = entry->mdb->bind_size;
    std::vector<std::vector<char>> buffers(count, std::vector<char>(bindSize + 1, '\0'));
    std::vector<int> lengths(count, 0);
    std::vector<bool> binary(count, false);
    for (unsigned int i = 0; i < count; ++i) {
        auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        out.fields << QString::fromUtf8(column->name);
        binary[i] = column->col_type == MDB_OLE || column->col_type == MDB_BINARY;
        if (mdb_bind_column(table.get(), static_cast<int>(i) + 1, buffers[i].data(), &lengths[i]) <
            0)
            return false;
    }
    mdb_rewind_table(table.get());
    while (static_cast<int>(out.rows.size()) < maxRows && mdb_fetch_row(table.get())) {
        std::vector<std::optional<QString>> row;
        for (unsigned int i = 0; i < count; ++i) {
            const int length = qBound(0, lengths[i], static_cast<int>(bindSize));
            if (length == 0) {
                row.emplace_back();  // null (the file allows no empty text)
            } else if (binary[i]) {
                out.oddValue = true;
                row.emplace_back();
            } else {
                row.emplace_back(QString::fromUtf8(buffers[i].data(), length));
            }
        }
        out.rows.push_back(std::move(row));
    }
    return true;
}

}  // namespace

TablesRead ReadMdbTables(const QString& path, const std::vector<TableRequest>& requests) {
    TablesRead result;
    // Access 97 files hold their text in the code page of the system that wrote them.
    if (qEnvironmentVariableIsEmpty("MDB_JET3_CHARSET"))
        qputenv("MDB_JET3_CHARSET", QByteArrayLiteral("CP932"));
    Handle mdb(mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS));
    if (!mdb || !mdb_read_catalog(mdb.get(), MDB_TABLE)) {
        result.failure = NotReadable();
        return result;
    }
    for (const TableRequest& request : requests) {
        MdbCatalogEntry* entry = FindTable(mdb.get(), request.name);
        if (!entry) {
            result.tables.emplace_back();
            continue;
        }
        DataTable table;
        if (!ReadTable(entry, request.maxRows, table)) {
            result.tables.clear();
            result.failure = NotReadable();
            return result;
        }
        result.tables.emplace_back(std::move(table));
    }
    return result;
}
