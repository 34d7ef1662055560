// The rusk-sim program itself, talked to over its pseudo-terminal (or TCP) as the program would.
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>
#include <memory>

namespace {

constexpr int kWaitMs = 5000;

// A running rusk-sim, stopped when the object goes.
struct Sim {
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();
    QString path;
    QStringList paths;  // one a line printed: `lines` of them

    bool start(const QStringList& args, int lines = 1) {
        process->start(RUSK_SIM_PATH, args);
        if (!process->waitForStarted(kWaitMs)) return false;
        QDeadlineTimer deadline(kWaitMs);
        while (paths.size() < lines && !deadline.hasExpired()) {
            if (process->canReadLine())
                paths << QString::fromLocal8Bit(process->readLine()).trimmed();
            else if (!process->waitForReadyRead(int(deadline.remainingTime())))
                break;
        }
        path = paths.value(0);
        return paths.size() == lines && !paths.contains(QString());
    }
    ~Sim() {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(kWaitMs);
        }
    }
};

// One client session on the pseudo-terminal, raw, as a serial port would open it.
struct Client {
    int fd = -1;
    QByteArray pending;

    bool open(const QString& path) {
        if (path.startsWith("tcp://")) return connect(QUrl(path));
        fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd < 0) return false;
        termios t{};
        tcgetattr(fd, &t);
        cfmakeraw(&t);
        return tcsetattr(fd, TCSANOW, &t) == 0;
    }
    bool connect(const QUrl& url) {
        addrinfo* found = nullptr;
        if (getaddrinfo(qPrintable(url.host()), qPrintable(QString::number(url.port())), nullptr,
                        &found) != 0)
            return false;
        fd = ::socket(found->ai_family, SOCK_STREAM, 0);
        const bool ok = fd >= 0 && ::connect(fd, found->ai_addr, found->ai_addrlen) == 0;
        freeaddrinfo(found);
        return ok && fcntl(fd, F_SETFL, O_NONBLOCK) == 0;
    }
    void close() {
        if (fd >= 0) ::close(fd);
        fd = -1;
        pending.clear();
    }
    ~Client() { close(); }

    bool send(const QByteArray& request) {
        const QByteArray data = request + '\r';
        return ::write(fd, data.constData(), size_t(data.size())) == data.size();
    }
    // Reads until at least `lines` reply lines have arrived or the wait runs out.
    QByteArray readLines(int lines, int waitMs = kWaitMs) {
        QDeadlineTimer deadline(waitMs);
        while (pending.count('\n') < lines && !deadline.hasExpired()) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, int(deadline.remainingTime())) <= 0) break;
            char buf[256];
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n > 0) pending.append(buf, n);
        }
        qsizetype end = -1;  // last character of the lines taken
        for (int i = 0; i < lines; ++i) {
            const qsizetype lf = pending.indexOf('\n', end + 1);
            end = lf < 0 ? pending.size() - 1 : lf;
            if (lf < 0) break;
        }
        const QByteArray taken = pending.left(end + 1);
        pending.remove(0, end + 1);
        return taken;
    }
    QByteArray ask(const QByteArray& request) {
        return send(request) ? readLines(1) : "<send failed>";
    }
    bool nothingWaiting() {
        pollfd p{fd, POLLIN, 0};
        return pending.isEmpty() && ::poll(&p, 1, 0) == 0;
    }
};

QByteArrayList LogLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QByteArrayList lines = f.readAll().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

}  // namespace

class TestSimProcess : public QObject {
    Q_OBJECT
  private slots:
    void answersOverThePseudoTerminalAndLogs();
    void survivesClientReopening();
    void symlinkFollowsTheRun();
    void stdinCloseEndsTheRun();
    void replyOptions_data();
    void replyOptions();
    void silentNeverAnswers();
    void f800Codes();
    void commandLineErrors();
    void refusedWritesAreIgnored();
    void countServesIndependentIndicators();
};

