// rusk-cli fleet: backs up or checks every indicator of a fleet file, all in this process. Each
// indicator has a session and link of its own, with its own time-outs, and its read is a task on
// the one event loop: a silent or lost indicator waits for itself and holds up no other.
#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QIODevice>
#include <QRegularExpression>
#include <QTimer>
#include <memory>
#include <utility>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "cli/FleetFile.h"
#include "history/Compare.h"
#include "platform/Clock.h"
#include "storage/DataFile.h"
#include "texts/CliTexts.h"

namespace {

constexpr int kJobLimitMs = 30 * 60 * 1000;  // an indicator that takes longer is given up
constexpr int kGivenUp = -2;                 // its code: the limit passed while it worked

// A new backup's path; a second backup in the same second gets "-2", "-3", …
QString NewBackupPath(const QDir& dir, const QString& name, const QDateTime& time) {
    const QString stem = name + u'-' + time.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString path = dir.absoluteFilePath(stem + QStringLiteral(".mdb"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir.absoluteFilePath(QStringLiteral("%1-%2.mdb").arg(stem).arg(n));
    return path;
}

// One indicator's messages, a line at a time, named by the indicator.
class NamedLines : public QIODevice {
  public:
    NamedLines(QString name, QTextStream& err) : name_(std::move(name)), err_(err) {
        open(QIODevice::WriteOnly);
    }
    // A last line without its line end.
    void end() {
        if (!pending_.isEmpty()) tell(QString::fromUtf8(std::exchange(pending_, {})));
    }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        pending_.append(data, size);
        for (qsizetype nl; (nl = pending_.indexOf('\n')) >= 0;) {
            tell(QString::fromUtf8(pending_.left(nl)));
            pending_.remove(0, nl + 1);
        }
        return size;
    }

  private:
    void tell(const QString& text) {
        const QString line = text.trimmed();
        if (!line.isEmpty()) err_ << "[" << name_ << "] " << line << Qt::endl;
    }

    QString name_;
    QTextStream& err_;
    QByteArray pending_;
};

// What one indicator came to.
struct Job {
    FleetMember member;
    DeviceOptions options;  // its device, model and line
    QString file;           // the backup written, or the baseline checked against
    QString result;
    bool failed = false;
    bool differs = false;
    bool ran = false;
    int order = 0;  // place in the fleet file
    double seconds = 0;
    qint64 startMs = -1;  // on the clock, while it runs
    int code = -1;        // its exit code, as `rusk-cli read`/`diff` of it would end
    QString lastOut;      // the last line of what it would print
    std::unique_ptr<Clock::Timer> limit;
    std::unique_ptr<NamedLines> lines;
    std::unique_ptr<QTextStream> err;
    std::unique_ptr<DeviceSession> session;  // its port and link; outlives the task
    Started task;
};

// `rusk-cli read DEVICE -o FILE` of one indicator.
Task<int> BackUp(DeviceOptions o, QString file, QTextStream& err,
                 std::unique_ptr<DeviceSession>* session, QString* lastOut) {
    *session = std::make_unique<DeviceSession>(o, err);
    const bool opened = co_await (*session)->openTask();
    if (!opened) co_return exitcode::kPort;
    SettingsStore store;
    store.setModel(o.model);
    const int code = co_await ReadDevice(**session, store, {});
    // A read the journal could not keep is saved all the same; the exit code tells.
    if (code != exitcode::kOk && code != exitcode::kJournal) co_return code;
    const DataFileSave saved = SaveDataFile(store, file);
    for (const QString& m : saved.messages) err << m << Qt::endl;
    if (!saved.saved) co_return exitcode::kFile;
    *lastOut = file;
    co_return code;
}

// `rusk-cli diff DEVICE BASELINE` of one indicator.
Task<int> Check(DeviceOptions o, QString baseline, QTextStream& err,
                std::unique_ptr<DeviceSession>* session, QString* lastOut) {
    for (const QString& name : {o.device, baseline}) {
        if (const auto bad = CheckDeviceLike(name, err)) co_return *bad;
        if (const auto bad = CheckDataSetName(name, err)) co_return *bad;
    }
    SettingsStore indicator;
    SettingsStore file;
    indicator.setModel(o.model);
    file.setModel(o.model);
    *session = std::make_unique<DeviceSession>(o, err);
    const bool opened = co_await (*session)->openTask();
    if (!opened) co_return exitcode::kPort;
    const int read = co_await ReadDevice(**session, indicator, kCompareReadOperation);
    if (read != exitcode::kOk && read != exitcode::kJournal) co_return read;
    const int load = co_await LoadDataSetTask(baseline, o, file, err, kCompareReadOperation);
    if (load != exitcode::kOk && load != exitcode::kJournal) co_return load;
    QString text;
    QTextStream out(&text);
    const int code = PrintDifferences(indicator, file, o.model, false, out);
    out.flush();
    const QStringList outLines = text.split(u'\n', Qt::SkipEmptyParts);
    *lastOut = outLines.isEmpty() ? QString() : outLines.last().trimmed();
    co_return read == exitcode::kJournal || load == exitcode::kJournal ? exitcode::kJournal : code;
}

Task<void> Into(Task<int> task, int* code) {
    const int got = co_await std::move(task);
    *code = got;
}

// The result column for an indicator's exit code.
QString ResultOf(const Job& job, int code, bool check) {
    switch (code) {
        case exitcode::kOk:
            return check ? Tr(CliText::ResultSame) : Tr(CliText::ResultSaved).arg(job.file);
        case exitcode::kNoOrDifferent:
            return Tr(CliText::ResultDiffer).arg(job.lastOut);
        case exitcode::kTimeout:
            return Tr(CliText::ResultNoAnswer);
        case exitcode::kPort:
            return Tr(CliText::ResultPortError);
        case exitcode::kFile:
            return Tr(CliText::ResultFileError);
        case exitcode::kIncomplete:
            return Tr(CliText::ResultIncomplete);
        case exitcode::kInterrupted:
            return Tr(CliText::ResultStopped);
        case kGivenUp:
            return Tr(CliText::ResultGivenUp).arg(kJobLimitMs / 60000);
        case exitcode::kJournal:
            // The indicator was read; only its record in the journal is missing.
            return (check ? job.lastOut : Tr(CliText::ResultSaved).arg(job.file)) +
                   Tr(CliText::ResultNotKept);
        default:
            return Tr(CliText::ResultFailed).arg(code);
    }
}

// Width of a text in terminal columns: full-width characters take two.
int Columns(const QString& text) {
    int n = 0;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        n += (u >= 0x1100 && !(u >= 0xFF61 && u <= 0xFF9F)) ? 2 : 1;
    }
    return n;
}

QString Padded(const QString& text, int columns) {
    return text + QString(std::max(0, columns - Columns(text)), u' ');
}

class FleetRun {
  public:
    FleetRun(std::vector<Job> jobs, int parallel, bool check, bool quiet, QTextStream& err,
             Clock& clock)
        : clock_(clock),
          jobs_(std::move(jobs)),
          parallel_(parallel),
          check_(check),
          quiet_(quiet),
          err_(err) {}

