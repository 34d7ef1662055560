// rusk-cli: the indicator's settings from the command line (no window, no display needed).
#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "app/Configuration.h"
#include "cli/Cli.h"
#include "cli/ReportCommand.h"
#include "texts/Language.h"

int main(int argc, char* argv[]) {
    const auto app = CreateCliApplication(argc, argv);
    // The window's name, so that the per-user configuration folder is the window's.
    QCoreApplication::setApplicationName(QStringLiteral("rusk"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    // --lang (anywhere) or RUSK_LANG chooses the language of this run; Japanese by default.
    const QStringList arguments = WithoutLanguage(QCoreApplication::arguments());
    texts::UseLanguage(ChosenLanguage(QCoreApplication::arguments(), QString()),
                       texts::QtTexts::Untranslated);
    if (arguments.value(1) == QLatin1String("--version")) {
        out << "rusk-cli " RUSK_VERSION << Qt::endl;
        return 0;
    }
    return RunCli(arguments, out, err);
}
