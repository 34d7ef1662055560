#include "history/Journal.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>

#include "link/RunKinds.h"
#include "model/ModelFacts.h"
#include "platform/FailureReason.h"
#include "texts/HistoryTexts.h"

// The file: one row per snapshot in "snapshots", its values in "snapshot_values" in the order
// they were exchanged. The application id tells a journal from any other SQLite file.
//
// Schema 2 keeps the operation and the note as kinds (link/RunKinds.h), which the view turns
// into the operator's words; schema 1 kept the words themselves, and is taken into schema 2
// when opened (Journal::migrate).
namespace {

constexpr qint64 kApplicationId = 0x5255534B;  // "RUSK"
constexpr int kSchemaVersion = 2;
constexpr qint64 kDayMs = 24LL * 60 * 60 * 1000;
constexpr int kSqliteCorrupt = 11, kSqliteCantOpen = 14, kSqliteNotADatabase = 26;

// IF NOT EXISTS: another program may have created them a moment ago.
const char* const kSchema[] = {
    "CREATE TABLE IF NOT EXISTS snapshots ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " time_ms INTEGER NOT NULL,"  // UTC, milliseconds since 1970
    " device TEXT NOT NULL,"
    " by_id TEXT NOT NULL,"      // the /dev/serial/by-id/… link to the device, or ''
    " model INTEGER NOT NULL,"   // 805 or 800
    " operation TEXT NOT NULL,"  // its kind: 'all_read', …
    " direction TEXT NOT NULL CHECK (direction IN ('read', 'write')),"
    " complete INTEGER NOT NULL,"
    " note TEXT NOT NULL,"  // RunNote's parts: 'before_write', 'verify_refused 3', …, or ''
    " value_count INTEGER NOT NULL)",
    "CREATE TABLE IF NOT EXISTS snapshot_values ("
    " snapshot_id INTEGER NOT NULL,"
    " seq INTEGER NOT NULL,"
    " product INTEGER NOT NULL,"  // -1 for a setting
    " code TEXT NOT NULL,"
    " value TEXT NOT NULL,"
    " PRIMARY KEY (snapshot_id, seq)) WITHOUT ROWID",
};

const QString kDeviceName = QStringLiteral("(CASE WHEN by_id <> '' THEN by_id ELSE device END)");
const QString kEntryColumns = QStringLiteral(
    "id, time_ms, device, by_id, model, operation, direction, complete, note, value_count");

// Creates the folder and its parents; 0 or the errno of the step that failed.
int MakeFolder(const QString& folder) {
    const QByteArray name = QFile::encodeName(folder);
    struct stat st {};
    if (::stat(name.constData(), &st) == 0) return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
    const QString parent = QFileInfo(folder).path();
    if (parent != folder)
        if (const int e = MakeFolder(parent)) return e;
    return ::mkdir(name.constData(), 0700) == 0 || errno == EEXIST ? 0 : errno;
}

QString NoteText(const QString& path, QString reason) {
    if (reason.endsWith(u'。')) reason.chop(1);
    return Tr(HistoryText::NotKept).arg(path, reason);
}

QString NotFoundText() {
    return Tr(HistoryText::NotFound);
}

// Text for a NOT NULL column: Qt binds a null QString as NULL.
QString Text(const QString& text) {
    return text.isNull() ? QStringLiteral("") : text;
}

JournalEntry EntryOf(const QSqlQuery& q) {
    JournalEntry e;
    e.id = q.value(0).toLongLong();
    e.time = QDateTime::fromMSecsSinceEpoch(q.value(1).toLongLong(), Qt::UTC);
    e.device = q.value(2).toString();
    e.byIdName = q.value(3).toString();
    e.model = static_cast<IndicatorModel>(q.value(4).toInt());
    // Words are taken as their kind: those an older program wrote in beside this one.
    e.operation = RunKindOfText(q.value(5).toString());
    e.direction = q.value(6).toString() == QLatin1String("write") ? TransferRun::Direction::Write
                                                                  : TransferRun::Direction::Read;
    e.complete = q.value(7).toBool();
    e.note = NoteOfText(q.value(8).toString());
    e.valueCount = q.value(9).toInt();
    return e;
}

// The product field of a product value's code ("10" … "17"); -1 for any other code.
int ProductItemOf(const QString& code) {
    constexpr int kFirstProductCode = 10;
    bool ok = false;
    const int item = code.toInt(&ok) - kFirstProductCode;
    return ok && item >= 0 && item < SettingsStore::kProductItems ? item : -1;
}

}  // namespace

