#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "link/LiveCommands.h"
#include "texts/WindowTexts.h"
#include "ui/TabBuilders.h"

namespace ui {
namespace {

QPushButton* LiveButton(Controls& c, const Dispatch& dispatch, int k) {
    c.liveButtons[k] = MakeButton(ElementName(QStringLiteral("Command4"), k),
                                  LiveCommands::Caption(k), dispatch, Operation::LiveData, k);
    return c.liveButtons[k];
}

QLineEdit* LiveBox(Controls& c, int k) {
    c.liveBoxes[k] = MakeBox(ElementName(QStringLiteral("Text3"), k), 14, true);
    // Until the first redraw the boxes name the data they show.
    c.liveBoxes[k]->setText(SettingsStore::LiveKindName(k));
    return c.liveBoxes[k];
}

}  // namespace

QWidget* BuildLiveTab(Controls& c, const Dispatch& dispatch) {
    auto* widget = new QWidget;
    auto* layout = new QHBoxLayout(widget);

    QGroupBox* reads = MakeFrame(QStringLiteral("Frame15"), Tr(WindowText::DataReads));
    auto* readGrid = new QGridLayout(reads);
    for (int k = 0; k <= 10; ++k) {
        readGrid->addWidget(LiveButton(c, dispatch, k), k, 0);
        readGrid->addWidget(LiveBox(c, k), k, 1);
    }
    readGrid->addWidget(LiveButton(c, dispatch, 22), 11, 0);
    readGrid->setRowStretch(12, 1);
    layout->addWidget(reads, 1);

    QGroupBox* commands = MakeFrame(QStringLiteral("Frame16"), Tr(WindowText::Commands));
    auto* commandGrid = new QGridLayout(commands);
    for (int k = 11; k <= 21; ++k) {
        commandGrid->addWidget(LiveButton(c, dispatch, k), k - 11, 0);
        if (k <= 12) commandGrid->addWidget(LiveBox(c, k), k - 11, 1);
    }
    commandGrid->setRowStretch(11, 1);
    layout->addWidget(commands, 1);
    return widget;
}

}  // namespace ui
