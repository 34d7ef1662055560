#include "history/Compare.h"

#include <QStringList>
#include <algorithm>

#include "history/Journal.h"
#include "model/Catalogue.h"
#include "model/DisplayFormat.h"
#include "model/ModelFacts.h"
#include "texts/HistoryTexts.h"

namespace {

constexpr int kMaxPlaces = 3;

QString NoData() {
    return Tr(HistoryText::NoData);
}

// The decimal places of weights on one side, read with the layout of `model` (not the store's
// own model): the digit of the decimal point setting; one without a weight pattern counts as 0.
int PlacesOf(const SettingsStore& store, IndicatorModel model) {
    const RowBinding source = DecimalPointSource(model);
    const auto slot = StoreSlot(source.code, model);
    const int digit = PositionOf(source, slot ? store.setting(*slot) : QString()).value_or(0);
    return digit >= 0 && digit <= kMaxPlaces ? digit : 0;
}

// What a detail row shows for a stored value, "（なし）" for none.
QString ShowRow(const RowSpec& row, const QString& value, int places) {
    return value.isEmpty() ? NoData() : display::RowText(row, value, places);
}

// The differing rows of a setting; its stored texts under its caption when no row tells them
// apart (characters no row reads, or two spellings of the same option).
std::vector<DecodedChange> SettingChanges(const CatalogueEntry& entry, const QString& window,
                                          const QString& other, int windowPlaces, int otherPlaces) {
    std::vector<DecodedChange> changes;
    const std::vector<RowSpec>& rows = RowsOf(entry.model);
    for (int n : entry.rows) {
        const RowSpec& row = rows[n];
        QString w = ShowRow(row, window, windowPlaces);
        QString o = ShowRow(row, other, otherPlaces);
        if (w != o) changes.push_back({row.label, std::move(w), std::move(o)});
    }
    if (changes.empty())
        changes.push_back({entry.buttonCaption, ShownValue(window), ShownValue(other)});
    return changes;
}

void CompareSettings(const SettingsStore& window, const SettingsStore& other, IndicatorModel model,
                     std::vector<Difference>& out) {
    const int windowPlaces = PlacesOf(window, model);
    const int otherPlaces = PlacesOf(other, model);
    for (const CatalogueEntry& entry : EntriesOf(model)) {
        const QString w = window.setting(entry.slot);
        const QString o = other.setting(entry.slot);
        if (w == o) continue;
        Difference d;
        d.code = entry.code;
        d.slot = entry.slot;
        d.caption = entry.buttonCaption;
        d.changes = SettingChanges(entry, w, o, windowPlaces, otherPlaces);
        d.windowValue = w;
        d.otherValue = o;
        out.push_back(std::move(d));
    }
}

// Product values are shown as stored, as the product tab shows them.
void CompareProducts(const SettingsStore& window, const SettingsStore& other, IndicatorModel model,
                     std::vector<Difference>& out) {
    const QStringList& captions = ProductItemLabels();
    for (int p = 0; p < FactsOf(model).products; ++p)
        for (int item = 0; item < SettingsStore::kProductItems; ++item) {
            const QString w = window.product(p, item);
            const QString o = other.product(p, item);
            if (w == o) continue;
            Difference d;
            d.code = ProductItemCode(item);
            d.product = p;
            d.item = item;
            d.caption = captions.value(item);
            d.changes.push_back({d.caption, ShownValue(w), ShownValue(o)});
            d.windowValue = w;
            d.otherValue = o;
            out.push_back(std::move(d));
        }
}

}  // namespace

std::vector<Difference> CompareStores(const SettingsStore& window, const SettingsStore& other,
                                      IndicatorModel model, CompareScope scope) {
    std::vector<Difference> out;
    if (scope != CompareScope::Products) CompareSettings(window, other, model, out);
    if (scope != CompareScope::Settings) CompareProducts(window, other, model, out);
    return out;
}

