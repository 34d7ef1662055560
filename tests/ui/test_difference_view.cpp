#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "model/Catalogue.h"
#include "texts/HistoryTexts.h"
#include "ui/DifferenceView.h"
#include "ui/UiTestSupport.h"

class DifferenceViewTest : public QObject {
    Q_OBJECT
  private slots:
    void showsCountsAndHandsOverSelectedRows() {
        SettingsStore window, other;
        other.setValue(CodesOf(IndicatorModel::F805).front(), "00001");
        other.setProduct(0, 0, "00010");
        other.setProduct(5, 2, "00020");
        DifferenceView view(CompareStores(window, other, IndicatorModel::F805, CompareScope::Both));
        std::vector<std::vector<int>> taken;
        view.setTakeOther([&](std::vector<int> rows) { taken.push_back(rows); });
        RecordingMessages messages;
        view.setMessagePresenter(&messages);
        QTemporaryDir dir;
        view.setAskCsvPath([&] { return dir.filePath("no/such/folder.csv"); });
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        QCOMPARE(view.findChild<QLabel*>("DifferenceSummary")->text(),
                 Tr(HistoryText::Differ)
                     .arg(Tr(HistoryText::SettingsDiffer).arg(1) + Tr(HistoryText::ListJoiner) +
                          Tr(HistoryText::ProductsDiffer).arg(2)));
        auto* table = view.findChild<QTableWidget*>("DifferenceTable");
        QCOMPARE(table->rowCount(), 3);

        auto* take = view.findChild<QPushButton*>("TakeOther");
        QTest::mouseClick(take, Qt::LeftButton);  // nothing selected: nothing handed over
        const QRect cell = table->visualRect(table->model()->index(2, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseClick(take, Qt::LeftButton);
        QCOMPARE(taken, (std::vector<std::vector<int>>{{2}}));

        QTest::mouseClick(view.findChild<QPushButton*>("SaveCsv"), Qt::LeftButton);
        QCOMPARE(messages.shown.size(), 1);
    }
};

QTEST_MAIN(DifferenceViewTest)
#include "test_difference_view.moc"
