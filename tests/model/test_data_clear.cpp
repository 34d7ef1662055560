#include <QtTest>

#include "model/DataClear.h"
#include "texts/ModelTexts.h"

using dataclear::ProductEntries;

namespace {

ProductEntries Valid() {
    return {"01000", "00500", "02500", "00010", "00020", "00300", "00005", "00015"};
}

void FillEverything(SettingsStore& store) {
    for (int p = 0; p < SettingsStore::kMaxProducts; ++p)
        for (int k = 0; k < SettingsStore::kProductItems; ++k)
            store.setProduct(p, k, QStringLiteral("%1").arg(p * 10 + k, 5, 10, QChar(u'0')));
    for (int g = SettingsStore::kFirstGroup; g <= SettingsStore::kLastGroup; ++g)
        for (int s = 0; s < SettingsStore::GroupSize(g); ++s) store.setSetting(g, s, "00001");
    for (int i = 0; i < SettingsStore::kLiveKinds; ++i) store.setLive(i, "0101");
}

bool SettingsAndLiveEmpty(const SettingsStore& store) {
    for (int g = SettingsStore::kFirstGroup; g <= SettingsStore::kLastGroup; ++g)
        for (int s = 0; s < SettingsStore::GroupSize(g); ++s)
            if (!store.setting(g, s).isEmpty()) return false;
    for (int i = 0; i < SettingsStore::kLiveKinds; ++i)
        if (!store.live(i).isEmpty()) return false;
    return true;
}

}  // namespace

class DataClearTest : public QObject {
    Q_OBJECT
  private slots:
    void clearAllEmptiesEverything() {
        SettingsStore store;
        FillEverything(store);
        dataclear::ClearAll(store);
        QVERIFY(SettingsAndLiveEmpty(store));
        for (int p = 0; p < SettingsStore::kMaxProducts; ++p)
            for (int k = 0; k < SettingsStore::kProductItems; ++k)
                QVERIFY(store.product(p, k).isEmpty());
    }

    void clearSettingsKeepsProducts() {
        SettingsStore store;
        FillEverything(store);
        dataclear::ClearSettings(store);
        QVERIFY(SettingsAndLiveEmpty(store));
        QCOMPARE(store.product(0, 0), QStringLiteral("00000"));
        QCOMPARE(store.product(99, 7), QStringLiteral("00997"));
    }

    void copyRefusals_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("failed");
        QTest::newRow("box 3 over its mask") << 3 << "01000" << 3;
        QTest::newRow("box 4 over its mask") << 4 << "10000" << 4;
        QTest::newRow("box 5 mask 09999") << 5 << "10000" << 5;
        QTest::newRow("box 7 mask 00999") << 7 << "01000" << 7;
        QTest::newRow("box 0 short") << 0 << "123" << 0;
        QTest::newRow("box 2 with a point") << 2 << "12.45" << 2;
        QTest::newRow("box 6 blanks kept") << 6 << " 0001" << 6;
        QTest::newRow("box 5 empty marks none") << 5 << "" << -1;
        QTest::newRow("box 0 empty marks none") << 0 << "" << -1;
    }
    void copyRefusals() {
        QFETCH(int, box);
        QFETCH(QString, value);
        QFETCH(int, failed);
        SettingsStore store;
        FillEverything(store);
        ProductEntries entries = Valid();
        entries[box] = value;
        const auto check = dataclear::CopyToAllProducts(store, entries);
        QVERIFY(!check.ok);
        QCOMPARE(check.failedBox, failed);
        QCOMPARE(store.product(42, 2), QStringLiteral("00422"));  // untouched
    }

    void copyStopsAtFirstFailure() {
        ProductEntries entries = Valid();
        entries[3] = "01000";
        entries[4] = "99999";
        QCOMPARE(dataclear::CheckForCopy(entries).failedBox, 3);
    }

    void copyEmptyBeatsMaskFailure() {
        // An empty box refuses the copy before any box is checked or marked.
        ProductEntries entries = Valid();
        entries[1] = "ABCDE";
        entries[7] = "";
        QCOMPARE(dataclear::CheckForCopy(entries).failedBox, -1);
    }

    void copyFillsEveryRecord() {
        SettingsStore store;
        FillEverything(store);
        const ProductEntries entries = Valid();
        QVERIFY(dataclear::CopyToAllProducts(store, entries).ok);
        for (int p = 0; p < SettingsStore::kMaxProducts; ++p)
            for (int k = 0; k < SettingsStore::kProductItems; ++k)
                QCOMPARE(store.product(p, k), entries[k]);
        QCOMPARE(store.setting(2, 0), QStringLiteral("00001"));  // settings untouched
    }

    void messages() {
        QCOMPARE(dataclear::CopyDoneMessage(), Tr(ModelText::CopyDone));
        QCOMPARE(dataclear::CopyRefusedMessage(), Tr(ModelText::CopyRefused));
    }
};

QTEST_APPLESS_MAIN(DataClearTest)
#include "test_data_clear.moc"
