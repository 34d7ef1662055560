#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include "app/Configuration.h"
#include "platform/IniFile.h"
#include "storage/DataFile.h"
#include "support/FakeSerialPort.h"
#include "texts/StorageTexts.h"
#include "ui/DataFileView.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"
#include "ui/UiTestSupport.h"

// The file operations on the window: dialogs answered by the test, messages recorded.
class DataFileViewTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir dir_;
    QString ini() const { return dir_.filePath("Rusk.INI"); }

    struct Fixture {
        explicit Fixture(const QString& iniPath) : view(window, iniPath) {
            window.setMessagePresenter(&messages);
            view.setDialogs({[this](const QString& folder) { return answer(folder); },
                             [this](const QString& folder) { return answer(folder); }});
        }
        ~Fixture() { window.setMessagePresenter(nullptr); }
        QString answer(const QString& folder) {
            folders << folder;
            return answers.isEmpty() ? QString() : answers.takeFirst();
        }
        MainWindow window;
        RecordingMessages messages;
        DataFileView view;
        QStringList answers;  // the dialogs' answers in turn; none: cancelled
        QStringList folders;  // the folders the dialogs started in
    };

    // The whole program on fake ports, its dialogs answered by the test.
    struct ProgramFixture {
        explicit ProgramFixture(const QString& iniPath) {
            window.setMessagePresenter(&messages);
            program = std::make_unique<Program>(
                window, iniPath,
                std::array<std::unique_ptr<SerialPort>, 2>{std::make_unique<FakeSerialPort>(),
                                                           std::make_unique<FakeSerialPort>()},
                200);
            program->start(QFileInfo(iniPath).path());
            messages.shown.clear();
            program->dataFiles().setDialogs(
                {[this](const QString&) { return asked << "open", answer; },
                 [this](const QString&) { return asked << "save", answer; }});
        }
        ~ProgramFixture() { window.setMessagePresenter(nullptr); }
        void trigger(const char* item) { window.findChild<QAction*>(item)->trigger(); }

        MainWindow window;
        RecordingMessages messages;
        std::unique_ptr<Program> program;
        QStringList asked;
        QString answer;
    };

  private slots:
    void init() { QFile::remove(ini()); }

    void cancelledDialogsDoNothing() {
        Fixture f(ini());
        f.window.store().setProduct(0, 0, "00012");
        f.view.save();
        for (int mode : {1, 2, 4}) f.view.load(mode);
        QCOMPARE(f.folders.size(), 4);
        QVERIFY(!QFile::exists(ini()));
        QVERIFY(f.messages.shown.isEmpty());
        QCOMPARE(f.window.store().product(0, 0), QString("00012"));
    }

    void savesLoadsAndRemembersThePath() {
        WriteDataFilePath(ini(), QDir::toNativeSeparators(dir_.path()));
        const QString file = dir_.filePath("sub/set.mdb");
        QVERIFY(QDir().mkpath(dir_.filePath("sub")));
        {
            Fixture f(ini());
            f.window.store().setProduct(0, 2, "01234");
            f.window.store().setSetting(2, 2, "00500");
            f.answers << file;
            f.view.save();
            QCOMPARE(f.folders, QStringList{dir_.path()});
            QVERIFY(f.messages.shown.isEmpty());
            QCOMPARE(ReadDataFilePath(ini()), file);
        }
        Fixture f(ini());
        f.answers << file;
        f.view.load(loadmode::kAll);
        QCOMPARE(f.folders, QStringList{dir_.filePath("sub")});
        QVERIFY(f.messages.shown.isEmpty());
        QCOMPARE(f.window.store().product(0, 2), QString("01234"));
        QCOMPARE(f.window.store().setting(2, 2), QString("00500"));
        // Loaded values are shown at once.
        QVERIFY(!f.window.controls().productBoxes[2]->text().isEmpty());
        QVERIFY(!f.window.controls().valueBoxes[2][2]->text().isEmpty());
    }

    void modelCheckMessage() {
        const QString file = dir_.filePath("f800.mdb");
        SettingsStore f800;
        f800.setModel(IndicatorModel::F800);
        f800.setProduct(1, 0, "00001");
        f800.setSetting(2, 0, "00002");
        QVERIFY(SaveDataFile(f800, file).saved);
        Fixture f(ini());
        f.answers << file << file;
        f.view.load(loadmode::kSettings);
        const QString notF805 = Tr(StorageText::ModelMismatch).arg("Ｆ８０５");
        QCOMPARE(f.messages.shown, QStringList{notF805});
        QVERIFY(f.window.store().product(1, 0).isEmpty());
        f.view.load(loadmode::kAll);
        QCOMPARE(f.messages.shown.last(), notF805 + Tr(StorageText::ProductsLoadedOnly));
        QCOMPARE(f.window.store().product(1, 0), QString("00001"));
        QVERIFY(f.window.store().setting(2, 0).isEmpty());
    }

    void failuresAreShown() {
        const QString text = dir_.filePath("notes.mdb");
        QFile out(text);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("not a database");
        out.close();
        Fixture f(ini());
        f.answers << text << dir_.filePath("missing/folder/x.mdb");
        f.view.load(loadmode::kProducts);
        QCOMPARE(f.messages.shown, QStringList{Tr(StorageText::NotDataFile)});
        f.view.save();
        QCOMPARE(f.messages.shown.size(), 2);
        QVERIFY(f.messages.shown[1].startsWith(Tr(StorageText::SaveFailed).arg(QString())));
        // The dialogs start in the folder of the file last chosen, or the home folder when it is
        // gone.
        QCOMPARE(f.folders, QStringList({QDir::homePath(), dir_.path()}));
        f.view.load(0);
        QCOMPARE(f.folders.size(), 2);
    }

    // The file menu and the toolbar reach the file operations with their modes; none runs while
    // an exchange with the indicator is in progress.
    void menuAndToolbar() {
        ProgramFixture f(ini());
        f.answer = dir_.filePath("menu.mdb");
        f.window.store().setProduct(4, 4, "00044");
        f.window.store().setSetting(3, 0, "00030");
        f.trigger("mnuFILE_SAVE");
        QCOMPARE(f.asked, QStringList{"save"});
        QVERIFY(QFile::exists(f.answer));
        f.window.clearAll();
        f.trigger("mnuMEI_OPEN");
        QCOMPARE(f.window.store().product(4, 4), QString("00044"));
        QVERIFY(f.window.store().setting(3, 0).isEmpty());
        f.trigger("mnuSET_OPEN");
        QCOMPARE(f.window.store().setting(3, 0), QString("00030"));
        f.window.clearAll();
        f.window.pressToolbarKey("OpenFile");
        QCOMPARE(f.window.store().product(4, 4), QString("00044"));
        QCOMPARE(f.window.store().setting(3, 0), QString("00030"));
        f.window.pressToolbarKey("SaveFile");
        f.trigger("mnuFILE_OPEN");
        QCOMPARE(f.asked, QStringList({"save", "open", "open", "open", "save", "open"}));
        QVERIFY(f.messages.shown.isEmpty());
        {
            const auto running = f.program->session().link().beginOperation(false);
            f.trigger("mnuFILE_OPEN");
            f.window.pressToolbarKey("SaveFile");
        }
        QCOMPARE(f.asked.size(), 6);
    }
};

QTEST_MAIN(DataFileViewTest)
#include "test_data_file_view.moc"
