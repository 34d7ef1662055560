#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "StorageTestSupport.h"
#include "storage/DataFile.h"
#include "storage/MdbReader.h"
#include "texts/StorageTexts.h"

using namespace storagetest;

namespace {

// A dump of two requested tables: the first with two fields and two rows, the second missing.
const QByteArray kDump(
    "RUSK-MDB-DUMP 1\nT2\nF4:name\nF3:sex\nR\nV4:a\nbc\n-\nR\nB\nV3:\xe7\x94\xb7\nE\nN\nZ\n");

}  // namespace

// Access files are read by the helper program: whatever a damaged file does to it, or whatever
// it writes, the program gets the tables or a failure back, in bounded time.
class MdbReaderTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir dir_;
    const std::vector<TableRequest> requests_{{"銘柄", 100}, {"設定値", 1}};

    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        QFile f(path);
        if (f.open(QIODevice::WriteOnly)) f.write(bytes);
        return path;
    }
    // Found through the test source folder: ccache hands the compiler relative file names, so
    // the folder of __FILE__ is no help once the test runs in its own folder.
    static QByteArray fixture() {
        QFile f(QFINDTESTDATA("storage/fixtures/node-adodb.mdb"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

  private slots:
    void damagedFilesGiveAFailure_data() {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray jet4(4096, '\0');
        jet4.replace(4, 15, "Standard Jet DB");
        jet4[0x14] = 1;  // Jet 4
        QTest::newRow("Jet 4 header, nothing behind") << jet4;
        QRandomGenerator random(805);
        for (int n = 0; n < 8; ++n) {
            QByteArray noise(4096 * 8, '\0');
            for (char& c : noise) c = static_cast<char>(random.bounded(256));
            noise.replace(4, 15, "Standard Jet DB");
            QTest::newRow(qPrintable(QString("Jet header over noise %1").arg(n))) << noise;
        }
        QTest::newRow("empty") << QByteArray();
        const QByteArray genuine = fixture();
        for (int page = 1; page < genuine.size() / 4096; page += 4) {
            QByteArray hit = genuine;
            for (int i = 0; i < 4096; ++i) hit[page * 4096 + i] = char(random.bounded(256));
            QTest::newRow(qPrintable(QString("genuine file, page %1 noise").arg(page))) << hit;
        }
    }
    void damagedFilesGiveAFailure() {
        QFETCH(QByteArray, bytes);
        QElapsedTimer clock;
        clock.start();
        const TablesRead read = ReadMdbTables(write("damaged.mdb", bytes), requests_);
        QVERIFY(!read.failure.isEmpty() || read.tables.size() == requests_.size());
        QVERIFY(read.failure.isEmpty() || read.tables.empty());
        QVERIFY(clock.elapsed() < 25000);
    }

    void aFileTheHelperCannotOpenIsNotReadable() {
        const TablesRead read = ReadMdbTables(dir_.filePath("missing.mdb"), requests_);
        QCOMPARE(read.failure, Tr(StorageText::AccessNotReadable));
        QVERIFY(read.tables.empty());
    }

    // Fields are taken by name, in the order asked, without regard to case; one the table
    // lacks has no value.
    void aGenuineJet4FileIsRead() {
        const QString file = QFINDTESTDATA("storage/fixtures/node-adodb.mdb");
        const QStringList columns{"UserSex", "username", "Absent"};
        const TablesRead read =
            ReadMdbTables(file, {{"銘柄", 100}, {"Users", 2, columns}, {"設定値", 1}});
        QVERIFY2(read.failure.isEmpty(), qPrintable(read.failure));
        QCOMPARE(read.tables.size(), size_t(3));
        QVERIFY(!read.tables[0] && !read.tables[2]);
        const DataTable& users = *read.tables[1];
        QCOMPARE(users.fields,
                 QStringList({"UserId", "UserName", "UserSex", "UserBirthday", "UserMarried"}));
        QCOMPARE(users.rows.size(), size_t(2));  // of three
        QCOMPARE(users.rows[1][1], std::optional<QString>("Angela"));
        QCOMPARE(users.rows[1][2], std::optional<QString>());
        const TablesRead all = ReadMdbTables(file, {{"Users", 100, columns}});
        QCOMPARE(all.tables.at(0)->rows.size(), size_t(3));
        QCOMPARE(all.tables.at(0)->rows[2][1], std::optional<QString>("张三"));
        QCOMPARE(all.tables.at(0)->rows[2][0], std::optional<QString>("男"));
        QVERIFY(!all.tables.at(0)->oddValue);
    }

    // A real Access file without the data file's tables, and cut ones, change nothing. A file cut
    // after its catalog's first pages still opens, without its tables: it is found out.
    void loadingAccessFilesThatAreNotDataFiles() {
        const QString file = QFINDTESTDATA("storage/fixtures/node-adodb.mdb");
        SettingsStore store;
        Fill(store, u'A');
        const QList<std::pair<QString, int>> loads{
            {file, 1},
            {file, 2},
            {file, 4},
            {write("cut3.mdb", fixture().left(3 * 4096)), 1},
            {write("cut8.mdb", fixture().left(8 * 4096)), 1},
            {write("cut40.mdb", fixture().left(40 * 4096)), 1},
            {write("odd.mdb", fixture().chopped(1000)), 1}};
        QStringList messages;
        for (const auto& [path, mode] : loads) {
            const DataFileLoad loaded = LoadDataFile(store, path, mode);
            QVERIFY(!loaded.storeChanged);
            messages << loaded.messages.join(u'|');
        }
        const QString damaged = Tr(StorageText::AccessDamaged);
        const QString cannotRead = Tr(StorageText::CannotReadDamaged);
        QCOMPARE(messages,
                 QStringList(
                     {Tr(StorageText::NotDataFile), Tr(StorageText::MissingTable).arg("銘柄"),
                      Tr(StorageText::MissingTable).arg("設定値"),
                      cannotRead.arg(Tr(StorageText::AccessNotReadable)), cannotRead.arg(damaged),
                      cannotRead.arg(damaged), cannotRead.arg(damaged)}));
        for (int p = 0; p < SettingsStore::kMaxProducts; ++p) QCOMPARE(ProductTag(store, p), u'A');
        QCOMPARE(SettingTag(store, 2, 0), u'A');
    }

    void theHelpersOutputIsTakenApart() {
        TablesRead read;
        QVERIFY(ParseMdbDump(kDump, {{"a", 2}, {"b", 9}}, read));
        QVERIFY(read.failure.isEmpty());
        QCOMPARE(read.tables.size(), size_t(2));
        QVERIFY(!read.tables[1]);
        const DataTable& table = *read.tables[0];
        QCOMPARE(table.fields, QStringList({"name", "sex"}));
        QVERIFY(table.oddValue);
        QCOMPARE(table.rows.size(), size_t(2));
        QCOMPARE(table.rows[0], (std::vector<std::optional<QString>>{"a\nbc", std::nullopt}));
        QCOMPARE(table.rows[1], (std::vector<std::optional<QString>>{std::nullopt, "男"}));
        QVERIFY(ParseMdbDump("RUSK-MDB-DUMP 1\nN\nX\n", {{"a", 1}, {"b", 1}}, read));
        QCOMPARE(read.failure, Tr(StorageText::AccessNotReadable));
        QVERIFY(read.tables.empty());
        QVERIFY(ParseMdbDump("RUSK-MDB-DUMP 1\nD\n", {{"a", 1}, {"b", 1}}, read));
        QCOMPARE(read.failure, Tr(StorageText::AccessDamaged));
    }

    void malformedOutputIsRefused_data() {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<int>("maxRows");
        QTest::newRow("more rows than asked for") << QByteArray("Z") << QByteArray("Z") << 1;
        QTest::newRow("other header") << QByteArray("DUMP 1") << QByteArray("DUMP 2") << 2;
        QTest::newRow("length past the line") << QByteArray("V4") << QByteArray("V5") << 2;
        QTest::newRow("length short") << QByteArray("V4") << QByteArray("V3") << 2;
        QTest::newRow("length of ten digits") << QByteArray("V4") << QByteArray("V0000000004") << 2;
        QTest::newRow("negative length") << QByteArray("V3:") << QByteArray("V-3:") << 2;
        QTest::newRow("huge length") << QByteArray("V3:") << QByteArray("V999999999:") << 2;
        QTest::newRow("not UTF-8") << QByteArray("\xe7\x94\xb7") << QByteArray("\xe7\x94\xff") << 2;
        QTest::newRow("a cell missing") << QByteArray("-\nR") << QByteArray("R") << 2;
        QTest::newRow("a cell too many") << QByteArray("-\nR") << QByteArray("-\n-\nR") << 2;
        QTest::newRow("a table missing") << QByteArray("N\nZ") << QByteArray("Z") << 2;
        QTest::newRow("unknown cell") << QByteArray("B\n") << QByteArray("C\n") << 2;
        QTest::newRow("empty field name") << QByteArray("F3:sex") << QByteArray("F0:") << 2;
        QTest::newRow("something after the end") << QByteArray("Z\n") << QByteArray("Z\nZ\n") << 2;
        QTest::newRow("after unreadable") << QByteArray("N\nZ") << QByteArray("X\nZ") << 2;
    }
    void malformedOutputIsRefused() {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(int, maxRows);
        TablesRead read;
        QVERIFY(
            !ParseMdbDump(QByteArray(kDump).replace(from, to), {{"a", maxRows}, {"b", 1}}, read));
        QVERIFY(read.tables.empty() && read.failure.isEmpty());
        for (qsizetype cut = 0; cut < kDump.size(); ++cut)
            QVERIFY(!ParseMdbDump(kDump.left(cut), {{"a", 2}, {"b", 1}}, read));
    }

    // Stand-ins for the helper: what the program makes of a helper that misbehaves.
    void helperFailures_data() {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<int>("limitMs");  // only the stalling one may reach it
        QTest::addColumn<QString>("failure");
        const QByteArray good("printf 'RUSK-MDB-DUMP 1\\nN\\nN\\nZ\\n'");
        QTest::newRow("sound") << good << 8000 << QString();
        QTest::newRow("exit 1") << good + "; exit 1" << 8000 << Tr(StorageText::AccessDamaged);
        QTest::newRow("crash") << good + "; kill -SEGV $$" << 8000
                               << Tr(StorageText::AccessDamaged);
        QTest::newRow("garbage") << QByteArray("echo hello") << 8000
                                 << Tr(StorageText::AccessDamaged);
        QTest::newRow("endless output")
            << QByteArray("exec yes") << 8000 << Tr(StorageText::AccessDamaged);
        QTest::newRow("stalls") << QByteArray("exec sleep 60") << 300
                                << Tr(StorageText::AccessDamaged);
    }
    void helperFailures() {
        QFETCH(QByteArray, script);
        QFETCH(int, limitMs);
        QFETCH(QString, failure);
        const QString helper = write("helper.sh", "#!/bin/sh\n" + script + "\n");
        QFile::setPermissions(helper, QFile::ReadOwner | QFile::ExeOwner);
        bool eventsRan = false;
        QTimer tick;
        tick.setSingleShot(true);
        connect(&tick, &QTimer::timeout, this, [&] { eventsRan = true; });
        tick.start(0);
        QElapsedTimer clock;
        clock.start();
        const TablesRead read = RunMdbDump(helper, dir_.filePath("x.mdb"), requests_, limitMs);
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(read.failure, failure);
        QCOMPARE(read.tables.size(), failure.isEmpty() ? size_t(2) : size_t(0));
        QVERIFY(eventsRan);  // the wait ran the event loop
    }

    void aMissingHelperIsNamed() {
        const QString helper = dir_.filePath("no-such-helper");
        const TablesRead read = RunMdbDump(helper, dir_.filePath("x.mdb"), requests_, 1000);
        QCOMPARE(read.failure, Tr(StorageText::AccessHelperMissing).arg(helper));
        QVERIFY(!read.fileAtFault);  // no guess at a damaged file in front of it
    }

    // libmdb's settings are given to the helper only; this process's environment stays.
    void theHelperHasItsOwnEnvironment() {
        const QByteArray charset = qgetenv("MDB_JET3_CHARSET");
        qputenv("MDBOPTS", "debug_all");
        const QString helper =
            write("env.sh",
                  "#!/bin/sh\nv=\"$MDB_JET3_CHARSET|$MDBICONV|${MDBOPTS-none}\"\n"
                  "printf 'RUSK-MDB-DUMP 1\\nT1\\nF%d:%s\\nE\\nZ\\n' ${#v} \"$v\"\n");
        QFile::setPermissions(helper, QFile::ReadOwner | QFile::ExeOwner);
        const TablesRead read = RunMdbDump(helper, dir_.filePath("x.mdb"), {{"t", 1}}, 5000);
        QCOMPARE(qgetenv("MDBOPTS"), QByteArray("debug_all"));
        qunsetenv("MDBOPTS");
        QCOMPARE(qgetenv("MDB_JET3_CHARSET"), charset);
        QVERIFY2(read.failure.isEmpty(), qPrintable(read.failure));
        QCOMPARE(read.tables.at(0)->fields, QStringList{"CP932|UTF-8|none"});
    }
};

QTEST_GUILESS_MAIN(MdbReaderTest)
#include "test_mdb_reader.moc"
