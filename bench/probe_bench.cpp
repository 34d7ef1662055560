// The "検出" probe of the port tab over a dozen devices at once: ten simulators on
// pseudo-terminals and two on loopback TCP, every one answering; then the same dozen with two of
// them silent, which bounds the probe by its time-out.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <memory>

#include "BenchSupport.h"
#include "platform/PortDiscovery.h"

namespace {

double ProbeMs(const QStringList& devices) {
    PortProbe probe;
    QEventLoop loop;
    QObject::connect(&probe, &PortProbe::finished, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    probe.start(devices, kDefaultLineSettings);
    loop.exec();
    return clock.nsecsElapsed() / 1e6;
}

double MedianProbeMs(const QStringList& devices, int runs) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) ms.push_back(ProbeMs(devices));
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::vector<std::unique_ptr<SimProcess>> sims;
    QStringList devices;
    for (int i = 0; i < 12; ++i) {
        sims.push_back(std::make_unique<SimProcess>(
            i < 10 ? QStringList{} : QStringList{"--listen", "127.0.0.1:0"}));
        devices << sims.back()->device();
    }
    bench::Figure("probe_dozen_answering_ms", MedianProbeMs(devices, 5), "ms");
    for (int i = 0; i < 2; ++i) {
        sims.push_back(std::make_unique<SimProcess>(QStringList{"--silent"}));
        devices[i] = sims.back()->device();
    }
    bench::Figure("probe_dozen_two_silent_ms", MedianProbeMs(devices, 5), "ms");
    return 0;
}
