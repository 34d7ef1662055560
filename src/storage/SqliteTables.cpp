#include "storage/SqliteTables.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>

#include "platform/FailureReason.h"
#include "platform/FileRules.h"
#include "texts/StorageTexts.h"

namespace {

const QString kDriver = QStringLiteral("QSQLITE");

// The driver gives SQLite's result code as the native error code.
QString Reason(const QSqlError& error) {
    return FailureReason({0, error.nativeErrorCode().toInt(), error.text()});
}

// One named connection for the life of one read or write; closed and removed at the end.
class Connection {
  public:
    Connection(const QString& path, bool readOnly) {
        static std::atomic<int> counter{0};
        name_ = QStringLiteral("rusk-datafile-%1").arg(counter++);
        QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, name_);
        // An absolute name: SQLite takes a name beginning with "file:" as a URI, which could
        // name another file, and ":memory:" as no file at all.
        db.setDatabaseName(AbsoluteFileName(path));
        if (readOnly) db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) failure_ = Reason(db.lastError());
    }
    ~Connection() {
        {
            QSqlDatabase db = QSqlDatabase::database(name_, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    QSqlDatabase db() const { return QSqlDatabase::database(name_, false); }
    const QString& failure() const { return failure_; }

  private:
    QString name_;
    QString failure_;
};

QString Quoted(const QString& name) {
    QString doubled = name;
    doubled.replace(u'"', QStringLiteral("\"\""));
    return u'"' + doubled + u'"';
}

QString DriverMissing() {
    return Tr(StorageText::NoSqliteDriver);
}

QString ErrorText(const QSqlQuery& q) {
    return Reason(q.lastError());
}

// The names of the file's tables; fails on a file SQLite cannot read.
bool TableNames(const QSqlDatabase& db, QStringList& names, QString& failure) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"))) {
        failure = ErrorText(q);
        return false;
    }
    while (q.next()) names << q.value(0).toString();
    if (q.lastError().isValid()) {
        failure = ErrorText(q);
        return false;
    }
    return true;
}

// The table's fields in position order, with whether each is stored (not computed on reading:
// a virtual table's hidden field or a generated one, which the file could make arbitrarily
// large or slow).
bool FieldsOf(const QSqlDatabase& db, const QString& table, QStringList& names,
              std::vector<bool>& stored, QString& failure) {
    constexpr int kStoredGenerated = 3;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("PRAGMA table_xinfo(%1)").arg(Quoted(table)))) {
        failure = ErrorText(q);
        return false;
    }
    while (q.next()) {
        names << q.value(1).toString();
        const int hidden = q.value(6).toInt();
        stored.push_back(hidden == 0 || hidden == kStoredGenerated);
    }
    if (q.lastError().isValid()) {
        failure = ErrorText(q);
        return false;
    }
    return true;
}

// Reads the requested fields by name, each cell cut to kCellChars characters by SQLite itself,
// and no more rows than asked for: what a load takes is bounded whatever the file holds.
bool ReadTable(const QSqlDatabase& db, const TableRequest& request, DataTable& table,
               QString& failure) {
    std::vector<bool> stored;
    if (!FieldsOf(db, request.name, table.fields, stored, failure)) return false;
    const std::vector<int> positions =
        ColumnPositions(table.fields, request.columns, &table.oddValue);
    QStringList cells;
    for (const int at : positions) {
        if (at >= 0 && !stored[at]) table.oddValue = true;
        cells << (at >= 0 && stored[at] ? QStringLiteral("substr(%1, 1, %2)")
                                              .arg(Quoted(table.fields[at]))
                                              .arg(kCellChars)
                                        : QStringLiteral("NULL"));
    }
    if (cells.isEmpty()) cells << QStringLiteral("NULL");
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT %1 FROM %2 LIMIT %3")
                    .arg(cells.join(u", "), Quoted(request.name))
                    .arg(qMax(0, request.maxRows)))) {
        failure = ErrorText(q);
        return false;
    }
    const int count = static_cast<int>(request.columns.size());
    while (static_cast<int>(table.rows.size()) < request.maxRows && q.next()) {
        std::vector<std::optional<QString>> row;
        for (int i = 0; i < count; ++i) {
            const QVariant v = q.value(i);
            if (v.isNull()) {
                row.emplace_back();
            } else if (v.metaType().id() == QMetaType::QByteArray) {
                table.oddValue = true;
                row.emplace_back();
            } else {
                row.emplace_back(v.toString());
            }
        }
        table.rows.push_back(std::move(row));
    }
    if (q.lastError().isValid()) {
        failure = ErrorText(q);
        return false;
    }
    return true;
}