    void run() {
        // The links see the stop themselves: each finishes its record and ends 中断; no other
        // indicator is started.
        interruption::WhenAsked(&context_, [this] {
            if (stopping_) return;
            stopping_ = true;
            startMore();
        });
        startMore();
        if (running_ > 0) loop_.exec();
    }

    std::vector<Job>& jobs() { return jobs_; }

  private:
    void startMore() {
        while (running_ < parallel_ && next_ < jobs_.size()) {
            Job& job = jobs_[next_++];
            if (stopping_) {
                job.result = Tr(CliText::ResultNotRun);
                job.failed = true;
                continue;
            }
            start(job);
        }
        if (running_ == 0 && next_ >= jobs_.size()) loop_.quit();
    }

    void start(Job& job) {
        ++running_;
        job.ran = true;
        job.startMs = clock_.nowMs();
        // One that takes too long is given up where it waits.
        job.limit = clock_.makeTimer([this, &job] { finish(job, kGivenUp); });
        job.limit->start(kJobLimitMs);
        if (!quiet_) err_ << "[" << job.member.name << "] " << job.member.device << Qt::endl;
        job.lines = std::make_unique<NamedLines>(job.member.name, err_);
        job.err = std::make_unique<QTextStream>(job.lines.get());
        Task<int> work = check_
                             ? Check(job.options, job.file, *job.err, &job.session, &job.lastOut)
                             : BackUp(job.options, job.file, *job.err, &job.session, &job.lastOut);
        job.task = Started(Into(std::move(work), &job.code),
                           [this, &job](std::exception_ptr e) { finish(job, e ? -1 : job.code); });
    }

