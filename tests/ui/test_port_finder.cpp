#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/Session.h"
#include "model/TabLayout.h"
#include "platform/IniFile.h"
#include "support/SimProcess.h"
#include "support/TestClock.h"
#include "texts/WindowTexts.h"
#include "ui/MainWindow.h"
#include "ui/PortFinder.h"
#include "ui/Program.h"
#include "ui/UiTestSupport.h"

namespace {

// The program on a configuration whose Com1 names `com1`; the device lists show `devices` and
// the devices the configuration names, never the machine's own ports.
struct FinderProgram {
    FinderProgram(const QString& com1, QList<FoundDevice>* devices) {
        ini = dir.filePath("Rusk.INI");
        WriteProfileString(ini, "Devices", "Com1", com1);
        window.setMessagePresenter(&messages);
        program = std::make_unique<Program>(window, ini, 2000, clock);
        program->start(dir.path());
        program->portFinder().setLister([devices](const QStringList& configured) {
            QList<FoundDevice> all = *devices;
            for (const QString& d : configured) all << FoundDevice{d, d, {}};
            return all;
        });
        window.show();
        window.controls().tabs->setCurrentIndex(tablayout::kPorts);
    }
    ~FinderProgram() { window.setMessagePresenter(nullptr); }
    QComboBox* deviceList() const { return window.findChild<QComboBox*>("DeviceList1"); }
    QListWidget* results() const { return window.findChild<QListWidget*>("ProbeList1"); }
    QString bound(int com) const {
        return ReadProfileString(ini, "Devices", QStringLiteral("Com%1").arg(com), "", 4096);
    }

    QTemporaryDir dir;
    QString ini;
    TestClock clock;  // the device lists' polling
    MainWindow window;
    RecordingMessages messages;
    std::unique_ptr<Program> program;
};

}  // namespace

class PortFinderTest : public QObject {
    Q_OBJECT
  private slots:
    // The list follows devices plugged in and out; "検出" finds the answering devices (this
    // program's own port among them, opened again afterwards), and one click binds one.
    void findsAndBindsTheIndicator() {
        SimProcess own, usb, silent({"--silent"});
        QTemporaryDir byId;
        const QString stable = byId.filePath("usb-FTDI_FT232R_USB_UART_A10K-if00-port0");
        QVERIFY(QFile::link(usb.device(), stable));
        QList<FoundDevice> devices{{usb.device(), stable, "FTDI FT232R USB UART, serial A10K"},
                                   {silent.device(), silent.device(), {}}};
        FinderProgram p(own.device(), &devices);
        QVERIFY(p.program->session().port(1).isOpen());
        QCOMPARE(p.deviceList()->count(), 3);
        QCOMPARE(p.deviceList()->currentIndex(), 2);  // Com1's device, from the configuration

        SimProcess plugged;
        devices << FoundDevice{plugged.device(), plugged.device(), {}};
        p.clock.advance(PortFinder::kPollMs - 1);
        QCOMPARE(p.deviceList()->count(), 3);
        p.clock.advance(1);
        QCOMPARE(p.deviceList()->count(), 4);
        devices.removeLast();
        p.clock.advance(PortFinder::kPollMs);
        QCOMPARE(p.deviceList()->count(), 3);

        p.window.findChild<QComboBox*>("Combo2_0")->setCurrentIndex(2);  // Com3
        QVERIFY(Ended(p.window, [&] { p.window.findChild<QPushButton*>("Detect1")->click(); }));
        QCOMPARE(p.results()->count(), 3);
        QStringList rows;
        for (int i = 0; i < 3; ++i) rows << p.results()->item(i)->text();
        QVERIFY2(rows[0].startsWith(Tr(WindowText::Answered)) && rows[0].contains("A10K"),
                 qPrintable(rows[0]));
        QVERIFY2(rows[1].startsWith(Tr(WindowText::NoAnswer)), qPrintable(rows[1]));
        QVERIFY2(rows[2].startsWith(Tr(WindowText::Answered)), qPrintable(rows[2]));
        QVERIFY(p.program->session().port(1).isOpen());
        QCOMPARE(usb.requests(), QStringList{"RA"});
        QCOMPARE(silent.requests(), QStringList{"RA"});

        // A silent device cannot be picked; the one that answered binds Com3 by its by-id name.
        const QRect silentRow = p.results()->visualItemRect(p.results()->item(1));
        QTest::mouseClick(p.results()->viewport(), Qt::LeftButton, {}, silentRow.center());
        QVERIFY(p.bound(3).isEmpty());
        const QRect usbRow = p.results()->visualItemRect(p.results()->item(0));
        QTest::mouseClick(p.results()->viewport(), Qt::LeftButton, {}, usbRow.center());
        QCOMPARE(p.bound(3), stable);
        QCOMPARE(p.window.findChild<QLabel*>("DevicePath1")->text(), stable);
        QCOMPARE(p.deviceList()->currentIndex(), 0);
        QVERIFY(p.messages.shown.isEmpty());
    }

    // A device taken away after the list was drawn is said to be gone, and nothing is bound.
    void vanishedDeviceIsSaidToBeGone() {
        SimProcess own;
        QTemporaryDir dir;
        const QString adapter = dir.filePath("ttyUSB7");
        QVERIFY(QFile::link(own.device(), adapter));
        QList<FoundDevice> devices{{adapter, adapter, {}}};
        FinderProgram p(own.device(), &devices);
        QVERIFY(QFile::remove(adapter));
        p.deviceList()->setCurrentIndex(0);
        emit p.deviceList()->activated(0);
        QCOMPARE(p.messages.shown.size(), 1);
        QCOMPARE(p.messages.shown[0], Tr(WindowText::N1WasNotFound).arg(adapter));
        QCOMPARE(p.bound(1), own.device());
    }

    // The version box says which configuration file is in use.
    void versionBoxNamesTheConfiguration() {
        QList<FoundDevice> none;
        FinderProgram p("/dev/rusk-test-none", &none);
        p.window.findChild<QAction*>("mnuF805_Vol")->trigger();
        QVERIFY(!p.messages.shown.isEmpty());
        QVERIFY(p.messages.shown.last().startsWith(MainWindow::VersionText()));
        QVERIFY(p.messages.shown.last().endsWith(Tr(WindowText::ConfigurationFile) + p.ini));
    }
};

QTEST_MAIN(PortFinderTest)
#include "test_port_finder.moc"
