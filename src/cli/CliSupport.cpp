#include "cli/CliSupport.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <memory>
#include <utility>

#include "app/Configuration.h"
#include "cli/ExitCodes.h"
#include "history/Compare.h"
#include "model/ModelFacts.h"
#include "platform/FileRules.h"
#include "platform/OperationError.h"
#include "platform/TcpSerialPort.h"
#include "storage/DataFile.h"
#include "texts/CliTexts.h"

int Usage(QTextStream& err, const QString& message) {
    err << TerminalText(message) << Qt::endl << Tr(CliText::SeeHelp) << Qt::endl;
    return exitcode::kUsage;
}

std::optional<IndicatorModel> ModelOf(const QString& text) {
    if (const ModelFacts* facts = FactsOfNumber(text)) return facts->model;
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
    if (!m) return Usage(err, Tr(CliText::ModelOption));
    *model = *m;
    return std::nullopt;
}

std::optional<int> ReadDeviceOptions(const QCommandLineParser& p, DeviceOptions* o,
                                     QTextStream& err, Positional positional, bool withModel) {
    if (positional != Positional::None) {
        const QStringList names = p.positionalArguments().mid(1);  // after the command
        if (names.size() != 1)
            return Usage(err, positional == Positional::Device ? Tr(CliText::OneDevice)
                                                               : Tr(CliText::OneSource));
        o->device = names.first();
        if (positional == Positional::Device) {
            if (const QString why = DeviceNameProblem(o->device); !why.isEmpty())
                return Usage(err, why);
        } else if (auto bad = CheckDeviceLike(o->device, err)) {
            return bad;
        }
    }
    if (p.isSet(cliopt::kIni)) {
        // A configuration file named on the command line must be there: a missing one would
        // quietly turn Com1 into /dev/ttyS0.
        o->ini = p.value(cliopt::kIni);
        QFile ini(o->ini);
        if (!QFileInfo(o->ini).isFile() || !ini.open(QIODevice::ReadOnly))
            return Usage(err, Tr(CliText::IniUnreadable) + TerminalText(o->ini));
    } else {
        o->ini = ConfigFilePath();
    }
    o->line = p.isSet(cliopt::kLine) ? p.value(cliopt::kLine) : ReadPortSettings(o->ini, 1);
    LineSettings parsed;
    if (!ParseLineSettings(o->line, &parsed)) return Usage(err, Tr(CliText::BadLine) + o->line);
    if (p.isSet(cliopt::kTimeout)) {
        bool ok = false;
        o->timeoutMs = p.value(cliopt::kTimeout).toInt(&ok);
        if (!ok || o->timeoutMs <= 0)
            return Usage(err, Tr(CliText::BadTimeout) + p.value(cliopt::kTimeout));
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

namespace {

bool IsTcpName(const QString& name) {
    return name.startsWith(QLatin1String("tcp://"), Qt::CaseInsensitive);
}

bool HasControlCharacter(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.category() == QChar::Other_Control; });
}

}  // namespace

bool IsDeviceName(const QString& name) {
    return PortNumberOf(name) || IsTcpName(name) || name.startsWith(QLatin1String("/dev/")) ||
           IsCharacterDevice(name);
}

QString DeviceNameProblem(const QString& name) {
    if (name.isEmpty()) return Tr(CliText::NoDevice);
    const QString shown = TerminalText(name);
    if (HasControlCharacter(name)) return Tr(CliText::ControlInName) + shown;
    if (const auto port = PortNumberOf(name)) {
        if (*port >= 1 && *port <= kHighestPortNumber) return {};
        return Tr(CliText::PortRange).arg(kHighestPortNumber).arg(shown);
    }
    if (IsTcpName(name)) {
        if (ParseTcpDevice(name)) return {};
        return Tr(CliText::BadTcp) + shown;
    }
    if (name.startsWith(QLatin1String("/dev/")) || IsCharacterDevice(name)) return {};
    return Tr(CliText::NotADevice).arg(kHighestPortNumber).arg(shown);
}

