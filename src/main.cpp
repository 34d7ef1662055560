#include <QApplication>

#include "ui/MainWindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setFont(JapaneseUiFont());
    MainWindow window;
    window.clearAll();
    window.show();
    return app.exec();
}
