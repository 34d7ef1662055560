#include <QTemporaryDir>
#include <QtTest>

#include "app/Session.h"
#include "app/StartUp.h"
#include "link/PortSettings.h"
#include "platform/IniFile.h"
#include "support/DrivenLink.h"
#include "support/FakeSerialPort.h"
#include "support/RecordingView.h"
#include "texts/PlatformTexts.h"

namespace {

// Records what start-up does to the window, in order.
class RecordingStartupWindow : public StartupWindow {
  public:
    void dressForF805() override { events << "dress"; }
    void fillPortLists() override { events << "fill ports"; }
    void selectPortEntry(int linkNo, int position) override {
        events << QString("select %1 %2").arg(linkNo).arg(position);
    }
    void showPortSettings(int linkNo, const PortPanelPositions& at) override {
        events << QString("settings %1 %2 %3 %4 %5")
                      .arg(linkNo)
                      .arg(at.baud)
                      .arg(at.parity)
                      .arg(at.dataBits)
                      .arg(at.stopBits);
    }
    void fillItemLists() override { events << "item lists"; }
    void fillProductLists() override { events << "product lists"; }
    void clearAll() override { events << "clear"; }
    void resetProgress() override { events << "progress"; }
    void showTab(int tab) override { events << QString("tab %1").arg(tab); }
    void showNow() override { events << "show"; }
    void focusPortList(int linkNo) override { events << QString("focus %1").arg(linkNo); }
    void showMessage(const QString& text) override {
        messages << text;
        events << "message";
    }

    QStringList selections(int linkNo) const {
        return events.filter(QString("select %1 ").arg(linkNo));
    }
    QString settingsShown(int linkNo) const {
        const QStringList shown = events.filter(QString("settings %1 ").arg(linkNo));
        return shown.isEmpty() ? QString() : shown.last().mid(11);
    }

