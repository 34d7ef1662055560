#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "model/Catalogue.h"
#include "report/ProductCsv.h"
#include "support/FakeSerialPort.h"
#include "support/SimSerialPort.h"
#include "texts/AppTexts.h"
#include "texts/ReportTexts.h"
#include "texts/WindowTexts.h"
#include "ui/DataFileView.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"
#include "ui/ReportView.h"
#include "ui/UiTestSupport.h"

// The file menu's sheet and CSV items on the whole program (link 1 on the simulated indicator,
// link 2 on a fake port); file dialogs answered by the test, messages recorded.
class ReportViewTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    struct Fixture {
        explicit Fixture(const QString& ini) {
            window.setMessagePresenter(&messages);
            program = std::make_unique<Program>(
                window, ini,
                std::array<std::unique_ptr<SerialPort>, 2>{std::make_unique<SimSerialPort>(),
                                                           std::make_unique<FakeSerialPort>()},
                200);
            program->start(QFileInfo(ini).path());
            messages.shown.clear();
            view = window.findChild<ReportView*>("ReportView");
            auto answer = [this](const QString&) { return path; };
            view->setDialogs({answer, answer, answer, WidgetReportDialogs(&window).print});
        }
        ~Fixture() { window.setMessagePresenter(nullptr); }
        void trigger(const char* item) { window.findChild<QAction*>(item)->trigger(); }

        MainWindow window;
        RecordingMessages messages;
        std::unique_ptr<Program> program;
        ReportView* view = nullptr;
        QString path;
    };

  private slots:
    // Products out and back in through the menu; a bad file is told and changes nothing; the
    // product boxes show what was read.
    void productsThroughMenu() {
        Fixture f(dir_.filePath("Rusk.INI"));
        f.window.store().setProduct(0, 2, QStringLiteral("00321"));
        f.path = dir_.filePath("p.csv");
        f.trigger("mnuFILE_MEI_CSV_OUT");
        QVERIFY(f.messages.shown.isEmpty());
        f.window.store().setProduct(0, 2, QStringLiteral("00001"));
        f.trigger("mnuFILE_MEI_CSV_IN");
        QCOMPARE(f.messages.shown, QStringList{ProductsImportedText(100)});
        QCOMPARE(f.window.store().product(0, 2), QStringLiteral("00321"));
        QCOMPARE(f.window.findChild<QLineEdit*>("W10_2")->text(), QStringLiteral("00321"));

        QFile bad(f.path);
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("銘柄番号,定量\r\n0,99999x\r\n");
        bad.close();
        f.trigger("mnuFILE_MEI_CSV_IN");
        QCOMPARE(f.messages.shown.size(), 2);
        QVERIFY(f.messages.shown.last().contains(
            Tr(ReportText::FieldFault)
                .arg(2)
                .arg(ProductItemLabels()[2], Tr(ReportText::NotFiveDigits))));
        QCOMPARE(f.window.store().product(0, 2), QStringLiteral("00321"));

        f.path = dir_.filePath("s.csv");
        f.trigger("mnuFILE_SET_CSV");
        f.path = dir_.filePath("s.pdf");
        f.trigger("mnuFILE_PDF");
        QVERIFY(QFile::exists(dir_.filePath("s.csv")) && QFile::exists(dir_.filePath("s.pdf")));
        f.path = dir_.filePath("nowhere/s.pdf");
        f.trigger("mnuFILE_PDF");
        QCOMPARE(f.messages.shown.size(), 3);
        QVERIFY(f.messages.shown.last().startsWith(Tr(WindowText::PDFCouldNotSaved)));
    }

    // The sheet names where the window's data came from, and says when the window's values are
    // no longer all from there.
    void sheetNamesWhereTheDataCameFrom() {
        Fixture f(dir_.filePath("Rusk.INI"));
        QString origin;
        auto answer = [this](const QString&) { return dir_.filePath("origin.mdb"); };
        f.view->setDialogs({answer, answer, answer, [&origin](const SettingsSheet& sheet) {
                                origin = sheet.headerLines.value(3);
                            }});
        f.program->dataFiles().setDialogs({answer, answer});
        const auto after = [&f, &origin](auto step) {
            step();
            f.trigger("mnuFILE_PRINT");
            return origin;
        };
        QStringList seen;
        seen << after([] {});
        seen << after([&f] { f.window.store().setProduct(0, 0, "00001"); });
        seen << after([&f] { f.window.dispatch(Operation::SaveDataFile); });
        seen << after([&f] { f.window.dispatch(Operation::ReadOneProduct, 1); });
        seen << after([&f] { f.window.dispatch(Operation::AllRead); });
        seen << after([&f] { f.window.store().setValue("20", "00002"); });
        seen << after([&f] { f.window.dispatch(Operation::ClearAll); });
        seen << after([&f] { f.window.dispatch(Operation::ReadAllSettings, 0); });
        const auto from = [](const QString& origin, bool edited = false) {
            return Tr(ReportText::HeaderOrigin)
                .arg(origin + (edited ? Tr(ReportText::Edited) : QString()));
        };
        const QString file = Tr(AppText::FromDataFile).arg("origin.mdb");
        const QString sim = Tr(AppText::FromIndicator).arg("sim1");
        QCOMPARE(seen, QStringList({from("—"), from("—", true), from(file), from(file, true),
                                    from(sim), from(sim, true), from("—"), from(sim)}));
    }

    // 印刷 opens the real print preview on the sheet.
    void printPreview() {
        Fixture f(dir_.filePath("Rusk.INI"));
        bool seen = false;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeModalWidget(), 10000);
            auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            seen = preview && preview->objectName() == QStringLiteral("SheetPreview");
            QApplication::activeModalWidget()->close();
        });
        f.trigger("mnuFILE_PRINT");
        QVERIFY(seen);
    }
};

QTEST_MAIN(ReportViewTest)
#include "test_report_view.moc"
