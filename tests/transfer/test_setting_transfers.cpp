#include <QtTest>

#include "support/LinkFixture.h"
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
        LinkFixture f;
        f.answerLikeIndicator();
        SettingTransfers t(f.link);
        f.store.setModel(IndicatorModel::F800);
        t.readAllSettings();
        const QStringList f800 = Range('2', "0123456789") + Range('3', "01234567") +
                                 Range('4', "0123456") + Range('5', "012345");
        QCOMPARE(f.port.requests, f800);
        QCOMPARE(f.port.requests.size(), 31);
        // F800 codes 40 … 46 land in group 6 slots 2 … 8, 50 … 55 in group 8.
        QCOMPARE(f.store.setting(6, 2), QString("00000"));
        QCOMPARE(f.store.setting(6, 8), QString("00006"));
        QCOMPARE(f.store.setting(8, 5), QString("00005"));
        QVERIFY(f.store.setting(4, 0).isEmpty());

        LinkFixture g;
        g.answerLikeIndicator();
        SettingTransfers t805(g.link);
        t805.readAllSettings();
        const QStringList f805 = Range('2', "0123456789ABCDEF") + Range('3', "012345678") +
                                 Range('4', "01234") + Range('5', "012345") +
                                 Range('6', "0123456789") + Range('7', "01234") +
                                 Range('8', "012345") + Range('9', "01");
        QCOMPARE(g.port.requests, f805);
        QCOMPARE(g.port.requests.size(), 59);
        QCOMPARE(g.store.setting(2, 15), QString("0000F"));
        QCOMPARE(g.view.status, QString("設定値 読み込み完了"));
        QVERIFY(!g.view.progressVisible);
        QCOMPARE(g.view.redraws, 1);
        QCOMPARE(
            g.view.events.filter("progress"),
            QStringList({"progress 0", "progress 30", "progress 40", "progress 50", "progress 60",
                         "progress 80", "progress 90", "progress 100", "progress 0"}));
    }

    void readStopsAtATimeoutAndKeepsWhatCame() {
        LinkFixture f;
        f.answerLikeIndicator();
        auto answer = f.port.responder;
        f.port.responder = [answer](const QString& r) {
            return r == "W33" ? QByteArray() : answer(r);
        };
        f.store.setSetting(3, 3, "old33");
        f.store.setSetting(3, 4, "old34");
        SettingTransfers(f.link).readAllSettings();
        QVERIFY(f.link.timedOut());
        QCOMPARE(f.port.requests.last(), QString("W33"));
        QCOMPARE(f.store.setting(3, 2), QString("00002"));
        QCOMPARE(f.store.setting(3, 3), QString("old33"));
        QCOMPARE(f.store.setting(3, 4), QString("old34"));
        // The read ends as after a fault: it says it stopped and shows what came.
        QCOMPARE(f.view.status, QString("設定値 読み込み中断"));
        QCOMPARE(f.view.redraws, 1);
        QVERIFY(!f.view.progressVisible);
    }

    void writeOrderWithBatchesAndSyncs() {
        LinkFixture f;
        f.answerLikeIndicator();
        f.store.setModel(IndicatorModel::F800);
        for (const QString& code : CodesOfPlan(ReadSettingsPlan(IndicatorModel::F800)))
            f.store.setValue(code, "1" + code + "00");
        SettingTransfers(f.link).writeAllSettings();
        auto values = [&](char group, const QString& items) {
            QStringList out;
            for (QChar c : items)
                out << QString("W%1%2").arg(QLatin1Char(group)).arg(c) + "1" + QLatin1Char(group) +
                           c + "00";
            return out;
        };
        const QStringList expected = QStringList{"RA"} + values('2', "01234") + QStringList{"W00"} +
                                     values('2', "56789") + QStringList{"W00"} +
                                     values('3', "01234567") + QStringList{"W00"} +
                                     values('4', "0123456") + QStringList{"W00"} +
                                     values('5', "012345") + QStringList{"W00", "W0000000", "W00"};
        QCOMPARE(f.port.requests, expected);
        // F800's 40 and 50 come from group 6 slot 2 and group 8 slot 0.
        QCOMPARE(f.store.setting(6, 2), QString("14000"));
        QCOMPARE(f.store.setting(8, 0), QString("15000"));
        QCOMPARE(f.view.status, QString("設定値送信完了"));
        QVERIFY(!f.view.progressVisible);
        QVERIFY(f.port.unread().isEmpty());
    }

    void writeF805StatusAndProgressOrder() {
        LinkFixture f;
        f.answerLikeIndicator();
        for (const QString& code : CodesOfPlan(ReadSettingsPlan(IndicatorModel::F805)))
            f.store.setValue(code, "00001");
        SettingTransfers(f.link).writeAllSettings();
        QCOMPARE(f.port.requests.size(), 1 + 59 + 7 + 2);
        QCOMPARE(f.port.requests.filter("W00").size(), 7 + 2);
        QStringList statuses = f.view.events.filter("status ");
        QCOMPARE(statuses, QStringList({"status 設定値 20 送信中", "status 設定値 30 送信中",
                                        "status 設定値 40 送信中", "status 設定値 50 送信中",
                                        "status 設定値 60 送信中", "status 設定値 70 送信中",
                                        "status 設定値 80 送信中", "status 設定値 90 送信中",
                                        "status 設定値送信完了"}));
        // 38 goes out after the 30 … 37 batch's sync, before the 40 status.
        const int i38 = f.port.requests.indexOf("W3800001");
        QCOMPARE(f.port.requests[i38 - 1], QString("W00"));
        QCOMPARE(f.port.requests[i38 + 1], QString("W4000001"));
    }

    void writeSkipsEmptySlots() {
        // An empty slot sent as "W21" would be a read request whose unawaited reply shifts
        // every later sync by one line.
        LinkFixture f;
        f.answerLikeIndicator();
        for (const QString& code : CodesOfPlan(ReadSettingsPlan(IndicatorModel::F805)))
            f.store.setValue(code, "00001");
        f.store.setValue("21", "");
        SettingTransfers(f.link).writeAllSettings();
        QVERIFY(!f.port.requests.contains("W21"));
        QVERIFY(f.port.unread().isEmpty());
        QVERIFY(!f.link.timedOut());
    }

    void writeStopsOnlyWhenTheProbeTimesOut() {
        LinkFixture silent;
        SettingTransfers(silent.link).writeAllSettings();
        QCOMPARE(silent.port.requests, QStringList{"RA"});
        QVERIFY(!silent.view.progressVisible);

        // Probe answered, syncs silent: every value still goes out.
        LinkFixture f;
        f.port.responder = [](const QString& r) {
            return r == "RA" ? QByteArray("RA1\r\n") : QByteArray();
        };
        f.store.setModel(IndicatorModel::F800);
        for (const QString& code : CodesOfPlan(ReadSettingsPlan(IndicatorModel::F800)))
            f.store.setValue(code, "00001");
        SettingTransfers(f.link).writeAllSettings();
        QVERIFY(f.link.timedOut());
        QCOMPARE(f.view.messages.size(), 1);
        QCOMPARE(f.port.requests.size(), 1 + 31 + 5 + 2);
        QCOMPARE(f.port.requests.last(), QString("W00"));
        // The indicator confirmed nothing: the status must not claim a completed write.
        QCOMPARE(f.view.status, QString("設定値送信未完了"));
        QVERIFY(!f.view.progressVisible);
    }

    void aValueWithALineBreakEndsTheWriteWithTheReport() {
        LinkFixture f;
        f.answerLikeIndicator();
        f.store.setValue("20", "00001");
        f.store.setValue("22", "1\r\n2");
        SettingTransfers(f.link).writeAllSettings();
        QCOMPARE(f.view.messages.size(), 1);
        QVERIFY(f.view.messages[0].startsWith("エラーが発生しました。"));
        QVERIFY(f.view.messages[0].endsWith(
            "エラー番号が 8018 の場合、ポート番号を変更してみて下さい。"));
        QCOMPARE(f.port.requests.last(), QString("W2000001"));
    }

    void aLostPortIsReportedOnceAndTheStatusSaysTheRunStopped() {
        for (const bool write : {false, true}) {
            LinkFixture f;
            f.answerLikeIndicator();
            const auto answer = f.port.responder;
            f.port.responder = [&](const QString& r) {
                if (r.startsWith("W33") || r == "W00") f.port.pullOut();
                return answer(r);
            };
            for (const QString& code : CodesOfPlan(ReadSettingsPlan(IndicatorModel::F805)))
                f.store.setValue(code, "00001");
            SettingTransfers t(f.link);
            write ? t.writeAllSettings() : t.readAllSettings();
            QCOMPARE(f.view.messages.size(), 1);
            QVERIFY(f.view.messages[0].contains("ErrNo.=8018"));
            QCOMPARE(f.view.status,
                     write ? QString("設定値送信中断") : QString("設定値 読み込み中断"));
            QVERIFY(!f.view.progressVisible);
            // What was read before the port went is shown.
            QCOMPARE(f.view.redraws, write ? 0 : 1);
        }
    }
};

QTEST_GUILESS_MAIN(SettingTransfersTest)
#include "test_setting_transfers.moc"
