#include <QtTest>

#include "monitor/ChartScale.h"
#include "monitor/Decimation.h"
#include "monitor/FillStatistics.h"
#include "monitor/SampleCsv.h"
#include "monitor/Weights.h"
#include "texts/LinkTexts.h"
#include "texts/MonitorTexts.h"
#include "texts/PlatformTexts.h"

using namespace monitor;

class TestFillStatistics : public QObject {
    Q_OBJECT
  private slots:
    void tracksCutOffAndCompletion();
    void summarizesAndAdvises();
    void readsWeights_data();
    void readsWeights();
    void decimatesPerColumn();
    void scalesOnRoundNumbers();
    void spreadsLabelsApart();
    void savesSamplesAsCsv();
};

namespace {
Sample At(qint64 ms, double w, const char* status2, const char* status3 = "0000") {
    return {ms, w, QString::fromLatin1(status2), QString::fromLatin1(status3)};
}
}  // namespace

void TestFillStatistics::tracksCutOffAndCompletion() {
    FillTracker t;
    // Monitoring starts with 完了 already on: that fill was not seen being made.
    QVERIFY(!t.take(At(0, 1000, "0000101")));
    QVERIFY(!t.take(At(1, 0, "0000000")));
    QVERIFY(!t.take(At(2, 100, "1110000")));
    QVERIFY(!t.take(At(3, 990, "0010000")));
    QVERIFY(!t.take(At(4, 995, "0000000")));  // 小投入 off: the cut-off weight
    QVERIFY(!t.take(At(5, 1003, "0000000")));
    QVERIFY(t.take(At(6, 1003, "0000011")));
    const Fill f = t.complete(1004);
    QCOMPARE(f.judgement, Judgement::Over);
    QCOMPARE(f.ms, qint64(6));
    QCOMPARE(*f.inFlight(), 9.0);
    QVERIFY(!t.take(At(7, 1004, "0000011")));  // 完了 stays on: no second fill
    // The next cycle starts with the large feed; a cycle whose small-feed edge was not seen has
    // no in-flight amount rather than an earlier one's.
    QVERIFY(!t.take(At(8, 0, "0000000")));
    QVERIFY(!t.take(At(9, 500, "1000000")));
    QVERIFY(!t.take(At(10, 1000, "0000000")));
    QVERIFY(t.take(At(11, 990, "0001001")));
    const Fill g = t.complete(990);
    QCOMPARE(g.judgement, Judgement::Under);
    QVERIFY(!g.inFlight());
}

void TestFillStatistics::summarizesAndAdvises() {
    QCOMPARE(Summarize({}).count, 0);
    QVERIFY(FreeFallAdvice(Summarize({}), 5, 1, 0).isEmpty());
    Fill one{0, 1000, Judgement::Ok, 990};
    const Summary single = Summarize({one});
    QCOMPARE(single.stddev, 0.0);  // one fill has no scatter, not a division by zero
    std::vector<Fill> fills = {
        one, {1, 1004, Judgement::Over, 992}, {2, 996, Judgement::Under, {}}};
    const Summary s = Summarize(fills);
    QCOMPARE(s.count, 3);
    QCOMPARE(s.mean, 1000.0);
    QCOMPARE(s.stddev, 4.0);
    QCOMPARE(s.min, 996.0);
    QCOMPARE(s.max, 1004.0);
    QCOMPARE(s.under, 1);
    QCOMPARE(s.over, 1);
    QCOMPARE(s.inFlightCount, 2);  // the fill without a cut-off is left out of the mean
    QCOMPARE(s.inFlightMean, 11.0);
    // A difference of one step is within the resolution; more is advice.
    QVERIFY(FreeFallAdvice(s, 10, 1, 0).endsWith(Tr(MonitorText::FreeFallAsSet)));
    const QString advice = FreeFallAdvice(s, 8, 1, 0);
    QVERIFY2(advice.startsWith(Tr(MonitorText::FreeFallAgainstSetting).arg("11.0", "8.0")),
             qPrintable(advice));
    QVERIFY(advice.contains(Tr(MonitorText::Heavier)));
    QVERIFY(FreeFallAdvice(s, 11.5, 0.1, 1).contains(Tr(MonitorText::Lighter)));
    // Products not read yet: no set point is made up, and the advice says the setting is unknown.
    SettingsStore empty;
    const SetPoints none = SetPointsOf(empty, 0);
    QVERIFY(!none.target && !none.largeCut && !none.overLimit && !none.freeFall);
    QCOMPARE(FreeFallAdvice(s, none.freeFall, 1, 0), Tr(MonitorText::FreeFallUnknown).arg("11.0"));
}

