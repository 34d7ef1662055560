#include <QtTest>

#include "model/Catalogue.h"

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

IndicatorModel Model(int m) {
    return static_cast<IndicatorModel>(m);
}

QStringList Range(const QString& group, const QString& items) {
    QStringList codes;
    for (QChar c : items) codes << group + c;
    return codes;
}

}  // namespace

// Lookups, composing and reading values, and what each model shows.
class CatalogueTest : public QObject {
    Q_OBJECT
  private slots:
    void codesInReadOrder() {
        const QStringList f805 = Range("2", "0123456789ABCDEF") + Range("3", "012345678") +
                                 Range("4", "01234") + Range("5", "012345") +
                                 Range("6", "0123456789") + Range("7", "01234") +
                                 Range("8", "012345") + Range("9", "01");
        const QStringList f800 = Range("2", "0123456789") + Range("3", "01234567") +
                                 Range("4", "0123456") + Range("5", "012345");
        QCOMPARE(CodesOf(IndicatorModel::F805), f805);
        QCOMPARE(CodesOf(IndicatorModel::F805).size(), 59);
        QCOMPARE(CodesOf(IndicatorModel::F800), f800);
        QCOMPARE(CodesOf(IndicatorModel::F800).size(), 31);
        QVERIFY(!CodesOf(IndicatorModel::F805).contains("45"));
        QVERIFY(!CodesOf(IndicatorModel::F800).contains("38"));
    }

    void entryLookups() {
        QCOMPARE(EntryOfCode(IndicatorModel::F805, "W2A")->code, QString("2A"));
        QCOMPARE(EntryOfCode(IndicatorModel::F805, "2a")->code, QString("2A"));
        QVERIFY(!EntryOfCode(IndicatorModel::F800, "2A"));
        QVERIFY(!EntryOfCode(IndicatorModel::F805, "46"));
        QVERIFY(!EntryOfCode(IndicatorModel::F805, "10"));
        QVERIFY(!EntryOfCode(IndicatorModel::F805, ""));
        QCOMPARE(EntryOfCode(IndicatorModel::F800, "W46")->rows, std::vector<int>{60});
        QCOMPARE(EntryOfRow(IndicatorModel::F805, 34)->code, QString("40"));
        QCOMPARE(EntryOfRow(IndicatorModel::F800, 34)->code, QString("35"));
        QCOMPARE(EntryOfButton(IndicatorModel::F800, 53)->code, QString("52"));
        QCOMPARE(EntryOfBox(IndicatorModel::F800, {6, 2})->code, QString("40"));
        QCOMPARE(EntryOfBox(IndicatorModel::F805, {6, 2})->code, QString("62"));
        for (int row : {19, 27, 28, 29, 39, 58, 59, -1, 75})
            QVERIFY(!EntryOfRow(IndicatorModel::F805, row));
        for (int row : {29, 49, 56, 59, 61, 66, 73, 74})
            QVERIFY(!EntryOfRow(IndicatorModel::F800, row));
        for (int b : {10, 15, 24, 37, 45, 50, 57, 58, -1, 59})
            QVERIFY(!EntryOfButton(IndicatorModel::F800, b));
        QVERIFY(!EntryOfButton(IndicatorModel::F805, 59));
        QVERIFY(!EntryOfBox(IndicatorModel::F800, {4, 0}));
        QCOMPARE(RowOf(IndicatorModel::F805, 75).row, -1);
        QCOMPARE(ButtonOf(IndicatorModel::F805, -1).button, -1);
    }