DifferenceCounts CountDifferences(const std::vector<Difference>& differences) {
    DifferenceCounts counts;
    std::vector<bool> seen(SettingsStore::kMaxProducts, false);
    for (const Difference& d : differences) {
        if (!d.isProduct()) {
            ++counts.settings;
        } else if (d.product < SettingsStore::kMaxProducts && !seen[d.product]) {
            seen[d.product] = true;
            ++counts.products;
        }
    }
    return counts;
}

QString SummaryText(const DifferenceCounts& counts) {
    QStringList parts;
    if (counts.settings > 0) parts << Tr(HistoryText::SettingsDiffer).arg(counts.settings);
    if (counts.products > 0) parts << Tr(HistoryText::ProductsDiffer).arg(counts.products);
    if (parts.isEmpty()) return Tr(HistoryText::Same);
    return Tr(HistoryText::Differ).arg(parts.join(Tr(HistoryText::ListJoiner)));
}

QString ShownValue(const QString& stored) {
    return stored.isEmpty() ? NoData() : stored;
}

QString PlaceText(const Difference& difference) {
    if (difference.isProduct())
        return Tr(HistoryText::ProductPlace)
            .arg(QString::number(difference.product), difference.caption);
    return QStringLiteral("W%1 %2").arg(difference.code, difference.caption);
}

QString ChangeText(const DecodedChange& change) {
    return QStringLiteral("%1: %2 → %3").arg(change.caption, change.window, change.other);
}

QString ContentText(const Difference& difference) {
    QStringList lines;
    for (const DecodedChange& c : difference.changes) lines << ChangeText(c);
    return lines.join(u'\n');
}

int ApplyOtherValues(SettingsStore& store, const std::vector<Difference>& differences,
                     const std::vector<int>& selectedIndexes) {
    std::vector<bool> done(differences.size(), false);
    int written = 0;
    for (int i : selectedIndexes) {
        if (i < 0 || i >= static_cast<int>(differences.size()) || done[i]) continue;
        done[i] = true;
        const Difference& d = differences[i];
        if (d.isProduct())
            store.setProduct(d.product, d.item, d.otherValue);
        else
            store.setSetting(d.slot, d.otherValue);
        ++written;
    }
    return written;
}

std::vector<Difference> DifferencesOfChanges(const SettingsStore& base,
                                             const std::vector<ChangedValue>& changes) {
    SettingsStore held = base;
    SettingsStore fresh = base;
    for (const ChangedValue& c : changes) {
        PutValues(held, {{c.product, c.code, c.indicator}});
        PutValues(fresh, {{c.product, c.code, c.window}});
    }
    const std::vector<Difference> all =
        CompareStores(held, fresh, base.model(), CompareScope::Both);
    std::vector<Difference> out;
    out.reserve(changes.size());
    for (const ChangedValue& c : changes) {
        const auto found = std::find_if(all.begin(), all.end(), [&c](const Difference& d) {
            return d.product == c.product && d.code == c.code;
        });
        if (found != all.end()) {
            out.push_back(*found);
            continue;
        }
        // Texts that differ only where the store does not keep them: shown as they are.
        Difference d;
        d.code = c.code;
        d.product = c.product;
        d.item = c.product >= 0 ? c.code.right(1).toInt() : -1;
        d.windowValue = c.indicator;
        d.otherValue = c.window;
        d.changes.push_back({QString(), ShownValue(c.indicator), ShownValue(c.window)});
        out.push_back(d);
    }
    return out;
}

std::vector<std::pair<int, QString>> PlacesOfDifferences(const std::vector<Difference>& differences,
                                                         const std::vector<int>& selectedIndexes) {
    std::vector<std::pair<int, QString>> places;
    for (int i : selectedIndexes)
        if (i >= 0 && i < int(differences.size()))
            places.emplace_back(differences[size_t(i)].product, differences[size_t(i)].code);
    return places;
}
