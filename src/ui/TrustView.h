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
    // Writes the values asked for with "選択した値を指示計へ書き込み" in a comparison, only
    // where they differ from the indicator (read first, aside, when it is not known there),
    // after the preview.
    Task<void> pushPending();
    // Writes `changes` once the operator agrees in the preview; with none, says so.
    Task<void> writeAfterPreview(std::vector<ChangedValue> changes);

    // Keeps every run in the journal; a read into the window tells the session where the
    // window's data came from.
    void transferRun(const TransferRun& run) override;

    static const QString kOptionsSection;  // "Options"

  private:
    // Which values "選択した値を指示計へ書き込み" sends: the window's (against the indicator) or
    // the other side's (a data file, a snapshot); none: the view offers no such button.
    enum class PushSide { None, Window, Other };
    void showHistory();
    void compareWithFile();
    void setOption(bool& option, const char* key, bool on);
    // The differences in a view whose "選択した値を取り込む" puts the other side's values into
    // the window: run on its own, or awaited inside an operation.
    void showDifferences(std::vector<Difference> differences);
    Task<void> differencesShown(std::vector<Difference> differences, PushSide push,
                                QString title = {}, QString windowSide = {},
                                QString otherSide = {});
    void dressDifferences(DifferenceView& view, PushSide push = PushSide::None);
    void notePush(const std::vector<Difference>& differences, const std::vector<int>& rows,
                  PushSide side);
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
    // What a comparison asked to write: the values to send (the window's data with the chosen
    // ones in) and the chosen places (product, code).
    struct PendingPush {
        SettingsStore values;
        std::vector<std::pair<int, QString>> places;
    };
    std::optional<PendingPush> push_;
};