std::optional<int> CheckDeviceLike(const QString& name, QTextStream& err) {
    if (!IsDeviceName(name)) return std::nullopt;
    if (const QString why = DeviceNameProblem(name); !why.isEmpty()) return Usage(err, why);
    return std::nullopt;
}

std::optional<int> CheckOutputFile(const QString& path, QTextStream& err) {
    if (path.isEmpty()) return Usage(err, Tr(CliText::OutputNameEmpty));
    if (const QString why = DataFileSaveRefusal(path); !why.isEmpty()) {
        err << TerminalText(path) << ": " << TerminalText(why) << Qt::endl;
        return exitcode::kFile;
    }
    return std::nullopt;
}

bool LoadWhole(SettingsStore& store, const QString& path, QTextStream& err) {
    const DataFileLoad load = LoadDataFile(store, path, loadmode::kAll);
    for (QString m : load.messages) {
        // The window keeps the products of a file of the other model; the command line uses
        // the file whole or not at all.
        if (m == ModelMismatchText(store.model(), true) ||
            m == ModelMismatchText(store.model(), false))
            m = ModelMismatchText(store.model(), false) + Tr(CliText::NothingLoaded);
        err << TerminalText(path) << ": " << TerminalText(m) << Qt::endl;
    }
    return load.storeChanged && load.messages.isEmpty();
}

namespace {

// A snapshot number: digits only, 1 or more.
std::optional<qint64> SnapshotNumber(const QString& digits) {
    static const QRegularExpression number(QStringLiteral("^[0-9]{1,18}$"));
    if (!number.match(digits).hasMatch()) return std::nullopt;
    const qint64 id = digits.toLongLong();
    if (id <= 0) return std::nullopt;
    return id;
}

const QString kJournalPrefix = QStringLiteral("journal:");

}  // namespace

std::optional<qint64> JournalSnapshotNamed(const QString& name) {
    if (!name.startsWith(kJournalPrefix)) return std::nullopt;
    return SnapshotNumber(name.mid(kJournalPrefix.size()));
}

std::optional<int> CheckDataSetName(const QString& name, QTextStream& err) {
    if (!name.startsWith(kJournalPrefix) || SnapshotNumber(name.mid(kJournalPrefix.size())))
        return std::nullopt;
    return Usage(err, Tr(CliText::BadSnapshotNumber).arg(name));
}

namespace {

// A data set that is no device: a journal snapshot or a data file.
int LoadStoredDataSet(const QString& name, SettingsStore& store, QTextStream& err,
                      DataOrigin* origin) {
    if (const auto bad = CheckDataSetName(name, err)) return *bad;
    // "journal:" always names a snapshot; a bare number does when no file has that name.
    std::optional<qint64> id;
    if (name.startsWith(kJournalPrefix))
        id = JournalSnapshotNamed(name);
    else if (!QFileInfo::exists(name))
        id = SnapshotNumber(name);
    if (id) {
        if (origin) *origin = DataOrigin::Journal(*id);
        Journal journal;
        QString reason;
        if (!journal.load(*id)) {
            if (journal.failure().isEmpty())
                err << Tr(CliText::SnapshotNotFound).arg(*id) << Qt::endl;
            else
                err << Tr(CliText::JournalUnreadable)
                           .arg(QDir::toNativeSeparators(journal.path()), journal.failure())
                    << Qt::endl;
            return exitcode::kFile;
        }
        if (!journal.applyTo(*id, store, &reason)) {
            err << reason << Qt::endl;
            return exitcode::kFile;
        }
        return exitcode::kOk;
    }
    if (origin) *origin = DataOrigin::DataFile(name);
    return LoadWhole(store, name, err) ? exitcode::kOk : exitcode::kFile;
}

}  // namespace

int LoadDataSet(const QString& name, const DeviceOptions& options, SettingsStore& store,
                QTextStream& err, DataOrigin* origin, const QString& readOperation) {
    if (IsDeviceName(name)) {
        DeviceOptions o = options;
        o.device = name;
        if (origin) *origin = DataOrigin::Indicator(name);
        return ReadDeviceInto(o, store, err, readOperation);
    }
    return LoadStoredDataSet(name, store, err, origin);
}

