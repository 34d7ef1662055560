// The window's composition: every named control is there with its caption, and nothing is
// clipped at the default size.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QtTest>

#include "UiTestSupport.h"
#include "model/Catalogue.h"
#include "model/TabLayout.h"
#include "texts/LinkTexts.h"
#include "texts/WindowTexts.h"
#include "ui/MainWindow.h"
#include "ui/TabRows.h"

Q_DECLARE_METATYPE(Operation)

namespace {

QString Name(const char* array, int i) {
    return QStringLiteral("%1_%2").arg(array).arg(i);
}

// Widgets whose text does not fit: label and button captions, group box titles.
QStringList Clipped(QWidget* page) {
    QStringList clipped;
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(page) || label->text().isEmpty()) continue;
        const QSize hint = label->sizeHint();
        if (hint.width() > label->width() || hint.height() > label->height())
            clipped << label->objectName() + ':' + label->text();
    }
    for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(page) || button->text().isEmpty()) continue;
        const QSize hint = button->sizeHint();
        if (hint.width() > button->width() || hint.height() > button->height())
            clipped << button->objectName() + ':' + button->text();
    }
    for (QGroupBox* frame : page->findChildren<QGroupBox*>()) {
        if (!frame->isVisibleTo(page)) continue;
        if (frame->minimumSizeHint().width() > frame->width())
            clipped << frame->objectName() + ':' + frame->title();
    }
    // Lists show their options whole, except those that size to a minimum on purpose.
    for (QComboBox* list : page->findChildren<QComboBox*>()) {
        if (!list->isVisibleTo(page)) continue;
        const int needed = list->sizeAdjustPolicy() == QComboBox::AdjustToContents
                               ? list->sizeHint().width()
                               : list->minimumSizeHint().width();
        if (needed > list->width()) clipped << list->objectName();
    }
    return clipped;
}

}  // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT
    RecordingHandler dispatched_;  // outlives the window that calls it
    std::unique_ptr<MainWindow> window_;
    QByteArray windowFor_;

    // The window the rows of a data-driven test share (building one takes a tenth of a second):
    // a new one for each test function.
    MainWindow& windowOfThisTest() {
        if (!window_ || windowFor_ != QTest::currentTestFunction()) {
            window_ = std::make_unique<MainWindow>();
            windowFor_ = QTest::currentTestFunction();
        }
        return *window_;
    }

  private slots:
    void tabs() {
        MainWindow w;
        QTabWidget* tabs = w.findChild<QTabWidget*>("SSTab1");
        QVERIFY(tabs);
        using T = WindowText;
        const WindowText captions[] = {
            T::TabProducts, T::TabSettingsA, T::TabSettingsB, T::TabDetails1, T::TabDetails2,
            T::TabDetails3, T::TabDetails4,  T::TabCommands,  T::TabStatus,   T::TabModelPorts};
        QCOMPARE(tabs->count(), int(std::size(captions)));
        for (int i = 0; i < tabs->count(); ++i) QCOMPARE(tabs->tabText(i), Tr(captions[i]));
    }

    // Each control the tab table places is on that tab's page and on no other; the table places
    // every item list, item button and setting entry box once.
    void tabTableMatchesThePages() {
        MainWindow w;
        const Controls& c = w.controls();
        QCOMPARE(c.tabs->count(), tablayout::kCount);
        QList<QPair<QWidget*, int>> placed = {{c.productBoxes[0], tablayout::kProducts},
                                              {c.liveBoxes[0], tablayout::kLive},
                                              {c.statusBoxes[0][0], tablayout::kStatus},
                                              {c.portList(1, PortList::Port), tablayout::kPorts}};
        for (int tab = 0; tab < tablayout::kCount; ++tab) {
            const tablayout::RowRange rows = tablayout::DetailRowsOf(tab);
            for (int row = rows.first; row <= rows.last; ++row)
                placed.append({c.itemLists[row], tab});
            if (tablayout::IsDetail(tab))
                placed.append({c.backButtons[tablayout::DetailIndex(tab)], tab});
            for (int b : tablayout::ItemButtonsOf(tab)) placed.append({c.itemButtons[b], tab});
            for (int family : tablayout::FamiliesOf(tab))
                for (QLineEdit* box : c.valueBoxes[family]) placed.append({box, tab});
            if (tablayout::IsOverview(tab))
                placed.append({c.writeSettingsButtons[tablayout::OverviewIndex(tab)], tab});
        }
        QSet<QWidget*> seen;
        for (const auto& [widget, tab] : placed) {
            QVERIFY(widget && !seen.contains(widget));
            seen.insert(widget);
            for (int page = 0; page < c.tabs->count(); ++page)
                QVERIFY2(c.tabs->widget(page)->isAncestorOf(widget) == (page == tab),
                         qPrintable(QString("%1 %2").arg(widget->objectName()).arg(page)));
        }
        for (QWidget* widget : c.itemLists) QVERIFY(seen.contains(widget));
        for (QWidget* widget : c.itemButtons) QVERIFY(seen.contains(widget));
        for (int family = 2; family <= 9; ++family)
            for (QWidget* widget : c.valueBoxes[family]) QVERIFY(seen.contains(widget));
    }

    void namedControls() {
        MainWindow w;
        auto count = [&w](const char* array, int n, auto* type) {
            using T = std::remove_pointer_t<decltype(type)>;
            for (int i = 0; i < n; ++i)
                if (!w.findChild<T*>(Name(array, i))) return Name(array, i);
            return QString();
        };
        QCOMPARE(count("W10", 8, (QLineEdit*)nullptr), QString());
        const std::pair<const char*, int> families[] = {{"W20", 16}, {"W30", 9},  {"W40", 5},
                                                        {"W50", 6},  {"W60", 10}, {"W70", 5},
                                                        {"W80", 6},  {"W90", 2}};
        for (const auto& [array, n] : families)
            QCOMPARE(count(array, n, (QLineEdit*)nullptr), QString());
        QCOMPARE(count("Combo3", 75, (QComboBox*)nullptr), QString());
        QCOMPARE(count("Label2", 75, (QLabel*)nullptr), QString());
        QCOMPARE(count("Command3", 59, (QPushButton*)nullptr), QString());
        QCOMPARE(count("Command2", 7, (QPushButton*)nullptr), QString());
        QCOMPARE(count("Command1", 2, (QPushButton*)nullptr), QString());
        QCOMPARE(count("Command20", 2, (QPushButton*)nullptr), QString());
        QCOMPARE(count("Command21", 2, (QPushButton*)nullptr), QString());
        QCOMPARE(count("Command41", 4, (QPushButton*)nullptr), QString());
        QCOMPARE(count("Command4", 23, (QPushButton*)nullptr), QString());
        QCOMPARE(count("Text3", 13, (QLineEdit*)nullptr), QString());
        for (const char* array : {"Text4", "Text5", "Text6", "Text7"})
            QCOMPARE(count(array, 7, (QLineEdit*)nullptr), QString());
        QCOMPARE(count("Combo1", 2, (QComboBox*)nullptr), QString());
        QCOMPARE(count("Combo2", 6, (QComboBox*)nullptr), QString());
        QCOMPARE(count("Combo4", 6, (QComboBox*)nullptr), QString());
        QCOMPARE(count("Option3", 2, (QRadioButton*)nullptr), QString());
        QCOMPARE(count("ModelBadge", 3, (QLabel*)nullptr), QString());
        QCOMPARE(count("LineF805", 3, (QWidget*)nullptr), QString());
        QCOMPARE(count("LineF800", 9, (QWidget*)nullptr), QString());
        for (const char* name : {"Command0", "SAME", "Command60", "Command5", "Command6",
                                 "Command7", "Command8", "Check1", "Text1", "Text2", "Frame8",
                                 "Frame20", "Frame21", "info", "ProgressBar1", "Toolbar1"})
            QVERIFY2(w.findChild<QWidget*>(name), name);
    }

    void captions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        auto row = [](const char* name, const QString& caption) {
            QTest::newRow(name) << QString::fromLatin1(name) << caption;
        };
        row("Command0", Tr(WindowText::ClearData3));
        row("SAME", Tr(WindowText::CopyAll));
        row("Command1_0", Tr(WindowText::F805ReadAll));
        row("Command1_1", Tr(WindowText::F805WriteAll));
        row("Command2_1", Tr(WindowText::ReadOneProduct2));
        row("Command2_2", Tr(WindowText::ReadAllProducts));
        row("Command2_3", Tr(WindowText::WriteOneProductMemory));
        row("Command2_4", Tr(WindowText::WriteAllProductsMemory));
        row("Command2_5", Tr(WindowText::WriteShownData));
        row("Command2_6", Tr(WindowText::WriteShownDataAll2));
        row("Command20_0", Tr(WindowText::ReadSettings2));
        row("Command21_1", Tr(WindowText::WriteSettings));
        row("Command41_2", Tr(WindowText::BackLastTab));
        row("Command60", Tr(WindowText::BackLastTab));
        row("Command4_0", Tr(LinkText::LiveGross));
        row("Command4_12", Tr(LinkText::SpanCalibration));
        row("Command4_18", Tr(LinkText::DigitalZeroReset));
        row("Command4_21", Tr(LinkText::ClearAllTotals));
        row("Command4_22", Tr(LinkText::Details));
        row("Command7", Tr(WindowText::Apply));
        row("Command6", Tr(WindowText::Test2));
        row("Check1", Tr(WindowText::UsePortAssignment));
        row("Option3_0", "F805");
        row("Option3_1", "F800");
        row("ModelBadge_0", "F805");
        row("ModelBadge_1", "F805");
        row("ModelBadge_2", "F800");
        row("Label6_1", Tr(WindowText::Model));
        row("Label1_0", ProductItemLabels()[0]);
        row("Label1_7", ProductItemLabels()[7]);
        row("Label2_19", InitialRowLabels()[19]);
        row("Label2_60", InitialRowLabels()[60]);
        row("Label5_49", "LOCK(soft)");
        row("Frame8", Tr(WindowText::F805ReadWrite));
        row("Frame20", "MsComm1");
        row("Frame21", "MsComm2");
    }
    void captions() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QWidget* widget = windowOfThisTest().findChild<QWidget*>(name);
        QVERIFY(widget);
        QString text;
        if (auto* b = qobject_cast<QAbstractButton*>(widget))
            text = b->text();
        else if (auto* l = qobject_cast<QLabel*>(widget))
            text = l->text();
        else if (auto* g = qobject_cast<QGroupBox*>(widget))
            text = g->title();
        QCOMPARE(text, caption);
    }

    void itemButtonsAndRowsFromCatalogue() {
        MainWindow w;
        for (const ButtonSpec& item : ButtonsOf(IndicatorModel::F805))
            QCOMPARE(w.findChild<QPushButton*>(Name("Command3", item.button))->text(),
                     item.caption);
        for (int row : {19, 27, 28, 29, 39, 58, 59}) {
            QVERIFY(w.findChild<QComboBox*>(Name("Combo3", row))->isHidden());
            QVERIFY(w.findChild<QLabel*>(Name("Label2", row))->isHidden());
        }
        QVERIFY(!w.findChild<QComboBox*>(Name("Combo3", 60))->isHidden());
        QCOMPARE(w.findChild<QComboBox*>(Name("Combo3", 60))->count(), 16);
        QCOMPARE(w.findChild<QComboBox*>(Name("Combo3", 60))->currentIndex(), -1);
        QVERIFY(!w.findChild<QWidget*>("LineF805_0")->isHidden());
        QVERIFY(w.findChild<QWidget*>("LineF800_0")->isHidden());
        QVERIFY(w.findChild<QWidget*>("Frame21")->isHidden());

        w.applyCatalogueView(IndicatorModel::F800);
        w.fillItemLists(IndicatorModel::F800);
        QVERIFY(w.findChild<QPushButton*>(Name("Command3", 10))->isHidden());
        QCOMPARE(w.findChild<QPushButton*>(Name("Command3", 0))->text(),
                 ButtonsOf(IndicatorModel::F800)[0].caption);
        QVERIFY(w.findChild<QComboBox*>(Name("Combo3", 56))->isHidden());
        QCOMPARE(w.findChild<QComboBox*>(Name("Combo3", 48))->count(), 5);
        QVERIFY(w.findChild<QLineEdit*>("W20_10")->isHidden());
        QVERIFY(!w.findChild<QLineEdit*>("W60_8")->isHidden());
        QVERIFY(w.findChild<QWidget*>("LineF805_0")->isHidden());
        QVERIFY(!w.findChild<QWidget*>("LineF800_0")->isHidden());
        QCOMPARE(w.findChild<QLabel*>("Label5_49")->text(), LockStatusLabel(IndicatorModel::F800));
    }

    void buttonsDispatch_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Operation>("op");
        QTest::addColumn<int>("index");
        QTest::newRow("Command2_0") << "Command2_0" << Operation::ChangeProduct << 0;
        QTest::newRow("Command2_5") << "Command2_5" << Operation::WriteShownToTarget << 5;
        QTest::newRow("Command1_1") << "Command1_1" << Operation::AllWrite << 1;
        QTest::newRow("Command20_1") << "Command20_1" << Operation::ReadAllSettings << 1;
        QTest::newRow("Command21_0") << "Command21_0" << Operation::WriteAllSettings << 0;
        QTest::newRow("Command3_25") << "Command3_25" << Operation::JumpToItem << 25;
        QTest::newRow("Command41_3") << "Command41_3" << Operation::GoBack << 3;
        QTest::newRow("Command60") << "Command60" << Operation::GoBack << 4;
        QTest::newRow("Command4_15") << "Command4_15" << Operation::LiveData << 15;
        QTest::newRow("Command4_22") << "Command4_22" << Operation::LiveData << 22;
        QTest::newRow("Command7") << "Command7" << Operation::ApplyPortSettings << 1;
        QTest::newRow("Command5") << "Command5" << Operation::ApplyPortSettings << 2;
        QTest::newRow("Command6") << "Command6" << Operation::TestLink << 1;
        QTest::newRow("Command8") << "Command8" << Operation::TestLink << 2;
        QTest::newRow("Option3_1") << "Option3_1" << Operation::SelectModel << 1;
        QTest::newRow("Check1") << "Check1" << Operation::SetPortAssignment << -1;
    }
    void buttonsDispatch() {
        QFETCH(QString, name);
        QFETCH(Operation, op);
        QFETCH(int, index);
        MainWindow& w = windowOfThisTest();  // each row clicks its own button once
        RecordingHandler& rec = dispatched_;
        rec.calls.clear();
        w.setOperationHandler(rec.handler());
        auto* button = w.findChild<QAbstractButton*>(name);
        QVERIFY(button);
        button->click();
        QCOMPARE(rec.calls.size(), size_t(1));
        QCOMPARE(rec.calls[0].first, op);
        QCOMPARE(rec.calls[0].second, index);
    }

    void nothingClippedAtDefaultSize_data() {
        QTest::addColumn<int>("model");
        QTest::newRow("F805") << 805;
        QTest::newRow("F800") << 800;
    }
    void nothingClippedAtDefaultSize() {
        QFETCH(int, model);
        MainWindow w;
        if (model == 800) {
            w.applyCatalogueView(IndicatorModel::F800);
            w.fillItemLists(IndicatorModel::F800);
        }
        w.resize(w.preferredSize());  // the test screen is smaller than a desktop's
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTabWidget* tabs = w.controls().tabs;
        // All ten tab captions are in view together, in one row.
        const TabRows* captions = w.controls().tabRows;
        QCOMPARE(captions->rowCount(), 1);
        QVERIFY(captions->tabRect(tabs->count() - 1).right() <= captions->width());
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            QWidget* page = w.findChild<QWidget*>(QStringLiteral("SSTab1_%1").arg(tab));
            QVERIFY(page);
            QTRY_VERIFY(page->isVisible());
            QCOMPARE(Clipped(page), QStringList());
            // The page fits its tab: no scrolling needed at the default size.
            QWidget* viewport = page->parentWidget();
            QVERIFY2(page->minimumSizeHint().height() <= viewport->height(),
                     qPrintable(QString::number(tab)));
        }
        QCOMPARE(Clipped(w.statusBar()), QStringList());
    }

    // At 100, 125 and 150 % of a 1366 × 768 screen (the window takes 95 % of it) every tab
    // caption is whole, in view and apart from the others.
    void tabCaptionsWholeOnALaptopScreen() {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const TabRows* rows = w.controls().tabRows;
        const QTabWidget* tabs = w.controls().tabs;
        for (const double scale : {1.0, 1.25, 1.5}) {
            const QSize screen = QSize(1366, 768) * (0.95 / scale);
            w.resize(screen);
            QTRY_VERIFY(w.size() == screen && rows->width() <= screen.width() &&
                        rows->height() >= rows->heightForWidth(rows->width()));
            QRegion drawn;
            for (int i = 0; i < tabs->count(); ++i) {
                const QRect r = rows->tabRect(i);
                const int text = rows->fontMetrics().horizontalAdvance(tabs->tabText(i));
                QVERIFY2(r.width() >= text + 8 && rows->rect().contains(r) && !drawn.intersects(r),
                         qPrintable(QString("%1 %2").arg(scale).arg(i)));
                drawn += r;
            }
        }
    }

    void hooksReportFocusAndEdits() {
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QSignalSpy edited(&w, &MainWindow::valueBoxEdited);
        QSignalSpy tabChanged(&w, &MainWindow::tabChanged);
        w.findChild<QLineEdit*>("W30_4")->setText("00012");
        QCOMPARE(edited.size(), 1);
        QCOMPARE(edited[0][0].toInt(), 3);
        QCOMPARE(edited[0][1].toInt(), 4);
        // Focus leaving an item list, an entry box and a product list, Enter in a product list.
        QSignalSpy listLeft(&w, &MainWindow::itemListLeft);
        QSignalSpy boxLeft(&w, &MainWindow::valueBoxLeft);
        QSignalSpy productIn(&w, &MainWindow::productListFocusIn);
        QSignalSpy productOut(&w, &MainWindow::productListFocusOut);
        QSignalSpy productEnter(&w, &MainWindow::productListEnter);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QComboBox* selector = w.findChild<QComboBox*>("Combo1_0");
        selector->setFocus();
        QTRY_COMPARE(productIn.size(), 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(productEnter.size(), 1);
        QCOMPARE(productEnter[0][0].toInt(), 0);
        selector->lineEdit()->setText(QStringLiteral("150"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(selector->count(), 100);  // typed numbers never become entries
        w.findChild<QLineEdit*>("W10_2")->setFocus();
        QTRY_COMPARE(productOut.size(), 1);
        w.controls().tabs->setCurrentIndex(1);
        w.findChild<QLineEdit*>("W20_5")->setFocus();
        QTRY_COMPARE(boxLeft.size(), 1);
        QCOMPARE(boxLeft[0][0].toInt(), 1);
        QCOMPARE(boxLeft[0][1].toInt(), 2);
        w.controls().tabs->setCurrentIndex(4);
        w.findChild<QComboBox*>("Combo3_31")->setFocus();
        QTRY_COMPARE(boxLeft.size(), 2);
        // The tab change may pass the focus through other lists first; leaving 31 for 32 must
        // report 31, and 32 (which holds the focus) must not be reported.
        listLeft.clear();
        w.findChild<QComboBox*>("Combo3_32")->setFocus();
        auto reported = [&](int list) {
            for (const auto& args : listLeft)
                if (args[0].toInt() == list) return true;
            return false;
        };
        QTRY_VERIFY(reported(31));
        QVERIFY(!reported(32));
        const qsizetype leftBefore = listLeft.size();
        // Opening the popup or another window taking the focus does not leave the list.
        for (Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
            QFocusEvent out(QEvent::FocusOut, reason);
            QApplication::sendEvent(w.findChild<QComboBox*>("Combo3_32"), &out);
        }
        QCOMPARE(listLeft.size(), leftBefore);
        tabChanged.clear();

        w.controls().tabs->setCurrentIndex(3);
        w.controls().tabs->setCurrentIndex(5);
        QCOMPARE(tabChanged.size(), 2);
        QCOMPARE(tabChanged[0][0].toInt(), 4);
        QCOMPARE(tabChanged[1][0].toInt(), 3);
        QCOMPARE(tabChanged[1][1].toInt(), 5);
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "test_window_layout.moc"
