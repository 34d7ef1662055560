// The simulated indicator's protocol and state, without any line in between.
#include <QRegularExpression>
#include <QtTest>

#include "Indicator.h"
#include "SimCodes.h"

Q_DECLARE_METATYPE(SimModel)

namespace {

QByteArray Ask(Indicator& ind, const QByteArray& request) {
    const QList<QByteArray> replies = ind.handle(request);
    return replies.size() == 1 ? replies.first()
                               : QByteArray("<" + QByteArray::number(replies.size()) + " replies>");
}

QByteArray Data(Indicator& ind, const QByteArray& kind) {
    return Ask(ind, kind).mid(2);
}

}  // namespace

class TestSimIndicator : public QObject {
    Q_OBJECT
  private slots:
    void productSelection_data();
    void productSelection();
    void productValuesFollowTheSelection();
    void productWrites_data();
    void productWrites();
    void everySettingReadsBackInsideItsMask_data();
    void everySettingReadsBackInsideItsMask();
    void codesOfTheOtherModelGetNoAnswer_data();
    void codesOfTheOtherModelGetNoAnswer();
    void settingWrites_data();
    void settingWrites();
    void unknownRequestsGetNoAnswer_data();
    void unknownRequestsGetNoAnswer();
    void liveDataFormats_data();
    void liveDataFormats();
    void weightMovesThroughTheCycle();
    void tareZeroAndDisplayCommands();
    void accumulation();
    void automaticAccumulationFollowsTheSetting();
    void outputsFollowTheCycle_data();
    void outputsFollowTheCycle();
    void decimalPointSetting_data();
    void decimalPointSetting();
    void calibrationShowsInStatus4();
};

void TestSimIndicator::productSelection_data() {
    QTest::addColumn<QByteArrayList>("requests");
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("fresh") << QByteArrayList{} << QByteArray("W0000000");
    QTest::newRow("select 5") << QByteArrayList{"W0000005"} << QByteArray("W0000005");
    QTest::newRow("select 99") << QByteArrayList{"W0000099"} << QByteArray("W0000099");
    QTest::newRow("100 ignored") << QByteArrayList{"W0000005", "W0000100"}
                                 << QByteArray("W0000005");
    QTest::newRow("short ignored")
        << QByteArrayList{"W0000005", "W00007"} << QByteArray("W0000005");
    QTest::newRow("letters ignored")
        << QByteArrayList{"W0000005", "W00000A7"} << QByteArray("W0000005");
    QTest::newRow("sign ignored") << QByteArrayList{"W0000005", "W00-0001"}
                                  << QByteArray("W0000005");
}

void TestSimIndicator::productSelection() {
    QFETCH(QByteArrayList, requests);
    QFETCH(QByteArray, reply);
    Indicator ind;
    for (const QByteArray& r : requests) QCOMPARE(ind.handle(r).size(), 0);
    QCOMPARE(ind.handle("W00"), QList<QByteArray>{reply});
}

void TestSimIndicator::productValuesFollowTheSelection() {
    Indicator ind;
    ind.handle("W0000007");
    QCOMPARE(Ask(ind, "W12"), QByteArray("W1201175"));
    QVERIFY(ind.handle("W1201234").isEmpty());
    QCOMPARE(Ask(ind, "W12"), QByteArray("W1201234"));
    ind.handle("W0000008");
    QCOMPARE(Ask(ind, "W12"), QByteArray("W1201200"));
    ind.handle("W0000007");
    QCOMPARE(Ask(ind, "W12"), QByteArray("W1201234"));
    QCOMPARE(ind.productValue(7, 2), QByteArray("01234"));
    // Every record has eight values inside their masks.
    for (int p = 0; p < 100; ++p)
        for (int i = 0; i < 8; ++i) QVERIFY(FitsMask(ind.productValue(p, i), SimProductMask(i)));
}

