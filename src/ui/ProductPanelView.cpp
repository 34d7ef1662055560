#include "ui/ProductPanelView.h"

#include <QComboBox>
#include <QLineEdit>

#include "ui/MainWindow.h"
#include "ui/TabBuilders.h"

void ProductPanelView::fillLists() {
    for (QComboBox* list : window_.controls().productLists) {
        list->clear();
    }
    ui::FitProductLists(window_.controls(), window_.store().model());
    for (QComboBox* list : window_.controls().productLists) list->setCurrentIndex(0);
}

QString ProductPanelView::selectorText() const {
    return window_.controls().productLists[0]->currentText();
}

int ProductPanelView::selectedProduct() const {
    return window_.controls().productLists[0]->currentIndex();
}

void ProductPanelView::selectProduct(int n) {
    window_.controls().productLists[0]->setCurrentIndex(n);
}

int ProductPanelView::targetProduct() const {
    return window_.controls().productLists[1]->currentIndex();
}

QString ProductPanelView::shownValue(int item) const {
    QLineEdit* box = window_.controls().valueBox(1, item);
    return box ? box->text() : QString();
}
