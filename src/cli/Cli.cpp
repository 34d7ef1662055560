#include "cli/Cli.h"

#include <unistd.h>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "history/Compare.h"
#include "history/Verify.h"
#include "platform/OperationError.h"
#include "storage/DataFile.h"
#include "texts/CliTexts.h"
#include "texts/HistoryTexts.h"
#include "texts/TransferTexts.h"
#include "transfer/ChangedWrite.h"
#include "transfer/ProductTransfers.h"
#include "transfer/SettingTransfers.h"

int ProbeCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    CommandLine line("probe");
    DeviceOptions o;
    if (auto done = line.parse(arguments, out, err, &o)) return *done;
    DeviceSession s(o, err);
    if (!s.open()) return exitcode::kPort;
    auto operation = s.link.beginOperation();
    try {
        // Any line ends the wait; only an answer of the indicator's form (RA and a weight) says
        // that an indicator is there.
        s.link.flushInput();
        s.link.sendLine(QStringLiteral("RA"));
        const int ra = SettingsStore::LiveKindIndex(QStringLiteral("RA"));
        if (RunToEnd(s.link.reply(ReplyFor::LiveData(ra))) == WaitOutcome::Line) {
            if (IndicatorLink::IsWeightAnswer(s.link.lastReply())) {
                out << Tr(CliText::LinkOk) << Qt::endl;
                return exitcode::kOk;
            }
            out << Tr(CliText::NotIndicatorAnswer)
                << IndicatorLink::VisibleReply(s.link.lastReply()) << Qt::endl;
            return exitcode::kNoOrDifferent;
        }
    } catch (const OperationError& e) {
        err << TerminalText(ErrorReportText(e, ErrorHint::Port8018)) << Qt::endl;
        return exitcode::kPort;
    }
    out << Tr(CliText::NoAnswer) << Qt::endl;
    return exitcode::kNoOrDifferent;
}

Task<int> ReadDevice(DeviceSession& s, SettingsStore& store, QString operation) {
    SettingTransfers settings(s.link);
    ProductTransfers products(s.link, s.panel);
    products.setKeepIndicatorProduct(true);
    const int code = co_await CheckedReadTask(s, [&]() -> Task<void> {
        // An outer run names the read; all-read's halves join it.
        std::optional<RunLog::Handle> run;
        if (!operation.isEmpty())
            run.emplace(s.link.beginRun(TransferRun::Direction::Read, operation));
        co_await products.allRead(settings);
    });
    if (code == exitcode::kOk || code == exitcode::kJournal) store = s.store;
    co_return code;
}

int ReadDeviceInto(const DeviceOptions& o, SettingsStore& store, QTextStream& err,
                   const QString& operation) {
    DeviceSession s(o, err);
    if (!s.open()) return exitcode::kPort;
    return RunToEnd(ReadDevice(s, store, operation));
}

int ReadCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    CommandLine line("read");
    QCommandLineParser& p = line.parser();
    const QCommandLineOption output(QStringList{"o", "output"}, "The data file to write.", "file");
    const QCommandLineOption settingsOnly("settings-only", "Read the settings only.");
    const QCommandLineOption productsOnly("products-only", "Read the 100 products only.");
    p.addOptions({output, settingsOnly, productsOnly});
    DeviceOptions o;
    if (auto done = line.parse(arguments, out, err, &o)) return *done;
    if (!p.isSet(output)) return Usage(err, Tr(CliText::OutputMissing));
    if (p.isSet(settingsOnly) && p.isSet(productsOnly))
        return Usage(err, Tr(CliText::SettingsOrProducts));
    // A file that cannot be saved is told before the indicator is read, not after.
    if (auto bad = CheckOutputFile(p.value(output), err)) return *bad;

    interruption::Install();
    DeviceSession s(o, err);
    if (!s.open()) return exitcode::kPort;
    SettingTransfers settings(s.link);
    ProductTransfers products(s.link, s.panel);
    products.setKeepIndicatorProduct(true);
    // A read that is not whole saves nothing: an existing file stays as it is.
    const int code = CheckedRead(s, [&]() -> Task<void> {
        if (p.isSet(settingsOnly))
            (void)co_await settings.readAllSettings();
        else if (p.isSet(productsOnly))
            (void)co_await products.readAllProducts();
        else
            co_await products.allRead(settings);
    });
    // A read the journal could not keep is saved all the same; the exit code tells.
    if (code != exitcode::kOk && code != exitcode::kJournal) return code;
    const DataFileSave saved = SaveDataFile(s.store, p.value(output));
    for (const QString& m : saved.messages) err << m << Qt::endl;
    if (!saved.saved) return exitcode::kFile;
    out << p.value(output) << Qt::endl;
    return code;
}

