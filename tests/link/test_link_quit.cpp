#include <QtTest>

#include "support/LinkFixture.h"

// Closing the window while the link waits quits the application: no more events run, so the
// supervision timer can no longer end the wait. The wait must give up by itself.
class LinkQuitTest : public QObject {
    Q_OBJECT
  private slots:
    void waitGivesUpWhenTheApplicationQuits() {
        LinkFixture f(60000);
        f.link.expectedReply = "WR";
        QCoreApplication::exit(0);
        f.link.awaitReply();  // would spin for a minute without the pump's answer
        QVERIFY(f.link.linkTimedOut);
        QVERIFY(f.view.messages.isEmpty());
        QVERIFY(!f.view.busy);
        f.link.awaitLine();
        f.link.probeLink();
        QVERIFY(f.view.messages.isEmpty());
    }
};

QTEST_GUILESS_MAIN(LinkQuitTest)
#include "test_link_quit.moc"
