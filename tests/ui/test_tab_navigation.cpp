// Tab stops following the shown tab, the back buttons and the item buttons.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include "UiTestSupport.h"
#include "model/TabLayout.h"
#include "platform/OperationError.h"
#include "texts/PlatformTexts.h"
#include "texts/WindowTexts.h"
#include "ui/MainWindow.h"
#include "ui/TabNavigation.h"

Q_DECLARE_METATYPE(IndicatorModel)

namespace {

void UseModel(MainWindow& w, IndicatorModel model) {
    w.store().setModel(model);
    w.applyCatalogueView(model);
    w.fillItemLists(model);
}

// Every control whose tab stop some tab change switches.
QList<QWidget*> AllSwitched(const Controls& c) {
    QList<QWidget*> all;
    for (int tab = 0; tab < tablayout::kCount; ++tab) all += TabNavigation::TabStopGroup(c, tab);
    return all;
}

QList<bool> TabStops(const QList<QWidget*>& widgets) {
    QList<bool> stops;
    for (const QWidget* widget : widgets) stops << TabNavigation::HasTabStop(widget);
    return stops;
}

}  // namespace

class TabNavigationTest : public QObject {
    Q_OBJECT
  private:
    MainWindow* w = nullptr;
    RecordingMessages messages;

    QTabWidget* tabs() { return w->controls().tabs; }
    TabNavigation* navigation() { return &w->navigation(); }
    QPushButton* button(const QString& name) { return w->findChild<QPushButton*>(name); }
    void showActive() {
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

  private slots:
    void init() {
        w = new MainWindow;
        w->setMessagePresenter(&messages);
    }
    void cleanup() {
        delete w;
        w = nullptr;
    }

    void backButtonsReturnToThePreviousTab() {
        // A fresh window: the product tab is the one to go back to.
        QCOMPARE(navigation()->lastTab(), 0);
        w->dispatch(Operation::GoBack, 0);
        QCOMPARE(tabs()->currentIndex(), 0);
        // Start-up showing the port tab counts as a change like any other.
        tabs()->setCurrentIndex(9);
        tabs()->setCurrentIndex(3);
        button("Command41_0")->click();
        QCOMPARE(tabs()->currentIndex(), 9);
        tabs()->setCurrentIndex(8);
        button("Command60")->click();
        QCOMPARE(tabs()->currentIndex(), 9);
        w->dispatch(Operation::GoBack, 4);
        QCOMPARE(tabs()->currentIndex(), 8);
    }

    void itemButtonJumpsAndBackReturns() {
        showActive();
        tabs()->setCurrentIndex(1);
        button("Command3_25")->click();
        QCOMPARE(tabs()->currentIndex(), 4);
        QTRY_COMPARE(QApplication::focusWidget(), w->controls().itemLists[30]);
        QVERIFY(TabNavigation::HasTabStop(w->controls().itemLists[30]));
        button("Command41_1")->click();
        QCOMPARE(tabs()->currentIndex(), 1);
        w->dispatch(Operation::GoBack, 1);
        QCOMPARE(tabs()->currentIndex(), 4);
        QVERIFY(messages.shown.isEmpty());
    }

    void everyShownItemButtonJumpsToItsRow_data() {
        QTest::addColumn<IndicatorModel>("model");
        QTest::newRow("F805") << IndicatorModel::F805;
        QTest::newRow("F800") << IndicatorModel::F800;
    }
    void everyShownItemButtonJumpsToItsRow() {
        QFETCH(IndicatorModel, model);
        UseModel(*w, model);
        showActive();
        int jumps = 0;
        for (int b = 0; b < kItemButtons; ++b) {
            const ButtonSpec item = ButtonOf(model, b);
            if (!item.visible) continue;
            tabs()->setCurrentIndex(item.tab);
            button(QStringLiteral("Command3_%1").arg(b))->click();
            QCOMPARE(tabs()->currentIndex(), item.jumpTab);
            QTRY_COMPARE(QApplication::focusWidget(), w->controls().itemLists[item.jumpRow]);
            QCOMPARE(navigation()->lastTab(), item.tab);
            ++jumps;
        }
        QCOMPARE(jumps, model == IndicatorModel::F805 ? 59 : 31);
        QVERIFY(messages.shown.isEmpty());
    }

    void f800MaxMinusMinJumpsToRow69() {
        UseModel(*w, IndicatorModel::F800);
        showActive();
        tabs()->setCurrentIndex(2);
        w->dispatch(Operation::JumpToItem, 53);
        QCOMPARE(tabs()->currentIndex(), 6);
        QTRY_COMPARE(QApplication::focusWidget(), w->controls().itemLists[69]);
    }

    void hiddenButtonDoesNothing() {
        UseModel(*w, IndicatorModel::F800);
        tabs()->setCurrentIndex(1);
        w->dispatch(Operation::JumpToItem, 10);
        QCOMPARE(tabs()->currentIndex(), 1);
        QVERIFY(messages.shown.isEmpty());
    }

    // A list that cannot take the focus: the error report, the tab change stays.
    void jumpToListThatCannotTakeFocus() {
        showActive();
        w->controls().itemLists[30]->setEnabled(false);
        tabs()->setCurrentIndex(1);
        w->dispatch(Operation::JumpToItem, 25);
        QCOMPARE(tabs()->currentIndex(), 4);
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown[0], Tr(PlatformText::ErrorReport)
                                        .arg(Tr(WindowText::CannotMoveFocusList).arg(30),
                                             QString::number(ErrNo::kInvalidProcedureCall)));
    }

