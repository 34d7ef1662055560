#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "history/Compare.h"
#include "history/Journal.h"
#include "link/TransferRun.h"
#include "ui/Operation.h"

class DifferenceView;
class MainWindow;
class ProductPanel;
class ProductTransfers;
class Session;

// What makes a write trustworthy, on the window: the journal of every exchange (always on),
// its history view, comparing the window's data with the indicator or a data file, reading
// back what a write sent ("書き込み後に照合") and keeping what a write overwrites
// ("書き込み前に指示計の値を保存"). The two options are kept in the configuration file.
class TrustView : public TransferListener {
  public:
    TrustView(MainWindow& window, Session& session, ProductTransfers& products,
              const ProductPanel& panel, QString journalPath = Journal::DefaultPath());
    ~TrustView() override;
    TrustView(const TrustView&) = delete;
    TrustView& operator=(const TrustView&) = delete;

    Journal& journal() { return journal_; }
    bool verifyAfterWrite() const { return verify_; }
    bool keepBeforeWrite() const { return keep_; }

    // A write operation, with what the options add before and after it.
    Task<void> aroundWrite(Operation op, std::function<Task<void>()> write);
    // The window's data against the whole indicator, read into a scratch store.
    // Reads the whole indicator into `other`, the window's data untouched (journalled as a
    // comparison); true when every value came whole.
    Task<bool> readIndicatorAside(SettingsStore& other);
    Task<void> compareWithIndicator();

    // Keeps every run in the journal; a read into the window tells the session where the
    // window's data came from.
    void transferRun(const TransferRun& run) override;

    static const QString kOptionsSection;  // "Options"

  private:
    void showHistory();
    void compareWithFile();
    void setOption(bool& option, const char* key, bool on);
    // The differences in a view whose "選択した値を取り込む" puts the other side's values into
    // the window: run on its own, or awaited inside an operation.
    void showDifferences(std::vector<Difference> differences);
    Task<void> differencesShown(std::vector<Difference> differences, QString title = {},
                                QString windowSide = {}, QString otherSide = {});
    void dressDifferences(DifferenceView& view);
    Task<void> verifyLastWrite();

    MainWindow& window_;
    Session& session_;
    ProductTransfers& products_;
    const ProductPanel& panel_;
    Journal journal_;
    bool verify_ = false;
    bool keep_ = false;
    std::optional<TransferRun> lastWrite_;
    qint64 lastWriteId_ = 0;               // its snapshot in the journal; 0 when not kept
    std::optional<bool> compareComplete_;  // how the comparison's read ended
    bool comparing_ = false;               // the read goes into a scratch store
};