void TestSimIndicator::productWrites_data() {
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("13 at its limit")
        << QByteArray("W1300999") << QByteArray("13") << QByteArray("00999");
    QTest::newRow("13 over its mask")
        << QByteArray("W1301000") << QByteArray("13") << QByteArray("00010");
    QTest::newRow("15 at its limit")
        << QByteArray("W1509999") << QByteArray("15") << QByteArray("09999");
    QTest::newRow("15 over its mask")
        << QByteArray("W1510000") << QByteArray("15") << QByteArray("00005");
    QTest::newRow("decimal point")
        << QByteArray("W1212.45") << QByteArray("12") << QByteArray("01000");
    QTest::newRow("too long") << QByteArray("W12012345") << QByteArray("12") << QByteArray("01000");
    QTest::newRow("no item 18") << QByteArray("W1800001") << QByteArray("18") << QByteArray();
}

void TestSimIndicator::productWrites() {
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, code);
    QFETCH(QByteArray, after);
    Indicator ind;
    QVERIFY(ind.handle(request).isEmpty());
    const QList<QByteArray> replies = ind.handle("W" + code);
    QCOMPARE(replies.isEmpty() ? QByteArray() : replies.first().mid(3), after);
}

void TestSimIndicator::everySettingReadsBackInsideItsMask_data() {
    QTest::addColumn<SimModel>("model");
    QTest::addColumn<int>("count");
    QTest::newRow("F805") << SimModel::F805 << 59;
    QTest::newRow("F800") << SimModel::F800 << 31;
}

void TestSimIndicator::everySettingReadsBackInsideItsMask() {
    QFETCH(SimModel, model);
    QFETCH(int, count);
    Indicator ind(model);
    const QList<SimCode>& codes = SettingCodesOf(model);
    QCOMPARE(codes.size(), count);
    for (const SimCode& c : codes) {
        const QList<QByteArray> replies = ind.handle("W" + c.code);
        QCOMPARE(replies.size(), 1);
        QVERIFY2(replies.first().startsWith("W" + c.code), c.code.constData());
        const QByteArray value = replies.first().mid(3);
        QVERIFY2(AcceptsValue(c, value), (c.code + " " + value).constData());
        // Writing the value back is accepted and changes nothing.
        QVERIFY(ind.handle("W" + c.code + value).isEmpty());
        QCOMPARE(ind.setting(c.code), value);
    }
}

void TestSimIndicator::codesOfTheOtherModelGetNoAnswer_data() {
    QTest::addColumn<SimModel>("model");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<bool>("answered");
    QTest::newRow("F805 45") << SimModel::F805 << QByteArray("W45") << false;
    QTest::newRow("F805 46") << SimModel::F805 << QByteArray("W46") << false;
    QTest::newRow("F805 2F") << SimModel::F805 << QByteArray("W2F") << true;
    QTest::newRow("F805 91") << SimModel::F805 << QByteArray("W91") << true;
    QTest::newRow("F800 45") << SimModel::F800 << QByteArray("W45") << true;
    QTest::newRow("F800 2A") << SimModel::F800 << QByteArray("W2A") << false;
    QTest::newRow("F800 38") << SimModel::F800 << QByteArray("W38") << false;
    QTest::newRow("F800 60") << SimModel::F800 << QByteArray("W60") << false;
    QTest::newRow("F800 90") << SimModel::F800 << QByteArray("W90") << false;
    QTest::newRow("F800 17") << SimModel::F800 << QByteArray("W17") << true;
    QTest::newRow("no item 18") << SimModel::F805 << QByteArray("W18") << false;
    QTest::newRow("lower case") << SimModel::F805 << QByteArray("W2f") << false;
}

void TestSimIndicator::codesOfTheOtherModelGetNoAnswer() {
    QFETCH(SimModel, model);
    QFETCH(QByteArray, request);
    QFETCH(bool, answered);
    Indicator ind(model);
    QCOMPARE(ind.handle(request).size(), answered ? 1 : 0);
}

