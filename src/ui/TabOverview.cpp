#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/ModelFacts.h"
#include "model/TabLayout.h"
#include "texts/WindowTexts.h"
#include "ui/TabBuilders.h"

namespace ui {
namespace {

// Adds item button b and its entry box as the next row of `grid`.
void AddItemRow(Controls& c, const Dispatch& dispatch, QGridLayout* grid, int b) {
    const ButtonSpec item = ButtonOf(kDefaultModel, b);
    const ValueBoxRef ref = BoxOfButton(b);
    c.itemButtons[b] = MakeButton(ElementName(QStringLiteral("Command3"), b), item.caption,
                                  dispatch, Operation::JumpToItem, b);
    QLineEdit* box = MakeBox(ElementName(FamilyName(ref.family), ref.index));
    box->setProperty("tag", TagOfBox(ref));
    auto& family = c.valueBoxes[ref.family];
    if (static_cast<int>(family.size()) <= ref.index) family.resize(ref.index + 1, nullptr);
    family[ref.index] = box;
    const int row = grid->rowCount();
    grid->addWidget(c.itemButtons[b], row, 0);
    grid->addWidget(box, row, 1);
}

}  // namespace

QWidget* BuildOverviewTab(Controls& c, const Dispatch& dispatch, int tab) {
    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    QGroupBox* frame = MakeFrame(QStringLiteral("Frame%1").arg(11 + tab), Tr(WindowText::Settings));
    auto* columns = new QHBoxLayout(frame);
    for (const std::vector<int>& families : tablayout::ColumnsOf(tab)) {
        auto* grid = new QGridLayout;
        grid->setVerticalSpacing(3);
        for (int family : families) {
            // A little space between two families sharing a column.
            if (grid->rowCount() > 1) grid->setRowMinimumHeight(grid->rowCount(), 10);
            for (int b = 0; b < kItemButtons; ++b)
                if (BoxOfButton(b).family == family) AddItemRow(c, dispatch, grid, b);
        }
        grid->setRowStretch(grid->rowCount(), 1);
        columns->addLayout(grid);
    }
    layout->addWidget(frame);

    const int k = tablayout::OverviewIndex(tab);
    c.readSettingsButtons[k] =
        MakeButton(ElementName(QStringLiteral("Command20"), k), Tr(WindowText::ReadSettings2),
                   dispatch, Operation::ReadAllSettings, k);
    c.writeSettingsButtons[k] =
        MakeButton(ElementName(QStringLiteral("Command21"), k), Tr(WindowText::WriteSettings),
                   dispatch, Operation::WriteAllSettings, k);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(c.readSettingsButtons[k]);
    buttons->addWidget(c.writeSettingsButtons[k]);
    layout->addLayout(buttons);
    return widget;
}

}  // namespace ui
