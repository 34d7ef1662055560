#include "model/DataClear.h"

#include "model/Validation.h"
#include "texts/ModelTexts.h"

namespace dataclear {

void ClearAll(SettingsStore& store) {
    store.clearProducts();
    ClearSettings(store);
}

void ClearSettings(SettingsStore& store) {
    store.clearSettingGroups();
    store.clearLiveData();
}

CopyCheck CheckForCopy(const ProductEntries& entries) {
    for (const QString& entry : entries)
        if (entry.isEmpty()) return {};
    for (int k = 0; k < SettingsStore::kProductItems; ++k)
        if (!MatchesMask(entries[k], ProductMask(k))) return {false, k};
    return {true, -1};
}

CopyCheck CopyToAllProducts(SettingsStore& store, const ProductEntries& entries) {
    const CopyCheck check = CheckForCopy(entries);
    if (!check.ok) return check;
    for (int p = 0; p < store.productCount(); ++p)
        for (int k = 0; k < SettingsStore::kProductItems; ++k) store.setProduct(p, k, entries[k]);
    return check;
}

QString CopyDoneMessage() {
    return Tr(ModelText::CopyDone);
}

QString CopyRefusedMessage() {
    return Tr(ModelText::CopyRefused);
}

}  // namespace dataclear
