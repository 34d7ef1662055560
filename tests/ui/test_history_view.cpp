#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "link/RunKinds.h"
#include "support/TestClock.h"
#include "texts/LinkTexts.h"
#include "texts/WindowTexts.h"
#include "ui/HistoryView.h"
#include "ui/UiTestSupport.h"

class HistoryViewTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    TestClock clock_;  // 2024-05-01 09:00 UTC

    // Three runs an hour apart: "/dev/ttyA" read, "/dev/ttyB" write (before-write note,
    // stopped), "/dev/ttyA" read of W20 "00003" and product 4's code 11 "00150".
    std::unique_ptr<Journal> recorded() {
        auto journal = std::make_unique<Journal>(
            dir_.filePath(QString("journal-%1.sqlite").arg(QTest::currentTestFunction())));
        journal->byIdFolder = dir_.filePath("no-by-id");
        journal->clock = &clock_;
        auto run = [](TransferRun::Direction direction, QLatin1StringView operation,
                      const char* device, bool complete, std::vector<TransferValue> values) {
            return TransferRun{direction, operation, IndicatorModel::F805,
                               device,    complete,  values};
        };
        using D = TransferRun::Direction;
        const TransferRun runs[] = {
            run(D::Read, runkind::kAllRead, "/dev/ttyA", true, {{-1, "20", "00001"}}),
            run(D::Write, runkind::kWriteAllSettings, "/dev/ttyB", false, {{-1, "20", "00002"}}),
            run(D::Read, runkind::kAllRead, "/dev/ttyA", true,
                {{-1, "20", "00003"}, {4, "11", "00150"}})};
        for (int i = 0; i < 3; ++i) {
            clock_.advance(3600'000);
            if (!journal->record(runs[i], i == 1 ? QString(Journal::kBeforeWrite) : QString()))
                return nullptr;
        }
        return journal;
    }

    // The operation column of a snapshot taken before a write of `run`.
    static QString beforeWrite(LinkText run) {
        return Tr(run) + Tr(WindowText::OpenParen) + Tr(LinkText::RunBeforeWrite) +
               Tr(WindowText::CloseParen);
    }

    static void clickRow(QTableWidget* table, int row) {
        const QRect cell = table->visualRect(table->model()->index(row, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    }

  private slots:
    void listsNewestFirstAndFiltersByDevice() {
        auto journal = recorded();
        QVERIFY(journal);
        SettingsStore store;
        HistoryView view(*journal, store, [] {});
        auto* table = view.findChild<QTableWidget*>("HistoryTable");
        QCOMPARE(table->rowCount(), 3);
        auto row = [table](int r) {
            QStringList texts;
            for (int c = 0; c < table->columnCount(); ++c) texts << table->item(r, c)->text();
            return texts;
        };
        QCOMPARE(row(0)[0], clock_.currentDateTime().toLocalTime().toString("yyyy/MM/dd HH:mm:ss"));
        QCOMPARE(row(0).mid(1), QStringList({"/dev/ttyA", "F805", Tr(LinkText::RunAllRead),
                                             Tr(WindowText::Read2), Tr(WindowText::Done), "2"}));
        QCOMPARE(row(1).mid(1),
                 QStringList({"/dev/ttyB", "F805", beforeWrite(LinkText::RunWriteAllSettings),
                              Tr(WindowText::Write), Tr(WindowText::Stopped), "1"}));
        QVERIFY(!view.findChild<QPushButton*>("LoadSnapshot")->isEnabled());
        QVERIFY(view.findChild<QLabel*>("HistoryFailure")->text().isEmpty());

        auto* device = view.findChild<QComboBox*>("HistoryDevice");
        QCOMPARE(device->itemText(0), Tr(WindowText::AllDevices));
        device->setCurrentText("/dev/ttyB");
        QCOMPARE(table->rowCount(), 1);
        QCOMPARE(table->item(0, 1)->text(), QString("/dev/ttyB"));
    }

    void loadsIntoTheWindowAndSavesADataFile() {
        auto journal = recorded();
        QVERIFY(journal);
        SettingsStore store;
        int redraws = 0;
        HistoryView view(*journal, store, [&] { ++redraws; });
        RecordingMessages messages;
        view.setMessagePresenter(&messages);
        const QString file = dir_.filePath("saved.mdb");
        view.setAskSavePath([&] { return file; });
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        clickRow(view.findChild<QTableWidget*>("HistoryTable"), 0);

        QTest::mouseClick(view.findChild<QPushButton*>("LoadSnapshot"), Qt::LeftButton);
        QCOMPARE(std::tuple(store.value("20"), store.product(4, 1), redraws),
                 std::tuple(QString("00003"), QString("00150"), 1));

        store.setModel(IndicatorModel::F800);  // refused: the reason is told, nothing redrawn
        QTest::mouseClick(view.findChild<QPushButton*>("LoadSnapshot"), Qt::LeftButton);
        QCOMPARE(std::tuple(messages.shown.size(), redraws), std::tuple(qsizetype(1), 1));

        QTest::mouseClick(view.findChild<QPushButton*>("SaveSnapshot"), Qt::LeftButton);
        SettingsStore loaded;
        QVERIFY(LoadDataFile(loaded, file, loadmode::kAll).messages.isEmpty());
        QCOMPARE(std::tuple(loaded.value("20"), loaded.product(4, 1)),
                 std::tuple(QString("00003"), QString("00150")));
    }

    // The save dialog completes a name typed without a suffix, so that 開く lists the file.
    void saveDialogGivesDataFilesTheirSuffix() {
        auto journal = recorded();
        QVERIFY(journal);
        SettingsStore store;
        HistoryView view(*journal, store, [] {});
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        clickRow(view.findChild<QTableWidget*>("HistoryTable"), 0);
        QTimer typing;
        QObject::connect(&typing, &QTimer::timeout, [&] {
            auto* dialog = view.findChild<QFileDialog*>("SaveSnapshotDialog");
            if (!dialog || !dialog->isVisible()) return;
            typing.stop();
            dialog->setDirectory(dir_.path());
            // Typed into the name field: selectFile leaves the field alone while it has focus.
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            QVERIFY(name);
            name->setText("snapshot");
            QMetaObject::invokeMethod(dialog, "accept");
        });
        typing.start(10);
        QTest::mouseClick(view.findChild<QPushButton*>("SaveSnapshot"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(dir_.filePath("snapshot.mdb")).isFile(), 5000);
    }

    // What a row says of a run: the write a before-write snapshot belongs to (once, also in a
    // journal of the earlier form), and for a write that was read back, the verdict.
    void rowsSayWhatEachRunWas_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<bool>("write");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("shown");  // operation and state columns
        using namespace runkind;
        const QString done = "|" + Tr(WindowText::Done);
        const QString write = Tr(LinkText::RunWriteAllSettings) + "|";
        QTest::newRow("before a write") << QString(kAllWrite) << false << QString(kBeforeWrite)
                                        << beforeWrite(LinkText::RunAllWrite) + done;
        // A journal of the earlier form kept the words, the snapshot named by its note.
        QTest::newRow("before, earlier form")
            << "書き込み前" << false << "書き込み前" << Tr(LinkText::RunBeforeWrite) + done;
        QTest::newRow("refused values")
            << QString(kWriteAllSettings) << true << RunNote(kVerifyRefused, {"2"})
            << write + Tr(LinkText::NoteVerifyRefused).arg(2);
        QTest::newRow("read back whole") << QString(kWriteAllSettings) << true << RunNote(kVerifyOk)
                                         << write + Tr(LinkText::NoteVerifyOk);
        QTest::newRow("comparison")
            << QString(kCompareRead) << false << "" << Tr(LinkText::RunCompareRead) + done;
    }
    void rowsSayWhatEachRunWas() {
        QFETCH(QString, operation);
        QFETCH(bool, write);
        QFETCH(QString, note);
        QFETCH(QString, shown);
        Journal journal(dir_.filePath(QString("rows-%1.sqlite").arg(QTest::currentDataTag())));
        const TransferRun run{write ? TransferRun::Direction::Write : TransferRun::Direction::Read,
                              operation,
                              IndicatorModel::F805,
                              "/dev/ttyA",
                              true,
                              {{-1, "20", "00001"}}};
        QVERIFY(journal.record(run, note));
        SettingsStore store;
        HistoryView view(journal, store, [] {});
        auto* table = view.findChild<QTableWidget*>("HistoryTable");
        QCOMPARE(table->item(0, 3)->text() + "|" + table->item(0, 5)->text(), shown);
    }

    void unusableJournalIsToldInTheView() {
        QFile blocker(dir_.filePath("not-a-folder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        Journal journal(dir_.filePath("not-a-folder/journal.sqlite"));
        SettingsStore store;
        HistoryView view(journal, store, [] {});
        QCOMPARE(view.findChild<QTableWidget*>("HistoryTable")->rowCount(), 0);
        QVERIFY(!view.findChild<QLabel*>("HistoryFailure")->text().isEmpty());
    }
};

QTEST_MAIN(HistoryViewTest)
#include "test_history_view.moc"
