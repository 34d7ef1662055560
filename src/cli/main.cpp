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
    return RunCli(QCoreApplication::arguments(), out, err);
}
