#include "cli/Cli.h"

#include "cli/CliSupport.h"
#include "cli/ExitCodes.h"
#include "cli/ReportCommand.h"
#include "history/Verify.h"
#include "platform/OperationError.h"
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
    "  write DEVICE -i FILE      write a data file to the indicator (--verify, --dry-run)\n"
    "  diff A B                  compare data files, journal snapshots or indicators\n"
    "  live DEVICE               print the weight and the status until Ctrl+C\n"
    "  fleet FLEET.INI backup|check   many indicators at once\n"
    "  report FILE -o SHEET.pdf  the settings sheet of a data file as PDF\n"
    "\n"
    "DEVICE is a device path (/dev/ttyUSB0), a port name (Com3) that the [Devices] section of\n"
    "Rusk.INI maps to a device, or tcp://host:port for a serial device server.\n"
    "`rusk-cli COMMAND --help` tells more.\n"
    "\n";

const char* const kDeviceHelp = "Device path, port name (Com1) or tcp://host:port.";

}  // namespace

int ProbeCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser p;
    AddCommand(p, "probe");
    AddDeviceOptions(p);
    p.addPositionalArgument("DEVICE", kDeviceHelp);
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
        // Any line ends the wait; only an answer of the indicator's form (RA and a weight) says
        // that an indicator is there.
        s.link.flushInput();
        s.link.sendLine(QStringLiteral("RA"));
        const int ra = SettingsStore::LiveKindIndex(QStringLiteral("RA"));
        if (s.link.awaitReply(ReplyFor::LiveData(ra)) == WaitOutcome::Line) {
            if (IndicatorLink::IsWeightAnswer(s.link.lastReply())) {
                out << "通信ＯＫ" << Qt::endl;
                return exitcode::kOk;
            }
            out << "指示計の応答ではありません: " << IndicatorLink::VisibleReply(s.link.lastReply())
                << Qt::endl;
            return exitcode::kNoOrDifferent;
        }
    } catch (const OperationError& e) {
        err << ErrorReportText(e, ErrorHint::Port8018) << Qt::endl;
        return exitcode::kPort;
    }
    out << "応答がありません" << Qt::endl;
    return exitcode::kNoOrDifferent;
}

int ReadDeviceInto(const DeviceOptions& o, SettingsStore& store, QTextStream& err) {
    DeviceSession s(o, err);
    if (!s.open()) return exitcode::kPort;
    SettingTransfers settings(s.link);
    ProductTransfers products(s.link, s.panel);
    products.setKeepIndicatorProduct(true);
    const int code = CheckedRead(s, [&] { products.allRead(settings); });
    if (code == exitcode::kOk) store = s.store;
    return code;
}

int ReadCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser p;
    AddCommand(p, "read");
    AddDeviceOptions(p);
    const QCommandLineOption output(QStringList{"o", "output"}, "The data file to write.", "file");
    const QCommandLineOption settingsOnly("settings-only", "Read the settings only.");
    const QCommandLineOption productsOnly("products-only", "Read the 100 products only.");
    p.addOptions({output, settingsOnly, productsOnly});
    p.addPositionalArgument("DEVICE", kDeviceHelp);
    if (auto done = ParseCommand(p, arguments,
                                 "Reads all products and settings from the indicator into a data "
                                 "file. The read is kept in the journal. Ctrl+C stops after the "
                                 "record under way and saves nothing.",
                                 out, err))
        return *done;
    DeviceOptions o;
    if (auto bad = ReadDeviceOptions(p, &o, err)) return *bad;
    if (!p.isSet(output)) return Usage(err, "-o FILE を指定してください。");
    if (p.isSet(settingsOnly) && p.isSet(productsOnly))
        return Usage(err, "--settings-only と --products-only は同時に指定できません。");

    interruption::Install();
    DeviceSession s(o, err);
    if (!s.open()) return exitcode::kPort;
    SettingTransfers settings(s.link);
    ProductTransfers products(s.link, s.panel);
    products.setKeepIndicatorProduct(true);
    // A read that is not whole saves nothing: an existing file stays as it is.
    const int code = CheckedRead(s, [&] {
        if (p.isSet(settingsOnly))
            settings.readAllSettings();
        else if (p.isSet(productsOnly))
            products.readAllProducts();
        else
            products.allRead(settings);
    });
    if (code != exitcode::kOk) return code;
    const DataFileSave saved = SaveDataFile(s.store, p.value(output));
    for (const QString& m : saved.messages) err << m << Qt::endl;
    if (!saved.saved) return exitcode::kFile;
    out << p.value(output) << Qt::endl;
    return exitcode::kOk;
}