    void finish(Job& job, int code) {
        if (job.startMs < 0) return;
        job.seconds = double(clock_.nowMs() - job.startMs) / 1000.0;
        job.startMs = -1;
        job.limit.reset();
        job.err->flush();
        job.lines->end();
        // A backup is done only when its file is there.
        if (code == exitcode::kOk && !check_ && !QFileInfo(job.file).isFile())
            code = exitcode::kFile;
        job.result = ResultOf(job, code, check_);
        job.differs = code == exitcode::kNoOrDifferent;
        job.failed = code != exitcode::kOk && !job.differs;
        if (!quiet_) err_ << "[" << job.member.name << "] " << job.result << Qt::endl;
        // Called from its own end, in a signal of its port: the task and then the session go once
        // that has returned.
        auto gone = std::make_shared<Ended>();
        gone->session = std::move(job.session);
        gone->task = std::move(job.task);
        QTimer::singleShot(0, &context_, [gone] {});
        --running_;
        startMore();
    }

    struct Ended {
        std::unique_ptr<DeviceSession> session;
        Started task;  // goes first: it refers to the session
    };

    Clock& clock_;
    std::vector<Job> jobs_;
    int parallel_;
    bool check_;
    bool quiet_;
    QTextStream& err_;
    QObject context_;
    QEventLoop loop_;
    size_t next_ = 0;
    int running_ = 0;
    bool stopping_ = false;
};

void PrintSummary(const std::vector<Job>& jobs, QTextStream& out) {
    const QStringList head = {Tr(CliText::HeadName), Tr(CliText::HeadDevice),
                              Tr(CliText::HeadResult), Tr(CliText::HeadTime)};
    int nameWidth = Columns(head[0]);
    int deviceWidth = Columns(head[1]);
    for (const Job& job : jobs) {
        nameWidth = std::max(nameWidth, Columns(job.member.name));
        deviceWidth = std::max(deviceWidth, Columns(job.member.device));
    }
    out << Padded(head[0], nameWidth) << "  " << Padded(head[1], deviceWidth) << "  "
        << Padded(head[3], 8) << "  " << head[2] << Qt::endl;
    for (const Job& job : jobs) {
        const QString time = job.ran ? QString::number(job.seconds, 'f', 1) + QStringLiteral(" s")
                                     : QStringLiteral("-");
        out << Padded(job.member.name, nameWidth) << "  " << Padded(job.member.device, deviceWidth)
            << "  " << Padded(time, 8) << "  " << job.result << Qt::endl;
    }
}

}  // namespace

