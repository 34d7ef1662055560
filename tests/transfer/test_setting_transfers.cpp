#include <QtTest>

#include "support/LinkFixture.h"
#include "texts/LinkTexts.h"
#include "texts/TransferTexts.h"
#include "transfer/SettingPlan.h"
#include "transfer/SettingTransfers.h"

namespace {

QStringList Range(char group, const QString& items) {
    QStringList out;
    for (QChar c : items) out << QString("W") + QLatin1Char(group) + c;
    return out;
}

}  // namespace

class SettingTransfersTest : public QObject {
    Q_OBJECT
  private slots:
    void readOrderPerModel() {
        SimLinkFixture f;
        f.port.setModel(SimModel::F800);
        SettingTransfers t(f.link);
        f.store.setModel(IndicatorModel::F800);
        f.link.blocking(t.readAllSettings());
        const QStringList f800 = Range('2', "0123456789") + Range('3', "01234567") +
                                 Range('4', "0123456") + Range('5', "012345");
        QCOMPARE(f.port.requests, f800);
        QCOMPARE(f.port.requests.size(), 31);
        // F800 codes 40 … 46 land in group 6 slots 2 … 8, 50 … 55 in group 8.
        QCOMPARE(f.store.setting(6, 2), QString(f.port.indicator().setting("40")));
        QCOMPARE(f.store.setting(6, 8), QString(f.port.indicator().setting("46")));
        QCOMPARE(f.store.setting(8, 5), QString(f.port.indicator().setting("55")));
        QVERIFY(f.store.setting(4, 0).isEmpty());

        SimLinkFixture g;
        SettingTransfers t805(g.link);
        g.link.blocking(t805.readAllSettings());
        const QStringList f805 = Range('2', "0123456789ABCDEF") + Range('3', "012345678") +
                                 Range('4', "01234") + Range('5', "012345") +
                                 Range('6', "0123456789") + Range('7', "01234") +
                                 Range('8', "012345") + Range('9', "01");
        QCOMPARE(g.port.requests, f805);
        QCOMPARE(g.port.requests.size(), 59);
        QCOMPARE(g.store.setting(2, 15), QString(g.port.indicator().setting("2F")));
        QCOMPARE(g.view.status, Tr(TransferText::SettingsReadDone));
        QVERIFY(!g.view.progressVisible);
        QCOMPARE(g.view.redraws, 1);
        QCOMPARE(
            g.view.events.filter("progress"),
            QStringList({"progress 0", "progress 30", "progress 40", "progress 50", "progress 60",
                         "progress 80", "progress 90", "progress 100", "progress 0"}));
    }

    // Replies that are not the ones asked for: the read keeps its sequence and stores what
    // came, then says it is not whole, in the status and in one message; the run is incomplete.
    void anIncompleteReadSaysSo_data() {
        QTest::addColumn<QString>("peer");
        QTest::addColumn<QString>("named");
        QTest::newRow("a corrupted byte") << "corrupt"
                                          << "W33";
        const QString from21 = "W21, W22, W23, W24, W25" + Tr(LinkText::AndMore).arg(53);
        QTest::newRow("one stray line") << "stray" << from21;
        QTest::newRow("every answer twice") << "double" << from21;
        QTest::newRow("junk lines") << "junk"
                                    << "W20, W21, W22, W23, W24" + Tr(LinkText::AndMore).arg(54);
    }
    void anIncompleteReadSaysSo() {
        QFETCH(QString, peer);
        QFETCH(QString, named);
        HeardRuns runs;
        SimLinkFixture f;
        f.port.alter = [&](const QString& r, const QByteArray& reply) -> QByteArray {
            if (peer == "corrupt" && r == "W33") return "W33?0001\r\n";
            if (peer == "stray" && r == "W20") return reply + "W0000042\r\n";
            if (peer == "double") return reply + reply;
            if (peer == "junk") return "junk\r\n";
            return reply;
        };
        f.link.runs().setListener(&runs);
        f.link.blocking(SettingTransfers(f.link).readAllSettings());
        QCOMPARE(f.port.requests.size(), 59);
        QCOMPARE(f.view.messages, QStringList{Tr(LinkText::NotReadWhole) + named});
        QCOMPARE(f.view.status, Tr(TransferText::SettingsReadIncomplete));
        QCOMPARE(f.view.redraws, 1);
        // A read that stored nothing has no run to keep.
        QCOMPARE(runs.got.size(), size_t(peer == "junk" ? 0 : 1));
        for (const TransferRun& run : runs.got) QVERIFY(!run.complete);
    }

