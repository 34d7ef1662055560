#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "cli/ExitCodes.h"
#include "cli/FleetFile.h"
#include "cli/TerminalView.h"
#include "history/Journal.h"
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
    if (!args.isEmpty()) args << "--ini" << home.filePath("Rusk.INI");
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

// Reads the simulator into a data file, then saves a copy with product 12 item 2 changed.
QString ChangedCopy(const QTemporaryDir& home, const QString& device) {
    const QString file = home.filePath("read.mdb");
    if (RunCli(home, {"read", device, "-o", file, "-q"}).code != exitcode::kOk) return {};
    SettingsStore changed;
    LoadDataFile(changed, file, loadmode::kAll);
    changed.setProduct(12, 2, changed.product(12, 2) == "00001" ? "00002" : "00001");
    const QString copy = home.filePath("changed.mdb");
    return SaveDataFile(changed, copy).saved ? copy : QString();
}

// True when a request would change the indicator: a setting or product value sent, or an
// operating command. Product selections (W00 and five digits) and reads are not.
bool Changes(const QString& request) {
    static const QRegularExpression value(QStringLiteral("^W([1-9][0-9A-F])\\d+$"));
    return value.match(request).hasMatch() || request.startsWith('C');
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
        // Reading the products selects each one: the indicator is asked for its product first
        // and put back on it after the last one, and the journal says so.
        const QStringList requests = sim.requests();
        QCOMPARE(requests.value(0), QString("W00"));
        QCOMPARE(requests.value(1 + 100 * 10), QString("W0000000"));
        QCOMPARE(requests.value(2 + 100 * 10), QString("W20"));
        QCOMPARE(Journal(home.filePath("data/rusk/journal.sqlite")).list().front().note,
                 QString("指示計の銘柄を 0 に戻しました"));

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

        // A journal snapshot and the indicator itself can stand for A or B.
        QCOMPARE(RunCli(home, {"diff", "journal:1", file}).code, exitcode::kOk);
        QCOMPARE(RunCli(home, {"diff", sim.device(), copy, "-q"}).code, exitcode::kNoOrDifferent);
        QCOMPARE(RunCli(home, {"diff", "journal:99", file}).code, exitcode::kFile);
    }

    // A read is whole or says it is not: answers that are not the ones asked for name the
    // values, exit 8, leave the existing file as it was, and the journal keeps the run as
    // incomplete.
    void aReadThatIsNotWholeSavesNothing_data() {
        QTest::addColumn<QStringList>("simArgs");
        QTest::newRow("every answer twice") << QStringList{"--double"};
        QTest::newRow("a stray line after every answer") << QStringList{"--extra", "W0000042"};
    }
    void aReadThatIsNotWholeSavesNothing() {
        QFETCH(QStringList, simArgs);
        QTemporaryDir home;
        SimProcess sim(simArgs);
        QVERIFY2(!sim.device().isEmpty(), "the simulator did not start");
        const QString file = home.filePath("good.mdb");
        QFile good(file);
        QVERIFY(good.open(QIODevice::WriteOnly) && good.write("kept") == 4);
        good.close();
        const Run r = RunCli(home, {"read", sim.device(), "-o", file, "--settings-only", "-q"});
        QCOMPARE(r.code, exitcode::kIncomplete);
        QVERIFY2(r.err.contains("次の値を正しく読めませんでした: W21, W22"), qPrintable(r.err));
        QVERIFY2(r.err.contains("\n  W91 「"), qPrintable(r.err));  // and each one on its line
        QVERIFY(good.open(QIODevice::ReadOnly));
        QCOMPARE(good.readAll(), QByteArray("kept"));
        QVERIFY(!Journal(home.filePath("data/rusk/journal.sqlite")).list().front().complete);
    }

    // Every product and setting of the file is checked before anything is sent.
    void writeOfAFileThatFailsItsChecksSendsNothing() {
        QTemporaryDir home;
        SimProcess sim;
        QVERIFY2(!sim.device().isEmpty(), "the simulator did not start");
        SettingsStore bad;
        for (int n = 0; n < SettingsStore::kProducts; ++n)
            for (int k = 0; k < SettingsStore::kProductItems; ++k) bad.setProduct(n, k, "00001");
        for (int g = SettingsStore::kFirstGroup; g <= SettingsStore::kLastGroup; ++g)
            for (int slot = 0; slot < SettingsStore::GroupSize(g); ++slot)
                bad.setSetting(g, slot, "00001");
        bad.setValue("20", "ABCDE");
        bad.setValue("22", "9Z9Z9");
        const QString path = home.filePath("bad.mdb");
        QVERIFY(SaveDataFile(bad, path).saved);
        const Run r = RunCli(home, {"write", sim.device(), "-i", path, "-q"});
        QCOMPARE(r.code, exitcode::kFile);
        QVERIFY2(r.err.contains("無効なデータがあるため転送できません: W20, W22"),
                 qPrintable(r.err));
        QVERIFY(sim.requests().isEmpty());
    }

    void dryRunAndLiveSendOnlyReads() {
        QTemporaryDir home;
        SimProcess sim;
        QVERIFY2(!sim.device().isEmpty(), "the simulator did not start");
        const QString copy = ChangedCopy(home, sim.device());
        QVERIFY(!copy.isEmpty());
        const Run dry = RunCli(home, {"write", sim.device(), "-i", copy, "--dry-run", "-q"});
        QCOMPARE(dry.code, exitcode::kNoOrDifferent);
        QVERIFY2(dry.out.contains("銘柄 12"), qPrintable(dry.out));

        QProcess live;
        live.start(RUSK_CLI_PATH,
                   {"live", sim.device(), "--interval", "0", "--ini", home.filePath("Rusk.INI")});
        QVERIFY(live.waitForReadyRead(10000));
        ::kill(static_cast<pid_t>(live.processId()), SIGINT);
        QVERIFY(live.waitForFinished(10000));
        QCOMPARE(live.exitCode(), exitcode::kOk);
        QVERIFY(live.readAllStandardOutput().contains("  "));

        const QStringList requests = sim.requests();
        QVERIFY(requests.contains("RE"));
        for (const QString& r : requests) QVERIFY2(!Changes(r), qPrintable(r));
    }

    void writeVerifyTellsWhatTheIndicatorRefused() {
        QTemporaryDir home;
        SimProcess sim({"--refuse", "p12"});
        QVERIFY2(!sim.device().isEmpty(), "the simulator did not start");
        const QString copy = ChangedCopy(home, sim.device());
        QVERIFY(!copy.isEmpty());
        const Run r = RunCli(home, {"write", sim.device(), "-i", copy, "--verify", "-q"});
        QCOMPARE(r.code, exitcode::kVerifyMismatch);
        QVERIFY2(r.out.contains("銘柄 12 W12"), qPrintable(r.out));
    }

    void ctrlCDuringWriteFinishesTheRecordAndJournalsWhereItStopped() {
        QTemporaryDir home;
        SimProcess sim({"--delay", "10"});
        QVERIFY2(!sim.device().isEmpty(), "the simulator did not start");
        const QString copy = ChangedCopy(home, sim.device());
        QVERIFY(!copy.isEmpty());
        const int readRequests = sim.requests().size();

        QProcess write;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", home.filePath("data"));
        write.setProcessEnvironment(env);
        write.start(RUSK_CLI_PATH,
                    {"write", sim.device(), "-i", copy, "--ini", home.filePath("Rusk.INI")});
        QByteArray err;
        QTRY_VERIFY_WITH_TIMEOUT((err += write.readAllStandardError()).contains("銘柄 3 送信中"),
                                 20000);
        ::kill(static_cast<pid_t>(write.processId()), SIGINT);
        QVERIFY(write.waitForFinished(20000));
        QCOMPARE(write.exitCode(), exitcode::kInterrupted);

        // The record under way went out whole, with its sync, and no later one was started.
        const QStringList sent = sim.requests().mid(readRequests);
        QCOMPARE(sent.last(), QString("W00"));
        QVERIFY(sent.at(sent.size() - 2).startsWith("W17"));
        QVERIFY(!sent.contains("W0000099"));
        Journal journal(home.filePath("data/rusk/journal.sqlite"));
        const JournalEntry last = journal.list().front();
        QCOMPARE(last.direction, TransferRun::Direction::Write);
        QVERIFY(!last.complete);
        QVERIFY2(last.note.startsWith("Ctrl+C"), qPrintable(last.note));
    }

    void devicesByNameAndPortErrors() {
        QTemporaryDir home;
        SimProcess sim;
        QVERIFY2(!sim.device().isEmpty(), "the simulator did not start");
        QFile ini(home.filePath("Rusk.INI"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Devices]\r\nCom3=" + sim.device().toUtf8() + "\r\nCom4=/dev/rusk-none\r\n");
        ini.close();
        QCOMPARE(RunCli(home, {"probe", "Com3"}).code, exitcode::kOk);
        QCOMPARE(RunCli(home, {"probe", "com4"}).code, exitcode::kPort);
        const Run refused = RunCli(home, {"probe", "tcp://127.0.0.1:1"});
        QCOMPARE(refused.code, exitcode::kPort);
        QVERIFY2(refused.err.contains("127.0.0.1:1"), qPrintable(refused.err));
    }

    void fleetWorksEachIndicatorAndReportsTheSilentOne() {
        QTemporaryDir home;
        SimProcess pty;
        SimProcess tcp({"--listen", "127.0.0.1:0"});
        SimProcess silent({"--silent"});
        QVERIFY2(!pty.device().isEmpty() && !tcp.device().isEmpty() && !silent.device().isEmpty(),
                 "a simulator did not start");
        QFile fleet(home.filePath("fleet.ini"));
        QVERIFY(fleet.open(QIODevice::WriteOnly));
        fleet.write(QString("[a]\nDevice=%1\nModel=805\n[b]\nDevice=%2\nModel=805\n"
                            "[c]\nDevice=%3\nModel=800\n")
                        .arg(pty.device(), tcp.device(), silent.device())
                        .toUtf8());
        fleet.close();
        const QStringList common = {"-d", home.path(), "--timeout", "500", "-q"};
        const Run backup = RunCli(home, QStringList{"fleet", fleet.fileName(), "backup"} + common);
        QCOMPARE(backup.code, exitcode::kFleetFailed);
        const QStringList rows = backup.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 4);  // heading and one row per indicator, in the file's order
        QVERIFY2(rows[1].startsWith("a ") && rows[1].contains("保存"), qPrintable(backup.out));
        QVERIFY2(rows[2].contains("保存") && rows[3].contains("応答なし"), qPrintable(backup.out));
        QCOMPARE(QDir(home.path()).entryList({"a-*.mdb", "b-*.mdb"}).size(), 2);

        const Run check = RunCli(home, QStringList{"fleet", fleet.fileName(), "check"} + common);
        QCOMPARE(check.code, exitcode::kFleetFailed);
        QCOMPARE(check.out.count("一致"), 2);
        QVERIFY2(check.out.contains("基準ファイルがありません"), qPrintable(check.out));
    }

    void statusGoesAsABarOnATerminalAndAsLinesElsewhere() {
        QString text;
        QTextStream stream(&text);
        TerminalView terminal(stream, false, 1);
        terminal.setStatusText("銘柄 0 送信中");
        terminal.setProgressVisible(true);
        terminal.setProgress(50);
        terminal.showMessage("エラー");
        // The bar is redrawn in place; a message ends its line and stands on a line of its own.
        QVERIFY2(text.contains("\r[###############               ]  50% 銘柄 0 送信中"),
                 qPrintable(text));
        QVERIFY(text.endsWith("\nエラー\n"));

        text.clear();
        TerminalView pipe(stream, false, 0);
        pipe.setProgressVisible(true);
        pipe.setStatusText("銘柄 0 送信中");
        pipe.setProgress(50);
        pipe.setStatusText("銘柄 0 送信中");
        QCOMPARE(text, QString("銘柄 0 送信中\n"));
    }

    void fleetFileMistakesNameSectionAndKey_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("named");
        QTest::newRow("missing device") << "[a]\nModel=805\n"
                                        << "[a] Device";
        QTest::newRow("duplicate name")
            << "[a]\nDevice=x\nModel=805\n[b]\nDevice=y\nModel=800\nName=A\n"
            << "[b] Name";
        QTest::newRow("bad line") << "[a]\nDevice=x\nModel=805\nLine=19200,x,7,1\n"
                                  << "[a] Line";
        QTest::newRow("unknown key") << "[a]\nDevice=x\nModel=805\nColour=red\n"
                                     << "[a] Colour";
        QTest::newRow("bad model") << "[a]\nDevice=x\nModel=900\n"
                                   << "[a] Model";
        QTest::newRow("outside") << "Device=x\n[a]\nDevice=x\nModel=805\n"
                                 << ":1:";
        QTest::newRow("empty") << "; nothing\n"
                               << "セクションがありません";
    }
    void fleetFileMistakesNameSectionAndKey() {
        QFETCH(QString, text);
        QFETCH(QString, named);
        QTemporaryDir dir;
        QFile file(dir.filePath("fleet.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
        file.close();
        const FleetFile fleet = ReadFleetFile(file.fileName(), "19200,o,7,1");
        QVERIFY(fleet.members.empty());
        QVERIFY2(fleet.errors.join('\n').contains(named), qPrintable(fleet.errors.join('\n')));
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
