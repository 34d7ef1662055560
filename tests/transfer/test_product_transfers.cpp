#include <QtTest>
#include <array>

#include "link/RunKinds.h"
#include "model/Catalogue.h"
#include "support/LinkFixture.h"
#include "texts/Language.h"
#include "texts/LinkTexts.h"
#include "texts/PlatformTexts.h"
#include "texts/TransferTexts.h"
#include "transfer/ProductTransfers.h"
#include "transfer/SettingTransfers.h"

namespace {

// The product tab: the selector, the target list and the eight boxes.
struct FakePanel : ProductPanel {
    QString selectorText() const override { return text; }
    int selectedProduct() const override { return selected; }
    void selectProduct(int n) override { selected = n; }
    int targetProduct() const override { return target; }
    QString shownValue(int item) const override {
        ++reads;
        return shown.value(item);
    }

    QString text;
    int selected = 0;
    int target = 0;
    QStringList shown{"00200", "00050", "01000", "00010", "00010", "00005", "00020", "00015"};
    mutable int reads = 0;
};

// The simulated indicator's 100 product records, seeded so that every value differs from the
// others and fits its mask, with a test's own turns on top: another number reported for "W00",
// and any request answered its own way.
struct ProductIndicator {
    explicit ProductIndicator(SimLinkFixture& f) : f(f) {
        for (int n = 0; n < 100; ++n) {
            select(n);
            for (int k = 0; k < 8; ++k)
                f.port.indicator().handle(
                    QString("W1%1%2").arg(k).arg(n * 8 + k, 5, 10, QChar('0')).toLatin1());
        }
        select(0);
        f.port.alter = [this](const QString& r, const QByteArray& reply) {
            if (hook) {
                const QByteArray custom = hook(r);
                if (!custom.isNull()) return custom;
            }
            if (r == "W00" && reported >= 0)
                return QString("W00%1\r\n").arg(reported, 5, 10, QChar('0')).toLatin1();
            return reply;
        };
    }
    int current() const { return f.port.indicator().currentProduct(); }
    void select(int n) {
        f.port.indicator().handle(QString("W00%1").arg(n, 5, 10, QChar('0')).toLatin1());
    }
    QString value(int n, int k) const { return f.port.indicator().productValue(n, k); }
    QStringList record(int n) const {
        QStringList out;
        for (int k = 0; k < 8; ++k) out << value(n, k);
        return out;
    }

    SimLinkFixture& f;
    int reported = -1;  // a number to report for "W00" instead of the current one
    // Answers a request its own way; a null result falls back to the indicator's answer.
    std::function<QByteArray(const QString&)> hook;
};

QStringList ReadRequests(int n) {
    QStringList out{QString("W00%1").arg(n, 5, 10, QChar('0')), "W00"};
    for (int k = 0; k < 8; ++k) out << QString("W1%1").arg(k);
    return out;
}

QStringList WriteRequests(int n, const QStringList& values) {
    QStringList out{"RA", QString("W00%1").arg(n, 5, 10, QChar('0'))};
    for (int k = 0; k < 8; ++k) out << QString("W1%1").arg(k) + values[k];
    return out << "W00";
}

void FillStore(SettingsStore& store) {
    for (int n = 0; n < 100; ++n)
        for (int k = 0; k < 8; ++k)
            store.setProduct(n, k, QString("00%1").arg(n * 10 % 1000, 3, 10, QChar('0')));
}

QStringList Record(const SettingsStore& store, int n) {
    QStringList out;
    for (int k = 0; k < 8; ++k) out << store.product(n, k);
    return out;
}

}  // namespace