int FleetCommand(const QStringList& arguments, QTextStream& out, QTextStream& err, Clock& clock) {
    CommandLine line("fleet");
    QCommandLineParser& p = line.parser();
    p.addOptions({cliopt::kIni, cliopt::kLine, cliopt::kTimeout, cliopt::kQuiet});
    const QCommandLineOption jobsOption("jobs", "Indicators worked at once (default: all).", "N");
    const QCommandLineOption dirOption(
        QStringList{"d", "dir"}, "Folder of the backups (default: the current folder).", "folder");
    p.addOptions({jobsOption, dirOption});
    p.addPositionalArgument("FLEET.INI", "The fleet file.");
    p.addPositionalArgument("ACTION", "backup or check.", "backup|check");
    if (auto done = line.parse(arguments, out, err)) return *done;
    const QStringList positional = p.positionalArguments().mid(1);
    if (positional.size() != 2) return Usage(err, Tr(CliText::FleetArguments));
    const QString action = positional.at(1);
    if (action != QLatin1String("backup") && action != QLatin1String("check"))
        return Usage(err, Tr(CliText::FleetAction) + action);
    const bool check = action == QLatin1String("check");
    DeviceOptions o;
    if (auto bad = ReadDeviceOptions(p, &o, err, Positional::None, false)) return *bad;

    const FleetFile fleet = ReadFleetFile(positional.at(0), o.line);
    for (const QString& e : fleet.errors) err << e << Qt::endl;
    if (!fleet.errors.isEmpty()) return exitcode::kUsage;

    int parallel = static_cast<int>(fleet.members.size());
    if (p.isSet(jobsOption)) {
        bool ok = false;
        parallel = p.value(jobsOption).toInt(&ok);
        if (!ok || parallel < 1) return Usage(err, Tr(CliText::JobsOption) + p.value(jobsOption));
    }
    if (p.isSet(dirOption) && p.value(dirOption).isEmpty())
        return Usage(err, Tr(CliText::DirEmpty));
    const QDir dir(p.isSet(dirOption) ? p.value(dirOption) : QDir::currentPath());
    if (!dir.exists()) {
        err << Tr(CliText::NoFolder) << TerminalText(dir.path()) << Qt::endl;
        return exitcode::kFile;
    }

    std::vector<Job> jobs;
    const QDateTime now = Clock::System().currentDateTime();
    for (const FleetMember& m : fleet.members) {
        Job job;
        job.member = m;
        job.order = static_cast<int>(jobs.size());
        job.options = o;
        job.options.device = m.device;
        job.options.model = m.model;
        job.options.line = m.line;
        job.options.quiet = true;
        if (check) {
            job.file = BaselineOf(m, dir);
            if (job.file.isEmpty()) {
                job.result = Tr(CliText::NoBaseline);
                job.failed = true;
            }
        } else {
            job.file = NewBackupPath(dir, m.name, now);
            // A backup that cannot be saved is told now, before any indicator is read.
            if (const QString why = DataFileSaveRefusal(job.file); !why.isEmpty()) {
                err << "[" << m.name << "] " << TerminalText(job.file) << ": " << TerminalText(why)
                    << Qt::endl;
                return exitcode::kFile;
            }
        }
        jobs.push_back(std::move(job));
    }

    interruption::Install();
    // Indicators that cannot start (no baseline) are reported without being asked anything.
    std::vector<Job> runnable;
    std::vector<Job> settled;
    for (Job& job : jobs) (job.failed ? settled : runnable).push_back(std::move(job));
    FleetRun run(std::move(runnable), parallel, check, o.quiet, err, clock);
    run.run();

    std::vector<Job> all = std::move(run.jobs());
    for (Job& job : settled) all.push_back(std::move(job));
    std::sort(all.begin(), all.end(), [](const Job& a, const Job& b) { return a.order < b.order; });
    PrintSummary(all, out);
    if (interruption::Asked()) return exitcode::kInterrupted;
    const bool anyFailed =
        std::any_of(all.begin(), all.end(), [](const Job& j) { return j.failed; });
    const bool anyDiffers =
        std::any_of(all.begin(), all.end(), [](const Job& j) { return j.differs; });
    if (anyFailed) return exitcode::kFleetFailed;
    return anyDiffers ? exitcode::kNoOrDifferent : exitcode::kOk;
}
