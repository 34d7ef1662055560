#include <QtTest>

#include "model/Catalogue.h"
#include "support/LinkFixture.h"
#include "texts/LinkTexts.h"
#include "texts/PlatformTexts.h"

namespace {

// A reply kind by the name the rows use: "WR" a setting, "TEST1"/"TEST2" a link test, else
// the live-data kind of that name.
ReplyFor ReplyTag(const QString& tag) {
    if (tag == "WR") return ReplyKind::Setting;
    if (tag.startsWith("TEST"))
        return tag.endsWith('1') ? ReplyKind::LinkTest1 : ReplyKind::LinkTest2;
    return ReplyFor::LiveData(SettingsStore::LiveKindIndex(tag));
}

Task<void> Into(Task<WaitOutcome> wait, std::optional<WaitOutcome>* outcome) {
    *outcome = co_await std::move(wait);
}

}  // namespace

class IndicatorLinkTest : public QObject {
    Q_OBJECT
  private slots:
    void routesRepliesByTag_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<int>("group");  // setting group, or -1 for live data, -2 for nothing
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("stored");
        QTest::newRow("F800 42 -> group 6 slot 4") << 800 << "WR"
                                                   << "W4200123" << 6 << 4 << "00123";
        QTest::newRow("F805 42 -> group 4 slot 2") << 805 << "WR"
                                                   << "W4200123" << 4 << 2 << "00123";
        QTest::newRow("F805 2F") << 805 << "WR"
                                 << "W2F00009" << 2 << 15 << "00009";
        QTest::newRow("F800 55 -> group 8") << 800 << "WR"
                                            << "W5500001" << 8 << 5 << "00001";
        QTest::newRow("value kept as received") << 805 << "WR"
                                                << "W20 12 " << 2 << 0 << " 12 ";
        QTest::newRow("RD drops its echo") << 805 << "RD"
                                           << "RD0101" << -1 << 3 << "0101";
        QTest::newRow("RD stored whatever its prefix") << 805 << "RD"
                                                       << "XX9" << -1 << 3 << "9";
        QTest::newRow("CA keeps the whole line") << 805 << "CA"
                                                 << "CA" << -1 << 11 << "CA";
        QTest::newRow("CB keeps the whole line") << 805 << "CB"
                                                 << "CB01" << -1 << 12 << "CB01";
    }
    void routesRepliesByTag() {
        QFETCH(int, model);
        QFETCH(QString, tag);
        QFETCH(QString, reply);
        QFETCH(int, group);
        QFETCH(int, slot);
        QFETCH(QString, stored);
        LinkFixture f;
        f.store.setModel(static_cast<IndicatorModel>(model));
        f.port.queue((reply + "\r\n").toLatin1());
        f.link.awaitReply(ReplyTag(tag));
        QVERIFY(!f.link.timedOut());
        if (group == -1)
            QCOMPARE(f.store.live(slot), stored);
        else
            QCOMPARE(f.store.setting(group, slot), stored);
    }

    void repliesThatStoreNothing() {
        LinkFixture f;
        // F805 has no 45/46; the product query only moves the current product; unknown codes.
        for (const char* line :
             {"W4500001", "W4600001", "W0000005", "WZZ00001", "X2000001", "W3900001"})
            f.port.queue(QByteArray(line) + "\r\n");
        for (int i = 0; i < 6; ++i) f.link.awaitReply(ReplyKind::Setting);
        QCOMPARE(f.store.currentProduct(), 5);
        for (int g = 2; g <= 9; ++g)
            for (int s = 0; s < SettingsStore::GroupSize(g); ++s)
                QVERIFY(f.store.setting(g, s).isEmpty());
        for (int k = 0; k < 8; ++k) QVERIFY(f.store.product(5, k).isEmpty());
    }

    void productValuesGoToTheReportedProduct() {
        LinkFixture f;
        f.port.queue("W0000012\r\nW1300123\r\n");
        f.link.awaitReply(ReplyKind::Setting);
        f.link.awaitReply(ReplyKind::Setting);
        QCOMPARE(f.store.currentProduct(), 12);
        QCOMPARE(f.store.product(12, 3), QString("00123"));
        // Any tag takes the product number from a W00 line.
        f.port.queue("W0000034\r\n");
        f.link.awaitReply(ReplyTag("RA"));
        QCOMPARE(f.store.currentProduct(), 34);
    }

    void lineEndsAndOddReplies_data() {
        // Before each row: setting 20 and live RA hold "old", the current product is 3.
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<QString>("setting20");
        QTest::addColumn<QString>("liveRA");
        QTest::addColumn<int>("product");
        QTest::addColumn<QString>("test1");  // what the link 1 test box got, if anything
        QTest::newRow("empty line stores nothing") << "WR" << QByteArray("\r\n") << "old"
                                                   << "old" << 3 << "";
        QTest::newRow("empty line passes the test") << "TEST1" << QByteArray("\r\n") << "old"
                                                    << "old" << 3 << Tr(LinkText::LinkOk);
        QTest::newRow("one character passes the test") << "TEST1" << QByteArray("?\r\n") << "old"
                                                       << "old" << 3 << Tr(LinkText::LinkOk);
        QTest::newRow("empty live reply stored") << "RA" << QByteArray("\r\n") << "old"
                                                 << "" << 3 << "";
        QTest::newRow("lone LF keeps the last digit") << "WR" << QByteArray("W2000012\n") << "00012"
                                                      << "old" << 3 << "";
        QTest::newRow("lone LF alone is an empty line") << "WR" << QByteArray("\n") << "old"
                                                        << "old" << 3 << "";
        QTest::newRow("CR inside the value") << "WR" << QByteArray("W2000\r12\r\n") << "old"
                                             << "old" << 3 << "";
        QTest::newRow("NUL inside the value") << "WR" << QByteArray("W20") + '\0' + "0012\r\n"
                                              << "old"
                                              << "old" << 3 << "";
        QTest::newRow("product tail not a number") << "WR" << QByteArray("W00000a5\r\n") << "old"
                                                   << "old" << 3 << "";
        QTest::newRow("product query echo without number") << "WR" << QByteArray("W00\r\n") << "old"
                                                           << "old" << 3 << "";
    }
    void lineEndsAndOddReplies() {
        QFETCH(QString, tag);
        QFETCH(QByteArray, received);
        LinkFixture f;
        f.store.setValue("20", "old");
        f.store.setLive(0, "old");
        f.store.setCurrentProduct(3);
        f.port.queue(received);
        f.link.awaitReply(ReplyTag(tag));
        QTEST(f.store.setting(2, 0), "setting20");
        QTEST(f.store.live(0), "liveRA");
        QTEST(f.store.currentProduct(), "product");
        const QStringList tests = f.view.events.filter("test1");
        QTEST(tests.isEmpty() ? QString() : tests.last().mid(6), "test1");
        QVERIFY(f.view.messages.isEmpty());
        QVERIFY(f.port.unread().isEmpty());
    }

    void twoLinesTogetherLeaveTheSecondQueued() {
        LinkFixture f;
        f.port.queue("W2000001\r\nW2100002\r\n");
        f.link.awaitReply(ReplyKind::Setting);
        QCOMPARE(f.store.setting(2, 0), QString("00001"));
        QVERIFY(f.store.setting(2, 1).isEmpty());
        QCOMPARE(f.port.unread(), QByteArray("W2100002\r\n"));
        f.link.awaitReply(ReplyKind::Setting);
        QCOMPARE(f.store.setting(2, 1), QString("00002"));
    }

    void lineWaitDiscardsWhatCameWithIt() {
        LinkFixture f;
        f.port.queue("W0000001\r\nW2000001\r\n");
        f.link.awaitLine();
        QVERIFY(f.port.unread().isEmpty());
        QVERIFY(f.store.setting(2, 0).isEmpty());
    }

    void probeSendsRaAndFlushes() {
        SimLinkFixture f;
        f.port.queue("stale\r\n");
        f.link.probeLink();
        QCOMPARE(f.port.requests, QStringList{"RA"});
        QVERIFY(f.port.unread().isEmpty());
        QVERIFY(!f.link.timedOut());
        QVERIFY(!f.view.busy);
    }

    void requestsWithLineBreaksAreRefused() {
        LinkFixture f;
        QVERIFY_THROWS_EXCEPTION(OperationError, f.link.sendLine("W2000001\rW21"));
        QVERIFY_THROWS_EXCEPTION(OperationError, f.link.sendLine("W20\n"));
        QVERIFY(f.port.requests.isEmpty());
    }

    void endlessReplyEndsTheWait() {
        LinkFixture f;
        f.port.queue(QByteArray(IndicatorLink::kMaxReplyLine + 10, 'x'));
        QVERIFY_THROWS_EXCEPTION(OperationError, f.link.awaitReply(ReplyKind::Setting));
        QVERIFY(!f.view.busy);
        // A long but terminated line is still a line.
        f.port.read(0);
        f.port.queue("W20" + QByteArray(4000, '1') + "\r\n");
        f.link.awaitReply(ReplyKind::Setting);
        QCOMPARE(f.store.setting(2, 0).size(), 4000);
    }

    void closedOrVanishedPortFailsAtOnce() {
        LinkFixture f;
        f.port.close();
        try {
            f.link.sendLine("RA");
            QFAIL("no error");
        } catch (const OperationError& e) {
            QCOMPARE(e.number, ErrNo::kPortNotOpen);
        }
        f.port.open();
        f.pump.idle = [&] { f.port.pullOut(); };
        QVERIFY_THROWS_EXCEPTION(OperationError, f.link.awaitReply(ReplyKind::Setting));
        QVERIFY(!f.link.timedOut());
        QVERIFY(!f.view.busy);
    }

    void silenceTimesOutAfterOneOrTwoPeriods() {
        LinkFixture f;
        f.view.setProgressVisible(true);
        f.link.awaitReply(ReplyKind::Setting);
        QVERIFY(f.link.timedOut());
        QCOMPARE(f.view.messages, QStringList{Tr(LinkText::Timeout)});
        QVERIFY(!f.view.progressVisible);
        QCOMPARE(f.view.progress, 0);
        QVERIFY(!f.view.busy);
    }

    void snapshotFromAnEarlierWaitDelaysTheTimeout() {
        // A reply that arrives across a tick leaves its first part in the snapshot; the next
        // silent wait then needs a first tick to see "no change since the snapshot" was false
        // and a second one to end.
        LinkFixture f;
        f.port.queue("W20");
        f.pump.idle = [&] {
            f.timer->fire();
            f.port.queue("00001\r\n");
        };
        f.link.awaitReply(ReplyKind::Setting);
        f.pump.idle = nullptr;
        QVERIFY(!f.link.timedOut());
        QCOMPARE(f.view.busyStarts, 2);
        QCOMPARE(f.store.setting(2, 0), QString("00001"));
        // Second wait: the first tick sees the buffer differ from the old snapshot and lets the
        // wait go on (a second busy start); the next silent period ends it.
        f.view.busyStarts = 0;
        f.link.awaitReply(ReplyKind::Setting);
        QVERIFY(f.link.timedOut());
        QCOMPARE(f.view.busyStarts, 2);
        QCOMPARE(f.view.messages.size(), 1);
    }

    // The silence rule alone lets a reply that keeps trickling go on for ever: each wait, and a
    // read as a whole, is bounded too, and ends as a time-out (one message).
    void tricklingRepliesAreBoundedAsAWhole_data() {
        QTest::addColumn<int>("msPerPass");
        QTest::addColumn<int>("charsPerPass");  // 0: the whole answer at once
        QTest::addColumn<QByteArray>("reply");  // empty: the indicator's own answers
        QTest::addColumn<int>("replies");       // requests awaited (W20, W21, …)
        QTest::addColumn<bool>("timesOut");
        QTest::addColumn<int>("latestMs");  // the time-out comes by then
        QTest::newRow("a character a second")
            << 1000 << 1 << QByteArray("W2000001\r\n") << 1 << true << 6000;
        QTest::newRow("ten characters in a second")
            << 100 << 1 << QByteArray("W2000001\r\n") << 1 << false << 0;
        QTest::newRow("endless characters without a line end")
            << 100 << 1 << QByteArray(5000, 'x') << 1 << true << 5100;
        // Each answer well inside its own bound, the read as a whole not.
        QTest::newRow("59 answers 900 ms late") << 900 << 0 << QByteArray() << 59 << true << 37000;
        QTest::newRow("5 answers 900 ms late") << 900 << 0 << QByteArray() << 5 << false << 0;
    }
    void tricklingRepliesAreBoundedAsAWhole() {
        QFETCH(int, msPerPass);
        QFETCH(int, charsPerPass);
        QFETCH(QByteArray, reply);
        QFETCH(int, replies);
        QFETCH(bool, timesOut);
        QFETCH(int, latestMs);
        SimLinkFixture f;
        if (!reply.isEmpty())
            f.port.alter = [&](const QString&, const QByteArray&) { return reply; };
        f.pace(msPerPass, charsPerPass);
        const auto bound = f.link.boundRead(replies);
        int answered = 0;
        for (int i = 0; i < replies && !f.link.timedOut(); ++i) {
            f.link.sendLine(QString("W2%1").arg(i % 10));
            if (f.link.awaitReply(ReplyKind::Setting) == WaitOutcome::Line) ++answered;
        }
        QCOMPARE(f.link.timedOut(), timesOut);
        QCOMPARE(f.view.messages.size(), timesOut ? 1 : 0);
        if (!timesOut) {
            QCOMPARE(answered, replies);
            return;
        }
        QVERIFY2(f.timer->nowMs() <= latestMs, qPrintable(QString::number(f.timer->nowMs())));
        QVERIFY(answered < replies);
        QVERIFY(!f.view.busy);
    }

    // A reply to a value asked for is checked: its own code, a value that fits the code, for
    // the product asked. What falls short is noted (and stored all the same).
    void repliesAreCheckedAgainstWhatWasAsked_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("product");  // -1: a setting
        QTest::addColumn<QString>("reply");
        QTest::addColumn<bool>("noted");
        QTest::newRow("its own") << 805 << "33" << -1 << "W3300011" << false;
        QTest::newRow("a corrupted digit") << 805 << "33" << -1 << "W33?0001" << true;
        QTest::newRow("another code's") << 805 << "33" << -1 << "W3200001" << true;
        QTest::newRow("zone 0") << 805 << "68" << -1 << "W6800000" << true;
        QTest::newRow("F800 display rate 3") << 800 << "45" << -1 << "W4503314" << false;
        QTest::newRow("product value corrupted") << 805 << "12" << 7 << "W12?1125" << true;
        QTest::newRow("another product's") << 805 << "12" << 8 << "W1201125" << true;
    }
    void repliesAreCheckedAgainstWhatWasAsked() {
        QFETCH(int, model);
        QFETCH(QString, code);
        QFETCH(int, product);
        QFETCH(QString, reply);
        QFETCH(bool, noted);
        LinkFixture f;
        f.store.setModel(IndicatorModel(model));
        f.store.setCurrentProduct(7);
        ReadCheck check;
        {
            const auto checked = f.link.checkReads(check);
            QVERIFY(checked.outermost());
            ReadCheck inner;
            const auto nested = f.link.checkReads(inner);
            QVERIFY(!nested.outermost());
            f.port.queue((reply + "\r\n").toLatin1());
            f.link.awaitReply(ReplyFor::Value(code, product));
        }
        const std::vector<TransferValue> expected{{product, code, reply}};
        QCOMPARE(check.faults(), noted ? expected : std::vector<TransferValue>{});
        // Stored as the indicator sent it, as before.
        if (reply == "W33?0001") QCOMPARE(f.store.value("33"), QString("?0001"));
        // Without an open check nothing is noted.
        f.port.queue((reply + "\r\n").toLatin1());
        f.link.awaitReply(ReplyFor::Value(code, product));
        QCOMPARE(check.faults().size(), noted ? size_t(1) : size_t(0));
    }

    void readCheckNamesAHandfulOfValues() {
        ReadCheck check;
        QCOMPARE(check.messageText(), Tr(LinkText::NotReadWhole));
        check.note({-1, "33", "W33?0001"});
        check.note({-1, "91", ""});
        check.note({12, "12", "W12?1125"});
        const QString target = ProductItemLabels().value(2);
        QCOMPARE(check.messageText(), Tr(LinkText::NotReadWhole) + "W33, W91, " +
                                          Tr(LinkText::ProductItemPlace).arg(12).arg(target));
        QCOMPARE(check.lines().back(),
                 Tr(LinkText::ProductValuePlace).arg(12).arg("W12") + " 「W12?1125」");
        for (int item = 0; item < 8; ++item) check.note({5, QString("1%1").arg(item), "W0000006"});
        for (const char* code : {"20", "21", "22"}) check.note({-1, code, "x"});
        // Product 5 lost all eight values: named once; beyond five names, a count.
        QCOMPARE(check.messageText(), Tr(LinkText::NotReadWhole) + "W33, W91, " +
                                          Tr(LinkText::ProductItemPlace).arg(12).arg(target) +
                                          ", " + Tr(LinkText::ProductPlace).arg(5) + ", W20" +
                                          Tr(LinkText::AndMore).arg(2));
    }

    void onlyTheIndicatorsWeightAnswersTheProbe() {
        for (const char* line : {"RA+000123", "RA-0012.5", "RA 123", "RA+ 0.5"})
            QVERIFY2(IndicatorLink::IsWeightAnswer(line), line);
        for (const char* line : {"", "RA", "RA+", "hello", "W0000000", "RB+000123", "RA+12x",
                                 "RA+1.2.3", "xRA+000123"})
            QVERIFY2(!IndicatorLink::IsWeightAnswer(line), line);
    }

    void firstSilentWaitEndsAtItsFirstTick() {
        LinkFixture f;
        f.link.awaitReply(ReplyKind::Setting);
        QVERIFY(f.link.timedOut());
        QCOMPARE(f.view.busyStarts, 1);
    }

    void afterATimeoutWaitsReturnAtOnce() {
        LinkFixture f;
        f.link.awaitReply(ReplyKind::Setting);
        QVERIFY(f.link.timedOut());
        f.port.queue("W2000001\r\n");
        f.link.awaitReply(ReplyKind::Setting);
        QVERIFY(f.store.setting(2, 0).isEmpty());
        QCOMPARE(f.port.unread(), QByteArray("2000001\r\n"));  // one character read at most
        QCOMPARE(f.view.messages.size(), 1);
    }

    void secondOperationIsRefusedWhileOneRuns() {
        LinkFixture f;
        auto first = f.link.beginOperation();
        QVERIFY(first);
        f.link.awaitLine();  // the silent indicator times out
        auto second = f.link.beginOperation();
        QVERIFY(!second);
        QCOMPARE(f.view.beeps, 1);
        QVERIFY(f.link.timedOut());  // the refused one changed nothing
        { auto done = std::move(first); }
        auto third = f.link.beginOperation();
        QVERIFY(third);
        QVERIFY(!f.link.timedOut());
    }

    // Awaited, a wait suspends until the port has news, its period ends or its bound passes:
    // nothing runs the event loop (the drive never passes), and a wait dropped where it waits
    // leaves the link ready for the next.
    void awaitedWaitsResumeOnTheirOwn() {
        LinkFixture f;
        std::optional<WaitOutcome> outcome;
        std::exception_ptr failure;
        const auto start = [&](Task<WaitOutcome> wait) {
            outcome.reset();
            return Started(Into(std::move(wait), &outcome),
                           [&](std::exception_ptr e) { failure = e; });
        };
        Started job = start(f.link.reply(ReplyKind::Setting));
        f.port.queue("W2000001\r");
        QVERIFY(job.running() && f.view.busy);
        f.port.queue("\nW21");
        QVERIFY(outcome == WaitOutcome::Line);
        QCOMPARE(f.store.setting(2, 0), QString("00001"));
        QCOMPARE(f.port.unread(), QByteArray("W21"));

        // A character a second: the bound ends the wait when it passes, before the next one.
        f.port.read(0);
        job = start(f.link.reply(ReplyKind::Setting));
        for (int s = 0; job.running() && s < 10; ++s) {
            f.timer->advance(1000);
            if (job.running()) f.port.queue("x");
        }
        QVERIFY(outcome == WaitOutcome::TimedOut);
        QCOMPARE(f.timer->nowMs(), 6000);
        QCOMPARE(f.view.messages.size(), 1);

        f.link.clearTimeout();
        job = start(f.link.probe());
        f.timer->fire();
        QVERIFY(outcome == WaitOutcome::TimedOut);
        QCOMPARE(f.port.requests, QStringList{"RA"});

        f.link.clearTimeout();
        job = start(f.link.line());
        job = Started();
        QVERIFY(!f.view.busy && !f.link.waiting());
        job = start(f.link.sync());
        f.port.pullOut();
        QVERIFY(!job.running() && !outcome);
        QVERIFY_THROWS_EXCEPTION(OperationError, std::rethrow_exception(failure));
        QCOMPARE(f.pump.idlePasses, 0);
    }

    void testTagsFillTheTestBoxes() {
        LinkFixture f;
        f.port.queue("anything\r\n");
        f.link.awaitReply(ReplyKind::LinkTest2);
        QCOMPARE(f.view.events.last(), "test2 " + Tr(LinkText::LinkOk));
    }

    void errorReportText() {
        const OperationError e(8018, Tr(LinkText::PortNotOpen));
        const QString report = Tr(PlatformText::ErrorReport).arg(Tr(LinkText::PortNotOpen), "8018");
        QCOMPARE(ErrorReportText(e, ErrorHint::Port8018), report + Tr(PlatformText::Hint8018));
        QCOMPARE(ErrorReportText(e, ErrorHint::None), report);
        // A place marker inside the description (a value from the INI) is shown as it is.
        const OperationError marked(13, "CommPort \"%1\"");
        QVERIFY(ErrorReportText(marked, ErrorHint::None).contains("CommPort \"%1\"ErrNo.=13"));
    }
};

QTEST_GUILESS_MAIN(IndicatorLinkTest)
#include "test_indicator_link.moc"