namespace {

// Reads back what the last write sent and lists what the indicator refused; the journal keeps
// the verdict with the write.
int VerifyLastWrite(DeviceSession& s, QTextStream& out) {
    if (!s.recorder.lastWrite) return exitcode::kOk;
    const int before = s.view.messageCount();
    std::optional<VerifyResult> result;
    {
        auto operation = s.link.beginOperation();
        try {
            result = RunToEnd(VerifyAndNote(s.link, s.recorder.journal, *s.recorder.lastWrite,
                                            s.recorder.lastWriteId));
        } catch (const OperationError& e) {
            s.view.showMessage(ErrorReportText(e, ErrorHint::Port8018));
        }
    }
    if (!result) return s.outcome(before);
    if (result->timedOut) return exitcode::kTimeout;
    // What came back whole and differs is listed first; a value that did not come whole is
    // neither held nor refused.
    for (const TransferValue& v : result->refused) out << ValueText(v) << Qt::endl;
    if (!result->unread.complete()) return ReportIncomplete(result->unread, s.err());
    if (!result->refused.empty()) return exitcode::kVerifyMismatch;
    return s.recorder.failed ? exitcode::kJournal : exitcode::kOk;
}

}  // namespace

namespace {

// write --keep-before: what the write will overwrite, read and kept in the journal first, as
// the window's option keeps it; the write is made only when that went well. The exit code when
// it did not; none when it did, with the snapshot's id in `id` (0: nothing to keep).
std::optional<int> KeepBeforeWrite(DeviceSession& s, WritePlaces places, qint64& id) {
    const int before = s.view.messageCount();
    ReadCheck check;
    std::optional<KeptBefore> kept;
    {
        auto operation = s.link.beginOperation();
        try {
            kept = RunToEnd(KeepBefore(s.link, s.recorder.journal, std::move(places), check));
        } catch (const OperationError& e) {
            s.view.showMessage(ErrorReportText(e, ErrorHint::Port8018));
        }
    }
    if (kept && !check.complete() && !s.link.timedOut()) return ReportIncomplete(check, s.err());
    if (!kept || !kept->read) {
        const int code = s.outcome(before);
        return code == exitcode::kOk ? exitcode::kIncomplete : code;
    }
    if (!kept->journalFailure.isEmpty()) {
        s.err() << TerminalText(Tr(HistoryText::KeepBeforeFailed) + kept->journalFailure)
                << Qt::endl;
        return exitcode::kFile;
    }
    id = kept->id;
    return std::nullopt;
}

// The kept values are listed under the write that overwrote them.
void ListKeptUnderWrite(DeviceSession& s, qint64 id) {
    if (id != 0 && s.recorder.lastWrite)
        s.recorder.journal.setOperation(id, s.recorder.lastWrite->operation);
}

// write --changed: the indicator is read first (journalled as a comparison), the values of the
// file that differ from it are listed, and only those are sent, once the operator agrees.
int WriteChangedOnly(const DeviceOptions& o, const SettingsStore& file, bool verify, bool yes,
                     bool keep, QTextStream& out, QTextStream& err) {
    SettingsStore indicator;
    indicator.setModel(o.model);
    const int read = ReadDeviceInto(o, indicator, err, kCompareReadOperation);
    if (read != exitcode::kOk && read != exitcode::kJournal) return read;
    std::vector<ChangedValue> changes = ChangedValues(file, indicator);
    if (changes.empty()) {
        out << Tr(TransferText::NoChanges) << Qt::endl;
        return read;
    }
    for (const ChangedValue& c : changes)
        out << ValueText({c.product, c.code, c.window}) << ' '
            << Tr(CliText::IndicatorHolds).arg(c.indicator) << Qt::endl;
    if (!yes) {
        if (!::isatty(STDIN_FILENO)) {
            err << Tr(CliText::NeedYes) << Qt::endl;
            return exitcode::kUsage;
        }
        out << Tr(CliText::AskWrite) << Qt::flush;
        QTextStream in(stdin);
        const QString answer = in.readLine().trimmed();
        if (answer.compare(QLatin1String("y"), Qt::CaseInsensitive) != 0 &&
            answer.compare(QLatin1String("yes"), Qt::CaseInsensitive) != 0) {
            out << Tr(CliText::NotWritten) << Qt::endl;
            return exitcode::kOk;
        }
    }
    interruption::Install();
    DeviceSession s(o, err);
    s.store = file;
    if (!s.open()) return exitcode::kPort;
    qint64 kept = 0;
    if (keep) {
        if (const auto refused = KeepBeforeWrite(s, PlacesOf(changes), kept)) return *refused;
    }
    {
        auto operation = s.link.beginOperation();
        RunToEnd(WriteChanged(s.link, std::move(changes)));
    }
    ListKeptUnderWrite(s, kept);
    const int code = s.outcome(0);
    if (code != exitcode::kOk && code != exitcode::kJournal) return code;
    return verify ? VerifyLastWrite(s, out) : code;
}

}  // namespace

int WriteCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    CommandLine line("write");
    QCommandLineParser& p = line.parser();
    const QCommandLineOption input(QStringList{"i", "input"}, "The data file to send.", "file");
    const QCommandLineOption verify("verify",
                                    "Read back what was sent and list the values the indicator "
                                    "refused (exit 5).");
    const QCommandLineOption dryRun("dry-run",
                                    "Read the indicator and print how it differs from the file; "
                                    "send nothing (exit 0 equal, 1 different).");
    const QCommandLineOption changed(
        "changed",
        "Read the indicator and write only the values that differ from it, after listing them "
        "(asks first; --yes to write without asking).");
    const QCommandLineOption yes("yes", "With --changed: write without asking.");
    const QCommandLineOption keep("keep-before",
                                  "Read what the write will overwrite and keep it in the journal "
                                  "first; nothing is written when that fails.");
    p.addOptions({input, verify, dryRun, changed, yes, keep});
    DeviceOptions o;
    if (auto done = line.parse(arguments, out, err, &o)) return *done;
    if (!p.isSet(input)) return Usage(err, Tr(CliText::InputMissing));
    if (p.value(input).isEmpty()) return Usage(err, Tr(CliText::InputNameEmpty));
    if (p.isSet(verify) && p.isSet(dryRun)) return Usage(err, Tr(CliText::VerifyOrDryRun));
    if (p.isSet(changed) && p.isSet(dryRun)) return Usage(err, Tr(CliText::ChangedOrDryRun));

    SettingsStore file;
    file.setModel(o.model);
    if (!LoadWhole(file, p.value(input), err)) return exitcode::kFile;
    if (p.isSet(dryRun)) {
        SettingsStore indicator;
        indicator.setModel(o.model);
        const int code = ReadDeviceInto(o, indicator, err, kCompareReadOperation);
        if (code != exitcode::kOk && code != exitcode::kJournal) return code;
        const int differ = PrintDifferences(file, indicator, o.model, false, out);
        return code == exitcode::kJournal ? code : differ;
    }

    if (p.isSet(keep) && p.isSet(dryRun)) return Usage(err, Tr(CliText::KeepOrDryRun));
    if (p.isSet(changed))
        return WriteChangedOnly(o, file, p.isSet(verify), p.isSet(yes), p.isSet(keep), out, err);

    interruption::Install();
    DeviceSession s(o, err);
    s.store = file;
    ProductTransfers products(s.link, s.panel);
    // A file that fails its checks sends nothing: every product and every setting is checked
    // before the port is opened.
    for (int n = 0; n < s.store.productCount(); ++n) {
        if (!products.storedProductValid(n)) {
            err << Tr(TransferText::InvalidStored) << Tr(CliText::InvalidStoredProduct).arg(n)
                << Qt::endl;
            return exitcode::kFile;
        }
    }
    if (const auto unfit = SettingTransfers::UnfitSettings(s.store); !unfit.empty()) {
        err << SettingTransfers::UnfitSettingsText(unfit) << Qt::endl;
        for (const TransferValue& v : unfit) err << "  " << ValueText(v) << Qt::endl;
        return exitcode::kFile;
    }
    if (!s.open()) return exitcode::kPort;
    qint64 kept = 0;
    if (p.isSet(keep)) {
        if (const auto refused = KeepBeforeWrite(s, AllPlaces(o.model, true, true), kept))
            return *refused;
    }
    SettingTransfers settings(s.link);
    {
        auto operation = s.link.beginOperation();
        RunToEnd(products.allWrite(settings));
    }
    ListKeptUnderWrite(s, kept);
    const int code = s.outcome(0);
    if (code != exitcode::kOk && code != exitcode::kJournal) {
        if (code == exitcode::kInterrupted && s.recorder.lastWrite &&
            !s.recorder.lastWrite->values.empty())
            err << Tr(CliText::StoppedLastSent) << ValueText(s.recorder.lastWrite->values.back())
                << Qt::endl;
        return code;
    }
    return p.isSet(verify) ? VerifyLastWrite(s, out) : code;
}

int RunCli(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const QString command = arguments.value(1);
    if (const CliCommand* c = CommandNamed(command)) return c->run(arguments, out, err);
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        out << OverviewText() << kExitCodesHelp;
        return exitcode::kOk;
    }
    if (command.isEmpty()) {
        err << OverviewText() << kExitCodesHelp;
        return exitcode::kUsage;
    }
    return Usage(err, Tr(CliText::UnknownCommand) + command);
}
