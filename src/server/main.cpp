// rusk-server FLEET.INI [--listen 127.0.0.1:8805]: watches every indicator of a fleet file, read
// requests only, and serves the overview and the Prometheus figures over HTTP.
#include <sys/socket.h>
#include <unistd.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QSocketNotifier>
#include <QTextStream>
#include <csignal>
#include <cstdio>

#include "cli/ReportCommand.h"
#include "platform/SerialPort.h"
#include "server/PlantServer.h"
#include "server/PlantWatch.h"
#include "texts/CliTexts.h"

namespace {
int gSignalPipe[2] = {-1, -1};
void OnSignal(int) {
    const char c = 1;
    (void)!write(gSignalPipe[1], &c, 1);
}
}  // namespace

int main(int argc, char** argv) {
    // A painting application: the settings sheet is drawn for its download.
    const std::unique_ptr<QCoreApplication> application = CreatePaintingApplication(argc, argv);
    QCoreApplication& app = *application;
    QCoreApplication::setApplicationName(QStringLiteral("rusk-server"));
#ifdef RUSK_VERSION
    QCoreApplication::setApplicationVersion(QStringLiteral(RUSK_VERSION));
#endif
    QTextStream err(stderr);
    QCommandLineParser p;
    p.setApplicationDescription(
        QStringLiteral("Watches every indicator of a fleet file (read requests only) and serves a "
                       "dashboard and Prometheus metrics."));
    p.addHelpOption();
    p.addVersionOption();
    p.addPositionalArgument(QStringLiteral("FLEET.INI"), QStringLiteral("The fleet file."));
    const QCommandLineOption listen(QStringLiteral("listen"),
                                    QStringLiteral("Address and port (default 127.0.0.1:8805)."),
                                    QStringLiteral("host:port"), QStringLiteral("127.0.0.1:8805"));
    p.addOption(listen);
    const QCommandLineOption journal(
        QStringLiteral("journal"),
        QStringLiteral("Keep the settings checks' reads in this journal (default: rusk-cli's)."),
        QStringLiteral("file"));
    p.addOption(journal);
    const QCommandLineOption dir(
        QStringLiteral("dir"),
        QStringLiteral("The folder of the fleet's backups, the baseline of a member without "
                       "Baseline= (default: the current folder)."),
        QStringLiteral("folder"));
    p.addOption(dir);
    p.process(app);
    if (p.positionalArguments().size() != 1) {
        err << p.helpText();
        return 2;
    }
    QHostAddress host;
    quint16 port = 0;
    if (!ParseListen(p.value(listen), &host, &port)) {
        err << "rusk-server: --listen: " << p.value(listen) << Qt::endl;
        return 2;
    }
    if (!host.isLoopback()) {
        err << "rusk-server: listening off this machine needs a password; not yet offered"
            << Qt::endl;
        return 2;
    }
    const FleetFile fleet = ReadFleetFile(p.positionalArguments().first(), kDefaultLineSettings);
    if (!fleet.errors.isEmpty()) {
        for (const QString& e : fleet.errors) err << e << Qt::endl;
        return 2;
    }
    for (const FleetMember& m : fleet.members) {
        // Reading an indicator whole would select its products; the server only watches.
        if (IsDeviceName(m.baseline)) {
            err << "[" << m.name
                << "] Baseline: " << Tr(CliText::BaselineIsIndicator).arg(m.baseline) << Qt::endl;
            return 2;
        }
    }
    if (p.isSet(dir) && !QDir(p.value(dir)).exists()) {
        err << Tr(CliText::NoFolder) << p.value(dir) << Qt::endl;
        return 2;
    }
    PlantWatch watch(fleet.members, err);
    if (p.isSet(journal)) watch.setJournalPath(p.value(journal));
    if (p.isSet(dir)) watch.setBackupFolder(QDir(p.value(dir)));
    PlantServer http(watch);
    const quint16 bound = http.listen(host, port);
    if (bound == 0) {
        err << "rusk-server: cannot listen on " << p.value(listen) << Qt::endl;
        return 1;
    }
    err << "rusk-server: http://" << host.toString() << ":" << bound << "/" << Qt::endl;

    // SIGTERM and SIGINT end the loops and the program cleanly.
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, gSignalPipe) == 0) {
        auto* notifier = new QSocketNotifier(gSignalPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &app, [&] {
            char c;
            (void)!read(gSignalPipe[0], &c, 1);
            watch.stop();
            app.quit();
        });
        std::signal(SIGTERM, OnSignal);
        std::signal(SIGINT, OnSignal);
    }
    watch.start();
    return app.exec();
}
