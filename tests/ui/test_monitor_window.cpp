// The monitor window from the menu: it polls at once, holds off every other exchange, and
// closing it frees the link.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "support/FakeSerialPort.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"
#include "ui/UiTestSupport.h"
#include "ui/monitor/MonitorWindow.h"

class MonitorWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void pollsFromTheMenuAndGuardsTheLink() {
        QTemporaryDir dir;
        CountingWindow w;
        RecordingMessages messages;
        w.setMessagePresenter(&messages);
        std::array<std::unique_ptr<SerialPort>, 2> ports{std::make_unique<FakeSerialPort>(),
                                                         std::make_unique<FakeSerialPort>()};
        auto* fake = static_cast<FakeSerialPort*>(ports[0].get());
        for (auto& port : ports) port->close();
        Program program(w, dir.filePath("Rusk.INI"), std::move(ports), 300);
        QVERIFY(!program.start(dir.path()).failed);
        int fillAt = 0;
        fake->responder = [&](const QString& r) -> QByteArray {
            if (r == "W00") return "W0000002\r\n";
            if (r == "RA") return "RA+001003\r\n";
            if (r == "RE") return ++fillAt % 8 == 0 ? "RE0000011\r\n" : "RE0000000\r\n";
            if (r == "RF") return "RF0000\r\n";
            if (r == "RK") return "RK+001004\r\n";
            return r.size() == 3 ? (r + "00001\r\n").toLatin1() : QByteArray();
        };
        w.store().setProduct(2, 2, "01000");
        w.store().setProduct(2, 5, "00009");
        w.show();

        w.findChild<QAction*>("mnuF805_MONITOR")->trigger();
        MonitorWindow* monitor = program.monitor();
        QVERIFY(monitor && monitor->isVisible());
        auto* table = monitor->findChild<QTableWidget*>("monitorFills");
        QTRY_VERIFY(table->rowCount() >= 2);
        QCOMPARE(table->item(0, 2)->text(), QString("過量"));
        QCOMPARE(monitor->findChild<QLabel*>("monitorProduct")->text(), QString("銘柄 02"));
        QCOMPARE(monitor->findChild<QLabel*>("monitorWeight")->text(), QString("1003"));

        // Every other exchange is refused with a beep and a word why, and sends nothing.
        const qsizetype sent = fake->requests.size();
        w.findChild<QAction*>("mnuF805_R")->trigger();
        w.pressToolbarKey("allRead");
        QCOMPARE(w.beeps, 2);
        QCOMPARE(w.controls().info->text(), QString("モニター実行中のため実行できません"));
        QVERIFY(!fake->requests.mid(sent).contains("W0000000"));
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
        QCOMPARE(run->text(), QString("開始"));
        QCOMPARE(w.store().product(0, 0), QString("00042"));
        QTest::mouseClick(run, Qt::LeftButton);
        QVERIFY(program.session().link().operationRunning());
        monitor->close();
        QVERIFY(!program.session().link().operationRunning());
        w.findChild<QAction*>("mnuF805_R")->trigger();
        QVERIFY(fake->requests.contains("W0000000"));
        QCOMPARE(w.beeps, 3);
    }
};

QTEST_MAIN(MonitorWindowTest)
#include "test_monitor_window.moc"