QString CreateStatement(const QString& name, const QStringList& fields) {
    // Text of at most five characters; no value (null) is allowed, an empty text is not.
    QStringList columns;
    for (const QString& field : fields) {
        const QString f = Quoted(field);
        columns << QStringLiteral("%1 VARCHAR(5) CHECK (length(%1) BETWEEN 1 AND 5)").arg(f);
    }
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(Quoted(name), columns.join(u", "));
}

QString InsertStatement(const QString& name, int fieldCount) {
    QStringList marks;
    for (int i = 0; i < fieldCount; ++i) marks << QStringLiteral("?");
    return QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(Quoted(name), marks.join(u", "));
}

QString WriteTable(const QSqlDatabase& db, const QString& name, const DataTable& table) {
    QSqlQuery q(db);
    if (!q.exec(CreateStatement(name, table.fields))) return ErrorText(q);
    if (!q.prepare(InsertStatement(name, table.fields.size()))) return ErrorText(q);
    for (const auto& row : table.rows) {
        for (int i = 0; i < table.fields.size(); ++i) {
            const bool has = i < static_cast<int>(row.size()) && row[i] && !row[i]->isEmpty();
            q.bindValue(i, has ? QVariant(*row[i]) : QVariant(QMetaType::fromType<QString>()));
        }
        if (!q.exec()) return ErrorText(q);
    }
    return {};
}

}  // namespace

TablesRead ReadSqliteTables(const QString& path, const std::vector<TableRequest>& requests) {
    TablesRead result;
    if (!QSqlDatabase::isDriverAvailable(kDriver)) {
        result.failure = DriverMissing();
        return result;
    }
    Connection connection(path, true);
    if (!connection.failure().isEmpty()) {
        result.failure = connection.failure();
        return result;
    }
    const QSqlDatabase db = connection.db();
    QStringList names;
    if (!TableNames(db, names, result.failure)) return result;
    for (const TableRequest& request : requests) {
        if (!names.contains(request.name)) {
            result.tables.emplace_back();
            continue;
        }
        DataTable table;
        if (!ReadTable(db, request, table, result.failure)) {
            result.tables.clear();
            return result;
        }
        result.tables.emplace_back(std::move(table));
    }
    return result;
}

QString WriteSqliteTables(const QString& path,
                          const std::vector<std::pair<QString, DataTable>>& tables) {
    if (!QSqlDatabase::isDriverAvailable(kDriver)) return DriverMissing();
    Connection connection(path, false);
    if (!connection.failure().isEmpty()) return connection.failure();
    QSqlDatabase db = connection.db();
    // The transaction by statements of its own: the driver's own calls drop SQLite's result
    // code, which tells a full disk from other failures.
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("BEGIN"))) return ErrorText(q);
    for (const auto& [name, table] : tables) {
        const QString failure = WriteTable(db, name, table);
        if (!failure.isEmpty()) {
            q.exec(QStringLiteral("ROLLBACK"));
            return failure;
        }
    }
    if (!q.exec(QStringLiteral("COMMIT"))) {
        const QString failure = ErrorText(q);
        q.exec(QStringLiteral("ROLLBACK"));
        return failure;
    }
    return {};
}
