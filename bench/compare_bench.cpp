// Comparison figure: the differences of two full F805 data sets (100 products of eight values,
// 59 settings) in which every value differs, median of 20 runs. Prints
// "figure <name> <value> <unit>".
#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "BenchSupport.h"
#include "history/Compare.h"
#include "model/Catalogue.h"

namespace {

constexpr int kRuns = 20;
constexpr int kValues = SettingsStore::kMaxProducts * SettingsStore::kProductItems;

// A full F805 data set whose values are five digits counting up from `first`.
SettingsStore FullF805Set(int first) {
    SettingsStore store;
    store.setModel(IndicatorModel::F805);
    int n = first;
    auto next = [&n] { return QStringLiteral("%1").arg(n++ % 100000, 5, 10, QLatin1Char('0')); };
    for (int p = 0; p < SettingsStore::kMaxProducts; ++p)
        for (int item = 0; item < SettingsStore::kProductItems; ++item)
            store.setProduct(p, item, next());
    for (const QString& code : CodesOf(IndicatorModel::F805)) store.setValue(code, next());
    return store;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const SettingsStore window = FullF805Set(1);
    const SettingsStore other = FullF805Set(50001);
    const std::size_t expected = kValues + CodesOf(IndicatorModel::F805).size();

    std::vector<double> ms;
    for (int run = 0; run <= kRuns; ++run) {  // run 0 warms up
        QElapsedTimer clock;
        clock.start();
        const auto diffs = CompareStores(window, other, IndicatorModel::F805, CompareScope::Both);
        const double elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        if (diffs.size() != expected) {
            std::fprintf(stderr, "%zu differences, expected %zu\n", diffs.size(), expected);
            return 1;
        }
        if (run > 0) ms.push_back(elapsed);
    }
    bench::Figure("compare_ms", bench::Median(ms), "ms");
    return 0;
}
