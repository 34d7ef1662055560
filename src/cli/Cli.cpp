#include "cli/Cli.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <optional>

#include "app/Configuration.h"
#include "cli/ExitCodes.h"
#include "cli/ReportCommand.h"
#include "cli/TerminalView.h"
#include "history/Compare.h"
#include "history/Journal.h"
#include "history/Verify.h"
#include "platform/OperationError.h"
#include "platform/AnySerialPort.h"
#include "storage/DataFile.h"
#include "transfer/ProductTransfers.h"
#include "transfer/SettingTransfers.h"

namespace {

const char* const kOverview =
    "Usage: rusk-cli COMMAND [options]\n"
    "\n"
    "Commands:\n"
    "  probe DEVICE              does an indicator answer?\n"
    "  read DEVICE -o FILE       read everything from the indicator into a data file\n"
    "  write DEVICE -i FILE      write a data file to the indicator\n"
    "  diff A B                  compare two data files\n"
    "  report FILE -o SHEET.pdf  the settings sheet of a data file as PDF\n"
    "\n"
    "DEVICE is a device path (/dev/ttyUSB0) or a port name (Com3) that the [Devices] section of\n"
    "Rusk.INI maps to a device. `rusk-cli COMMAND --help` tells more.\n"
    "\n";

// A usage error: the message and a pointer to the help, exit code 2.
int Usage(QTextStream& err, const QString& message) {
    err << message << Qt::endl << "rusk-cli --help で使い方を表示します。" << Qt::endl;
    return exitcode::kUsage;
}

std::optional<IndicatorModel> ModelOf(const QString& text) {
    if (text == QLatin1String("805")) return IndicatorModel::F805;
    if (text == QLatin1String("800")) return IndicatorModel::F800;
    return std::nullopt;
}

// What every command that talks to the indicator takes.
struct DeviceOptions {
    QString device;
    QString ini;
    QString line;
    int timeoutMs = IndicatorLink::kDefaultPeriodMs;
    bool quiet = false;
    IndicatorModel model = IndicatorModel::F805;
};

const QCommandLineOption kIni("ini", "Configuration file (default: the program's Rusk.INI).",
                              "path");
const QCommandLineOption kLine("line",
                               "Line settings (default: RS232C1 Settings of Rusk.INI, or "
                               "19200,o,7,1).",
                               "baud,parity,data,stop");
const QCommandLineOption kTimeout("timeout", "Time-out of the indicator's answer (default 5000).",
                                  "ms");
const QCommandLineOption kQuiet(QStringList{"q", "quiet"}, "No status lines.");
const QCommandLineOption kModel("model", "Indicator model: 805 (default) or 800.", "805|800");

// The command's name as the first positional argument, so that the help's usage line shows it.
void AddCommand(QCommandLineParser& p, const QString& name) {
    p.addPositionalArgument(name, "The command.", name);
}

void AddDeviceOptions(QCommandLineParser& p) {
    p.addOptions({kIni, kLine, kTimeout, kQuiet, kModel});
}

// Parses a subcommand's command line; `helpShown` when --help was asked (printed to `out`).
std::optional<int> ParseCommand(QCommandLineParser& p, const QStringList& arguments,
                                const QString& description, QTextStream& out, QTextStream& err) {
    p.setApplicationDescription(description + QLatin1String("\n\n") +
                                QLatin1String(kExitCodesHelp));
    p.addHelpOption();
    if (!p.parse(arguments)) return Usage(err, p.errorText());
    if (p.isSet(QStringLiteral("help"))) {
        out << p.helpText();
        return exitcode::kOk;
    }
    return std::nullopt;
}

std::optional<int> ReadDeviceOptions(const QCommandLineParser& p, DeviceOptions* o,
                                     QTextStream& err) {
    const QStringList positional = p.positionalArguments().mid(1);  // after the command
    if (positional.size() != 1) return Usage(err, "DEVICE を 1 つ指定してください。");
    o->device = positional.first();
    o->ini = p.isSet(kIni) ? p.value(kIni) : ConfigFilePath();
    o->line = p.isSet(kLine) ? p.value(kLine) : ReadPortSettings(o->ini, 1);
    LineSettings parsed;
    if (!ParseLineSettings(o->line, &parsed))
        return Usage(err, QStringLiteral("通信設定が正しくありません: ") + o->line);
    if (p.isSet(kTimeout)) {
        bool ok = false;
        o->timeoutMs = p.value(kTimeout).toInt(&ok);
        if (!ok || o->timeoutMs <= 0)
            return Usage(err, QStringLiteral("--timeout が正しくありません: ") + p.value(kTimeout));
    }
    o->quiet = p.isSet(kQuiet);
    if (p.isSet(kModel)) {
        const auto model = ModelOf(p.value(kModel));
        if (!model) return Usage(err, QStringLiteral("--model は 805 か 800 です。"));
        o->model = *model;
    }
    return std::nullopt;
}

// Keeps every run in the journal, and the last write for a verify.
struct RunRecorder : TransferListener {
    void transferRun(const TransferRun& run) override {
        journal.record(run);
        if (run.direction == TransferRun::Direction::Write) lastWrite = run;
    }
    Journal journal;
    std::optional<TransferRun> lastWrite;
};

// One open link to the indicator: the port named by DEVICE, the link, the journal.
class DeviceSession {
  public:
    DeviceSession(const DeviceOptions& o, QTextStream& err)
        : options_(o),
          err_(err),
          view(err, o.quiet),
          port(ResolverFor(o)),
          link(store, view, pump, o.timeoutMs) {
        store.setModel(o.model);
        recorder.journal.statusNote = [this](const QString& note) { view.setStatusText(note); };
        recorder.journal.messageOnce = [this](const QString& text) { err_ << text << Qt::endl; };
        link.runs().setListener(&recorder);
        link.setActivePort(&port);
    }
    ~DeviceSession() {
        link.runs().setListener(nullptr);
        port.close();
    }
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;