void PutValues(SettingsStore& store, const std::vector<TransferValue>& values) {
    for (const TransferValue& v : values) {
        if (v.product < 0)
            store.setValue(v.code, v.value);
        else if (const int item = ProductItemOf(v.code); item >= 0)
            store.setProduct(v.product, item, v.value);
    }
}

QString StoredValue(const SettingsStore& store, const TransferValue& place) {
    if (place.product < 0) return store.value(place.code);
    const int item = ProductItemOf(place.code);
    return item >= 0 ? store.product(place.product, item) : QString();
}

// A failure as the operator reads it, and whether it shows the file is damaged.
struct Journal::Failure {
    bool damaged = false;
    QString reason;

    static Failure Of(const QSqlError& error) {
        const int code = error.nativeErrorCode().toInt();
        const int primary = code & 0xFF;
        if (primary == kSqliteCantOpen) return {false, Tr(HistoryText::CannotOpen)};
        return {primary == kSqliteCorrupt || primary == kSqliteNotADatabase,
                FailureReason({0, code, error.text()})};
    }
    static Failure OfErrno(int e) { return {false, FailureReason(SystemFailure::FromErrno(e))}; }
    static Failure Damaged() { return {true, DamagedFileReason()}; }
};

namespace {

// A statement on the journal's connection that remembers its first failure.
class Statement {
  public:
    explicit Statement(const QSqlDatabase& db) : q_(db) { q_.setForwardOnly(true); }
    bool exec(const QString& sql) { return q_.exec(sql) || noteError(); }
    bool prepare(const QString& sql) { return q_.prepare(sql) || noteError(); }
    bool exec() { return q_.exec() || noteError(); }
    QSqlQuery& q() { return q_; }
    QSqlError error() const { return error_; }
    // The first column of the first row of `sql`, invalid on failure.
    QVariant scalar(const QString& sql) {
        if (!exec(sql) || !q_.next()) return {};
        return q_.value(0);
    }

  private:
    bool noteError() {
        error_ = q_.lastError();
        return false;
    }
    QSqlQuery q_;
    QSqlError error_;
};

}  // namespace

Journal::Journal(QString path) : path_(path.isEmpty() ? DefaultPath() : std::move(path)) {}

Journal::~Journal() {
    close();
}

QString Journal::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/rusk/journal.sqlite");
}

void Journal::close() {
    if (connection_.isEmpty()) return;
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
    connection_.clear();
    open_ = false;
}

Journal::Outcome Journal::fail(const Failure& failure) {
    failure_ = failure.reason;
    return failure.damaged ? Outcome::Damaged : Outcome::Failed;
}

Journal::Outcome Journal::openFile() {
    close();
    const QString folder = QFileInfo(path_).absolutePath();
    if (const int e = MakeFolder(folder)) return fail(Failure::OfErrno(e));
    // SQLite would open a file it may not write read-only and fail later with less to say.
    const bool exists = QFileInfo::exists(path_);
    if (::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0 ||
        (exists && ::access(QFile::encodeName(path_).constData(), R_OK | W_OK) != 0))
        return fail(Failure::OfErrno(errno));
    const QString driver = QStringLiteral("QSQLITE");
    if (!QSqlDatabase::isDriverAvailable(driver))
        return fail({false, Tr(HistoryText::NoSqliteDriver)});

    static std::atomic<int> counter{0};
    connection_ = QStringLiteral("rusk-journal-%1").arg(counter++);
    Failure failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(driver, connection_);
        db.setDatabaseName(path_);
        db.setConnectOptions(
            QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(std::max(busyTimeoutMs, 0)));
        if (!db.open()) failure = Failure::Of(db.lastError());
    }
    if (!failure.reason.isEmpty()) {
        close();
        return fail(failure);
    }
    open_ = true;
    const Outcome outcome = checkSchema();
    if (outcome != Outcome::Done) close();
    return outcome;
}

