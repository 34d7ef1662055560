#pragma once

// The properties of one data-file load, shared by the two data-file targets: a refused file
// changes nothing, a load copies only values a data file can hold, only into the half it was
// asked for, and never changes the model or the current product.

#include "FuzzSupport.h"
#include "storage/DataFile.h"
#include "storage/DataFileLayout.h"

// A store with something in every slot, so that a load that should leave a value shows it.
inline SettingsStore FilledStore(bool f800) {
    SettingsStore store;
    store.setModel(f800 ? IndicatorModel::F800 : IndicatorModel::F805);
    for (int n = 0; n < SettingsStore::kMaxProducts; ++n)
        for (int k = 0; k < SettingsStore::kProductItems; ++k) store.setProduct(n, k, "<p>");
    for (int g = SettingsStore::kFirstGroup; g <= SettingsStore::kLastGroup; ++g)
        for (int s = 0; s < SettingsStore::GroupSize(g); ++s) store.setSetting(g, s, "<s>");
    store.setCurrentProduct(7);
    return store;
}

inline void LoadAndCheck(const QString& path, int mode, bool f800) {
    SettingsStore store = FilledStore(f800);
    const StorePicture before = PictureOf(store);
    const DataFileLoad load = LoadDataFile(store, path, mode);
    const StorePicture after = PictureOf(store);
    if (!load.storeChanged) FUZZ_CHECK(after == before, "a refused file changes nothing");
    FUZZ_CHECK(after.state == before.state && after.live == before.live,
               "a load never changes the model, the current product or live data");
    if (mode == loadmode::kProducts)
        FUZZ_CHECK(after.settings == before.settings, "a product load leaves the settings");
    if (mode == loadmode::kSettings)
        FUZZ_CHECK(after.products == before.products, "a settings load leaves the products");
    for (qsizetype i = 0; i < after.products.size(); ++i)
        if (after.products[i] != before.products[i])
            FUZZ_CHECK(datafile::FileCanHold(after.products[i]) && !after.products[i].isEmpty(),
                       "a load copies only values a data file holds");
    for (qsizetype i = 0; i < after.settings.size(); ++i)
        if (after.settings[i] != before.settings[i])
            FUZZ_CHECK(datafile::FileCanHold(after.settings[i]) && !after.settings[i].isEmpty(),
                       "a load copies only values a data file holds");
}
