#include <QTemporaryDir>
#include <QtTest>

#include "history/Compare.h"
#include "model/Catalogue.h"
#include "report/DifferencesCsv.h"
#include "texts/HistoryTexts.h"
#include "texts/ReportTexts.h"

namespace {

constexpr IndicatorModel kModel = IndicatorModel::F805;

// The first entry of a kind whose first row has at least two options.
const CatalogueEntry& EntryOfKind(ItemKind kind) {
    for (const CatalogueEntry& e : EntriesOf(kModel))
        if (e.kind == kind && OptionsOf(kModel, e.rows.front()).size() >= 2) return e;
    qFatal("no such entry");
}

QString Composed(const CatalogueEntry& e, std::vector<int> positions) {
    return ComposeValue(e, positions).value();
}

}  // namespace

class CompareTest : public QObject {
    Q_OBJECT
  private slots:
    void decodesOptionsPackedDigitsAndWeights() {
        SettingsStore window, other;
        // A packed value with only its last row changed: one line naming that row.
        const CatalogueEntry& packed = EntryOfKind(ItemKind::PackedChoice);
        const int last = packed.rows.back();
        std::vector<int> positions(packed.rows.size(), 0);
        window.setValue(packed.code, Composed(packed, positions));
        positions.back() = 1;
        other.setValue(packed.code, Composed(packed, positions));
        // A list setting that is empty in the window.
        const CatalogueEntry& choice = EntryOfKind(ItemKind::Choice);
        other.setValue(choice.code, Composed(choice, {1}));
        // A weight on both sides shown to two decimals.
        const RowBinding point = DecimalPointSource(kModel);
        const CatalogueEntry* weight = nullptr;
        for (const RowSpec& r : RowsOf(kModel))
            if (r.binding.show == RowShow::Weight && !weight) weight = EntryOfRow(kModel, r.row);
        for (SettingsStore* s : {&window, &other}) s->setValue(point.code, "00002");
        window.setValue(weight->code, "01234");
        other.setValue(weight->code, "-0012");

        const auto diffs = CompareStores(window, other, kModel, CompareScope::Both);
        QCOMPARE(diffs.size(), size_t(3));
        auto find = [&](const QString& code) {
            return *std::find_if(diffs.begin(), diffs.end(),
                                 [&](const Difference& d) { return d.code == code; });
        };
        const Difference p = find(packed.code);
        QCOMPARE(p.changes.size(), size_t(1));
        const QStringList options = OptionsOf(kModel, last);
        const QString label = RowOf(kModel, last).label;
        QCOMPARE(ChangeText(p.changes[0]), label + ": " + options[0] + " → " + options[1]);
        QVERIFY(PlaceText(p).contains(packed.buttonCaption));

        const Difference c = find(choice.code);
        QCOMPARE(c.windowValue, QString());
        QCOMPARE(c.changes[0].window, Tr(HistoryText::NoData));
        QCOMPARE(c.changes[0].other, OptionsOf(kModel, choice.rows.front())[1]);

        const Difference w = find(weight->code);
        QCOMPARE(w.changes[0].window, QStringLiteral("012.34"));
        QCOMPARE(w.changes[0].other, QStringLiteral("-000.12"));
    }

    void countsAndSummary() {
        SettingsStore window, other;
        QCOMPARE(
            SummaryText(CountDifferences(CompareStores(window, other, kModel, CompareScope::Both))),
            Tr(HistoryText::Same));
        const QStringList codes = CodesOf(kModel);
        other.setValue(codes[0], "00001");
        other.setValue(codes[5], "00001");
        other.setProduct(3, 0, "00100");
        other.setProduct(3, 7, "00100");
        window.setProduct(99, 2, "00100");

        const auto both = CompareStores(window, other, kModel, CompareScope::Both);
        QCOMPARE(both.size(), size_t(5));
        QCOMPARE(CountDifferences(both), (DifferenceCounts{2, 2}));
        QCOMPARE(SummaryText(CountDifferences(both)),
                 Tr(HistoryText::Differ)
                     .arg(Tr(HistoryText::SettingsDiffer).arg(2) + Tr(HistoryText::ListJoiner) +
                          Tr(HistoryText::ProductsDiffer).arg(2)));
        const auto products = CompareStores(window, other, kModel, CompareScope::Products);
        QCOMPARE(SummaryText(CountDifferences(products)),
                 Tr(HistoryText::Differ).arg(Tr(HistoryText::ProductsDiffer).arg(2)));
        QCOMPARE(PlaceText(products.back()),
                 Tr(HistoryText::ProductPlace).arg("99", ProductItemLabels()[2]));
        QCOMPARE(CountDifferences(CompareStores(window, other, kModel, CompareScope::Settings)),
                 (DifferenceCounts{2, 0}));
    }

    void csvQuotesFieldsAfterBom() {
        Difference d;
        d.code = "20";
        d.caption = "a,\"b\"";
        d.otherValue = "00001";
        d.changes = {{"x", "1", "2"}, {"y", "3", "4"}};
        const QByteArray bytes = DifferencesCsv({d}).toUtf8();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QString text = QString::fromUtf8(bytes.mid(3));
        const QStringList header{Tr(ReportText::ColumnPlace), Tr(ReportText::ColumnWindowValue),
                                 Tr(ReportText::ColumnOtherValue), Tr(ReportText::ColumnMeaning)};
        QCOMPARE(text, header.join(',') + "\r\n\"W20 a,\"\"b\"\"\"," + Tr(HistoryText::NoData) +
                           ",00001,\"x: 1 → 2\ny: 3 → 4\"\r\n");

        QTemporaryDir dir;
        const QString path = dir.filePath("diff.csv");
        QCOMPARE(SaveDifferencesCsv(path, {d}), QString());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
        QVERIFY(!SaveDifferencesCsv(dir.filePath("missing/diff.csv"), {d}).isEmpty());
    }

    void appliesSelectedOtherValues() {
        SettingsStore window, other;
        other.setModel(IndicatorModel::F800);
        window.setModel(IndicatorModel::F800);
        const QStringList codes = CodesOf(IndicatorModel::F800);
        other.setValue(codes.back(), "00007");  // a group the F800 keeps in another slot
        window.setValue(codes[0], "00003");     // taken as no data
        other.setProduct(42, 6, "00042");
        const auto diffs = CompareStores(window, other, IndicatorModel::F800, CompareScope::Both);
        QCOMPARE(diffs.size(), size_t(3));

        QCOMPARE(ApplyOtherValues(window, diffs, {2, 2, -1, 3}), 1);
        QCOMPARE(window.product(42, 6), QStringLiteral("00042"));
        QCOMPARE(window.value(codes.back()), QString());
        QCOMPARE(ApplyOtherValues(window, diffs, {0, 1}), 2);
        QVERIFY(CompareStores(window, other, IndicatorModel::F800, CompareScope::Both).empty());
    }
};

QTEST_GUILESS_MAIN(CompareTest)
#include "test_compare.moc"
