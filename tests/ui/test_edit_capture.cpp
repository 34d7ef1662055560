// Options picked in the item lists going back into the store, and the two product lists.

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

#include "UiTestSupport.h"
#include "ui/MainWindow.h"

Q_DECLARE_METATYPE(IndicatorModel)

namespace {

using Picks = QList<QPair<int, int>>;  // list, position

void UseModel(MainWindow& w, IndicatorModel model) {
    w.store().setModel(model);
    w.applyCatalogueView(model);
    w.fillItemLists(model);
}

}  // namespace

class EditCaptureTest : public QObject {
    Q_OBJECT
  private:
    MainWindow* w = nullptr;
    RecordingMessages messages;

    QComboBox* list(int n) { return w->controls().itemLists[n]; }
    QComboBox* productList(int element) { return w->controls().productLists[element]; }
    QLineEdit* productBox(int k) { return w->controls().productBoxes[k]; }

  private slots:
    void init() {
        w = new MainWindow;
        w->setMessagePresenter(&messages);
        for (QComboBox* products : w->controls().productLists) products->setCurrentIndex(0);
        w->clearAll();
        for (int p = 0; p < SettingsStore::kMaxProducts; ++p)
            w->store().setProduct(p, 0, QStringLiteral("%1").arg(p * 10, 5, 10, QChar(u'0')));
        messages.shown.clear();
    }
    void cleanup() {
        delete w;
        w = nullptr;
    }

    void pickedOptionsAreStored_data() {
        QTest::addColumn<IndicatorModel>("model");
        QTest::addColumn<Picks>("picks");
        QTest::addColumn<int>("left");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("expected");
        const auto F805 = IndicatorModel::F805;
        const auto F800 = IndicatorModel::F800;
        QTest::newRow("W27") << F805 << Picks{{7, 3}} << 7 << "27"
                             << "00003";
        QTest::newRow("W2F one higher") << F805 << Picks{{15, 0}} << 15 << "2F"
                                        << "00001";
        QTest::newRow("W68 zone 16") << F805 << Picks{{60, 15}} << 60 << "68"
                                     << "00016";
        const Picks w40{{30, 1}, {31, 0}, {32, 1}, {33, 0}, {34, 1}};
        for (int left = 30; left <= 34; ++left)
            QTest::addRow("W40 leaving %d", left) << F805 << w40 << left << "40"
                                                  << "10101";
        QTest::newRow("F800 W33 leaving 27")
            << F800 << Picks{{25, 2}, {26, 1}, {27, 0}, {28, 1}} << 27 << "33"
            << "02111";
        QTest::newRow("F800 W31") << F800 << Picks{{16, 1}, {17, 2}, {18, 0}, {19, 4}} << 19 << "31"
                                  << "01204";
        QTest::newRow("F800 W46") << F800 << Picks{{60, 15}} << 60 << "46"
                                  << "00016";
    }
    void pickedOptionsAreStored() {
        QFETCH(IndicatorModel, model);
        QFETCH(Picks, picks);
        QFETCH(int, left);
        QFETCH(QString, code);
        QFETCH(QString, expected);
        UseModel(*w, model);
        for (const auto& [n, position] : picks) list(n)->setCurrentIndex(position);
        emit w->itemListLeft(left);
        QCOMPARE(w->store().value(code), expected);
        // The redraw shows the stored value in its entry box and selects the picks again.
        const CatalogueEntry* entry = EntryOfCode(model, code);
        QCOMPARE(w->controls().valueBox(entry->box.family, entry->box.index)->text(), expected);
        for (const auto& [n, position] : picks) QCOMPARE(list(n)->currentIndex(), position);
    }

    void listWithoutSelectionChangesNothing() {
        w->store().setValue("28", "00002");
        productBox(0)->setText("marker");
        QCOMPARE(list(8)->currentIndex(), -1);
        emit w->itemListLeft(8);
        QCOMPARE(w->store().value("28"), QString("00002"));
        QCOMPARE(productBox(0)->text(), QString("marker"));  // no redraw
    }

    void computedListStoresNothingButRedraws() {
        w->store().setValue("22", "01234");
        w->redraw();
        QCOMPARE(list(2)->currentText(), QString("01234"));
        w->store().setValue("22", "05555");
        productBox(0)->setText("marker");
        emit w->itemListLeft(2);
        QCOMPARE(w->store().value("22"), QString("05555"));
        QCOMPARE(list(2)->currentText(), QString("05555"));
        QCOMPARE(productBox(0)->text(), QString("00000"));
    }

    // After a data clear the other lists of a packed item show nothing yet: a pick in one of
    // them stores the others as their first option, and the redraw shows them so.
    void packedItemAfterClear() {
        list(31)->setCurrentIndex(1);
        emit w->itemListLeft(31);
        QCOMPARE(w->store().value("40"), QString("01000"));
        for (int n : {30, 32, 33, 34}) QCOMPARE(list(n)->currentIndex(), 0);
        // A stored digit the list cannot show stays as it was.
        w->store().setValue("40", "07000");
        w->redraw();
        QCOMPARE(list(31)->currentIndex(), -1);
        list(34)->setCurrentIndex(1);
        emit w->itemListLeft(34);
        QCOMPARE(w->store().value("40"), QString("07001"));
    }

