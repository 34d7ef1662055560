#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "history/Compare.h"
#include "history/Journal.h"
#include "link/IndicatorLink.h"
#include "link/TransferRun.h"
#include "model/SettingsStore.h"

// rusk-server's settings check: what it reads, how the read is kept in the journal, and how it is
// compared with the baseline. The read sends read requests only and never selects a product:
// "W00" without a number (which product the indicator runs), that product's eight values
// ("W10" … "W17") and every setting of the model ("W20" …, as a read of all settings asks them).

// Keeps each run of the check's link in the journal (as the command line keeps its reads) and
// remembers the last one with its snapshot.
class CheckRecorder : public TransferListener {
  public:
    explicit CheckRecorder(Journal* journal = nullptr) : journal(journal) {}
    void transferRun(const TransferRun& run) override { notedRun(run, {}); }
    void notedRun(const TransferRun& run, const QString& note) override;

    std::optional<TransferRun> lastRun;
    qint64 lastSnapshot = 0;  // 0 when the journal could not keep it
    Journal* journal;         // none: nothing is kept
};

struct CheckRead {
    enum class Outcome { Done, NoAnswer, Incomplete, Lost, Busy };
    Outcome outcome = Outcome::NoAnswer;
    std::optional<int> product;         // the indicator's current product
    std::vector<TransferValue> values;  // what came, in the order asked
    qint64 snapshot = 0;                // its snapshot in the journal; 0 when not kept
    QString why;                        // a lost port's reason
};

// The requests of the check's read for `model`, in order (without "W00").
std::vector<QString> CheckReadCodes(IndicatorModel model);

// Reads as above on `link` (its port open, no operation running), into a scratch store of its
// own; the link's store is left as it is. The run is told to the link's listener under the
// compare read's kind.
Task<CheckRead> ReadForCheck(IndicatorLink& link, CheckRecorder& recorder);

// The baseline with `values` put over it: what the indicator holds where it was read, the
// baseline everywhere else.
SettingsStore Overlaid(const SettingsStore& baseline, const std::vector<TransferValue>& values);
// The differences of what was read against the baseline: the window side is the baseline (old),
// the other side what was read (new).
std::vector<Difference> CheckDifferences(const SettingsStore& baseline,
                                         const std::vector<TransferValue>& values);

// Loads a baseline into `store` (of its model): "journal:N" from `journal`, else a data file.
// Returns the reason when it cannot be used; empty when it was loaded whole.
QString LoadBaseline(const QString& name, Journal& journal, SettingsStore& store);

// The differences as the page shows them: {"summary", "differences": [{"place", "code",
// "product", "caption", "old", "new"}, …]}, one entry per differing detail row.
QByteArray DifferencesJson(const std::vector<Difference>& differences);
