// Redraw, the status boxes, the data clear and the copy to all products, seen on the controls.

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "UiTestSupport.h"
#include "texts/ModelTexts.h"
#include "ui/MainWindow.h"

namespace {

QComboBox* List(MainWindow& w, int n) {
    return w.findChild<QComboBox*>(QStringLiteral("Combo3_%1").arg(n));
}
QLineEdit* Box(MainWindow& w, const QString& array, int n) {
    return w.findChild<QLineEdit*>(QStringLiteral("%1_%2").arg(array).arg(n));
}

void UseModel(MainWindow& w, IndicatorModel model) {
    w.store().setModel(model);
    w.applyCatalogueView(model);
    w.fillItemLists(model);
}

}  // namespace

class WindowRedrawTest : public QObject {
    Q_OBJECT
  private slots:
    void weightsFollowDecimalPoint() {
        MainWindow w;
        w.store().setValue("65", "00002");
        w.store().setValue("22", "01234");
        w.store().setValue("60", "10000");
        w.redraw();
        QCOMPARE(List(w, 2)->currentText(), QStringLiteral("012.34"));
        QCOMPARE(List(w, 2)->count(), 1);
        QCOMPARE(List(w, 50)->currentText(), QStringLiteral("100.00"));
        QCOMPARE(List(w, 55)->currentIndex(), 2);
        w.store().setValue("65", "00000");
        w.redraw();
        QCOMPARE(List(w, 2)->currentText(), QStringLiteral("01234"));
        QCOMPARE(List(w, 50)->currentText(), QStringLiteral("10000"));
        // Decimal digits beyond 3 show whole numbers.
        w.store().setValue("65", "00007");
        w.redraw();
        QCOMPARE(List(w, 2)->currentText(), QStringLiteral("01234"));
        QCOMPARE(List(w, 55)->currentIndex(), -1);  // no option for 7
    }

    void f800WeightsAndComputedRows() {
        MainWindow w;
        UseModel(w, IndicatorModel::F800);
        w.store().setValue("45", "00100");
        w.store().setValue("22", "01234");
        w.store().setValue("37", "02003");
        w.store().setValue("20", "01525");
        for (int i = 0; i < 3; ++i) w.redraw();
        QCOMPARE(List(w, 3)->currentText(), QStringLiteral("0123.4"));
        QCOMPARE(List(w, 38)->currentText(), QStringLiteral("0.2"));
        QCOMPARE(List(w, 38)->count(), 1);
        QCOMPARE(List(w, 39)->currentText(), QStringLiteral("03"));
        QCOMPARE(List(w, 0)->currentText(), QStringLiteral("0.1"));
        QCOMPARE(List(w, 1)->currentText(), QStringLiteral("2.5"));
        QCOMPARE(List(w, 36)->count(), 0);  // "W36" empty: left alone
        // F800 value boxes: W40 … W46 in W60(2 … 8), W50 … W55 in W80.
        w.store().setValue("46", "00003");
        w.store().setValue("55", "00777");
        w.redraw();
        QCOMPARE(Box(w, "W60", 8)->text(), QStringLiteral("00003"));
        QCOMPARE(Box(w, "W80", 5)->text(), QStringLiteral("00777"));
        QCOMPARE(List(w, 60)->currentIndex(), 2);
    }

    void choicesSelectFromDigits() {
        MainWindow w;
        w.store().setValue("40", "10201");
        w.store().setValue("2F", "00001");
        w.store().setValue("68", "00016");
        w.redraw();
        QCOMPARE(List(w, 30)->currentIndex(), 1);
        QCOMPARE(List(w, 31)->currentIndex(), 0);
        QCOMPARE(List(w, 32)->currentIndex(), -1);  // digit 2 beyond its 2 options: no selection
        QCOMPARE(List(w, 33)->currentIndex(), 0);
        QCOMPARE(List(w, 34)->currentIndex(), 1);
        QCOMPARE(List(w, 15)->currentIndex(), 0);
        QCOMPARE(List(w, 60)->currentIndex(), 15);
        w.store().setValue("2F", "00000");
        w.redraw();
        QCOMPARE(List(w, 15)->currentIndex(), -1);
    }

