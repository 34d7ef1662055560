#include <QtTest>

#include "platform/OperationError.h"
#include "platform/QtSerialPort.h"
#include "support/PtyLink.h"
#include "support/RecordingView.h"
#include "support/SimProcess.h"
#include "texts/TransferTexts.h"
#include "transfer/SettingTransfers.h"

namespace {

// "2:0-F" style: the codes of one group's item range.
QStringList Codes(const QString& group, const QString& items) {
    QStringList out;
    for (QChar c : items) out << group + c;
    return out;
}

const QStringList kF805Codes = Codes("2", "0123456789ABCDEF") + Codes("3", "012345678") +
                               Codes("4", "01234") + Codes("5", "012345") +
                               Codes("6", "0123456789") + Codes("7", "01234") +
                               Codes("8", "012345") + Codes("9", "01");
const QStringList kF800Codes = Codes("2", "0123456789") + Codes("3", "01234567") +
                               Codes("4", "0123456") + Codes("5", "012345");

// What the indicator receives from a whole-set write: the probe, the values in their batches
// with a W00 after each batch, then the product 0 selection and the closing query.
QStringList ExpectedWrite(const QStringList& codes, const QList<int>& syncAfter,
                          const SettingsStore& store) {
    QStringList out{"RA"};
    for (int i = 0; i < codes.size(); ++i) {
        out << "W" + codes[i] + store.value(codes[i]);
        if (syncAfter.contains(i)) out << "W00";
    }
    return out << "W0000000"
               << "W00";
}

}  // namespace

