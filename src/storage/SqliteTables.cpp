#include "storage/SqliteTables.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>
#include <atomic>

#include "storage/FailureReason.h"

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
        db.setDatabaseName(path);
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
    return QStringLiteral("SQLite のドライバー（QSQLITE）が見つかりません。");
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

bool ReadTable(const QSqlDatabase& db, const TableRequest& request, DataTable& table,
               QString& failure) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT * FROM ") + Quoted(request.name))) {
        failure = ErrorText(q);
        return false;
    }
    const QSqlRecord record = q.record();
    for (int i = 0; i < record.count(); ++i) table.fields << record.fieldName(i);
    while (static_cast<int>(table.rows.size()) < request.maxRows && q.next()) {
        std::vector<std::optional<QString>> row;
        for (int i = 0; i < record.count(); ++i) {
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
    if (!db.transaction()) return Reason(db.lastError());
    for (const auto& [name, table] : tables) {
        const QString failure = WriteTable(db, name, table);
        if (!failure.isEmpty()) {
            db.rollback();
            return failure;
        }
    }
    if (!db.commit()) return Reason(db.lastError());
    return {};
}