    // Opens the port; false (the reason told) when it cannot be.
    bool open() {
        try {
            port.setPortNumber(PortNumberOf(options_.device).value_or(1));
            port.setSettings(options_.line);
            port.open();
            return true;
        } catch (const OperationError& e) {
            err_ << ErrorReportText(e, ErrorHint::Port8002) << Qt::endl;
            return false;
        }
    }

    // The exit code of the operation that ran since `messagesBefore` messages: a time-out, a
    // fault (which showed its message) or ok.
    int outcome(int messagesBefore) const {
        if (link.timedOut()) return exitcode::kTimeout;
        if (view.messageCount() > messagesBefore) return exitcode::kPort;
        return exitcode::kOk;
    }

  private:
    // "Com3" → 3; a device path names none.
    static std::optional<int> PortNumberOf(const QString& device) {
        static const QRegularExpression com(QStringLiteral("^com(\\d{1,2})$"),
                                            QRegularExpression::CaseInsensitiveOption);
        const auto m = com.match(device);
        if (!m.hasMatch()) return std::nullopt;
        return m.captured(1).toInt();
    }
    static PortResolver ResolverFor(const DeviceOptions& o) {
        if (PortNumberOf(o.device)) return DevicesResolver(o.ini);
        const QString path = o.device;
        return [path](int) { return path; };
    }

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

int Probe(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser p;
    AddCommand(p, "probe");
    AddDeviceOptions(p);
    p.addPositionalArgument("DEVICE", "Device path or port name (Com1).");
    if (auto done = ParseCommand(p, arguments,
                                 "Sends the RA probe and says whether an indicator answers "
                                 "(exit 0) or not (exit 1).",
                                 out, err))
        return *done;
    DeviceOptions o;
    if (auto bad = ReadDeviceOptions(p, &o, err)) return *bad;
    DeviceSession s(o, err);
    if (!s.open()) return exitcode::kPort;
    auto operation = s.link.beginOperation();
    try {
        if (s.link.probeLink() == WaitOutcome::Line) {
            out << "通信ＯＫ" << Qt::endl;
            return exitcode::kOk;
        }
    } catch (const OperationError& e) {
        err << ErrorReportText(e, ErrorHint::Port8018) << Qt::endl;
        return exitcode::kPort;
    }
    out << "応答がありません" << Qt::endl;
    return exitcode::kNoOrDifferent;
}

int Read(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser p;
    AddCommand(p, "read");
    AddDeviceOptions(p);
    const QCommandLineOption output(QStringList{"o", "output"}, "The data file to write.", "file");
    const QCommandLineOption settingsOnly("settings-only", "Read the settings only.");
    const QCommandLineOption productsOnly("products-only", "Read the 100 products only.");
    p.addOptions({output, settingsOnly, productsOnly});
    p.addPositionalArgument("DEVICE", "Device path or port name (Com1).");
    if (auto done = ParseCommand(p, arguments,
                                 "Reads all products and settings from the indicator into a data "
                                 "file. The read is kept in the journal.",
                                 out, err))
        return *done;
    DeviceOptions o;
    if (auto bad = ReadDeviceOptions(p, &o, err)) return *bad;
    if (!p.isSet(output)) return Usage(err, "-o FILE を指定してください。");
    if (p.isSet(settingsOnly) && p.isSet(productsOnly))
        return Usage(err, "--settings-only と --products-only は同時に指定できません。");

    DeviceSession s(o, err);
    if (!s.open()) return exitcode::kPort;
    SettingTransfers settings(s.link);
    ProductTransfers products(s.link, s.panel);
    {
        auto operation = s.link.beginOperation();
        if (p.isSet(settingsOnly))
            settings.readAllSettings();
        else if (p.isSet(productsOnly))
            products.readAllProducts();
        else
            products.allRead(settings);
    }
    if (const int code = s.outcome(0); code != exitcode::kOk) return code;
    const DataFileSave saved = SaveDataFile(s.store, p.value(output));
    for (const QString& m : saved.messages) err << m << Qt::endl;
    if (!saved.saved) return exitcode::kFile;
    out << p.value(output) << Qt::endl;
    return exitcode::kOk;
}

// Loads a data file into `store`; false (the messages told) when it could not be used whole.
bool LoadWhole(SettingsStore& store, const QString& path, QTextStream& err) {
    const DataFileLoad load = LoadDataFile(store, path, loadmode::kAll);
    for (const QString& m : load.messages) err << path << ": " << m << Qt::endl;
    return load.storeChanged && load.messages.isEmpty();
}

QString ValueText(const TransferValue& v) {
    if (v.product >= 0)
        return QStringLiteral("銘柄 %1 W%2 %3").arg(v.product).arg(v.code, ShownValue(v.value));
    return QStringLiteral("W%1 %2").arg(v.code, ShownValue(v.value));
}

int Write(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser p;
    AddCommand(p, "write");
    AddDeviceOptions(p);
    const QCommandLineOption input(QStringList{"i", "input"}, "The data file to send.", "file");
    const QCommandLineOption verify("verify",
                                    "Read back what was sent and list the values the indicator "
                                    "refused (exit 5).");
    p.addOptions({input, verify});
    p.addPositionalArgument("DEVICE", "Device path or port name (Com1).");
    if (auto done = ParseCommand(p, arguments,
                                 "Writes all products and settings of a data file (of --model) to "
                                 "the indicator. The write is kept in the journal.",
                                 out, err))
        return *done;
    DeviceOptions o;
    if (auto bad = ReadDeviceOptions(p, &o, err)) return *bad;
    if (!p.isSet(input)) return Usage(err, "-i FILE を指定してください。");

    DeviceSession s(o, err);
    if (!LoadWhole(s.store, p.value(input), err)) return exitcode::kFile;
    ProductTransfers products(s.link, s.panel);
    for (int n = 0; n < SettingsStore::kProducts; ++n) {
        if (!products.storedProductValid(n)) {
            err << ProductTransfers::kInvalidStoredText << " (銘柄 " << n << ")" << Qt::endl;
            return exitcode::kFile;
        }
    }
    if (!s.open()) return exitcode::kPort;
    SettingTransfers settings(s.link);
    {
        auto operation = s.link.beginOperation();
        products.allWrite(settings);
    }
    if (const int code = s.outcome(0); code != exitcode::kOk) return code;
    if (!p.isSet(verify) || !s.recorder.lastWrite) return exitcode::kOk;

    const int before = s.view.messageCount();
    std::optional<VerifyResult> result;
    {
        auto operation = s.link.beginOperation();
        try {
            result = VerifyWritten(s.link, *s.recorder.lastWrite);
        } catch (const OperationError& e) {
            s.view.showMessage(ErrorReportText(e, ErrorHint::Port8018));
        }
    }
    if (!result) return s.outcome(before);
    s.view.setStatusText(VerifyStatusText(*result));
    if (result->timedOut) return exitcode::kTimeout;
    for (const TransferValue& v : result->refused) out << ValueText(v) << Qt::endl;
    return result->refused.empty() ? exitcode::kOk : exitcode::kVerifyMismatch;
}

QJsonObject DifferenceJson(const Difference& d) {
    QJsonArray changes;
    for (const DecodedChange& c : d.changes)
        changes.append(QJsonObject{{"caption", c.caption}, {"a", c.window}, {"b", c.other}});
    QJsonObject o{{"place", PlaceText(d)}, {"code", d.code},    {"caption", d.caption},
                  {"a", d.windowValue},    {"b", d.otherValue}, {"changes", changes}};
    if (d.isProduct()) {
        o.insert("product", d.product);
        o.insert("item", d.item);
    }
    return o;
}

int Diff(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser p;
    AddCommand(p, "diff");
    p.addOption(kModel);
    const QCommandLineOption json("json", "Print the differences as JSON.");
    p.addOption(json);
    p.addPositionalArgument("A", "A data file.");
    p.addPositionalArgument("B", "A data file.");
    if (auto done = ParseCommand(p, arguments,
                                 "Compares two data files (of --model) and prints what differs. "
                                 "Exit 0 when equal, 1 when different.\n"
                                 "A device or a journal snapshot as A or B: not yet.",
                                 out, err))
        return *done;
    const QStringList files = p.positionalArguments().mid(1);  // after the command
    if (files.size() != 2) return Usage(err, "A と B を指定してください。");
    IndicatorModel model = IndicatorModel::F805;
    if (p.isSet(kModel)) {
        const auto m = ModelOf(p.value(kModel));
        if (!m) return Usage(err, QStringLiteral("--model は 805 か 800 です。"));
        model = *m;
    }
    SettingsStore a;
    SettingsStore b;
    a.setModel(model);
    b.setModel(model);
    if (!LoadWhole(a, files.at(0), err)) return exitcode::kFile;
    if (!LoadWhole(b, files.at(1), err)) return exitcode::kFile;

    const std::vector<Difference> differences = CompareStores(a, b, model, CompareScope::Both);
    const QString summary = SummaryText(CountDifferences(differences));
    if (p.isSet(json)) {
        QJsonArray list;
        for (const Difference& d : differences) list.append(DifferenceJson(d));
        const QJsonObject doc{
            {"equal", differences.empty()}, {"summary", summary}, {"differences", list}};
        out << QJsonDocument(doc).toJson(QJsonDocument::Indented);
    } else {
        for (const Difference& d : differences) {
            out << PlaceText(d) << Qt::endl;
            for (const QString& line : ContentText(d).split(u'\n')) out << "  " << line << Qt::endl;
        }
        out << summary << Qt::endl;
    }
    return differences.empty() ? exitcode::kOk : exitcode::kNoOrDifferent;
}

}  // namespace

int RunCli(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const QString command = arguments.value(1);
    if (command == QLatin1String("probe")) return Probe(arguments, out, err);
    if (command == QLatin1String("read")) return Read(arguments, out, err);
    if (command == QLatin1String("write")) return Write(arguments, out, err);
    if (command == QLatin1String("diff")) return Diff(arguments, out, err);
    if (command == QLatin1String("report")) return RunReport(arguments, out, err);
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        out << kOverview << kExitCodesHelp;
        return exitcode::kOk;
    }
    if (command.isEmpty()) {
        err << kOverview << kExitCodesHelp;
        return exitcode::kUsage;
    }
    return Usage(err, QStringLiteral("不明なコマンドです: ") + command);
}
