// The simulator's own cost: the memory and processor time of one rusk-sim playing 256 indicators
// paced at 19200 7O1 on loopback TCP, idle, and while every one of them answers RA and the four
// status words twice a second (a live view of the whole fleet). "--short" measures 3 s instead
// of 10.
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <memory>

#include "BenchSupport.h"

namespace {

constexpr int kIndicators = 256;
constexpr int kSamplesPerSecond = 2;
const QByteArrayList kSample{"RA", "RD", "RE", "RF", "RG"};

// Processor seconds the process has used (user and system), from /proc.
double CpuSeconds(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return 0;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13) return 0;
    return double(fields[11].toLongLong() + fields[12].toLongLong()) / double(sysconf(_SC_CLK_TCK));
}

double RssMb(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

// One client of one indicator: every sample sends the five requests one after the other, each
// when the answer to the one before has come.
struct Client {
    QTcpSocket socket;
    QByteArray pending;
    int next = -1;  // the request awaited; -1: between samples
    int replies = 0;

    void sample() {
        if (next >= 0 || socket.state() != QAbstractSocket::ConnectedState) return;
        next = 0;
        socket.write(kSample[0] + '\r');
    }
    void readable() {
        pending += socket.readAll();
        for (qsizetype lf; (lf = pending.indexOf('\n')) >= 0;) {
            pending.remove(0, lf + 1);
            ++replies;
            if (next < 0) continue;
            if (++next < kSample.size())
                socket.write(kSample[next] + '\r');
            else
                next = -1;
        }
    }
};

void RunFor(int ms) {
    QTimer::singleShot(ms, QCoreApplication::instance(), &QCoreApplication::quit);
    QCoreApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int seconds = app.arguments().contains("--short") ? 3 : 10;
    bench::SimFleet fleet(kIndicators, bench::PacedLine());
    if (fleet.devices().size() != kIndicators) {
        std::fprintf(stderr, "the simulator did not start\n");
        return 1;
    }
    const qint64 pid = fleet.pid();
    RunFor(500);
    bench::Figure("sim_256_rss_mb", RssMb(pid), "MB");
    const double idleStart = CpuSeconds(pid);
    RunFor(2000);
    bench::Figure("sim_256_idle_cpu_percent", 100.0 * (CpuSeconds(pid) - idleStart) / 2, "%");

    std::vector<std::unique_ptr<Client>> clients;
    for (const QString& device : fleet.devices()) {
        auto client = std::make_unique<Client>();
        const QUrl url(device);
        Client* c = client.get();
        QObject::connect(&c->socket, &QTcpSocket::readyRead, [c] { c->readable(); });
        c->socket.connectToHost(url.host(), quint16(url.port()));
        clients.push_back(std::move(client));
    }
    for (const auto& c : clients)
        if (!c->socket.waitForConnected(5000)) return 1;
    // Every client samples at the same rate, the fleet spread evenly over the period.
    std::vector<std::unique_ptr<QTimer>> timers;
    for (size_t i = 0; i < clients.size(); ++i) {
        Client* c = clients[i].get();
        auto timer = std::make_unique<QTimer>();
        timer->setInterval(1000 / kSamplesPerSecond);
        QObject::connect(timer.get(), &QTimer::timeout, [c] { c->sample(); });
        QTimer* t = timer.get();
        QTimer::singleShot(int(i * 1000 / kSamplesPerSecond / clients.size()), t, [t, c] {
            c->sample();
            t->start();
        });
        timers.push_back(std::move(timer));
    }
    RunFor(1000);  // every client under way
    int repliesBefore = 0;
    for (const auto& c : clients) repliesBefore += c->replies;
    const double cpuStart = CpuSeconds(pid);
    QElapsedTimer wall;
    wall.start();
    RunFor(seconds * 1000);
    const double elapsed = wall.nsecsElapsed() / 1e9;
    const double cpu = CpuSeconds(pid) - cpuStart;
    int replies = -repliesBefore;
    for (const auto& c : clients) replies += c->replies;
    bench::Figure("sim_256_live_replies_per_s", replies / elapsed, "1/s");
    bench::Figure("sim_256_live_cpu_percent", 100.0 * cpu / elapsed, "%");
    bench::Figure("sim_256_live_rss_mb", RssMb(pid), "MB");
    return 0;
}
