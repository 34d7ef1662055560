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

    void dryRunAndLiveSendOnlyReads() {
        QTemporaryDir home;
        SimProcess sim;
        QVERIFY2(!sim.device().isEmpty(), "the simulator did not start");
        const QString copy = ChangedCopy(home, sim.device());
        QVERIFY(!copy.isEmpty());
        const Run dry = RunCli(home, {"write", sim.device(), "-i", copy, "--dry-run", "-q"});
        QCOMPARE(dry.code, exitcode::kNoOrDifferent);
        QVERIFY2(dry.out.contains("銘柄 12"), qPrintable(dry.out));

        // Ctrl+C in the pause between samples ends it at once, not after the minute.
        QProcess live;
        live.start(RUSK_CLI_PATH, {"live", sim.device(), "--interval", "60000", "--ini",
                                   home.filePath("Rusk.INI")});
        QVERIFY(live.waitForReadyRead(10000));
        ::kill(static_cast<pid_t>(live.processId()), SIGINT);
        QVERIFY(live.waitForFinished(5000));
        QCOMPARE(live.exitCode(), exitcode::kInterrupted);
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

    void liveEndsQuietlyWhenItsReaderGoes() {
        // On TCP, where SIGPIPE is ignored, a reader that went away (`| head -n 2`) still ends
        // it, quietly.
        QTemporaryDir home;
        SimProcess tcp({"--listen", "127.0.0.1:0"});
        QVERIFY2(!tcp.device().isEmpty(), "the simulator did not start");
        QProcess live;
        QProcess head;
        live.setStandardOutputProcess(&head);
        head.start("head", {"-n", "2"});
        live.start(RUSK_CLI_PATH,
                   {"live", tcp.device(), "--interval", "0", "--ini", home.filePath("Rusk.INI")});
        QVERIFY(head.waitForFinished(10000));
        QVERIFY(live.waitForFinished(5000));
        QCOMPARE(live.exitStatus(), QProcess::NormalExit);
        QCOMPARE(live.exitCode(), exitcode::kOutputClosed);
        QVERIFY(live.readAllStandardError().isEmpty());
        QCOMPARE(head.readAllStandardOutput().count('\n'), 2);
    }

    void aSecondStopEndsAtOnceAndTheFleetPassesTheFirstOn() {
        // A read from a silent indicator: the first stop waits for the record under way (its
        // minute-long time-out), a second of the other kind ends it at once.
        QTemporaryDir home;
        SimProcess silent({"--silent"});
        SimProcess slow1({"--delay", "10"});
        SimProcess slow2({"--delay", "10"});
        QVERIFY2(
            !silent.device().isEmpty() && !slow1.device().isEmpty() && !slow2.device().isEmpty(),
            "a simulator did not start");
        QProcess read;
        read.start(RUSK_CLI_PATH, {"read", silent.device(), "-o", home.filePath("x.mdb"),
                                   "--timeout", "60000", "--ini", home.filePath("Rusk.INI")});
        QByteArray err;
        QTRY_VERIFY_WITH_TIMEOUT((err += read.readAllStandardError()).contains("読み込み中"),
                                 10000);
        ::kill(static_cast<pid_t>(read.processId()), SIGINT);
        ::kill(static_cast<pid_t>(read.processId()), SIGTERM);
        QVERIFY(read.waitForFinished(5000));
        QCOMPARE(read.exitStatus(), QProcess::CrashExit);

        // Ctrl+C to a fleet check: each child is told, finishes its record and exits 130, which
        // the summary shows as 中断.
        QFile fleet(home.filePath("fleet.ini"));
        QVERIFY(fleet.open(QIODevice::WriteOnly));
        fleet.write(QString("[a]\nDevice=%1\nModel=805\nBaseline=none.mdb\n"
                            "[b]\nDevice=%2\nModel=805\nBaseline=none.mdb\n")
                        .arg(slow1.device(), slow2.device())
                        .toUtf8());
        fleet.close();
        QProcess check;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", home.filePath("data"));
        check.setProcessEnvironment(env);
        check.start(RUSK_CLI_PATH, {"fleet", fleet.fileName(), "check", "-d", home.path(), "--ini",
                                    home.filePath("Rusk.INI")});
        err.clear();
        QTRY_VERIFY_WITH_TIMEOUT((err += check.readAllStandardError()).contains("[b] "), 10000);
        ::kill(static_cast<pid_t>(check.processId()), SIGINT);
        QVERIFY(check.waitForFinished(20000));
        QCOMPARE(check.exitCode(), exitcode::kInterrupted);
        const QString summary = QString::fromUtf8(check.readAllStandardOutput());
        QCOMPARE(summary.count("中断"), 2);
        QVERIFY2(!summary.contains("異常終了"), qPrintable(summary));
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
