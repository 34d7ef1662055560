#include "cli/Commands.h"

#include "cli/ExitCodes.h"
#include "cli/ReportCommand.h"

namespace {

int RunFleet(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    return FleetCommand(arguments, out, err);
}

// clang-format off
const CliCommand kCommands[] = {
    {"probe", "DEVICE", "does an indicator answer?",
     "Sends the RA probe and says whether an indicator answers "
     "(exit 0) or not (exit 1).",
     Needs::Device, ProbeCommand},
    {"read", "DEVICE -o FILE", "read everything from the indicator into a data file",
     "Reads all products and settings from the indicator into a data "
     "file. The read is kept in the journal. Ctrl+C stops after the "
     "record under way and saves nothing.",
     Needs::Device, ReadCommand},
    {"write", "DEVICE -i FILE", "write a data file to the indicator (--verify, --dry-run)",
     "Writes all products and settings of a data file (of --model) to "
     "the indicator. The write is kept in the journal. Ctrl+C finishes "
     "the record under way, starts no other and exits 130; the "
     "journal keeps what was sent.",
     Needs::Device, WriteCommand},
    {"diff", "A B", "compare data files, journal snapshots or indicators",
     "Compares two data sets of --model and prints what differs. Each "
     "of A and B is a data file, a journal snapshot id (journal:12, "
     "or 12 when no file has that name) or a device (/dev/ttyUSB0, "
     "Com3, tcp://host:port), which is read whole and kept in the "
     "journal as a comparison. Exit 0 when equal, 1 when different.",
     Needs::DataSet, DiffCommand},
    {"live", "DEVICE", "print the weight and the status until Ctrl+C",
     "Reads the decimal point setting once, then prints the gross "
     "weight (RA) and the decoded status words (RD … RG) every "
     "interval until Ctrl+C (exit 130). Only read requests are sent. A "
     "sample without an answer prints the no-answer text and the next is tried. "
     "A weight sent with a decimal point is shown as sent; a whole "
     "number takes the decimal point setting.",
     Needs::Device, LiveCommand},
    {"fleet", "FLEET.INI backup|check", "many indicators at once",
     "Works every indicator of a fleet file at once.\n"
     "  backup  reads each into <dir>/<name>-<YYYYmmdd-HHMMSS>.mdb\n"
     "  check   compares each with its Baseline= file, else its newest backup in <dir>\n"
     "The fleet file has one section per indicator:\n"
     "  [Press1]\n  Device=/dev/ttyUSB0   (or Com3, or tcp://10.1.2.3:4001)\n"
     "  Model=805             (or 800)\n  Line=19200,o,7,1      (optional)\n"
     "  Name=press1           (optional; default: the section's name)\n"
     "  Baseline=press1.mdb   (optional, for check)\n"
     "';' or '#' starts a comment at the start of a line or after a blank. Text is UTF-8 "
     "or Shift-JIS, at most 1 MB.\n"
     "A summary table (name, device, time, result) goes to standard output. Exit 0 when all "
     "went well, 1 when check found differences, 7 when any indicator failed.",
     Needs::Nothing, RunFleet},
    {"report", "FILE -o SHEET.pdf", "the settings sheet of a data file as PDF",
     "Writes the settings sheet of a data file, a journal snapshot or "
     "an indicator (read whole) of --model as a PDF file: every setting "
     "with its code, raw value and meaning, and the products.",
     Needs::DataSet, RunReport},
};
// clang-format on

const char* const kDeviceHelp = "Device path, port name (Com1) or tcp://host:port.";

// The overview's command lines: the name and its arguments, the summary from column 28, or
// three blanks after a longer head.
constexpr int kSummaryColumn = 28;

}  // namespace

std::span<const CliCommand> Commands() {
    return kCommands;
}

const CliCommand* CommandNamed(const QString& name) {
    for (const CliCommand& c : kCommands)
        if (name == QLatin1String(c.name)) return &c;
    return nullptr;
}

QString OverviewText() {
    QString text = QStringLiteral("Usage: rusk-cli COMMAND [options]\n\nCommands:\n");
    for (const CliCommand& c : kCommands) {
        const QString head =
            QStringLiteral("  %1 %2").arg(QLatin1String(c.name), QLatin1String(c.arguments));
        text += head.size() < kSummaryColumn ? head.leftJustified(kSummaryColumn)
                                             : head + QStringLiteral("   ");
        text += QLatin1String(c.summary) + u'\n';
    }
    return text + QStringLiteral(
                      "\n"
                      "DEVICE is a device path (/dev/ttyUSB0), a port name (Com3) that the "
                      "[Devices] section of\n"
                      "Rusk.INI maps to a device, or tcp://host:port for a serial device server.\n"
                      "`rusk-cli COMMAND --help` tells more.\n"
                      "\n");
}

CommandLine::CommandLine(const char* name) : command_(*CommandNamed(QLatin1String(name))) {
    AddCommand(p_, QLatin1String(command_.name));
    if (command_.needs != Needs::Nothing) AddDeviceOptions(p_);
    if (command_.needs == Needs::Device)
        p_.addPositionalArgument(QStringLiteral("DEVICE"), QLatin1String(kDeviceHelp),
                                 QLatin1String(command_.arguments));
}

std::optional<int> CommandLine::parse(const QStringList& arguments, QTextStream& out,
                                      QTextStream& err, DeviceOptions* options,
                                      Positional positional) {
    if (auto done = ParseCommand(p_, arguments, QString::fromUtf8(command_.description), out, err))
        return done;
    if (options && command_.needs != Needs::Nothing)
        return ReadDeviceOptions(p_, options, err, positional);
    return std::nullopt;
}
