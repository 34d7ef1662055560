#include <QSignalSpy>
#include <QtTest>

#include "monitor/MonitorSampler.h"
#include "platform/OperationError.h"
#include "support/RecordingView.h"
#include "support/SimSerialPort.h"
#include "support/TestClock.h"

// The polling loop on a test clock against the simulated indicator: the guard, the schedule,
// time-outs, a lost port, and the indicator's known free fall.
class TestMonitorSampler : public QObject {
    Q_OBJECT
  private slots:
    void readsOnlyAndHoldsTheGuard();
    void ridesOutSilenceAndUnplugging();
    void measuresTheSimulatedFreeFall();
    void resumeKeepsTheFillUnderWay();
};

namespace {

// The window's side: its store, its view and its link on the simulated indicator, running a
// short filling cycle on product 3 by the monitor's clock, which the test moves.
struct MainSide {
    MainSide() : link(store, view, 5000) {
        link.setActivePort(&port);
        port.indicator().handle("W0000003");
        port.indicator().setCycleShape({500, 20});
        port.beforeAnswer = [this] { port.setTime(clock.nowMs()); };
        port.alter = [this](const QString& r, const QByteArray& reply) {
            if (r == "RK" && firstRk.isEmpty()) firstRk = reply;
            return silent ? QByteArray() : reply;
        };
    }
    // Lets time go by until `done` holds, for at most `limitMs`.
    bool until(const std::function<bool()>& done, qint64 limitMs = 10000) {
        return clock.advanceUntil(done, limitMs);
    }
    SettingsStore store;
    RecordingView view;
    SimSerialPort port;
    IndicatorLink link;
    TestClock clock;
    bool silent = false;
    QByteArray firstRk;  // the first weighing result the indicator sent
};

}  // namespace

void TestMonitorSampler::readsOnlyAndHoldsTheGuard() {
    MainSide main;
    MonitorSampler sampler(main.link, 5000, main.clock);
    QSignalSpy samples(&sampler, &MonitorSampler::sampled);
    QSignalSpy fills(&sampler, &MonitorSampler::filled);
    QVERIFY(sampler.start());
    QVERIFY(!main.link.beginOperation());  // every other operation is refused with a beep
    QCOMPARE(main.view.beeps, 1);
    QVERIFY(main.until([&] { return fills.count() >= 2; }));
    QCOMPARE(sampler.product(), std::optional<int>(3));
    QCOMPARE(main.port.requests.count("W00"), 1);
    for (const QString& r : main.port.requests)
        QVERIFY2(QStringList({"W00", "RA", "RE", "RF", "RK"}).contains(r), qPrintable(r));
    QCOMPARE(fills.first().first().value<monitor::Fill>().final,
             main.firstRk.mid(2).trimmed().toDouble());
    // The default rate, and each sample stamped with the clock's time.
    const auto at = [&](int i) { return samples.at(i).first().value<monitor::Sample>().ms; };
    QCOMPARE(QDateTime::fromMSecsSinceEpoch(at(0)), TestClock().currentDateTime());
    QCOMPARE(at(2) - at(1), 1000 / MonitorSampler::kDefaultRate);
    sampler.stop();
    QVERIFY(main.link.beginOperation());

    // Stopped while the indicator is silent, the wait in progress gives up at once: the link is
    // free long before its five-second time-out, and no message is shown.
    main.silent = true;
    QVERIFY(sampler.start());
    const qint64 started = main.clock.nowMs();
    const auto stopper = main.clock.makeTimer([&] { sampler.stop(); });
    stopper->start(50);
    main.clock.advance(50);
    QVERIFY(!main.link.operationRunning());
    QCOMPARE(main.clock.nowMs() - started, 50);
    QCOMPARE(sampler.state(), MonitorSampler::State::Stopped);
    QVERIFY(main.view.messages.isEmpty());
}