Task<int> LoadDataSetTask(QString name, DeviceOptions options, SettingsStore& store,
                          QTextStream& err, QString readOperation) {
    if (!IsDeviceName(name)) co_return LoadStoredDataSet(name, store, err, nullptr);
    // An indicator is read on a session of its own, awaited as the caller's own read is: a
    // silent one holds up nothing else on the loop.
    // Its end comes in a signal of its own port: the session goes once that has returned.
    options.device = name;
    const auto session = std::make_shared<DeviceSession>(options, err);
    const bool opened = co_await session->openTask();
    int code = exitcode::kPort;
    if (opened) code = co_await ReadDevice(*session, store, readOperation);
    QTimer::singleShot(0, QCoreApplication::instance(), [session] {});
    co_return code;
}

namespace interruption {
namespace {

std::atomic<bool> asked{false};
// Written once by the first stop, so that the event loop wakes for it.
int wake[2] = {-1, -1};
sigset_t StopSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

extern "C" void OnStop(int signal) {
    if (asked.exchange(true)) {
        // A second stop: the program ends by the signal.
        struct sigaction standard {};
        standard.sa_handler = SIG_DFL;
        sigaction(signal, &standard, nullptr);
        ::raise(signal);
        return;
    }
    const int saved = errno;
    const char byte = 1;
    (void)!::write(wake[1], &byte, 1);
    errno = saved;
}

// Wakes the event loop for the first stop; made once, in the event loop's thread.
QSocketNotifier* Waker() {
    static QSocketNotifier* notifier = nullptr;
    if (!notifier && wake[0] >= 0) {
        notifier =
            new QSocketNotifier(wake[0], QSocketNotifier::Read, QCoreApplication::instance());
        QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
            char bytes[16];
            while (::read(wake[0], bytes, sizeof bytes) > 0) {
            }
        });
    }
    return notifier;
}

}  // namespace

void Install() {
    asked.store(false);
    if (wake[0] < 0 && ::pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0) wake[0] = wake[1] = -1;
    struct sigaction handler {};
    handler.sa_handler = OnStop;
    handler.sa_mask = StopSignals();  // one stop at a time
    handler.sa_flags = SA_RESTART;
    sigaction(SIGINT, &handler, nullptr);
    sigaction(SIGTERM, &handler, nullptr);
    const sigset_t held = StopSignals();
    sigprocmask(SIG_UNBLOCK, &held, nullptr);
}

bool Asked() {
    return asked.load();
}

void WhenAsked(QObject* context, std::function<void()> then) {
    if (asked.load()) {
        QTimer::singleShot(0, context, std::move(then));
        return;
    }
    if (QSocketNotifier* waker = Waker())
        QObject::connect(waker, &QSocketNotifier::activated, context, [then] { then(); });
}

Pause::~Pause() {
    // Its timer or stop may be under way: the context goes once they have returned.
    if (context_) context_->deleteLater();
}

bool Pause::await_ready() const {
    return ms_ <= 0 || asked.load();
}

void Pause::await_suspend(std::coroutine_handle<> waiting) {
    context_ = new QObject;
    // The first of the two resumes the task; the other finds it resumed.
    auto once = [waiting, resumed = std::make_shared<bool>(false)] {
        if (!std::exchange(*resumed, true)) waiting.resume();
    };
    QTimer::singleShot(ms_, context_, once);
    WhenAsked(context_, once);
}

}  // namespace interruption

QString ValueText(const TransferValue& v) {
    if (v.product >= 0)
        return Tr(CliText::ProductValue).arg(v.product).arg(v.code, ShownValue(v.value));
    return QStringLiteral("W%1 %2").arg(v.code, ShownValue(v.value));
}

