// The monitor window from the menu: it polls at once, holds off every other exchange, and
// closing it frees the link.

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "support/FakeSerialPort.h"
#include "support/SimSerialPort.h"
#include "texts/MonitorTexts.h"
#include "texts/WindowTexts.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"
#include "ui/UiTestSupport.h"
#include "ui/monitor/MonitorChart.h"
#include "ui/monitor/MonitorWindow.h"

namespace {

// The program on the simulated indicator filling product 2, its clock 20 ms further at each
// request: a fill in about ten samples, each 過量 (30 units in flight against a 落差 of 7). The
// weight replies are `weight`, so that the window's weight can be told.
struct MonitorSetup {
    explicit MonitorSetup(QByteArray weight = "+001003") : weight(std::move(weight)) {
        w.setMessagePresenter(&messages);
        auto port = std::make_unique<SimSerialPort>();
        sim = port.get();
        std::array<std::unique_ptr<SerialPort>, 2> ports{std::move(port),
                                                         std::make_unique<FakeSerialPort>()};
        for (auto& p : ports) p->close();
        program = std::make_unique<Program>(w, dir.filePath("Rusk.INI"), std::move(ports), 300);
        started = !program->start(dir.path()).failed;
        sim->indicator().handle("W0000002");
        sim->indicator().setCycleShape({600, 30});
        sim->beforeAnswer = [this] { sim->setTime(sim->indicator().time() + 20); };
        sim->alter = [this](const QString& r, const QByteArray& reply) {
            return r == "RA" ? "RA" + this->weight + "\r\n" : reply;
        };
        w.store().setProduct(2, 2, "01000");
        w.store().setProduct(2, 5, "00009");
        w.show();
    }
    QTemporaryDir dir;
    CountingWindow w;
    RecordingMessages messages;
    SimSerialPort* sim = nullptr;
    std::unique_ptr<Program> program;
    QByteArray weight;
    bool started = false;
};

}  // namespace

class MonitorWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void pollsFromTheMenuAndGuardsTheLink() {
        MonitorSetup setup;
        QVERIFY(setup.started);
        CountingWindow& w = setup.w;
        RecordingMessages& messages = setup.messages;
        SimSerialPort* sim = setup.sim;
        Program& program = *setup.program;

        w.findChild<QAction*>("mnuF805_MONITOR")->trigger();
        MonitorWindow* monitor = program.monitor();
        QVERIFY(monitor && monitor->isVisible());
        auto* table = monitor->findChild<QTableWidget*>("monitorFills");
        QTRY_VERIFY(table->rowCount() >= 2);
        QCOMPARE(table->item(0, 2)->text(), Tr(MonitorText::Over));
        QCOMPARE(monitor->findChild<QLabel*>("monitorProduct")->text(),
                 Tr(WindowText::Product1).arg("02"));
        QCOMPARE(monitor->findChild<QLabel*>("monitorWeight")->text(), QString("1003"));

