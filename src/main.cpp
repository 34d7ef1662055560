#include <QApplication>
#include <cstdio>
#include <cstring>

#include "app/Configuration.h"
#include "texts/Language.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"

namespace {

const char kHelp[] =
    "Usage: rusk [--version] [--help] [--lang ja|en] [Qt options]\n"
    "The F805/F800 weighing indicator setting window. Its settings are kept in Rusk.INI beside\n"
    "the program, or in ~/.config/rusk when that folder cannot be written; see rusk(1).\n"
    "--lang (or RUSK_LANG) chooses the language for this run; Japanese is the default.\n";

}  // namespace

int main(int argc, char* argv[]) {
    // Answered before any display is needed.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) return std::puts("rusk " RUSK_VERSION) < 0;
        if (std::strcmp(argv[i], "--help") == 0) return std::fputs(kHelp, stdout) < 0;
    }
    QApplication app(argc, argv);
    app.setFont(JapaneseUiFont());
    // Our texts and Qt's own (file dialogs, standard buttons, line edit menus) in the operator's
    // language: Japanese unless chosen otherwise.
    const QString ini = ConfigFilePath();
    texts::UseLanguage(ChosenLanguage(QCoreApplication::arguments(), ini));
    MainWindow window;
    Program program(window, ini);
    // Start-up runs before the window is first shown; when it fails it shows the window itself,
    // on the port tab with the focus on link 1's port list.
    const StartupResult started = program.start(QCoreApplication::applicationDirPath());
    window.show();
    if (started.failed) program.focusPortList(1);
    // Closing the window (the close box, or Exit) ends the program without a question; a wait
    // for the indicator in progress gives up at once.
    return app.exec();
}
