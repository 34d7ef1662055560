// Line framing and timing of the simulated indicator, and its command line.
#include <QtTest>

#include "Pacer.h"
#include "SimOptions.h"

namespace {

QByteArrayList Requests(Pacer& p, qint64 now) {
    QByteArrayList out;
    QByteArray line;
    qint64 at = 0;
    while (p.takeRequest(now, &line, &at)) out << line;
    return out;
}

}  // namespace

class TestSimPacer : public QObject {
    Q_OBJECT
  private slots:
    void framing_data();
    void framing();
    void requestsArriveAfterTheirLineTime();
    void repliesWithoutTiming();
    void delayHoldsTheReply();
    void lineTimeSpacesReplyCharacters();
    void packedLinesLeaveWhole();
    void trickleSendsOneCharacterPerWrite();
    void clearForgetsEverything();
    void options_data();
    void options();
};

void TestSimPacer::framing_data() {
    QTest::addColumn<QByteArrayList>("chunks");
    QTest::addColumn<QByteArrayList>("requests");
    QTest::newRow("CR") << QByteArrayList{"W00\rRA\r"} << QByteArrayList{"W00", "RA"};
    QTest::newRow("CR LF and empty lines")
        << QByteArrayList{"W00\r\n\r\r\nRA\r\n"} << QByteArrayList{"W00", "RA"};
    QTest::newRow("LF alone") << QByteArrayList{"W00\nRA\n"} << QByteArrayList{"W00", "RA"};
    QTest::newRow("split over reads")
        << QByteArrayList{"W", "0", "0\r", "R", "A\r"} << QByteArrayList{"W00", "RA"};
    QTest::newRow("unterminated") << QByteArrayList{"W00\rRA"} << QByteArrayList{"W00"};
    QTest::newRow("overlong dropped")
        << QByteArrayList{QByteArray(300, 'W'), "\rRA\r"} << QByteArrayList{"RA"};
    QTest::newRow("longest kept") << QByteArrayList{QByteArray(Pacer::kMaxRequest, 'X') + "\r"}
                                  << QByteArrayList{QByteArray(Pacer::kMaxRequest, 'X')};
}

void TestSimPacer::framing() {
    QFETCH(QByteArrayList, chunks);
    QFETCH(QByteArrayList, requests);
    Pacer p;
    QByteArrayList got;
    for (const QByteArray& c : chunks) {
        p.received(c, 0);
        got += Requests(p, 0);
    }
    QCOMPARE(got, requests);
}

void TestSimPacer::requestsArriveAfterTheirLineTime() {
    Pacer p(PaceSettings{1000, 0, 0});
    p.received("RA\r", 100);
    QCOMPARE(p.nextDue(), qint64(3100));  // the line is complete when its CR has arrived
    QVERIFY(Requests(p, 3099).isEmpty());
    QByteArray line;
    qint64 at = 0;
    QVERIFY(p.takeRequest(3100, &line, &at));
    QCOMPARE(line, QByteArray("RA"));
    QCOMPARE(at, qint64(3100));
    // Characters read while earlier ones are still "on the line" queue up behind them.
    p.received("W0", 3100);
    p.received("0\r", 3200);
    QVERIFY(Requests(p, 7099).isEmpty());
    QVERIFY(p.takeRequest(7100, &line, &at));
    QCOMPARE(at, qint64(7100));
    QCOMPARE(p.nextDue(), qint64(-1));
}

void TestSimPacer::repliesWithoutTiming() {
    Pacer p;
    QCOMPARE(p.nextDue(), qint64(-1));
    p.send("W0000000\r\nW0000000\r\n", 50);
    QCOMPARE(p.takeOutput(50), QByteArray("W0000000\r\nW0000000\r\n"));
    QVERIFY(p.idle());
}

void TestSimPacer::delayHoldsTheReply() {
    Pacer p(PaceSettings{0, 0, 500});
    p.send("RA+00000.0\r\n", 100);
    p.send("CA\r\n", 200);
    QCOMPARE(p.nextDue(), qint64(600));
    QVERIFY(p.takeOutput(599).isEmpty());
    QCOMPARE(p.takeOutput(600), QByteArray("RA+00000.0\r\n"));
    QCOMPARE(p.takeOutput(700), QByteArray("CA\r\n"));
}