        // Every other exchange is refused with a beep and a word why, and sends nothing.
        const qsizetype sent = sim->requests.size();
        w.findChild<QAction*>("mnuF805_R")->trigger();
        w.pressToolbarKey("allRead");
        QCOMPARE(w.beeps, 2);
        QCOMPARE(w.controls().info->text(), Tr(WindowText::NotWhileMonitorRuns));
        QVERIFY(!sim->requests.mid(sent).contains("W0000000"));
        QVERIFY(messages.shown.isEmpty());
        // An entry made meanwhile is held (a beep) and taken once the monitor lets the link go.
        QApplication::setActiveWindow(&w);  // the monitor took the focus when it opened
        QLineEdit* box = w.controls().productBoxes[0];
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, "00042");
        w.controls().productBoxes[1]->setFocus(Qt::TabFocusReason);
        QCOMPARE(w.beeps, 3);
        QCOMPARE(w.store().product(0, 0), QString());

        // 停止 and closing free the link at once.
        auto* run = monitor->findChild<QPushButton*>("monitorRun");
        QTest::mouseClick(run, Qt::LeftButton);
        QVERIFY(!program.session().link().operationRunning());
        QCOMPARE(run->text(), Tr(WindowText::Start));
        QCOMPARE(w.store().product(0, 0), QString("00042"));
        QTest::mouseClick(run, Qt::LeftButton);
        QVERIFY(program.session().link().operationRunning());
        monitor->close();
        QVERIFY(!program.session().link().operationRunning());
        w.findChild<QAction*>("mnuF805_R")->trigger();
        QVERIFY(sim->requests.contains("W0000000"));
        QCOMPARE(w.beeps, 3);
    }

    void reopenedMonitorStartsAfreshAndMarksAStaleWeight() {
        // The indicator sends its decimal point; the window has not read the settings.
        MonitorSetup setup("+0100.3");
        QVERIFY(setup.started);
        QAction* open = setup.w.findChild<QAction*>("mnuF805_MONITOR");
        open->trigger();
        MonitorWindow* monitor = setup.program->monitor();
        auto* weight = monitor->findChild<QLabel*>("monitorWeight");
        auto* table = monitor->findChild<QTableWidget*>("monitorFills");
        auto* summary = monitor->findChild<QLabel*>("monitorSummary");
        auto* advice = monitor->findChild<QLabel*>("monitorAdvice");
        QTRY_VERIFY(table->rowCount() >= 2 && !advice->text().isEmpty());
        QCOMPARE(weight->text(), QString("100.3"));  // as sent, not whole units
        QVERIFY(weight->isEnabled());

        // The port goes: the last weight stays, greyed, until one is read again.
        setup.sim->pullOut();
        setup.sim->failOpenWith = ErrNo::kPortNotOpen;
        QTRY_COMPARE(monitor->sampler().state(), MonitorSampler::State::Lost);
        QCOMPARE(weight->text(), QString("100.3"));
        QVERIFY(!weight->isEnabled());
        setup.sim->failOpenWith = 0;
        QTRY_VERIFY_WITH_TIMEOUT(weight->isEnabled(), 5000);

        // CSV保存… takes a name typed without ".csv" as a CSV file.
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                answer.stop();
                dialog->selectFile(setup.dir.filePath("run1"));
                static_cast<QDialog*>(dialog)->accept();  // as the dialog's save key
            }
        });
        answer.start(10);
        QTest::mouseClick(monitor->findChild<QPushButton*>("monitorSave"), Qt::LeftButton);
        QFile csv(setup.dir.filePath("run1.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QVERIFY(
            csv.readLine().startsWith("\xEF\xBB\xBF" + QString(Tr(MonitorText::ColumnTime) + ',' +
                                                               Tr(MonitorText::ColumnWeight) + ',')
                                                           .toUtf8()));

        // Closed and opened again: a new session, with nothing of the last one shown, counted or
        // advised on, and an empty chart that ends now on round ticks.
        monitor->close();
        open->trigger();
        QCOMPARE(table->rowCount(), 0);
        QCOMPARE(summary->text(), Tr(WindowText::Count0));
        QVERIFY(advice->text().isEmpty());
        QVERIFY(monitor->samples().empty() && monitor->fills().empty());
        const MonitorChart& chart = monitor->chart();
        QVERIFY(qAbs(chart.endMs() - QDateTime::currentMSecsSinceEpoch()) < 5000);
        QVERIFY(!chart.timeTicks().empty());
        for (const monitor::TimeTick& t : chart.timeTicks())
            QVERIFY2(qint64(t.ms) % 1000 == 0, qPrintable(t.label));
        QCOMPARE(chart.weightScale().low, 0.0);
        QVERIFY(chart.weightScale().steps() >= 2);
        // The fills after it are its own; the set-point labels stand apart.
        QTRY_VERIFY(table->rowCount() >= 1);
        QCOMPARE(int(monitor->fills().size()), table->rowCount());
        monitor->redrawNow();
        const std::vector<QRectF> boxes = chart.labelBoxes();
        QVERIFY(!boxes.empty());
        for (size_t i = 0; i < boxes.size(); ++i)
            for (size_t j = i + 1; j < boxes.size(); ++j) QVERIFY(!boxes[i].intersects(boxes[j]));
    }
};

QTEST_MAIN(MonitorWindowTest)
#include "test_monitor_window.moc"
