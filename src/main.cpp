#include <QApplication>
#include <cstdlib>

#include "app/Configuration.h"
#include "ui/MainWindow.h"
#include "ui/Program.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setFont(JapaneseUiFont());
    MainWindow window;
    Program program(window, ConfigFilePath());
    // Closing the window ends the program at once, without a question. While an operation waits
    // for the indicator the wait would otherwise run on to its reply or time-out (and show its
    // message) with no window: end the process there and then; it releases the ports.
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, &app, [&program] {
        if (program.session().link().operationRunning()) std::_Exit(EXIT_SUCCESS);
    });
    // Start-up runs before the window is first shown; when it fails it shows the window itself,
    // on the port tab with the focus on link 1's port list.
    const StartupResult started = program.start(QCoreApplication::applicationDirPath());
    window.show();
    if (started.failed) program.focusPortList(1);
    return app.exec();
}
