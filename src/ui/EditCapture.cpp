#include "ui/EditCapture.h"

#include <QComboBox>
#include <QLineEdit>

#include "model/ChoiceCapture.h"
#include "platform/OperationError.h"
#include "ui/MainWindow.h"

EditCapture::EditCapture(MainWindow& window) : window_(window) {
    connect(&window, &MainWindow::itemListLeft, this, &EditCapture::captureChoice);
    connect(&window, &MainWindow::productListFocusIn, this, &EditCapture::productListEntered);
    connect(&window, &MainWindow::productListEnter, this, &EditCapture::productListEnter);
    connect(&window, &MainWindow::productListFocusOut, this, &EditCapture::productListLeft);
}

void EditCapture::captureChoice(int list) {
    if (list < 0 || list >= kDetailRows) return;
    const auto& lists = window_.controls().itemLists;
    if (lists[list]->currentIndex() < 0) return;
    SettingsStore& store = window_.store();
    const CatalogueEntry* entry = EntryOfRow(store.model(), list);
    if (entry && (entry->kind == ItemKind::Choice || entry->kind == ItemKind::PackedChoice)) {
        // Every list of the item has its say: the value is rebuilt from all of them.
        std::vector<int> selections;
        for (int row : entry->rows) selections.push_back(lists[row]->currentIndex());
        if (const auto value =
                capture::CapturedValue(*entry, selections, store.setting(entry->slot)))
            store.setSetting(entry->slot, *value);
    }
    window_.redraw();
}

template <typename Step>
void EditCapture::reportFailures(Step step) {
    TrapStep(step, [this](const OperationError& error) {
        window_.showMessage(ErrorReportText(error, ErrorHint::None));
    });
}

void EditCapture::selectProduct(int element, int n) {
    QComboBox* list = window_.controls().productLists[element];
    list->setCurrentIndex(n);
    // A typed text that named the entry in another way ("042") shows the entry's own text.
    if (list->lineEdit() && list->currentIndex() >= 0) list->setEditText(list->itemText(n));
}

void EditCapture::productListEntered(int element) {
    if (element != 0 && element != 1) return;
    reportFailures([this] {
        // Product entries go into the product shown, whichever product list took the focus.
        window_.setEditedProduct(window_.controls().productLists[0]->currentIndex());
    });
}

void EditCapture::productListEnter(int element) {
    if (element != 0 && element != 1) return;
    reportFailures([this, element] {
        QComboBox* list = window_.controls().productLists[element];
        const auto n = capture::ProductNumberOf(list->currentText(), window_.store().model());
        // A number the model has no product for changes nothing.
        if (!n) return;
        selectProduct(element, *n);
        if (element == 0) window_.redraw();
    });
}

void EditCapture::productListLeft(int element) {
    if (element != 0 && element != 1) return;
    reportFailures([this, element] {
        QComboBox* list = window_.controls().productLists[element];
        const auto n = capture::ProductNumberOf(list->currentText(), window_.store().model());
        if (element == 1) {
            selectProduct(1, n.value_or(0));
            return;
        }
        // Passing through the selector, or leaving it with the number it showed when it took
        // the focus, keeps that product: a changed selection redraws through its own event.
        if (n && *n == window_.editedProduct()) {
            selectProduct(0, *n);
            return;
        }
        // Any other number shows that product; one the model has no product for shows product 0.
        selectProduct(0, n.value_or(0));
        window_.redraw();
    });
}