    QStringList events;
    QStringList messages;
};

// A session on two closed fake ports and a configuration file in a temporary folder.
struct StartupFixture {
    StartupFixture() {
        auto a = std::make_unique<FakeSerialPort>();
        auto b = std::make_unique<FakeSerialPort>();
        a->close();
        b->close();
        port1 = a.get();
        port2 = b.get();
        session = std::make_unique<Session>(
            store, view, ini(),
            std::array<std::unique_ptr<SerialPort>, 2>{std::move(a), std::move(b)}, 40);
    }
    QString ini() const { return dir.filePath("Rusk.INI"); }
    void writeIni(const QByteArray& bytes) const {
        QFile f(ini());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray iniBytes() const {
        QFile f(ini());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString read(const QString& section, const QString& key) const {
        return ReadProfileString(ini(), section, key, "<missing>");
    }
    StartupResult start() { return RunStartUp(*session, window, dir.path()); }

    QTemporaryDir dir;
    SettingsStore store;
    RecordingView view;
    RecordingStartupWindow window;
    FakeSerialPort* port1 = nullptr;
    FakeSerialPort* port2 = nullptr;
    std::unique_ptr<Session> session;
};

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
  private slots:
    // No file yet: both links' present values are written and then read back, so link 2 takes
    // link 1's values rather than the read defaults.
    void missingFileIsCreatedFromThePorts() {
        StartupFixture f;
        f.port1->setPortNumber(4);
        f.port2->setPortNumber(4);
        f.port1->setSettings("9600,e,8,2");
        f.port2->setSettings("9600,e,8,2");
        const StartupResult result = f.start();

        QVERIFY(!result.failed);
        QVERIFY(f.window.messages.isEmpty());
        QCOMPARE(f.read("RS232C1", "CommPort"), QString("4"));
        QVERIFY(f.iniBytes().contains("CommPort= 4"));
        QCOMPARE(f.read("RS232C1", "Settings"), QString("9600,e,8,2"));
        QCOMPARE(f.read("RS232C2", "CommPort"), QString("4"));
        QCOMPARE(f.read("RS232C2", "Settings"), QString("9600,e,8,2"));
        QCOMPARE(f.read("Path", "Path1"), QDir::toNativeSeparators(f.dir.path()));
        QCOMPARE(result.dataFileName, QDir::toNativeSeparators(f.dir.path()));
        QCOMPARE(f.port2->portNumber(), 4);
        QVERIFY(f.port1->isOpen());
        QVERIFY(!f.port2->isOpen());
        QCOMPARE(f.window.settingsShown(1), QString("3 0 1 1"));
        QCOMPARE(f.window.selections(2), QStringList{"select 2 3"});
    }

    // The whole sequence in its order on a normal start.
    void normalStartRunsTheStepsInOrder() {
        StartupFixture f;
        f.start();
        QCOMPARE(f.window.events,
                 (QStringList{"dress", "fill ports", "select 1 0", "settings 1 4 1 0 0",
                              "select 2 0", "settings 2 4 1 0 0", "item lists", "product lists",
                              "clear", "progress", "tab 0"}));
    }

    // Whatever state the run had, start-up leaves the F805 on link 1 with nothing pending.
    void resetsTheLinkAndTheStore() {
        StartupFixture f;
        f.store.setModel(IndicatorModel::F800);
        f.store.setCurrentProduct(7);
        f.port1->open();  // the silent indicator times out
        DriveToEnd(f.session->link(), f.session->link().line(), EventLoopPass);
        QVERIFY(f.session->link().timedOut());
        f.port1->close();
        f.session->portAssignment = true;
        f.session->setActiveLink(2);
        f.start();
        QCOMPARE(f.store.model(), IndicatorModel::F805);
        QCOMPARE(f.store.currentProduct(), 0);
        QVERIFY(!f.session->link().timedOut());
        QVERIFY(!f.session->portAssignment);
        QCOMPARE(f.session->activeLink(), 1);
        QCOMPARE(f.session->link().activePort(), f.port1);
    }

    // A file with only "Path": the defaults, and nothing but "Path1" written.
    void fileWithOnlyPathGivesTheDefaults() {
        StartupFixture f;
        f.writeIni("[Path]\r\nPath1=C:\\data\\old.mdb\r\n");
        f.port1->setPortNumber(5);
        f.port2->setPortNumber(6);
        const StartupResult result = f.start();
        QVERIFY(!result.failed);
        QCOMPARE(f.port1->portNumber(), 1);
        QCOMPARE(f.port2->portNumber(), 2);
        QCOMPARE(f.port1->settings(), QString("19200,o,7,1"));
        QCOMPARE(f.port2->settings(), QString("19200,o,7,1"));
        QVERIFY(!f.iniBytes().contains("RS232C"));
        QCOMPARE(f.read("Path", "Path1"), QDir::toNativeSeparators(f.dir.path()));
    }

    // Files as they come from the field: what each link ends up with, and which errors show.
    void configurationFileForms_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("port1");
        QTest::addColumn<QString>("settings1");
        QTest::addColumn<int>("port2");
        QTest::addColumn<QString>("settings2");
        QTest::addColumn<QList<int>>("errors");

        QTest::newRow("blanks around values")
            << QByteArray("[RS232C1]\r\n  CommPort  =   3   \r\nSettings =  9600,e,8,2   \r\n") << 3
            << "9600,e,8,2" << 2 << "19200,o,7,1" << QList<int>{};
        QTest::newRow("upper-case names")
            << QByteArray("[RS232C2]\nCOMMPORT= 4\nSETTINGS=4800,N,8,1\n[rs232c1]\ncommport= 2\n")
            << 2 << "19200,o,7,1" << 4 << "4800,N,8,1" << QList<int>{};
        QTest::newRow("NULs") << QByteArray("[RS232C1]\nCommPort= 3" + QByteArray(2, '\0') +
                                            "\nSettings=2400,o,7,1" + QByteArray(3, '\0') + "\n")
                              << 3 << "2400,o,7,1" << 2 << "19200,o,7,1" << QList<int>{};
        QTest::newRow("fractional port") << QByteArray("[RS232C1]\nCommPort= 3.9\n") << 3
                                         << "19200,o,7,1" << 2 << "19200,o,7,1" << QList<int>{};
        // Only 99 characters of a value are seen: the rest of the blanks do not matter.
        QTest::newRow("long value, blanks")
            << QByteArray("[RS232C1]\nSettings=1200,n,8,1" + QByteArray(300, ' ') + "x\n") << 1
            << "1200,n,8,1" << 2 << "19200,o,7,1" << QList<int>{};
        // A long value the port refuses: the link keeps its settings.
        QTest::newRow("long value, refused")
            << QByteArray("[RS232C1]\nSettings=19200,o,7,1" + QByteArray(200, '1') + "\n") << 1
            << "19200,o,7,1" << 2 << "19200,o,7,1" << QList<int>{8015};
        QTest::newRow("port not a number")
            << QByteArray("[RS232C1]\nCommPort=COM3\n[RS232C2]\nCommPort=\n") << 1 << "19200,o,7,1"
            << 1 << "19200,o,7,1" << QList<int>{13, 13};
        QTest::newRow("port out of range")
            << QByteArray("[RS232C1]\nCommPort= 40\n[RS232C2]\nCommPort= 0\n") << 1 << "19200,o,7,1"
            << 1 << "19200,o,7,1" << QList<int>{8002, 8002};
        QTest::newRow("settings refused")
            << QByteArray("[RS232C2]\nSettings=19200,q,7,1\n") << 1 << "19200,o,7,1" << 2
            << "19200,o,7,1" << QList<int>{8015};
        // A file from a Windows machine: Shift-JIS comments and a section with Japanese text.
        QTest::newRow("Shift-JIS")
            << QByteArray(
                   "; \x83\x8d\x81[\x83\x68\x83\x5a\x83\x8b\r\n[\x83\x81\x83\x82]\r\n"
                   "\x93\xfa\x96\x7b=\x83\x65\x83\x58\x83\x67\r\n[RS232C1]\r\nCommPort= 2\r\n")
            << 2 << "19200,o,7,1" << 2 << "19200,o,7,1" << QList<int>{};
    }
    void configurationFileForms() {
        QFETCH(QByteArray, file);
        QFETCH(int, port1);
        QFETCH(QString, settings1);
        QFETCH(int, port2);
        QFETCH(QString, settings2);
        QFETCH(QList<int>, errors);
        StartupFixture f;
        f.writeIni(file);
        const StartupResult result = f.start();
        QCOMPARE(f.port1->portNumber(), port1);
        QCOMPARE(f.port1->settings(), settings1);
        QCOMPARE(f.port2->portNumber(), port2);
        QCOMPARE(f.port2->settings(), settings2);
        QCOMPARE(f.window.messages.size(), errors.size());
        for (int i = 0; i < errors.size(); ++i) {
            QVERIFY2(f.window.messages[i].contains(QString("ErrNo.=%1").arg(errors[i])),
                     qPrintable(f.window.messages[i]));
            QVERIFY(f.window.messages[i].contains(Tr(PlatformText::HintStartUp)));
        }
        QCOMPARE(result.failed, !errors.isEmpty());
        QCOMPARE(f.window.events.last(), errors.isEmpty() ? QString("tab 0") : QString("focus 1"));
        // Link 1 is opened whatever the file said.
        QVERIFY(f.port1->isOpen());
    }

