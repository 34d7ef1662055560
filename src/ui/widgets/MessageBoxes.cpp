#include "ui/widgets/MessageBoxes.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QWidget>

#include "ui/widgets/ModalRun.h"

namespace {

int Run(QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons,
        QMessageBox::Icon icon) {
    // The box's texts are CR LF separated as the indicator program writes them.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(icon, QString(), shown, buttons, parent);
    box.setWindowTitle(QStringLiteral(" "));
    // The operator reads Japanese: the question's buttons say so too.
    if (QAbstractButton* yes = box.button(QMessageBox::Yes))
        yes->setText(QStringLiteral("はい(&Y)"));
    if (QAbstractButton* no = box.button(QMessageBox::No))
        no->setText(QStringLiteral("いいえ(&N)"));
    return RunModal(box, parent);
}

}  // namespace

void WidgetMessagePresenter::showMessage(QWidget* parent, const QString& text) {
    Run(parent, text, QMessageBox::Ok, QMessageBox::NoIcon);
}

bool WidgetMessagePresenter::askYesNo(QWidget* parent, const QString& text) {
    return Run(parent, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question) ==
           QMessageBox::Yes;
}
