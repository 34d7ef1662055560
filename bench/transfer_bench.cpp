// All-read figures over a pseudo-terminal against the simulated F805: 100 products, then its 59
// settings; the all-write with its read-back; and the write of changed values only (3 settings
// in different batches and 2 product values, the window already holding the indicator's values)
// against the line time of what it exchanges and against the all-write of the same data set.
// Prints one line per figure: "figure <name> <value> <unit>".
#include <QCoreApplication>
#include <QElapsedTimer>

#include "BenchSupport.h"
#include "history/Verify.h"
#include "transfer/ChangedWrite.h"
#include "transfer/ProductTransfers.h"
#include "transfer/SettingPlan.h"
#include "transfer/SettingTransfers.h"

namespace {

using bench::Bench;
using bench::Figure;

// The product tab as the transfers see it; an all-read asks it nothing.
class StillPanel : public ProductPanel {
  public:
    QString selectorText() const override { return QStringLiteral("0"); }
    int selectedProduct() const override { return selected_; }
    void selectProduct(int n) override { selected_ = n; }
    int targetProduct() const override { return 0; }
    QString shownValue(int) const override { return QString(); }

  private:
    int selected_ = 0;
};

struct AllRead {
    QStringList requests;
    double seconds = 0;
};

// Reads everything from a fresh simulator started with `simArgs`. A message (a time-out, a
// fault) or a value missing from the store makes the figures meaningless: reported on stderr.
AllRead RunAllRead(const QStringList& simArgs) {
    Bench b(simArgs, IndicatorLink::kDefaultPeriodMs);
    StillPanel panel;
    ProductTransfers products(b.link, panel);
    SettingTransfers settings(b.link);
    QElapsedTimer clock;
    clock.start();
    {
        const auto operation = b.link.beginOperation();
        b.link.blocking(products.allRead(settings));
    }
    AllRead run{{}, static_cast<double>(clock.nsecsElapsed()) / 1e9};
    run.requests = b.sim.requests();
    if (!b.view.lastMessage.isEmpty())
        std::fprintf(stderr, "all-read said: %s\n", qPrintable(b.view.lastMessage));
    for (int n = 0; n < SettingsStore::kMaxProducts; ++n)
        for (int item = 0; item < SettingsStore::kProductItems; ++item)
            if (b.store.product(n, item).size() != 5)
                std::fprintf(stderr, "product %d item %d not read\n", n, item);
    return run;
}

struct Listener : TransferListener {
    void transferRun(const TransferRun& run) override { last = run; }
    TransferRun last;
};

// All-write of a full F805 data set (read from the simulator first), then the read-back of
// everything it sent; timed from the write's start to the read-back's end.
AllRead RunWriteAndVerify(const QStringList& simArgs) {
    Bench b(simArgs, IndicatorLink::kDefaultPeriodMs);
    StillPanel panel;
    ProductTransfers products(b.link, panel);
    SettingTransfers settings(b.link);
    Listener runs;
    b.link.runs().setListener(&runs);
    b.link.blocking(products.allRead(settings));
    const qsizetype readRequests = b.sim.requests().size();
    QElapsedTimer clock;
    clock.start();
    b.link.blocking(products.allWrite(settings));
    const VerifyResult verified = b.link.blocking(VerifyWritten(b.link, runs.last));
    AllRead run{{}, static_cast<double>(clock.nsecsElapsed()) / 1e9};
    run.requests = b.sim.requests().mid(readRequests);
    if (verified.timedOut || !verified.refused.empty() || !b.view.lastMessage.isEmpty())
        std::fprintf(stderr, "write and verify: %s %s\n", qPrintable(VerifyStatusText(verified)),
                     qPrintable(b.view.lastMessage));
    return run;
}

// The changed-values write and the all-write of the same edits, each timed alone.
struct ChangedAndAll {
    AllRead changed;
    double allWriteSeconds = 0;
};

ChangedAndAll RunChangedWrite(const QStringList& simArgs) {
    Bench b(simArgs, IndicatorLink::kDefaultPeriodMs);
    StillPanel panel;
    ProductTransfers products(b.link, panel);
    SettingTransfers settings(b.link);
    b.link.blocking(products.allRead(settings));
    const SettingsStore indicator = b.store;
    const std::vector<QString> codes = CodesOfPlan(WriteSettingsPlan(b.store.model()));
    for (size_t i : {size_t(0), codes.size() / 2, codes.size() - 1}) {
        const QString v = b.store.value(codes[i]);
        b.store.setValue(codes[i], v.left(4) + (v.endsWith('0') ? '1' : '0'));
    }
    b.store.setProduct(3, 2, QStringLiteral("01111"));
    b.store.setProduct(7, 5, QStringLiteral("00012"));
    const qsizetype before = b.sim.requests().size();
    QElapsedTimer clock;
    clock.start();
    b.link.blocking(WriteChanged(b.link, ChangedValues(b.store, indicator)));
    ChangedAndAll run;
    run.changed.seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    run.changed.requests = b.sim.requests().mid(before);
    clock.restart();
    b.link.blocking(products.allWrite(settings));
    run.allWriteSeconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    if (!b.view.lastMessage.isEmpty())
        std::fprintf(stderr, "changed write said: %s\n", qPrintable(b.view.lastMessage));
    return run;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);

    RunAllRead({});  // warm up: page in the program and the simulator
    const AllRead unpaced = RunAllRead({});
    Figure("all_read_requests", unpaced.requests.size(), "requests");
    Figure("all_read_unpaced_s", unpaced.seconds, "s");

    const AllRead paced = RunAllRead(bench::PacedLine());
    const double lineTime = bench::LineSeconds(paced.requests);
    Figure("all_read_seconds", paced.seconds, "s");
    Figure("all_read_line_seconds", lineTime, "s");
    Figure("all_read_line_ratio", paced.seconds / lineTime, "ratio");

    const AllRead verify = RunWriteAndVerify(bench::PacedLine());
    const double verifyLine = bench::LineSeconds(verify.requests);
    Figure("verify_seconds", verify.seconds, "s");
    Figure("verify_line_ratio", verify.seconds / verifyLine, "ratio");

    const ChangedAndAll changed = RunChangedWrite(bench::PacedLine());
    Figure("changed_write_requests", changed.changed.requests.size(), "requests");
    Figure("changed_write_line_ratio",
           changed.changed.seconds / bench::LineSeconds(changed.changed.requests), "ratio");
    Figure("changed_vs_all_write_ratio", changed.changed.seconds / changed.allWriteSeconds,
           "ratio");
    return 0;
}
