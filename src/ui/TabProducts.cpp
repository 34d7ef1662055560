#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/ModelFacts.h"
#include "texts/WindowTexts.h"
#include "ui/TabBuilders.h"

namespace ui {
namespace {

QGroupBox* ProductValuesFrame(Controls& c, const Dispatch& dispatch) {
    QGroupBox* values = MakeFrame(QStringLiteral("Frame1"), Tr(WindowText::Settings));
    auto* layout = new QVBoxLayout(values);

    QGroupBox* product = MakeFrame(QStringLiteral("Frame2"), Tr(WindowText::Product));
    auto* productRow = new QHBoxLayout(product);
    c.productLists[0] = MakeList(ElementName(QStringLiteral("Combo1"), 0), true);
    c.productButtons[0] =
        MakeButton(ElementName(QStringLiteral("Command2"), 0), Tr(WindowText::F805ChangeProduct),
                   dispatch, Operation::ChangeProduct, 0);
    productRow->addWidget(c.productLists[0]);
    productRow->addWidget(c.productButtons[0]);
    productRow->addStretch();
    layout->addWidget(product);

    auto* grid = new QGridLayout;
    const QStringList& labels = ProductItemLabels();
    for (int k = 0; k < SettingsStore::kProductItems; ++k) {
        QLabel* label = MakeLabel(ElementName(QStringLiteral("Label1"), k), labels.value(k));
        c.productBoxes[k] = MakeBox(ElementName(QStringLiteral("W10"), k));
        c.productBoxes[k]->setProperty("tag", QStringLiteral("W1%1").arg(k));
        grid->addWidget(label, k, 0);
        grid->addWidget(c.productBoxes[k], k, 1);
    }
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);

    c.sameButton = MakeButton(QStringLiteral("SAME"), Tr(WindowText::CopyAll), dispatch,
                              Operation::CopyToAllProducts);
    auto* sameRow = new QHBoxLayout;
    sameRow->addWidget(c.sameButton);
    sameRow->addStretch();
    layout->addLayout(sameRow);
    layout->addStretch();
    return values;
}

QGroupBox* ReadWriteFrame(Controls& c, const Dispatch& dispatch) {
    c.frame8 = MakeFrame(QStringLiteral("Frame8"), Tr(WindowText::F805ReadWrite));
    auto* layout = new QVBoxLayout(c.frame8);
    auto button = [&](int k, const QString& caption, Operation op) {
        c.productButtons[k] =
            MakeButton(ElementName(QStringLiteral("Command2"), k), caption, dispatch, op, k);
        return c.productButtons[k];
    };

    QGroupBox* read = MakeFrame(QStringLiteral("Frame9"), Tr(WindowText::Read3));
    auto* readRow = new QVBoxLayout(read);
    readRow->addWidget(button(1, Tr(WindowText::ReadOneProduct2), Operation::ReadOneProduct));
    readRow->addWidget(button(2, Tr(WindowText::ReadAllProducts), Operation::ReadAllProducts));
    layout->addWidget(read);

    QGroupBox* write = MakeFrame(QStringLiteral("Frame10"), Tr(WindowText::Write));
    auto* writeRow = new QVBoxLayout(write);
    writeRow->addWidget(
        button(3, Tr(WindowText::WriteOneProductMemory), Operation::WriteOneProduct));
    writeRow->addWidget(
        button(4, Tr(WindowText::WriteAllProductsMemory), Operation::WriteAllProducts));
    layout->addWidget(write);

    QGroupBox* random = MakeFrame(QStringLiteral("Frame11"), Tr(WindowText::WriteChosenProduct));
    auto* randomLayout = new QVBoxLayout(random);
    auto* targetRow = new QHBoxLayout;
    targetRow->addWidget(MakeLabel(QStringLiteral("Label3"), Tr(WindowText::IndicatorProduct)));
    c.productLists[1] = MakeList(ElementName(QStringLiteral("Combo1"), 1), true);
    targetRow->addWidget(c.productLists[1]);
    targetRow->addStretch();
    randomLayout->addLayout(targetRow);
    randomLayout->addWidget(
        button(5, Tr(WindowText::WriteShownData), Operation::WriteShownToTarget));
    randomLayout->addWidget(
        button(6, Tr(WindowText::WriteShownDataAll2), Operation::WriteShownToAll));
    layout->addWidget(random);
    layout->addStretch();
    return c.frame8;
}

QWidget* BottomRow(Controls& c, const Dispatch& dispatch) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    c.clearButton = MakeButton(QStringLiteral("Command0"), Tr(WindowText::ClearData3), dispatch,
                               Operation::ClearAll);
    c.allButtons[0] = MakeButton(ElementName(QStringLiteral("Command1"), 0),
                                 Tr(WindowText::F805ReadAll), dispatch, Operation::AllRead, 0);
    c.allButtons[1] = MakeButton(ElementName(QStringLiteral("Command1"), 1),
                                 Tr(WindowText::F805WriteAll), dispatch, Operation::AllWrite, 1);
    layout->addWidget(c.clearButton);
    layout->addWidget(c.allButtons[0]);
    layout->addWidget(c.allButtons[1]);
    layout->addStretch();

    auto* brand = new QVBoxLayout;
    c.badges[0] = MakeLabel(ElementName(QStringLiteral("ModelBadge"), 0), QStringLiteral("F805"));
    QFont badgeFont = c.badges[0]->font();
    badgeFont.setPointSizeF(badgeFont.pointSizeF() * 2.2);
    badgeFont.setBold(true);
    c.badges[0]->setFont(badgeFont);
    c.badges[0]->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    c.badges[0]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    brand->addWidget(c.badges[0]);
    QLabel* indicator = MakeLabel(QStringLiteral("Label4"), QStringLiteral("LOADCELL INDICATER"));
    indicator->setAlignment(Qt::AlignRight);
    brand->addWidget(indicator);
    layout->addLayout(brand);
    return row;
}

}  // namespace

QWidget* BuildProductTab(Controls& c, const Dispatch& dispatch) {
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    layout->addWidget(ProductValuesFrame(c, dispatch), 0, 0);
    layout->addWidget(ReadWriteFrame(c, dispatch), 0, 1);
    layout->addWidget(BottomRow(c, dispatch), 1, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);
    FitProductLists(c, kDefaultModel);
    return page;
}

void FitProductLists(const Controls& c, IndicatorModel model) {
    const int products = FactsOf(model).products;
    for (QComboBox* list : c.productLists) {
        while (list->count() > products) list->removeItem(list->count() - 1);
        while (list->count() < products) list->addItem(QString::number(list->count()));
    }
}

}  // namespace ui
