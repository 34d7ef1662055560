#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "model/TestRecord.h"
#include "monitor/Calibration.h"
#include "report/Certificate.h"
#include "support/LinkFixture.h"
#include "support/TestClock.h"

using namespace calibration;
using namespace tolerance;

namespace {

TestHeader Header(const QString& model, qint64 max, qint64 e, int places) {
    TestHeader h;
    h.model = model;
    h.max = max;
    h.e = e;
    h.places = places;
    return h;
}

Indicator::Platform Scale(qint64 spanErrorPpm, qint64 settleMs = 1500, bool fails = false) {
    Indicator::Platform p;
    p.spanErrorPpm = spanErrorPpm;
    p.settleMs = settleMs;
    p.calibrationFails = fails;
    return p;
}

Timing Within(int stableMs, int calibrationMs = 60000) {
    Timing t;
    t.stableWithinMs = stableMs;
    t.calibrationWithinMs = calibrationMs;
    return t;
}

// The simulated indicator as a platform under test, its clock the test's.
struct Platform {
    explicit Platform(Indicator::Platform platform) {
        f.port.indicator().setPlatform(platform);
        f.port.beforeAnswer = [this] { f.port.setTime(clock.nowMs()); };
        f.pump.idle = [this] { clock.advance(50); };  // time goes by only while a task pauses
    }
    void place(qint64 load) {
        f.port.setTime(clock.nowMs());
        f.port.indicator().placeLoad(load);
    }
    Reading read(Timing timing = {}) {
        return f.link.blocking(ReadStable(f.link, clock, 1, timing));
    }
    Outcome calibrate(Adjustment which, Timing timing = {}) {
        return f.link.blocking(Calibrate(f.link, clock, which, timing));
    }
    // Places each point's load and reads it.
    std::vector<std::optional<qint64>> run(const std::vector<TestPoint>& points) {
        std::vector<std::optional<qint64>> readings;
        for (const TestPoint& p : points) {
            place(p.nominal);
            const Reading r = read();
            readings.push_back(r.outcome == Outcome::Done ? std::optional(r.counts) : std::nullopt);
        }
        return readings;
    }

    SimLinkFixture f;
    TestClock clock;
};

}  // namespace

class CalibrationTest : public QObject {
    Q_OBJECT

  private slots:
    // A scale reading 0.3 % high fails as found at the upper points; after span calibration with
    // the span weight on it, it passes as left, and the certificate shows every reading.
    void spanErrorFoundAdjustedAndCertified() {
        Platform scale(Scale(3000));
        TestRecord record;
        record.header = Header("F805", 10000, 20, 1);
        record.setPoints(DefaultTestPoints(10000, 20));
        record.asFound = scale.run(record.points);
        const RunVerdict found = JudgeRun(record.header, record.points, record.asFound);
        QVERIFY(found.complete && !found.pass);
        for (size_t i = 0; i < record.points.size(); ++i)  // within 0.5 e up to about 3300
            QCOMPARE(found.points[i]->pass, record.points[i].nominal * 3 / 1000 <= 10);

        scale.place(5000);  // the span weight setting (分銅重量値) of the simulator
        QCOMPARE(scale.calibrate(Adjustment::Span), Outcome::Done);
        record.adjustments << "SPAN";
        record.asLeft = scale.run(record.points);
        QVERIFY(JudgeRun(record.header, record.points, record.asLeft).pass);

        QTemporaryDir dir;
        const QString pdf = dir.filePath("certificate.pdf");
        QCOMPARE(WriteCertificatePdf(record, pdf), QString());
        QProcess text;
        text.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(text.waitForFinished(20000));
        const QString shown = QString::fromUtf8(text.readAllStandardOutput());
        qsizetype at = 0;
        for (const auto* run : {&record.asFound, &record.asLeft})
            for (const auto& reading : *run) {
                at = shown.indexOf(CountsText(*reading, 1), at);
                QVERIFY2(at >= 0, qPrintable(shown));
            }
    }

    // A reading is refused while the load swings; a calibration error and one that does not end
    // in time are told, as is a silent indicator.
    void refusalsAndFailuresAreTold() {
        Platform swinging(Scale(0, 5000));
        swinging.place(3000);
        QCOMPARE(swinging.read(Within(1000)).outcome, Outcome::NotStable);
        QCOMPARE(swinging.read(Within(10000)).outcome, Outcome::Done);

        Platform failing(Scale(0, 1500, true));
        QCOMPARE(failing.calibrate(Adjustment::Zero), Outcome::CalibrationError);
        Platform slow(Scale(0));
        QCOMPARE(slow.calibrate(Adjustment::Span, Within(10000, 1000)), Outcome::TimedOut);
        Platform silent(Scale(0));
        silent.f.port.answerFirst = 0;
        silent.f.pump.idle = nullptr;
        QCOMPARE(silent.read().outcome, Outcome::NoAnswer);
        for (Outcome o : {Outcome::NoAnswer, Outcome::NotStable, Outcome::NotAWeight,
                          Outcome::CalibrationError, Outcome::TimedOut})
            QVERIFY(!OutcomeText(o).isEmpty());
    }

    // A test kept between sessions comes back as it was, unread points too.
    void recordSurvivesJson() {
        TestRecord r;
        r.header = Header("F800", 6000, 2, 2);
        r.header.customer = "A & B <co>";
        r.header.rule = {AccuracyClass::IIII, Verification::InService, 2};
        r.header.weights = {{"5 kg", "JCSS-1"}};
        r.setPoints(DefaultTestPoints(6000, 2));
        r.asFound[0] = 1;
        r.asLeft[3] = -4;
        const std::optional<TestRecord> back = TestRecordFromJson(ToJson(r));
        QVERIFY(back);
        QCOMPARE(ToJson(*back), ToJson(r));
        QVERIFY(!TestRecordFromJson("{\"format\": 2}"));
        QVERIFY(CertificateHtml(r).contains("A &amp; B &lt;co&gt;"));
    }
};

QTEST_MAIN(CalibrationTest)
#include "test_calibration.moc"
