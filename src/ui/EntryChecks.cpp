#include "ui/EntryChecks.h"

#include <QComboBox>
#include <QLineEdit>

#include "model/Validation.h"
#include "ui/MainWindow.h"

EntryChecks::EntryChecks(MainWindow& window) : window_(window) {
    connect(&window, &MainWindow::valueBoxLeft, this, &EntryChecks::leaveBox);
    connect(&window, &MainWindow::valueBoxEdited, this, [this](int family, int index) {
        // Every family turns black on an edit, W40 … W90 too: a red text that no longer is
        // the refused entry would mislead.
        if (QLineEdit* box = window_.controls().valueBox(family, index)) {
            if (box->text() != checkedText_ || family != checkedFamily_ || index != checkedIndex_)
                checkedFamily_ = -1;
            MainWindow::setBoxRefused(box, false);
        }
    });
}

void EntryChecks::leaveBox(int family, int index) {
    QLineEdit* box = window_.controls().valueBox(family, index);
    if (!box) return;
    if (family == checkedFamily_ && index == checkedIndex_ && box->text() == checkedText_) return;
    SettingsStore& store = window_.store();
    if (family == 1) {
        // A product entry goes into the record shown in the product selector.
        window_.setEditedProduct(window_.controls().productLists[0]->currentIndex());
    }
    const int product = window_.editedProduct();
    const QString stored =
        family == 1 ? store.product(product, index) : store.setting(family, index);
    const LeaveOutcome outcome = LeaveBox(store.model(), family, index, box->text(), stored);
    if (box->text() != outcome.value) box->setText(outcome.value);
    checkedFamily_ = family;
    checkedIndex_ = index;
    checkedText_ = outcome.value;
    switch (outcome.action) {
        case LeaveAction::Nothing:
            break;
        case LeaveAction::Store:
            if (family == 1)
                store.setProduct(product, index, outcome.value);
            else
                store.setSetting(family, index, outcome.value);
            MainWindow::setBoxRefused(box, false);
            window_.refreshMarks();  // the entry may now differ from the indicator, or agree
            break;
        case LeaveAction::Refuse:
            MainWindow::setBoxRefused(box, true);
            if (!outcome.message.isEmpty()) window_.showMessage(outcome.message);
            break;
    }
}
