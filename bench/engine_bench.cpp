// Many links on the one thread: every link's exchanges are tasks resumed by its port and its
// timers, so a process can talk to hundreds of indicators at once.
//   engine_256_settings_ratio  all F805 settings read from 256 indicators at once, against one,
//                              through device servers that pack each reply line (--pack-lines)
//   engine_256_settings_ratio_per_char  the same where every reply character comes in a write
//                              of its own
//   engine_256_settings_cpu_percent  this process's processor time during that read, of its
//                              wall time (the rest is the simulator's and the line's)
//   engine_256_rss_mb          this process's peak memory after that read
//   engine_live_cpu_percent    RA and the four status words from 256 indicators, 2 samples/s for
//                              30 s (BENCH_LIVE_SECONDS), as processor time of this process
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <memory>
#include <vector>

#include "BenchSupport.h"
#include "transfer/SettingTransfers.h"

namespace {

constexpr int kIndicators = 256;

// One indicator's link, on its own TCP port of the simulator.
struct Station {
    Station(const QString& device, int periodMs)
        : port([device](int) { return device; }), link(store, view, periodMs) {
        link.setActivePort(&port);
        port.open();
    }
    AnySerialPort port;
    SettingsStore store;
    bench::QuietView view;
    IndicatorLink link;
    SettingTransfers transfers{link};
    Started job;
    bool failed = false;
};

std::vector<std::unique_ptr<Station>> Stations(const QStringList& devices) {
    std::vector<std::unique_ptr<Station>> stations;
    for (const QString& device : devices)
        stations.push_back(std::make_unique<Station>(device, IndicatorLink::kDefaultPeriodMs));
    return stations;
}

// Starts one task per station and runs the event loop until all have ended.
template <typename MakeTask>
void RunAll(std::vector<std::unique_ptr<Station>>& stations, MakeTask make) {
    QEventLoop loop;
    size_t running = stations.size();
    for (auto& s : stations) {
        Station* station = s.get();
        station->job = Started(make(*station), [&, station](std::exception_ptr error) {
            station->failed = error != nullptr;
            if (--running == 0) loop.quit();
        });
    }
    if (running > 0) loop.exec();
}

double CpuSeconds();

// Seconds to read all settings from every indicator of a fleet of `count`; `cpuPercent` is
// this process's share of a core meanwhile.
double ReadAllSettings(int count, const QStringList& line, double* cpuPercent = nullptr) {
    bench::SimFleet sim(count, line);
    auto stations = Stations(sim.devices());
    if (static_cast<int>(stations.size()) != count) return -1;
    QElapsedTimer clock;
    clock.start();
    const double cpuBefore = CpuSeconds();
    RunAll(stations, [](Station& s) -> Task<bool> { return s.transfers.readAllSettings(); });
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    if (cpuPercent) *cpuPercent = 100.0 * (CpuSeconds() - cpuBefore) / seconds;
    for (const auto& s : stations)
        if (s->failed || !s->view.lastMessage.isEmpty() || s->store.value("20").isEmpty())
            std::fprintf(stderr, "an indicator was not read whole: %s\n",
                         qPrintable(s->view.lastMessage));
    return seconds;
}

double PeakRssMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Resumes the task after `ms`.
struct Delay {
    int ms;
    bool await_ready() const { return ms <= 0; }
    void await_suspend(std::coroutine_handle<> waiting) {
        QTimer::singleShot(ms, [waiting] { waiting.resume(); });
    }
    void await_resume() const {}
};

// Samples RA and the four status words every `intervalMs` until `end` (a deadline on `clock`).
Task<void> Sample(Station& s, const QElapsedTimer* clock, qint64 endMs, int intervalMs) {
    const auto op = s.link.beginOperation();
    qint64 next = clock->elapsed();
    while (clock->elapsed() < endMs) {
        for (const char* request : {"RA", "RD", "RE", "RF", "RG"}) {
            const QString name = QString::fromLatin1(request);
            s.link.sendLine(name);
            const WaitOutcome got =
                co_await s.link.reply(ReplyFor::LiveData(SettingsStore::LiveKindIndex(name)));
            if (got == WaitOutcome::TimedOut) s.link.clearTimeout();
        }
        next += intervalMs;
        co_await Delay{static_cast<int>(next - clock->elapsed())};
    }
}

double LiveCpuPercent(int seconds) {
    bench::SimFleet sim(kIndicators, bench::PacedLine());
    auto stations = Stations(sim.devices());
    if (static_cast<int>(stations.size()) != kIndicators) return -1;
    QElapsedTimer clock;
    clock.start();
    const double cpuBefore = CpuSeconds();
    RunAll(stations,
           [&clock, seconds](Station& s) { return Sample(s, &clock, seconds * 1000LL, 500); });
    const double wall = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    return 100.0 * (CpuSeconds() - cpuBefore) / wall;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const double one = ReadAllSettings(1, bench::PackedLine());
    double cpu = 0;
    const double many = ReadAllSettings(kIndicators, bench::PackedLine(), &cpu);
    const double onePerChar = ReadAllSettings(1, bench::PacedLine());
    const double manyPerChar = ReadAllSettings(kIndicators, bench::PacedLine());
    bench::Figure("engine_1_settings_seconds", one, "s");
    bench::Figure("engine_256_settings_seconds", many, "s");
    bench::Figure("engine_256_settings_ratio", many / one, "ratio");
    bench::Figure("engine_256_settings_ratio_per_char", manyPerChar / onePerChar, "ratio");
    bench::Figure("engine_256_settings_cpu_percent", cpu, "%");
    bench::Figure("engine_256_rss_mb", PeakRssMb(), "MB");
    const int liveSeconds = qEnvironmentVariableIsSet("BENCH_LIVE_SECONDS")
                                ? qEnvironmentVariableIntValue("BENCH_LIVE_SECONDS")
                                : 30;
    bench::Figure("engine_live_cpu_percent", LiveCpuPercent(liveSeconds), "%");
    return 0;
}
