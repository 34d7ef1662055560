#include "SimOptions.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <algorithm>
#include <iterator>

bool ParseSimLine(const QString& text, SimLine* out) {
    const QStringList parts = text.trimmed().split(u',');
    if (parts.size() != 4) return false;
    SimLine line;
    bool ok = false;
    line.baud = parts[0].trimmed().toInt(&ok);
    static const int bauds[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
    if (!ok || std::find(std::begin(bauds), std::end(bauds), line.baud) == std::end(bauds))
        return false;
    const QString parity = parts[1].trimmed().toLower();
    if (parity != "e" && parity != "o" && parity != "n") return false;
    line.parity = parity.at(0).toLatin1();
    line.dataBits = parts[2].trimmed().toInt(&ok);
    if (!ok || line.dataBits < 5 || line.dataBits > 8) return false;
    line.stopBits = parts[3].trimmed().toInt(&ok);
    if (!ok || (line.stopBits != 1 && line.stopBits != 2)) return false;
    *out = line;
    return true;
}

namespace {

bool ReadInt(const QCommandLineParser& p, const QString& name, int min, int max, int* out,
             QString* message) {
    if (!p.isSet(name)) return true;
    bool ok = false;
    const int v = p.value(name).toInt(&ok);
    if (!ok || v < min || v > max) {
        *message = QString("--%1: expected a whole number from %2 to %3, got \"%4\"")
                       .arg(name)
                       .arg(min)
                       .arg(max)
                       .arg(p.value(name));
        return false;
    }
    *out = v;
    return true;
}

// "20,2A,p5,p10-12": setting codes (two characters, 1 … 9 then 0 … 9 or A … F) and products
// (p and a number, or a range of them, 0 … 99).
bool ParseRefusals(const QString& text, SimOptions* o, QString* message) {
    static const QRegularExpression code(QStringLiteral("^[1-9][0-9A-F]$"));
    static const QRegularExpression products(QStringLiteral("^p(\\d{1,2})(?:-(\\d{1,2}))?$"));
    for (const QString& item : text.split(u',', Qt::SkipEmptyParts)) {
        const QString entry = item.trimmed();
        if (code.match(entry).hasMatch()) {
            o->refusedCodes.append(entry.toLatin1());
            continue;
        }
        const QRegularExpressionMatch m = products.match(entry);
        const int first = m.captured(1).toInt();
        const int last = m.captured(2).isEmpty() ? first : m.captured(2).toInt();
        if (!m.hasMatch() || last < first) {
            *message = "--refuse: expected codes like 2A and products like p5 or p10-12, got \"" +
                       entry + "\"";
            return false;
        }
        for (int n = first; n <= last; ++n) o->refusedProducts.append(n);
    }
    return true;
}

}  // namespace

SimParse ParseSimOptions(const QStringList& args, SimOptions* out, QString* message) {
    QCommandLineParser p;
    p.setApplicationDescription(
        "Simulated F805/F800 weighing indicator on a pseudo-terminal, a serial device or TCP.\n"
        "Prints the device path on the first line of standard output; with --count N, N\n"
        "independent indicators on N lines of their own, their paths one per line, in order.");
    p.addOptions({
        {"model", "Indicator model: 805 (default) or 800.", "805|800"},
        {"device", "Play on this serial device instead of a new pseudo-terminal.", "path"},
        {"listen",
         "Serve one TCP client at a time on this address instead of a pseudo-terminal (port 0: "
         "a free one); the first line printed is then tcp://host:port.",
         "host:port"},
        {"count",
         "Serve this many independent indicators (default 1), each with its own state and pacing "
         "on a pseudo-terminal or, with --listen, a TCP port of its own (port 0: free ones, else "
         "port, port + 1, ...). --log and --link get the indicator's number appended: file.1 ... "
         "file.N.",
         "n"},
        {"line", "Line settings of --device (default 19200,o,7,1).", "baud,parity,data,stop"},
        {"link", "Keep a symlink at this path to the pseudo-terminal while running.", "path"},
        {"log", "Write each request received to this file, one a line (emptied first).", "file"},
        {"delay", "Wait this long before each reply.", "ms"},
        {"silent", "Never answer."},
        {"trickle", "Send replies one character per write, this far apart.", "ms"},
        {"double", "Send every reply line twice in one write."},
        {"extra", "Send this line after every reply, in the same write.", "text"},
        {"refuse",
         "Ignore writes to these setting codes and products, e.g. 20,2A,p5,p10-12 (codes 10 … 17 "
         "name product values of every product).",
         "list"},
        {"baud", "Reproduce the line time of this baud rate in both directions.", "n"},
        {"framing", "Bits per character for --baud (default from --line: 10 for 7O1).", "bits"},
        {"pack-lines",
         "With --baud, send each reply line in one write once its last character has crossed the "
         "line (a serial device server packing up to LF), instead of a character per write."},
        {"stdin-exit", "Exit when standard input closes."},
        {"version", "Print the version and exit."},
        {"cycle", "Length of one filling cycle (default 20000).", "ms"},
        {"free-fall",
         "Material still in flight when the small feed cuts off (display units, scattered by a "
         "fifth of it): the weight settles at target - set free fall + this.",
         "G"},
        {"load",
         "Play a platform under test with reference weights instead of the filling cycle, with "
         "this load on it (display units); \"load N\" lines on standard input place others.",
         "G"},
        {"span-error", "The platform reads off by this many millionths of its load.", "ppm"},
        {"zero-offset", "The empty platform reads this many display units.", "D"},
        {"settle", "A load placed reads unstable this long (default 1500).", "ms"},
        {"cal-error", "Zero and span calibration (CA, CB) end in a calibration error."},
    });
    p.addHelpOption();
    if (!p.parse(args)) {
        *message = p.errorText();
        return SimParse::Error;
    }
    if (p.isSet("help") || p.isSet("help-all")) {
        *message = p.helpText();
        return SimParse::Help;
    }
    if (p.isSet("version")) {
        *message = QStringLiteral("rusk-sim " RUSK_VERSION "\n");
        return SimParse::Help;
    }
    if (!p.positionalArguments().isEmpty()) {
        *message = "Unexpected argument: " + p.positionalArguments().first();
        return SimParse::Error;
    }
    SimOptions o;
    if (p.isSet("model")) {
        const QString m = p.value("model").toUpper().remove(u'F');
        if (m == "805")
            o.model = SimModel::F805;
        else if (m == "800")
            o.model = SimModel::F800;
        else {
            *message = "--model: expected 805 or 800, got \"" + p.value("model") + "\"";
            return SimParse::Error;
        }
    }
    if (p.isSet("line") && !ParseSimLine(p.value("line"), &o.line)) {
        *message = "--line: expected baud,parity,data,stop as in 19200,o,7,1, got \"" +
                   p.value("line") + "\"";
        return SimParse::Error;
    }
    o.framing = 1 + o.line.dataBits + (o.line.parity == 'n' ? 0 : 1) + o.line.stopBits;
    o.device = p.value("device");
    o.link = p.value("link");
    o.logPath = p.value("log");
    o.silent = p.isSet("silent");
    o.doubleReply = p.isSet("double");
    o.stdinExit = p.isSet("stdin-exit");
    o.packLines = p.isSet("pack-lines");
    if (p.isSet("extra")) {
        o.extraLine = p.value("extra").toLatin1();
        if (o.extraLine.contains('\r') || o.extraLine.contains('\n')) {
            *message = "--extra: the line must not contain CR or LF";
            return SimParse::Error;
        }
    }
    if (p.isSet("refuse") && !ParseRefusals(p.value("refuse"), &o, message)) return SimParse::Error;
    if (!ReadInt(p, "delay", 0, 600000, &o.delayMs, message) ||
        !ReadInt(p, "trickle", 0, 60000, &o.trickleMs, message) ||
        !ReadInt(p, "baud", 1, 10000000, &o.baud, message) ||
        !ReadInt(p, "framing", 5, 16, &o.framing, message) ||
        !ReadInt(p, "cycle", 100, 3600000, &o.cycleMs, message) ||
        !ReadInt(p, "free-fall", 0, 99999, &o.freeFall, message) ||
        !ReadInt(p, "count", 1, kMaxSimCount, &o.count, message) ||
        !ReadInt(p, "load", -99999, 999999, &o.load, message) ||
        !ReadInt(p, "span-error", -500000, 500000, &o.spanErrorPpm, message) ||
        !ReadInt(p, "zero-offset", -99999, 99999, &o.zeroOffset, message) ||
        !ReadInt(p, "settle", 0, 600000, &o.settleMs, message))
        return SimParse::Error;
    o.calibrationFails = p.isSet("cal-error");
    for (const char* option : {"load", "span-error", "zero-offset", "settle", "cal-error"})
        o.platform = o.platform || p.isSet(option);
    if (p.isSet("listen")) {
        const QString text = p.value("listen");
        const qsizetype colon = text.lastIndexOf(u':');
        bool ok = false;
        o.listenPort = colon > 0 ? text.mid(colon + 1).toInt(&ok) : -1;
        o.listenHost = colon > 0 ? text.left(colon) : QString();
        if (!ok || o.listenPort < 0 || o.listenPort > 65535 || o.listenHost.isEmpty()) {
            *message = "--listen: expected host:port as in 127.0.0.1:4001, got \"" + text + "\"";
            return SimParse::Error;
        }
        if (!o.device.isEmpty() || !o.link.isEmpty()) {
            *message = "--listen works neither with --device nor with --link";
            return SimParse::Error;
        }
    }
    if (o.count > 1 && !o.device.isEmpty()) {
        *message = "--count above 1 works only with pseudo-terminals or --listen";
        return SimParse::Error;
    }
    if (o.listenPort > 0 && o.listenPort + o.count - 1 > 65535) {
        *message = "--count: the ports would run past 65535";
        return SimParse::Error;
    }
    if (!o.device.isEmpty() && !o.link.isEmpty()) {
        *message = "--link works only with a pseudo-terminal, not with --device";
        return SimParse::Error;
    }
    *out = o;
    return SimParse::Run;
}