// Takes a journal as it is, creates one in an empty file, or finds the file is none.
Journal::Outcome Journal::checkSchema() {
    const QSqlDatabase db = QSqlDatabase::database(connection_, false);
    Statement s(db);
    // Another program may be creating the file this moment: looking and creating are one write
    // transaction, which waits for the other's to end and then sees its tables.
    bool created = false;
    Outcome outcome = s.exec(QStringLiteral("BEGIN IMMEDIATE")) ? settleSchema(&created)
                                                                : fail(Failure::Of(s.error()));
    if (outcome == Outcome::Done && !s.exec(QStringLiteral("COMMIT")))
        outcome = fail(Failure::Of(s.error()));
    if (outcome != Outcome::Done) {
        Statement(db).exec(QStringLiteral("ROLLBACK"));
        return outcome;
    }
    // Write-ahead log, synced at checkpoints: a crash or a power loss keeps whole snapshots
    // only; a power loss may lose the last few. A program holding the file meanwhile may keep it
    // in its old mode until the next opening: that only costs speed.
    const bool wal =
        s.scalar(QStringLiteral("PRAGMA journal_mode = WAL")).toString() == QLatin1String("wal");
    s.exec(wal ? QStringLiteral("PRAGMA synchronous = NORMAL")
               : QStringLiteral("PRAGMA synchronous = FULL"));
    s.exec(QStringLiteral("PRAGMA journal_size_limit = 4194304"));
    if (created) return Outcome::Done;
    const QVariant check = s.scalar(QStringLiteral("PRAGMA quick_check(1)"));
    if (!check.isValid()) return fail(Failure::Of(s.error()));
    return check.toString() == QLatin1String("ok") ? Outcome::Done : fail(Failure::Damaged());
}

// Inside the write transaction: a journal stays, an empty file gets the tables, anything else
// is no journal.
Journal::Outcome Journal::settleSchema(bool* created) {
    Statement s(QSqlDatabase::database(connection_, false));
    const QVariant applicationId = s.scalar(QStringLiteral("PRAGMA application_id"));
    const QVariant tables = s.scalar(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    const QVariant version = s.scalar(QStringLiteral("PRAGMA user_version"));
    if (!applicationId.isValid() || !tables.isValid() || !version.isValid())
        return fail(Failure::Of(s.error()));
    const bool empty = applicationId.toLongLong() == 0 && tables.toInt() == 0;
    if (!empty && applicationId.toLongLong() != kApplicationId) return fail(Failure::Damaged());
    if (version.toInt() > kSchemaVersion) return fail({false, Tr(HistoryText::Newer)});
    if (!empty) return version.toInt() < kSchemaVersion ? migrate() : Outcome::Done;
    bool ok = true;
    for (const char* sql : kSchema) ok = ok && s.exec(QString::fromLatin1(sql));
    ok = ok && s.exec(QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId)) &&
         s.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
    if (!ok) return fail(Failure::Of(s.error()));
    *created = true;
    return Outcome::Done;
}

// Inside the write transaction that found a journal of schema 1: its operator's words become
// their kinds, words no kind gives stay as they were. A failure rolls the transaction back and
// leaves the file as it was.
Journal::Outcome Journal::migrate() {
    const QSqlDatabase db = QSqlDatabase::database(connection_, false);
    Statement rows(db);
    Statement update(db);
    if (!rows.exec(QStringLiteral("SELECT id, operation, note FROM snapshots")))
        return fail(Failure::Of(rows.error()));
    struct Row {
        qint64 id;
        QString operation, note;
    };
    std::vector<Row> changed;
    while (rows.q().next()) {
        const QString operation = rows.q().value(1).toString(), note = rows.q().value(2).toString();
        Row row{rows.q().value(0).toLongLong(), RunKindOfText(operation), NoteOfText(note)};
        if (row.operation != operation || row.note != note) changed.push_back(std::move(row));
    }
    if (!update.prepare(
            QStringLiteral("UPDATE snapshots SET operation = ?, note = ? WHERE id = ?")))
        return fail(Failure::Of(update.error()));
    for (const Row& row : changed) {
        update.q().bindValue(0, row.operation);
        update.q().bindValue(1, row.note);
        update.q().bindValue(2, row.id);
        if (!update.exec()) return fail(Failure::Of(update.error()));
    }
    if (!update.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion)))
        return fail(Failure::Of(update.error()));
    return Outcome::Done;
}

