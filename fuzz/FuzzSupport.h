#pragma once

// What every fuzz target shares: the application object Qt wants, the property check that
// turns a broken promise into a finding, and a picture of the settings store.

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "model/SettingsStore.h"

// A property that must hold for every input: when it does not, libFuzzer keeps the input.
#define FUZZ_CHECK(condition, what)                                     \
    do {                                                                \
        if (!(condition)) {                                             \
            std::fprintf(stderr, "fuzz property broken: %s\n", (what)); \
            std::abort();                                               \
        }                                                               \
    } while (0)

// Qt's SQL drivers, processes and event loops need the application object.
inline void StartApplication(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
}

// Puts the fuzzer's bytes into a scratch file, for the readers of files.
inline void WriteScratchFile(const QString& path, const uint8_t* data, size_t size) {
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "scratch file opens");
    FUZZ_CHECK(file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size),
               "scratch file written");
}

// The store's contents, by part: the 100 products, the setting groups, the live data and the
// model with the current product.
struct StorePicture {
    QStringList products, settings, live, state;
    bool operator==(const StorePicture&) const = default;
};

inline StorePicture PictureOf(const SettingsStore& store) {
    StorePicture p;
    for (int n = 0; n < SettingsStore::kMaxProducts; ++n)
        for (int k = 0; k < SettingsStore::kProductItems; ++k) p.products << store.product(n, k);
    for (int g = SettingsStore::kFirstGroup; g <= SettingsStore::kLastGroup; ++g)
        for (int s = 0; s < SettingsStore::GroupSize(g); ++s) p.settings << store.setting(g, s);
    for (int k = 0; k < SettingsStore::kLiveKinds; ++k) p.live << store.live(k);
    p.state << QString::number(int(store.model())) << QString::number(store.currentProduct());
    return p;
}
