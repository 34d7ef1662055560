#include <QtTest>

#include "model/SettingsStore.h"

class StoreTest : public QObject {
    Q_OBJECT
  private slots:
    void slotsPerModel_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("slot");
        QTest::newRow("44 F805") << "44" << 805 << 4 << 4;
        QTest::newRow("44 F800") << "44" << 800 << 6 << 6;
        QTest::newRow("40 F800") << "40" << 800 << 6 << 2;
        QTest::newRow("46 F800") << "46" << 800 << 6 << 8;
        QTest::newRow("53 F800") << "53" << 800 << 8 << 3;
        QTest::newRow("2F F805") << "2F" << 805 << 2 << 15;
        QTest::newRow("20 F805") << "20" << 805 << 2 << 0;
        QTest::newRow("91 F805") << "91" << 805 << 9 << 1;
        QTest::newRow("85 F805") << "85" << 805 << 8 << 5;
        // No slot: F805 45/46, beyond a group's size, malformed codes, product codes.
        QTest::newRow("45 F805") << "45" << 805 << -1 << -1;
        QTest::newRow("46 F805") << "46" << 805 << -1 << -1;
        QTest::newRow("47 F800") << "47" << 800 << -1 << -1;
        QTest::newRow("56 F800") << "56" << 800 << -1 << -1;
        QTest::newRow("39 F805") << "39" << 805 << -1 << -1;
        QTest::newRow("92 F805") << "92" << 805 << -1 << -1;
        QTest::newRow("10") << "10" << 805 << -1 << -1;
        QTest::newRow("00") << "00" << 805 << -1 << -1;
        QTest::newRow("lower 2f") << "2f" << 805 << -1 << -1;
        QTest::newRow("long") << "200" << 805 << -1 << -1;
        QTest::newRow("empty") << "" << 805 << -1 << -1;
    }
    void slotsPerModel() {
        QFETCH(QString, code);
        QFETCH(int, model);
        QFETCH(int, group);
        QFETCH(int, slot);
        const auto at = StoreSlot(code, static_cast<IndicatorModel>(model));
        if (group < 0) {
            QVERIFY(!at.has_value());
        } else {
            QVERIFY(at.has_value());
            QCOMPARE(at->group, group);
            QCOMPARE(at->slot, slot);
        }
    }

    void valuesByCodeFollowTheModel() {
        SettingsStore store;
        QVERIFY(store.value("20").isEmpty());
        store.setModel(IndicatorModel::F800);
        QVERIFY(store.setValue("42", "00123"));
        QCOMPARE(store.setting(6, 4), QString("00123"));
        QVERIFY(store.setting(4, 2).isEmpty());
        store.setModel(IndicatorModel::F805);
        QVERIFY(!store.setValue("45", "00001"));
        QCOMPARE(store.value("64"), QString("00123"));
    }

    void outOfRangeAccessIsHarmless() {
        SettingsStore store;
        store.setProduct(100, 0, "1");
        store.setProduct(-1, 0, "1");
        store.setProduct(0, 8, "1");
        store.setSetting(9, 2, "1");
        store.setSetting(1, 0, "1");
        QVERIFY(store.product(100, 0).isEmpty());
        QVERIFY(store.setting(9, 2).isEmpty());
        store.setProduct(99, 7, "00999");
        QCOMPARE(store.product(99, 7), QString("00999"));
    }

    void clearsKeepWhatTheyShould() {
        SettingsStore store;
        store.setProduct(3, 2, "12345");
        store.setSetting(2, 15, "00001");
        store.setLive(12, "CB");
        store.clearSettingGroups();
        store.clearLiveData();
        QCOMPARE(store.product(3, 2), QString("12345"));
        QVERIFY(store.setting(2, 15).isEmpty());
        QVERIFY(store.live(12).isEmpty());
        QCOMPARE(SettingsStore::LiveKindIndex("CB"), 12);
        QCOMPARE(SettingsStore::LiveKindIndex("RZ"), -1);
        QCOMPARE(SettingsStore::LiveKindName(3), QString("RD"));
    }
};

QTEST_GUILESS_MAIN(StoreTest)
#include "test_store.moc"
