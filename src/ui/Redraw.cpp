#include "ui/Redraw.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>

#include "link/IndicatorValues.h"
#include "model/Catalogue.h"
#include "model/DisplayBinding.h"
#include "model/DisplayFormat.h"
#include "texts/WindowTexts.h"
#include "ui/ControlWatch.h"
#include "ui/Controls.h"

namespace ui {
namespace {

// Marks a box whose value differs from the indicator's `held`, or clears its mark; true when
// marked. The tint leaves the text colour alone: a refused entry stays red.
bool Mark(QLineEdit* box, const std::optional<QString>& held) {
    const bool marked = held.has_value();
    const QString tip = marked ? Tr(WindowText::IndicatorSValue1).arg(*held) : QString();
    if (box->property("ruskIndicatorValue").toString() == tip) return marked;
    box->setProperty("ruskIndicatorValue", tip);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, marked ? QColor(255, 236, 170)
                                            : QApplication::palette(box).color(QPalette::Base));
    box->setPalette(palette);
    box->setToolTip(tip);
    return marked;
}

}  // namespace

int MarkChanged(const SettingsStore& store, const Controls& c, const IndicatorValues& reference) {
    int marked = 0;
    for (const BoxSpec& item : BoxesOf(store.model())) {
        QLineEdit* box =
            item.code.isEmpty() ? nullptr : c.valueBox(item.box.family, item.box.index);
        if (box)
            marked +=
                Mark(box, reference.differing(store.model(), item.code, -1,
                                              store.setting(item.box.family, item.box.index)));
    }
    // The product boxes show one product: its values against the indicator's.
    const int p = c.productLists[0]->currentIndex();
    for (int k = 0; k < SettingsStore::kProductItems; ++k)
        marked += Mark(
            c.productBoxes[k],
            p < 0 || p >= store.productCount()
                ? std::nullopt
                : reference.differing(store.model(), ProductItemCode(k), p, store.product(p, k)));
    return marked;
}

namespace {

void RedrawProduct(const SettingsStore& store, const Controls& c, ControlWatch& watch) {
    const int p = c.productLists[0]->currentIndex();
    // Without a product selection there is no product to show: the boxes keep their texts.
    if (p < 0 || p >= store.productCount()) return;
    for (int k = 0; k < SettingsStore::kProductItems; ++k)
        if (!watch.keepsHeldEntry(c.productBoxes[k], p))
            c.productBoxes[k]->setText(store.product(p, k));
}

void RedrawLiveAndStatus(const SettingsStore& store, const Controls& c) {
    for (int i = 0; i < SettingsStore::kLiveKinds; ++i) c.liveBoxes[i]->setText(store.live(i));
    for (int word = 1; word <= status::kWords; ++word) {
        const auto texts =
            status::DecodeWord(word, store.live(status::LiveIndexOfWord(word)), store.model());
        for (int box = 0; box < status::kBoxesPerWord; ++box)
            if (texts[box]) c.statusBoxes[word - 1][box]->setText(*texts[box]);
    }
}

void RedrawValueBoxes(const SettingsStore& store, const Controls& c, ControlWatch& watch) {
    // The boxes the model uses show their slots; the others are left alone.
    for (const BoxSpec& item : BoxesOf(store.model())) {
        if (item.code.isEmpty()) continue;
        QLineEdit* box = c.valueBox(item.box.family, item.box.index);
        if (box && !watch.keepsHeldEntry(box))
            box->setText(store.setting(item.box.family, item.box.index));
    }
}

void RedrawItemLists(const SettingsStore& store, const Controls& c, ControlWatch& watch) {
    const int places = display::DecimalPlaces(store);
    for (int n = 0; n < kDetailRows; ++n) {
        QComboBox* list = c.itemLists[n];
        if (watch.keepsHeldEntry(list)) continue;
        const display::ListShow show = display::ShowList(store, n, places);
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

}  // namespace

// Entries left while an exchange runs are held in their controls until it ends: the redraw
// leaves those controls alone.
void Redraw(const SettingsStore& store, const Controls& c, ControlWatch& watch) {
    RedrawProduct(store, c, watch);
    RedrawLiveAndStatus(store, c);
    RedrawValueBoxes(store, c, watch);
    RedrawItemLists(store, c, watch);
}

}  // namespace ui
