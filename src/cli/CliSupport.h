#pragma once

#include <QCommandLineParser>
#include <QTextStream>
#include <functional>
#include <optional>

#include "app/DataSource.h"
#include "cli/TerminalView.h"
#include "history/Journal.h"
#include "link/IndicatorLink.h"
#include "link/Task.h"
#include "platform/AnySerialPort.h"
#include "platform/Clock.h"

// What the subcommands of rusk-cli share: parsing, the device they talk to, the journal.

// A usage error: the message and a pointer to the help; returns exit code 2.
int Usage(QTextStream& err, const QString& message);

// "805" / "800"; none for anything else.
std::optional<IndicatorModel> ModelOf(const QString& text);

// The options of every command that talks to the indicator.
struct DeviceOptions {
    QString device;
    QString ini;
    QString line;
    int timeoutMs = IndicatorLink::kDefaultPeriodMs;
    bool quiet = false;
    IndicatorModel model = kDefaultModel;
};

namespace cliopt {
extern const QCommandLineOption kIni;
extern const QCommandLineOption kLine;
extern const QCommandLineOption kTimeout;
extern const QCommandLineOption kQuiet;
extern const QCommandLineOption kModel;
}  // namespace cliopt

// The command's name as the first positional argument, so that the help's usage line shows it.
void AddCommand(QCommandLineParser& p, const QString& name);
// --ini, --line, --timeout, --quiet and --model.
void AddDeviceOptions(QCommandLineParser& p);

// Parses a subcommand's command line. Returns the exit code when the command is done (its help
// printed to `out`, or a usage error told on `err`), none when it should run.
std::optional<int> ParseCommand(QCommandLineParser& p, const QStringList& arguments,
                                const QString& description, QTextStream& out, QTextStream& err);

// The one positional argument a command takes after its name: DEVICE (a device, see
// DeviceNameProblem), SOURCE (a device, a data file or a journal snapshot), or none.
enum class Positional { None, Device, Source };

// Reads the device options after a parse; the exit code of a usage error, or none. A named
// --ini that cannot be read is a usage error, never a silent default. With `withModel` the
// command has the --model option.
std::optional<int> ReadDeviceOptions(const QCommandLineParser& p, DeviceOptions* o,
                                     QTextStream& err, Positional positional = Positional::Device,
                                     bool withModel = true);
// Reads --model alone (for commands without a device); none or a usage error's code.
std::optional<int> ReadModelOption(const QCommandLineParser& p, IndicatorModel* model,
                                   QTextStream& err);

// Whether a name on the command line is meant as a device rather than a data file: a port name
// (Com3), a tcp:// address, a path under /dev, or any path to a character device (a symbolic
// link to a pseudo-terminal, say).
bool IsDeviceName(const QString& name);
// Why a name is no device the command line can open; empty when it is one: a path under /dev or
// to a character device, a port name Com1 … Com16, or tcp://host:port.
QString DeviceNameProblem(const QString& name);
// A usage error (exit 2) when a name meant as a device is malformed ("tcp://x", "Com99").
std::optional<int> CheckDeviceLike(const QString& name, QTextStream& err);

// Why a data file cannot be saved at `path`, told before the indicator is read; empty when it
// can. An empty name is a usage error (the returned code 2), any other refusal a file error.
std::optional<int> CheckOutputFile(const QString& path, QTextStream& err);

// Loads a data file into `store`; false (the messages told) when it could not be used whole.
bool LoadWhole(SettingsStore& store, const QString& path, QTextStream& err);

// Ctrl+C and SIGTERM: the first asks the running transfer to stop after its current record (see
// IndicatorLink::setStopAsked); a second, of either, ends the program at once.
namespace interruption {
// Installs the handlers (and lets through a stop held back until now); a stop asked earlier is
// forgotten.
void Install();
bool Asked();
// Calls `then` from the event loop when the stop is asked (soon, when it already was), for as long
// as `context` lives.
void WhenAsked(QObject* context, std::function<void()> then);
// Awaited, resumes after `ms` milliseconds, or at once when a stop is asked.
class Pause {
  public:
    explicit Pause(int ms) : ms_(ms) {}
    Pause(const Pause&) = delete;
    Pause& operator=(const Pause&) = delete;
    ~Pause();
    bool await_ready() const;
    void await_suspend(std::coroutine_handle<> waiting);
    void await_resume() const noexcept {}

  private:
    int ms_;
    QObject* context_ = nullptr;
};
}  // namespace interruption

// Runs a task of a command to its end in the command's one event loop (the loop at the top of
// the command: nothing else waits meanwhile). Its exception is thrown again here.
void RunToEnd(Task<void> task);
template <typename T>
T RunToEnd(Task<T> task) {
    std::optional<T> value;
    RunToEnd([](Task<T> inner, std::optional<T>* into) -> Task<void> {
        T got = co_await std::move(inner);
        into->emplace(std::move(got));
    }(std::move(task), &value));
    return std::move(*value);
}

