// rusk-server's settings check off the line: CheckEvery='s forms, a comparison that looks only at
// what was read, and what the indicator's page gets from the journal.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include "cli/FleetFile.h"
#include "server/PlantWatch.h"
#include "server/SettingsCheck.h"
#include "storage/DataFile.h"

namespace {

const QString kDevice = QStringLiteral("/dev/rusk-test-filler");

TransferRun ReadRun(const QString& device, std::vector<TransferValue> values) {
    TransferRun run;
    run.operation = QString(runkind::kCompareRead);
    run.device = device;
    run.values = std::move(values);
    return run;
}

}  // namespace

class SettingsCheckTest : public QObject {
    Q_OBJECT
  private slots:
    void checkEveryForms_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("seconds");  // -1: refused
        QTest::newRow("bare seconds") << "90" << 90;
        QTest::newRow("seconds") << "2s" << 2;
        QTest::newRow("minutes, upper case") << "10M" << 600;
        QTest::newRow("a blank before the unit") << "1 h" << 3600;
        QTest::newRow("a week") << "168h" << 7 * 24 * 3600;
        QTest::newRow("past a week") << "604801" << -1;
        QTest::newRow("zero") << "0s" << -1;
        QTest::newRow("fraction") << "1.5h" << -1;
        QTest::newRow("negative") << "-5" << -1;
        QTest::newRow("days") << "1d" << -1;
        QTest::newRow("overflowing") << "999999999h" << -1;
        QTest::newRow("word") << "hourly" << -1;
    }
    void checkEveryForms() {
        QFETCH(QString, text);
        QFETCH(int, seconds);
        QCOMPARE(ParseCheckEvery(text).value_or(-1), seconds);
    }

    // The read holds the settings and one product: the other 99 products of the baseline are
    // not the indicator's to differ in.
    void comparesOnlyWhatWasRead() {
        SettingsStore base;
        PutValues(
            base,
            {{-1, "20", "00001"}, {-1, "21", "00002"}, {3, "10", "00100"}, {7, "10", "00500"}});
        const std::vector<TransferValue> read = {
            {-1, "20", "00001"}, {-1, "21", "00003"}, {3, "10", "00101"}};
        const std::vector<Difference> d = CheckDifferences(base, read);
        QCOMPARE(d.size(), size_t(2));
        QCOMPARE(d[0].code, QString("21"));
        QCOMPARE(d[1].product, 3);
        QVERIFY(CheckDifferences(base, {{-1, "21", "00002"}, {7, "10", "00500"}}).empty());

        const QJsonObject doc = QJsonDocument::fromJson(DifferencesJson(d)).object();
        const QJsonArray list = doc["differences"].toArray();
        QVERIFY(list.size() >= 2);
        QCOMPARE(doc["summary"].toString(), SummaryText(CountDifferences(d)));
        const QJsonObject product = list.last().toObject();
        QCOMPARE(product["product"].toInt(), 3);
        QVERIFY(product["old"].toString() != product["new"].toString());
    }

    // The page's view of the journal: only this indicator's snapshots, each against the
    // baseline; the differences of one; the newest complete read as a data file.
    void journalForThePage() {
        QTemporaryDir dir;
        SettingsStore base;
        PutValues(base, {{-1, "20", "00001"}, {0, "10", "00100"}});
        const QString baseline = dir.filePath("base.mdb");
        QVERIFY(SaveDataFile(base, baseline).saved);

        FleetMember m;
        m.name = "filler";
        m.device = kDevice;
        m.baseline = baseline;
        QString logText;
        QTextStream log(&logText);
        PlantWatch watch({m}, log);
        watch.setJournalPath(dir.filePath("journal.sqlite"));
        Journal& j = watch.journal();
        const qint64 same = j.record(ReadRun(kDevice, {{-1, "20", "00001"}}));
        const qint64 other = j.record(ReadRun("/dev/elsewhere", {{-1, "20", "00009"}}));
        const qint64 changed = j.record(ReadRun(kDevice, {{-1, "20", "00002"}}));
        TransferRun cut = ReadRun(kDevice, {{0, "10", "00101"}});
        cut.complete = false;
        const qint64 incomplete = j.record(cut);

        const QJsonArray list = QJsonDocument::fromJson(watch.snapshotsJson(0)).array();
        QCOMPARE(list.size(), 3);
        QCOMPARE(list[0]["id"].toInteger(), incomplete);
        QCOMPARE(list[1]["id"].toInteger(), changed);
        QCOMPARE(list[1]["differs"].toBool(), true);
        QCOMPARE(list[2]["id"].toInteger(), same);
        QCOMPARE(list[2]["differs"].toBool(), false);

        const QJsonObject diff =
            QJsonDocument::fromJson(watch.differencesJson(0, changed)).object();
        QCOMPARE(diff["differences"].toArray().size(), 1);
        QCOMPARE(diff["baseline"].toString(), baseline);
        // Another indicator's snapshot, and indexes of no indicator.
        for (const auto& [index, id] : {std::pair{0, other}, {1, changed}, {-1, changed}})
            QVERIFY(QJsonDocument::fromJson(watch.differencesJson(index, id))
                        .object()
                        .contains("error"));
        QCOMPARE(watch.snapshotsJson(1), QByteArray("[]"));

        // The newest complete read, not the one cut short.
        const QString saved = dir.filePath("saved.mdb");
        QFile file(saved);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(watch.dataFileBytes(0));
        file.close();
        SettingsStore got;
        QVERIFY(LoadDataFile(got, saved, loadmode::kAll).messages.isEmpty());
        QCOMPARE(got.value("20"), QString("00002"));
        QCOMPARE(got.product(0, 0), QString());
    }
};

QTEST_GUILESS_MAIN(SettingsCheckTest)
#include "test_settings_check.moc"
