#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTextStream>
#include <memory>
#include <optional>
#include <vector>

#include "cli/CliSupport.h"
#include "cli/FleetFile.h"
#include "monitor/FillStatistics.h"
#include "monitor/MonitorSampler.h"
#include "server/SettingsCheck.h"

// Every indicator of a fleet file watched at once, in this process and on this thread: per
// indicator a port, a link and the monitor's polling loop (RA and the status words, "W00" with no
// number for the current product; read requests only), and the fill statistics of what it saw.
// A silent or lost indicator shows in its state and is tried again by its own loop; it holds up
// no other.
//
// Each indicator's settings are checked against its baseline every CheckEvery=: the first check
// follows its first answered sample, a later one the first sample after it is due. The check
// stops the indicator's loop (the port carries one request at a time), waits for a late answer to
// pass, reads the settings and the current product's record without selecting a product
// (ReadForCheck), starts the loop again, and compares. Each read is a snapshot in the journal. A
// check that could not read is tried again after kCheckRetryMs (or CheckEvery=, if sooner), when
// the indicator answers again; it waits on nothing and holds up no other indicator.
//
// The baseline is BaselineOf (Baseline=, else the newest backup in the backup folder), else the
// newest snapshot of the indicator in the journal when the first check runs, else that check's own
// read.
class PlantWatch : public QObject {
    Q_OBJECT
  public:
    // The fills whose mean and deviation are shown: the latest this many.
    static constexpr size_t kRecentFills = 1000;

    struct Indicator {
        FleetMember member;
        std::unique_ptr<DeviceSession> session;
        std::unique_ptr<MonitorSampler> sampler;
        std::optional<monitor::Sample> last;
        qint64 lastReadMs = 0;             // wall clock of the last sample answered; 0 before any
        std::vector<monitor::Fill> fills;  // the latest kRecentFills
        monitor::Summary recent;           // of `fills`, taken again at each fill
        int fillsTotal = 0, underTotal = 0, overTotal = 0;  // since the start
        // Whether the settings differ from the baseline; none before a check ran.
        std::optional<bool> settingsDiffer;
        // The settings check.
        CheckRecorder recorder;
        QString pinnedBaseline;  // "journal:N" when neither Baseline= nor a backup names one
        // The first check's read, the baseline when the journal could not keep it.
        std::optional<std::vector<TransferValue>> firstRead;
        qint64 nextCheckMs = 0;    // on the watch's own timer
        qint64 lastCheckMs = -1;   // wall clock of the last complete check read; -1 before any
        qint64 lastBackupMs = -1;  // the newest backup file's time; -1: none in the folder
        bool checking = false;     // its loop is stopped for the check
        bool readScheduled = false;
        MonitorSampler::State stateBeforeCheck = MonitorSampler::State::Stopped;
        Started checkJob;  // goes first: it refers to the session and the recorder

        // The state shown: the loop's, or during a check the one before it.
        MonitorSampler::State shownState() const;
    };

    PlantWatch(const std::vector<FleetMember>& members, QTextStream& log,
               QObject* parent = nullptr);
    ~PlantWatch() override;

    // How long a check waits after stopping a loop, for an answer already under way to arrive
    // and be discarded; and when a check that could not read is tried again.
    static constexpr int kSettleMs = 200;
    static constexpr int kCheckRetryMs = 60 * 1000;
    static constexpr int kJournalBusyMs = 1000;

    // Where the check's reads are kept (Journal::DefaultPath() unless set) and where the backups
    // of `rusk-cli fleet backup` are looked for (the current folder unless set). Before start().
    void setJournalPath(const QString& path);
    void setBackupFolder(const QDir& folder) { backups_ = folder; }
    Journal& journal() { return *journal_; }

    // Opens every port and starts every loop; an indicator whose port does not open yet starts
    // as lost and is tried again.
    void start();
    void stop();

    const std::vector<std::unique_ptr<Indicator>>& indicators() const { return indicators_; }

    // The figures in Prometheus' text exposition format.
    QByteArray metrics() const;
    // The overview as JSON: one object per indicator.
    QByteArray overviewJson() const;
    // One indicator's tile as a JSON object.
    QByteArray indicatorJson(int index) const;

    // For the indicator's page; an index of no indicator gets "[]", an error or nothing.
    // The journal's snapshots of this indicator, newest first (at most kListedSnapshots): an
    // array of {"id", "time" (ISO 8601, UTC), "operation" (its words), "complete", "differs"
    // (against the baseline now; null without one)}.
    QByteArray snapshotsJson(int index);
    static constexpr int kListedSnapshots = 50;
    // The differences of one of its snapshots against the baseline, decoded as the window's
    // compare shows them (DifferencesJson) with "baseline" and "snapshot" besides; {"error": …}
    // when the snapshot is not this indicator's or there is no baseline.
    QByteArray differencesJson(int index, qint64 snapshotId);
    // Its newest complete snapshot as a data file (values not read left empty); empty when there
    // is none.
    QByteArray dataFileBytes(int index);
    // The baseline its settings are compared with now; empty when none.
    QString baselineName(int index) const;

  signals:
    void changed(int index);

  private:
    // Reads the time of the member's newest backup in the backup folder.
    void noteBackup(Indicator& ind) const;
    void sampled(int index);
    void beginCheck(int index);
    void loopStopped(int index);
    Task<void> check(int index);
    void checkEnded(int index, bool read);
    // The snapshots of an indicator, newest first.
    std::vector<JournalEntry> snapshotsOf(const Indicator& ind);

    QTextStream& log_;
    std::unique_ptr<Journal> journal_;
    QDir backups_;
    QElapsedTimer clock_;
    bool stopped_ = false;
    std::vector<std::unique_ptr<Indicator>> indicators_;
};

// A label value of the exposition format: backslash, double quote and line feed escaped.
QString PrometheusLabel(const QString& value);