namespace {

// Reads back what the last write sent and lists what the indicator refused.
int VerifyLastWrite(DeviceSession& s, QTextStream& out) {
    if (!s.recorder.lastWrite) return exitcode::kOk;
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
    // What came back whole and differs is listed first; a value that did not come whole is
    // neither held nor refused.
    for (const TransferValue& v : result->refused) out << ValueText(v) << Qt::endl;
    if (!result->unread.complete()) return ReportIncomplete(result->unread, s.err());
    return result->refused.empty() ? exitcode::kOk : exitcode::kVerifyMismatch;
}

}  // namespace

int WriteCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser p;
    AddCommand(p, "write");
    AddDeviceOptions(p);
    const QCommandLineOption input(QStringList{"i", "input"}, "The data file to send.", "file");
    const QCommandLineOption verify("verify",
                                    "Read back what was sent and list the values the indicator "
                                    "refused (exit 5).");
    const QCommandLineOption dryRun("dry-run",
                                    "Read the indicator and print how it differs from the file; "
                                    "send nothing (exit 0 equal, 1 different).");
    p.addOptions({input, verify, dryRun});
    p.addPositionalArgument("DEVICE", kDeviceHelp);
    if (auto done = ParseCommand(p, arguments,
                                 "Writes all products and settings of a data file (of --model) to "
                                 "the indicator. The write is kept in the journal. Ctrl+C finishes "
                                 "the record under way, starts no other and exits 130; the "
                                 "journal keeps what was sent.",
                                 out, err))
        return *done;
    DeviceOptions o;
    if (auto bad = ReadDeviceOptions(p, &o, err)) return *bad;
    if (!p.isSet(input)) return Usage(err, "-i FILE を指定してください。");
    if (p.isSet(verify) && p.isSet(dryRun))
        return Usage(err, "--verify と --dry-run は同時に指定できません。");

    SettingsStore file;
    file.setModel(o.model);
    if (!LoadWhole(file, p.value(input), err)) return exitcode::kFile;
    if (p.isSet(dryRun)) {
        SettingsStore indicator;
        indicator.setModel(o.model);
        if (const int code = ReadDeviceInto(o, indicator, err); code != exitcode::kOk) return code;
        return PrintDifferences(file, indicator, o.model, false, out);
    }

    interruption::Install();
    DeviceSession s(o, err);
    s.store = file;
    ProductTransfers products(s.link, s.panel);
    // A file that fails its checks sends nothing: every product and every setting is checked
    // before the port is opened.
    for (int n = 0; n < SettingsStore::kProducts; ++n) {
        if (!products.storedProductValid(n)) {
            err << ProductTransfers::kInvalidStoredText << " (銘柄 " << n << ")" << Qt::endl;
            return exitcode::kFile;
        }
    }
    if (const auto unfit = SettingTransfers::UnfitSettings(s.store); !unfit.empty()) {
        err << SettingTransfers::UnfitSettingsText(unfit) << Qt::endl;
        for (const TransferValue& v : unfit) err << "  " << ValueText(v) << Qt::endl;
        return exitcode::kFile;
    }
    if (!s.open()) return exitcode::kPort;
    SettingTransfers settings(s.link);
    {
        auto operation = s.link.beginOperation();
        products.allWrite(settings);
    }
    if (const int code = s.outcome(0); code != exitcode::kOk) {
        if (code == exitcode::kInterrupted && s.recorder.lastWrite &&
            !s.recorder.lastWrite->values.empty())
            err << "中断しました。最後に送信した値: "
                << ValueText(s.recorder.lastWrite->values.back()) << Qt::endl;
        return code;
    }
    return p.isSet(verify) ? VerifyLastWrite(s, out) : exitcode::kOk;
}

int RunCli(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const QString command = arguments.value(1);
    if (command == QLatin1String("probe")) return ProbeCommand(arguments, out, err);
    if (command == QLatin1String("read")) return ReadCommand(arguments, out, err);
    if (command == QLatin1String("write")) return WriteCommand(arguments, out, err);
    if (command == QLatin1String("diff")) return DiffCommand(arguments, out, err);
    if (command == QLatin1String("live")) return LiveCommand(arguments, out, err);
    if (command == QLatin1String("fleet")) return FleetCommand(arguments, out, err);
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
