#include <QtTest>

#include "model/Tolerance.h"

using namespace tolerance;

// The permitted errors at the band edges of both classes, in service and custom, and the
// decisions made with them.
class ToleranceTest : public QObject {
    Q_OBJECT
  private slots:
    void bandsEndWhereTheClassSays_data() {
        QTest::addColumn<int>("accuracy");
        QTest::addColumn<qint64>("loadInE");
        QTest::addColumn<int>("halves");
        const int iii = int(AccuracyClass::III), iiii = int(AccuracyClass::IIII);
        QTest::newRow("III zero") << iii << qint64(0) << 1;
        QTest::newRow("III 500e") << iii << qint64(500) << 1;
        QTest::newRow("III 501e") << iii << qint64(501) << 2;
        QTest::newRow("III 2000e") << iii << qint64(2000) << 2;
        QTest::newRow("III 2001e") << iii << qint64(2001) << 3;
        QTest::newRow("IIII 50e") << iiii << qint64(50) << 1;
        QTest::newRow("IIII 51e") << iiii << qint64(51) << 2;
        QTest::newRow("IIII 200e") << iiii << qint64(200) << 2;
        QTest::newRow("IIII 201e") << iiii << qint64(201) << 3;
    }
    void bandsEndWhereTheClassSays() {
        QFETCH(int, accuracy);
        QFETCH(qint64, loadInE);
        QFETCH(int, halves);
        const qint64 e = 5;
        Rule rule{AccuracyClass(accuracy), Verification::Initial, 0};
        QCOMPARE(MpeHalfIntervals(rule, loadInE * e, e), halves);
        QCOMPARE(MpeHalfIntervals(rule, -loadInE * e, e), halves);
        rule.verification = Verification::InService;
        QCOMPARE(MpeHalfIntervals(rule, loadInE * e, e), 2 * halves);
    }

    void readingsAreJudgedAgainstTheirLoad() {
        const Rule rule;  // class III, initial verification
        const qint64 e = 2;
        // 1000 e: ±1 e = ±2 counts.
        QVERIFY(Judge(rule, 2000, 2002, e).pass);
        QVERIFY(Judge(rule, 2000, 1998, e).pass);
        QCOMPARE(Judge(rule, 2000, 2003, e).error, qint64(3));
        QVERIFY(!Judge(rule, 2000, 2003, e).pass);
        // ±0.5 e of an odd e: exactly half a count is never read, one count is too much.
        QVERIFY(Judge(rule, 0, 0, 1).pass);
        QVERIFY(!Judge(rule, 0, 1, 1).pass);
        // A custom tolerance of 3 e at every load.
        QVERIFY(Judge({AccuracyClass::Custom, Verification::Initial, 6}, 100, 106, e).pass);
        QVERIFY(!Judge({AccuracyClass::Custom, Verification::Initial, 6}, 100, 107, e).pass);

        const Repeatability same = JudgeRepeatability(rule, 2000, {2000, 2002, 2001}, e);
        QCOMPARE(same.spread, qint64(2));
        QVERIFY(same.pass);
        QVERIFY(!JudgeRepeatability(rule, 2000, {1999, 2002}, e).pass);
        QVERIFY(!JudgeRepeatability(rule, 2000, {}, e).pass);
    }

    // Zero, four loads up, back down to zero, three repeats near half of Max; every load a whole
    // number of scale intervals, the last rising one Max itself.
    void theUsualTestGoesUpAndDownAndRepeats() {
        const auto points = DefaultTestPoints(30000, 5);
        QCOMPARE(int(points.size()), 12);
        QCOMPARE(points[0].nominal, qint64(0));
        QCOMPARE(points[4].nominal, qint64(30000));
        QCOMPARE(points[8].kind, TestPoint::Zero);
        for (const TestPoint& p : points) QCOMPARE(p.nominal % 5, qint64(0));
        QCOMPARE(points[11].nominal, qint64(15000));
        QCOMPARE(DefaultTestPoints(3001, 2)[1].nominal, qint64(750));  // 750.25 to 750
        QVERIFY(DefaultTestPoints(0, 5).empty());
    }
};

QTEST_GUILESS_MAIN(ToleranceTest)
#include "test_tolerance.moc"