    void digitBeyondListLeavesNoSelection() {
        MainWindow w;
        w.store().setValue("20", "00001");
        w.redraw();
        QCOMPARE(List(w, 0)->currentIndex(), 1);
        w.store().setValue("20", "00009");
        w.redraw();
        QCOMPARE(List(w, 0)->currentIndex(), -1);
        QCOMPARE(List(w, 0)->count(), 3);  // the options stay
    }

    void emptyValueLeavesItsList() {
        MainWindow w;
        w.store().setValue("62", "00005");
        w.redraw();
        QCOMPARE(List(w, 52)->currentText(), QStringLiteral("005"));
        w.store().setValue("62", "");
        w.store().setValue("63", "00500");
        w.redraw();
        QCOMPARE(List(w, 52)->currentText(), QStringLiteral("005"));
        QCOMPARE(List(w, 53)->currentText(), QStringLiteral("00500"));
        QVERIFY(Box(w, "W60", 2)->text().isEmpty());
    }

    void productBoxesShowSelectedProduct() {
        MainWindow w;
        w.store().setProduct(0, 0, "00100");
        w.store().setProduct(7, 0, "00700");
        w.store().setProduct(7, 7, "00077");
        auto* selector = w.findChild<QComboBox*>("Combo1_0");
        QCOMPARE(selector->count(), 100);
        QCOMPARE(w.findChild<QComboBox*>("Combo1_1")->count(), 100);
        w.redraw();
        QCOMPARE(Box(w, "W10", 0)->text(), QStringLiteral("00100"));
        selector->setCurrentIndex(7);  // the selection redraws
        QCOMPARE(Box(w, "W10", 0)->text(), QStringLiteral("00700"));
        QCOMPARE(Box(w, "W10", 7)->text(), QStringLiteral("00077"));
        QVERIFY(Box(w, "W10", 3)->text().isEmpty());
        // Without a selection the boxes keep what they show.
        selector->setCurrentIndex(-1);
        w.redraw();
        QCOMPARE(Box(w, "W10", 0)->text(), QStringLiteral("00700"));
    }

    void liveAndStatusBoxes() {
        MainWindow w;
        SettingsStore& s = w.store();
        s.setLive(3, "0110100");
        s.setLive(4, "01");
        s.setLive(5, "2000");
        s.setLive(6, "103200");
        s.setLive(11, "CA0001");
        w.redraw();
        const QStringList s1 = {"OFF", "ON", "ON", "OFF", Tr(ModelText::DisplayNet), "OFF", "OFF"};
        for (int i = 0; i < 7; ++i) QCOMPARE(Box(w, "Text4", i)->text(), s1[i]);
        QCOMPARE(Box(w, "Text5", 1)->text(), QStringLiteral("ON"));
        QCOMPARE(Box(w, "Text5", 6)->text(), Tr(ModelText::InvalidData));
        QCOMPARE(Box(w, "Text6", 0)->text(), Tr(ModelText::InvalidData));
        QVERIFY(Box(w, "Text6", 4)->text().isEmpty());
        const QStringList s4 = {"ON", "OFF", Tr(ModelText::ModeSpanCalibrating), "OFL2", "0", "0"};
        for (int i = 0; i < 6; ++i) QCOMPARE(Box(w, "Text7", i)->text(), s4[i]);
        QCOMPARE(Box(w, "Text3", 3)->text(), QStringLiteral("0110100"));
        QCOMPARE(Box(w, "Text3", 11)->text(), QStringLiteral("CA0001"));
        // An empty status 4 keeps its boxes, while Text3(6) empties.
        s.setLive(6, "");
        w.redraw();
        QVERIFY(Box(w, "Text3", 6)->text().isEmpty());
        QCOMPARE(Box(w, "Text7", 2)->text(), Tr(ModelText::ModeSpanCalibrating));
        // With the F800 the seventh status 1 box keeps its text.
        UseModel(w, IndicatorModel::F800);
        s.setLive(3, "1111111");
        w.redraw();
        QCOMPARE(Box(w, "Text4", 0)->text(), QStringLiteral("ON"));
        QCOMPARE(Box(w, "Text4", 6)->text(), QStringLiteral("OFF"));
    }

