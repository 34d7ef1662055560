// Journal figure: one all-read of an F805 (100 products of eight values, then 59 settings)
// recorded as a snapshot in a journal in a temporary folder, median of 20 runs. Prints
// "figure <name> <value> <unit>".
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

#include "BenchSupport.h"
#include "history/Journal.h"
#include "model/Catalogue.h"

namespace {

constexpr int kRuns = 20;

QString Digits(int n) {
    return QStringLiteral("%1").arg(n % 100000, 5, 10, QLatin1Char('0'));
}

TransferRun AllRead() {
    TransferRun run;
    run.operation = runkind::kAllRead;
    run.device = QStringLiteral("/dev/ttyUSB0");
    int n = 0;
    for (int p = 0; p < SettingsStore::kMaxProducts; ++p)
        for (int item = 0; item < SettingsStore::kProductItems; ++item)
            run.values.push_back({p, QString::number(10 + item), Digits(++n)});
    for (const QString& code : CodesOf(IndicatorModel::F805))
        run.values.push_back({-1, code, Digits(++n)});
    return run;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    Journal journal(dir.filePath(QStringLiteral("journal.sqlite")));
    const TransferRun run = AllRead();
    std::vector<double> recordMs;
    for (int i = 0; i <= kRuns; ++i) {  // run 0 creates the file
        QElapsedTimer clock;
        clock.start();
        if (!journal.record(run)) {
            std::fprintf(stderr, "record failed: %s\n", qPrintable(journal.failure()));
            return 1;
        }
        if (i > 0) recordMs.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    bench::Figure("journal_record_ms", bench::Median(recordMs), "ms");
    return 0;
}
