#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "link/RunKinds.h"
#include "link/TransferRun.h"
#include "model/SettingsStore.h"
#include "platform/Clock.h"
#include "storage/DataFile.h"

// One snapshot as the history list shows it.
struct JournalEntry {
    qint64 id = 0;
    QDateTime time;    // UTC
    QString device;    // the device path the run used
    QString byIdName;  // its /dev/serial/by-id/… link, empty when none named it
    IndicatorModel model = kDefaultModel;
    QString operation;  // its kind ("all_read", …; RunKinds.h)
    TransferRun::Direction direction = TransferRun::Direction::Read;
    bool complete = true;
    QString note;  // "", "before_write", or for a write the read-back's verdict (RunNote)
    int valueCount = 0;

    // The operator's words for them; words of an older journal that no kind has, as they were.
    QString operationText() const { return RunKindText(operation); }
    QString noteText() const { return NoteText(note); }

    // The name the device filter uses: the by-id link when there is one, else the path.
    QString deviceName() const { return byIdName.isEmpty() ? device : byIdName; }
};

struct JournalSnapshot {
    JournalEntry entry;
    std::vector<TransferValue> values;  // in the order they were exchanged
};

// Puts values into the store: settings by code, product values (codes "10" … "17") into their
// product.
void PutValues(SettingsStore& store, const std::vector<TransferValue>& values);
// What the store holds at a value's place.
QString StoredValue(const SettingsStore& store, const TransferValue& place);

// The operations' history: every transfer run kept as one snapshot in an SQLite file, read back
// for the history view. Recording never throws and never fails an operation: what goes wrong is
// told through `statusNote` (one short line per run that could not be kept, naming the file and
// the reason). A damaged file is renamed beside itself ("….damaged-<time>"), a new one started,
// and `messageOnce` told once.
//
// Several programs may record into one file at once (a fleet of command-line reads, the window
// beside them): each write is one transaction that waits up to `busyTimeoutMs` for the others',
// and a file another program holds is busy, never damaged.
class Journal : public TransferListener {
  public:
    // The note of a snapshot taken before a write, of what the write overwrites.
    static constexpr QLatin1StringView kBeforeWrite = runkind::kBeforeWrite;
    static constexpr int kDefaultBusyTimeoutMs = 30000;

    struct Limits {
        int keepCount = 2000;                  // the newest snapshots always kept …
        int keepDays = 180;                    // … and those younger than this, whichever is more
        qint64 maxBytes = 50LL * 1024 * 1024;  // the file stays below this (oldest dropped first)
    };

    // `path` empty: DefaultPath(). The file is opened when first needed.
    explicit Journal(QString path = {});
    ~Journal() override;
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    // $XDG_DATA_HOME/rusk/journal.sqlite (the generic data location).
    static QString DefaultPath();
    QString path() const { return path_; }

    std::function<void(QString)> statusNote;
    std::function<void(QString)> messageOnce;
    Clock* clock = &Clock::System();  // the snapshots' times
    QString byIdFolder = QStringLiteral("/dev/serial/by-id");
    Limits limits;
    // How long a write waits while another program writes the file.
    int busyTimeoutMs = kDefaultBusyTimeoutMs;

    // Records the run with an empty note.
    void transferRun(const TransferRun& run) override { record(run); }
    // Records the run as one snapshot with the note (RunNote), then drops what the limits no
    // longer keep. Returns the snapshot's id; 0 (and a status note) when it could not be kept.
    qint64 record(const TransferRun& run, const QString& note = {});
    // Replaces a snapshot's note (what came after the run, such as the read-back's verdict on a
    // write: VerifyNote) or its operation kind (the values kept before a write are listed under the
    // write once it ran). False (and a status note) when it could not be kept.
    bool setNote(qint64 id, const QString& note);
    bool setOperation(qint64 id, const QString& operation);

    // Snapshots newest first; with a filter, those whose deviceName() is `deviceName`.
    std::vector<JournalEntry> list(const QString& deviceName = {});
    // The deviceName() of every snapshot, sorted, each once.
    QStringList devices();
    std::optional<JournalSnapshot> load(qint64 id);

    // Puts the snapshot's values into the store: settings by code, product values (codes
    // "10" … "17") into their product. Refused, with the reason, when the store's model is not
    // the snapshot's.
    bool applyTo(qint64 id, SettingsStore& store, QString* reason = nullptr);
    // Saves the snapshot as a data file (SaveDataFile): values it does not hold stay empty.
    DataFileSave saveAsDataFile(qint64 id, const QString& path);

    // Why the file last could not be used; empty when the last use went well.
    QString failure() const { return failure_; }

  private:
    enum class Outcome { Done, Failed, Damaged };
    struct Failure;

    Outcome openFile();
    void close();
    Outcome checkSchema();
    Outcome settleSchema(bool* created);
    Outcome migrate();
    void setAside();
    Outcome insert(const TransferRun& run, const QString& note, qint64* id);
    bool amend(qint64 id, const char* column, const QString& text);
    void prune();
    // Runs `body` on an open file; a damaged file is set aside and `body` tried once more.
    bool use(const std::function<Outcome()>& body);
    Outcome fail(const Failure& failure);
    // Tells `statusNote` that a snapshot could not be kept, naming the file and the reason.
    void noteFailure() const;
    QString byIdNameOf(const QString& device) const;

    QString path_;
    QString connection_;
    bool open_ = false;
    QString failure_;
};