void TestFillStatistics::readsWeights_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("setting");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("places");
    QTest::newRow("whole number, no decimals") << "+001234" << 0 << 1234.0 << 0;
    QTest::newRow("whole number takes the setting") << "+001234" << 2 << 12.34 << 2;
    // A weight sent with its point counts as sent, whatever the setting (once ten times small).
    QTest::newRow("point sent, setting 1") << "+00100.0" << 1 << 100.0 << 1;
    QTest::newRow("point sent, setting not read") << "+00100.0" << 0 << 100.0 << 1;
    QTest::newRow("point sent, negative") << "-01.50" << 2 << -1.5 << 2;
}

void TestFillStatistics::readsWeights() {
    QFETCH(QString, text);
    QFETCH(int, setting);
    QFETCH(double, value);
    QFETCH(int, places);
    const std::optional<Weight> w = ParseWeight(text, setting);
    QVERIFY(w);
    QCOMPARE(w->value, value);
    QCOMPARE(w->places, places);
    for (const char* bad : {"", "+", "12a", "1.2.3", "OL"}) QVERIFY2(!ParseWeight(bad, 0), bad);
    QCOMPARE(ShowWeight(1003, 1), QString("1003.0"));
}

void TestFillStatistics::decimatesPerColumn() {
    std::deque<Sample> samples;
    for (int i = 0; i < 10000; ++i)
        samples.push_back(At(i, i == 5003 ? 900 : (i % 2 ? 10 : -10), i < 5000 ? "1000000" : "0"));
    QVERIFY(DecimateColumns(samples, 0, 0, 10).empty());
    const auto cols = DecimateColumns(samples, 0, 10000, 10);
    QCOMPARE(int(cols.size()), 10);
    QCOMPARE(cols[5].max, 900.0);  // a one-sample peak survives
    QCOMPARE(cols[5].min, -10.0);
    QVERIFY(cols[4].outputs & 1u);
    QVERIFY(!(cols[5].outputs & 1u));
    // A window past the samples holds nothing; a window's columns start where they should.
    QVERIFY(DecimateColumns(samples, 20000, 30000, 5).empty());
    const auto edge = DecimateColumns(samples, 4000, 6000, 2);
    QCOMPARE(edge.size(), size_t(2));
    QCOMPARE(edge[1].x0, 5000.0);
    QVERIFY(!(edge[1].outputs & 1u));
}

