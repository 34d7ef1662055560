#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

#include "cli/Cli.h"
#include "cli/CliSupport.h"
#include "cli/ExitCodes.h"
#include "cli/FleetFile.h"
#include "cli/TerminalView.h"
#include "history/Journal.h"
#include "model/Catalogue.h"
#include "storage/DataFile.h"
#include "support/Shares.h"
#include "support/SimProcess.h"
#include "support/TestClock.h"
#include "texts/CliTexts.h"
#include "texts/HistoryTexts.h"
#include "texts/Language.h"
#include "texts/LinkTexts.h"
#include "texts/PlatformTexts.h"
#include "texts/StorageTexts.h"
#include "texts/TransferTexts.h"

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

// The empty configuration file a test's runs name with --ini (a named file must exist).
QString IniIn(const QTemporaryDir& home) {
    QFile ini(home.filePath("Rusk.INI"));
    if (!ini.exists() && ini.open(QIODevice::WriteOnly)) ini.close();
    return ini.fileName();
}

// Writes the fleet file of a test into `home`; its name.
QString FleetFileIn(const QTemporaryDir& home, const QString& text) {
    QFile fleet(home.filePath("fleet.ini"));
    if (fleet.open(QIODevice::WriteOnly | QIODevice::Truncate)) fleet.write(text.toUtf8());
    return fleet.fileName();
}

