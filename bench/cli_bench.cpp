// The command line's figures: one `rusk-cli read` against its line time, and a fleet backup of
// 64 simulated indicators (half on pseudo-terminals, half on loopback TCP, each half played by
// one simulator process) against one.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "BenchSupport.h"

namespace {

constexpr int kFleetSize = 64;

// Runs rusk-cli with its journal and an empty Rusk.INI in `home`; the seconds it took, negative
// when it failed.
double RunCli(const QTemporaryDir& home, const QStringList& args) {
    QFile ini(home.filePath("Rusk.INI"));
    if (!ini.exists() && ini.open(QIODevice::WriteOnly)) ini.close();
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", home.filePath("data"));
    p.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    p.start(RUSK_CLI_PATH, args + QStringList{"--ini", home.filePath("Rusk.INI"), "-q"});
    if (!p.waitForFinished(600000) || p.exitCode() != 0) {
        std::fprintf(stderr, "rusk-cli %s: exit %d\n%s", qPrintable(args.join(' ')), p.exitCode(),
                     p.readAllStandardError().constData());
        return -1;
    }
    return clock.elapsed() / 1000.0;
}

// A fleet backup of `count` paced simulated indicators; the seconds it took.
double FleetBackup(int count) {
    QTemporaryDir home;
    const int onTcp = count / 2;
    SimProcess ptys(bench::PacedLine(), count - onTcp);
    std::unique_ptr<bench::SimFleet> tcp;
    QStringList devices = ptys.devices();
    if (onTcp > 0) {
        tcp = std::make_unique<bench::SimFleet>(onTcp, bench::PacedLine());
        devices += tcp->devices();
    }
    if (devices.size() != count) return -1;
    QByteArray fleet;
    for (int i = 0; i < count; ++i)
        fleet += QStringLiteral("[ind%1]\nDevice=%2\nModel=805\n").arg(i).arg(devices[i]).toUtf8();
    QFile file(home.filePath("fleet.ini"));
    if (!file.open(QIODevice::WriteOnly)) return -1;
    file.write(fleet);
    file.close();
    return RunCli(home, {"fleet", file.fileName(), "backup", "-d", home.path()});
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    {
        QTemporaryDir home;
        SimProcess sim(bench::PacedLine());
        const double seconds = RunCli(home, {"read", sim.device(), "-o", home.filePath("a.mdb")});
        const double line = bench::LineSeconds(sim.requests());
        bench::Figure("cli_read_seconds", seconds, "s");
        bench::Figure("cli_read_line_ratio", seconds / line, "ratio");
    }
    const double one = FleetBackup(1);
    const double many = FleetBackup(kFleetSize);
    bench::Figure("fleet_one_seconds", one, "s");
    bench::Figure("fleet_64_seconds", many, "s");
    bench::Figure("fleet_parallel_ratio", many / one, "ratio");
    return 0;
}
