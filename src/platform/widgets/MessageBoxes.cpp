#include "platform/widgets/MessageBoxes.h"

#include <QMessageBox>

namespace {

int Run(QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons,
        QMessageBox::Icon icon) {
    // The box's texts are CR LF separated as the indicator program writes them.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(icon, QString(), shown, buttons, parent);
    box.setWindowTitle(QStringLiteral(" "));
    return box.exec();
}

}  // namespace

void WidgetMessagePresenter::showMessage(QWidget* parent, const QString& text) {
    Run(parent, text, QMessageBox::Ok, QMessageBox::NoIcon);
}

bool WidgetMessagePresenter::askYesNo(QWidget* parent, const QString& text) {
    return Run(parent, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question) ==
           QMessageBox::Yes;
}