void TestSimIndicator::settingWrites_data() {
    QTest::addColumn<SimModel>("model");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QByteArray>("after");
    const SimModel f805 = SimModel::F805, f800 = SimModel::F800;
    QTest::newRow("choice in range")
        << f805 << QByteArray("W2000002") << QByteArray("20") << QByteArray("00002");
    QTest::newRow("choice over mask")
        << f805 << QByteArray("W2000003") << QByteArray("20") << QByteArray("00001");
    QTest::newRow("packed F805 40")
        << f805 << QByteArray("W4010101") << QByteArray("40") << QByteArray("10101");
    QTest::newRow("packed digit over")
        << f805 << QByteArray("W4010201") << QByteArray("40") << QByteArray("10100");
    QTest::newRow("zone 16") << f805 << QByteArray("W6800016") << QByteArray("68")
                             << QByteArray("00016");
    QTest::newRow("zone 0 refused")
        << f805 << QByteArray("W6800000") << QByteArray("68") << QByteArray("00010");
    QTest::newRow("zone 17 refused")
        << f805 << QByteArray("W6800017") << QByteArray("68") << QByteArray("00010");
    QTest::newRow("F800 zone") << f800 << QByteArray("W4600001") << QByteArray("46")
                               << QByteArray("00001");
    QTest::newRow("F800 45 every display rate")
        << f800 << QByteArray("W4502213") << QByteArray("45") << QByteArray("02213");
    QTest::newRow("F800 45 unit over")
        << f800 << QByteArray("W4501105") << QByteArray("45") << QByteArray("01103");
    QTest::newRow("F800 32 widest")
        << f800 << QByteArray("W3282312") << QByteArray("32") << QByteArray("82312");
    QTest::newRow("F800 32 over") << f800 << QByteArray("W3290000") << QByteArray("32")
                                  << QByteArray("00001");
    QTest::newRow("F800 20 middle digit")
        << f800 << QByteArray("W2099199") << QByteArray("20") << QByteArray("10015");
    QTest::newRow("trailing blank")
        << f805 << QByteArray("W22 1234") << QByteArray("22") << QByteArray("03000");
    QTest::newRow("six digits") << f805 << QByteArray("W22012345") << QByteArray("22")
                                << QByteArray("03000");
    QTest::newRow("four digits") << f805 << QByteArray("W220123") << QByteArray("22")
                                 << QByteArray("03000");
    QTest::newRow("F805 has no 45")
        << f805 << QByteArray("W4500001") << QByteArray("45") << QByteArray();
}

void TestSimIndicator::settingWrites() {
    QFETCH(SimModel, model);
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, code);
    QFETCH(QByteArray, after);
    Indicator ind(model);
    QVERIFY(ind.handle(request).isEmpty());
    QCOMPARE(ind.setting(code), after);
}

void TestSimIndicator::unknownRequestsGetNoAnswer_data() {
    QTest::addColumn<QByteArray>("request");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("one letter") << QByteArray("R");
    QTest::newRow("RL") << QByteArray("RL");
    QTest::newRow("CL") << QByteArray("CL");
    QTest::newRow("RA with more") << QByteArray("RAX");
    QTest::newRow("lower case ra") << QByteArray("ra");
    QTest::newRow("W alone") << QByteArray("W");
    QTest::newRow("W one char") << QByteArray("W2");
    QTest::newRow("other letter") << QByteArray("X20");
    for (char c = 'C'; c <= 'K'; ++c) QTest::newRow(QByteArray("C") + c) << QByteArray("C") + c;
}

void TestSimIndicator::unknownRequestsGetNoAnswer() {
    QFETCH(QByteArray, request);
    Indicator ind;
    QCOMPARE(ind.handle(request).size(), 0);
}

void TestSimIndicator::liveDataFormats_data() {
    QTest::addColumn<SimModel>("model");
    QTest::addColumn<qint64>("ms");
    for (qint64 ms : {0, 2500, 9000, 15000, 18500, 123456})
        for (SimModel m : {SimModel::F805, SimModel::F800})
            QTest::addRow("F%d at %lld ms", int(m), ms) << m << ms;
}