void TestMonitorSampler::ridesOutSilenceAndUnplugging() {
    MainSide main;
    MonitorSampler sampler(main.link, 200, main.clock);
    QSignalSpy samples(&sampler, &MonitorSampler::sampled);
    QVERIFY(sampler.start());
    QVERIFY(main.until([&] { return samples.count() >= 1; }));
    main.silent = true;
    QVERIFY(main.until([&] { return sampler.state() == MonitorSampler::State::NoAnswer; }));
    // It asks again a second later.
    main.silent = false;
    const int before = int(samples.count());
    QVERIFY(main.until([&] { return samples.count() > before + 2; }, 1500));
    QCOMPARE(sampler.state(), MonitorSampler::State::Running);

    main.port.pullOut();
    main.port.failOpenWith = ErrNo::kPortNotOpen;
    QVERIFY(main.until([&] { return sampler.state() == MonitorSampler::State::Lost; }));
    main.clock.advance(3000);  // still gone: tried again each second
    QCOMPARE(sampler.state(), MonitorSampler::State::Lost);
    main.port.failOpenWith = 0;  // plugged in again: the next try reopens it
    const int lost = int(samples.count());
    QVERIFY(main.until([&] { return samples.count() > lost + 2; }, 1500));
    QCOMPARE(sampler.state(), MonitorSampler::State::Running);
    QVERIFY(main.port.isOpen());
    QVERIFY(main.view.messages.isEmpty());
    QVERIFY(main.link.operationRunning());
}

void TestMonitorSampler::measuresTheSimulatedFreeFall() {
    // A short cycle and 20 units in flight (±4) against a set 落差 of 5: the fills settle 15
    // units over 定量, all of them over its 10-unit 過量 limit. Each request and its answer take
    // 5 ms of the line's time, as on the simulator's paced line.
    MainSide main;
    SimSerialPort indicator;
    indicator.indicator().setCycleShape({500, 20});
    indicator.beforeAnswer = [&] {
        main.clock.advance(5);
        indicator.setTime(main.clock.nowMs());
    };
    main.link.setActivePort(&indicator);
    MonitorSampler sampler(main.link, MonitorSampler::kRetryMs, main.clock);
    sampler.setRate(0);
    std::vector<monitor::Fill> fills;
    connect(&sampler, &MonitorSampler::filled, this,
            [&](const monitor::Fill& f) { fills.push_back(f); });
    QVERIFY(sampler.start());
    QVERIFY(main.until([&] { return fills.size() >= 51; }, 60000));
    sampler.stop();
    fills.erase(fills.begin());  // the first may have begun before the monitor
    const monitor::Summary s = monitor::Summarize(fills);
    // The simulator shows one decimal: 10 display units to the weight.
    QVERIFY2(s.inFlightCount >= 49, qPrintable(QString::number(s.inFlightCount)));
    QVERIFY2(qAbs(s.inFlightMean * 10 - 20) <= 4, qPrintable(QString::number(s.inFlightMean)));
    QVERIFY2(qAbs(s.mean * 10 - 1015) <= 4, qPrintable(QString::number(s.mean)));
    QCOMPARE(s.over, s.count);
    for (const QString& r : indicator.requests)
        QVERIFY2(QStringList({"W00", "RA", "RE", "RF", "RK"}).contains(r), qPrintable(r));
}

// Stopped for another use of the link while the small feed runs and resumed once 完了 is on, the
// sampler counts that fill at once: what it saw before the stop is kept.
void TestMonitorSampler::resumeKeepsTheFillUnderWay() {
    MainSide main;
    MonitorSampler sampler(main.link, 5000, main.clock);
    QSignalSpy fills(&sampler, &MonitorSampler::filled);
    std::optional<monitor::Sample> last;
    connect(&sampler, &MonitorSampler::sampled, this, [&](const monitor::Sample& s) { last = s; });
    QVERIFY(sampler.start());
    QVERIFY(main.until([&] { return last && last->on(monitor::Output::Small); }));
    sampler.stop();
    const int before = int(fills.count());
    QVERIFY(main.until([&] {
        main.port.setTime(main.clock.nowMs());
        monitor::Sample now;
        now.status2 = QString::fromLatin1(main.port.indicator().liveData('E'));
        return now.complete();
    }));
    QVERIFY(sampler.resume());
    QVERIFY(main.until([&] { return fills.count() > before; }, 100));
}

QTEST_GUILESS_MAIN(TestMonitorSampler)
#include "test_monitor_sampler.moc"
