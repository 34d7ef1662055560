#include <QtTest>

#include "platform/OperationError.h"
#include "platform/QtSerialPort.h"
#include "support/PtyLink.h"
#include "support/RecordingView.h"
#include "support/SimProcess.h"
#include "texts/TransferTexts.h"
#include "transfer/ProductTransfers.h"

namespace {

struct Panel : ProductPanel {
    QString selectorText() const override { return text; }
    int selectedProduct() const override { return selected; }
    void selectProduct(int n) override { selected = n; }
    int targetProduct() const override { return target; }
    QString shownValue(int item) const override { return shown.value(item); }

    QString text;
    int selected = 0;
    int target = 0;
    QStringList shown;
};

// The product transfers on a real pseudo-terminal to a simulated indicator.
struct PtyProducts : PtyLink {
    explicit PtyProducts(const QStringList& simArgs = {}, int periodMs = 2000)
        : PtyLink(simArgs, periodMs), transfers(link, panel) {}
    QStringList record(int n) const {
        QStringList out;
        for (int k = 0; k < 8; ++k) out << store.product(n, k);
        return out;
    }

    Panel panel;
    ProductTransfers transfers;
};

QStringList ReadRequests(int n) {
    QStringList out{ProductSelectionRequest(n, kDefaultModel), "W00"};
    for (int k = 0; k < 8; ++k) out << QString("W1%1").arg(k);
    return out;
}

// Values that fit every product mask and differ per product and item.
QStringList ValuesFor(int n) {
    QStringList out;
    for (int k = 0; k < 8; ++k) out << QString("00%1%2").arg(n, 2, 10, QChar('0')).arg(k);
    return out;
}

}  // namespace

class ProductTransfersPtyTest : public QObject {
    Q_OBJECT
  private slots:
    void readWriteAndReadBackAllProducts_data() {
        QTest::addColumn<QString>("model");
        QTest::newRow("F805") << "805";
        QTest::newRow("F800") << "800";
    }
    void readWriteAndReadBackAllProducts() {
        QFETCH(QString, model);
        PtyProducts p({"--model", model});
        QVERIFY2(!p.sim.device().isEmpty(), "the simulator did not start");

        p.link.blocking(p.transfers.readAllProducts());
        QVERIFY(p.view.messages.isEmpty());
        QStringList reads;
        for (int n = 0; n < 100; ++n) reads << ReadRequests(n);
        QVERIFY(p.waitForRequests(reads.size()));
        QCOMPARE(p.sim.requests(), reads);
        // Each record holds its own product's values: the target (定量) differs per product.
        for (int n = 0; n < 100; ++n) {
            for (const QString& v : p.record(n)) QCOMPARE(v.size(), 5);
            if (n > 0) QVERIFY(p.store.product(n, 2) != p.store.product(n - 1, 2));
        }
        QCOMPARE(p.view.status, Tr(TransferText::ProductReadDone));

        for (int n = 0; n < 100; ++n)
            for (int k = 0; k < 8; ++k) p.store.setProduct(n, k, ValuesFor(n)[k]);
        p.link.blocking(p.transfers.writeAllProducts());
        QVERIFY(p.view.messages.isEmpty());
        QVERIFY(!p.link.timedOut());
        QCOMPARE(p.view.status, Tr(TransferText::ProductSendDone));
        QTest::qWait(0);
        QCOMPARE(p.port.bytesWaiting(), 0);  // every sync took exactly its own answer

        p.store.clearProducts();
        p.link.blocking(p.transfers.readAllProducts());
        QVERIFY(p.view.messages.isEmpty());
        for (int n = 0; n < 100; ++n) QCOMPARE(p.record(n), ValuesFor(n));
    }

    void changeProductAndWriteTheShownValues() {
        PtyProducts p;
        QVERIFY2(!p.sim.device().isEmpty(), "the simulator did not start");
        p.panel.text = "13";
        p.link.blocking(p.transfers.changeProduct());
        QCOMPARE(p.panel.selected, 13);
        QVERIFY(p.waitForRequests(2));
        QCOMPARE(p.sim.requests(), QStringList({"RA", "W0000013"}));
        p.link.sendLine("W00");
        p.link.awaitReply(ReplyKind::Setting);
        QCOMPARE(p.store.currentProduct(), 13);

        p.panel.shown = ValuesFor(42);
        p.panel.target = 42;
        p.link.blocking(p.transfers.writeShownToTarget());
        QVERIFY(p.view.messages.isEmpty());
        QVERIFY(p.store.product(42, 0).isEmpty());  // the store is not changed
        p.panel.selected = 42;
        p.link.blocking(p.transfers.readOneProduct());
        QCOMPARE(p.record(42), ValuesFor(42));
        QCOMPARE(p.view.redraws, 1);
    }

    void silentIndicatorEndsTheWriteOfShownValues() {
        PtyProducts p({"--silent"}, 50);
        QVERIFY2(!p.sim.device().isEmpty(), "the simulator did not start");
        p.panel.shown = ValuesFor(1);
        p.link.blocking(p.transfers.writeShownToAll());
        QVERIFY(p.link.timedOut());
        QCOMPARE(p.view.messages, QStringList{IndicatorLink::TimeoutMessage()});
        QVERIFY(p.waitForRequests(1));
        QCOMPARE(p.sim.requests(), QStringList{"RA"});
        QCOMPARE(p.view.status, Tr(TransferText::ProductWriteDone));
    }
};

QTEST_GUILESS_MAIN(ProductTransfersPtyTest)
#include "test_product_transfers_pty.moc"
