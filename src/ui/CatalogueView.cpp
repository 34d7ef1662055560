#include "ui/CatalogueView.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/BracketLine.h"
#include "ui/Controls.h"
#include "ui/WidgetFactory.h"

namespace ui {
namespace {
constexpr int kLongOption = 40;  // characters
}  // namespace

void ApplyCatalogueView(const Controls& c, IndicatorModel model) {
    for (const ButtonSpec& item : ButtonsOf(model)) {
        QPushButton* button = c.itemButtons[item.button];
        button->setText(item.caption);
        button->setVisible(item.visible);
    }
    for (const RowSpec& item : RowsOf(model)) {
        c.rowLabels[item.row]->setText(item.label);
        c.rowLabels[item.row]->setVisible(item.visible);
        c.itemLists[item.row]->setVisible(item.visible);
    }
    for (const BoxSpec& item : BoxesOf(model))
        if (QLineEdit* box = c.valueBox(item.box.family, item.box.index))
            box->setVisible(item.visible);
    const BracketSet shown = BracketSetOf(model);
    for (BracketLine* line : c.linesF805)
        if (line) line->setVisible(shown == BracketSet::LineF805);
    for (BracketLine* line : c.linesF800)
        if (line) line->setVisible(shown == BracketSet::LineF800);
    c.statusLabels[0][6]->setText(LockStatusLabel(model));
}

void FillItemLists(const Controls& c, IndicatorModel model) {
    for (int n = 0; n < kDetailRows; ++n) {
        QComboBox* list = c.itemLists[n];
        list->clear();
        const QStringList options = OptionsOf(model, n);
        list->addItems(options);
        list->setCurrentIndex(-1);
        // Lists size to their options, except those with very long ones (the gravity zones),
        // which show their start and the whole text in the popup and the tool tip.
        int longest = 0;
        for (const QString& option : options) longest = std::max<int>(longest, option.size());
        list->setSizeAdjustPolicy(longest > kLongOption
                                      ? QComboBox::AdjustToMinimumContentsLengthWithIcon
                                      : QComboBox::AdjustToContents);
        FitPopupToEntries(list);
    }
}

}  // namespace ui