void TestSimIndicator::liveDataFormats() {
    QFETCH(SimModel, model);
    QFETCH(qint64, ms);
    Indicator ind(model);
    ind.setTime(ms);
    const QRegularExpression weight("^[+-]\\d{5}\\.\\d$");
    const QRegularExpression total("^[+-]\\d{8}\\.\\d$");
    for (const char* kind : {"RA", "RB", "RC", "RK"})
        QVERIFY2(weight.match(QString::fromLatin1(Data(ind, kind))).hasMatch(), kind);
    QVERIFY(total.match(QString::fromLatin1(Data(ind, "RI"))).hasMatch());
    QVERIFY(QRegularExpression("^\\d{6}$").match(QString::fromLatin1(Data(ind, "RH"))).hasMatch());
    QCOMPARE(Data(ind, "RJ"), Data(ind, "RH") + "," + Data(ind, "RI"));
    // Status words: the characters the program decodes, each with a meaning.
    const QByteArray rd = Data(ind, "RD");
    QCOMPARE(rd.size(), model == SimModel::F805 ? 7 : 6);
    QVERIFY(QRegularExpression("^[01]+$").match(QString::fromLatin1(rd)).hasMatch());
    QVERIFY(QRegularExpression("^[01]{7}$").match(QString::fromLatin1(Data(ind, "RE"))).hasMatch());
    QVERIFY(QRegularExpression("^[01]{4}$").match(QString::fromLatin1(Data(ind, "RF"))).hasMatch());
    QVERIFY(QRegularExpression("^[01]{2}[0-3][0-5]\\d\\d$")
                .match(QString::fromLatin1(Data(ind, "RG")))
                .hasMatch());
}

void TestSimIndicator::weightMovesThroughTheCycle() {
    Indicator ind;  // product 0: target 01000, one decimal
    ind.setTime(1000);
    const QByteArray empty = Data(ind, "RA");
    QVERIFY(qAbs(ind.grossWeight()) <= 1);
    ind.setTime(8000);  // half-way through filling
    QVERIFY(Data(ind, "RA") != empty);
    QVERIFY(qAbs(ind.grossWeight() - 500) <= 1);
    ind.setTime(15000);  // complete
    QVERIFY(qAbs(ind.grossWeight() - 1000) <= 1);
    ind.setTime(19000);  // discharging
    QVERIFY(ind.grossWeight() < 1000 && ind.grossWeight() > 0);
    // Time never runs backwards.
    ind.setTime(100);
    QCOMPARE(ind.time(), qint64(19000));
}

void TestSimIndicator::tareZeroAndDisplayCommands() {
    Indicator ind;
    ind.setTime(8000);
    const qint64 gross = ind.grossWeight();
    QCOMPARE(Data(ind, "RD").at(3), '0');
    QVERIFY(ind.handle("CE").isEmpty());  // tare
    QCOMPARE(ind.tare(), gross);
    QCOMPARE(ind.netWeight(), qint64(0));
    QCOMPARE(Data(ind, "RB"), QByteArray("+00000.0"));
    QCOMPARE(Data(ind, "RD").at(3), '1');
    ind.handle("CF");  // tare reset
    QCOMPARE(ind.netWeight(), gross);
    QCOMPARE(Data(ind, "RD").at(3), '0');
    ind.handle("CG");  // digital zero
    QCOMPARE(ind.grossWeight(), qint64(0));
    ind.handle("CH");
    QCOMPARE(ind.grossWeight(), gross);
    ind.handle("CD");
    QCOMPARE(Data(ind, "RD").at(4), '1');
    ind.handle("CC");
    QCOMPARE(Data(ind, "RD").at(4), '0');
}

void TestSimIndicator::accumulation() {
    Indicator ind;
    ind.handle("W5200000");  // automatic accumulation off
    ind.setTime(8000);
    const qint64 net = ind.netWeight();
    ind.handle("CI");
    ind.handle("CI");
    QCOMPARE(Data(ind, "RH"), QByteArray("000002"));
    QCOMPARE(ind.accumulatedValue(), 2 * net);
    QCOMPARE(ind.handle("RK").first().mid(2), Data(ind, "RB"));
    ind.handle("W0000003");
    QCOMPARE(Data(ind, "RH"), QByteArray("000000"));
    ind.handle("CI");
    ind.handle("CJ");  // clears product 3 only
    QCOMPARE(Data(ind, "RH"), QByteArray("000000"));
    ind.handle("W0000000");
    QCOMPARE(Data(ind, "RH"), QByteArray("000002"));
    ind.handle("W0000003");
    ind.handle("CI");
    ind.handle("CK");  // clears every product
    QCOMPARE(Data(ind, "RH"), QByteArray("000000"));
    ind.handle("W0000000");
    QCOMPARE(Data(ind, "RH"), QByteArray("000000"));
    QCOMPARE(Data(ind, "RI"), QByteArray("+00000000.0"));
}