    // The real focus path, and an operation started from the toolbar while a list has the focus.
    void leavingAListAndOperationsFromTheToolbar() {
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->controls().tabs->setCurrentIndex(3);
        list(8)->setFocus();
        QTRY_VERIFY(list(8)->hasFocus());
        list(8)->setCurrentIndex(2);
        list(7)->setFocus();
        QTRY_COMPARE(w->store().value("28"), QString("00002"));

        list(7)->setCurrentIndex(1);
        QString seen;
        w->setOperationHandler([&](Operation, int) {
            seen = w->store().value("27");
            return true;
        });
        w->pressToolbarKey("allWrite");
        QCOMPARE(seen, QString("00001"));
    }

    void productListFocusTakesShownProduct() {
        productList(0)->setCurrentIndex(7);
        for (int element : {0, 1}) {
            w->setEditedProduct(0);
            emit w->productListFocusIn(element);
            QCOMPARE(w->editedProduct(), 7);
        }
    }

    void productListEnter_data() {
        QTest::addColumn<int>("element");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("shown");
        QTest::newRow("selector 42") << 0 << "42" << 42 << "00420";
        QTest::newRow("selector 042") << 0 << "042" << 42 << "00420";
        QTest::newRow("selector 150") << 0 << "150" << 5 << "marker";
        QTest::newRow("selector -3") << 0 << "-3" << 5 << "marker";
        QTest::newRow("target 42") << 1 << "42" << 42 << "marker";
        QTest::newRow("target 150") << 1 << "150" << 5 << "marker";
    }
    void productListEnter() {
        QFETCH(int, element);
        QFETCH(QString, typed);
        QFETCH(int, selected);
        QFETCH(QString, shown);
        for (QComboBox* products : w->controls().productLists) products->setCurrentIndex(5);
        productBox(0)->setText("marker");
        productList(element)->setEditText(typed);
        emit w->productListEnter(element);
        QCOMPARE(productList(element)->currentIndex(), selected);
        QCOMPARE(productBox(0)->text(), shown);
        QCOMPARE(productList(1 - element)->currentIndex(), 5);
    }

    void productListLeft_data() {
        QTest::addColumn<int>("element");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("shown");
        QTest::newRow("selector 42") << 0 << "42" << 42 << "00420";
        QTest::newRow("selector 150") << 0 << "150" << 0 << "00000";
        QTest::newRow("selector text") << 0 << "abc" << 0 << "00000";
        // Passing through without a change keeps the product; nothing is redrawn.
        QTest::newRow("selector unchanged") << 0 << "5" << 5 << "marker";
        QTest::newRow("target 42") << 1 << "42" << 42 << "marker";
        QTest::newRow("target 150") << 1 << "150" << 0 << "marker";
        QTest::newRow("target unchanged") << 1 << "5" << 5 << "marker";
    }
    void productListLeft() {
        QFETCH(int, element);
        QFETCH(QString, typed);
        QFETCH(int, selected);
        QFETCH(QString, shown);
        for (QComboBox* products : w->controls().productLists) products->setCurrentIndex(5);
        emit w->productListFocusIn(element);
        productBox(0)->setText("marker");
        productList(element)->setEditText(typed);
        emit w->productListFocusOut(element);
        QCOMPARE(productList(element)->currentIndex(), selected);
        QCOMPARE(productList(element)->currentText(), QString::number(selected));
        QCOMPARE(productBox(0)->text(), shown);
    }

    // Typing into the selector and leaving it by the keyboard.
    void typingIntoTheSelector() {
        w->show();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        productList(0)->setCurrentIndex(3);
        productList(0)->setFocus();
        QTRY_VERIFY(productList(0)->hasFocus());
        productList(0)->lineEdit()->selectAll();
        QTest::keyClicks(productList(0), "42");
        QTest::keyClick(productList(0), Qt::Key_Return);
        QCOMPARE(productList(0)->currentIndex(), 42);
        QCOMPARE(productBox(0)->text(), QString("00420"));
        productList(0)->lineEdit()->selectAll();
        QTest::keyClicks(productList(0), "150");
        QTest::keyClick(productList(0), Qt::Key_Return);
        QCOMPARE(productList(0)->currentIndex(), 42);
        productBox(1)->setFocus();
        QTRY_COMPARE(productList(0)->currentIndex(), 0);
        QCOMPARE(productBox(0)->text(), QString("00000"));
        QCOMPARE(productList(0)->count(), SettingsStore::kMaxProducts);
        QVERIFY(messages.shown.isEmpty());
    }
};

QTEST_MAIN(EditCaptureTest)
#include "test_edit_capture.moc"