    // The Shift-JIS text of the file survives start-up's write of "Path1".
    void shiftJisTextSurvivesTheWrite() {
        StartupFixture f;
        f.writeIni("[\x83\x81\x83\x82]\r\n\x93\xfa\x96\x7b=\x83\x65\x83\x58\x83\x67\r\n");
        f.start();
        QCOMPARE(ReadProfileString(f.ini(), "メモ", "日本", ""), QString("テスト"));
        QCOMPARE(f.read("Path", "Path1"), QDir::toNativeSeparators(f.dir.path()));
    }

    // The panel shows the settings of each link; the parity letter in either case.
    void panelShowsTheSettings_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("shown");  // baud, parity, data bits, stop bits positions
        QTest::newRow("19200,o,7,1") << "19200,o,7,1"
                                     << "4 1 0 0";
        QTest::newRow("9600,E,8,2") << "9600,E,8,2"
                                    << "3 0 1 1";
        QTest::newRow("1200,N,7,1") << "1200,N,7,1"
                                    << "0 2 0 0";
        QTest::newRow("38400,n,8,1") << "38400,n,8,1"
                                     << "-1 2 1 0";
    }
    void panelShowsTheSettings() {
        QFETCH(QString, settings);
        QFETCH(QString, shown);
        StartupFixture f;
        f.writeIni(
            ("[RS232C1]\nSettings=" + settings + "\n[RS232C2]\nSettings=" + settings).toLatin1());
        f.start();
        QCOMPARE(f.window.settingsShown(1), shown);
        QCOMPARE(f.window.settingsShown(2), shown);
    }