    void clearAllEmptiesStoreAndWindow() {
        MainWindow w;
        SettingsStore& s = w.store();
        s.setValue("20", "00001");
        s.setValue("22", "01234");
        s.setProduct(0, 2, "01000");
        s.setProduct(99, 2, "01000");
        s.setLive(3, "0000000");
        w.redraw();
        QCOMPARE(List(w, 0)->currentIndex(), 1);
        w.findChild<QPushButton*>("Command0")->click();
        QVERIFY(s.value("20").isEmpty());
        QVERIFY(s.product(99, 2).isEmpty());
        QVERIFY(s.live(3).isEmpty());
        for (int n = 0; n < kDetailRows; ++n) QCOMPARE(List(w, n)->currentIndex(), -1);
        for (const char* array : {"Text4", "Text5", "Text6", "Text7"})
            for (int i = 0; i < 7; ++i) QVERIFY(Box(w, array, i)->text().isEmpty());
        QVERIFY(Box(w, "W20", 0)->text().isEmpty());
        QVERIFY(Box(w, "W10", 2)->text().isEmpty());
        QVERIFY(Box(w, "Text3", 0)->text().isEmpty());
    }

    void clearSettingsKeepsProducts() {
        MainWindow w;
        w.store().setProduct(3, 1, "00050");
        w.store().setValue("31", "00002");
        w.clearSettings();
        QCOMPARE(w.store().product(3, 1), QStringLiteral("00050"));
        QVERIFY(w.store().value("31").isEmpty());
    }

    void copyRefusedByMask() {
        MainWindow w;
        RecordingMessages messages;
        w.setMessagePresenter(&messages);
        const QStringList values = {"01000", "00500", "02500", "01000",
                                    "99999", "00003", "00005", "99999"};
        for (int k = 0; k < 8; ++k) Box(w, "W10", k)->setText(values[k]);
        w.findChild<QPushButton*>("SAME")->click();
        QCOMPARE(messages.shown, QStringList({Tr(ModelText::CopyRefused)}));
        QVERIFY(MainWindow::isBoxRefused(Box(w, "W10", 3)));
        for (int k : {0, 1, 2, 4, 5, 6, 7}) QVERIFY(!MainWindow::isBoxRefused(Box(w, "W10", k)));
        QVERIFY(w.store().product(50, 0).isEmpty());
    }

    void copyRefusedByEmptyBox() {
        MainWindow w;
        RecordingMessages messages;
        w.setMessagePresenter(&messages);
        for (int k = 0; k < 8; ++k) Box(w, "W10", k)->setText(k == 5 ? "" : "00001");
        w.findChild<QAction*>("mnuEDIT_SAME")->trigger();
        QCOMPARE(messages.shown, QStringList({Tr(ModelText::CopyRefused)}));
        for (int k = 0; k < 8; ++k) QVERIFY(!MainWindow::isBoxRefused(Box(w, "W10", k)));
        QVERIFY(w.store().product(0, 0).isEmpty());
    }

    void copyToAllProducts() {
        MainWindow w;
        RecordingMessages messages;
        w.setMessagePresenter(&messages);
        w.store().setProduct(4, 0, "00444");
        w.findChild<QComboBox*>("Combo1_0")->setCurrentIndex(4);
        const QStringList values = {"01000", "00500", "02500", "00010",
                                    "00020", "00300", "00005", "00015"};
        for (int k = 0; k < 8; ++k) Box(w, "W10", k)->setText(values[k]);
        w.copyToAllProducts();
        QCOMPARE(messages.shown, QStringList({Tr(ModelText::CopyDone)}));
        for (int p : {0, 4, 99})
            for (int k = 0; k < 8; ++k) QCOMPARE(w.store().product(p, k), values[k]);
    }
};

QTEST_MAIN(WindowRedrawTest)
#include "test_window_redraw.moc"
