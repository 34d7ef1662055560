#include "ui/widgets/FileDialogs.h"

#include <QCoreApplication>
#include <QFileDialog>

#include "texts/WindowTexts.h"
#include "ui/widgets/ModalRun.h"

namespace {
QString Filter() {
    return Tr(WindowText::AccessFilesMdb);
}
}  // namespace

QString AskOpenDataFile(QWidget* parent, const QString& startPath) {
    QFileDialog dialog(parent, QString(), startPath, Filter());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (RunModal(dialog, parent) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString AskSaveDataFile(QWidget* parent, const QString& startPath) {
    QFileDialog dialog(parent, QString(), startPath, Filter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("mdb"));
    if (RunModal(dialog, parent) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