void TestSimIndicator::automaticAccumulationFollowsTheSetting() {
    Indicator on;  // F805 factory setting: automatic accumulation on
    on.setTime(3 * kCycleMs);
    QCOMPARE(on.accumulationCount(), qint64(3));
    QVERIFY(qAbs(on.accumulatedValue() - 3000) <= 20);
    Indicator off;
    off.handle("W5200000");
    off.setTime(3 * kCycleMs);
    QCOMPARE(off.accumulationCount(), qint64(0));
    QVERIFY(qAbs(Data(off, "RK").toDouble() - 100.0) <= 2.0);  // last result 1000 ± a little
    Indicator f800(SimModel::F800);                            // W31 digit 2: on
    f800.setTime(2 * kCycleMs);
    QCOMPARE(f800.accumulationCount(), qint64(2));
}

void TestSimIndicator::outputsFollowTheCycle_data() {
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<QByteArray>("re");
    QTest::addColumn<QByteArray>("rf");
    // Product 0: target 1000, large feed stops 200 before it, medium 50, small 5 (free fall).
    QTest::newRow("filling start") << qint64(2500) << QByteArray("1110000") << QByteArray("0100");
    QTest::newRow("medium only") << qint64(2000 + 12000 * 900 / 1000) << QByteArray("0110000")
                                 << QByteArray("0000");
    QTest::newRow("complete, OK") << qint64(15000) << QByteArray("0000101") << QByteArray("0000");
    QTest::newRow("complete, over")
        << qint64(3 * kCycleMs + 15000) << QByteArray("0000011") << QByteArray("0000");
    QTest::newRow("complete, under")
        << qint64(5 * kCycleMs + 15000) << QByteArray("0001001") << QByteArray("0000");
    QTest::newRow("discharge") << qint64(19500) << QByteArray("0000000") << QByteArray("0001");
    QTest::newRow("empty") << qint64(20500) << QByteArray("0000000") << QByteArray("1100");
}

void TestSimIndicator::outputsFollowTheCycle() {
    QFETCH(qint64, ms);
    QFETCH(QByteArray, re);
    QFETCH(QByteArray, rf);
    Indicator ind;
    ind.setTime(ms);
    QCOMPARE(Data(ind, "RE"), re);
    QCOMPARE(Data(ind, "RF"), rf);
}

void TestSimIndicator::decimalPointSetting_data() {
    QTest::addColumn<SimModel>("model");
    QTest::addColumn<QByteArray>("write");
    QTest::addColumn<QByteArray>("tare");
    QTest::newRow("F805 none") << SimModel::F805 << QByteArray("W6500000") << QByteArray("+000000");
    QTest::newRow("F805 0.000") << SimModel::F805 << QByteArray("W6500003")
                                << QByteArray("+000.000");
    QTest::newRow("F800 0.00") << SimModel::F800 << QByteArray("W4501203")
                               << QByteArray("+0000.00");
}

void TestSimIndicator::decimalPointSetting() {
    QFETCH(SimModel, model);
    QFETCH(QByteArray, write);
    QFETCH(QByteArray, tare);
    Indicator ind(model);
    ind.handle(write);
    QCOMPARE(Data(ind, "RC"), tare);
}

void TestSimIndicator::calibrationShowsInStatus4() {
    Indicator ind;
    ind.setTime(500);  // empty hopper: comparison off
    QCOMPARE(Data(ind, "RG"), QByteArray("000000"));
    QCOMPARE(ind.handle("CA"), QList<QByteArray>{"CA"});
    QCOMPARE(Data(ind, "RG").at(2), '2');
    ind.setTime(4000);
    QCOMPARE(Data(ind, "RG").at(2), '1');  // filling: weighing
    QCOMPARE(ind.handle("CB"), QList<QByteArray>{"CB"});
    QCOMPARE(Data(ind, "RG").at(2), '3');
}

QTEST_GUILESS_MAIN(TestSimIndicator)
#include "test_sim_indicator.moc"
