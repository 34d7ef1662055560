#pragma once

#include <QString>
#include <array>

#include "model/SettingsStore.h"

// The store side of the data clear and of copying the shown product to all products.
namespace dataclear {

// Empties every product record, every setting value and the live data.
void ClearAll(SettingsStore& store);
// Empties every setting value (all 59 slots of groups 2 … 9) and the live data; products stay.
void ClearSettings(SettingsStore& store);

using ProductEntries = std::array<QString, SettingsStore::kProductItems>;

// The check of the eight product entry boxes before they are copied to all products.
struct CopyCheck {
    bool ok = false;
    int failedBox = -1;  // the first box failing its digit mask; -1 when none failed
};

// Refuses the copy when any box is empty (no box marked), otherwise checks boxes 0 … 7 in order
// against the product masks and stops at the first that fails (that box is marked).
CopyCheck CheckForCopy(const ProductEntries& entries);

// Checks the entries and, when they pass, stores them unchanged as every product record of the
// store's model. The store is untouched on refusal.
CopyCheck CopyToAllProducts(SettingsStore& store, const ProductEntries& entries);

// "処理完了。 100 銘柄同じ設定にしました。"
QString CopyDoneMessage();
// "無効な入力があるため設定できません。"
QString CopyRefusedMessage();

}  // namespace dataclear