void TestSimProcess::answersOverThePseudoTerminalAndLogs() {
    QTemporaryDir dir;
    const QString log = dir.filePath("requests.log");
    Sim sim;
    QVERIFY(sim.start({"--log", log}));
    QVERIFY(sim.path.startsWith("/dev/"));
    Client c;
    QVERIFY(c.open(sim.path));
    QCOMPARE(c.ask("W00"), QByteArray("W0000000\r\n"));
    QCOMPARE(c.ask("W20"), QByteArray("W2000001\r\n"));
    const QByteArray ra = c.ask("RA");
    QVERIFY2(
        QRegularExpression("^RA[+-]\\d{5}\\.\\d\r\n$").match(QString::fromLatin1(ra)).hasMatch(),
        ra.constData());
    QCOMPARE(LogLines(log), (QByteArrayList{"W00", "W20", "RA"}));
}

void TestSimProcess::survivesClientReopening() {
    Sim sim;
    QVERIFY(sim.start({}));
    Client c;
    QVERIFY(c.open(sim.path));
    QVERIFY(c.send("W0000007"));
    QCOMPARE(c.ask("W00"), QByteArray("W0000007\r\n"));
    c.close();
    QVERIFY(c.open(sim.path));
    QCOMPARE(c.ask("W00"), QByteArray("W0000007\r\n"));  // the indicator kept its state
    c.close();
    QVERIFY(c.open(sim.path));
    QCOMPARE(c.ask("W12"), QByteArray("W1201175\r\n"));
}

void TestSimProcess::symlinkFollowsTheRun() {
    QTemporaryDir dir;
    const QString link = dir.filePath("ttyRUSK");
    QVERIFY(QFile::link("/nonexistent", link));  // a stale link from an earlier run is replaced
    Sim sim;
    QVERIFY(sim.start({"--link", link}));
    QCOMPARE(QFileInfo(link).symLinkTarget(), sim.path);
    Client c;
    QVERIFY(c.open(link));
    QCOMPARE(c.ask("CA"), QByteArray("CA\r\n"));
    sim.process->terminate();
    QVERIFY(sim.process->waitForFinished(kWaitMs));
    QCOMPARE(sim.process->exitStatus(), QProcess::NormalExit);
    QCOMPARE(sim.process->exitCode(), 0);
    QVERIFY(!QFileInfo(link).isSymLink());
}

void TestSimProcess::stdinCloseEndsTheRun() {
    Sim sim;
    QVERIFY(sim.start({"--stdin-exit"}));
    sim.process->closeWriteChannel();
    QVERIFY(sim.process->waitForFinished(kWaitMs));
    QCOMPARE(sim.process->exitCode(), 0);
}

void TestSimProcess::replyOptions_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("double") << QStringList{"--double"} << QByteArray("W0000000\r\nW0000000\r\n");
    QTest::newRow("extra line") << QStringList{"--extra", "W0000042"}
                                << QByteArray("W0000000\r\nW0000042\r\n");
    QTest::newRow("trickle") << QStringList{"--trickle", "1"} << QByteArray("W0000000\r\n");
    QTest::newRow("line time") << QStringList{"--baud", "19200"} << QByteArray("W0000000\r\n");
    QTest::newRow("delay") << QStringList{"--delay", "20"} << QByteArray("W0000000\r\n");
}

void TestSimProcess::replyOptions() {
    QFETCH(QStringList, args);
    QFETCH(QByteArray, reply);
    Sim sim;
    QVERIFY(sim.start(args));
    Client c;
    QVERIFY(c.open(sim.path));
    QVERIFY(c.send("W00"));
    QCOMPARE(c.readLines(int(reply.count('\n'))), reply);
}

void TestSimProcess::silentNeverAnswers() {
    QTemporaryDir dir;
    const QString log = dir.filePath("requests.log");
    Sim sim;
    QVERIFY(sim.start({"--silent", "--log", log}));
    Client c;
    QVERIFY(c.open(sim.path));
    QVERIFY(c.send("RA"));
    QVERIFY(c.send("W00"));
    // Each request is logged before its reply would be written.
    QTRY_COMPARE_WITH_TIMEOUT(LogLines(log).size(), 2, kWaitMs);
    QVERIFY(c.nothingWaiting());
}

