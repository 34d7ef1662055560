#include <QTemporaryDir>
#include <QtTest>

#include "app/ModelSwitch.h"
#include "app/Session.h"
#include "support/FakeSerialPort.h"
#include "support/RecordingView.h"

using namespace modelswitch;

namespace {

// A session on two fake ports, link 1 open and active as after start-up.
struct Ports {
    Ports() {
        auto a = std::make_unique<FakeSerialPort>();
        auto b = std::make_unique<FakeSerialPort>();
        link1 = a.get();
        link2 = b.get();
        link1->close();  // a fake port starts open; real ports start closed
        link2->close();
        session = std::make_unique<Session>(
            store, view, dir.filePath("Rusk.INI"),
            std::array<std::unique_ptr<SerialPort>, 2>{std::move(a), std::move(b)}, 40);
        link1->open();
    }
    // One switch as the window runs it.
    void switchTo(IndicatorModel model) {
        BeginSwitch(*session, model, collect());
        SwitchPorts(*session, model, collect());
    }
    void assign(bool on) { AssignPorts(*session, on, collect()); }
    Report collect() {
        return [this](const OperationError& e) { errors << e.number; };
    }
    SerialPort* active() const { return session->link().activePort(); }

    QTemporaryDir dir;
    SettingsStore store;
    RecordingView view;
    FakeSerialPort* link1 = nullptr;
    FakeSerialPort* link2 = nullptr;
    std::unique_ptr<Session> session;
    QList<int> errors;
};

}  // namespace

class ModelSwitchLogicTest : public QObject {
    Q_OBJECT
  private slots:
    void settingsEmpty_data() {
        QTest::addColumn<int>("group");  // 0: live data, 1: status box, -1: product
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("empty");
        QTest::newRow("nothing held") << -2 << 0 << true;
        QTest::newRow("product only") << -1 << 99 << true;
        QTest::newRow("group 2 slot 15") << 2 << 15 << false;
        QTest::newRow("group 3 slot 8") << 3 << 8 << false;
        QTest::newRow("group 4 slot 4") << 4 << 4 << false;
        QTest::newRow("group 5 slot 5") << 5 << 5 << false;
        QTest::newRow("group 6 slot 0") << 6 << 0 << false;
        QTest::newRow("group 7 slot 4") << 7 << 4 << false;
        QTest::newRow("group 8 slot 5") << 8 << 5 << false;
        QTest::newRow("group 9 slot 1") << 9 << 1 << false;
        QTest::newRow("live RA") << 0 << 0 << false;
        QTest::newRow("live CB") << 0 << 12 << false;
        QTest::newRow("status box 27") << 1 << 27 << false;
    }
    void settingsEmpty() {
        QFETCH(int, group);
        QFETCH(int, slot);
        QFETCH(bool, empty);
        SettingsStore store;
        QStringList status(28);
        if (group == -1) {
            for (int item = 0; item < SettingsStore::kProductItems; ++item)
                store.setProduct(slot, item, "00100");
        } else if (group == 0) {
            store.setLive(slot, "+0001");
        } else if (group == 1) {
            status[slot] = "ON";
        } else if (group >= 2) {
            store.setSetting(group, slot, "00001");
        }
        QCOMPARE(SettingsEmpty(store, status), empty);
    }

    void decide_data() {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("option");
        QTest::addColumn<bool>("empty");
        QTest::addColumn<int>("choice");
        const int keep = int(Choice::Keep), sw = int(Choice::Switch), ask = int(Choice::Ask);
        QTest::newRow("F805 again, held") << 805 << 0 << false << keep;
        QTest::newRow("F805 again, empty") << 805 << 0 << true << keep;
        QTest::newRow("F800 from F805, empty") << 805 << 1 << true << sw;
        QTest::newRow("F800 from F805, held") << 805 << 1 << false << ask;
        QTest::newRow("F805 from F800, held") << 800 << 0 << false << ask;
        QTest::newRow("F805 from F800, empty") << 800 << 0 << true << sw;
        QTest::newRow("F800 again") << 800 << 1 << false << keep;
        QTest::newRow("no such option") << 805 << 2 << true << keep;
        QTest::newRow("no option") << 800 << -1 << true << keep;
    }
    void decide() {
        QFETCH(int, current);
        QFETCH(int, option);
        QFETCH(bool, empty);
        QFETCH(int, choice);
        QCOMPARE(int(Decide(static_cast<IndicatorModel>(current), option, empty)), choice);
    }

