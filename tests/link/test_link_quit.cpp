#include <QtTest>

#include "link/IndicatorLink.h"
#include "support/FakeSerialPort.h"
#include "support/ManualTime.h"
#include "support/RecordingView.h"

// Closing the window while the link waits quits the application: no more events run, so the
// supervision timer can no longer end the wait. The wait must give up by itself.
class LinkQuitTest : public QObject {
    Q_OBJECT
  private slots:
    void waitGivesUpWhenTheApplicationQuits() {
        // The real pump, which is what sees the application end; a timer that never fires.
        SettingsStore store;
        RecordingView view;
        QtEventPump pump(1);
        FakeSerialPort port;
        IndicatorLink link(store, view, pump, std::make_unique<ManualTimer>());
        link.setActivePort(&port);
        QCoreApplication::exit(0);
        link.awaitReply(ReplyKind::Setting);  // would wait for ever without the pump's answer
        QVERIFY(link.timedOut());
        QVERIFY(view.messages.isEmpty());
        QVERIFY(!view.busy);
        link.awaitLine();
        link.probeLink();
        QVERIFY(view.messages.isEmpty());
    }
};

QTEST_GUILESS_MAIN(LinkQuitTest)
#include "test_link_quit.moc"
