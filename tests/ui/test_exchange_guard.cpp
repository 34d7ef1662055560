// While an exchange with the indicator runs, nothing changes the store.

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "support/FakeSerialPort.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"
#include "ui/UiTestSupport.h"

class ExchangeGuardTest : public QObject {
    Q_OBJECT
  private slots:
    // A product read waits for an indicator that does not answer. Meanwhile the clear and
    // copy-to-all operations (buttons, menu items, toolbar) and the entries left in a product
    // box and an item list change nothing and beep; the entries stay in their controls and are
    // taken when the read has ended.
    void storeStaysAsItIsDuringAnExchange() {
        QTemporaryDir dir;
        CountingWindow w;
        RecordingMessages messages;
        w.setMessagePresenter(&messages);
        std::array<std::unique_ptr<SerialPort>, 2> ports{std::make_unique<FakeSerialPort>(),
                                                         std::make_unique<FakeSerialPort>()};
        auto* fake = static_cast<FakeSerialPort*>(ports[0].get());  // never answers
        for (auto& port : ports) port->close();                     // start-up opens link 1
        Program program(w, dir.filePath("Rusk.INI"), std::move(ports), 300);
        QVERIFY(!program.start(dir.path()).failed);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        for (int k = 0; k < SettingsStore::kProductItems; ++k) w.store().setProduct(0, k, "00001");
        w.redraw();
        const Controls& c = w.controls();
        auto held = [&w] {
            QStringList values{w.store().value("28"), w.store().product(99, 0)};
            for (int k = 0; k < SettingsStore::kProductItems; ++k)
                values << w.store().product(0, k);
            return values;
        };
        const QStringList before = held();

        // １銘柄読みだし: W0000000, then W00 is not answered; the window goes on meanwhile.
        QSignalSpy ended(&w, &MainWindow::operationEnded);
        c.productButtons[1]->click();
        QVERIFY(program.session().link().waiting());
        c.clearButton->click();
        c.sameButton->click();
        w.findChild<QAction*>("mnuEDIT_CLR")->trigger();
        w.findChild<QAction*>("mnuEDIT_SAME")->trigger();
        w.pressToolbarKey("memCLR");
        c.productBoxes[0]->setFocus();
        c.productBoxes[0]->selectAll();
        QTest::keyClicks(c.productBoxes[0], "00042");
        c.productBoxes[1]->setFocus(Qt::TabFocusReason);  // passed through: no beep
        c.tabs->setCurrentIndex(3);
        c.itemLists[8]->setFocus();
        c.itemLists[8]->setCurrentIndex(0);
        QTest::keyClick(c.itemLists[8], Qt::Key_Down);
        c.itemLists[9]->setFocus(Qt::TabFocusReason);
        QCOMPARE(held(), before);
        QVERIFY(ended.wait(5000));

        QCOMPARE(fake->requests, (QStringList{"W0000000", "W00"}));
        QCOMPARE(w.beeps, 7);
        QCOMPARE(messages.shown, QStringList{IndicatorLink::TimeoutMessage()});
        QCOMPARE(c.productBoxes[0]->text(), QString("00042"));
        QCOMPARE(w.store().product(0, 0), QString("00042"));
        QCOMPARE(w.store().value("28"), QString("00001"));
        QCOMPARE(w.store().product(0, 1), QString("00001"));
    }

    // A time-out's box waits for the operator without an event loop of its own: the operation
    // ends once it is closed. A program that goes while an operation waits for the indicator or
    // for a box ends it without a message, and nothing is left behind.
    void operationsWaitForBoxesAndEndWithTheProgram() {
        QTemporaryDir dir;
        MainWindow w;  // the real boxes
        const auto startProgram = [&] {
            std::array<std::unique_ptr<SerialPort>, 2> ports{std::make_unique<FakeSerialPort>(),
                                                             std::make_unique<FakeSerialPort>()};
            for (auto& port : ports) port->close();
            auto program =
                std::make_unique<Program>(w, dir.filePath("Rusk.INI"), std::move(ports), 100);
            program->start(dir.path());
            return program;
        };
        const auto timeoutBox = [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            return box && box->text() == IndicatorLink::TimeoutMessage() ? box : nullptr;
        };
        auto program = startProgram();
        w.show();
        QSignalSpy ended(&w, &MainWindow::operationEnded);
        auto* read = w.findChild<QPushButton*>("Command20_0");
        read->click();
        QVERIFY(program->session().link().waiting());
        QTRY_VERIFY(timeoutBox());
        QVERIFY(ended.isEmpty() && program->session().link().jobRunning());
        QTest::keyClick(timeoutBox(), Qt::Key_Return);
        QVERIFY(ended.wait(2000));
        QVERIFY(!QApplication::activeModalWidget());

        read->click();
        QTRY_VERIFY(timeoutBox());
        program.reset();
        QVERIFY(!QApplication::activeModalWidget());
        program = startProgram();
        read->click();
        QVERIFY(program->session().link().waiting());
        program.reset();  // the wait gives up at once, and the operation ends
        QCOMPARE(ended.size(), 2);
    }
};

QTEST_MAIN(ExchangeGuardTest)
#include "test_exchange_guard.moc"
