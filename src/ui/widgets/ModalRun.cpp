#include "ui/widgets/ModalRun.h"

#include <QDialog>
#include <QWidget>

namespace {

void GiveKeyboardBack(QWidget* parent) {
    if (parent && parent->window()->isVisible()) parent->window()->activateWindow();
}

}  // namespace

int RunModal(QDialog& dialog, QWidget* parent) {
    const int result = dialog.exec();
    GiveKeyboardBack(parent);
    return result;
}

void DialogClosed::await_suspend(std::coroutine_handle<> waiting) {
    QObject::connect(
        &dialog_, &QDialog::finished, &context_,
        [this, waiting](int result) {
            result_ = result;
            GiveKeyboardBack(parent_);
            // Out of the dialog's signal first: the task may end and take the dialog with it.
            QMetaObject::invokeMethod(
                &context_, [waiting] { waiting.resume(); }, Qt::QueuedConnection);
        },
        Qt::SingleShotConnection);
    // Modal for the whole program, as a box run on its own would be.
    dialog_.setWindowModality(Qt::ApplicationModal);
    dialog_.show();
}
