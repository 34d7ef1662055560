// Data file figures: a full F805 data set (100 products, 59 settings) saved to and loaded from a
// data file in a temporary folder, median of 20 runs each. Prints one line per figure:
// "figure <name> <value> <unit>".
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "BenchSupport.h"
#include "model/Catalogue.h"
#include "storage/DataFile.h"

namespace {

using bench::Figure;

constexpr int kRuns = 20;

// Five digits that differ from value to value.
QString Digits(int n) {
    return QStringLiteral("%1").arg(n % 100000, 5, 10, QLatin1Char('0'));
}

SettingsStore FullF805Set() {
    SettingsStore store;
    store.setModel(IndicatorModel::F805);
    int n = 0;
    for (int p = 0; p < SettingsStore::kMaxProducts; ++p)
        for (int item = 0; item < SettingsStore::kProductItems; ++item)
            store.setProduct(p, item, Digits(++n));
    for (const QString& code : CodesOf(IndicatorModel::F805)) store.setValue(code, Digits(++n));
    return store;
}

double Ms(const QElapsedTimer& clock) {
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.mdb"));
    const SettingsStore saved = FullF805Set();

    std::vector<double> saveMs;
    std::vector<double> loadMs;
    for (int run = 0; run <= kRuns; ++run) {  // run 0 warms up
        QElapsedTimer clock;
        clock.start();
        const DataFileSave save = SaveDataFile(saved, path);
        const double s = Ms(clock);
        if (!save.saved || !save.messages.isEmpty()) {
            std::fprintf(stderr, "save failed: %s\n", qPrintable(save.messages.join(' ')));
            return 1;
        }

        SettingsStore loaded;
        loaded.setModel(IndicatorModel::F805);
        clock.restart();
        const DataFileLoad load = LoadDataFile(loaded, path, loadmode::kAll);
        const double l = Ms(clock);
        if (!load.storeChanged || !load.messages.isEmpty() ||
            loaded.product(99, 7) != saved.product(99, 7) ||
            loaded.value("91") != saved.value("91")) {
            std::fprintf(stderr, "load failed: %s\n", qPrintable(load.messages.join(' ')));
            return 1;
        }
        if (run == 0) continue;
        saveMs.push_back(s);
        loadMs.push_back(l);
    }
    Figure("save_ms", bench::Median(saveMs), "ms");
    Figure("load_ms", bench::Median(loadMs), "ms");
    return 0;
}
