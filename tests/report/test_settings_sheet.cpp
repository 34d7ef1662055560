#include <QTest>

#include "ReportTestSupport.h"
#include "report/SettingsCsv.h"
#include "report/SettingsSheet.h"
#include "texts/AppTexts.h"
#include "texts/ModelTexts.h"
#include "texts/ReportTexts.h"

namespace {

const SheetSetting* Find(const SettingsSheet& sheet, const QString& code) {
    for (const SheetSetting& s : sheet.settings)
        if (s.code == u'W' + code) return &s;
    return nullptr;
}

// The first setting of the model whose rows show it in a way `show`.
const CatalogueEntry* EntryShowing(IndicatorModel model, RowShow show, ItemKind kind) {
    for (const CatalogueEntry& e : EntriesOf(model))
        if (e.kind == kind && RowOf(model, e.rows.front()).binding.show == show) return &e;
    return nullptr;
}

}  // namespace

class SettingsSheetTest : public QObject {
    Q_OBJECT
  private slots:
    // Every setting in catalogue order; values the store lacks stay blank, never a decoded
    // default; held values are decoded as the detail tabs show them.
    void decoding() {
        for (IndicatorModel model : {IndicatorModel::F805, IndicatorModel::F800}) {
            SettingsStore store;
            store.setModel(model);
            const SettingsSheet blank = BuildSheet(store, {});
            QCOMPARE(blank.settings.size(), EntriesOf(model).size());
            QCOMPARE(blank.settings.front().code, u'W' + CodesOf(model).front());
            for (const SheetSetting& s : blank.settings) {
                QVERIFY2(s.raw.isEmpty() && s.meaning.isEmpty(), qPrintable(s.code));
                for (const SheetItem& item : s.items) QVERIFY(item.meaning.isEmpty());
            }
            QVERIFY(blank.productNote.contains(QStringLiteral("0–99")));
            QVERIFY(blank.products.empty());

            // The decimal point at 2 places: a weight of 01234 reads 012.34.
            const RowBinding point = DecimalPointSource(model);
            QString digits = QStringLiteral("00000");
            digits[point.count - 1] = u'2';
            store.setValue(point.code, digits);
            const CatalogueEntry* weight = EntryShowing(model, RowShow::Weight, ItemKind::Numeric);
            QVERIFY(weight);
            store.setValue(weight->code, QStringLiteral("01234"));
            // A choice whose digit lies beyond its options says so instead of guessing.
            const QString beyond = QStringLiteral("00099");
            const CatalogueEntry* choice = nullptr;
            for (const CatalogueEntry& e : EntriesOf(model)) {
                const RowSpec row = RowOf(model, e.rows.front());
                if (e.kind == ItemKind::Choice &&
                    PositionOf(row.binding, beyond).value_or(0) >= row.options.size())
                    choice = &e;
            }
            QVERIFY(choice);
            store.setValue(choice->code, beyond);
            const CatalogueEntry* packed = nullptr;
            for (const CatalogueEntry& e : EntriesOf(model))
                if (e.kind == ItemKind::PackedChoice && !packed) packed = &e;
            QVERIFY(packed);
            store.setValue(packed->code, QStringLiteral("00000"));

            const SettingsSheet sheet = BuildSheet(store, {});
            QCOMPARE(Find(sheet, weight->code)->meaning, QStringLiteral("012.34"));
            QCOMPARE(Find(sheet, weight->code)->raw, QStringLiteral("01234"));
            QCOMPARE(Find(sheet, choice->code)->meaning,
                     Tr(ModelText::NotListed)
                         .arg(ReadChars(RowOf(model, choice->rows.front()).binding, beyond)));
            const SheetSetting* split = Find(sheet, packed->code);
            QCOMPARE(split->items.size(), packed->rows.size());
            QVERIFY(split->meaning.isEmpty());
            for (size_t i = 0; i < split->items.size(); ++i)
                QCOMPARE(split->items[i].caption, RowOf(model, packed->rows[i]).label);
        }
    }

    // Times are in seconds, and a gravity zone is shown by its name.
    void timesAndZones() {
        SettingsStore store;
        const CatalogueEntry* time =
            EntryShowing(store.model(), RowShow::Tenths, ItemKind::Numeric);
        store.setValue(time->code, QStringLiteral("00015"));
        QCOMPARE(Find(BuildSheet(store, {}), time->code)->meaning,
                 Tr(ReportText::Seconds).arg("1.5"));
        for (const CatalogueEntry& e : EntriesOf(store.model())) {
            const BoxRule rule = RuleOf(store.model(), e.box.family, e.box.index);
            if (rule.kind != RuleKind::OneToSixteen) continue;
            store.setValue(e.code, QStringLiteral("00016"));
            QCOMPARE(Find(BuildSheet(store, {}), e.code)->meaning,
                     RowOf(store.model(), e.rows.front()).options.last());
        }
    }

    // Products holding nothing are left out and named in runs; the settings CSV has one row per
    // setting and one per packed item.
    void productsAndCsv() {
        SettingsStore store;
        FillStore(store);
        for (int p : {0, 1, 2, 5, 97, 98, 99})
            for (int i = 0; i < SettingsStore::kProductItems; ++i) store.setProduct(p, i, {});
        store.setProduct(98, 7, QStringLiteral("00001"));
        const SettingsSheet sheet =
            BuildSheet(store, {"/dev/ttyUSB0", DataOrigin::DataFile("/data/line3.mdb"), true,
                               QDateTime({2026, 1, 2}, {3, 4})});
        QCOMPARE(sheet.products.size(), size_t(94));
        const QStringList empty{"0–2", "5", "97", "99"};
        QCOMPARE(sheet.productNote,
                 Tr(ReportText::EmptyProductsOmitted).arg(empty.join(Tr(ReportText::RangeJoiner))));
        QVERIFY(sheet.headerLines.join('\n').contains(
            Tr(ReportText::HeaderOrigin)
                .arg(Tr(AppText::FromDataFile).arg("line3.mdb") + Tr(ReportText::Edited))));
        QVERIFY(sheet.headerLines.join('\n').contains(QStringLiteral("2026-01-02 03:04")));
        size_t rows = 1;
        for (const SheetSetting& s : sheet.settings) rows += 1 + s.items.size();
        const QString text = SettingsCsv(sheet);
        QCOMPARE(size_t(text.count(QStringLiteral("\r\n"))), rows);
    }
};

QTEST_GUILESS_MAIN(SettingsSheetTest)
#include "test_settings_sheet.moc"
