#include <QtTest>

#include "history/Verify.h"
#include "link/RunKinds.h"
#include "support/PtyLink.h"
#include "texts/HistoryTexts.h"
#include "texts/LinkTexts.h"
#include "transfer/ProductTransfers.h"
#include "transfer/SettingTransfers.h"

namespace {

struct Panel : ProductPanel {
    QString selectorText() const override { return {}; }
    int selectedProduct() const override { return 0; }
    void selectProduct(int) override {}
    int targetProduct() const override { return 0; }
    QString shownValue(int) const override { return {}; }
};

struct Runs : TransferListener {
    void transferRun(const TransferRun& run) override { last = run; }
    TransferRun last;
};

}  // namespace

class VerifyTest : public QObject {
    Q_OBJECT
  private slots:
    // All-write to an indicator that ignores writes to codes 21 and 33 and to product 5: the
    // read-back names exactly those values, and the window's data stay as they were.
    void readBackListsWhatTheIndicatorRefused() {
        PtyLink p({"--refuse", "21,33,p5"});
        Runs runs;
        p.link.runs().setListener(&runs);
        Panel panel;
        SettingTransfers settings(p.link);
        ProductTransfers products(p.link, panel);
        p.link.blocking(products.allRead(settings));
        for (int n = 0; n < 100; ++n)
            for (int k = 0; k < 8; ++k)
                p.store.setProduct(n, k, QString("0%1").arg(n * 10 + k, 4, 10, QChar('0')));
        for (const QString code : {"20", "21", "33"})
            p.store.setValue(code, p.store.value(code) == "00001" ? "00000" : "00001");
        const SettingsStore before = p.store;
        p.link.blocking(products.allWrite(settings));
        QVERIFY(runs.last.complete);

        const VerifyResult result = p.link.blocking(VerifyWritten(p.link, runs.last));
        QVERIFY(!result.timedOut);
        QStringList refused;
        for (const TransferValue& v : result.refused)
            refused << (v.product >= 0 ? QString("p%1/%2").arg(v.product).arg(v.code) : v.code);
        QStringList expected;
        for (int k = 0; k < 8; ++k) expected << QString("p5/1%1").arg(k);
        QCOMPARE(refused, expected + QStringList({"21", "33"}));
        QCOMPARE(VerifyStatusText(result), Tr(LinkText::NoteVerifyRefused).arg(10));
        QCOMPARE(p.store.value("21"), before.value("21"));
        // Before a write, what it would overwrite can be kept: here the indicator's own 21. The
        // read shows its progress as any read does.
        p.view.events.clear();
        const TransferRun held =
            p.link.blocking(SnapshotBefore(p.link, {{5}, {"21"}}, runkind::kWriteAllSettings));
        QCOMPARE(held.values.size(), size_t(8 + 1));
        QCOMPARE(held.values.back().value, result.readBack.value("21"));
        QCOMPARE(p.store.product(5, 0), before.product(5, 0));
        const QString values = Tr(HistoryText::BeforeWriteValues);
        QCOMPARE(p.view.events.filter(QRegularExpression("^(status|shown|hidden|progress)")),
                 QStringList({"status " + Tr(HistoryText::ReadingPlaces).arg(values), "progress 0",
                              "shown", "progress 50", "progress 100",
                              "status " + Tr(HistoryText::PlacesReadDone).arg(values), "progress 0",
                              "hidden"}));
    }

    void aTimeOutIsNeverReportedAsSuccess() {
        PtyLink p({"--silent"}, 50);
        TransferRun written;
        written.values = {{-1, "20", "00001"}};
        const VerifyResult result = p.link.blocking(VerifyWritten(p.link, written));
        QVERIFY(result.timedOut);
        QCOMPARE(VerifyStatusText(result), Tr(LinkText::NoteVerifyTimedOut));
        QCOMPARE(p.view.status,
                 Tr(HistoryText::PlacesReadStopped).arg(Tr(HistoryText::WrittenValues)));
        QVERIFY(!p.view.progressVisible);
    }
};

QTEST_GUILESS_MAIN(VerifyTest)
#include "test_verify.moc"