// Runs rusk-cli's commands in this process, with its journal and configuration (an empty
// Rusk.INI unless the test wrote one) in `home`, without a session's runtime folder, as cron runs
// it. The tests about the program as a process (signals, a closed pipe) start the built program.
Run RunCli(const QTemporaryDir& home, QStringList args) {
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath("data")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")));
    qunsetenv("XDG_RUNTIME_DIR");
    const QString ini = IniIn(home);
    if (!args.isEmpty() && !args.contains("--ini"))
        args = args.mid(0, 1) + QStringList{"--ini", ini} + args.mid(1);
    Run r;
    QTextStream out(&r.out), err(&r.err);
    r.code = ::RunCli(QStringList{"rusk-cli"} + args, out, err);
    out.flush();
    err.flush();
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
        QCOMPARE(Journal(home.filePath("data/rusk/journal.sqlite")).list().front().noteText(),
                 Tr(LinkText::NoteProductRestored).arg(0));

        QCOMPARE(RunCli(home, {"diff", file, file}).code, exitcode::kOk);

        SettingsStore changed;
        QVERIFY(LoadDataFile(changed, file, loadmode::kAll).messages.isEmpty());
        changed.setProduct(12, 2, changed.product(12, 2) == "00001" ? "00002" : "00001");
        const QString copy = home.filePath("changed.mdb");
        QVERIFY(SaveDataFile(changed, copy).saved);
        const Run text = RunCli(home, {"diff", file, copy});
        QCOMPARE(text.code, exitcode::kNoOrDifferent);
        QVERIFY2(text.out.contains(Tr(HistoryText::ProductPlace).arg("12", ProductItemLabels()[2])),
                 qPrintable(text.out));
        const Run json = RunCli(home, {"diff", "--json", file, copy});
        QCOMPARE(json.code, exitcode::kNoOrDifferent);
        const QJsonObject doc = QJsonDocument::fromJson(json.out.toUtf8()).object();
        QCOMPARE(doc.value("equal").toBool(true), false);
        QCOMPARE(doc.value("differences").toArray().size(), 1);

        // A journal snapshot and the indicator itself can stand for A or B.
        QCOMPARE(RunCli(home, {"diff", "journal:1", file}).code, exitcode::kOk);
        QCOMPARE(RunCli(home, {"diff", sim.device(), copy, "-q"}).code, exitcode::kNoOrDifferent);
        QCOMPARE(Journal(home.filePath("data/rusk/journal.sqlite")).list().front().operationText(),
                 Tr(LinkText::RunCompareRead));
        QCOMPARE(RunCli(home, {"diff", "journal:99", file}).code, exitcode::kFile);

        // A file of the other model is used whole or not at all.
        const Run other = RunCli(home, {"diff", "--model", "800", file, file});
        QCOMPARE(other.code, exitcode::kFile);
        QVERIFY2(other.err.contains(Tr(StorageText::ModelMismatch).arg("Ｆ８００") +
                                    Tr(CliText::NothingLoaded)) &&
                     !other.err.contains(Tr(StorageText::ProductsLoadedOnly)),
                 qPrintable(other.err));
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
        QVERIFY2(r.err.contains(Tr(LinkText::NotReadWhole) + "W21, W22"), qPrintable(r.err));
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
        for (int n = 0; n < SettingsStore::kMaxProducts; ++n)
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
        QVERIFY2(r.err.contains(Tr(TransferText::InvalidStored) + ": W20, W22"), qPrintable(r.err));
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
        QVERIFY2(dry.out.contains(Tr(HistoryText::ProductPlace).arg("12", ProductItemLabels()[2])),
                 qPrintable(dry.out));

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

    // write --changed reads the indicator and sends only what differs from it, after listing
    // it; without --yes off a terminal it sends nothing, and with nothing different neither.
    void writeChangedSendsOnlyTheDifferences() {
        QTemporaryDir home;
        SimProcess sim;
        const QString copy = ChangedCopy(home, sim.device());
        QVERIFY(!copy.isEmpty());
        const auto written = [&sim] {
            return sim.requests()
                .filter(QRegularExpression("^W1"))
                .filter(QRegularExpression("^W1[0-7]\\d{5}$"));
        };
        const int before = sim.requests().size();
        const Run unasked = RunCli(home, {"write", sim.device(), "-i", copy, "--changed", "-q"});
        QCOMPARE(unasked.code, isatty(STDIN_FILENO) ? unasked.code : exitcode::kUsage);
        QVERIFY(written().isEmpty());
        const Run r = RunCli(
            home, {"write", sim.device(), "-i", copy, "--changed", "--yes", "--keep-before", "-q"});
        QCOMPARE(r.code, exitcode::kOk);
        const QStringList sent = sim.requests().mid(before).filter(QRegularExpression("^W..\\d"));
        QVERIFY2(sent.contains("W0000012") && written().size() == 1, qPrintable(sent.join(' ')));
        // --keep-before: what the write overwrote is kept first, listed under the write.
        const auto journal = Journal(home.filePath("data/rusk/journal.sqlite")).list();
        QCOMPARE(std::tuple(journal[1].note, journal[1].operation, journal[1].valueCount),
                 std::tuple(QString(Journal::kBeforeWrite), journal[0].operation, 8));
        const Run again =
            RunCli(home, {"write", sim.device(), "-i", copy, "--changed", "--yes", "-q"});
        QCOMPARE(again.code, exitcode::kOk);
        QCOMPARE(written().size(), 1);
    }

    void writeVerifyTellsWhatTheIndicatorRefused() {
        QTemporaryDir home;
        SimProcess sim({"--refuse", "p12"});
        QVERIFY2(!sim.device().isEmpty(), "the simulator did not start");
        const QString copy = ChangedCopy(home, sim.device());
        QVERIFY(!copy.isEmpty());
        const Run r = RunCli(home, {"write", sim.device(), "-i", copy, "--verify", "-q"});
        QCOMPARE(r.code, exitcode::kVerifyMismatch);
        // Product 12's item 2, whatever its value.
        QVERIFY2(r.out.contains(Tr(CliText::ProductValue).arg(12).arg("12", QString())),
                 qPrintable(r.out));
        // The journal keeps the verdict with the write.
        const JournalEntry written = Journal(home.filePath("data/rusk/journal.sqlite")).list()[0];
        QCOMPARE(std::tuple(written.direction, written.noteText()),
                 std::tuple(TransferRun::Direction::Write, Tr(LinkText::NoteVerifyRefused).arg(1)));
    }

    // A journal that cannot be used: a run it could not keep is told even with --quiet, with
    // the file and the reason, and changes the exit code or the fleet's summary; the data read
    // is saved all the same; a snapshot asked for names the file and the reason.
    void journalFailuresAreToldAndChangeTheExitCode() {
        QTemporaryDir home;
        SimProcess sim;
        QVERIFY2(!sim.device().isEmpty(), "the simulator did not start");
        QFile blocker(home.filePath("data/rusk"));  // where the journal's folder should be
        QVERIFY(QDir().mkpath(home.filePath("data")) && blocker.open(QIODevice::WriteOnly));
        const QString journal = home.filePath("data/rusk/journal.sqlite");
        const QString file = home.filePath("read.mdb");

        const Run read = RunCli(home, {"read", sim.device(), "-o", file, "-q"});
        QCOMPARE(read.code, exitcode::kJournal);
        QVERIFY(QFile::exists(file));
        QVERIFY2(read.err.contains(
                     Tr(HistoryText::NotKept).arg(journal, Tr(PlatformText::NotFound).chopped(1))),
                 qPrintable(read.err));

        const Run diff = RunCli(home, {"diff", "journal:2", file});
        QCOMPARE(diff.code, exitcode::kFile);
        QVERIFY2(diff.err.contains(Tr(CliText::JournalUnreadable).arg(journal, QString())),
                 qPrintable(diff.err));

        const QString fleet =
            FleetFileIn(home, QString("[a]\nDevice=%1\nModel=805\n").arg(sim.device()));
        const Run backup = RunCli(home, {"fleet", fleet, "backup", "-d", home.path(), "-q"});
        QCOMPARE(backup.code, exitcode::kFleetFailed);
        QVERIFY2(backup.out.contains(Tr(CliText::ResultNotKept)), qPrintable(backup.out));
        QVERIFY2(backup.err.contains(journal), qPrintable(backup.err));
    }

    void ctrlCDuringWriteFinishesTheRecordAndJournalsWhereItStopped() {
        // The file to write is read from an indicator of the same data that answers at once; the
        // one written to answers slowly enough to be stopped in mid-write.
        QTemporaryDir home;
        SimProcess source;
        SimProcess sim({"--delay", "10"});
        QVERIFY2(!source.device().isEmpty() && !sim.device().isEmpty(),
                 "the simulator did not start");
        const QString copy = ChangedCopy(home, source.device());
        QVERIFY(!copy.isEmpty());
        const int readRequests = sim.requests().size();

        QProcess write;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", home.filePath("data"));
        write.setProcessEnvironment(env);
        write.start(RUSK_CLI_PATH, {"write", sim.device(), "-i", copy, "--ini", IniIn(home)});
        QByteArray err;
        const QByteArray sending3 = Tr(TransferText::ProductSending).arg(3).toUtf8();
        QTRY_VERIFY_WITH_TIMEOUT((err += write.readAllStandardError()).contains(sending3), 20000);
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
        QVERIFY2(last.noteText().startsWith("Ctrl+C"), qPrintable(last.noteText()));
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
        live.start(RUSK_CLI_PATH, {"live", tcp.device(), "--interval", "0", "--ini", IniIn(home)});
        QVERIFY(head.waitForFinished(10000));
        QVERIFY(live.waitForFinished(5000));
        QCOMPARE(live.exitStatus(), QProcess::NormalExit);
        QCOMPARE(live.exitCode(), exitcode::kOutputClosed);
        QVERIFY(live.readAllStandardError().isEmpty());
        QCOMPARE(head.readAllStandardOutput().count('\n'), 2);
    }

    void aSecondStopEndsAtOnceAndTheFleetPassesTheFirstOn() {
        // A read from a silent indicator: the first stop waits for the record under way (its
        // minute-long time-out), a second of the other kind ends it at once. The settings alone:
        // a read of the products first asks which product the indicator is on, before any status.
        QTemporaryDir home;
        SimProcess silent({"--silent"});
        SimProcess slow1({"--delay", "10"});
        SimProcess slow2({"--delay", "10"});
        QVERIFY2(
            !silent.device().isEmpty() && !slow1.device().isEmpty() && !slow2.device().isEmpty(),
            "a simulator did not start");
        QProcess read;
        read.start(RUSK_CLI_PATH,
                   {"read", silent.device(), "--settings-only", "-o", home.filePath("x.mdb"),
                    "--timeout", "60000", "--ini", IniIn(home)});
        QByteArray err;
        const QByteArray reading = Tr(TransferText::SettingsReading).toUtf8();
        QTRY_VERIFY_WITH_TIMEOUT((err += read.readAllStandardError()).contains(reading), 10000);
        ::kill(static_cast<pid_t>(read.processId()), SIGINT);
        ::kill(static_cast<pid_t>(read.processId()), SIGTERM);
        QVERIFY(read.waitForFinished(5000));
        QCOMPARE(read.exitStatus(), QProcess::CrashExit);

        // Ctrl+C to a fleet check: each indicator under way finishes its record and ends, which
        // the summary shows as 中断.
        const QString fleet =
            FleetFileIn(home, QString("[a]\nDevice=%1\nModel=805\nBaseline=none.mdb\n"
                                      "[b]\nDevice=%2\nModel=805\nBaseline=none.mdb\n")
                                  .arg(slow1.device(), slow2.device()));
        QProcess check;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", home.filePath("data"));
        check.setProcessEnvironment(env);
        check.start(RUSK_CLI_PATH, {"fleet", fleet, "check", "-d", home.path(), "--ini",
                                    home.filePath("Rusk.INI")});
        err.clear();
        QTRY_VERIFY_WITH_TIMEOUT((err += check.readAllStandardError()).contains("[b] "), 10000);
        ::kill(static_cast<pid_t>(check.processId()), SIGINT);
        QVERIFY(check.waitForFinished(20000));
        QCOMPARE(check.exitCode(), exitcode::kInterrupted);
        const QString summary = QString::fromUtf8(check.readAllStandardOutput());
        QCOMPARE(summary.count(Tr(CliText::ResultStopped)), 2);
        const QString failed = Tr(CliText::ResultFailed);  // whatever the exit code
        QVERIFY2(!summary.contains(failed.left(failed.indexOf("%1"))), qPrintable(summary));
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

    // A character device is a device whatever name leads to it; anything else is a file.
    void namesOfDevicesAndFiles_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("device");
        QTest::newRow("port name") << "Com3" << true;
        QTest::newRow("unplugged under /dev") << "/dev/rusk-none" << true;
        QTest::newRow("link to a device elsewhere") << "serial-link" << true;
        QTest::newRow("data file") << "data.mdb" << false;
        QTest::newRow("file: before a name") << "file:data.mdb" << false;
    }
    void namesOfDevicesAndFiles() {
        QFETCH(QString, name);
        QFETCH(bool, device);
        QTemporaryDir home;
        QVERIFY(QFile::link("/dev/null", home.filePath("serial-link")));
        QVERIFY(SaveDataFile(SettingsStore(), home.filePath("data.mdb")).saved);
        QCOMPARE(IsDeviceName(name.startsWith('/') || name.startsWith("Com") ? name
                                                                             : home.filePath(name)),
                 device);
    }

    // report -o replaces only what a data file's save would: a regular file its mode lets be
    // written (for root too), keeping that mode; never a pipe or a device.
    void reportReplacesOnlyWritableFiles_data() {
        QTest::addColumn<int>("mode");  // 0: a named pipe
        QTest::addColumn<int>("code");
        QTest::newRow("writable") << 0640 << exitcode::kOk;
        QTest::newRow("read-only") << 0444 << exitcode::kFile;
        QTest::newRow("named pipe") << 0 << exitcode::kFile;
    }
    void reportReplacesOnlyWritableFiles() {
        QFETCH(int, mode);
        QFETCH(int, code);
        QTemporaryDir home;
        const QString data = home.filePath("data.mdb");
        QVERIFY(SaveDataFile(SettingsStore(), data).saved);
        const QString out = home.filePath("out.pdf");
        const QByteArray name = QFile::encodeName(out);
        if (mode == 0) {
            QVERIFY(::mkfifo(name, 0644) == 0);
        } else {
            QFile old(out);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
            old.close();
            QVERIFY(::chmod(name, mode_t(mode)) == 0);
        }
        const Run r = RunCli(home, {"report", data, "-o", out});
        QCOMPARE(r.code, code);
        struct stat st {};
        QVERIFY(::stat(name, &st) == 0);
        QCOMPARE(S_ISFIFO(st.st_mode), mode == 0);
        if (mode != 0) {
            QCOMPARE(int(st.st_mode & 0777), mode);
            QCOMPARE(st.st_size > 3, code == exitcode::kOk);
        }
    }

    void fleetWorksEachIndicatorAndReportsTheSilentOne() {
        QTemporaryDir home;
        SimProcess pty;
        SimProcess tcp({"--listen", "127.0.0.1:0"});
        SimProcess silent({"--silent"});
        QVERIFY2(!pty.device().isEmpty() && !tcp.device().isEmpty() && !silent.device().isEmpty(),
                 "a simulator did not start");
        const QString fleet =
            FleetFileIn(home, QString("[a]\nDevice=%1\nModel=805\n[b]\nDevice=%2\nModel=805\n"
                                      "[c]\nDevice=%3\nModel=800\n")
                                  .arg(pty.device(), tcp.device(), silent.device()));
        const QStringList common = {"-d", home.path(), "--timeout", "500", "-q"};
        const Run backup = RunCli(home, QStringList{"fleet", fleet, "backup"} + common);
        QCOMPARE(backup.code, exitcode::kFleetFailed);
        const QStringList rows = backup.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 4);  // heading and one row per indicator, in the file's order
        const QString saved = Tr(CliText::ResultSaved).arg(QString());  // before the file's name
        QVERIFY2(rows[1].startsWith("a ") && rows[1].contains(saved), qPrintable(backup.out));
        QVERIFY2(rows[2].contains(saved) && rows[3].contains(Tr(CliText::ResultNoAnswer)),
                 qPrintable(backup.out));
        QCOMPARE(QDir(home.path()).entryList({"a-*.mdb", "b-*.mdb"}).size(), 2);

        const Run check = RunCli(home, QStringList{"fleet", fleet, "check"} + common);
        QCOMPARE(check.code, exitcode::kFleetFailed);
        QCOMPARE(check.out.count(Tr(CliText::ResultSame)), 2);
        QVERIFY2(check.out.contains(Tr(CliText::NoBaseline)), qPrintable(check.out));

        // A Baseline= that names an indicator is read as the member is, on the same loop.
        FleetFileIn(
            home,
            QString("[a]\nDevice=%1\nModel=805\nBaseline=%2\n").arg(pty.device(), tcp.device()));
        const Run against = RunCli(home, QStringList{"fleet", fleet, "check"} + common);
        QVERIFY2(against.code == exitcode::kOk, qPrintable(against.out + against.err));
        QVERIFY2(against.out.contains(Tr(CliText::ResultSame)), qPrintable(against.out));
    }

    // All indicators in the one process: a silent one (a minute's time-out) and one that
    // refuses the connection hold up no other, which is saved while the silent one still waits.
    void fleetSilentAndRefusingMembersHoldUpNoOther() {
        QTemporaryDir home;
        SimProcess silent({"--silent"});
        SimProcess good;
        QVERIFY2(!silent.device().isEmpty() && !good.device().isEmpty(),
                 "a simulator did not start");
        const QString fleet = FleetFileIn(
            home, QString("[s]\nDevice=%1\nModel=805\n[r]\nDevice=tcp://127.0.0.1:1\nModel=805\n"
                          "[g]\nDevice=%2\nModel=805\n")
                      .arg(silent.device(), good.device()));
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", home.filePath("data"));
        run.setProcessEnvironment(env);
        run.start(RUSK_CLI_PATH, {"fleet", fleet, "backup", "-d", home.path(), "--timeout", "60000",
                                  "--ini", IniIn(home)});
        QByteArray err;
        const QByteArray saved = ("[g] " + Tr(CliText::ResultSaved).arg(QString())).toUtf8();
        QTRY_VERIFY_WITH_TIMEOUT((err += run.readAllStandardError()).contains(saved), 20000);
        QVERIFY2(err.contains(("[r] " + Tr(CliText::ResultPortError)).toUtf8()) &&
                     !err.contains(("[s] " + Tr(CliText::ResultNoAnswer)).toUtf8()),
                 err.constData());
        QCOMPARE(run.state(), QProcess::Running);
        const auto pid = static_cast<pid_t>(run.processId());
        QFile children(QString("/proc/%1/task/%1/children").arg(pid));
        if (children.open(QIODevice::ReadOnly))
            QCOMPARE(children.readAll().trimmed(), QByteArray());
        ::kill(pid, SIGINT);
        ::kill(pid, SIGTERM);
        QVERIFY(run.waitForFinished(5000));
    }

    // One still at work when its 30 minutes are up is given up and reported for itself; the
    // next is worked as usual. In this process, on a test clock.
    void fleetGivesUpAnIndicatorAtItsLimit() {
        QTemporaryDir home;
        SimProcess silent({"--silent"});
        SimProcess good;
        QVERIFY2(!silent.device().isEmpty() && !good.device().isEmpty(),
                 "a simulator did not start");
        const QString fleet =
            FleetFileIn(home, QString("[s]\nDevice=%1\nModel=805\n[g]\nDevice=%2\nModel=805\n")
                                  .arg(silent.device(), good.device()));
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", home.filePath("data").toUtf8());
        TestClock clock;
        QTimer::singleShot(0, [&clock] { clock.advance(30 * 60 * 1000); });
        QString outText;
        QString errText;
        QTextStream out(&outText);
        QTextStream err(&errText);
        const int code =
            FleetCommand({"rusk-cli", "fleet", fleet, "backup", "-d", home.path(), "--jobs", "1",
                          "--timeout", "60000", "-q", "--ini", IniIn(home)},
                         out, err, clock);
        qputenv("XDG_DATA_HOME", dataHome);
        out.flush();
        QCOMPARE(code, exitcode::kFleetFailed);
        const QStringList rows = outText.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 3);
        QVERIFY2(rows[1].startsWith("s ") && rows[1].contains(Tr(CliText::ResultGivenUp).arg(30)),
                 qPrintable(outText));
        QVERIFY2(
            rows[2].startsWith("g ") && rows[2].contains(Tr(CliText::ResultSaved).arg(QString())),
            qPrintable(outText));
    }

    // Where the result is to go is checked before the indicator is asked anything.
    void outputIsCheckedBeforeTheIndicatorIsRead() {
        QTemporaryDir home;
        SimProcess sim;
        QVERIFY2(!sim.device().isEmpty(), "the simulator did not start");
        const Run read = RunCli(home, {"read", sim.device(), "-o", home.filePath("none/x.mdb")});
        QCOMPARE(read.code, exitcode::kFile);
        // A name the folder cannot take as a file name (too long).
        const QString fleet = FleetFileIn(
            home,
            QString("[a]\nDevice=%1\nModel=805\nName=%2\n").arg(sim.device(), QString(300, 'n')));
        const Run backup = RunCli(home, {"fleet", fleet, "backup", "-d", home.path()});
        QCOMPARE(backup.code, exitcode::kFile);
        QVERIFY2(sim.requests().isEmpty(), qPrintable(sim.requests().join(' ')));
    }

    // The README's example is read as written, comments and all; a Shift-JIS file as Rusk.INI is.
    void fleetFileReadsTheReadmeExampleAndShiftJis() {
        QFile readme(RUSK_README_PATH);
        QVERIFY(readme.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(readme.readAll());
        const int start = text.indexOf("```ini\n; plant.ini\n");
        QVERIFY(start >= 0);
        const int body = text.indexOf('\n', start) + 1;
        const QString example = text.mid(body, text.indexOf("```", body) - body);
        QTemporaryDir dir;
        auto read = [&dir](const QByteArray& bytes) {
            QFile file(dir.filePath("plant.ini"));
            if (file.open(QIODevice::WriteOnly)) file.write(bytes);
            file.close();
            return ReadFleetFile(file.fileName(), "19200,o,7,1");
        };
        const FleetFile plant = read(example.toUtf8());
        QVERIFY2(plant.errors.isEmpty(), qPrintable(plant.errors.join('\n')));
        QCOMPARE(plant.members.size(), size_t(3));
        QCOMPARE(plant.members[1].name, QString("press-2"));
        QCOMPARE(plant.members[1].device, QString("Com3"));
        QCOMPARE(plant.members[1].line, QString("9600,o,7,1"));
        QCOMPARE(plant.members[2].baseline, dir.filePath("filler-commissioned.mdb"));
        QCOMPARE(plant.members[0].rate, 2);
        QCOMPARE(read("[a]\nDevice=Com1\nModel=805\nRate=20\n").members.front().rate, 20);

        const FleetFile sjis = read("[\x83v\x83\x8c\x83X1]\r\nDevice=Com1\r\nModel=805\r\n");
        QVERIFY2(sjis.errors.isEmpty(), qPrintable(sjis.errors.join('\n')));
        QCOMPARE(sjis.members.front().name, QString("プレス1"));
    }

    void statusGoesAsABarOnATerminalAndAsLinesElsewhere() {
        QString text;
        QTextStream stream(&text);
        const QString sending = Tr(TransferText::ProductSending).arg(0);
        const QString message = Tr(LinkText::PortNotOpen);
        TerminalView terminal(stream, false, 1);
        terminal.setStatusText(sending);
        terminal.setProgressVisible(true);
        terminal.setProgress(50);
        terminal.showMessage(message);
        // The bar is redrawn in place; a message ends its line and stands on a line of its own.
        QVERIFY2(text.contains("\r[###############               ]  50% " + sending),
                 qPrintable(text));
        QVERIFY(text.endsWith('\n' + message + '\n'));

        text.clear();
        TerminalView pipe(stream, false, 0);
        pipe.setProgressVisible(true);
        pipe.setStatusText(sending);
        pipe.setProgress(50);
        pipe.setStatusText(sending);
        QCOMPARE(text, sending + '\n');

        // A finished transfer leaves a full bar; one cut short by a time-out leaves the bar where
        // it stopped, and the message follows with plain line ends.
        auto finished = [&stream, &text](const QString& closing, bool timeOut) {
            text.clear();
            TerminalView view(stream, false, 1);
            view.setProgress(0);
            view.setProgressVisible(true);
            view.setStatusText(Tr(TransferText::ProductReading).arg(99));
            view.setProgress(99);
            view.setStatusText(closing);
            view.setProgress(0);
            view.setProgressVisible(false);
            if (timeOut) view.showMessage(Tr(CliText::NoAnswer) + "\r\n\x1b[2J");
            return text;
        };
        QVERIFY2(finished(Tr(TransferText::ProductReadDone), false)
                     .endsWith("] 100% " + Tr(TransferText::ProductReadDone) + "\x1b[K\n"),
                 qPrintable(text));
        QVERIFY2(finished(Tr(TransferText::SettingsSendIncomplete), true)
                     .endsWith("]  99% " + Tr(TransferText::SettingsSendIncomplete) + "\x1b[K\n" +
                               Tr(CliText::NoAnswer) + "\n<1B>[2J\n"),
                 qPrintable(text));
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
        for (const char* rate : {"0", "21", "2.5", "fast"})
            QTest::newRow(rate) << QString("[a]\nDevice=x\nModel=805\nRate=%1\n").arg(rate)
                                << "[a] Rate";
        QTest::newRow("outside") << "Device=x\n[a]\nDevice=x\nModel=805\n"
                                 << ":1:";
        // The texts after the file's name.
        QTest::newRow("empty") << "; nothing\n" << Tr(CliText::NoSections).arg(QString());
        // A device is a device: never an option, a data file or a journal snapshot.
        for (const char* device : {"--help", "backup.mdb", "journal:2", "tcp://nohost", "Com99"})
            QTest::newRow(device) << QString("[a]\nDevice=%1\nModel=805\n").arg(device)
                                  << "[a] Device";
        QTest::newRow("control characters") << "[a]\nModel=805\x1b[2J\n"
                                            << "805<1B>[2J";
        QTest::newRow("many mistakes")
            << "[a]\nDevice=/dev/x\nModel=805\n" + QString("x\n").repeated(30)
            << Tr(CliText::MoreErrors).arg(QString()).arg(20);
        QTest::newRow("too large")
            << "[a]\n" + QString(1024 * 1024, ';')
            << Tr(CliText::FleetTooLarge)
                   .arg(QString(), QString::number(kFleetFileMaxBytes / 1024));
    }
    void fleetFileMistakesNameSectionAndKey() {
        QFETCH(QString, text);
        QFETCH(QString, named);
        QTemporaryDir dir;
        // A place marker in the file's name is shown as it is, never filled with a number.
        QFile file(dir.filePath("fleet%1.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
        file.close();
        const FleetFile fleet = ReadFleetFile(file.fileName(), "19200,o,7,1");
        QVERIFY(fleet.members.empty());
        const QString errors = fleet.errors.join('\n');
        QVERIFY2(errors.contains(named), qPrintable(errors));
        QVERIFY2(!errors.contains(QRegularExpression("fleet\\d")), qPrintable(errors));
        QVERIFY(!errors.contains(QChar(0x1b)));
        QVERIFY(fleet.errors.size() <= kFleetFileListedErrors + 1);
    }

    void usageErrorsExitTwo_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("says");
        QTest::newRow("no command") << QStringList{} << "";
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << "frobnicate";
        QTest::newRow("read without file") << QStringList{"read", "/dev/null"} << "-o";
        QTest::newRow("bad model") << QStringList{"diff", "--model", "900", "a", "b"} << "";
        QTest::newRow("unknown option") << QStringList{"probe", "--nope", "/dev/null"} << "nope";
        QTest::newRow("missing ini")
            << QStringList{"probe", "--ini", "/nonexistent/Rusk.INI", "Com1"} << "/nonexistent";
        QTest::newRow("empty output")
            << QStringList{"read", "/dev/null", "-o", ""} << Tr(CliText::OutputNameEmpty);
        QTest::newRow("malformed tcp") << QStringList{"probe", "tcp://nohost"} << "tcp://nohost";
        QTest::newRow("tcp in diff") << QStringList{"diff", "tcp://h:99999", "a.mdb"} << "99999";
        QTest::newRow("no device") << QStringList{"probe", "a.mdb"} << "a.mdb";
        QTest::newRow("after --") << QStringList{"read", "-o", "x.mdb", "--", "--help"} << "--help";
        QTest::newRow("journal: no number")
            << QStringList{"diff", "journal:abc", "journal:1"} << "journal:abc";
        QTest::newRow("journal: zero")
            << QStringList{"diff", "journal:1", "journal:0"} << "journal:0";
        QTest::newRow("journal: negative")
            << QStringList{"diff", "journal:-1", "journal:1"} << "journal:-1";
    }
    void usageErrorsExitTwo() {
        QFETCH(QStringList, args);
        QFETCH(QString, says);
        QTemporaryDir home;
        const Run r = RunCli(home, args);
        QCOMPARE(r.code, exitcode::kUsage);
        QVERIFY2(r.err.contains(says) && !r.err.contains('\r'), qPrintable(r.err));
    }

    // Each command's usage line shows what it needs, and report's help needs no display, nor
    // does its run warn about a missing runtime folder.
    void helpShowsRequiredOptionsWithoutNoise() {
        QTemporaryDir home;
        const QList<QPair<QStringList, QString>> helps = {
            {{"read", "--help"}, "read DEVICE -o FILE"},
            {{"write", "--help"}, "write DEVICE -i FILE"},
            {{"report", "--help"}, "report SOURCE -o SHEET.pdf"}};
        for (const auto& [args, usage] : helps) {
            const Run r = RunCli(home, args);
            QCOMPARE(r.code, exitcode::kOk);
            QVERIFY2(r.out.contains(usage) && r.err.isEmpty(), qPrintable(r.out + r.err));
        }
        const QString data = home.filePath("empty.mdb");
        QVERIFY(SaveDataFile(SettingsStore(), data).saved);
        const Run report = RunCli(home, {"report", data, "-o", home.filePath("sheet.pdf")});
        QCOMPARE(report.code, exitcode::kOk);
        QVERIFY2(report.err.isEmpty(), qPrintable(report.err));
    }

    // The help reads the same in either language, in English; a message follows the language.
    void helpAndMessagesInEitherLanguage() {
        QTemporaryDir home;
        QStringList helps[2];
        for (int l = 0; l < 2; ++l) {
            QVERIFY(texts::UseLanguage(texts::Languages()[l], texts::QtTexts::Untranslated));
            for (const char* command :
                 {"probe", "read", "write", "diff", "live", "fleet", "report"})
                helps[l] << RunCli(home, {command, "--help"}).out;
            helps[l] << RunCli(home, {"--help"}).out;
            const Run usage = RunCli(home, {"read"});
            QCOMPARE(usage.code, exitcode::kUsage);
            QVERIFY2(usage.err.contains(Tr(CliText::OneDevice)), qPrintable(usage.err));
        }
        QVERIFY(texts::UseLanguage(texts::kJapanese));
        QCOMPARE(helps[1], helps[0]);
        for (const QString& help : helps[1])
            QVERIFY2(
                help.size() > 40 && !help.contains(QRegularExpression("[\\x{3000}-\\x{ffef}]")),
                qPrintable(help));
    }
};

int main(int argc, char** argv) {
    // As the program sets itself up: the report paints on the offscreen platform, and the
    // configuration folder is the window's.
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("rusk"));
    CliTest test;
    return ExecShare(&test, argc, argv);
}
#include "test_cli.moc"
