#pragma once

#include <QCommandLineParser>
#include <QTextStream>
#include <functional>
#include <optional>

#include "cli/TerminalView.h"
#include "history/Journal.h"
#include "link/IndicatorLink.h"
#include "platform/AnySerialPort.h"
#include "platform/EventPump.h"

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
    IndicatorModel model = IndicatorModel::F805;
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

// Reads the device options after a parse; the exit code of a usage error, or none. With
// `deviceArgument` the command takes exactly one positional argument, DEVICE; with `withModel`
// it has the --model option.
std::optional<int> ReadDeviceOptions(const QCommandLineParser& p, DeviceOptions* o,
                                     QTextStream& err, bool deviceArgument = true,
                                     bool withModel = true);
// Reads --model alone (for commands without a device); none or a usage error's code.
std::optional<int> ReadModelOption(const QCommandLineParser& p, IndicatorModel* model,
                                   QTextStream& err);

// Whether a name on the command line is a device rather than a data file: a port name (Com3),
// a tcp:// address, or a path under /dev.
bool IsDeviceName(const QString& name);

// Loads a data file into `store`; false (the messages told) when it could not be used whole.
bool LoadWhole(SettingsStore& store, const QString& path, QTextStream& err);

// Ctrl+C: the first asks the running transfer to stop after its current record (see
// IndicatorLink::setStopAsked); a second ends the program at once.
namespace interruption {
void Install();
bool Asked();
}  // namespace interruption

// One value as the command line lists it: "銘柄 12 W12 00345", "W20 00001".
QString ValueText(const TransferValue& v);

// Keeps every run in the journal (a run stopped by Ctrl+C noted with the last value that went
// through), and the last write for a verify.
struct RunRecorder : TransferListener {
    void transferRun(const TransferRun& run) override { notedRun(run, {}); }
    void notedRun(const TransferRun& run, const QString& note) override;
    Journal journal;
    std::optional<TransferRun> lastWrite;
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
    // The exit code of the operation that ran since `messagesBefore` messages: Ctrl+C, a
    // time-out, a fault (which showed its message) or ok.
    int outcome(int messagesBefore) const;

    QTextStream& err() { return err_; }

  private:
    DeviceOptions options_;
    QTextStream& err_;

  public:
    TerminalView view;
    SettingsStore store;
    QtEventPump pump;
    AnySerialPort port;
    IndicatorLink link;
    RunRecorder recorder;
    TerminalPanel panel;
};

// Runs `read` (a read operation on the session's link) under one read check and returns its exit
// code: the session's outcome (Ctrl+C, a time-out, a fault), else kIncomplete when a value did
// not come whole (the message and every such value told on the session's error stream), else
// ok.
int CheckedRead(DeviceSession& s, const std::function<void()>& read);
// Tells the values `check` names (the message, then one line per value) on `err`; returns
// kIncomplete.
int ReportIncomplete(const ReadCheck& check, QTextStream& err);

// Reads everything (products, then settings) from the device into `store`, leaving the
// indicator on the product it was on. Returns the exit code.
int ReadDeviceInto(const DeviceOptions& o, SettingsStore& store, QTextStream& err);

// Commands (each takes the whole argument list, the program name first).
int ProbeCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int ReadCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int WriteCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int DiffCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int LiveCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
int FleetCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

// Fills `store` (of its model) from a data file, a journal snapshot ("journal:12", or "12" when no
// file has that name) or an indicator (read whole, with `options`' line); the exit code.
int LoadDataSet(const QString& name, const DeviceOptions& options, SettingsStore& store,
                QTextStream& err);

// Prints the differences of a against b (text or JSON); exit 0 when equal, 1 when different.
int PrintDifferences(const SettingsStore& a, const SettingsStore& b, IndicatorModel model,
                     bool json, QTextStream& out);