    // Which controls have a tab stop once tab t has been shown after another tab.
    void tabStopsFollowTheShownTab_data() {
        QTest::addColumn<IndicatorModel>("model");
        QTest::addColumn<int>("tab");
        for (auto model : {IndicatorModel::F805, IndicatorModel::F800})
            for (int tab = 0; tab <= 8; ++tab)
                QTest::addRow("%d tab %d", int(model), tab) << model << tab;
    }
    void tabStopsFollowTheShownTab() {
        QFETCH(IndicatorModel, model);
        QFETCH(int, tab);
        w->store().setModel(model);
        const Controls& c = w->controls();
        for (QWidget* widget : AllSwitched(c)) TabNavigation::SetTabStop(widget, true);
        tabs()->setCurrentIndex(tab == 3 ? 4 : 3);
        tabs()->setCurrentIndex(tab);
        const QList<QWidget*> on = TabNavigation::TabStopsOf(c, tab, model);
        // Everything else, W80 on tab 2, the live-data boxes, the other model option and the
        // status tab included, lost its tab stop on the way.
        for (QWidget* widget : AllSwitched(c))
            QVERIFY2(TabNavigation::HasTabStop(widget) == on.contains(widget),
                     qPrintable(widget->objectName()));
    }

    // The status tab sets no tab stop: its own controls keep the state they had.
    void statusTabKeepsItsOwnTabStops() {
        const Controls& c = w->controls();
        for (QWidget* widget : AllSwitched(c)) TabNavigation::SetTabStop(widget, true);
        tabs()->setCurrentIndex(8);
        const QList<QWidget*> own = TabNavigation::TabStopGroup(c, 8);
        for (QWidget* widget : AllSwitched(c))
            QVERIFY2(TabNavigation::HasTabStop(widget) == own.contains(widget),
                     qPrintable(widget->objectName()));
    }

    void tabStopGroupsAndStopsAreTheRightControls() {
        const Controls& c = w->controls();
        auto names = [](const QList<QWidget*>& widgets) {
            QStringList list;
            for (const QWidget* widget : widgets) list << widget->objectName();
            return list;
        };
        const QStringList group2 = names(TabNavigation::TabStopGroup(c, 2));
        const QStringList stops2 = names(TabNavigation::TabStopsOf(c, 2, IndicatorModel::F805));
        QCOMPARE(group2.size(), 29 + 6 + 10 + 5 + 6 + 2 + 2);
        QCOMPARE(stops2.size(), group2.size() - 6);
        QVERIFY(group2.contains("W80_5") && !stops2.contains("W80_5"));
        QCOMPARE(TabNavigation::TabStopGroup(c, 0).size(), 2 + 7 + 8 + 1 + 2 + 2 + 1);
        QCOMPARE(TabNavigation::TabStopGroup(c, 1).size(), 30 + 16 + 9 + 5 + 2);
        QCOMPARE(TabNavigation::TabStopGroup(c, 6).size(), 15 + 1);
        QCOMPARE(TabNavigation::TabStopGroup(c, 7).size(), 13 + 6 + 2 + 23);
        QCOMPARE(TabNavigation::TabStopsOf(c, 7, IndicatorModel::F805).size(), 6 + 2 + 23);
        QCOMPARE(TabNavigation::TabStopGroup(c, 8).size(), 4 * 7 + 1);
        QVERIFY(TabNavigation::TabStopGroup(c, 9).isEmpty());
        QVERIFY(TabNavigation::TabStopsOf(c, 8, IndicatorModel::F805).isEmpty());
        const QStringList stops0f800 = names(TabNavigation::TabStopsOf(c, 0, IndicatorModel::F800));
        QVERIFY(stops0f800.contains("Option3_1") && !stops0f800.contains("Option3_0"));
        const QStringList group7 = names(TabNavigation::TabStopGroup(c, 7));
        for (const char* name : {"Combo2_0", "Combo2_5", "Command6", "Command7", "Text3_12"})
            QVERIFY2(group7.contains(name), name);
        QVERIFY(!group7.contains("Command5") && !group7.contains("Combo4_0"));
    }

    void portTabLeavesEveryTabStop() {
        const Controls& c = w->controls();
        tabs()->setCurrentIndex(3);
        tabs()->setCurrentIndex(2);
        const QList<bool> before = TabStops(AllSwitched(c));
        tabs()->setCurrentIndex(9);
        QCOMPARE(TabStops(AllSwitched(c)), before);
        QCOMPARE(navigation()->lastTab(), 2);
        // A click still focuses a control without a tab stop.
        QVERIFY(c.itemLists[0]->focusPolicy() & Qt::ClickFocus);
        QVERIFY(!TabNavigation::HasTabStop(c.itemLists[0]));
    }

    // The Tab key on tab 2 never stops in W80 once a tab change has happened.
    void tabKeySkipsW80() {
        showActive();
        tabs()->setCurrentIndex(1);
        tabs()->setCurrentIndex(2);
        QLineEdit* start = w->controls().valueBoxes[5][0];
        start->setFocus();
        QTRY_VERIFY(start->hasFocus());
        QSet<QString> visited;
        for (int i = 0; i < 80; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QVERIFY(visited.contains("W90_1"));
        QVERIFY(visited.contains("Command3_58"));
        for (const QString& name : visited) QVERIFY2(!name.startsWith("W80_"), qPrintable(name));
    }
};

QTEST_MAIN(TabNavigationTest)
#include "test_tab_navigation.moc"