class ProductTransfersTest : public QObject {
    Q_OBJECT
  private slots:
    // ---- changing the indicator's product ----
    void changeProduct_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selected");  // -1: refused
        QTest::newRow("7") << "7" << 7;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("99") << "99" << 99;
        QTest::newRow("whole part") << "12.9" << 12;
        QTest::newRow("leading blanks") << "  42" << 42;
        QTest::newRow("trailing letters") << "5ab" << 5;
        QTest::newRow("no digits counts as 0") << "abc" << 0;
        QTest::newRow("empty counts as 0") << "" << 0;
        QTest::newRow("100") << "100" << -1;
        QTest::newRow("150") << "150" << -1;
        QTest::newRow("negative") << "-3" << -1;
        QTest::newRow("huge") << "99999999999999999999999" << -1;
    }
    // A box's text is worked out when it is shown, in the language of that moment.
    void boxTextsFollowTheLanguage() {
        QVERIFY(texts::UseLanguage(texts::kEnglish));
        SimLinkFixture f;
        ProductIndicator ind(f);
        FakePanel panel;
        panel.text = "150";
        f.link.blocking(ProductTransfers(f.link, panel).changeProduct());
        const QString english = Tr(TransferText::InvalidProduct);
        QVERIFY(texts::UseLanguage(texts::kJapanese));
        QCOMPARE(f.view.messages, QStringList{english});
        QVERIFY(english != Tr(TransferText::InvalidProduct));
    }
    void changeProduct() {
        QFETCH(QString, text);
        QFETCH(int, selected);
        SimLinkFixture f;
        ProductIndicator ind(f);
        FakePanel panel;
        panel.text = text;
        panel.selected = 33;
        f.link.blocking(ProductTransfers(f.link, panel).changeProduct());
        if (selected < 0) {
            QCOMPARE(f.view.messages, QStringList{Tr(TransferText::InvalidProduct)});
            QVERIFY(f.port.requests.isEmpty());
            QCOMPARE(panel.selected, 33);
            return;
        }
        QVERIFY(f.view.messages.isEmpty());
        QCOMPARE(panel.selected, selected);
        QCOMPARE(f.port.requests,
                 QStringList({"RA", QString("W00%1").arg(selected, 5, 10, QChar('0'))}));
        QCOMPARE(ind.current(), selected);
        QCOMPARE(f.view.redraws, 0);
    }

    void changeProductStopsWhenTheProbeTimesOut() {
        LinkFixture f;
        FakePanel panel;
        panel.text = "7";
        f.link.blocking(ProductTransfers(f.link, panel).changeProduct());
        QVERIFY(f.link.timedOut());
        QCOMPARE(f.port.requests, QStringList{"RA"});
        QCOMPARE(f.view.messages, QStringList{IndicatorLink::TimeoutMessage()});
    }

    // ---- reading ----
    void readOneProduct_data() {
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("reported");  // what the indicator answers to "W00"; -1: selected
        QTest::addColumn<int>("record");    // where the values land; -1: nowhere
        QTest::newRow("product 5") << 5 << -1 << 5;
        // The values go to the record the indicator names, not necessarily the selected one.
        QTest::newRow("indicator reports 12") << 5 << 12 << 12;
        QTest::newRow("no selection") << -1 << -1 << -1;
    }
    void readOneProduct() {
        QFETCH(int, selected);
        QFETCH(int, reported);
        QFETCH(int, record);
        SimLinkFixture f;
        ProductIndicator ind(f);
        ind.reported = reported;
        FakePanel panel;
        panel.selected = selected;
        f.store.setProduct(4, 0, "keep4");
        f.link.blocking(ProductTransfers(f.link, panel).readOneProduct());
        QCOMPARE(f.view.redraws, 1);
        QCOMPARE(f.store.product(4, 0), QString("keep4"));
        if (record < 0) {
            QVERIFY(f.port.requests.isEmpty());
            QCOMPARE(f.view.messages.size(), 1);
            QVERIFY(f.view.messages[0].contains("ErrNo.=9"));
            return;
        }
        QCOMPARE(f.port.requests, ReadRequests(selected));
        QCOMPARE(Record(f.store, record), ind.record(selected));
        QCOMPARE(f.store.currentProduct(), record);
        if (record != selected) QVERIFY(f.store.product(selected, 0).isEmpty());
        // Values of another product are no read of the one asked for.
        QCOMPARE(f.view.messages, record == selected
                                      ? QStringList{}
                                      : QStringList{Tr(LinkText::NotReadWhole) +
                                                    Tr(LinkText::ProductPlace).arg(selected)});
    }

    void anAnswerWithoutAProductNumberStoresNothing() {
        // Without the number the values would land in the previously read record.
        SimLinkFixture f;
        ProductIndicator ind(f);
        ind.hook = [](const QString& r) {
            return r == "W00" ? QByteArray("E1\r\n") : QByteArray();
        };
        f.store.setCurrentProduct(3);
        f.store.setProduct(3, 0, "keep3");
        FakePanel panel;
        panel.selected = 5;
        f.link.blocking(ProductTransfers(f.link, panel).readOneProduct());
        QCOMPARE(f.view.messages.size(), 1);
        QVERIFY(f.view.messages[0].endsWith(Tr(PlatformText::Hint8018)));
        QCOMPARE(f.store.product(3, 0), QString("keep3"));
        QVERIFY(f.store.product(5, 0).isEmpty());
        QCOMPARE(f.store.currentProduct(), 3);
        QCOMPARE(f.port.requests, ReadRequests(5).mid(0, 2));
        QCOMPARE(f.view.redraws, 1);
    }

    void readOneProductTimesOutAndStillRedraws() {
        SimLinkFixture f;
        ProductIndicator ind(f);
        ind.hook = [](const QString& r) { return r == "W13" ? QByteArray("") : QByteArray(); };
        FakePanel panel;
        panel.selected = 8;
        f.link.blocking(ProductTransfers(f.link, panel).readOneProduct());
        QVERIFY(f.link.timedOut());
        QCOMPARE(f.port.requests, ReadRequests(8).mid(0, 6));
        QCOMPARE(f.store.product(8, 2), ind.value(8, 2));
        QVERIFY(f.store.product(8, 3).isEmpty());
        QCOMPARE(f.view.redraws, 1);
    }

    void readAllProducts() {
        SimLinkFixture f;
        ProductIndicator ind(f);
        FakePanel panel;
        f.link.blocking(ProductTransfers(f.link, panel).readAllProducts());
        QStringList expected;
        for (int n = 0; n < 100; ++n) expected << ReadRequests(n);
        QCOMPARE(f.port.requests, expected);
        for (int n = 0; n < 100; ++n) QCOMPARE(Record(f.store, n), ind.record(n));
        const QStringList statuses = f.view.events.filter("status ");
        QCOMPARE(statuses.size(), 101);
        QCOMPARE(statuses[7], "status " + Tr(TransferText::ProductReading).arg(7));
        QCOMPARE(statuses.last(), "status " + Tr(TransferText::ProductReadDone));
        const QStringList progress = f.view.events.filter("progress ");
        QCOMPARE(progress.first(), QString("progress 0"));
        QCOMPARE(progress[progress.size() - 2], QString("progress 99"));
        QCOMPARE(progress.last(), QString("progress 0"));
        QVERIFY(!f.view.progressVisible);
        QCOMPARE(f.view.redraws, 1);
        QVERIFY(f.view.messages.isEmpty());
    }

    void readAllProductsTimeOutKeepsWhatCame() {
        SimLinkFixture f;
        ProductIndicator ind(f);
        ind.hook = [&ind](const QString& r) {
            return ind.current() == 3 && r == "W13" ? QByteArray("") : QByteArray();
        };
        f.store.setProduct(3, 3, "old33");
        f.store.setProduct(4, 0, "old40");
        FakePanel panel;
        f.link.blocking(ProductTransfers(f.link, panel).readAllProducts());
        QVERIFY(f.link.timedOut());
        QCOMPARE(f.port.requests.last(), QString("W13"));
        QCOMPARE(f.port.requests.size(), 3 * 10 + 6);
        QCOMPARE(f.store.product(2, 7), ind.value(2, 7));
        QCOMPARE(f.store.product(3, 2), ind.value(3, 2));
        QCOMPARE(f.store.product(3, 3), QString("old33"));
        QCOMPARE(f.store.product(4, 0), QString("old40"));
        QCOMPARE(f.view.messages, QStringList{IndicatorLink::TimeoutMessage()});
        // The completion step runs after a time-out too.
        QCOMPARE(f.view.status, Tr(TransferText::ProductReadDone));
        QVERIFY(!f.view.progressVisible);
        QCOMPARE(f.view.redraws, 1);
    }

    // The command line leaves the indicator on its product: it asks for it first and selects
    // it again after the last product, however the read ends, and the run notes that.
    void keepingTheIndicatorsProduct_data() {
        QTest::addColumn<QString>("end");
        QTest::addColumn<int>("requests");  // the selection back included
        QTest::newRow("whole") << "whole" << 1 + 100 * 10 + 1;
        QTest::newRow("time-out at product 3's W13") << "time-out" << 1 + 3 * 10 + 6 + 1;
        QTest::newRow("stop before product 3") << "stop" << 1 + 3 * 10 + 1;
        QTest::newRow("junk product number at 3") << "fault" << 1 + 3 * 10 + 2 + 1;
    }
    void keepingTheIndicatorsProduct() {
        QFETCH(QString, end);
        QFETCH(int, requests);
        HeardRuns runs;
        SimLinkFixture f;
        ProductIndicator ind(f);
        ind.select(42);
        ind.hook = [&](const QString& r) {
            if (ind.current() != 3) return QByteArray();
            if (end == "time-out" && r == "W13") return QByteArray("");
            if (end == "fault" && r == "W00") return QByteArray("W00000a5\r\n");
            return QByteArray();
        };
        if (end == "stop")
            f.link.setStopAsked([&] { return f.port.requests.size() >= 1 + 3 * 10; });
        f.link.runs().setListener(&runs);
        FakePanel panel;
        ProductTransfers t(f.link, panel);
        t.setKeepIndicatorProduct(true);
        f.link.blocking(t.readAllProducts());
        QCOMPARE(f.port.requests.first(), QString("W00"));
        QCOMPARE(f.port.requests.size(), requests);
        QCOMPARE(f.port.requests.last(), QString("W0000042"));
        QCOMPARE(ind.current(), 42);
        QCOMPARE(runs.got.size(), size_t(1));
        QCOMPARE(runs.notes, QStringList{RunNote(runkind::kProductRestored, {"42"})});
        QCOMPARE(runs.got[0].complete, end == "whole");
        QCOMPARE(f.view.messages.size(), end == "whole" || end == "stop" ? 0 : 1);
    }

    // A read that ran to its end keeps its settled sequence and stores what came, but says it
    // is not whole: all-read names what did not come once, at its end.
    void allReadNamesWhatItCouldNotReadOnce() {
        HeardRuns runs;
        SimLinkFixture f;
        f.port.alter = [&](const QString& r, const QByteArray& reply) {
            if (r == "W33") return QByteArray("W33?0001\r\n");
            if (r == "W12" && f.port.indicator().currentProduct() == 12)
                return QByteArray("W12?1125\r\n");
            return reply;
        };
        f.link.runs().setListener(&runs);
        FakePanel panel;
        SettingTransfers settingTransfers(f.link);
        f.link.blocking(ProductTransfers(f.link, panel).allRead(settingTransfers));
        QCOMPARE(f.port.requests.size(), 100 * 10 + 59);
        QCOMPARE(f.store.value("33"), QString("?0001"));
        QCOMPARE(f.store.product(12, 2), QString("?1125"));
        QCOMPARE(f.view.messages,
                 QStringList{Tr(LinkText::NotReadWhole) +
                             Tr(LinkText::ProductItemPlace).arg(12).arg(ProductItemLabels()[2]) +
                             ", W33"});
        QCOMPARE(f.view.status, Tr(TransferText::SettingsReadIncomplete));
        QVERIFY(f.view.events.contains("status " + Tr(TransferText::ProductReadIncomplete)));
        QCOMPARE(runs.got.size(), size_t(1));
        QVERIFY(!runs.got[0].complete);
    }

    // One fault, one message: the run of all products ends there, the status says it stopped,
    // what came in is shown, and all-read or all-write does not start its settings half.
    void oneFaultEndsTheRunWithOneReport_data() {
        QTest::addColumn<QString>("op");     // readAll, allRead, writeAll, allWrite, shownToAll
        QTest::addColumn<QString>("fault");  // what happens at product 30
        QTest::addColumn<QString>("said");   // in the one message
        QTest::addColumn<QString>("status");
        QTest::newRow("junk product number")
            << "readAll"
            << "W00000a5" << Tr(TransferText::NoProductNumber).arg("「W00000a5」")
            << Tr(TransferText::ProductReadStopped);
        QTest::newRow("value line for the number")
            << "readAll"
            << "W1000123" << Tr(TransferText::NoProductNumber).arg("「W1000123」")
            << Tr(TransferText::ProductReadStopped);
        QTest::newRow("all-read, junk")
            << "allRead"
            << "W00000a5" << Tr(TransferText::NoProductNumber).arg("「W00000a5」")
            << Tr(TransferText::ProductReadStopped);
        QTest::newRow("read, port lost") << "readAll"
                                         << "lost"
                                         << "ErrNo.=8018" << Tr(TransferText::ProductReadStopped);
        QTest::newRow("all-read, port lost")
            << "allRead"
            << "lost"
            << "ErrNo.=8018" << Tr(TransferText::ProductReadStopped);
        QTest::newRow("write, port lost") << "writeAll"
                                          << "lost"
                                          << "ErrNo.=8018" << Tr(TransferText::ProductSendStopped);
        QTest::newRow("all-write, port lost")
            << "allWrite"
            << "lost"
            << "ErrNo.=8018" << Tr(TransferText::ProductSendStopped);
        QTest::newRow("shown to all, port lost")
            << "shownToAll"
            << "lost"
            << "ErrNo.=8018" << Tr(TransferText::ProductWriteStopped);
    }
    void oneFaultEndsTheRunWithOneReport() {
        QFETCH(QString, op);
        QFETCH(QString, fault);
        SimLinkFixture f;
        ProductIndicator ind(f);
        ind.hook = [&](const QString& r) {
            if (ind.current() != 30 || r != "W00") return QByteArray();
            if (fault != "lost") return (fault + "\r\n").toLatin1();
            f.port.pullOut();
            return QByteArray("");
        };
        FillStore(f.store);
        f.store.setProduct(30, 0, "old30");
        if (op.contains("rite")) f.store.setProduct(30, 0, "00000");
        FakePanel panel;
        SettingTransfers settings(f.link);
        ProductTransfers t(f.link, panel);
        if (op == "readAll") f.link.blocking(t.readAllProducts());
        if (op == "allRead") f.link.blocking(t.allRead(settings));
        if (op == "writeAll") f.link.blocking(t.writeAllProducts());
        if (op == "allWrite") f.link.blocking(t.allWrite(settings));
        if (op == "shownToAll") f.link.blocking(t.writeShownToAll());
        QCOMPARE(f.view.messages.size(), 1);
        QFETCH(QString, said);
        QVERIFY2(f.view.messages[0].contains(said), qPrintable(f.view.messages[0]));
        QVERIFY(!f.view.messages[0].contains("-1"));
        QTEST(f.view.status, "status");
        QVERIFY(!f.view.progressVisible);
        QVERIFY(!f.view.busy);
        QVERIFY(!f.port.requests.contains("W20"));  // no settings half
        if (op.contains("ead")) {
            QCOMPARE(f.view.redraws, 1);
            QCOMPARE(Record(f.store, 29), ind.record(29));
            QCOMPARE(f.store.product(30, 0), QString("old30"));
            QCOMPARE(f.port.requests.last(), QString("W00"));
        }
    }

    // ---- writing stored records ----
    void writeOneProduct() {
        SimLinkFixture f;
        ProductIndicator ind(f);
        FillStore(f.store);
        FakePanel panel;
        panel.selected = 5;
        f.link.blocking(ProductTransfers(f.link, panel).writeOneProduct());
        QCOMPARE(f.port.requests, WriteRequests(5, Record(f.store, 5)));
        QCOMPARE(ind.record(5), Record(f.store, 5));
        QVERIFY(f.view.messages.isEmpty());
        QVERIFY(f.port.unread().isEmpty());
    }

    void invalidStoredRecordSendsNothing_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("value");
        QTest::newRow("empty") << 0 << "";
        QTest::newRow("13 over its mask") << 3 << "01000";
        QTest::newRow("15 over its mask") << 5 << "10000";
        QTest::newRow("17 over its mask") << 7 << "01000";
        QTest::newRow("short") << 2 << "123";
        QTest::newRow("decimal point") << 0 << "12.45";
        QTest::newRow("line break") << 6 << "0001\r";
        QTest::newRow("second command") << 1 << "1\rW2";
        QTest::newRow("sign") << 6 << "-0001";
    }
    void invalidStoredRecordSendsNothing() {
        QFETCH(int, item);
        QFETCH(QString, value);
        for (bool all : {false, true}) {
            SimLinkFixture f;
            ProductIndicator ind(f);
            FillStore(f.store);
            f.store.setProduct(57, item, value);
            FakePanel panel;
            panel.selected = 57;
            ProductTransfers t(f.link, panel);
            QVERIFY(!t.storedProductValid(57));
            QVERIFY(t.storedProductValid(56));
            all ? void(f.link.blocking(t.writeAllProducts()))
                : f.link.blocking(t.writeOneProduct());
            // Not even records 0 … 56.
            QVERIFY(f.port.requests.isEmpty());
            QCOMPARE(f.view.messages, QStringList{Tr(TransferText::InvalidStored)});
            QVERIFY(!f.view.progressVisible);
        }
    }

    void writeOneProductWithoutSelection() {
        SimLinkFixture f;
        ProductIndicator ind(f);
        FillStore(f.store);
        FakePanel panel;
        panel.selected = -1;
        f.link.blocking(ProductTransfers(f.link, panel).writeOneProduct());
        QVERIFY(f.port.requests.isEmpty());
        QCOMPARE(f.view.messages, QStringList{Tr(TransferText::InvalidStored)});
    }

    void writeAllProducts() {
        SimLinkFixture f;
        ProductIndicator ind(f);
        FillStore(f.store);
        FakePanel panel;
        f.link.blocking(ProductTransfers(f.link, panel).writeAllProducts());
        QStringList expected;
        for (int n = 0; n < 100; ++n) expected << WriteRequests(n, Record(f.store, n));
        QCOMPARE(f.port.requests, expected);
        QCOMPARE(ind.record(77), Record(f.store, 77));
        const QStringList statuses = f.view.events.filter("status ");
        QCOMPARE(statuses.size(), 101);
        QCOMPARE(statuses[42], "status " + Tr(TransferText::ProductSending).arg(42));
        QCOMPARE(statuses.last(), "status " + Tr(TransferText::ProductSendDone));
        const QStringList progress = f.view.events.filter("progress ");
        QCOMPARE(progress[progress.size() - 2], QString("progress 99"));
        QVERIFY(!f.view.progressVisible);
        QVERIFY(f.view.messages.isEmpty());
        QVERIFY(f.port.unread().isEmpty());
    }

    void writeAllProductsEndsAtATimeout_data() {
        QTest::addColumn<int>("silentAt");
        QTest::addColumn<QString>("silentRequest");
        QTest::addColumn<int>("sent");  // requests before the operation ends
        // A probe goes out while the previous product is still selected on the indicator.
        QTest::newRow("probe of product 11") << 10 << "RA" << 11 * 11 + 1;
        QTest::newRow("sync of product 10") << 10 << "W00" << 11 * 11;
        QTest::newRow("sync of the last product") << 99 << "W00" << 100 * 11;
    }
    void writeAllProductsEndsAtATimeout() {
        QFETCH(int, silentAt);
        QFETCH(QString, silentRequest);
        QFETCH(int, sent);
        SimLinkFixture f;
        ProductIndicator ind(f);
        ind.hook = [&](const QString& r) {
            return ind.current() == silentAt && r == silentRequest ? QByteArray("") : QByteArray();
        };
        FillStore(f.store);
        FakePanel panel;
        f.link.blocking(ProductTransfers(f.link, panel).writeAllProducts());
        QVERIFY(f.link.timedOut());
        QCOMPARE(f.port.requests.size(), sent);
        QCOMPARE(f.view.messages, QStringList{IndicatorLink::TimeoutMessage()});
        QCOMPARE(f.view.status, Tr(TransferText::ProductSendStopped));
        QVERIFY(!f.view.progressVisible);
    }

    // ---- writing the shown values ----
    void writeShownToTarget() {
        SimLinkFixture f;
        ProductIndicator ind(f);
        FakePanel panel;
        panel.target = 42;
        f.store.setProduct(42, 0, "00001");
        f.link.blocking(ProductTransfers(f.link, panel).writeShownToTarget());
        QCOMPARE(f.port.requests, WriteRequests(42, panel.shown));
        QCOMPARE(ind.record(42), panel.shown);
        QCOMPARE(f.store.product(42, 0), QString("00001"));
        QVERIFY(f.store.product(42, 1).isEmpty());
        QVERIFY(f.view.messages.isEmpty());
    }

    void invalidShownValuesSendNothing_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("value");
        QTest::newRow("box 3 over 00999") << 3 << "01000";
        QTest::newRow("box 4 over 00999") << 4 << "01000";
        QTest::newRow("box 5 over 09999") << 5 << "10000";
        QTest::newRow("empty box") << 0 << "";
        QTest::newRow("blanks around") << 1 << " 00012 ";
        QTest::newRow("decimal point") << 2 << "12.45";
        QTest::newRow("full-width digits") << 2 << "００００１";
        QTest::newRow("line break") << 6 << "0001\n";
    }
    void invalidShownValuesSendNothing() {
        QFETCH(int, item);
        QFETCH(QString, value);
        for (bool all : {false, true}) {
            SimLinkFixture f;
            ProductIndicator ind(f);
            FakePanel panel;
            panel.shown[item] = value;
            ProductTransfers t(f.link, panel);
            QVERIFY(!t.checkDisplayedProduct());
            all ? f.link.blocking(t.writeShownToAll()) : f.link.blocking(t.writeShownToTarget());
            QVERIFY(f.port.requests.isEmpty());
            QCOMPARE(f.view.messages, QStringList{Tr(TransferText::InvalidShown)});
            QVERIFY(!f.view.progressVisible);
        }
    }

    void targetOutOfRangeIsReported() {
        SimLinkFixture f;
        ProductIndicator ind(f);
        FakePanel panel;
        panel.target = -1;
        f.link.blocking(ProductTransfers(f.link, panel).writeShownToTarget());
        QVERIFY(f.port.requests.isEmpty());
        QCOMPARE(f.view.messages.size(), 1);
        QVERIFY(f.view.messages[0].contains("ErrNo.=9"));
        QVERIFY(f.view.messages[0].endsWith(Tr(PlatformText::Hint8018)));
    }

    void writeShownToAllReadsTheBoxesForEachProduct() {
        SimLinkFixture f;
        ProductIndicator ind(f);
        FakePanel panel;
        // The operator changes box 0 while product 50 is being written.
        ind.hook = [&](const QString& r) {
            if (r == "RA" && ind.current() == 49) panel.shown[0] = "00777";
            return QByteArray();
        };
        f.link.blocking(ProductTransfers(f.link, panel).writeShownToAll());
        QCOMPARE(f.port.requests.size(), 100 * 11);
        QCOMPARE(ind.value(49, 0), QString("00200"));
        QCOMPARE(ind.value(50, 0), QString("00777"));
        QCOMPARE(ind.value(99, 0), QString("00777"));
        QCOMPARE(ind.value(99, 7), QString("00015"));
        QVERIFY(f.store.product(0, 0).isEmpty());
        const QStringList statuses = f.view.events.filter("status ");
        QCOMPARE(statuses[7], "status " + Tr(TransferText::ProductWriting).arg(7));
        QCOMPARE(statuses.last(), "status " + Tr(TransferText::ProductWriteDone));
        QVERIFY(!f.view.progressVisible);
    }

    void aBoxTurningInvalidDuringTheRunStopsIt() {
        SimLinkFixture f;
        ProductIndicator ind(f);
        FakePanel panel;
        ind.hook = [&](const QString& r) {
            if (r == "RA" && ind.current() == 19) panel.shown[3] = "0100";
            return QByteArray();
        };
        const QString before = ind.value(20, 3);
        f.link.blocking(ProductTransfers(f.link, panel).writeShownToAll());
        // Products 0 … 19 went out; product 20 got its probe only.
        QCOMPARE(f.port.requests.size(), 20 * 11 + 1);
        QCOMPARE(f.port.requests.last(), QString("RA"));
        QCOMPARE(ind.value(20, 3), before);
        QCOMPARE(f.view.messages, QStringList{Tr(TransferText::InvalidShown)});
        QVERIFY(!f.view.events.contains("status " + Tr(TransferText::ProductWriteDone)));
        QVERIFY(!f.view.progressVisible);
    }

    void writeShownToAllTimeOutStillCompletes() {
        SimLinkFixture f;
        ProductIndicator ind(f);
        ind.hook = [&](const QString& r) {
            return r == "RA" && ind.current() == 30 ? QByteArray("") : QByteArray();
        };
        FakePanel panel;
        f.link.blocking(ProductTransfers(f.link, panel).writeShownToAll());
        QVERIFY(f.link.timedOut());
        QCOMPARE(f.port.requests.size(), 31 * 11 + 1);
        QCOMPARE(f.view.status, Tr(TransferText::ProductWriteDone));
        QVERIFY(!f.view.progressVisible);
    }

    // ---- failures of the port ----
    void closedPortIsReportedWith8018Hint_data() {
        QTest::addColumn<int>("op");
        QTest::addColumn<int>("reports");
        QTest::newRow("change") << 0 << 1;
        QTest::newRow("read one") << 1 << 1;
        QTest::newRow("write one") << 3 << 1;
        QTest::newRow("write shown") << 5 << 1;
        QTest::newRow("write shown to all") << 6 << 1;
        // A closed port stays closed: reported once, not once for each of the 100 products.
        QTest::newRow("read all") << 2 << 1;
        QTest::newRow("write all") << 4 << 1;
    }
    void closedPortIsReportedWith8018Hint() {
        QFETCH(int, op);
        QFETCH(int, reports);
        LinkFixture f;
        FillStore(f.store);
        f.port.close();
        FakePanel panel;
        panel.text = "3";
        ProductTransfers t(f.link, panel);
        switch (op) {
            case 0:
                f.link.blocking(t.changeProduct());
                break;
            case 1:
                f.link.blocking(t.readOneProduct());
                break;
            case 2:
                f.link.blocking(t.readAllProducts());
                break;
            case 3:
                f.link.blocking(t.writeOneProduct());
                break;
            case 4:
                f.link.blocking(t.writeAllProducts());
                break;
            case 5:
                f.link.blocking(t.writeShownToTarget());
                break;
            case 6:
                f.link.blocking(t.writeShownToAll());
                break;
        }
        QCOMPARE(f.view.messages.size(), reports);
        for (const QString& m : f.view.messages) {
            QVERIFY(m.contains("ErrNo.=8018"));
            QVERIFY(m.endsWith(Tr(PlatformText::Hint8018)));
        }
        QVERIFY(!f.view.busy);
    }

    // ---- all-read and all-write ----
    void allReadAndAllWrite() {
        SimLinkFixture f;
        f.port.indicator().handle("W9100001");  // told apart from 90
        FakePanel panel;
        SettingTransfers settingTransfers(f.link);
        ProductTransfers t(f.link, panel);
        f.link.blocking(t.allRead(settingTransfers));
        QCOMPARE(f.port.requests.size(), 100 * 10 + 59);
        QCOMPARE(f.port.requests[1000], QString("W20"));
        QCOMPARE(f.store.product(99, 7), QString(f.port.indicator().productValue(99, 7)));
        QCOMPARE(f.store.setting(9, 1), QString("00001"));
        QCOMPARE(f.view.status, Tr(TransferText::SettingsReadDone));
        QCOMPARE(f.view.redraws, 2);

        // The indicator's values do not all fit the product masks: bring them into range.
        FillStore(f.store);
        f.port.requests.clear();
        f.link.blocking(t.allWrite(settingTransfers));
        QCOMPARE(f.port.requests.mid(0, 11), WriteRequests(0, Record(f.store, 0)));
        QCOMPARE(f.port.requests[1100], QString("RA"));
        QCOMPARE(f.port.requests.last(), QString("W00"));
        QCOMPARE(f.view.status, Tr(TransferText::SettingsSendDone));
        QVERIFY(f.view.messages.isEmpty());

        // A setting that does not fit stops all-write before its first request.
        f.store.setValue("22", "9Z9Z9");
        f.port.requests.clear();
        f.link.blocking(t.allWrite(settingTransfers));
        QVERIFY(f.port.requests.isEmpty());
        QCOMPARE(f.view.messages, QStringList{Tr(TransferText::InvalidStored) + ": W22"});
    }

    void allReadRunsTheSettingsHalfAfterATimeout() {
        LinkFixture f;
        FakePanel panel;
        SettingTransfers settings(f.link);
        f.link.blocking(ProductTransfers(f.link, panel).allRead(settings));
        // One time-out (on product 0's W00), then the settings read sends its first request.
        QCOMPARE(f.view.messages, QStringList{IndicatorLink::TimeoutMessage()});
        QCOMPARE(f.port.requests, QStringList({"W0000000", "W00", "W20"}));
        QCOMPARE(f.view.status, Tr(TransferText::SettingsReadStopped));
        QVERIFY(!f.view.progressVisible);
        QCOMPARE(f.view.progress, 0);
    }

    void allWriteRunsTheSettingsHalfAfterATimeout() {
        LinkFixture f;
        FillStore(f.store);
        FakePanel panel;
        SettingTransfers settings(f.link);
        f.link.blocking(ProductTransfers(f.link, panel).allWrite(settings));
        QCOMPARE(f.view.messages, QStringList{IndicatorLink::TimeoutMessage()});
        QCOMPARE(f.port.requests, QStringList({"RA", "RA"}));
        QCOMPARE(f.view.status, Tr(TransferText::SettingsSendStopped));
        QVERIFY(!f.view.progressVisible);
        QCOMPARE(f.view.progress, 0);
    }

    // Each operation hands its listener one run: what went through, in order, and whether it
    // ran to its end. All-read and all-write are one run each.
    void runsTellWhatWentThrough() {
        struct Runs : TransferListener {
            void transferRun(const TransferRun& run) override { got.push_back(run); }
            std::vector<TransferRun> got;
        } runs;
        SimLinkFixture f;
        f.link.runs().setListener(&runs);
        FakePanel panel;
        SettingTransfers settingTransfers(f.link);
        ProductTransfers t(f.link, panel);
        f.link.blocking(t.allRead(settingTransfers));
        const QString read42 = f.port.indicator().productValue(42, 5);
        FillStore(f.store);
        f.link.blocking(t.allWrite(settingTransfers));
        f.port.alter = [&](const QString& r, const QByteArray& reply) {
            return f.port.indicator().currentProduct() == 3 && r == "W13" ? QByteArray() : reply;
        };
        f.link.blocking(t.readAllProducts());
        QCOMPARE(runs.got.size(), size_t(3));
        const TransferRun& read = runs.got[0];
        QCOMPARE(read.operation, QString(runkind::kAllRead));
        QVERIFY(read.complete && read.direction == TransferRun::Direction::Read);
        QCOMPARE(read.values.size(), size_t(800 + 59));
        QCOMPARE(read.values[8 * 42 + 5], (TransferValue{42, "15", read42}));
        QCOMPARE(read.values.back(), (TransferValue{-1, "91", f.store.value("91")}));
        const TransferRun& write = runs.got[1];
        QVERIFY(write.complete && write.direction == TransferRun::Direction::Write);
        QCOMPARE(write.values.size(), size_t(800 + 59));
        QCOMPARE(write.values[8 * 7 + 2], (TransferValue{7, "12", f.store.product(7, 2)}));
        // Stopped by a time-out at product 3's fourth value: what came in, marked incomplete.
        QCOMPARE(runs.got[2].operation, QString(runkind::kReadAllProducts));
        QVERIFY(!runs.got[2].complete);
        QCOMPARE(runs.got[2].values.size(), size_t(3 * 8 + 3));
        QCOMPARE(runs.got[2].device, f.port.deviceName());
    }

    void selectionRequest() {
        QCOMPARE(ProductSelectionRequest(0, kDefaultModel), QString("W0000000"));
        QCOMPARE(ProductSelectionRequest(5, kDefaultModel), QString("W0000005"));
        QCOMPARE(ProductSelectionRequest(99, kDefaultModel), QString("W0000099"));
        QVERIFY_THROWS_EXCEPTION(OperationError, ProductSelectionRequest(-1, kDefaultModel));
        QVERIFY_THROWS_EXCEPTION(OperationError, ProductSelectionRequest(100, kDefaultModel));
    }
};

QTEST_GUILESS_MAIN(ProductTransfersTest)
#include "test_product_transfers.moc"
