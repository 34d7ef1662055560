#include <unistd.h>

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <latch>
#include <map>
#include <thread>

#include "history/Journal.h"
#include "model/Catalogue.h"
#include "storage/DataFile.h"
#include "support/TestClock.h"
#include "texts/HistoryTexts.h"
#include "texts/PlatformTexts.h"

namespace {

// Every product value, then every setting of the model, each five characters naming its place.
TransferRun AllRead(const QString& device, IndicatorModel model, QChar tag) {
    TransferRun run{TransferRun::Direction::Read, runkind::kAllRead, model, device, true, {}};
    for (int p = 0; p < SettingsStore::kMaxProducts; ++p)
        for (int item = 0; item < SettingsStore::kProductItems; ++item)
            run.values.push_back(
                {p, QString::number(10 + item),
                 QStringLiteral("%1%2").arg(tag).arg(p * 10 + item, 4, 10, QChar(u'0'))});
    for (const QString& code : CodesOf(model)) run.values.push_back({-1, code, tag + code + "00"});
    return run;
}

// The store holds every value of the run.
bool Holds(const SettingsStore& store, const TransferRun& run) {
    for (const TransferValue& v : run.values)
        if ((v.product < 0 ? store.value(v.code) : store.product(v.product, v.code.toInt() - 10)) !=
            v.value)
            return false;
    return true;
}

// The first value of a query on the file through a connection of its own; -1 on failure.
qint64 Scalar(const QString& path, const QString& sql) {
    qint64 value = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "check");
        db.setDatabaseName(path);
        QSqlQuery q(db);
        if (db.open() && q.exec(sql) && q.next()) value = q.value(0).toLongLong();
    }
    QSqlDatabase::removeDatabase("check");
    return value;
}

// Snapshots whose value rows do not match their count, and value rows without a snapshot.
qint64 Torn(const QString& path) {
    return Scalar(path,
                  "SELECT (SELECT count(*) FROM snapshots s WHERE value_count <> (SELECT count(*) "
                  "FROM snapshot_values WHERE snapshot_id = s.id)) + (SELECT count(*) FROM "
                  "snapshot_values WHERE snapshot_id NOT IN (SELECT id FROM snapshots))");
}

// Runs `sql` on the file through a connection of its own.
bool Exec(const QString& path, const QString& sql) {
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "change");
        db.setDatabaseName(path);
        ok = db.open() && QSqlQuery(db).exec(sql);
    }
    QSqlDatabase::removeDatabase("change");
    return ok;
}

// Each snapshot's operation and note as the file keeps them, by id.
std::map<qint64, QStringList> Words(const QString& path) {
    std::map<qint64, QStringList> words;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "words");
        db.setDatabaseName(path);
        QSqlQuery q(db);
        if (db.open() && q.exec("SELECT id, operation, note FROM snapshots"))
            while (q.next())
                words[q.value(0).toLongLong()] = {q.value(1).toString(), q.value(2).toString()};
    }
    QSqlDatabase::removeDatabase("words");
    return words;
}

QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A copy of the journal of schema 1 as "journal.sqlite" in the folder.
QString CopyOfV1(const QString& folder) {
    const QString path = folder + "/journal.sqlite";
    if (!QDir().mkpath(folder) ||
        !QFile::copy(QFINDTESTDATA("history/data/journal-v1.sqlite"), path))
        return {};
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

// Records until SIGKILL comes from a timer on the process's CPU time, armed once the file is
// open, so that it lands anywhere in a snapshot, not just after the line telling one was kept.
int RecordUntilKilled(const QString& path, int cpuMs) {
    Journal journal(path);
    const TransferRun run = AllRead("/dev/null", IndicatorModel::F805, u'K');
    sigevent event{};
    event.sigev_notify = SIGEV_SIGNAL;
    event.sigev_signo = SIGKILL;
    timer_t timer{};
    const itimerspec when{{0, 0}, {cpuMs / 1000, cpuMs % 1000 * 1000000L}};
    for (bool armed = false;; armed = true) {
        if (!journal.record(run)) return 1;
        std::puts("kept");
        std::fflush(stdout);
        if (!armed && (timer_create(CLOCK_PROCESS_CPUTIME_ID, &event, &timer) ||
                       timer_settime(timer, 0, &when, {})))
            return 2;
    }
}

}  // namespace

class JournalTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString at(const QString& name) const { return QDir(dir_.path()).filePath(name); }
    QStringList notes_, messages_;
    TestClock clock_;  // 2024-05-01 09:00 UTC

    // A journal at `name` in the test folder, its notes and messages kept, its time the test's.
    std::unique_ptr<Journal> open(const QString& name) {
        auto journal = std::make_unique<Journal>(at(name));
        notes_.clear();
        messages_.clear();
        journal->statusNote = [this](const QString& n) { notes_ << n; };
        journal->messageOnce = [this](const QString& m) { messages_ << m; };
        journal->clock = &clock_;
        return journal;
    }

  private slots:
    void recordsListsAndGivesBack() {
        const QString tty = dir_.filePath("ttyFAKE"), byId = dir_.filePath("by-id/usb-Rusk-port0");
        QVERIFY(QFile(tty).open(QIODevice::WriteOnly) && QDir().mkpath(dir_.filePath("by-id")));
        QVERIFY(QFile::link(tty, byId));
        auto journal = open("round/journal.sqlite");
        journal->byIdFolder = dir_.filePath("by-id");
        const TransferRun read = AllRead(tty, IndicatorModel::F805, u'A');
        TransferRun write = AllRead("/nonexistent/ttyS9", IndicatorModel::F800, u'B');
        write.values.resize(100);
        std::tie(write.direction, write.operation, write.complete) =
            std::tuple(TransferRun::Direction::Write, runkind::kWriteAllSettings, false);
        QVERIFY(journal->record(read) && journal->record(write, Journal::kBeforeWrite));

        const auto all = journal->list();
        QCOMPARE(all.size(), size_t(2));
        const JournalEntry& w = all[0];
        QCOMPARE(std::tuple(w.device, w.byIdName, w.model, w.operation, w.direction, w.complete,
                            w.note, w.valueCount),
                 std::tuple(write.device, QString(), write.model, write.operation, write.direction,
                            false, QString(Journal::kBeforeWrite), 100));
        QCOMPARE(std::tuple(all[1].byIdName, all[1].time, all[1].valueCount, all[1].complete),
                 std::tuple(byId, clock_.currentDateTime(), int(read.values.size()), true));
        QStringList devices{write.device, byId};
        devices.sort();
        QCOMPARE(journal->devices(), devices);
        QVERIFY(journal->list(byId).size() == 1 && journal->list(byId)[0].id == all[1].id);
        QCOMPARE(journal->load(all[0].id)->values, write.values);

        SettingsStore store;
        QString reason;
        QVERIFY(!journal->applyTo(w.id, store, &reason));
        QCOMPARE(reason, Tr(HistoryText::OtherModel).arg("Ｆ８００"));
        QVERIFY(store.product(0, 0).isEmpty());
        QVERIFY(journal->applyTo(all[1].id, store) && Holds(store, read));
        QVERIFY(!journal->applyTo(all[0].id + 1, store) && !journal->load(all[0].id + 1));

        const QString file = dir_.filePath("from-journal.mdb");
        SettingsStore loaded;
        QVERIFY(journal->saveAsDataFile(all[1].id, file).saved &&
                LoadDataFile(loaded, file, loadmode::kAll).messages.isEmpty() &&
                Holds(loaded, read));
        QVERIFY(notes_.isEmpty() && messages_.isEmpty());
    }

    // The newest keepCount and those younger than keepDays stay, whichever are more.
    void prunesByCountAndAge_data() {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("stepHours");
        QTest::addColumn<int>("kept");
        QTest::newRow("all young") << 8 << 24 << 8;
        QTest::newRow("the count keeps more") << 8 << 72 << 5;
        QTest::newRow("the age keeps more") << 20 << 22 << 11;
    }
    void prunesByCountAndAge() {
        QFETCH(int, records);
        QFETCH(int, stepHours);
        QFETCH(int, kept);
        auto journal = open(QString("prune-%1.sqlite").arg(QTest::currentDataTag()));
        journal->limits = {5, 10, 1 << 30};
        TransferRun run;
        run.values = {{-1, "20", "00001"}};
        for (int i = 0; i < records; ++i, clock_.advance(stepHours * 3600'000LL))
            QVERIFY(journal->record(run));
        const auto left = journal->list();
        QCOMPARE(int(left.size()), kept);
        const QDateTime last = clock_.currentDateTime().addSecs(-stepHours * 3600);
        QCOMPARE(left.front().time, last);
        QCOMPARE(left.back().time, last.addSecs(-stepHours * 3600LL * (kept - 1)));
    }

    void staysBelowItsSize() {
        auto journal = open("size.sqlite");
        const qint64 maxBytes = journal->limits.maxBytes = 300 * 1024;
        qint64 largest = 0;
        for (int i = 0; i < 40; ++i) {
            QVERIFY(journal->record(AllRead("/dev/null", IndicatorModel::F805, u'S')));
            largest = std::max(largest, Scalar(journal->path(),
                                               "SELECT page_count * page_size FROM "
                                               "pragma_page_count, pragma_page_size"));
        }
        const auto left = journal->list();
        QVERIFY(largest > maxBytes / 2 && largest <= maxBytes && left.size() > 2);
        QCOMPARE(left.back().id, left.front().id - qint64(left.size()) + 1);
    }

    // The reason as the note gives it, without its full stop.
    void failuresAreNotedNotThrown_data() {
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder is a file") << Tr(PlatformText::NotFound).chopped(1);
        QTest::newRow("read-only folder") << Tr(PlatformText::AccessDenied).chopped(1);
        QTest::newRow("read-only file") << Tr(PlatformText::AccessDenied).chopped(1);
        QTest::newRow("in use") << Tr(PlatformText::FileInUse).chopped(1);
    }
    void failuresAreNotedNotThrown() {
        QFETCH(QString, reason);
        const QString tag = QTest::currentDataTag(), folder = at(tag), place = tag + "/j.sqlite";
        if (tag.startsWith("read-only") && geteuid() == 0) QSKIP("root writes read-only files");
        auto journal = open(place);
        journal->busyTimeoutMs = 100;  // another program holds the file past the wait
        const TransferRun run = AllRead("/dev/null", IndicatorModel::F805, u'F');
        QSqlDatabase locker;
        if (tag == "folder is a file") QVERIFY(QFile(folder).open(QIODevice::WriteOnly));
        if (tag == "read-only folder") QVERIFY(QDir().mkpath(folder));
        if (tag == "read-only file" || tag == "in use") QVERIFY(journal->record(run));
        if (tag.startsWith("read-only")) {
            journal.reset();
            QVERIFY(QFile::setPermissions(tag == "read-only file" ? at(place) : folder,
                                          QFile::ReadOwner | QFile::ExeOwner));
            journal = open(place);
        }
        if (tag == "in use") {
            locker = QSqlDatabase::addDatabase("QSQLITE", "locker");
            locker.setDatabaseName(journal->path());
            QVERIFY(locker.open() && QSqlQuery(locker).exec("BEGIN EXCLUSIVE"));
        }

        QVERIFY(!journal->record(run));
        QCOMPARE(notes_.size(), 1);
        QCOMPARE(notes_[0], Tr(HistoryText::NotKept).arg(at(place), reason));
        QVERIFY(messages_.isEmpty() && journal->list().size() <= 1);
        if (tag == "in use") {
            QVERIFY(QSqlQuery(locker).exec("ROLLBACK"));
            QVERIFY(journal->record(run) && journal->list().size() == 2);
            locker = {};
            QSqlDatabase::removeDatabase("locker");
        }
    }

    // A damaged file is kept as it was under another name; the run goes into a new file.
    void damagedFilesAreSetAside_data() {
        QTest::addColumn<bool>("wasJournal");
        QTest::newRow("not a database") << false;
        QTest::newRow("damaged inside") << true;
    }
    void damagedFilesAreSetAside() {
        QFETCH(bool, wasJournal);
        const QString path = dir_.filePath(QString("damaged-%1.sqlite").arg(wasJournal));
        const TransferRun run = AllRead("/dev/null", IndicatorModel::F805, u'D');
        if (wasJournal) {
            auto journal = open(path);
            for (int i = 0; i < 3; ++i) QVERIFY(journal->record(run));
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(wasJournal ? 5 * 4096 : 0));
        file.write(QByteArray(4096, 'Z'));
        QVERIFY(file.seek(0));
        const QByteArray damaged = file.readAll();
        file.close();

        auto journal = open(path);
        QVERIFY(journal->record(run));
        QCOMPARE(messages_.size(), 1);
        const QString aside = messages_[0].section('\n', 1);
        QCOMPARE(messages_[0], Tr(HistoryText::Rebuilt).arg(aside));
        QVERIFY2(aside.startsWith(path + ".damaged-"), qPrintable(aside));
        QFile kept(aside);
        QVERIFY(kept.open(QIODevice::ReadOnly) && kept.readAll() == damaged);
        QVERIFY(journal->list().size() == 1 && notes_.isEmpty());
    }

    // Programs recording into one file at once, the first of them creating it: every run is
    // kept, nothing is set aside as damaged, and a note or an outcome can follow a record.
    void concurrentRecordsAreAllKept() {
        const QString path = at("shared/journal.sqlite");
        constexpr int kWriters = 8, kRuns = 6;
        std::latch start(kWriters);
        std::atomic<int> kept{0}, noted{0};
        std::vector<std::thread> writers;
        for (int w = 0; w < kWriters; ++w)
            writers.emplace_back([&, w] {
                Journal journal(path);  // a connection of this thread's own
                journal.statusNote = [&](const QString&) { ++noted; };
                journal.messageOnce = [&](const QString&) { ++noted; };
                const TransferRun run =
                    AllRead(QString("/dev/tty%1").arg(w), IndicatorModel::F805, QChar(u'a' + w));
                start.arrive_and_wait();
                for (int i = 0; i < kRuns; ++i)
                    if (const qint64 id = journal.record(run))
                        kept += journal.setNote(id, QString::number(w)) ? 1 : 0;
            });
        for (std::thread& t : writers) t.join();
        QCOMPARE(noted.load(), 0);
        QCOMPARE(kept.load(), kWriters * kRuns);
        auto journal = open("shared/journal.sqlite");
        const auto all = journal->list();
        QCOMPARE(int(all.size()), kWriters * kRuns);
        for (const JournalEntry& e : all) QCOMPARE(e.note, e.device.mid(8));
        QCOMPARE(Torn(path), 0);
        QCOMPARE(QDir(at("shared")).entryList({"*.damaged-*"}), QStringList());
    }

    // A journal that the program of schema 1 wrote (data/journal-v1.sqlite, made as
    // data/make-journal-v1.sh says) is taken into schema 2 where it lies: every snapshot shows
    // the words it showed, kept now as ASCII kinds; words no kind has stay as they were.
    void takesAJournalOfSchema1() {
        const QString path = CopyOfV1(at("v1"));
        QVERIFY(Exec(path,
                     "UPDATE snapshots SET operation = '旧い操作', note = 'メモ' "
                     "WHERE id = (SELECT min(id) FROM snapshots)"));
        const std::map<qint64, QStringList> words = Words(path);
        auto journal = open("v1/journal.sqlite");
        const auto entries = journal->list();
        QCOMPARE(entries.size(), words.size());
        for (const JournalEntry& e : entries)
            QCOMPARE(QStringList({e.operationText(), e.noteText()}), words.at(e.id));
        QVERIFY(std::any_of(entries.begin(), entries.end(),
                            [](const JournalEntry& e) { return e.note == Journal::kBeforeWrite; }));
        QCOMPARE(Scalar(path, "PRAGMA user_version"), 2);
        QCOMPARE(Scalar(path,
                        "SELECT count(*) FROM snapshots WHERE operation GLOB '*[^a-z0-9_]*' "
                        "OR note GLOB '*[^ -~]*'"),
                 1);
        QCOMPARE(Torn(path), 0);
        QVERIFY(journal->record(AllRead("/dev/null", IndicatorModel::F805, u'N')));
        QVERIFY(notes_.isEmpty() && messages_.isEmpty());
    }

    // A journal the program cannot take stays exactly as it was, and is not set aside: one of
    // a newer program, and one whose taking into schema 2 fails halfway.
    void leavesAJournalItCannotTake_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("reason");
        QTest::newRow("newer") << "PRAGMA user_version = 3" << Tr(HistoryText::Newer).chopped(1);
        QTest::newRow("failing halfway")
            << "CREATE TRIGGER refuse BEFORE UPDATE ON snapshots WHEN NEW.id = (SELECT max(id) "
               "FROM snapshots) BEGIN SELECT RAISE(ABORT, 'refused'); END"
            << "refused";
    }
    void leavesAJournalItCannotTake() {
        QFETCH(QString, change);
        QFETCH(QString, reason);
        const QString folder = at(QTest::currentDataTag());
        const QString path = CopyOfV1(folder);
        QVERIFY(Exec(path, change));
        const QByteArray before = Contents(path);
        auto journal = open(QString(QTest::currentDataTag()) + "/journal.sqlite");
        QVERIFY(!journal->record(AllRead("/dev/null", IndicatorModel::F805, u'O')));
        QVERIFY(journal->list().empty());
        QVERIFY2(notes_.size() == 1 && notes_[0].contains(reason), qPrintable(notes_.join('\n')));
        QVERIFY(messages_.isEmpty());
        journal.reset();
        QCOMPARE(Contents(path), before);
        QCOMPARE(QDir(folder).entryList({"*.damaged-*"}), QStringList());
    }

    // SIGKILL in the middle of recording leaves whole snapshots, each one kept.
    void killedWhileRecording() {
        const QString path = dir_.filePath("killed.sqlite");
        int printed = 0;
        for (int cpuMs = 20; cpuMs <= 80; cpuMs += 15) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(),
                        {"--record-until-killed", path, QString::number(cpuMs)});
            QVERIFY(child.waitForFinished(20000));
            const int lines = child.readAllStandardOutput().count('\n');
            QVERIFY2(child.exitStatus() == QProcess::CrashExit && lines > 0,
                     child.readAllStandardError());
            printed += lines;
            QCOMPARE(Torn(path), 0);
        }
        auto journal = open(path);
        QVERIFY(int(journal->list().size()) >= printed);
        QVERIFY(journal->record(AllRead("/dev/null", IndicatorModel::F805, u'L')));
        QVERIFY(messages_.isEmpty() && notes_.isEmpty());
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--record-until-killed") == 0)
        return RecordUntilKilled(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]));
    JournalTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_journal.moc"
