#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/IniFile.h"
#include "support/FakeSerialPort.h"
#include "support/SimProcess.h"
#include "support/SimSerialPort.h"
#include "texts/LinkTexts.h"
#include "texts/PlatformTexts.h"
#include "texts/TransferTexts.h"
#include "texts/WindowTexts.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"
#include "ui/TrustView.h"
#include "ui/UiTestSupport.h"

namespace {

// The window and the program on a configuration file in a temporary folder whose "Com1" names
// the simulated indicator's pseudo-terminal (or any other device).
struct RunningProgram {
    explicit RunningProgram(const QString& iniPath, const QString& com1Device) {
        if (!com1Device.isEmpty()) WriteProfileString(iniPath, "Devices", "Com1", com1Device);
        window.setMessagePresenter(&messages);
        program = std::make_unique<Program>(window, iniPath, 2000);
        result = program->start(QFileInfo(iniPath).path());
        window.show();
    }
    ~RunningProgram() { window.setMessagePresenter(nullptr); }

    template <typename T>
    T* find(const QString& name) const {
        return window.findChild<T*>(name);
    }
    // Clicks the button and waits for the job it started, if any.
    void click(const QString& button) {
        QPushButton* b = find<QPushButton>(button);
        QVERIFY2(b, qPrintable(button));
        QVERIFY(Ended(window, [b] { b->click(); }));
    }
    QTabWidget* tabs() const { return window.controls().tabs; }

    MainWindow window;
    RecordingMessages messages;
    std::unique_ptr<Program> program;
    StartupResult result;
};

// The program with the simulated indicator in-process on link 1 (SimSerialPort), which falls
// silent after `answerFirst` requests and is pulled out at request `pullAtRequest` when told.
struct SimProgram {
    explicit SimProgram(const QString& iniPath) {
        window.setMessagePresenter(&messages);
        auto port = std::make_unique<SimSerialPort>();
        sim = port.get();
        program =
            std::make_unique<Program>(window, iniPath,
                                      std::array<std::unique_ptr<SerialPort>, 2>{
                                          std::move(port), std::make_unique<FakeSerialPort>()},
                                      300);
        program->start(QFileInfo(iniPath).path());
        messages.shown.clear();
    }
    ~SimProgram() { window.setMessagePresenter(nullptr); }

    // Dispatches the operation; the name of the modal window it opened, closed at once.
    QString dispatchClosing(Operation op, int index = -1) {
        QString shown;
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                shown = modal->objectName();
                modal->close();
            }
        });
        closer.start(20);
        [&] { QVERIFY(Ended(window, [&] { window.dispatch(op, index); })); }();
        return shown;
    }

    MainWindow window;
    RecordingMessages messages;
    SimSerialPort* sim = nullptr;
    std::unique_ptr<Program> program;
};

}  // namespace

class ProgramTest : public QObject {
    Q_OBJECT
  private slots:
    // Start-up against the simulator opens link 1 and shows the products tab; the buttons of
    // the live tab, the link test and the settings read talk to it.
    void startsAndTalksToTheIndicator() {
        SimProcess sim;
        QVERIFY(!sim.device().isEmpty());
        QTemporaryDir dir;
        RunningProgram p(dir.filePath("Rusk.INI"), sim.device());

        QVERIFY(!p.result.failed);
        QVERIFY(p.messages.shown.isEmpty());
        QVERIFY(p.program->session().port(1).isOpen());
        QCOMPARE(p.tabs()->currentIndex(), 0);
        QCOMPARE(p.window.windowTitle(), QString("Ｆ８０５ ｲﾝｼﾞｹｰﾀｰ設定"));
        QCOMPARE(p.find<QComboBox>("Combo1_0")->currentText(), QString("0"));
        QCOMPARE(p.find<QComboBox>("Combo1_1")->currentText(), QString("0"));
        QVERIFY(!p.find<QProgressBar>("ProgressBar1")->isVisible());
        QCOMPARE(p.find<QComboBox>("Combo2_0")->currentText(), QString("Com1"));
        QCOMPARE(p.find<QComboBox>("Combo2_2")->currentText(), QString("Odd"));
        QCOMPARE(p.find<QComboBox>("Combo2_5")->currentText(), QString("CR+LF"));
        QCOMPARE(p.find<QLabel>("DevicePath1")->text(), sim.device());

        // "風袋引き": the probe, its line discarded, then CE without a wait.
        p.click("Command4_15");
        QTRY_COMPARE_WITH_TIMEOUT(sim.requests(), (QStringList{"RA", "CE"}), 5000);

        // "ｽﾃｰﾀｽ2": the RE reply without its prefix is stored and shown.
        p.click("Command4_4");
        QCOMPARE(sim.requests(), (QStringList{"RA", "CE", "RA", "RE"}));
        const QString status2 = p.window.store().live(4);
        QVERIFY(!status2.isEmpty());
        QVERIFY(!status2.startsWith("RE"));
        QCOMPARE(p.find<QLineEdit>("Text3_4")->text(), status2);

        // "ｾﾞﾛ校正" stores the whole answer line.
        p.click("Command4_11");
        QCOMPARE(sim.requests().mid(4), (QStringList{"RA", "CA"}));
        QCOMPARE(p.find<QLineEdit>("Text3_11")->text(), p.window.store().live(11));

        // "詳細" probes, then shows the status tab.
        p.click("Command4_22");
        QCOMPARE(p.tabs()->currentIndex(), 8);
        QCOMPARE(sim.requests().size(), 7);

        p.click("Command6");
        QCOMPARE(p.find<QLineEdit>("Text1")->text(), Tr(LinkText::LinkOk));
        QCOMPARE(sim.requests().last(), QString("RA"));

        p.click("Command20_0");
        QVERIFY(p.messages.shown.isEmpty());
        QVERIFY(sim.requests().contains("W91"));
        QVERIFY(!p.window.store().value("20").isEmpty());
        QCOMPARE(p.find<QLineEdit>("W20_0")->text(), p.window.store().value("20"));
    }

