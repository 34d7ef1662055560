#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "SimCodes.h"

// Serial line parameters for --device, from "baud,parity,data,stop" (as "19200,o,7,1").
struct SimLine {
    int baud = 19200;
    char parity = 'o';  // 'e', 'o' or 'n'
    int dataBits = 7;
    int stopBits = 1;
};
bool ParseSimLine(const QString& text, SimLine* out);

// The most indicators one simulator serves (--count).
constexpr int kMaxSimCount = 1024;

struct SimOptions {
    SimModel model = SimModel::F805;
    QString device;      // empty: play on a new pseudo-terminal
    QString link;        // symlink to the pseudo-terminal, kept while running
    QString listenHost;  // not empty: serve TCP clients on listenHost:listenPort instead
    int listenPort = 0;  // 0: a free port
    int count = 1;       // indicators served, each on a line of its own
    SimLine line;
    QString logPath;
    int delayMs = 0;
    bool silent = false;
    int trickleMs = 0;
    bool doubleReply = false;
    QByteArray extraLine;
    int baud = 0;  // 0: no line timing
    int framing = 10;
    bool packLines = false;  // with --baud: a reply line leaves in one write
    bool stdinExit = false;
    int cycleMs = 20000;  // one filling cycle
    int freeFall = -1;    // display units in flight after the small feed cuts off; -1: none
    // A platform under test with reference weights instead of the filling cycle: on with any of
    // --load, --span-error, --zero-offset, --settle, --cal-error; "load N" lines on standard
    // input then place loads.
    bool platform = false;
    int load = 0;
    int spanErrorPpm = 0;
    int zeroOffset = 0;
    int settleMs = 1500;
    bool calibrationFails = false;
    QList<QByteArray> refusedCodes;  // writes to these codes are ignored
    QList<int> refusedProducts;      // writes to these products are ignored
};

enum class SimParse { Run, Help, Error };

// Parses the command line (args[0] is the program). On Help or Error `message` holds the text
// to print (the option list, or what was wrong).
SimParse ParseSimOptions(const QStringList& args, SimOptions* out, QString* message);
