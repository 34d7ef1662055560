#pragma once

// What the benchmarks share: a link on a pseudo-terminal (or loopback TCP) to a simulator process,
// the figure lines they print, and the line time of an exchange.
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/AnySerialPort.h"
#include "support/DrivenLink.h"
#include "support/SimProcess.h"

namespace bench {

// An operator view that shows nothing and keeps the last message.
class QuietView : public OperatorView {
  public:
    void setStatusText(const QString&) override {}
    void setProgressVisible(bool) override {}
    void setProgress(int) override {}
    void setBusy(bool) override {}
    void showMessage(const QString& text) override { lastMessage = text; }
    void beep() override {}
    void setTestResult(int, const QString&) override {}
    void redraw() override {}
    QString lastMessage;
};

// A link on the pseudo-terminal of a simulator started with `simArgs` (on TCP with "--listen").
struct Bench {
    Bench(const QStringList& simArgs, int periodMs)
        : sim(simArgs), port([this](int) { return sim.device(); }), link(store, view, periodMs) {
        link.setActivePort(&port);
        port.open();
    }
    SimProcess sim;
    AnySerialPort port;
    SettingsStore store;
    QuietView view;
    DrivenLink link;
};

// `count` simulated indicators in one simulator process, each on a loopback TCP port of its
// own: devices() are their "tcp://127.0.0.1:port" names, requests(n) what the n-th received.
struct SimFleet : SimProcess {
    explicit SimFleet(int count, const QStringList& simArgs = {})
        : SimProcess(simArgs + QStringList{"--listen", "127.0.0.1:0"}, count) {}
};

inline void Figure(const char* name, double value, const char* unit) {
    std::printf("figure %s %.3f %s\n", name, value, unit);
    std::fflush(stdout);
}

// The paced line of the line-ratio figures: BENCH_BAUD (default 19200) with 7O1 framing.
inline int BenchBaud() {
    const int baud = qEnvironmentVariableIntValue("BENCH_BAUD");
    return baud > 0 ? baud : 19200;
}
inline constexpr int kBitsPerChar = 10;  // 7O1: start, 7 data, parity, stop

// The simulator's options that make it pace that line.
inline QStringList PacedLine() {
    return {"--baud", QString::number(BenchBaud()), "--framing", QString::number(kBitsPerChar)};
}
// The same line reached through a serial device server that packs each reply line into one
// TCP segment (its delimiter set to LF), as one set up for a line protocol does.
inline QStringList PackedLine() {
    return PacedLine() << "--pack-lines";
}

// Characters on the line for the requests the simulator logged. Each request and its CR go
// out; a read request ("W" and a two-character code) comes back as "W", the code, the
// five-character value and CR LF. A request that carries a value ("W00nnnnn" selecting a
// product) gets no reply.
inline qint64 LineCharacters(const QStringList& requests) {
    constexpr int kValueChars = 5;
    qint64 chars = 0;
    for (const QString& r : requests) {
        chars += r.size() + 1;
        if (r.size() == 3 && r.startsWith('W')) chars += 3 + kValueChars + 2;
        // The probe's answer: "RA", a sign and six digits (a decimal point, if any, not
        // counted), CR LF.
        if (r == QLatin1String("RA")) chars += 2 + 1 + 6 + 2;
    }
    return chars;
}

// The time those characters take on the paced line, in seconds.
inline double LineSeconds(const QStringList& requests) {
    return static_cast<double>(LineCharacters(requests)) * kBitsPerChar / BenchBaud();
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    if (n == 0) return 0;
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace bench
