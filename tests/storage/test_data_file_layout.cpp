#include <QtTest>
#include <set>

#include "storage/DataFileLayout.h"

// The settings table's fields hold, in file order, the values of the model's setting codes in
// the indicator's order; each field's store element is the one the code is stored in.
class DataFileLayoutTest : public QObject {
    Q_OBJECT
  private:
    static QStringList CodesOf(IndicatorModel model) {
        const QString f805 =
            "20 21 22 23 24 25 26 27 28 29 2A 2B 2C 2D 2E 2F 30 31 32 33 34 35 "
            "36 37 38 40 41 42 43 44 50 51 52 53 54 55 60 61 62 63 64 65 66 67 "
            "68 69 70 71 72 73 74 80 81 82 83 84 85 90 91";
        const QString f800 =
            "20 21 22 23 24 25 26 27 28 29 30 31 32 33 34 35 36 37 40 41 42 43 "
            "44 45 46 50 51 52 53 54 55";
        return (model == IndicatorModel::F800 ? f800 : f805).split(u' ');
    }

  private slots:
    void fieldsFollowTheStoreSlots_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::newRow("F805") << 805 << 59 << "上下限比較有無";
        QTest::newRow("F800") << 800 << 31 << "ﾀｲﾏ";
    }
    void fieldsFollowTheStoreSlots() {
        QFETCH(int, model);
        QFETCH(int, count);
        QFETCH(QString, first);
        const auto m = static_cast<IndicatorModel>(model);
        const auto& fields = datafile::SettingFields(m);
        const QStringList codes = CodesOf(m);
        QCOMPARE(static_cast<int>(fields.size()), count);
        QCOMPARE(codes.size(), count);
        QCOMPARE(fields.front().name, first);
        std::set<QString> names;
        for (int n = 0; n < count; ++n) {
            const auto at = StoreSlot(codes[n], m);
            QVERIFY2(at, qPrintable(codes[n]));
            QCOMPARE(StoreAddress({fields[n].group, fields[n].slot}), *at);
            names.insert(fields[n].name);
        }
        QCOMPARE(static_cast<int>(names.size()), count);
    }

    void namedFields_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("name");
        QTest::newRow("F805 START/STOP") << 805 << 29 << "START/STOPｷｰ禁止";
        QTest::newRow("F805 1/4") << 805 << 43 << "1/4目盛";
        QTest::newRow("F805 average first") << 805 << 51 << "平均重量";
        QTest::newRow("F805 range last") << 805 << 56 << "最大-最小";
        QTest::newRow("F805 LANGUAGE") << 805 << 58 << "LANGUAGE";
        QTest::newRow("F800 weight") << 800 << 18 << "分銅重量値";
        QTest::newRow("F800 gross over") << 800 << 22 << "総量ｵｰﾊﾞｰ";
        QTest::newRow("F800 maximum first") << 800 << 25 << "最大重量";
        QTest::newRow("F800 average fourth") << 800 << 28 << "平均重量";
        QTest::newRow("F800 sample deviation") << 800 << 30 << "標本標準偏差";
    }
    void namedFields() {
        QFETCH(int, model);
        QFETCH(int, position);
        QFETCH(QString, name);
        QCOMPARE(datafile::SettingFields(static_cast<IndicatorModel>(model))[position].name, name);
    }

    void productFieldsAndValues() {
        QCOMPARE(datafile::ProductFields(),
                 QStringList({"大投入", "定量前", "定量", "過量", "不足", "落差", "自動落差規制値",
                              "補正投入時間"}));
        QVERIFY(datafile::FileCanHold("00012"));
        QVERIFY(datafile::FileCanHold("-0.5 "));
        QVERIFY(datafile::FileCanHold(""));
        QVERIFY(!datafile::FileCanHold("123456"));
        QVERIFY(!datafile::FileCanHold("12\r"));
        QVERIFY(!datafile::FileCanHold("１２"));
    }
};

QTEST_GUILESS_MAIN(DataFileLayoutTest)
#include "test_data_file_layout.moc"