    // Picked positions, one per row of the code, to the stored value; an empty expectation
    // means the pick is refused and nothing is stored.
    void composeValue_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("code");
        QTest::addColumn<std::vector<int>>("positions");
        QTest::addColumn<QString>("value");
        QTest::newRow("2D third") << 805 << "2D" << std::vector<int>{2} << "00002";
        QTest::newRow("2F first is 1") << 805 << "2F" << std::vector<int>{0} << "00001";
        QTest::newRow("2F ninth is 9") << 805 << "2F" << std::vector<int>{8} << "00009";
        QTest::newRow("68 zone 16") << 805 << "68" << std::vector<int>{15} << "00016";
        QTest::newRow("46 zone 1") << 800 << "46" << std::vector<int>{0} << "00001";
        QTest::newRow("33 not, checker") << 805 << "33" << std::vector<int>{1, 1} << "00011";
        QTest::newRow("33 insert, stable") << 805 << "33" << std::vector<int>{0, 0} << "00000";
        QTest::newRow("40 alternate") << 805 << "40" << std::vector<int>{1, 0, 1, 0, 1} << "10101";
        QTest::newRow("50 all on") << 805 << "50" << std::vector<int>{1, 1, 1, 1, 1} << "11111";
        QTest::newRow("28 last") << 805 << "28" << std::vector<int>{2} << "00002";
        QTest::newRow("F800 31") << 800 << "31" << std::vector<int>{1, 2, 0, 4} << "01204";
        QTest::newRow("F800 35 4回 8HZ") << 800 << "35" << std::vector<int>{2, 3} << "00023";
        QTest::newRow("F800 33 average 9")
            << 800 << "33" << std::vector<int>{0, 0, 8, 0} << "00090";
        QTest::newRow("F800 33 mixed") << 800 << "33" << std::vector<int>{2, 1, 0, 1} << "02111";
        QTest::newRow("F800 45") << 800 << "45" << std::vector<int>{2, 2, 1, 3} << "02213";
        QTest::newRow("F800 32 top") << 800 << "32" << std::vector<int>{8, 2, 3, 1, 2} << "82312";
        QTest::newRow("F800 30 top") << 800 << "30" << std::vector<int>{1, 1, 1, 1, 2} << "11112";
        // Refused: beyond a list (28 has three options, 32 two), no selection, wrong count,
        // items that are typed rather than picked.
        QTest::newRow("28 beyond list") << 805 << "28" << std::vector<int>{3} << "";
        QTest::newRow("40 beyond row 32") << 805 << "40" << std::vector<int>{1, 0, 2, 0, 1} << "";
        QTest::newRow("F800 33 beyond row 28") << 800 << "33" << std::vector<int>{2, 1, 0, 3} << "";
        QTest::newRow("68 zone 17") << 805 << "68" << std::vector<int>{16} << "";
        QTest::newRow("no selection") << 805 << "20" << std::vector<int>{-1} << "";
        QTest::newRow("packed, one unselected")
            << 805 << "40" << std::vector<int>{1, 0, -1, 0, 1} << "";
        QTest::newRow("too few") << 805 << "40" << std::vector<int>{1, 0} << "";
        QTest::newRow("too many") << 805 << "20" << std::vector<int>{1, 0} << "";
        QTest::newRow("none") << 805 << "20" << std::vector<int>{} << "";
        QTest::newRow("numeric") << 805 << "22" << std::vector<int>{0} << "";
        QTest::newRow("packed numeric") << 800 << "20" << std::vector<int>{0, 0} << "";
    }
    void composeValue() {
        QFETCH(int, model);
        QFETCH(QString, code);
        QFETCH(std::vector<int>, positions);
        QFETCH(QString, value);
        const CatalogueEntry* entry = EntryOfCode(Model(model), code);
        QVERIFY(entry);
        const auto composed = ComposeValue(*entry, positions);
        if (value.isEmpty()) {
            QVERIFY(!composed.has_value());
        } else {
            QVERIFY(composed.has_value());
            QCOMPARE(*composed, value);
        }
    }

    // Stored value to the positions its rows select (empty: the rows are left alone).
    void positionsOfValue_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("value");
        QTest::addColumn<std::vector<int>>("positions");
        QTest::newRow("2F 1") << 805 << "2F"
                              << "00001" << std::vector<int>{0};
        QTest::newRow("2F 0 no selection") << 805 << "2F"
                                           << "00000" << std::vector<int>{-1};
        QTest::newRow("40 packed") << 805 << "40"
                                   << "10201" << std::vector<int>{1, 0, 2, 0, 1};
        QTest::newRow("33 packed") << 805 << "33"
                                   << "00011" << std::vector<int>{1, 1};
        QTest::newRow("zone 16") << 805 << "68"
                                 << "00016" << std::vector<int>{15};
        QTest::newRow("zone 10") << 800 << "46"
                                 << "00010" << std::vector<int>{9};
        QTest::newRow("zone 0") << 805 << "68"
                                << "00000" << std::vector<int>{-1};
        QTest::newRow("F800 33 one-based") << 800 << "33"
                                           << "02113" << std::vector<int>{2, 1, 0, 3};
        QTest::newRow("F800 45") << 800 << "45"
                                 << "00100" << std::vector<int>{0, 1, 0, 0};
        QTest::newRow("short, last char") << 805 << "20"
                                          << "2" << std::vector<int>{2};
        QTest::newRow("short, char 5 missing") << 805 << "52"
                                               << "1" << std::vector<int>{0};
        QTest::newRow("non-digit") << 805 << "20"
                                   << "0000X" << std::vector<int>{0};
        QTest::newRow("packed non-digit") << 805 << "50"
                                          << "1A1 1" << std::vector<int>{1, 0, 1, 0, 1};
        QTest::newRow("empty") << 805 << "40"
                               << "" << std::vector<int>{};
        QTest::newRow("numeric") << 805 << "22"
                                 << "01234" << std::vector<int>{};
    }
    void positionsOfValue() {
        QFETCH(int, model);
        QFETCH(QString, code);
        QFETCH(QString, value);
        QFETCH(std::vector<int>, positions);
        const CatalogueEntry* entry = EntryOfCode(Model(model), code);
        QVERIFY(entry);
        QCOMPARE(PositionsOf(*entry, value), positions);
    }

    void emptyValueLeavesRowAlone() {
        QVERIFY(!PositionOf(RowOf(IndicatorModel::F805, 15).binding, "").has_value());
        QVERIFY(!PositionOf(RowOf(IndicatorModel::F805, 2).binding, "01234").has_value());
        QCOMPARE(ReadChars(RowOf(IndicatorModel::F800, 0).binding, "01525"), QString("01"));
        QCOMPARE(ReadChars(RowOf(IndicatorModel::F800, 1).binding, "01525"), QString("25"));
        QCOMPARE(ReadChars(RowOf(IndicatorModel::F800, 2).binding, "00125"), QString("125"));
        QCOMPARE(ReadChars(RowOf(IndicatorModel::F805, 26).binding, "01234"), QString("1234"));
        QCOMPARE(ReadChars(RowOf(IndicatorModel::F805, 30).binding, "10"), QString("1"));
        QCOMPARE(ReadChars(RowOf(IndicatorModel::F805, 34).binding, "10"), QString());
    }

    void decimalPointSource() {
        const RowBinding f805 = DecimalPointSource(IndicatorModel::F805);
        QCOMPARE(f805.code, QString("65"));
        QCOMPARE(PositionOf(f805, "00002"), 2);
        const RowBinding f800 = DecimalPointSource(IndicatorModel::F800);
        QCOMPARE(f800.code, QString("45"));
        QCOMPARE(PositionOf(f800, "00100"), 1);
    }

    void rowsShownPerModel() {
        const QList<int> f805Hidden = {19, 27, 28, 29, 39, 58, 59};
        QList<int> f800Hidden = {29, 73, 74};
        for (int r = 49; r <= 59; ++r) f800Hidden << r;
        for (int r = 61; r <= 66; ++r) f800Hidden << r;
        for (int m : {805, 800}) {
            const auto& rows = RowsOf(Model(m));
            QCOMPARE(int(rows.size()), kDetailRows);
            const QList<int>& hidden = m == 805 ? f805Hidden : f800Hidden;
            int shown = 0;
            for (int n = 0; n < kDetailRows; ++n) {
                QCOMPARE(rows[n].row, n);
                QCOMPARE(rows[n].tab, n < 20 ? 3 : n < 40 ? 4 : n < 60 ? 5 : 6);
                QCOMPARE(rows[n].visible, !hidden.contains(n));
                if (!rows[n].visible) {
                    QVERIFY(rows[n].options.isEmpty());
                    QVERIFY(rows[n].binding.code.isEmpty());
                    QCOMPARE(rows[n].label, InitialRowLabels()[n]);
                }
                shown += rows[n].visible;
            }
            QCOMPARE(shown, m == 805 ? 68 : 55);
        }
        for (int n : f805Hidden) QCOMPARE(InitialRowLabels()[n], QString("ﾀﾞﾐｰ"));
    }

    void labelsAndOptions() {
        QCOMPARE(RowOf(IndicatorModel::F805, 15).label, QString("自動落差補正平均回数"));
        QCOMPARE(RowOf(IndicatorModel::F805, 52).label, QString("最小目盛り"));
        QCOMPARE(RowOf(IndicatorModel::F800, 0).label, QString("判定時間(秒)"));
        QCOMPARE(RowOf(IndicatorModel::F800, 42).label, QString("最小目盛"));
        QCOMPARE(RowOf(IndicatorModel::F800, 60).label, QString("重力加速度補正"));
        // Half-width katakana stay half-width: "ｾﾞﾛ付近" begins with U+FF7E U+FF9E U+FF9B.
        const QString zeroBand = RowOf(IndicatorModel::F805, 5).label;
        QCOMPARE(zeroBand.left(3), QString::fromUtf16(u"\uFF7E\uFF9E\uFF9B"));
        QCOMPARE(zeroBand.toUtf8(), QByteArray("\xef\xbd\xbe\xef\xbe\x9e\xef\xbe\x9b付近"));
        // Full-width spaces inside F800 option texts.
        QVERIFY(OptionsOf(IndicatorModel::F800, 12).at(0).contains(QChar(0x3000)));

        QCOMPARE(OptionsOf(IndicatorModel::F800, 48), QStringList({"無し", "t", "g", "kg", "N"}));
        QVERIFY(OptionsOf(IndicatorModel::F800, 56).isEmpty());
        QCOMPARE(OptionsOf(IndicatorModel::F805, 56).size(), 6);
        const QStringList nine = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
        QCOMPARE(OptionsOf(IndicatorModel::F805, 15), nine);
        QCOMPARE(OptionsOf(IndicatorModel::F800, 27), nine);
        const QStringList zones = OptionsOf(IndicatorModel::F805, 60);
        QCOMPARE(zones.size(), 16);
        QCOMPARE(OptionsOf(IndicatorModel::F800, 60), zones);
        QCOMPARE(zones.last(), QString("16(9.791)沖縄県"));
        QVERIFY(zones.first().startsWith("01(9.806)釧路市,"));
        for (int n : {2, 3, 9, 10, 11, 22, 45, 50, 63, 72})
            QVERIFY(OptionsOf(IndicatorModel::F805, n).isEmpty());
        for (int n : {0, 1, 2, 36, 37, 38, 39, 40, 67})
            QVERIFY(OptionsOf(IndicatorModel::F800, n).isEmpty());
        QVERIFY(OptionsOf(IndicatorModel::F805, 75).isEmpty());
        QVERIFY(OptionsOf(IndicatorModel::F805, -1).isEmpty());
    }

    void buttonsShownPerModel() {
        QList<int> f800Shown;
        for (int b = 0; b <= 9; ++b) f800Shown << b;
        for (int b = 16; b <= 23; ++b) f800Shown << b;
        for (int b = 38; b <= 44; ++b) f800Shown << b;
        for (int b = 51; b <= 56; ++b) f800Shown << b;
        const auto& f805 = ButtonsOf(IndicatorModel::F805);
        const auto& f800 = ButtonsOf(IndicatorModel::F800);
        QCOMPARE(int(f805.size()), kItemButtons);
        QCOMPARE(int(f800.size()), kItemButtons);
        for (int b = 0; b < kItemButtons; ++b) {
            QVERIFY(f805[b].visible);
            QCOMPARE(f800[b].visible, f800Shown.contains(b));
            QCOMPARE(f805[b].tab, b < 30 ? 1 : 2);
            if (!f800[b].visible) {
                QCOMPARE(f800[b].caption, f805[b].caption);
                QVERIFY(f800[b].code.isEmpty());
                QCOMPARE(f800[b].jumpRow, -1);
            }
        }
        QCOMPARE(f800[0].caption, QString("ﾀｲﾏ"));
        QCOMPARE(f800[2].caption, QString("上限"));
        QCOMPARE(f800[3].caption, QString("下限"));
        QCOMPARE(f800[53].caption, QString("最大－最小"));
        QCOMPARE(f805[56].caption, QString("最大-最小"));
        QCOMPARE(f805[15].caption, QString("自動落差補正平均"));
    }

    void boxesShownPerModel() {
        const auto& f805 = BoxesOf(IndicatorModel::F805);
        const auto& f800 = BoxesOf(IndicatorModel::F800);
        QCOMPARE(int(f805.size()), 59);
        QCOMPARE(int(f800.size()), 59);
        QStringList f800Tags;
        for (const BoxSpec& b : f800)
            if (b.visible) f800Tags << b.tag;
        QCOMPARE(f800Tags, Range("W2", "0123456789") + Range("W3", "01234567") +
                               Range("W6", "2345678") + Range("W8", "012345"));
        for (const BoxSpec& b : f805) {
            QVERIFY(b.visible);
            QCOMPARE("W" + b.code, b.tag);
        }
        QCOMPARE(TagOfBox({2, 10}), QString("W2A"));
        QCOMPARE(TagOfBox({9, 2}), QString());
        QCOMPARE(BoxOfButton(57), (ValueBoxRef{9, 0}));
        QCOMPARE(BoxOfButton(36), (ValueBoxRef{6, 0}));
        QVERIFY(!BoxOfButton(59).valid());
        QCOMPARE(FamilyName(6), QString("W60"));
        QCOMPARE(FamilySize(1), 8);
        QCOMPARE(FamilySize(2), 16);
    }

    void bracketsAndSmallTexts() {
        QCOMPARE(BracketSetOf(IndicatorModel::F805), BracketSet::LineF805);
        QCOMPARE(BracketSetOf(IndicatorModel::F800), BracketSet::LineF800);
        QCOMPARE(BracketLineCount(BracketSet::LineF805), 9);
        QCOMPARE(BracketLineCount(BracketSet::LineF800), 27);
        QCOMPARE(LockStatusLabel(IndicatorModel::F805), QString("LOCK(soft)"));
        QCOMPARE(LockStatusLabel(IndicatorModel::F800), QString("未定義"));
        QCOMPARE(ProductItemLabels(), QStringList({"大投入", "定量前", "定量", "過量", "不足",
                                                   "落差", "自動落差規制値", "補正投入時間"}));
        QCOMPARE(ProductItemCode(0), QString("10"));
        QCOMPARE(ProductItemCode(7), QString("17"));
        QVERIFY(ProductItemCode(8).isEmpty());
    }
};

QTEST_GUILESS_MAIN(CatalogueTest)
#include "test_catalogue.moc"
