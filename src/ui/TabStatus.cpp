#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "texts/WindowTexts.h"
#include "ui/TabBuilders.h"

namespace ui {
namespace {

// The status label names: Label5(43 … 49) for status 1, (50 … 56) status 2, … (64 … 70) status 4;
// status 1 box 6 ("LOCK(soft)") is Label5(49).
int StatusLabelIndex(int word, int box) {
    return 43 + (word - 1) * status::kBoxesPerWord + box;
}

}  // namespace

QWidget* BuildStatusTab(Controls& c, const Dispatch& dispatch) {
    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    auto* frames = new QGridLayout;
    const char* const boxArrays[status::kWords] = {"Text4", "Text5", "Text6", "Text7"};
    for (int word = 1; word <= status::kWords; ++word) {
        QGroupBox* frame =
            MakeFrame(QStringLiteral("Frame%1").arg(16 + word), Tr(WindowText::Status1).arg(word));
        auto* grid = new QGridLayout(frame);
        for (int box = 0; box < status::kBoxesPerWord; ++box) {
            QLabel* label =
                MakeLabel(ElementName(QStringLiteral("Label5"), StatusLabelIndex(word, box)),
                          status::BoxCaption(word, box));
            QLineEdit* edit =
                MakeBox(ElementName(QString::fromLatin1(boxArrays[word - 1]), box), 12, true);
            c.statusLabels[word - 1][box] = label;
            c.statusBoxes[word - 1][box] = edit;
            grid->addWidget(label, box, 0);
            grid->addWidget(edit, box, 1);
        }
        grid->setColumnStretch(2, 1);
        frames->addWidget(frame, (word - 1) / 2, (word - 1) % 2);
    }
    layout->addLayout(frames);
    layout->addStretch();
    c.statusBackButton = MakeButton(QStringLiteral("Command60"), Tr(WindowText::BackLastTab),
                                    dispatch, Operation::GoBack, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(c.statusBackButton);
    layout->addLayout(buttons);
    return widget;
}

}  // namespace ui