void RunRecorder::notedRun(const TransferRun& run, const QString& runNote) {
    const bool stopped = !run.complete && interruption::Asked();
    const qint64 id =
        journal.record(run, stopped ? JoinedNotes(runNote, StoppedNote(run)) : runNote);
    if (run.direction == TransferRun::Direction::Write) {
        lastWrite = run;
        lastWriteId = id;
    }
}

DeviceSession::DeviceSession(const DeviceOptions& o, QTextStream& err)
    : options_(o),
      err_(err),
      view(err, o.quiet),
      port(ResolverFor(o)),
      link(store, view, o.timeoutMs) {
    store.setModel(o.model);
    // A run the journal could not keep is told even with --quiet, and changes the exit code.
    recorder.journal.statusNote = [this](const QString& note) {
        recorder.failed = true;
        view.tell(note);
    };
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
        err_ << TerminalText(ErrorReportText(e, ErrorHint::Port8002)) << Qt::endl;
        return false;
    }
}

namespace {

// Awaits the port's opening; the error, none when it is open. Destroyed while it waits, it closes
// the port, which ends the attempt.
class PortOpening {
  public:
    explicit PortOpening(AnySerialPort& port) : port_(port) {}
    PortOpening(const PortOpening&) = delete;
    PortOpening& operator=(const PortOpening&) = delete;
    ~PortOpening() {
        if (waiting_) port_.close();
    }
    bool await_ready() {
        port_.openLater([this](std::optional<OperationError> e) {
            error_ = std::move(e);
            ended_ = true;
            if (const auto waiting = std::exchange(waiting_, {})) waiting.resume();
        });
        return ended_;
    }
    void await_suspend(std::coroutine_handle<> waiting) { waiting_ = waiting; }
    std::optional<OperationError> await_resume() { return std::move(error_); }

  private:
    AnySerialPort& port_;
    bool ended_ = false;
    std::coroutine_handle<> waiting_;
    std::optional<OperationError> error_;
};

}  // namespace

Task<bool> DeviceSession::openTask() {
    std::optional<OperationError> error;
    try {
        port.setPortNumber(PortNumberOf(options_.device).value_or(1));
        port.setSettings(options_.line);
        auto got = co_await PortOpening(port);
        error = std::move(got);
    } catch (const OperationError& e) {
        error = e;
    }
    if (!error) co_return true;
    err_ << TerminalText(ErrorReportText(*error, ErrorHint::Port8002)) << Qt::endl;
    co_return false;
}

int ReportIncomplete(const ReadCheck& check, QTextStream& err) {
    err << check.messageText() << Qt::endl;
    for (const QString& line : check.lines()) err << "  " << line << Qt::endl;
    return exitcode::kIncomplete;
}

void RunToEnd(Task<void> task) {
    QEventLoop loop;
    bool ended = false;
    std::exception_ptr error;
    const Started started(std::move(task), [&](std::exception_ptr e) {
        error = e;
        ended = true;
        loop.quit();
    });
    if (!ended) loop.exec();
    if (error) std::rethrow_exception(error);
}

Task<int> CheckedReadTask(DeviceSession& s, std::function<Task<void>()> read) {
    // The command line's own check around the read: the transfers name nothing themselves, and
    // every value that did not come whole is listed here.
    ReadCheck check;
    {
        auto operation = s.link.beginOperation();
        const IndicatorLink::CheckedReads checked = s.link.checkReads(check);
        co_await read();
    }
    // A read the journal could not keep is still whole; one that is not whole says so first.
    const int code = s.outcome(0);
    if (code != exitcode::kOk && code != exitcode::kJournal) co_return code;
    co_return check.complete() ? code : ReportIncomplete(check, s.err());
}

int CheckedRead(DeviceSession& s, const std::function<Task<void>()>& read) {
    return RunToEnd(CheckedReadTask(s, read));
}

int DeviceSession::outcome(int messagesBefore) const {
    if (interruption::Asked()) return exitcode::kInterrupted;
    if (link.timedOut()) return exitcode::kTimeout;
    if (view.messageCount() > messagesBefore) return exitcode::kPort;
    return recorder.failed ? exitcode::kJournal : exitcode::kOk;
}