// Renames the damaged file (and its log) beside itself and tells the operator once.
void Journal::setAside() {
    close();
    const QString stamp =
        clock->currentDateTime().toLocalTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path_ + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path_ + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    if (std::rename(QFile::encodeName(path_).constData(), QFile::encodeName(aside).constData())) {
        fail(Failure::OfErrno(errno));
        return;
    }
    // A log left behind would be replayed into the new file.
    const QString wal = path_ + QStringLiteral("-wal");
    if (QFileInfo::exists(wal) && !QFile::rename(wal, aside + QStringLiteral("-wal")))
        QFile::remove(wal);
    QFile::remove(path_ + QStringLiteral("-shm"));
    failure_.clear();
    if (messageOnce) messageOnce(Tr(HistoryText::Rebuilt).arg(aside));
}

bool Journal::use(const std::function<Outcome()>& body) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        Outcome outcome = open_ ? Outcome::Done : openFile();
        if (outcome == Outcome::Done) outcome = body();
        if (outcome == Outcome::Done) {
            failure_.clear();
            return true;
        }
        if (outcome == Outcome::Failed) return false;
        setAside();
        if (!failure_.isEmpty()) return false;
    }
    return false;
}

QString Journal::byIdNameOf(const QString& device) const {
    const QString target = QFileInfo(device).canonicalFilePath();
    if (target.isEmpty() || byIdFolder.isEmpty()) return {};
    const QFileInfoList links =
        QDir(byIdFolder)
            .entryInfoList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                           QDir::Name);
    for (const QFileInfo& link : links)
        if (link.canonicalFilePath() == target) return link.absoluteFilePath();
    return {};
}

