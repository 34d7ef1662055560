#include <QtTest>

#include "link/LiveCommands.h"
#include "link/PortSettings.h"
#include "support/LinkFixture.h"
#include "texts/LinkTexts.h"
#include "texts/PlatformTexts.h"

class LiveAndPortsTest : public QObject {
    Q_OBJECT
  private slots:
    void commandsProbeThenSendWithoutWaiting() {
        SimLinkFixture f;
        LiveCommands live(f.link, nullptr);
        f.link.blocking(live.press(15));  // 風袋引き
        QCOMPARE(f.port.requests, QStringList({"RA", "CE"}));
        QCOMPARE(f.view.redraws, 1);
        QCOMPARE(LiveCommands::Caption(15), Tr(LinkText::TareOn));
    }

    void dataReadsStoreTheReplyWithoutEcho() {
        SimLinkFixture f;
        LiveCommands live(f.link, nullptr);
        f.link.blocking(live.press(4));  // ｽﾃｰﾀｽ2
        QCOMPARE(f.store.live(4), QString(f.port.indicator().liveData('E')));
        f.link.blocking(live.press(11));  // ｾﾞﾛ校正 keeps the whole line
        QCOMPARE(f.store.live(11), QString("CA"));
        QCOMPARE(f.port.requests, QStringList({"RA", "RE", "RA", "CA"}));
    }

    void detailButtonProbesFirst() {
        SimLinkFixture f;
        f.port.answerFirst = 0;
        int tabShown = 0;
        LiveCommands live(f.link, [&] { ++tabShown; });
        f.link.blocking(
            live.press(LiveCommands::kDetailButton));  // silent indicator: the probe times out
        QCOMPARE(tabShown, 0);
        QCOMPARE(f.view.redraws, 0);
        QCOMPARE(f.view.messages, QStringList{IndicatorLink::TimeoutMessage()});
        f.link.clearTimeout();
        f.port.answerFirst = -1;
        f.link.blocking(live.press(LiveCommands::kDetailButton));
        QCOMPARE(tabShown, 1);
        QCOMPARE(f.port.requests, QStringList({"RA", "RA"}));
    }

    void replyTimeoutStillRedraws() {
        SimLinkFixture f;
        f.port.answerFirst = 1;  // the probe only
        f.store.setLive(1, "old");
        f.link.blocking(LiveCommands(f.link, nullptr).press(1));
        QCOMPARE(f.store.live(1), QString("old"));
        QCOMPARE(f.view.redraws, 1);
        QCOMPARE(f.view.messages.size(), 1);
    }

    void closedPortGivesTheReportWithHint() {
        LinkFixture f;
        f.port.close();
        f.link.blocking(LiveCommands(f.link, nullptr).press(0));
        QCOMPARE(f.view.messages.size(), 1);
        QVERIFY(f.view.messages[0].contains("ErrNo.=8018"));
        QVERIFY(f.view.messages[0].endsWith(Tr(PlatformText::Hint8018)));
        QCOMPARE(f.view.redraws, 0);
    }

    void applyingWritesTheSectionAndReopens() {
        RecordingView view;
        FakeSerialPort port;
        QStringList written;
        auto record = [&](const PortEntry& e) {
            written << QString("%1 %2").arg(e.portNumber).arg(e.settings);
        };
        ApplyPortSettings(port, {2, "9600", "Even", "8", "2"}, view, record, nullptr);
        QCOMPARE(port.portNumber(), 3);
        QCOMPARE(port.settings(), QString("9600,E,8,2"));
        QVERIFY(port.isOpen());
        QCOMPARE(written, QStringList{"3 9600,E,8,2"});
        QVERIFY(view.messages.isEmpty());
        QCOMPARE(SettingsTextOf({0, "19200", "Odd", "7", "1"}), QString("19200,O,7,1"));
    }

    void invalidPortKeepsGoingWithFocusOnTheList() {
        RecordingView view;
        FakeSerialPort port;
        port.close();
        port.setPortNumber(4);
        QStringList written;
        int focused = 0;
        ApplyPortSettings(
            port, {-1, "19200", "Odd", "7", "1"}, view,
            [&](const PortEntry& e) {
                written << QString("%1 %2").arg(e.portNumber).arg(e.settings);
            },
            [&] { ++focused; });
        QCOMPARE(focused, 1);
        QCOMPARE(view.messages.size(), 1);
        QVERIFY(view.messages[0].contains("ErrNo.=8002"));
        QVERIFY(view.messages[0].endsWith(Tr(PlatformText::Hint8002)));
        // The file receives the number the port still has, and the port is opened again.
        QCOMPARE(written, QStringList{"4 19200,O,7,1"});
        QVERIFY(port.isOpen());
    }

    void otherErrorsEndTheApply() {
        RecordingView view;
        FakeSerialPort port;
        QStringList written;
        ApplyPortSettings(
            port, {0, "19200", "", "7", "1"}, view,
            [&](const PortEntry& e) { written << e.settings; }, nullptr);
        QVERIFY(view.messages[0].contains("ErrNo.=8015"));
        QVERIFY(written.isEmpty());
        QVERIFY(!port.isOpen());
    }

    void linkTestShowsOkOrStaysEmpty() {
        SimLinkFixture f;
        f.port.queue("stale\r\n");
        f.link.blocking(TestLink(f.link, 1, &f.port));
        QCOMPARE(f.view.events.filter("test1"),
                 QStringList({"test1 ", "test1 " + Tr(LinkText::LinkOk)}));
        QCOMPARE(f.port.requests, QStringList{"RA"});

        SimLinkFixture silent;
        silent.port.answerFirst = 0;
        silent.link.blocking(TestLink(silent.link, 2, &silent.port));
        QCOMPARE(silent.view.events.filter("test2"), QStringList({"test2 "}));
        QCOMPARE(silent.view.messages, QStringList{IndicatorLink::TimeoutMessage()});
    }

    void linkTestOnAClosedPortReportsEachStep() {
        LinkFixture f;
        f.port.close();
        f.link.blocking(TestLink(f.link, 1, &f.port));
        // flush, send and wait each fail and report without a hint; the test goes on.
        QCOMPARE(f.view.messages.size(), 3);
        for (const QString& m : f.view.messages) QVERIFY(m.endsWith("ErrNo.=8018"));
    }
};

QTEST_GUILESS_MAIN(LiveAndPortsTest)
#include "test_live_and_ports.moc"
