#include "cli/CliSupport.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <atomic>
#include <csignal>

#include "app/Configuration.h"
#include "cli/ExitCodes.h"
#include "history/Compare.h"
#include "platform/OperationError.h"
#include "storage/DataFile.h"

int Usage(QTextStream& err, const QString& message) {
    err << message << Qt::endl << "rusk-cli --help で使い方を表示します。" << Qt::endl;
    return exitcode::kUsage;
}

std::optional<IndicatorModel> ModelOf(const QString& text) {
    if (text == QLatin1String("805")) return IndicatorModel::F805;
    if (text == QLatin1String("800")) return IndicatorModel::F800;
    return std::nullopt;
}

namespace cliopt {
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
}  // namespace cliopt

void AddCommand(QCommandLineParser& p, const QString& name) {
    p.addPositionalArgument(name, "The command.", name);
}

void AddDeviceOptions(QCommandLineParser& p) {
    p.addOptions({cliopt::kIni, cliopt::kLine, cliopt::kTimeout, cliopt::kQuiet, cliopt::kModel});
}

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

std::optional<int> ReadModelOption(const QCommandLineParser& p, IndicatorModel* model,
                                   QTextStream& err) {
    if (!p.isSet(cliopt::kModel)) return std::nullopt;
    const auto m = ModelOf(p.value(cliopt::kModel));
    if (!m) return Usage(err, QStringLiteral("--model は 805 か 800 です。"));
    *model = *m;
    return std::nullopt;
}

std::optional<int> ReadDeviceOptions(const QCommandLineParser& p, DeviceOptions* o,
                                     QTextStream& err, bool deviceArgument, bool withModel) {
    if (deviceArgument) {
        const QStringList positional = p.positionalArguments().mid(1);  // after the command
        if (positional.size() != 1) return Usage(err, "DEVICE を 1 つ指定してください。");
        o->device = positional.first();
    }
    o->ini = p.isSet(cliopt::kIni) ? p.value(cliopt::kIni) : ConfigFilePath();
    o->line = p.isSet(cliopt::kLine) ? p.value(cliopt::kLine) : ReadPortSettings(o->ini, 1);
    LineSettings parsed;
    if (!ParseLineSettings(o->line, &parsed))
        return Usage(err, QStringLiteral("通信設定が正しくありません: ") + o->line);
    if (p.isSet(cliopt::kTimeout)) {
        bool ok = false;
        o->timeoutMs = p.value(cliopt::kTimeout).toInt(&ok);
        if (!ok || o->timeoutMs <= 0)
            return Usage(
                err, QStringLiteral("--timeout が正しくありません: ") + p.value(cliopt::kTimeout));
    }
    o->quiet = p.isSet(cliopt::kQuiet);
    return withModel ? ReadModelOption(p, &o->model, err) : std::nullopt;
}

