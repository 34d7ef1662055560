#include "storage/MdbReader.h"

#include <mdbtools.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDataStream>
#include <QDeadlineTimer>
#include <QFile>
#include <QIODevice>
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

TablesRead ReadMdbTablesHere(const QString& path, const std::vector<TableRequest>& requests) {
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

namespace {

constexpr int kReadSeconds = 20;

QByteArray Serialize(const TablesRead& read) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << read.failure << static_cast<qint32>(read.tables.size());
    for (const auto& table : read.tables) {
        out << table.has_value();
        if (!table) continue;
        out << table->fields << table->oddValue << static_cast<qint32>(table->rows.size());
        for (const auto& row : table->rows) {
            out << static_cast<qint32>(row.size());
            for (const auto& cell : row) out << cell.has_value() << cell.value_or(QString());
        }
    }
    return bytes;
}

bool Deserialize(const QByteArray& bytes, TablesRead& read) {
    QDataStream in(bytes);
    qint32 tables = 0;
    in >> read.failure >> tables;
    for (qint32 t = 0; t < tables && in.status() == QDataStream::Ok; ++t) {
        bool present = false;
        in >> present;
        if (!present) {
            read.tables.emplace_back();
            continue;
        }
        DataTable table;
        qint32 rows = 0;
        in >> table.fields >> table.oddValue >> rows;
        for (qint32 r = 0; r < rows && in.status() == QDataStream::Ok; ++r) {
            qint32 cells = 0;
            in >> cells;
            std::vector<std::optional<QString>> row;
            for (qint32 c = 0; c < cells && in.status() == QDataStream::Ok; ++c) {
                bool has = false;
                QString value;
                in >> has >> value;
                row.push_back(has ? std::optional<QString>(value) : std::nullopt);
            }
            table.rows.push_back(std::move(row));
        }
        read.tables.push_back(std::move(table));
    }
    return in.status() == QDataStream::Ok && in.atEnd();
}

void WriteAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        done += n;
    }
}

}  // namespace

TablesRead ReadMdbTables(const QString& path, const std::vector<TableRequest>& requests) {
    // libmdb is C code reading whatever the file holds: a damaged file could crash it or send
    // it round in circles. It reads in a child process, so that neither takes the program (and
    // the operator's unsaved values) with it.
    TablesRead failed;
    failed.failure =
        QStringLiteral("Access 形式のファイルとして読み込めません（ファイルが壊れています）。");
    int fds[2];
    if (::pipe(fds) != 0) return ReadMdbTablesHere(path, requests);
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return ReadMdbTablesHere(path, requests);
    }
    if (child == 0) {
        ::close(fds[0]);
        WriteAll(fds[1], Serialize(ReadMdbTablesHere(path, requests)));
        ::_exit(0);
    }
    ::close(fds[1]);
    QByteArray bytes;
    QDeadlineTimer deadline(kReadSeconds * 1000);
    bool ended = false;
    while (!deadline.hasExpired()) {
        pollfd p{fds[0], POLLIN, 0};
        const int ready =
            ::poll(&p, 1, static_cast<int>(qMax<qint64>(1, deadline.remainingTime())));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) break;
        char buffer[65536];
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ended = true;
            break;
        }
        bytes.append(buffer, n);
    }
    ::close(fds[0]);
    if (!ended) ::kill(child, SIGKILL);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    TablesRead read;
    if (!ended || !WIFEXITED(status) || WEXITSTATUS(status) != 0 || !Deserialize(bytes, read))
        return failed;
    return read;
}
