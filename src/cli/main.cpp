// rusk-cli: the indicator's settings from the command line (no window, no display needed).
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "cli/Cli.h"
#include "cli/ReportCommand.h"

int main(int argc, char* argv[]) {
    const auto app = CreateCliApplication(argc, argv);
    // The window's name, so that the per-user configuration folder is the window's.
    QCoreApplication::setApplicationName(QStringLiteral("rusk"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (QCoreApplication::arguments().value(1) == QLatin1String("--version")) {
        out << "rusk-cli " RUSK_VERSION << Qt::endl;
        return 0;
    }
    return RunCli(QCoreApplication::arguments(), out, err);
}
