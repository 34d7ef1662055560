// The menu bar, the toolbar, the window's fixed texts and the font.

#include <QAction>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include "UiTestSupport.h"
#include "platform/OperationError.h"
#include "platform/ProcessStart.h"
#include "texts/LinkTexts.h"
#include "texts/PlatformTexts.h"
#include "texts/TransferTexts.h"
#include "texts/WindowTexts.h"
#include "ui/MainWindow.h"

Q_DECLARE_METATYPE(Operation)

class MenusToolbarTest : public QObject {
    Q_OBJECT
  private slots:
    void menuItems_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<Operation>("op");
        QTest::addColumn<int>("index");
        auto row = [](const char* name, WindowText caption, Operation op, int index) {
            QTest::newRow(name) << QString::fromLatin1(name) << Tr(caption) << op << index;
        };
        row("mnuFILE_OPEN", WindowText::Open, Operation::LoadDataFile, 1);
        row("mnuFILE_SAVE", WindowText::Save, Operation::SaveDataFile, -1);
        row("mnuMEI_OPEN", WindowText::LoadProducts, Operation::LoadDataFile, 2);
        row("mnuSET_OPEN", WindowText::LoadSettings, Operation::LoadDataFile, 4);
        row("mnuFILE_CALC", WindowText::Calculator, Operation::StartCalculator, -1);
        row("mnuFILE_X", WindowText::Exit, Operation::Exit, -1);
        row("mnuEDIT_CLR", WindowText::ClearData, Operation::ClearAll, -1);
        row("mnuEDIT_REDRAW", WindowText::Redraw, Operation::Redraw, -1);
        row("mnuEDIT_SAME", WindowText::CopyAllProducts, Operation::CopyToAllProducts, -1);
        row("mnuF805_MEIGARA", WindowText::ChangeProduct, Operation::ChangeProduct, 0);
        row("mnuF805_R", WindowText::ReadOneProduct, Operation::ReadOneProduct, 1);
        row("mnuF805_Z", WindowText::ReadAllProductsZ, Operation::ReadAllProducts, 2);
        row("mnuF805_S", WindowText::ReadSettings, Operation::ReadAllSettings, 0);
        row("mnuF805_A", WindowText::ReadAll, Operation::AllRead, 0);
        row("mnuF805_K", WindowText::WriteOneProductK, Operation::WriteOneProduct, 3);
        row("mnuF805_J", WindowText::WriteAllProductsJ, Operation::WriteAllProducts, 4);
        row("mnuF805_H", WindowText::WriteSettingsH, Operation::WriteAllSettings, 0);
        row("mnuF805_P", WindowText::WriteAllP, Operation::AllWrite, 1);
        row("mnuF805_T", WindowText::WriteShownDataT, Operation::WriteShownToTarget, 5);
        row("mnuF805_F", WindowText::WriteShownDataAll, Operation::WriteShownToAll, 6);
        row("mnuF805_MONITOR", WindowText::LiveMonitor, Operation::ShowMonitor, -1);
        row("mnuF805_HELP", WindowText::Help, Operation::Help, -1);
        row("mnuF805_Vol", WindowText::Version, Operation::Version, -1);
    }
    void menuItems() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(Operation, op);
        QFETCH(int, index);
        MainWindow window;
        RecordingHandler rec;
        window.setOperationHandler(rec.handler());
        auto* action = window.findChild<QAction*>(name);
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        action->trigger();
        QCOMPARE(rec.calls.size(), size_t(1));
        QCOMPARE(rec.calls[0].first, op);
        QCOMPARE(rec.calls[0].second, index);
    }

    // Menus in order, items in order, "-" for a separator.
    void menuLayout() {
        MainWindow window;
        const QList<QAction*> menus = window.menuBar()->actions();
        QStringList got;
        for (QAction* menuAction : menus) {
            QMenu* menu = menuAction->menu();
            QVERIFY(menu);
            got << menu->objectName() + '=' + menu->title();
            for (QAction* item : menu->actions())
                got << (item->isSeparator() ? QStringLiteral("-")
                        : item->menu()      ? item->menu()->objectName()
                                            : item->objectName());
        }
        const QStringList expected = {"mnuFILE=" + Tr(WindowText::File),
                                      "mnuFILE_OPEN",
                                      "mnuFILE_SAVE",
                                      "-",
                                      "mnuMEI_OPEN",
                                      "mnuSET_OPEN",
                                      "-",
                                      "mnuFILE_HISTORY",
                                      "mnuFILE_COMPARE",
                                      "-",
                                      "mnuFILE_PRINT",
                                      "mnuFILE_PDF",
                                      "mnuFILE_MEI_CSV_OUT",
                                      "mnuFILE_MEI_CSV_IN",
                                      "mnuFILE_SET_CSV",
                                      "-",
                                      "mnuFILE_CALC",
                                      "-",
                                      "mnuFILE_X",
                                      "mnuEDIT=" + Tr(WindowText::Edit),
                                      "mnuEDIT_CLR",
                                      "mnuEDIT_REDRAW",
                                      "-",
                                      "mnuEDIT_SAME",
                                      "mnuF805=" + Tr(WindowText::Indicator),
                                      "mnuF805_MEIGARA",
                                      "-",
                                      "mnuF805_R",
                                      "mnuF805_Z",
                                      "mnuF805_S",
                                      "mnuF805_A",
                                      "-",
                                      "mnuF805_K",
                                      "mnuF805_J",
                                      "mnuF805_H",
                                      "mnuF805_P",
                                      "mnuF805_CHANGED",
                                      "-",
                                      "mnuF805_T",
                                      "mnuF805_F",
                                      "-",
                                      "mnuF805_COMPARE",
                                      "mnuF805_VERIFY",
                                      "mnuF805_KEEP",
                                      "-",
                                      "mnuF805_MONITOR",
                                      "mnuF805_CAL",
                                      "mnuHelp=" + Tr(WindowText::Help),
                                      "mnuF805_HELP",
                                      "-",
                                      "mnuF805_Vol",
                                      "mnuLANGUAGE"};
        QCOMPARE(got, expected);
    }

    void toolbar_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Operation>("op");
        QTest::addColumn<int>("index");
        QTest::newRow("OpenFile") << "OpenFile" << Tr(WindowText::Open2) << Operation::LoadDataFile
                                  << 1;
        QTest::newRow("SaveFile") << "SaveFile" << Tr(WindowText::Save2) << Operation::SaveDataFile
                                  << -1;
        QTest::newRow("memCLR") << "memCLR" << Tr(WindowText::ClearData2) << Operation::ClearAll
                                << -1;
        QTest::newRow("allRead") << "allRead" << Tr(WindowText::ReadAll2) << Operation::AllRead
                                 << 0;
        QTest::newRow("allWrite") << "allWrite" << Tr(WindowText::WriteAll) << Operation::AllWrite
                                  << 1;
        QTest::newRow("redraw") << "redraw" << Tr(WindowText::Redraw2) << Operation::Redraw << -1;
    }
    void toolbar() {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(Operation, op);
        QFETCH(int, index);
        MainWindow window;
        RecordingHandler rec;
        window.setOperationHandler(rec.handler());
        auto* button = window.findChild<QToolButton*>(key);
        QVERIFY(button);
        QCOMPARE(button->defaultAction()->text(), text);
        QCOMPARE(button->toolTip(), text);
        QVERIFY(!button->icon().isNull());
        button->click();
        QCOMPARE(rec.calls.size(), size_t(1));
        QCOMPARE(rec.calls[0].first, op);
        QCOMPARE(rec.calls[0].second, index);
    }

    void toolbarOrderAndUnknownKey() {
        MainWindow window;
        QStringList keys;
        for (QAction* action : window.controls().toolbar->actions()) keys << action->objectName();
        QCOMPARE(keys,
                 QStringList({"OpenFile", "SaveFile", "memCLR", "allRead", "allWrite", "redraw"}));
        RecordingHandler rec;
        window.setOperationHandler(rec.handler());
        window.pressToolbarKey(QStringLiteral("print"));
        window.pressToolbarKey(QString());
        QVERIFY(rec.calls.empty());
        // The toolbar and the menu item open the same way.
        window.pressToolbarKey(QStringLiteral("OpenFile"));
        window.findChild<QAction*>("mnuFILE_OPEN")->trigger();
        window.pressToolbarKey(QStringLiteral("SaveFile"));
        window.findChild<QAction*>("mnuFILE_SAVE")->trigger();
        QCOMPARE(rec.calls.size(), size_t(4));
        QCOMPARE(rec.calls[0], rec.calls[1]);
        QCOMPARE(rec.calls[2], rec.calls[3]);
    }

    void versionAndHelp() {
        MainWindow window;
        RecordingMessages messages;
        window.setMessagePresenter(&messages);
        window.findChild<QAction*>("mnuF805_Vol")->trigger();
        window.findChild<QAction*>("mnuF805_HELP")->trigger();
        QCOMPARE(messages.shown.size(), 2);
        QCOMPARE(messages.shown, QStringList({Tr(WindowText::LoadCellIndicatorSetting),
                                              Tr(WindowText::SorryThisVersionHas)}));
    }

    // No calculator on the search path: a box says so and names the ones looked for.
    void missingCalculatorIsTold() {
        QTemporaryDir empty;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(empty.path()));
        MainWindow window;
        RecordingMessages messages;
        window.setMessagePresenter(&messages);
        window.findChild<QAction*>("mnuFILE_CALC")->trigger();
        qputenv("PATH", path);
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(messages.shown[0].startsWith(Tr(WindowText::CannotStartCalculatorNone)) &&
                messages.shown[0].contains(CalculatorCandidates().constFirst()));
    }

    void laterOperationsDoNothingWithoutHandler() {
        MainWindow window;
        RecordingMessages messages;
        window.setMessagePresenter(&messages);
        window.store().setProduct(0, 0, "00001");
        for (const char* name :
             {"mnuF805_R", "mnuF805_Z", "mnuF805_A", "mnuFILE_OPEN", "mnuFILE_SAVE"})
            window.findChild<QAction*>(name)->trigger();
        window.pressToolbarKey(QStringLiteral("allWrite"));
        QVERIFY(messages.shown.isEmpty());
        QCOMPARE(window.store().product(0, 0), QStringLiteral("00001"));
    }

    void handlerDeclinesThenWindowActs() {
        MainWindow window;
        RecordingHandler rec;
        rec.claim = false;
        window.setOperationHandler(rec.handler());
        window.store().setProduct(5, 1, "00001");
        window.pressToolbarKey(QStringLiteral("memCLR"));
        QCOMPARE(rec.calls.size(), size_t(1));
        QVERIFY(window.store().product(5, 1).isEmpty());
    }

    void toolbarErrorIsReported() {
        MainWindow window;
        RecordingMessages messages;
        window.setMessagePresenter(&messages);
        window.setOperationHandler([](Operation, int) -> bool {
            throw OperationError(ErrNo::kPortNotOpen, Tr(LinkText::PortNotOpen));
        });
        window.pressToolbarKey(QStringLiteral("allRead"));
        QCOMPARE(
            messages.shown,
            QStringList({Tr(PlatformText::ErrorReport).arg(Tr(LinkText::PortNotOpen), "8018")}));
    }

    // Alt opens a menu without checking the focused control; the item's operation checks an
    // entry box when it starts, and reads a product list as the operator typed it.
    void menuKeysCheckWhenTheItemStarts() {
        MainWindow window;
        RecordingMessages messages;
        window.setMessagePresenter(&messages);
        std::vector<std::pair<Operation, QString>> ran;  // with the selector's text
        window.setOperationHandler([&](Operation op, int) {
            ran.emplace_back(op, window.controls().productLists[0]->currentText());
            return true;
        });
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QLineEdit* box = window.controls().productBoxes[3];
        box->setFocus();
        QTRY_VERIFY(box->hasFocus());
        box->setText("01000");  // refused: mask 00999
        QTest::keyClick(box, Qt::Key_E, Qt::AltModifier);
        QVERIFY(messages.shown.isEmpty());
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_R);  // 再描画(&R)
        QCOMPARE(messages.shown.size(), 1);
        QComboBox* selector = window.controls().productLists[0];
        selector->setFocus();
        QTRY_VERIFY(selector->hasFocus());
        selector->lineEdit()->setText("150");
        QTest::keyClick(selector, Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_M);  // 銘柄変更(&M)
        QCOMPARE(ran, (std::vector<std::pair<Operation, QString>>{
                          {Operation::Redraw, "0"}, {Operation::ChangeProduct, "150"}}));
    }

    void titleFontAndStatusLine() {
        MainWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Ｆ８０５ ｲﾝｼﾞｹｰﾀｰ設定"));
        QCOMPARE(MainWindow::TitleFor(IndicatorModel::F800),
                 QStringLiteral("Ｆ８００ ｲﾝｼﾞｹｰﾀｰ設定"));
        QCOMPARE(window.font().families().value(0), QStringLiteral("ＭＳ ゴシック"));
        // Whatever face is used, it draws half-width katakana and kanji.
        const QFontMetrics metrics(window.font());
        for (char16_t c : {u'ｲ', u'ﾝ', u'ｼ', u'ﾞ', u'設', u'定'}) QVERIFY(metrics.inFont(QChar(c)));
        auto* info = window.findChild<QLabel*>("info");
        QVERIFY(info);
        QCOMPARE(info->text(), Tr(WindowText::InformationHaveGoodDay));
        window.setStatusText(Tr(TransferText::SettingsSendDone));
        QCOMPARE(info->text(), Tr(TransferText::SettingsSendDone));
        auto* bar = window.findChild<QProgressBar*>("ProgressBar1");
        QVERIFY(bar);
        QVERIFY(bar->isHidden());
        QCOMPARE(bar->maximum(), 100);
        window.setProgressVisible(true);
        window.setProgress(40);
        QVERIFY(!bar->isHidden());
        QCOMPARE(bar->value(), 40);
        window.setTestResult(2, Tr(LinkText::LinkOk));
        QCOMPARE(window.findChild<QLineEdit*>("Text2")->text(), Tr(LinkText::LinkOk));
    }
};

QTEST_MAIN(MenusToolbarTest)
#include "test_menus_toolbar.moc"
