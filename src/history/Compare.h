#pragma once

// Comparing the window's data with another data set (the indicator read into a scratch store, a
// data file, a journal snapshot): which setting codes and product values differ, both stored
// texts, and what each difference means in the words of the window (option texts, weights with
// their decimal point). Widget-free.

#include <QString>
#include <vector>

#include "link/RunKinds.h"
#include "model/SettingsStore.h"
#include "transfer/ChangedWrite.h"

// The kind of a read of the whole indicator made to compare with it.
inline constexpr QLatin1StringView kCompareReadOperation = runkind::kCompareRead;

// What a comparison looks at.
enum class CompareScope { Settings, Products, Both };

// One part of a difference as the window would show it: a detail row (or a product field) and
// the text each side shows there; "（なし）" stands for no data.
struct DecodedChange {
    QString caption;
    QString window;
    QString other;
};

// One setting code or one product value whose stored texts differ.
struct Difference {
    QString code;         // "20" … "91" for a setting; "10" … "17" for a product value
    int product = -1;     // the product of a product value (0 …); -1 for a setting
    int item = -1;        // product field 0 … 7; -1 for a setting
    StoreAddress slot;    // a setting's place in the store for the compared model
    QString caption;      // the setting's item-button caption, or the product field's caption
    QString windowValue;  // stored texts; empty is no data
    QString otherValue;
    // One line per differing detail row: for a value packing several options or numbers, only
    // the rows whose shown text differs. Never empty.
    std::vector<DecodedChange> changes;

    bool isProduct() const { return product >= 0; }
};

// The differing setting codes (in the model's code order) and then the differing product
// values (the products `model` has, product by product, field by field) of `window` against
// `other`, both read with the layout of `model`. Numbers are shown with each side's own decimal
// point setting.
std::vector<Difference> CompareStores(const SettingsStore& window, const SettingsStore& other,
                                      IndicatorModel model, CompareScope scope);

struct DifferenceCounts {
    int settings = 0;  // differing setting codes
    int products = 0;  // products with at least one differing value
    bool operator==(const DifferenceCounts&) const = default;
};
DifferenceCounts CountDifferences(const std::vector<Difference>& differences);

// "設定値 3 件、銘柄 12 件が異なります"; a part with no differences is left out; "同じです" when
// nothing differs.
QString SummaryText(const DifferenceCounts& counts);

// The stored text as the comparison shows it: "（なし）" for no data.
QString ShownValue(const QString& stored);
// Where a difference is: "W33 安定時ﾌｨﾙﾀ・MD" or "銘柄 12 定量".
QString PlaceText(const Difference& difference);
// "安定時ﾌｨﾙﾀ: 挿入する → 挿入しない".
QString ChangeText(const DecodedChange& change);
// Every change line of a difference, one per line.
QString ContentText(const Difference& difference);

// Writes the other side's stored text of each selected difference (indexes into
// `differences`; out-of-range and repeated indexes are skipped) into `store`. Returns how many
// values were written.
int ApplyOtherValues(SettingsStore& store, const std::vector<Difference>& differences,
                     const std::vector<int>& selectedIndexes);

// Each value a write of only the changed values will send, as a difference between the
// indicator's value (the window side) and the new one (the other side), decoded as the
// comparison decodes them; one per change and in the changes' order. `base` gives the values
// around them (the decimal point a weight is shown with).
std::vector<Difference> DifferencesOfChanges(const SettingsStore& base,
                                             const std::vector<ChangedValue>& changes);

// The places of the selected differences (indexes into `differences`), as (product, code).
std::vector<std::pair<int, QString>> PlacesOfDifferences(const std::vector<Difference>& differences,
                                                         const std::vector<int>& selectedIndexes);
