#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <cstring>

#include "app/Configuration.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"

namespace {

const char kHelp[] =
    "Usage: rusk [--version] [--help] [Qt options]\n"
    "The F805/F800 weighing indicator setting window. Its settings are kept in Rusk.INI beside\n"
    "the program, or in ~/.config/rusk when that folder cannot be written; see rusk(1).\n";

}  // namespace

int main(int argc, char* argv[]) {
    // Answered before any display is needed.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) return std::puts("rusk " RUSK_VERSION) < 0;
        if (std::strcmp(argv[i], "--help") == 0) return std::fputs(kHelp, stdout) < 0;
    }
    QApplication app(argc, argv);
    app.setFont(JapaneseUiFont());
    // Qt's own texts (file dialogs, standard buttons, line edit menus) in Japanese, like ours.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTexts);
    MainWindow window;
    Program program(window, ConfigFilePath());
    // Start-up runs before the window is first shown; when it fails it shows the window itself,
    // on the port tab with the focus on link 1's port list.
    const StartupResult started = program.start(QCoreApplication::applicationDirPath());
    window.show();
    if (started.failed) program.focusPortList(1);
    // Closing the window (the close box, or Exit) ends the program without a question; a wait
    // for the indicator in progress gives up at once.
    return app.exec();
}
