#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "T10Facts.h"
#include "history/Compare.h"
#include "report/SettingsSheet.h"
#include "storage/DataFile.h"
#include "support/LinkFixture.h"
#include "transfer/ProductTransfers.h"
#include "transfer/SettingTransfers.h"

namespace {

struct Panel : ProductPanel {
    QString selectorText() const override { return QStringLiteral("0"); }
    int selectedProduct() const override { return 0; }
    void selectProduct(int) override {}
    int targetProduct() const override { return 0; }
    QString shownValue(int) const override { return {}; }
};

}  // namespace

// A model made of its facts alone (T10Facts.h) goes through what the F805 and the F800 go
// through, with no other file knowing it.
class ThirdModelTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { AddModel(t10::Facts()); }

    // All-read and all-write against the simulator playing it, each request as the model's
    // plans say and for its products alone; then saved, loaded, compared and put on the sheet.
    void goesThroughEveryPath() {
        SimLinkFixture f;
        const int count = t10::Facts().products;
        f.port.indicator() = Indicator(t10::SimCodes(), count);
        f.store.setModel(t10::kModel);
        Panel panel;
        SettingTransfers settings(f.link);
        ProductTransfers products(f.link, panel);
        const auto selections = [&f] {
            return f.port.requests.filter(QRegularExpression("^W00\\d{5}$"));
        };
        QStringList expected;
        for (int n = 0; n < count; ++n) expected << ProductSelectionRequest(n, t10::kModel);
        f.link.blocking(products.allRead(settings));
        QCOMPARE(selections(), expected);
        const qsizetype first = f.port.requests.indexOf("W20");
        QCOMPARE(first, count * (2 + SettingsStore::kProductItems));
        QCOMPARE(f.port.requests.mid(first, 10), QStringList({"W20", "W21", "W22", "W23", "W24",
                                                              "W25", "W26", "W27", "W28", "W29"}));
        QCOMPARE(CodesOf(t10::kModel).size(), 10);
        for (const QString& code : CodesOf(t10::kModel))
            QCOMPARE(f.store.value(code), QString(f.port.indicator().setting(code.toLatin1())));
        QCOMPARE(f.store.product(count - 1, 2), QString(FactoryProductValue(count - 1, 2)));
        QVERIFY(f.store.product(count, 2).isEmpty());

        // All-write checks and sends the model's products only: the records beyond are empty.
        f.store.setValue("26", "00020");
        f.port.requests.clear();
        f.link.blocking(products.allWrite(settings));
        // The settings' write closes by selecting the first product.
        QCOMPARE(selections(), expected << expected.front());
        QVERIFY(f.port.requests.contains("W2600020"));
        QCOMPARE(f.port.indicator().setting("26"), QByteArray("00020"));

        // A record beyond the model's products goes nowhere: not into the file, the comparison
        // or the sheet.
        f.store.setProduct(count, 0, "00001");

        QTemporaryDir dir;
        const QString path = dir.filePath("t10.mdb");
        QVERIFY(SaveDataFile(f.store, path).saved);
        SettingsStore loaded;
        loaded.setModel(t10::kModel);
        const DataFileLoad load = LoadDataFile(loaded, path, loadmode::kAll);
        QVERIFY2(load.messages.isEmpty(), qPrintable(load.messages.join('\n')));
        QVERIFY(CompareStores(f.store, loaded, t10::kModel, CompareScope::Both).empty());
        SettingsStore wide;  // reads every row the file has
        QVERIFY(LoadDataFile(wide, path, loadmode::kProducts).messages.isEmpty());
        QCOMPARE(wide.product(count - 1, 0), f.store.product(count - 1, 0));
        QVERIFY(wide.product(count, 0).isEmpty());
        loaded.setValue("29", "00002");
        const auto differences = CompareStores(f.store, loaded, t10::kModel, CompareScope::Both);
        QCOMPARE(differences.size(), size_t(1));
        QCOMPARE(ContentText(differences[0]), QString("小数点: 0.0 → 0.00"));

        const SettingsSheet sheet = BuildSheet(f.store, SheetSource{});
        QCOMPARE(sheet.settings.size(), size_t(10));
        QCOMPARE(sheet.products.size(), size_t(count));
        QVERIFY(sheet.headerLines.join('\n').contains("T10"));
    }
};

QTEST_GUILESS_MAIN(ThirdModelTest)
#include "test_third_model.moc"