    // With "書き込み後に照合" ticked (and kept in the file), a settings write to an indicator that
    // ignores code 21 ends with the read-back's verdict and the difference shown, whose button
    // takes the indicator's value into the window. With "書き込み前に指示計の値を保存" too, the
    // journal holds the read, what the write overwrote under the write's name, and the write
    // with the verdict.
    void verifyAfterWritingShowsWhatTheIndicatorRefused() {
        SimProcess sim({"--refuse", "21"});
        QTemporaryDir dir;
        RunningProgram p(dir.filePath("Rusk.INI"), sim.device());
        const qsizetype journalBefore = p.program->trust().journal().list().size();
        p.click("Command20_0");
        const QString old21 = p.window.store().value("21");
        p.window.store().setValue("21", old21 == "00000" ? "00001" : "00000");
        auto* verify = p.find<QAction>("mnuF805_VERIFY");
        QVERIFY(verify && verify->isCheckable());
        verify->trigger();
        QCOMPARE(ReadProfileString(dir.filePath("Rusk.INI"), "Options", "VerifyAfterWrite", ""),
                 QString("1"));
        p.find<QAction>("mnuF805_KEEP")->trigger();
        QString shown;
        QStringList sides;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                shown = modal->objectName();
                if (auto* table = modal->findChild<QTableWidget*>("DifferenceTable")) {
                    sides =
                        QStringList{modal->windowTitle(), table->horizontalHeaderItem(1)->text(),
                                    table->horizontalHeaderItem(2)->text()};
                    table->selectAll();
                    modal->findChild<QPushButton*>("TakeOther")->click();
                }
                modal->close();
            }
        });
        closer.start(20);
        p.click("Command21_0");
        closer.stop();
        QCOMPARE(shown, QString("DifferenceView"));
        QCOMPARE(sides,
                 QStringList({Tr(WindowText::VerifyAfterWritingValues),
                              Tr(WindowText::ValueWritten), Tr(WindowText::IndicatorValue)}));
        QCOMPARE(p.window.store().value("21"), old21);
        const QString refused = Tr(LinkText::NoteVerifyRefused).arg(1);
        QCOMPARE(p.find<QLabel>("info")->text(), refused);
        const auto journal = p.program->trust().journal().list();
        QCOMPARE(journal.size(), journalBefore + 3);
        QCOMPARE(std::tuple(journal[0].operationText(), journal[0].noteText()),
                 std::tuple(Tr(LinkText::RunWriteAllSettings), refused));
        QCOMPARE(
            std::tuple(journal[1].operationText(), journal[1].noteText(), journal[1].direction),
            std::tuple(Tr(LinkText::RunWriteAllSettings), Tr(LinkText::RunBeforeWrite),
                       TransferRun::Direction::Read));
    }

    // 指示計と比較 shows a comparison only after a whole read; after a port failure or a read
    // that broke off, the error alone. The journal keeps the read as a comparison.
    void comparisonNeedsAWholeRead_data() {
        QTest::addColumn<int>("pullAt");      // the port goes at this request; -1 never
        QTest::addColumn<int>("silentFrom");  // the indicator falls silent after this many
        QTest::addColumn<QString>("told");    // in the one message; empty: none
        QTest::newRow("port gone before") << 0 << (1 << 30) << "ErrNo.=8018";
        QTest::newRow("port lost halfway") << 500 << (1 << 30) << "ErrNo.=8018";
        QTest::newRow("silent halfway") << -1 << 500 << Tr(LinkText::Timeout);
        QTest::newRow("whole read") << -1 << (1 << 30) << "";
    }
    void comparisonNeedsAWholeRead() {
        QFETCH(int, pullAt);
        QFETCH(int, silentFrom);
        QFETCH(QString, told);
        QTemporaryDir dir;
        SimProgram p(dir.filePath("Rusk.INI"));
        p.sim->failOpenWith = ErrNo::kInvalidPort;  // a port that goes stays gone
        if (pullAt == 0) p.sim->pullOut();
        p.sim->pullAtRequest = pullAt;
        p.sim->answerFirst = silentFrom;
        Journal& journal = p.program->trust().journal();
        const size_t before = journal.list().size();
        const QString shown = p.dispatchClosing(Operation::CompareWithIndicator);
        QCOMPARE(shown, told.isEmpty() ? QString("DifferenceView") : QString());
        QCOMPARE(p.messages.shown.size(), told.isEmpty() ? 0 : 1);
        if (!told.isEmpty()) QVERIFY2(p.messages.shown[0].contains(told), qPrintable(told));
        const auto entries = journal.list();
        QCOMPARE(entries.size(), before + (pullAt == 0 ? 0 : 1));
        if (pullAt != 0)
            QCOMPARE(std::tuple(entries[0].operationText(), entries[0].complete),
                     std::tuple(Tr(LinkText::RunCompareRead), told.isEmpty()));
    }

    // After the adapter went away, the next operation opens the port again: while the device
    // is still gone it reports the closed port, once it is back the read goes as any read.
    void aPortThatFailedIsOpenedAgainByTheNextOperation() {
        QTemporaryDir dir;
        SimProgram p(dir.filePath("Rusk.INI"));
        p.window.dispatch(Operation::ReadAllSettings, 0);
        const QStringList read = p.sim->requests;
        QVERIFY(p.messages.shown.isEmpty() && read.size() > 50);
        p.sim->requests.clear();
        p.sim->pullOut();
        p.sim->failOpenWith = ErrNo::kInvalidPort;
        p.window.dispatch(Operation::ReadAllSettings, 0);
        QCOMPARE(p.messages.shown.size(), 1);
        QVERIFY(p.messages.shown[0].contains("ErrNo.=8018"));
        QVERIFY(p.sim->requests.isEmpty());
        p.sim->failOpenWith = 0;
        p.window.dispatch(Operation::ReadAllSettings, 0);
        QCOMPARE(p.messages.shown.size(), 1);
        QCOMPARE(p.sim->requests, read);
        QCOMPARE(p.window.findChild<QLabel*>("info")->text(), Tr(TransferText::SettingsReadDone));
    }

    // A settings write whose values do not fit sends nothing, not even the reads of what it
    // would overwrite: one box names them.
    void aWriteOfValuesThatDoNotFitSendsNothing() {
        SimProcess sim;
        QTemporaryDir dir;
        RunningProgram p(dir.filePath("Rusk.INI"), sim.device());
        p.click("Command20_0");
        p.find<QAction>("mnuF805_KEEP")->trigger();
        p.window.store().setValue("20", "ABCDE");
        p.window.store().setValue("22", "9Z9Z9");
        const qsizetype before = sim.requests().size();
        p.click("Command21_0");
        QCOMPARE(p.messages.shown, QStringList{Tr(TransferText::InvalidStored) + ": W20, W22"});
        QCOMPARE(sim.requests().size(), before);
    }

    // Link 1 on a device that does not exist: one message, the port tab, the focus on link 1's
    // port list, and the label says what Com1 names here.
    void portThatDoesNotExist() {
        QTemporaryDir dir;
        const QString missing = dir.filePath("no-such-tty");
        RunningProgram p(dir.filePath("Rusk.INI"), missing);
        QVERIFY(p.result.failed);
        QCOMPARE(p.messages.shown.size(), 1);
        QVERIFY(p.messages.shown[0].contains("ErrNo.=8002"));
        // Every operation a menu, key or button names is carried out by some part.
        for (int op = 0; op <= static_cast<int>(Operation::ShowMonitor); ++op)
            QVERIFY2(p.window.hasOperation(static_cast<Operation>(op)),
                     qPrintable(QString::number(op)));
        QCOMPARE(p.tabs()->currentIndex(), 9);
        QVERIFY(p.window.isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(),
                                  static_cast<QWidget*>(p.find<QComboBox>("Combo2_0")), 5000);
        QCOMPARE(p.find<QComboBox>("Combo2_0")->currentIndex(), -1);
        QCOMPARE(p.find<QLabel>("DevicePath1")->text(), missing + Tr(WindowText::NotFound2));
        // The other entries name their default devices.
        p.find<QComboBox>("Combo2_0")->setCurrentIndex(2);
        QVERIFY(p.find<QLabel>("DevicePath1")->text().startsWith("/dev/ttyS2"));

        // Applying Com3 (no such device here) reports with the 8002 hint, keeps the operator in
        // the port list and still records the choice.
        p.find<QComboBox>("Combo2_2")->setCurrentText("Even");
        p.click("Command7");
        QCOMPARE(p.messages.shown.size(), 2);
        QVERIFY(p.messages.shown[1].contains("ErrNo.=8002"));
        QVERIFY(p.messages.shown[1].endsWith(Tr(PlatformText::Hint8002)));
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(),
                                  static_cast<QWidget*>(p.find<QComboBox>("Combo2_0")), 5000);
        const QString ini = p.program->session().iniPath();
        QCOMPARE(ReadProfileString(ini, "RS232C1", "CommPort", ""), QString("3"));
        QCOMPARE(ReadProfileString(ini, "RS232C1", "Settings", ""), QString("19200,E,7,1"));
        QVERIFY(!p.program->session().port(1).isOpen());
        // Link 2's panel changes only link 2 and its own section.
        p.window.dispatch(Operation::ApplyPortSettings, 2);
        QCOMPARE(p.program->session().port(2).portNumber(), 2);
        QCOMPARE(ReadProfileString(ini, "RS232C2", "CommPort", ""), QString("2"));
        QCOMPARE(ReadProfileString(ini, "RS232C1", "CommPort", ""), QString("3"));
        QCOMPARE(p.program->session().port(1).portNumber(), 3);

        // A command on the closed port reports the 8018 hint and sends nothing.
        p.messages.shown.clear();
        p.click("Command4_0");
        QCOMPARE(p.messages.shown.size(), 1);
        QVERIFY(p.messages.shown[0].contains("ErrNo.=8018"));
    }

    // Applying the panel saves the choice, reopens the port, and the next start shows it again
    // (the parity is written upper case, as the port reports it).
    void appliedSettingsSurviveARestart() {
        SimProcess sim;
        QVERIFY(!sim.device().isEmpty());
        QTemporaryDir dir;
        const QString ini = dir.filePath("Rusk.INI");
        {
            RunningProgram p(ini, sim.device());
            QVERIFY(!p.result.failed);
            p.find<QComboBox>("Combo2_1")->setCurrentText("9600");
            p.find<QComboBox>("Combo2_3")->setCurrentText("8");
            p.click("Command7");
            QVERIFY(p.messages.shown.isEmpty());
            QVERIFY(p.program->session().port(1).isOpen());
            QCOMPARE(p.program->session().port(1).settings(), QString("9600,O,8,1"));
            QCOMPARE(ReadProfileString(ini, "RS232C1", "Settings", ""), QString("9600,O,8,1"));
            QCOMPARE(ReadProfileString(ini, "RS232C1", "CommPort", ""), QString("1"));
            p.click("Command6");
            QCOMPARE(p.find<QLineEdit>("Text1")->text(), Tr(LinkText::LinkOk));
        }
        RunningProgram again(ini, QString());
        QVERIFY(!again.result.failed);
        QCOMPARE(again.find<QComboBox>("Combo2_1")->currentText(), QString("9600"));
        QCOMPARE(again.find<QComboBox>("Combo2_2")->currentText(), QString("Odd"));
        QCOMPARE(again.find<QComboBox>("Combo2_3")->currentText(), QString("8"));
        QCOMPARE(again.find<QComboBox>("Combo2_4")->currentText(), QString("1"));
    }

    // Exit closes the active port and the window without a question; so does the close box.
    void exitAndCloseBox() {
        SimProcess sim;
        QTemporaryDir dir;
        {
            RunningProgram p(dir.filePath("Rusk.INI"), sim.device());
            QVERIFY(p.program->session().port(1).isOpen());
            p.window.dispatch(Operation::Exit);
            QVERIFY(!p.program->session().port(1).isOpen());
            QVERIFY(!p.window.isVisible());
            QVERIFY(p.messages.shown.isEmpty());
        }
        RunningProgram p(dir.filePath("Rusk.INI"), sim.device());
        QVERIFY(p.window.close());
        QVERIFY(p.messages.shown.isEmpty());
    }
};

QTEST_MAIN(ProgramTest)
#include "test_program.moc"