    // Link 1 cannot be opened: one message, the port tab, the focus on link 1's port list; its
    // list keeps no selection after 8002 or 8015.
    void portThatCannotOpen_data() {
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("selected");
        QTest::newRow("8002") << 8002 << false;
        QTest::newRow("8015") << 8015 << false;
        QTest::newRow("8005") << 8005 << true;
    }
    void portThatCannotOpen() {
        QFETCH(int, error);
        QFETCH(bool, selected);
        StartupFixture f;
        f.port1->failOpenWith = error;
        const StartupResult result = f.start();
        QVERIFY(result.failed);
        QCOMPARE(result.lastError, error);
        QCOMPARE(f.window.messages.size(), 1);
        QVERIFY(f.window.messages[0].contains(QString("ErrNo.=%1").arg(error)));
        QVERIFY(f.window.messages[0].endsWith(Tr(PlatformText::HintStartUp) + "\r\n"));
        QVERIFY(!f.port1->isOpen());
        QCOMPARE(f.window.selections(1).size(), selected ? 1 : 0);
        QCOMPARE(f.window.selections(2), QStringList{"select 2 0"});
        // The rest of start-up still runs.
        QVERIFY(f.window.events.contains("clear"));
        QCOMPARE(f.window.events.mid(f.window.events.size() - 3),
                 (QStringList{"tab 9", "show", "focus 1"}));
    }

    // A port number the list does not hold (9 … 16) cannot be selected: reported.
    void portAboveTheListIsReported() {
        StartupFixture f;
        f.writeIni("[RS232C2]\nCommPort= 12\n");
        const StartupResult result = f.start();
        QVERIFY(result.failed);
        QCOMPARE(f.port2->portNumber(), 12);
        QCOMPARE(f.window.messages.size(), 1);
        QVERIFY(f.window.messages[0].contains("ErrNo.=380"));
        QVERIFY(f.window.selections(2).isEmpty());
        QCOMPARE(f.window.selections(1), QStringList{"select 1 0"});
    }

    // Applying the panel writes the parity as the port has it ("O"); the next start reads it
    // back and the parity list shows "Odd" again.
    void appliedSettingsSurviveARestart() {
        QTemporaryDir keep;
        const QString ini = keep.filePath("Rusk.INI");
        {
            StartupFixture f;
            f.start();
            PortChoice choice{2, "19200", "Odd", "7", "1"};
            ApplyPortSettings(*f.port1, choice, f.view,
                              [&](const PortEntry& e) { WritePortEntry(ini, 1, e); }, {});
            QVERIFY(f.view.messages.isEmpty());
        }
        QCOMPARE(ReadProfileString(ini, "RS232C1", "Settings", ""), QString("19200,O,7,1"));
        StartupFixture next;
        QVERIFY(QFile::copy(ini, next.ini()));
        next.start();
        QCOMPARE(next.port1->portNumber(), 3);
        QCOMPARE(next.port1->settings(), QString("19200,O,7,1"));
        QCOMPARE(next.window.selections(1), QStringList{"select 1 2"});
        QCOMPARE(next.window.settingsShown(1), QString("4 1 0 0"));
    }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "test_startup.moc"
