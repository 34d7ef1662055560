// Link figures over a pseudo-terminal (and loopback TCP) against the simulated indicator. Prints
// one line per figure: "figure <name> <value> <unit>".
#include <time.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "BenchSupport.h"
#include "transfer/SettingTransfers.h"

namespace {

using bench::Bench;
using bench::Figure;

double ProcessCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

// The mean time of one unpaced request and reply over the simulator's line.
void ExchangeOverhead(const char* name, const QStringList& simArgs) {
    Bench b(simArgs, IndicatorLink::kDefaultPeriodMs);
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
    Figure(name, static_cast<double>(clock.nsecsElapsed()) / 1e6 / kExchanges, "ms");
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
    Bench b(bench::PacedLine(), IndicatorLink::kDefaultPeriodMs);
    SettingTransfers transfers(b.link);
    QElapsedTimer clock;
    clock.start();
    (void)b.link.blocking(transfers.readAllSettings());
    const double wall = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    const QStringList requests = b.sim.requests();
    const double lineTime = bench::LineSeconds(requests);
    Figure("read_settings_requests", requests.size(), "requests");
    Figure("read_settings_seconds", wall, "s");
    Figure("read_settings_line_seconds", lineTime, "s");
    Figure("read_settings_line_ratio", wall / lineTime, "ratio");
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ExchangeOverhead("exchange_overhead_ms", {});
    ExchangeOverhead("tcp_exchange_overhead_ms", {"--listen", "127.0.0.1:0"});
    WaitCpu();
    ReadSettingsLineRatio();
    return 0;
}