void TestSimProcess::f800Codes() {
    Sim sim;
    QVERIFY(sim.start({"--model", "800"}));
    Client c;
    QVERIFY(c.open(sim.path));
    QVERIFY(c.send("W2A"));  // the F800 has no 2A: no answer, so the next line is W45's
    QCOMPARE(c.ask("W45"), QByteArray("W4501103\r\n"));
    QCOMPARE(c.ask("RD").size(), qsizetype(2 + 6 + 2));
}

void TestSimProcess::commandLineErrors() {
    QProcess help;
    help.start(RUSK_SIM_PATH, {"--help"});
    QVERIFY(help.waitForFinished(kWaitMs));
    QCOMPARE(help.exitCode(), 0);
    const QByteArray text = help.readAllStandardOutput();
    for (const char* option : {"--model", "--device", "--listen", "--count", "--line", "--link",
                               "--log", "--delay", "--silent", "--trickle", "--double", "--extra",
                               "--baud", "--framing", "--stdin-exit", "--refuse"})
        QVERIFY2(text.contains(option), option);

    for (const QStringList& args :
         {QStringList{"--model", "900"}, QStringList{"--count", "2", "--device", "/dev/null"},
          QStringList{"--count", "0"}}) {
        QProcess bad;
        bad.start(RUSK_SIM_PATH, args);
        QVERIFY(bad.waitForFinished(kWaitMs));
        QCOMPARE(bad.exitCode(), 2);
        QVERIFY(bad.readAllStandardError().contains(args.first().toLatin1()));
        QVERIFY(bad.readAllStandardOutput().isEmpty());
    }
}

void TestSimProcess::refusedWritesAreIgnored() {
    Sim sim;
    QVERIFY(sim.start({"--refuse", "21,p5-6"}));
    Client c;
    QVERIFY(c.open(sim.path));
    const QByteArray before21 = c.ask("W21");
    QVERIFY(c.send("W2000000") && c.send("W2100000"));
    QCOMPARE(c.ask("W20"), QByteArray("W2000000\r\n"));
    QCOMPARE(c.ask("W21"), before21);
    for (const char* product : {"W0000006", "W0000007"}) {
        QVERIFY(c.send(product) && c.send("W1000001"));
        QCOMPARE(c.ask("W10") == "W1000001\r\n", QByteArray(product) == "W0000007");
    }

    QProcess bad;
    bad.start(RUSK_SIM_PATH, {"--refuse", "p7-3"});
    QVERIFY(bad.waitForFinished(kWaitMs));
    QCOMPARE(bad.exitCode(), 2);
    QVERIFY(bad.readAllStandardError().contains("--refuse"));
}

// One process, several indicators: each on its own line, with its own state and its own log.
void TestSimProcess::countServesIndependentIndicators() {
    for (const QStringList& where : {QStringList{"--listen", "127.0.0.1:0"}, QStringList{}}) {
        QTemporaryDir dir;
        const QString log = dir.filePath("requests.log");
        Sim sim;
        QVERIFY(sim.start(where + QStringList{"--count", "3", "--log", log}, 3));
        QCOMPARE(sim.paths.removeDuplicates(), 0);
        Client first, third;
        QVERIFY(first.open(sim.paths[0]) && third.open(sim.paths[2]));
        QVERIFY(first.send("W0000007"));
        QCOMPARE(first.ask("W00"), QByteArray("W0000007\r\n"));
        QCOMPARE(third.ask("W00"), QByteArray("W0000000\r\n"));
        QCOMPARE(LogLines(log + ".1"), (QByteArrayList{"W0000007", "W00"}));
        QVERIFY(QFile::exists(log + ".2") && LogLines(log + ".2").isEmpty());
        QCOMPARE(LogLines(log + ".3"), QByteArrayList{"W00"});
    }
}

QTEST_GUILESS_MAIN(TestSimProcess)
#include "test_sim_process.moc"
