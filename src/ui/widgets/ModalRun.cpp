#include "ui/widgets/ModalRun.h"

#include <QDialog>
#include <QWidget>

int RunModal(QDialog& dialog, QWidget* parent) {
    const int result = dialog.exec();
    if (parent && parent->window()->isVisible()) parent->window()->activateWindow();
    return result;
}