// One value as the command line lists it: "銘柄 12 W12 00345", "W20 00001".
QString ValueText(const TransferValue& v);

// Keeps every run in the journal (a run stopped by Ctrl+C noted with the last value that went
// through), and the last write for a verify.
struct RunRecorder : TransferListener {
    void transferRun(const TransferRun& run) override { notedRun(run, {}); }
    void notedRun(const TransferRun& run, const QString& note) override;
    Journal journal;
    std::optional<TransferRun> lastWrite;
    qint64 lastWriteId = 0;  // its snapshot; 0 when it was not kept
    bool failed = false;     // a run or a verdict could not be kept (and was told)
};

// One open link to the indicator: the port named by DEVICE, the link, the journal.
class DeviceSession {
  public:
    DeviceSession(const DeviceOptions& o, QTextStream& err);
    ~DeviceSession();
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;

    // Opens the port; false (the reason told) when it cannot be.
    bool open();
    // The same as a task: a tcp:// port's connection is awaited, not waited for.
    Task<bool> openTask();
    // The exit code of the operation that ran since `messagesBefore` messages: Ctrl+C, a
    // time-out, a fault (which showed its message), the journal's failure to keep a run, or ok.
    int outcome(int messagesBefore) const;

    QTextStream& err() { return err_; }

  private:
    DeviceOptions options_;
    QTextStream& err_;

  public:
    TerminalView view;
    SettingsStore store;
    AnySerialPort port;
    IndicatorLink link;
    RunRecorder recorder;
    TerminalPanel panel;
};

// Runs `read` (a read operation on the session's link) under one read check and returns its exit
// code: the session's outcome (Ctrl+C, a time-out, a fault), else kIncomplete when a value did
// not come whole (the message and every such value told on the session's error stream), else
// kJournal when the journal could not keep the run, else ok.
int CheckedRead(DeviceSession& s, const std::function<Task<void>()>& read);
// The same as a task, for a loop that runs many.
Task<int> CheckedReadTask(DeviceSession& s, std::function<Task<void>()> read);
// Tells the values `check` names (the message, then one line per value) on `err`; returns
// kIncomplete.
int ReportIncomplete(const ReadCheck& check, QTextStream& err);

// Reads everything (products, then settings) from the device into `store`, leaving the
// indicator on the product it was on; the journal keeps the read under `operation` (all-read's
// own name when empty). Returns the exit code; with exitcode::kJournal the store is filled all
// the same.
int ReadDeviceInto(const DeviceOptions& o, SettingsStore& store, QTextStream& err,
                   const QString& operation = {});
// The same as a task on an open session: many indicators read on one loop, each on a session of
// its own. The session outlives the task: its port may be in the middle of a signal when the task
// ends.
Task<int> ReadDevice(DeviceSession& s, SettingsStore& store, QString operation);

// Commands (each takes the whole argument list, the program name first).
int ProbeCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int ReadCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int WriteCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int DiffCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int LiveCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
// The fleet's times (each indicator's 30-minute limit, the summary's seconds) on `clock`.
int FleetCommand(const QStringList& arguments, QTextStream& out, QTextStream& err,
                 Clock& clock = Clock::System());

// The snapshot a name "journal:N" names (N a number from 1); none for any other name.
std::optional<qint64> JournalSnapshotNamed(const QString& name);

// A usage error's exit code (told on `err`) for a name that begins with "journal:" but names no
// snapshot number; none for any other name.
std::optional<int> CheckDataSetName(const QString& name, QTextStream& err);

// Fills `store` (of its model) from a data file, a journal snapshot ("journal:12", or "12" when no
// file has that name) or an indicator (read whole, with `options`' line, journalled under
// `readOperation` as ReadDeviceInto does); the exit code (exitcode::kJournal: filled, but the
// read was not kept). "journal:" followed by anything but a snapshot number is a usage error.
// `origin`, if given, is told where the data came from.
int LoadDataSet(const QString& name, const DeviceOptions& options, SettingsStore& store,
                QTextStream& err, DataOrigin* origin = nullptr, const QString& readOperation = {});
// The same as a task for a caller that is itself awaited (the fleet): an indicator is read
// without waiting in an event loop of its own.
Task<int> LoadDataSetTask(QString name, DeviceOptions options, SettingsStore& store,
                          QTextStream& err, QString readOperation);

// Prints the differences of a against b (text or JSON); exit 0 when equal, 1 when different.
int PrintDifferences(const SettingsStore& a, const SettingsStore& b, IndicatorModel model,
                     bool json, QTextStream& out);
