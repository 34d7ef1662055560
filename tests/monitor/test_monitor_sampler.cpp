#include <QSignalSpy>
#include <QtTest>

#include "monitor/MonitorSampler.h"
#include "support/FakeSerialPort.h"
#include "support/PtyLink.h"
#include "support/RecordingView.h"

// The polling loop on a scripted port (the guard, time-outs, a lost port) and against the
// simulator's known free fall.
class TestMonitorSampler : public QObject {
    Q_OBJECT
  private slots:
    void readsOnlyAndHoldsTheGuard();
    void ridesOutSilenceAndUnplugging();
    void measuresTheSimulatedFreeFall();
};

namespace {

// The window's side: its store, its view and its link on a fake port that answers like an
// indicator between two fills.
struct MainSide {
    MainSide() : link(store, view, pump, 5000) {
        link.setActivePort(&port);
        port.responder = [this](const QString& r) -> QByteArray {
            if (silent) return {};
            if (r == "W00") return "W0000003\r\n";
            if (r == "RA") return "RA+001000\r\n";
            if (r == "RE") return ++status % 10 == 0 ? "RE0000101\r\n" : "RE0000000\r\n";
            if (r == "RF") return "RF0000\r\n";
            if (r == "RK") return "RK+001002\r\n";
            return {};
        };
    }
    SettingsStore store;
    RecordingView view;
    QtEventPump pump;
    FakeSerialPort port;
    IndicatorLink link;
    bool silent = false;
    int status = 0;
};

}  // namespace

void TestMonitorSampler::readsOnlyAndHoldsTheGuard() {
    MainSide main;
    MonitorSampler sampler(main.link, 5000);
    sampler.setRate(0);
    QSignalSpy samples(&sampler, &MonitorSampler::sampled);
    QSignalSpy fills(&sampler, &MonitorSampler::filled);
    QVERIFY(sampler.start());
    QVERIFY(!main.link.beginOperation());  // every other operation is refused with a beep
    QCOMPARE(main.view.beeps, 1);
    QTRY_VERIFY(fills.count() >= 2);
    QCOMPARE(sampler.product(), std::optional<int>(3));
    QCOMPARE(main.port.requests.count("W00"), 1);
    for (const QString& r : main.port.requests)
        QVERIFY2(QStringList({"W00", "RA", "RE", "RF", "RK"}).contains(r), qPrintable(r));
    QCOMPARE(fills.first().first().value<monitor::Fill>().final, 1002.0);
    sampler.stop();
    QVERIFY(main.link.beginOperation());

    // Stopped while the indicator is silent, the wait in progress gives up at once: the link is
    // free long before its five-second time-out, and no message is shown.
    main.silent = true;
    QVERIFY(sampler.start());
    QTimer::singleShot(50, &sampler, [&] { sampler.stop(); });
    QTRY_VERIFY_WITH_TIMEOUT(!main.link.operationRunning(), 1000);
    QCOMPARE(sampler.state(), MonitorSampler::State::Stopped);
    QVERIFY(main.view.messages.isEmpty());
}

void TestMonitorSampler::ridesOutSilenceAndUnplugging() {
    MainSide main;
    MonitorSampler sampler(main.link, 200);
    QSignalSpy samples(&sampler, &MonitorSampler::sampled);
    QVERIFY(sampler.start());
    QTRY_VERIFY(samples.count() >= 1);
    main.silent = true;
    QTRY_COMPARE(sampler.state(), MonitorSampler::State::NoAnswer);
    main.silent = false;
    const int before = int(samples.count());
    QTRY_VERIFY_WITH_TIMEOUT(samples.count() > before + 2, 5000);
    QCOMPARE(sampler.state(), MonitorSampler::State::Running);

    main.port.pullOut();
    main.port.failOpenWith = ErrNo::kPortNotOpen;
    QTRY_COMPARE(sampler.state(), MonitorSampler::State::Lost);
    main.port.failOpenWith = 0;  // plugged in again: the next try reopens it
    const int lost = int(samples.count());
    QTRY_VERIFY_WITH_TIMEOUT(samples.count() > lost + 2, 5000);
    QCOMPARE(sampler.state(), MonitorSampler::State::Running);
    QVERIFY(main.port.isOpen());
    QVERIFY(main.view.messages.isEmpty());
    QVERIFY(main.link.operationRunning());
}

void TestMonitorSampler::measuresTheSimulatedFreeFall() {
    // A short cycle and 20 units in flight (±4) against a set 落差 of 5: the fills settle 15
    // units over 定量, all of them over its 10-unit 過量 limit.
    PtyLink pty({"--cycle", "500", "--free-fall", "20"});
    MonitorSampler sampler(pty.link);
    sampler.setRate(0);
    std::vector<monitor::Fill> fills;
    connect(&sampler, &MonitorSampler::filled, this,
            [&](const monitor::Fill& f) { fills.push_back(f); });
    QVERIFY(sampler.start());
    QTRY_VERIFY_WITH_TIMEOUT(fills.size() >= 51, 60000);
    sampler.stop();
    fills.erase(fills.begin());  // the first may have begun before the monitor
    const monitor::Summary s = monitor::Summarize(fills);
    // The simulator shows one decimal: 10 display units to the weight.
    QVERIFY2(s.inFlightCount >= 49, qPrintable(QString::number(s.inFlightCount)));
    QVERIFY2(qAbs(s.inFlightMean * 10 - 20) <= 4, qPrintable(QString::number(s.inFlightMean)));
    QVERIFY2(qAbs(s.mean * 10 - 1015) <= 4, qPrintable(QString::number(s.mean)));
    QCOMPARE(s.over, s.count);
    for (const QString& r : pty.sim.requests())
        QVERIFY2(QStringList({"W00", "RA", "RE", "RF", "RK"}).contains(r), qPrintable(r));
}

QTEST_GUILESS_MAIN(TestMonitorSampler)
#include "test_monitor_sampler.moc"