class LinkPtyTest : public QObject {
    Q_OBJECT
  private slots:
    void readAndWriteAllSettings_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QList<int>>("syncAfter");  // indexes into codes after which a sync follows
        // F805: 20-24 | 25-2F | 30-37 | 38 40-44 | 50-55 | 60-69 | 70-74 80-85 | 90 91
        QTest::newRow("F805") << 805 << kF805Codes << QList<int>{4, 15, 23, 29, 35, 45, 56};
        // F800: 20-24 | 25-29 | 30-37 | 40-46 | 50-55 then the sync
        QTest::newRow("F800") << 800 << kF800Codes << QList<int>{4, 9, 17, 24, 30};
    }
    void readAndWriteAllSettings() {
        QFETCH(int, model);
        QFETCH(QStringList, codes);
        QFETCH(QList<int>, syncAfter);
        PtyLink p({"--model", QString::number(model)});
        QVERIFY2(!p.sim.device().isEmpty(), "the simulator did not start");
        p.store.setModel(static_cast<IndicatorModel>(model));
        SettingTransfers transfers(p.link);

        p.link.blocking(transfers.readAllSettings());
        QVERIFY(p.view.messages.isEmpty());
        QVERIFY(!p.link.timedOut());
        QStringList reads;
        for (const QString& c : codes) reads << "W" + c;
        QVERIFY(p.waitForRequests(reads.size()));
        QCOMPARE(p.sim.requests(), reads);
        for (const QString& c : codes) QCOMPARE(p.store.value(c).size(), 5);

        p.link.blocking(transfers.writeAllSettings());
        QVERIFY(p.view.messages.isEmpty());
        QVERIFY(!p.link.timedOut());
        const QStringList expected = reads + ExpectedWrite(codes, syncAfter, p.store);
        QVERIFY(p.waitForRequests(expected.size()));
        QCOMPARE(p.sim.requests(), expected);
        QCOMPARE(p.view.status, Tr(TransferText::SettingsSendDone));
        // Nothing is left over on the line: every sync consumed exactly its own answer.
        QTest::qWait(0);
        QCOMPARE(p.port.bytesWaiting(), 0);
    }

    void twoLinesAtOnceLeaveTheSecondQueued() {
        PtyLink p({"--double"});
        p.link.sendLine("W20");
        p.link.awaitReply(ReplyKind::Setting);
        const QString first = p.store.setting(2, 0);
        QCOMPARE(first.size(), 5);
        p.store.setSetting(2, 0, "");
        p.link.awaitReply(ReplyKind::Setting);  // the second copy was already queued
        QCOMPARE(p.store.setting(2, 0), first);
        QCOMPARE(p.sim.requests(), QStringList{"W20"});
    }

    void tricklingReplyDoesNotTimeOut() {
        // One character every 60 ms against a 1000 ms period: the ten characters take some
        // 600 ms, within the wait's bound of a period and the line's time (a wide margin for a
        // loaded machine).
        PtyLink p({"--trickle", "60"}, 1000);
        p.link.sendLine("W2A");
        p.link.awaitReply(ReplyKind::Setting);
        QVERIFY(!p.link.timedOut());
        QCOMPARE(p.store.setting(2, 10).size(), 5);
    }

    void silentIndicatorTimesOut() {
        PtyLink p({"--silent"}, 50);
        p.link.blocking(SettingTransfers(p.link).readAllSettings());
        QVERIFY(p.link.timedOut());
        QCOMPARE(p.view.messages, QStringList{IndicatorLink::TimeoutMessage()});
        QCOMPARE(p.view.status, Tr(TransferText::SettingsReadStopped));
    }

    void secondOperationDuringAWaitIsRefused() {
        PtyLink p({"--delay", "300"});
        auto first = p.link.beginOperation();
        QVERIFY(first);
        bool secondRefused = false;
        QTimer::singleShot(50, [&] {
            auto second = p.link.beginOperation();
            secondRefused = !second;
            if (second) p.link.sendLine("W21");
        });
        p.link.sendLine("W20");
        p.link.awaitReply(ReplyKind::Setting);
        QVERIFY(secondRefused);
        QCOMPARE(p.view.beeps, 1);
        QCOMPARE(p.store.setting(2, 0).size(), 5);
        QCOMPARE(p.sim.requests(), QStringList{"W20"});
    }

    void vanishingIndicatorEndsTheWaitAtOnce() {
        PtyLink p({"--silent"}, 60000);
        p.link.sendLine("W20");
        QTimer::singleShot(100, [&] { p.sim.stop(); });
        bool failed = false;
        try {
            p.link.awaitReply(ReplyKind::Setting);
        } catch (const OperationError& e) {
            failed = true;
            QCOMPARE(e.number, ErrNo::kPortNotOpen);
            // The reason is the operator's, not the system's English.
            QVERIFY2(!QString(e.description)
                          .remove(p.sim.device())
                          .contains(QRegularExpression("[A-Za-z]{3}")),
                     qPrintable(e.description));
        }
        QVERIFY(failed);
        QVERIFY(!p.link.timedOut());
        QVERIFY(!p.view.busy);
    }

    // The device itself is held, not its name: a second open under the same name or through
    // a link to it is refused with the "in use" message, and the device is free once closed.
    void secondOpenOfAHeldPortIsRefused_data() {
        QTest::addColumn<bool>("throughALink");
        QTest::newRow("same name") << false;
        QTest::newRow("a link to it") << true;
    }
    void secondOpenOfAHeldPortIsRefused() {
        QFETCH(bool, throughALink);
        PtyLink p;
        QTemporaryDir dir;
        const QString name = throughALink ? dir.filePath("by-id-indicator") : p.sim.device();
        if (throughALink) QVERIFY(QFile::link(p.sim.device(), name));
        QtSerialPort other([&](int) { return name; });
        try {
            other.open();
            QFAIL("opened twice");
        } catch (const OperationError& e) {
            QCOMPARE(e.number, ErrNo::kPortAlreadyOpen);
            QCOMPARE(e.description, DeviceBusyText(name));
        }
        p.port.close();
        other.open();
        QVERIFY(other.isOpen());
    }

    void missingDeviceIs8002() {
        QtSerialPort port([](int) { return QString("/dev/rusk-no-such-device"); });
        try {
            port.open();
            QFAIL("opened a missing device");
        } catch (const OperationError& e) {
            QCOMPARE(e.number, ErrNo::kInvalidPort);
        }
        QVERIFY_THROWS_EXCEPTION(OperationError, port.write("RA\r"));
    }
};

QTEST_GUILESS_MAIN(LinkPtyTest)
#include "test_link_pty.moc"
