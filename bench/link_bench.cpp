// Link figures over a pseudo-terminal against the simulated indicator. Prints one line per
// figure: "figure <name> <value> <unit>".
#include <time.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "link/IndicatorLink.h"
#include "platform/QtSerialPort.h"
#include "support/SimProcess.h"
#include "transfer/SettingTransfers.h"

namespace {

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

struct Bench {
    Bench(const QStringList& simArgs, int periodMs)
        : sim(simArgs),
          port([this](int) { return sim.device(); }),
          link(store, view, pump, periodMs) {
        link.setActivePort(&port);
        port.open();
    }
    SimProcess sim;
    QtSerialPort port;
    SettingsStore store;
    QuietView view;
    QtEventPump pump;
    IndicatorLink link;
};

double ProcessCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

void Figure(const char* name, double value, const char* unit) {
    std::printf("figure %s %.3f %s\n", name, value, unit);
    std::fflush(stdout);
}

void ExchangeOverhead() {
    Bench b({}, IndicatorLink::kDefaultPeriodMs);
    const int kExchanges = 2000;
    for (int i = 0; i < 50; ++i) {  // warm up
        b.link.sendLine("W20");
        (void)b.link.awaitReply(ReplyKind::Setting);
    }
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < kExchanges; ++i) {
        b.link.sendLine("W20");
        (void)b.link.awaitReply(ReplyKind::Setting);
    }
    Figure("exchange_overhead_ms", static_cast<double>(clock.nsecsElapsed()) / 1e6 / kExchanges,
           "ms");
}

void WaitCpu() {
    // A silent indicator and a 3000 ms period: the first tick ends the wait after 3 s.
    Bench b({"--silent"}, 3000);
    b.link.sendLine("W20");
    QElapsedTimer clock;
    clock.start();
    const double cpu0 = ProcessCpuSeconds();
    (void)b.link.awaitReply(ReplyKind::Setting);
    const double cpu = ProcessCpuSeconds() - cpu0;
    const double wall = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    Figure("wait_seconds", wall, "s");
    Figure("wait_cpu_percent", 100.0 * cpu / wall, "%");
}

void ReadSettingsLineRatio() {
    const int baud = qEnvironmentVariableIntValue("BENCH_BAUD")
                         ? qEnvironmentVariableIntValue("BENCH_BAUD")
                         : 19200;
    const int bitsPerChar = 10;  // 7O1: start, 7 data, parity, stop
    Bench b({"--baud", QString::number(baud), "--framing", QString::number(bitsPerChar)},
            IndicatorLink::kDefaultPeriodMs);
    SettingTransfers transfers(b.link);
    QElapsedTimer clock;
    clock.start();
    transfers.readAllSettings();
    const double wall = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    // Characters on the line: "W" + code + CR out, "W" + code + value + CR LF back.
    const QStringList requests = b.sim.requests();
    qint64 chars = 0;
    for (const QString& r : requests) {
        const QString code = r.mid(1, 2);
        chars += r.size() + 1;
        chars += 3 + b.store.value(code).size() + 2;
    }
    const double lineTime = static_cast<double>(chars) * bitsPerChar / baud;
    Figure("read_settings_requests", requests.size(), "requests");
    Figure("read_settings_seconds", wall, "s");
    Figure("read_settings_line_seconds", lineTime, "s");
    Figure("read_settings_line_ratio", wall / lineTime, "ratio");
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ExchangeOverhead();
    WaitCpu();
    ReadSettingsLineRatio();
    return 0;
}
