#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "texts/ModelTexts.h"
#include "ui/EntryChecks.h"
#include "ui/MainWindow.h"
#include "ui/UiTestSupport.h"

class EntryChecksTest : public QObject {
    Q_OBJECT
  private:
    MainWindow* w = nullptr;
    RecordingMessages messages;

    QLineEdit* box(const char* name) { return w->findChild<QLineEdit*>(name); }
    EntryChecks* checks() { return &w->entryChecks(); }
    // Types into a box and leaves it.
    void enter(int family, int index, const QString& text) {
        w->controls().valueBox(family, index)->setText(text);
        checks()->leaveBox(family, index);
    }

  private slots:
    void init() {
        w = new MainWindow;
        w->setMessagePresenter(&messages);
        w->clearAll();
        messages.shown.clear();
    }
    void cleanup() {
        delete w;
        w = nullptr;
    }

    void passingEntriesAreTrimmedAndStored() {
        enter(2, 9, "  00012 ");
        QCOMPARE(box("W20_9")->text(), QString("00012"));
        QCOMPARE(w->store().setting(2, 9), QString("00012"));
        QVERIFY(messages.shown.isEmpty());
        QVERIFY(!MainWindow::isBoxRefused(box("W20_9")));
    }

    void failingEntriesAreRefusedAndMarked() {
        w->store().setSetting(2, 2, "00500");
        for (const char* text : {"123", "12.45", "１２３４５", "-0001"}) {
            messages.shown.clear();
            enter(2, 2, text);
            QCOMPARE(messages.shown, QStringList{Tr(ModelText::MaskMessage).arg("99999")});
            QVERIFY(MainWindow::isBoxRefused(box("W20_2")));
            QCOMPARE(w->store().setting(2, 2), QString("00500"));
        }
        // Any edit turns it black; a later passing entry is stored.
        box("W20_2")->setText("0");
        QVERIFY(!MainWindow::isBoxRefused(box("W20_2")));
        enter(2, 2, "99999");
        QCOMPARE(w->store().setting(2, 2), QString("99999"));
    }

    void emptyBoxes() {
        enter(3, 4, "");
        QVERIFY(messages.shown.isEmpty());
        QVERIFY(!MainWindow::isBoxRefused(box("W30_4")));
        w->store().setSetting(3, 4, "00001");
        enter(3, 4, "  ");
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(MainWindow::isBoxRefused(box("W30_4")));
        QCOMPARE(w->store().setting(3, 4), QString("00001"));
    }

    void gravityZoneRule() {
        enter(6, 8, "00000");
        QCOMPARE(messages.shown, QStringList{Tr(ModelText::ZeroZoneMessage)});
        enter(6, 8, "00017");
        QCOMPARE(messages.shown.last(), Tr(ModelText::MaskMessage).arg("00016"));
        enter(6, 8, "00016");
        QCOMPARE(w->store().setting(6, 8), QString("00016"));
    }

    void productEntriesGoToTheShownRecord() {
        w->controls().productLists[0]->setCurrentIndex(7);
        enter(1, 3, "01000");  // 過量: mask 00999
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(w->store().product(7, 3).isEmpty());
        enter(1, 3, "00999");
        QCOMPARE(w->store().product(7, 3), QString("00999"));
        QCOMPARE(w->editedProduct(), 7);
    }

    void boxWithoutARuleForTheModelFailsSilently() {
        w->store().setModel(IndicatorModel::F800);
        enter(4, 0, "00001");
        QVERIFY(messages.shown.isEmpty());
        QVERIFY(MainWindow::isBoxRefused(box("W40_0")));
        QVERIFY(w->store().setting(4, 0).isEmpty());
    }

    void refusedBoxIsReportedOnceUntilEdited() {
        enter(2, 2, "123");
        checks()->leaveBox(2, 2);  // left again without an edit
        QCOMPARE(messages.shown.size(), 1);
    }

    void operationFromTheKeyboardChecksTheFocusedBoxFirst() {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->controls().tabs->setCurrentIndex(1);
        QLineEdit* b = box("W20_9");
        b->setFocus();
        QTRY_VERIFY(b->hasFocus());
        b->setText("00042");
        // The toolbar's redraw shows the store: the entry must be in it already.
        w->pressToolbarKey("redraw");
        QCOMPARE(w->store().setting(2, 9), QString("00042"));
        QCOMPARE(b->text(), QString("00042"));
    }

    // A click that leaves a refused entry shows the entry's message, then still runs its own
    // operation, once, which meets the refused entry by its own rule. Real message boxes and a
    // real mouse: the release comes after the message is closed, or, as a window system
    // delivers it, while the message is shown (the box takes it).
    void clickThatLeavesARefusedEntryStillActs() {
        w->setMessagePresenter(nullptr);
        w->show();
        QVERIFY(QTest::qWaitForWindowActive(w));
        for (QLineEdit* b : w->controls().productBoxes) b->setText("00001");
        QPushButton* same = w->controls().sameButton;
        bool releaseWhileShown = false;
        QStringList seen;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            if (releaseWhileShown && seen.isEmpty())
                QTest::mouseRelease(w->windowHandle(), Qt::LeftButton, {},
                                    same->mapTo(w, same->rect().center()));
            seen << box->text();
            box->accept();
        });
        closer.start(10);
        for (const bool whileShown : {false, true}) {
            releaseWhileShown = whileShown;
            seen.clear();
            box("W10_3")->setFocus();
            QTRY_VERIFY(box("W10_3")->hasFocus());
            box("W10_3")->clear();
            box("W10_3")->setText("01000");  // 過量: mask 00999
            if (whileShown)
                QTest::mousePress(same, Qt::LeftButton);
            else
                QTest::mouseClick(same, Qt::LeftButton);
            QTRY_COMPARE(seen, (QStringList{Tr(ModelText::MaskMessage).arg("00999"),
                                            Tr(ModelText::CopyRefused)}));
        }
    }
};

QTEST_MAIN(EntryChecksTest)
#include "test_entry_checks.moc"
