#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/IniFile.h"
#include "support/SimProcess.h"
#include "texts/TransferTexts.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"
#include "ui/UiTestSupport.h"

// The product operations reached from the toolbar and the product buttons, against the
// simulated indicator.
class ProgramProductsTest : public QObject {
    Q_OBJECT
  private slots:
    void allReadAndAllWriteFromTheToolbar() {
        SimProcess sim;
        QVERIFY(!sim.device().isEmpty());
        QTemporaryDir dir;
        const QString ini = dir.filePath("Rusk.INI");
        WriteProfileString(ini, "Devices", "Com1", sim.device());
        MainWindow window;
        RecordingMessages messages;
        window.setMessagePresenter(&messages);
        Program program(window, ini, 2000);
        QVERIFY(!program.start(dir.path()).failed);

        QVERIFY(Ended(window, [&] { window.pressToolbarKey("allRead"); }));
        QVERIFY2(messages.shown.isEmpty(), qPrintable(messages.shown.join("|")));
        // 100 products (select, query, eight reads) and then the 59 settings.
        QStringList requests = sim.requests();
        QCOMPARE(requests.size(), 100 * 10 + 59);
        QCOMPARE(requests.mid(0, 3), (QStringList{"W0000000", "W00", "W10"}));
        QCOMPARE(requests.last(), QString("W91"));
        QCOMPARE(window.store().product(42, 2), QString("02050"));  // target 1000 + 25 × 42
        QCOMPARE(window.controls().valueBox(1, 2)->text(), window.store().product(0, 2));

        // The shown product 7 goes to indicator product 42 through the target list.
        window.controls().productLists[0]->setCurrentIndex(7);
        window.controls().productLists[1]->setCurrentIndex(42);
        QVERIFY(Ended(window, [&] { window.dispatch(Operation::WriteShownToTarget, 5); }));
        QVERIFY(messages.shown.isEmpty());
        requests = sim.requests().mid(100 * 10 + 59);
        QCOMPARE(requests.mid(0, 3),
                 (QStringList{"RA", "W0000042", "W10" + window.store().product(7, 0)}));
        QCOMPARE(requests.last(), QString("W00"));

        QVERIFY(Ended(window, [&] { window.pressToolbarKey("allWrite"); }));
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(window.controls().info->text(), Tr(TransferText::SettingsSendDone));
    }
};

QTEST_MAIN(ProgramProductsTest)
#include "test_program_products.moc"
