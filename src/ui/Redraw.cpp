// Copying the store into the controls, and the operations that change the store as a whole.

#include <QComboBox>
#include <QLineEdit>

#include "model/DataClear.h"
#include "model/DisplayBinding.h"
#include "model/DisplayFormat.h"
#include "platform/widgets/MessageBoxes.h"
#include "ui/ControlWatch.h"
#include "ui/MainWindow.h"

// Entries left while an exchange runs are held in their controls until it ends (see
// ControlWatch): the redraw leaves those controls alone.
void MainWindow::redraw() {
    redrawProduct();
    redrawLiveAndStatus();
    redrawValueBoxes();
    redrawItemLists();
}

void MainWindow::redrawProduct() {
    const int p = c_.productLists[0]->currentIndex();
    // Without a product selection there is no product to show: the boxes keep their texts.
    if (p < 0 || p >= SettingsStore::kProducts) return;
    for (int k = 0; k < SettingsStore::kProductItems; ++k)
        if (!watch_->keepsHeldEntry(c_.productBoxes[k], p))
            c_.productBoxes[k]->setText(store_.product(p, k));
}

void MainWindow::redrawLiveAndStatus() {
    for (int i = 0; i < SettingsStore::kLiveKinds; ++i) c_.liveBoxes[i]->setText(store_.live(i));
    for (int word = 1; word <= status::kWords; ++word) {
        const auto texts =
            status::DecodeWord(word, store_.live(status::LiveIndexOfWord(word)), store_.model());
        for (int box = 0; box < status::kBoxesPerWord; ++box)
            if (texts[box]) c_.statusBoxes[word - 1][box]->setText(*texts[box]);
    }
}

void MainWindow::redrawValueBoxes() {
    // The boxes the model uses show their slots; the others are left alone.
    for (const BoxSpec& item : BoxesOf(store_.model())) {
        if (item.code.isEmpty()) continue;
        QLineEdit* box = c_.valueBox(item.box.family, item.box.index);
        if (box && !watch_->keepsHeldEntry(box))
            box->setText(store_.setting(item.box.family, item.box.index));
    }
}

void MainWindow::redrawItemLists() {
    const int places = display::DecimalPlaces(store_);
    for (int n = 0; n < kDetailRows; ++n) {
        QComboBox* list = c_.itemLists[n];
        if (watch_->keepsHeldEntry(list)) continue;
        const display::ListShow show = display::ShowList(store_, n, places);
        switch (show.kind) {
            case display::ListShow::Leave:
                break;
            case display::ListShow::Select:
                // A digit with no option in the list (beyond its last entry) cannot be shown:
                // the list is left without a selection rather than showing a stale option.
                list->setCurrentIndex(show.index >= 0 && show.index < list->count() ? show.index
                                                                                    : -1);
                break;
            case display::ListShow::Single:
                list->clear();
                list->addItem(show.text);
                list->setCurrentIndex(0);
                break;
        }
    }
}

void MainWindow::clearAll() {
    store_.clearProducts();
    clearSettings();
}

void MainWindow::clearSettings() {
    dataclear::ClearSettings(store_);
    for (auto& boxes : c_.statusBoxes)
        for (QLineEdit* box : boxes) box->clear();
    for (QComboBox* list : c_.itemLists) list->setCurrentIndex(-1);
    redraw();
}

void MainWindow::copyToAllProducts() {
    dataclear::ProductEntries entries;
    for (int k = 0; k < SettingsStore::kProductItems; ++k) entries[k] = c_.productBoxes[k]->text();
    const dataclear::CopyCheck check = dataclear::CopyToAllProducts(store_, entries);
    if (check.failedBox >= 0) setBoxRefused(c_.productBoxes[check.failedBox], true);
    // The boxes already show the copied values: no redraw.
    showMessage(check.ok ? dataclear::CopyDoneMessage() : dataclear::CopyRefusedMessage());
}
