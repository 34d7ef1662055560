// The command line's figures: one `rusk-cli read` against its line time, and a fleet backup of
// 16 simulated indicators (half on pseudo-terminals, half on loopback TCP) against one.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "BenchSupport.h"

namespace {

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

// A fleet backup of `count` paced simulators; the seconds it took.
double FleetBackup(int count) {
    QTemporaryDir home;
    std::vector<std::unique_ptr<SimProcess>> sims;
    QByteArray fleet;
    for (int i = 0; i < count; ++i) {
        QStringList args = bench::PacedLine();
        if (i % 2)
            args << "--listen"
                 << "127.0.0.1:0";
        sims.push_back(std::make_unique<SimProcess>(args));
        fleet += QStringLiteral("[ind%1]\nDevice=%2\nModel=805\n")
                     .arg(i)
                     .arg(sims.back()->device())
                     .toUtf8();
    }
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
    const double sixteen = FleetBackup(16);
    bench::Figure("fleet_one_seconds", one, "s");
    bench::Figure("fleet_sixteen_seconds", sixteen, "s");
    bench::Figure("fleet_parallel_ratio", sixteen / one, "ratio");
    return 0;
}