    // With the assignment each model gets its own link, closed and opened as the model changes.
    void assignedLinksFollowTheModel() {
        Ports p;
        p.assign(true);
        QCOMPARE(p.active(), p.link1);
        QVERIFY(p.link1->isOpen());
        p.switchTo(IndicatorModel::F800);
        QCOMPARE(p.session->activeLink(), 2);
        QCOMPARE(p.active(), p.link2);
        QVERIFY(!p.link1->isOpen());
        QVERIFY(p.link2->isOpen());
        QCOMPARE(p.link2->handshaking(), Handshaking::RtsCts);
        QVERIFY(p.link2->rts);
        p.switchTo(IndicatorModel::F805);
        QCOMPARE(p.active(), p.link1);
        QVERIFY(p.link1->isOpen());
        QVERIFY(!p.link2->isOpen());
        QCOMPARE(p.link1->handshaking(), Handshaking::None);
        QVERIFY(!p.link1->rts);
        QVERIFY(p.errors.isEmpty());
    }

    // A port that cannot be opened is reported; the rest of the switch has happened.
    void openFailureIsReported() {
        Ports p;
        p.assign(true);
        p.link2->failOpenWith = ErrNo::kInvalidPort;
        p.switchTo(IndicatorModel::F800);
        QCOMPARE(p.errors, QList<int>{ErrNo::kInvalidPort});
        QCOMPARE(p.store.model(), IndicatorModel::F800);
        QCOMPARE(p.active(), p.link2);
        QVERIFY(!p.link1->isOpen());
        QCOMPARE(p.link2->handshaking(), Handshaking::RtsCts);
    }

    // Link 2 opened already through its own panel is used as it is, without a failure.
    void openPortIsNotOpenedAgain() {
        Ports p;
        p.link2->open();
        p.assign(true);
        p.switchTo(IndicatorModel::F800);
        QVERIFY(p.errors.isEmpty());
        QVERIFY(p.link2->isOpen());
        QCOMPARE(p.active(), p.link2);
    }

    // The check box re-points the active link by the model served and leaves line control alone.
    void checkBoxRepointsTheLink() {
        Ports p;
        p.switchTo(IndicatorModel::F800);  // link 1 with RTS/CTS
        p.assign(true);
        QVERIFY(p.session->portAssignment);
        QCOMPARE(p.active(), p.link2);
        QVERIFY(!p.link1->isOpen());
        QVERIFY(p.link2->isOpen());
        QCOMPARE(p.link2->handshaking(), Handshaking::None);
        p.assign(false);
        QVERIFY(!p.session->portAssignment);
        QCOMPARE(p.active(), p.link1);
        QVERIFY(p.link1->isOpen());
        QVERIFY(!p.link2->isOpen());
        QCOMPARE(p.link1->handshaking(), Handshaking::RtsCts);
        QVERIFY(p.errors.isEmpty());
    }

    // Ticking with the F805 reopens link 1; a port that will not open is reported once.
    void checkBoxWithTheF805() {
        Ports p;
        p.link1->failOpenWith = ErrNo::kInvalidPort;
        p.assign(true);
        QCOMPARE(p.active(), p.link1);
        QVERIFY(!p.link1->isOpen());
        QCOMPARE(p.errors, QList<int>{ErrNo::kInvalidPort});
        QVERIFY(!p.link2->isOpen());
    }
};

QTEST_GUILESS_MAIN(ModelSwitchLogicTest)
#include "test_model_switch_logic.moc"