    void readStopsAtATimeoutAndKeepsWhatCame() {
        SimLinkFixture f;
        f.port.alter = [](const QString& r, const QByteArray& reply) {
            return r == "W33" ? QByteArray() : reply;
        };
        f.store.setSetting(3, 3, "old33");
        f.store.setSetting(3, 4, "old34");
        f.link.blocking(SettingTransfers(f.link).readAllSettings());
        QVERIFY(f.link.timedOut());
        QCOMPARE(f.port.requests.last(), QString("W33"));
        QCOMPARE(f.store.setting(3, 2), QString(f.port.indicator().setting("32")));
        QCOMPARE(f.store.setting(3, 3), QString("old33"));
        QCOMPARE(f.store.setting(3, 4), QString("old34"));
        // The read ends as after a fault: it says it stopped and shows what came.
        QCOMPARE(f.view.status, Tr(TransferText::SettingsReadStopped));
        QCOMPARE(f.view.redraws, 1);
        QVERIFY(!f.view.progressVisible);
    }

    void writeOrderWithBatchesAndSyncs() {
        SimLinkFixture f;
        f.port.setModel(SimModel::F800);
        f.store.setModel(IndicatorModel::F800);
        // Values that fit, from a read, and two of them told apart.
        SettingTransfers t(f.link);
        f.link.blocking(t.readAllSettings());
        f.port.requests.clear();
        f.store.setValue("40", "12345");
        f.store.setValue("50", "54321");
        f.link.blocking(t.writeAllSettings());
        auto values = [&](char group, const QString& items) {
            QStringList out;
            for (QChar c : items) {
                const QString code = QString(QLatin1Char(group)) + c;
                out << "W" + code + f.store.value(code);
            }
            return out;
        };
        const QStringList expected = QStringList{"RA"} + values('2', "01234") + QStringList{"W00"} +
                                     values('2', "56789") + QStringList{"W00"} +
                                     values('3', "01234567") + QStringList{"W00"} +
                                     values('4', "0123456") + QStringList{"W00"} +
                                     values('5', "012345") + QStringList{"W00", "W0000000", "W00"};
        QCOMPARE(f.port.requests, expected);
        // F800's 40 and 50 come from group 6 slot 2 and group 8 slot 0.
        QCOMPARE(f.store.setting(6, 2), QString("12345"));
        QCOMPARE(f.store.setting(8, 0), QString("54321"));
        QVERIFY(f.port.requests.contains("W4012345") && f.port.requests.contains("W5054321"));
        QCOMPARE(f.view.status, Tr(TransferText::SettingsSendDone));
        QVERIFY(!f.view.progressVisible);
        QVERIFY(f.port.unread().isEmpty());
    }

    void writeF805StatusAndProgressOrder() {
        SimLinkFixture f;
        for (const QString& code : CodesOfPlan(ReadSettingsPlan(IndicatorModel::F805)))
            f.store.setValue(code, "00001");
        f.link.blocking(SettingTransfers(f.link).writeAllSettings());
        QCOMPARE(f.port.requests.size(), 1 + 59 + 7 + 2);
        QCOMPARE(f.port.requests.filter("W00").size(), 7 + 2);
        QStringList statuses = f.view.events.filter("status ");
        QStringList expected;
        for (int group = 20; group <= 90; group += 10)
            expected << "status " + Tr(TransferText::SettingsSending).arg(group);
        QCOMPARE(statuses, expected << "status " + Tr(TransferText::SettingsSendDone));
        // 38 goes out after the 30 … 37 batch's sync, before the 40 status.
        const int i38 = f.port.requests.indexOf("W3800001");
        QCOMPARE(f.port.requests[i38 - 1], QString("W00"));
        QCOMPARE(f.port.requests[i38 + 1], QString("W4000001"));
    }

    void writeSkipsEmptySlots() {
        // An empty slot sent as "W21" would be a read request whose unawaited reply shifts
        // every later sync by one line.
        SimLinkFixture f;
        for (const QString& code : CodesOfPlan(ReadSettingsPlan(IndicatorModel::F805)))
            f.store.setValue(code, "00001");
        f.store.setValue("21", "");
        f.link.blocking(SettingTransfers(f.link).writeAllSettings());
        QVERIFY(!f.port.requests.contains("W21"));
        QVERIFY(f.port.unread().isEmpty());
        QVERIFY(!f.link.timedOut());
    }