void TestFillStatistics::scalesOnRoundNumbers() {
    // Weight axes: zero shown, steps of 1, 2 or 5 times ten to a power, ends on whole steps,
    // room above the highest value, and an empty chart 0 … 10 display steps.
    struct Case {
        double low, high, minSpan;
        int maxSteps;
        double from, to, step;
    };
    const Case cases[] = {
        {0, 0, 10, 5, 0, 10, 2},              // empty, whole units
        {0, 0, 1, 5, 0, 1, 0.2},              // empty, one decimal
        {0, 101.3, 1, 8, 0, 120, 20},         // a fill to 101.3
        {-0.1, 101.3, 1, 8, 0, 120, 20},      // a hair under zero takes no step
        {-40, 1013, 10, 8, -200, 1200, 200},  // a real dip below zero does
        {0, 1000, 10, 10, 0, 1200, 200},      // 1000 + room is more than 1000
    };
    for (const Case& c : cases) {
        const WeightScale s = WeightScaleFor(c.low, c.high, c.minSpan, c.maxSteps);
        const QString what = QStringLiteral("%1 … %2").arg(c.low).arg(c.high);
        QVERIFY2(qFuzzyCompare(s.low + 1, c.from + 1) && qFuzzyCompare(s.high, c.to) &&
                     qFuzzyCompare(s.step, c.step),
                 qPrintable(what +
                            QStringLiteral(": %1 … %2 by %3").arg(s.low).arg(s.high).arg(s.step)));
        QVERIFY2(s.steps() <= c.maxSteps, qPrintable(what));
    }
    QCOMPARE(WeightScaleFor(0, 0, 1, 5).decimals, 1);
    QCOMPARE(WeightScaleFor(0, 101.3, 1, 8).decimals, 0);

    // Time ticks: whole local seconds and minutes, as many as fit, never 1970 or 23:59.
    const qint64 at = QDateTime(QDate(2024, 5, 1), QTime(12, 40, 58, 300)).toMSecsSinceEpoch();
    const auto ticks = TimeTicks(double(at), double(at + 10'000), 7);
    QStringList labels;
    for (const TimeTick& t : ticks) labels << t.label;
    QCOMPARE(labels, QStringList({"12:41:00", "12:41:02", "12:41:04", "12:41:06", "12:41:08"}));
    const auto hour = TimeTicks(double(at), double(at + 3'600'000), 9);
    QCOMPARE(hour.front().label, QString("12:50"));
    QCOMPARE(hour.size(), size_t(6));
    QVERIFY(TimeTicks(double(at), double(at), 5).empty());
}

void TestFillStatistics::spreadsLabelsApart() {
    // 過量, 定量, 不足 a pixel or two apart and 大投入 far below: the close three move apart
    // around where they want to be, the far one stays on its line, and all keep within bounds.
    const std::vector<double> wanted = {100, 98, 102, 300};
    const auto placed = SpreadLabels(wanted, 14, 0, 400);
    QCOMPARE(placed[3], 300.0);
    QCOMPARE(placed[0], 100.0);  // the middle one of three stays put
    QCOMPARE(placed[1], 86.0);
    QCOMPARE(placed[2], 114.0);
    // Against the top of the plot: pushed down, still apart.
    const auto top = SpreadLabels({1, 0, 2}, 14, 0, 400);
    std::vector<double> sorted = top;
    std::sort(sorted.begin(), sorted.end());
    QCOMPARE(sorted, (std::vector<double>{7, 21, 35}));
    QCOMPARE(top[1], 7.0);  // the label wanting the top place gets it
    QVERIFY(SpreadLabels({}, 14, 0, 400).empty());
}

void TestFillStatistics::savesSamplesAsCsv() {
    QTemporaryDir dir;
    const QString path = dir.filePath("m.csv");
    const std::deque<Sample> samples = {At(0, 12.5, "0010000", "0001")};
    QVERIFY(SaveSamplesCsv(path, samples, 2).isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    const QStringList headings{Tr(MonitorText::ColumnTime), Tr(MonitorText::ColumnWeight),
                               Tr(LinkText::LiveStatus2), Tr(LinkText::LiveStatus3)};
    QCOMPARE(lines[0], "\xEF\xBB\xBF" + headings.join(',').toUtf8());
    QVERIFY(lines[1].endsWith(",12.50,\"0010000\",\"0001\""));
    // A save that cannot be made says why; the earlier file stays as it was.
    QCOMPARE(SaveSamplesCsv(dir.filePath("none/m.csv"), samples, 0),
             Tr(MonitorText::CannotSave)
                 .arg(dir.filePath("none/m.csv"), Tr(PlatformText::NotFound).chopped(1)));
    QVERIFY(QDir(dir.path()).mkdir("m2.csv"));  // a folder where the file should go
    QVERIFY(!SaveSamplesCsv(dir.filePath("m2.csv"), samples, 0).isEmpty());
    file.close();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().count('\n'), 2);
}

QTEST_GUILESS_MAIN(TestFillStatistics)
#include "test_fill_statistics.moc"