namespace {

// "Com3" → 3; a device path names none.
std::optional<int> PortNumberOf(const QString& device) {
    static const QRegularExpression com(QStringLiteral("^com(\\d{1,2})$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const auto m = com.match(device);
    if (!m.hasMatch()) return std::nullopt;
    return m.captured(1).toInt();
}

PortResolver ResolverFor(const DeviceOptions& o) {
    if (PortNumberOf(o.device)) return DevicesResolver(o.ini);
    const QString path = o.device;
    return [path](int) { return path; };
}

}  // namespace

bool IsDeviceName(const QString& name) {
    return PortNumberOf(name) || name.startsWith(QLatin1String("tcp://")) ||
           name.startsWith(QLatin1String("/dev/"));
}

bool LoadWhole(SettingsStore& store, const QString& path, QTextStream& err) {
    const DataFileLoad load = LoadDataFile(store, path, loadmode::kAll);
    for (const QString& m : load.messages) err << path << ": " << m << Qt::endl;
    return load.storeChanged && load.messages.isEmpty();
}

namespace {

// A journal snapshot written "journal:12", or "12" when no file of that name exists.
std::optional<qint64> SnapshotIdOf(const QString& name) {
    QString digits = name;
    if (name.startsWith(QLatin1String("journal:")))
        digits = name.mid(8);
    else if (QFileInfo::exists(name))
        return std::nullopt;
    bool ok = false;
    const qint64 id = digits.toLongLong(&ok);
    if (!ok || id <= 0) return std::nullopt;
    return id;
}

}  // namespace

int LoadDataSet(const QString& name, const DeviceOptions& options, SettingsStore& store,
                QTextStream& err) {
    if (IsDeviceName(name)) {
        DeviceOptions o = options;
        o.device = name;
        return ReadDeviceInto(o, store, err);
    }
    if (const auto id = SnapshotIdOf(name)) {
        Journal journal;
        QString reason;
        if (!journal.load(*id)) {
            err << QStringLiteral("履歴 %1 が見つかりません。").arg(*id) << Qt::endl;
            return exitcode::kFile;
        }
        if (!journal.applyTo(*id, store, &reason)) {
            err << reason << Qt::endl;
            return exitcode::kFile;
        }
        return exitcode::kOk;
    }
    return LoadWhole(store, name, err) ? exitcode::kOk : exitcode::kFile;
}

namespace interruption {
namespace {
std::atomic<bool> asked{false};

extern "C" void OnInterrupt(int) {
    asked.store(true);
    // A second Ctrl+C ends the program at once.
    std::signal(SIGINT, SIG_DFL);
}
}  // namespace

void Install() {
    asked.store(false);
    std::signal(SIGINT, OnInterrupt);
    std::signal(SIGTERM, OnInterrupt);
}

bool Asked() {
    return asked.load();
}
}  // namespace interruption

QString ValueText(const TransferValue& v) {
    if (v.product >= 0)
        return QStringLiteral("銘柄 %1 W%2 %3").arg(v.product).arg(v.code, ShownValue(v.value));
    return QStringLiteral("W%1 %2").arg(v.code, ShownValue(v.value));
}

void RunRecorder::notedRun(const TransferRun& run, const QString& runNote) {
    QString note = runNote;
    if (!run.complete && interruption::Asked()) {
        if (!note.isEmpty()) note += QStringLiteral("、");
        note += run.values.empty()
                    ? QStringLiteral("Ctrl+C で中断")
                    : QStringLiteral("Ctrl+C で中断 (最後: %1)").arg(ValueText(run.values.back()));
    }
    journal.record(run, note);
    if (run.direction == TransferRun::Direction::Write) lastWrite = run;
}

DeviceSession::DeviceSession(const DeviceOptions& o, QTextStream& err)
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
    link.setStopAsked(&interruption::Asked);
}

DeviceSession::~DeviceSession() {
    link.runs().setListener(nullptr);
    port.close();
}

bool DeviceSession::open() {
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

int ReportIncomplete(const ReadCheck& check, QTextStream& err) {
    err << check.messageText() << Qt::endl;
    for (const QString& line : check.lines()) err << "  " << line << Qt::endl;
    return exitcode::kIncomplete;
}

int CheckedRead(DeviceSession& s, const std::function<void()>& read) {
    // The command line's own check around the read: the transfers name nothing themselves, and
    // every value that did not come whole is listed here.
    ReadCheck check;
    {
        auto operation = s.link.beginOperation();
        const IndicatorLink::CheckedReads checked = s.link.checkReads(check);
        read();
    }
    if (const int code = s.outcome(0); code != exitcode::kOk) return code;
    return check.complete() ? exitcode::kOk : ReportIncomplete(check, s.err());
}

int DeviceSession::outcome(int messagesBefore) const {
    if (interruption::Asked()) return exitcode::kInterrupted;
    if (link.timedOut()) return exitcode::kTimeout;
    if (view.messageCount() > messagesBefore) return exitcode::kPort;
    return exitcode::kOk;
}
