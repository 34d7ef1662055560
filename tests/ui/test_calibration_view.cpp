#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "history/Journal.h"
#include "link/RunKinds.h"
#include "platform/FileRules.h"
#include "support/FakeSerialPort.h"
#include "support/SimSerialPort.h"
#include "ui/CalibrationView.h"
#include "ui/HistoryView.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"
#include "ui/TrustView.h"
#include "ui/UiTestSupport.h"

using namespace tolerance;

class CalibrationViewTest : public QObject {
    Q_OBJECT

  private slots:
    // The menu opens the test; the instrument's Max and e come from the indicator, each point is
    // read as the platform holds its load, the certificate is saved, and a test reopened goes
    // on from where it was.
    void testRunsFromTheMenuAndIsKept() {
        QTemporaryDir dir;
        MainWindow window;
        RecordingMessages messages;
        window.setMessagePresenter(&messages);
        auto port = std::make_unique<SimSerialPort>();
        SimSerialPort* sim = port.get();
        Indicator::Platform platform;
        platform.spanErrorPpm = 3000;
        platform.settleMs = 0;
        sim->indicator().setPlatform(platform);
        Program program(window, dir.filePath("Rusk.INI"),
                        std::array<std::unique_ptr<SerialPort>, 2>{
                            std::move(port), std::make_unique<FakeSerialPort>()},
                        300);
        program.start(dir.path());

        window.dispatch(Operation::Calibration);
        auto* view = window.findChild<CalibrationView*>("frmCalibration");
        QVERIFY(view && view->isVisible());
        const auto step = [view](const std::function<bool()>& start) {
            QSignalSpy ended(view, &CalibrationView::stepEnded);
            return start() && (!ended.isEmpty() || ended.wait(5000));
        };
        QVERIFY(step([view] { return view->readInstrument(); }));
        const TestHeader& h = view->record().header;
        QCOMPARE(h.model, QString("F805"));
        QCOMPARE(h.max, 10000);
        QCOMPARE(h.places, 1);
        QCOMPARE(view->record().points.size(), size_t(12));
        QVERIFY(!view->record().weighingSettings.isEmpty());

        for (const TestPoint& p : view->record().points) {
            sim->indicator().placeLoad(p.nominal);
            QVERIFY(step([view] { return view->readPoint(); }));
        }
        const RunVerdict found = JudgeRun(h, view->record().points, view->record().asFound);
        QVERIFY(found.complete && !found.pass);  // 0.3 % high at e = 1
        QCOMPARE(view->saveCertificate(dir.filePath("certificate.pdf")), QString());
        QVERIFY(QFileInfo(dir.filePath("certificate.pdf")).size() > 1000);
        Journal& journal = program.trust().journal();
        const JournalEntry kept = journal.list().front();  // the certificate's test, journalled
        QCOMPARE(kept.operation, QString(runkind::kCalibrationTest));
        QVERIFY(NoteHas(kept.note, runkind::kCalibrationResult));
        const QString beside = QFileInfo(journal.path())
                                   .dir()
                                   .filePath(QStringLiteral("calibration/%1.json").arg(kept.id));
        QCOMPARE(TestRecordFromJson(ReadFileContent(beside, 1 << 20).bytes)->asFound,
                 view->record().asFound);
        HistoryView history(journal, window.store(), {});
        history.findChild<QTableWidget*>("HistoryTable")->selectRow(0);
        QCOMPARE(history.reprintCertificate(dir.filePath("again.pdf")), QString());
        QVERIFY(QFileInfo(dir.filePath("again.pdf")).size() > 1000);

        CalibrationView again(program.session().link(), dir.filePath("Rusk-calibration.json"));
        QCOMPARE(ToJson(again.record()), ToJson(view->record()));
        window.setMessagePresenter(nullptr);
    }
};

QTEST_MAIN(CalibrationViewTest)
#include "test_calibration_view.moc"
