#include "ui/widgets/MessageBoxes.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScopeGuard>
#include <QWidget>

#include "texts/WindowTexts.h"
#include "ui/widgets/ModalRun.h"

namespace {

void Dress(QMessageBox& box, const QString& text) {
    // The box's texts are CR LF separated as the indicator program writes them.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box.setText(shown);
    box.setWindowTitle(QStringLiteral(" "));
    // The operator reads Japanese: the question's buttons say so too.
    if (QAbstractButton* yes = box.button(QMessageBox::Yes)) yes->setText(Tr(WindowText::Yes));
    if (QAbstractButton* no = box.button(QMessageBox::No)) no->setText(Tr(WindowText::No));
}

int Run(QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons,
        QMessageBox::Icon icon) {
    QMessageBox box(icon, QString(), QString(), buttons, parent);
    Dress(box, text);
    return RunModal(box, parent);
}

}  // namespace

void WidgetMessagePresenter::showMessage(QWidget* parent, const QString& text) {
    Run(parent, text, QMessageBox::Ok, QMessageBox::NoIcon);
}

Task<void> WidgetMessagePresenter::message(QWidget* parent, QString text) {
    // The window may go first and take its box with it.
    const QPointer<QMessageBox> box =
        new QMessageBox(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Ok, parent);
    const auto drop = qScopeGuard([box] { delete box.data(); });
    Dress(*box, text);
    co_await DialogClosed(*box, parent);
}

bool WidgetMessagePresenter::askYesNo(QWidget* parent, const QString& text) {
    return Run(parent, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question) ==
           QMessageBox::Yes;
}