void TestSimPacer::lineTimeSpacesReplyCharacters() {
    Pacer p(PaceSettings{1000, 0, 0});
    p.send("AB\r\n", 0);
    QVERIFY(p.takeOutput(999).isEmpty());
    QCOMPARE(p.takeOutput(1000), QByteArray("A"));
    QCOMPARE(p.nextDue(), qint64(2000));
    QCOMPARE(p.takeOutput(3500), QByteArray("B\r"));  // a late look takes all that is due
    QCOMPARE(p.takeOutput(4000), QByteArray("\n"));
    // A reply queued while the line is busy starts when the line is free.
    p.send("C", 4000);
    p.send("D", 4000);
    QCOMPARE(p.takeOutput(5000), QByteArray("C"));
    QCOMPARE(p.takeOutput(5999), QByteArray());
    QCOMPARE(p.takeOutput(6000), QByteArray("D"));
}

void TestSimPacer::packedLinesLeaveWhole() {
    Pacer p(PaceSettings{1000, 0, 0, true});
    p.send("AB\r\nC\r\n", 0);
    QCOMPARE(p.nextDue(), qint64(4000));  // when the line's LF has crossed
    QVERIFY(p.takeOutput(3999).isEmpty());
    QCOMPARE(p.takeOutput(4000), QByteArray("AB\r\n"));
    QCOMPARE(p.takeOutput(9000), QByteArray("C\r\n"));  // the next line, once its time is up
    p.send("D", 9000);  // a chunk without LF leaves whole at its end
    QCOMPARE(p.takeOutput(10000), QByteArray("D"));
}

void TestSimPacer::trickleSendsOneCharacterPerWrite() {
    Pacer p(PaceSettings{0, 10, 0});
    p.send("ABC", 0);
    QCOMPARE(p.takeOutput(0), QByteArray("A"));
    QVERIFY(p.takeOutput(9).isEmpty());
    QCOMPARE(p.takeOutput(10), QByteArray("B"));
    QCOMPARE(p.takeOutput(100), QByteArray("C"));  // one per write even when late
    QVERIFY(p.idle());
}

void TestSimPacer::clearForgetsEverything() {
    Pacer p(PaceSettings{1000, 0, 0});
    p.received("RA\rW0", 0);
    p.send("W0000000\r\n", 0);
    p.clear();
    QVERIFY(p.idle());
    QCOMPARE(p.nextDue(), qint64(-1));
    p.received("0\r", 10000);
    QCOMPARE(Requests(p, 20000), QByteArrayList{"0"});  // "W0" from before the clear is gone
}

void TestSimPacer::options_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("framing");
    const int run = int(SimParse::Run), error = int(SimParse::Error);
    QTest::newRow("defaults") << QStringList{} << run << 805 << 10;
    QTest::newRow("F800") << QStringList{"--model", "800"} << run << 800 << 10;
    QTest::newRow("F800 by name") << QStringList{"--model", "F800"} << run << 800 << 10;
    QTest::newRow("unknown model") << QStringList{"--model", "801"} << error << 0 << 0;
    QTest::newRow("line 8E2") << QStringList{"--line", "9600,E,8,2"} << run << 805 << 12;
    QTest::newRow("line 8N1") << QStringList{"--line", "19200,n,8,1"} << run << 805 << 10;
    QTest::newRow("framing given")
        << QStringList{"--baud", "19200", "--framing", "11"} << run << 805 << 11;
    QTest::newRow("bad baud in line") << QStringList{"--line", "19201,o,7,1"} << error << 0 << 0;
    QTest::newRow("bad parity") << QStringList{"--line", "19200,x,7,1"} << error << 0 << 0;
    QTest::newRow("short line") << QStringList{"--line", "19200,o,7"} << error << 0 << 0;
    QTest::newRow("negative delay") << QStringList{"--delay", "-1"} << error << 0 << 0;
    QTest::newRow("delay not a number") << QStringList{"--delay", "ten"} << error << 0 << 0;
    QTest::newRow("zero baud") << QStringList{"--baud", "0"} << error << 0 << 0;
    QTest::newRow("device and link")
        << QStringList{"--device", "/dev/ttyUSB0", "--link", "x"} << error << 0 << 0;
    QTest::newRow("stray argument") << QStringList{"extra"} << error << 0 << 0;
    QTest::newRow("unknown option") << QStringList{"--fast"} << error << 0 << 0;
    QTest::newRow("help") << QStringList{"--help"} << int(SimParse::Help) << 0 << 0;
}

void TestSimPacer::options() {
    QFETCH(QStringList, args);
    QFETCH(int, result);
    QFETCH(int, model);
    QFETCH(int, framing);
    SimOptions o;
    QString message;
    QCOMPARE(int(ParseSimOptions(QStringList{"rusk-sim"} + args, &o, &message)), result);
    if (result == int(SimParse::Run)) {
        QCOMPARE(int(o.model), model);
        QCOMPARE(o.framing, framing);
    } else {
        QVERIFY(!message.isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestSimPacer)
#include "test_sim_pacer.moc"
