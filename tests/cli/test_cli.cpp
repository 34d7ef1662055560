#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "cli/ExitCodes.h"
#include "storage/DataFile.h"
#include "support/SimProcess.h"

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

// Runs the built rusk-cli with its journal and configuration in `home`.
Run RunCli(const QTemporaryDir& home, QStringList args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", home.filePath("data"));
    env.insert("XDG_CONFIG_HOME", home.filePath("config"));
    p.setProcessEnvironment(env);
    if (!args.isEmpty() && args.first() != "diff") args << "--ini" << home.filePath("Rusk.INI");
    p.start(RUSK_CLI_PATH, args);
    Run r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

}  // namespace

class CliTest : public QObject {
    Q_OBJECT
  private slots:
    void probeTellsWhetherTheIndicatorAnswers_data() {
        QTest::addColumn<QStringList>("simArgs");
        QTest::addColumn<int>("code");
        QTest::newRow("answers") << QStringList{} << exitcode::kOk;
        QTest::newRow("silent") << QStringList{"--silent"} << exitcode::kNoOrDifferent;
    }
    void probeTellsWhetherTheIndicatorAnswers() {
        QFETCH(QStringList, simArgs);
        QFETCH(int, code);
        QTemporaryDir home;
        SimProcess sim(simArgs);
        QVERIFY2(!sim.device().isEmpty(), "the simulator did not start");
        const Run r = RunCli(home, {"probe", sim.device(), "--timeout", "300"});
        QCOMPARE(r.code, code);
        QCOMPARE(sim.requests().value(0), QString("RA"));
    }

    void readFromASilentIndicatorTimesOutAndSavesNothing() {
        QTemporaryDir home;
        SimProcess sim({"--silent"});
        QVERIFY2(!sim.device().isEmpty(), "the simulator did not start");
        const QString file = home.filePath("none.mdb");
        const Run r = RunCli(home, {"read", sim.device(), "-o", file, "--timeout", "300"});
        QCOMPARE(r.code, exitcode::kTimeout);
        QVERIFY(!QFile::exists(file));
    }

    void readThenDiffTellsEqualAndDifferent() {
        QTemporaryDir home;
        SimProcess sim;
        QVERIFY2(!sim.device().isEmpty(), "the simulator did not start");
        const QString file = home.filePath("line1.mdb");
        const Run read = RunCli(home, {"read", sim.device(), "-o", file, "--quiet"});
        QCOMPARE(read.code, exitcode::kOk);
        QVERIFY(QFile::exists(file));
        // The read went into the journal under XDG_DATA_HOME.
        QVERIFY(QFile::exists(home.filePath("data/rusk/journal.sqlite")));

        QCOMPARE(RunCli(home, {"diff", file, file}).code, exitcode::kOk);

        SettingsStore changed;
        QVERIFY(LoadDataFile(changed, file, loadmode::kAll).messages.isEmpty());
        changed.setProduct(12, 2, changed.product(12, 2) == "00001" ? "00002" : "00001");
        const QString copy = home.filePath("changed.mdb");
        QVERIFY(SaveDataFile(changed, copy).saved);
        const Run text = RunCli(home, {"diff", file, copy});
        QCOMPARE(text.code, exitcode::kNoOrDifferent);
        QVERIFY2(text.out.contains("銘柄 12"), qPrintable(text.out));
        const Run json = RunCli(home, {"diff", "--json", file, copy});
        QCOMPARE(json.code, exitcode::kNoOrDifferent);
        const QJsonObject doc = QJsonDocument::fromJson(json.out.toUtf8()).object();
        QCOMPARE(doc.value("equal").toBool(true), false);
        QCOMPARE(doc.value("differences").toArray().size(), 1);
    }

    void usageErrorsExitTwo_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no command") << QStringList{};
        QTest::newRow("unknown command") << QStringList{"frobnicate"};
        QTest::newRow("read without file") << QStringList{"read", "/dev/null"};
        QTest::newRow("bad model") << QStringList{"diff", "--model", "900", "a", "b"};
        QTest::newRow("unknown option") << QStringList{"probe", "--nope", "/dev/null"};
    }
    void usageErrorsExitTwo() {
        QFETCH(QStringList, args);
        QTemporaryDir home;
        QCOMPARE(RunCli(home, args).code, exitcode::kUsage);
    }
};

QTEST_GUILESS_MAIN(CliTest)
#include "test_cli.moc"