Journal::Outcome Journal::insert(const TransferRun& run, const QString& note, qint64* id) {
    const QSqlDatabase db = QSqlDatabase::database(connection_, false);
    Statement s(db);
    Statement head(db);
    Statement value(db);
    bool ok = s.exec(QStringLiteral("BEGIN IMMEDIATE")) &&
              head.prepare(QStringLiteral("INSERT INTO snapshots (time_ms, device, by_id, model, "
                                          "operation, direction, complete, note, value_count) "
                                          "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    if (ok) {
        QSqlQuery& q = head.q();
        q.addBindValue(clock->currentDateTime().toMSecsSinceEpoch());
        q.addBindValue(Text(run.device));
        q.addBindValue(Text(byIdNameOf(run.device)));
        q.addBindValue(static_cast<int>(run.model));
        q.addBindValue(Text(run.operation));
        q.addBindValue(run.direction == TransferRun::Direction::Write ? QStringLiteral("write")
                                                                      : QStringLiteral("read"));
        q.addBindValue(run.complete ? 1 : 0);
        q.addBindValue(Text(note));
        q.addBindValue(static_cast<qint64>(run.values.size()));
        ok = head.exec() &&
             value.prepare(QStringLiteral("INSERT INTO snapshot_values VALUES (?, ?, ?, ?, ?)"));
    }
    *id = ok ? head.q().lastInsertId().toLongLong() : 0;
    for (size_t i = 0; ok && i < run.values.size(); ++i) {
        QSqlQuery& q = value.q();
        q.bindValue(0, *id);
        q.bindValue(1, static_cast<qint64>(i));
        q.bindValue(2, run.values[i].product);
        q.bindValue(3, Text(run.values[i].code));
        q.bindValue(4, Text(run.values[i].value));
        ok = value.exec();
    }
    ok = ok && s.exec(QStringLiteral("COMMIT"));
    if (ok) return Outcome::Done;
    QSqlError error = s.error();
    if (!error.isValid()) error = head.error().isValid() ? head.error() : value.error();
    Statement(db).exec(QStringLiteral("ROLLBACK"));
    return fail(Failure::Of(error));
}

// Drops the snapshots that are neither among the newest `keepCount` nor younger than
// `keepDays`, then the oldest while the file nears `maxBytes`; vacuums when much is free. A
// failure here loses nothing that was kept and is not told.
void Journal::prune() {
    const QSqlDatabase db = QSqlDatabase::database(connection_, false);
    Statement s(db);
    std::vector<qint64> drop;
    Statement old(db);
    const qint64 cutoff = clock->currentDateTime().toMSecsSinceEpoch() - limits.keepDays * kDayMs;
    if (old.prepare(QStringLiteral("SELECT id FROM snapshots WHERE time_ms < ? AND id < (SELECT "
                                   "id FROM snapshots ORDER BY id DESC LIMIT 1 OFFSET ?)"))) {
        old.q().addBindValue(cutoff);
        old.q().addBindValue(std::max(limits.keepCount, 1) - 1);
        if (old.exec())
            while (old.q().next()) drop.push_back(old.q().value(0).toLongLong());
    }

    // Bytes in use, and an estimate of a snapshot's share: per value, plus one for its row.
    const qint64 pageSize = s.scalar(QStringLiteral("PRAGMA page_size")).toLongLong();
    const qint64 used = (s.scalar(QStringLiteral("PRAGMA page_count")).toLongLong() -
                         s.scalar(QStringLiteral("PRAGMA freelist_count")).toLongLong()) *
                        pageSize;
    Statement sizes(db);
    std::vector<std::pair<qint64, qint64>> units;  // oldest first: id, values + 1
    qint64 totalUnits = 0;
    if (used > limits.maxBytes / 2 &&
        sizes.exec(QStringLiteral("SELECT id, value_count + 1 FROM snapshots ORDER BY id")))
        while (sizes.q().next()) {
            units.emplace_back(sizes.q().value(0).toLongLong(), sizes.q().value(1).toLongLong());
            totalUnits += units.back().second;
        }
    if (!units.empty()) {
        const double perUnit = static_cast<double>(used) / static_cast<double>(totalUnits);
        // Room for two more snapshots like the last, so that the file never grows past the
        // limit; pruning down to twice that leaves room for many before the next.
        const qint64 headroom =
            std::max(limits.maxBytes / 10, static_cast<qint64>(2 * perUnit * units.back().second));
        if (used > limits.maxBytes - headroom) {
            double toFree = static_cast<double>(used - (limits.maxBytes - 2 * headroom));
            for (size_t i = 0; i + 1 < units.size() && toFree > 0; ++i) {
                drop.push_back(units[i].first);
                toFree -= perUnit * static_cast<double>(units[i].second);
            }
        }
    }
    if (drop.empty()) return;
    std::sort(drop.begin(), drop.end());
    drop.erase(std::unique(drop.begin(), drop.end()), drop.end());

    Statement values(db);
    Statement rows(db);
    bool ok = s.exec(QStringLiteral("BEGIN IMMEDIATE")) &&
              values.prepare(QStringLiteral("DELETE FROM snapshot_values WHERE snapshot_id = ?")) &&
              rows.prepare(QStringLiteral("DELETE FROM snapshots WHERE id = ?"));
    for (size_t i = 0; ok && i < drop.size(); ++i) {
        values.q().bindValue(0, drop[i]);
        rows.q().bindValue(0, drop[i]);
        ok = values.exec() && rows.exec();
    }
    if (!(ok && s.exec(QStringLiteral("COMMIT")))) {
        Statement(db).exec(QStringLiteral("ROLLBACK"));
        return;
    }
    const qint64 pages = s.scalar(QStringLiteral("PRAGMA page_count")).toLongLong();
    const qint64 free = s.scalar(QStringLiteral("PRAGMA freelist_count")).toLongLong();
    if (free * 3 > pages) s.exec(QStringLiteral("VACUUM"));
}

void Journal::noteFailure() const {
    if (statusNote) statusNote(NoteText(QDir::toNativeSeparators(path_), failure_));
}

qint64 Journal::record(const TransferRun& run, const QString& note) {
    qint64 id = 0;
    if (!use([&] { return insert(run, note, &id); })) {
        noteFailure();
        return 0;
    }
    prune();
    return id;
}

bool Journal::setNote(qint64 id, const QString& note) {
    return amend(id, "note", note);
}

bool Journal::setOperation(qint64 id, const QString& operation) {
    return amend(id, "operation", operation);
}

bool Journal::amend(qint64 id, const char* column, const QString& text) {
    const bool kept = use([&] {
        Statement s(QSqlDatabase::database(connection_, false));
        if (!s.prepare(QStringLiteral("UPDATE snapshots SET %1 = ? WHERE id = ?")
                           .arg(QLatin1String(column))))
            return fail(Failure::Of(s.error()));
        s.q().addBindValue(Text(text));
        s.q().addBindValue(id);
        if (!s.exec()) return fail(Failure::Of(s.error()));
        return s.q().numRowsAffected() == 1 ? Outcome::Done : fail({false, NotFoundText()});
    });
    if (!kept) noteFailure();
    return kept;
}

std::vector<JournalEntry> Journal::list(const QString& deviceName) {
    std::vector<JournalEntry> entries;
    use([&] {
        entries.clear();
        Statement s(QSqlDatabase::database(connection_, false));
        QString sql = QStringLiteral("SELECT ") + kEntryColumns + QStringLiteral(" FROM snapshots");
        if (!deviceName.isEmpty()) sql += QStringLiteral(" WHERE ") + kDeviceName + " = ?";
        if (!s.prepare(sql + QStringLiteral(" ORDER BY id DESC")))
            return fail(Failure::Of(s.error()));
        if (!deviceName.isEmpty()) s.q().addBindValue(deviceName);
        if (!s.exec()) return fail(Failure::Of(s.error()));
        while (s.q().next()) entries.push_back(EntryOf(s.q()));
        return Outcome::Done;
    });
    return entries;
}

QStringList Journal::devices() {
    QStringList names;
    use([&] {
        names.clear();
        Statement s(QSqlDatabase::database(connection_, false));
        if (!s.exec(QStringLiteral("SELECT DISTINCT ") + kDeviceName +
                    QStringLiteral(" AS name FROM snapshots ORDER BY name")))
            return fail(Failure::Of(s.error()));
        while (s.q().next()) names << s.q().value(0).toString();
        return Outcome::Done;
    });
    return names;
}

std::optional<JournalSnapshot> Journal::load(qint64 id) {
    std::optional<JournalSnapshot> snapshot;
    use([&] {
        snapshot.reset();
        const QSqlDatabase db = QSqlDatabase::database(connection_, false);
        Statement head(db);
        Statement values(db);
        if (!head.prepare(QStringLiteral("SELECT ") + kEntryColumns +
                          QStringLiteral(" FROM snapshots WHERE id = ?")))
            return fail(Failure::Of(head.error()));
        head.q().addBindValue(id);
        if (!head.exec()) return fail(Failure::Of(head.error()));
        if (!head.q().next()) return Outcome::Done;
        JournalSnapshot found{EntryOf(head.q()), {}};
        if (!values.prepare(QStringLiteral("SELECT product, code, value FROM snapshot_values "
                                           "WHERE snapshot_id = ? ORDER BY seq")))
            return fail(Failure::Of(values.error()));
        values.q().addBindValue(id);
        if (!values.exec()) return fail(Failure::Of(values.error()));
        while (values.q().next())
            found.values.push_back({values.q().value(0).toInt(), values.q().value(1).toString(),
                                    values.q().value(2).toString()});
        snapshot = std::move(found);
        return Outcome::Done;
    });
    return snapshot;
}

bool Journal::applyTo(qint64 id, SettingsStore& store, QString* reason) {
    const std::optional<JournalSnapshot> snapshot = load(id);
    QString why;
    if (!snapshot)
        why = failure_.isEmpty() ? NotFoundText() : failure_;
    else if (snapshot->entry.model != store.model())
        why = Tr(HistoryText::OtherModel).arg(ModelWideName(snapshot->entry.model));
    if (!why.isEmpty()) {
        if (reason) *reason = why;
        return false;
    }
    PutValues(store, snapshot->values);
    return true;
}

DataFileSave Journal::saveAsDataFile(qint64 id, const QString& path) {
    const std::optional<JournalSnapshot> snapshot = load(id);
    if (!snapshot)
        return {false,
                {Tr(HistoryText::SaveFailed).arg(failure_.isEmpty() ? NotFoundText() : failure_)}};
    SettingsStore store;
    store.setModel(snapshot->entry.model);
    PutValues(store, snapshot->values);
    return SaveDataFile(store, path);
}