    void writeStopsOnlyWhenTheProbeTimesOut() {
        SimLinkFixture silent;
        silent.port.answerFirst = 0;
        silent.link.blocking(SettingTransfers(silent.link).writeAllSettings());
        QCOMPARE(silent.port.requests, QStringList{"RA"});
        QVERIFY(!silent.view.progressVisible);

        // Probe answered, syncs silent: every value still goes out.
        SimLinkFixture f;
        f.port.setModel(SimModel::F800);
        f.port.answerFirst = 1;
        f.store.setModel(IndicatorModel::F800);
        for (const QString& code : CodesOfPlan(ReadSettingsPlan(IndicatorModel::F800)))
            f.store.setValue(code, "00001");
        f.link.blocking(SettingTransfers(f.link).writeAllSettings());
        QVERIFY(f.link.timedOut());
        QCOMPARE(f.view.messages.size(), 1);
        QCOMPARE(f.port.requests.size(), 1 + 31 + 5 + 2);
        QCOMPARE(f.port.requests.last(), QString("W00"));
        // The indicator confirmed nothing: the status must not claim a completed write.
        QCOMPARE(f.view.status, Tr(TransferText::SettingsSendIncomplete));
        QVERIFY(!f.view.progressVisible);
    }

    // Every value is checked before the first request: one that does not fit its code sends
    // nothing, and one message names them all.
    void valuesThatDoNotFitSendNothing_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<QStringList>("codeValues");  // code, value, code, value, …
        QTest::addColumn<QString>("named");           // empty: the write goes out
        QTest::newRow("letters") << 805 << QStringList{"20", "ABCDE", "22", "9Z9Z9"} << "W20, W22";
        QTest::newRow("a line break") << 805 << QStringList{"22", "1\r\n2"} << "W22";
        QTest::newRow("a digit over the mask") << 805 << QStringList{"21", "00002"} << "W21";
        QTest::newRow("zone 0") << 805 << QStringList{"68", "00000"} << "W68";
        QTest::newRow("too short") << 800 << QStringList{"33", "0319"} << "W33";
        QTest::newRow("F800 display rate 3") << 800 << QStringList{"45", "03314"} << "";
    }
    void valuesThatDoNotFitSendNothing() {
        QFETCH(int, model);
        QFETCH(QStringList, codeValues);
        QFETCH(QString, named);
        SimLinkFixture f;
        f.port.setModel(SimModel(model));
        f.store.setModel(IndicatorModel(model));
        for (const QString& code : CodesOfPlan(ReadSettingsPlan(f.store.model())))
            f.store.setValue(code, "00001");
        for (int i = 0; i + 1 < codeValues.size(); i += 2)
            f.store.setValue(codeValues[i], codeValues[i + 1]);
        f.link.blocking(SettingTransfers(f.link).writeAllSettings());
        if (named.isEmpty()) {
            QVERIFY(f.view.messages.isEmpty());
            QCOMPARE(f.view.status, Tr(TransferText::SettingsSendDone));
            return;
        }
        QVERIFY(f.port.requests.isEmpty());
        QCOMPARE(f.view.messages, QStringList{Tr(TransferText::InvalidStored) + ": " + named});
    }

    void aLostPortIsReportedOnceAndTheStatusSaysTheRunStopped() {
        for (const bool write : {false, true}) {
            SimLinkFixture f;
            f.port.alter = [&](const QString& r, const QByteArray& reply) {
                if (r.startsWith("W33") || r == "W00") f.port.pullOut();
                return reply;
            };
            for (const QString& code : CodesOfPlan(ReadSettingsPlan(IndicatorModel::F805)))
                f.store.setValue(code, "00001");
            SettingTransfers t(f.link);
            if (write)
                f.link.blocking(t.writeAllSettings());
            else
                f.link.blocking(t.readAllSettings());
            QCOMPARE(f.view.messages.size(), 1);
            QVERIFY(f.view.messages[0].contains("ErrNo.=8018"));
            QCOMPARE(f.view.status, write ? Tr(TransferText::SettingsSendStopped)
                                          : Tr(TransferText::SettingsReadStopped));
            QVERIFY(!f.view.progressVisible);
            // What was read before the port went is shown.
            QCOMPARE(f.view.redraws, write ? 0 : 1);
        }
    }
};

QTEST_GUILESS_MAIN(SettingTransfersTest)
#include "test_setting_transfers.moc"
