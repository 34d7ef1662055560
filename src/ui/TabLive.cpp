#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/TabBuilders.h"

namespace ui {
namespace {

const char* const kLiveCaptions[23] = {
    "総重量",        "正味重量",     "風袋",           "ｽﾃｰﾀｽ1",     "ｽﾃｰﾀｽ2",       "ｽﾃｰﾀｽ3",
    "ｽﾃｰﾀｽ4",        "累積回数",     "累積値",         "累積ﾃﾞｰﾀ",   "計量ﾃﾞｰﾀ",     "ｾﾞﾛ校正",
    "ｽﾊﾟﾝ校正",      "表示・総重量", "表示・正味重量", "風袋引き",   "風袋引きﾘｾｯﾄ", "ﾃﾞｼﾞﾀﾙｾﾞﾛ",
    "ﾃﾞｼﾞﾀﾙｾﾞﾛﾘｾｯﾄ", "積算指令",     "累積ｸﾘﾔ",        "累積ｵｰﾙｸﾘﾔ", "詳細"};

QPushButton* LiveButton(Controls& c, const Dispatch& dispatch, int k) {
    c.liveButtons[k] =
        MakeButton(ElementName(QStringLiteral("Command4"), k), QString::fromUtf8(kLiveCaptions[k]),
                   dispatch, Operation::LiveData, k);
    return c.liveButtons[k];
}

QLineEdit* LiveBox(Controls& c, int k) {
    c.liveBoxes[k] = MakeBox(ElementName(QStringLiteral("Text3"), k), 14, true);
    // Until the first redraw the boxes name the data they show.
    c.liveBoxes[k]->setText(SettingsStore::LiveKindName(k));
    return c.liveBoxes[k];
}

}  // namespace

int StatusLabelIndex(int word, int box) {
    return 43 + (word - 1) * status::kBoxesPerWord + box;
}

QWidget* BuildLiveTab(Controls& c, const Dispatch& dispatch) {
    auto* widget = new QWidget;
    auto* layout = new QHBoxLayout(widget);

    QGroupBox* reads = MakeFrame(QStringLiteral("Frame15"), QStringLiteral("ﾃﾞｰﾀ読み出し"));
    auto* readGrid = new QGridLayout(reads);
    for (int k = 0; k <= 10; ++k) {
        readGrid->addWidget(LiveButton(c, dispatch, k), k, 0);
        readGrid->addWidget(LiveBox(c, k), k, 1);
    }
    readGrid->addWidget(LiveButton(c, dispatch, 22), 11, 0);
    readGrid->setRowStretch(12, 1);
    layout->addWidget(reads, 1);

    QGroupBox* commands = MakeFrame(QStringLiteral("Frame16"), QStringLiteral("ｺﾏﾝﾄﾞ"));
    auto* commandGrid = new QGridLayout(commands);
    for (int k = 11; k <= 21; ++k) {
        commandGrid->addWidget(LiveButton(c, dispatch, k), k - 11, 0);
        if (k <= 12) commandGrid->addWidget(LiveBox(c, k), k - 11, 1);
    }
    commandGrid->setRowStretch(11, 1);
    layout->addWidget(commands, 1);
    return widget;
}

QWidget* BuildStatusTab(Controls& c, const Dispatch& dispatch) {
    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    auto* frames = new QGridLayout;
    const char* const boxArrays[status::kWords] = {"Text4", "Text5", "Text6", "Text7"};
    for (int word = 1; word <= status::kWords; ++word) {
        QGroupBox* frame = MakeFrame(QStringLiteral("Frame%1").arg(16 + word),
                                     QStringLiteral("ｽﾃｰﾀｽ%1").arg(word));
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
    c.statusBackButton = MakeButton(QStringLiteral("Command60"), QStringLiteral("前のタブへ戻る"),
                                    dispatch, Operation::GoBack, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(c.statusBackButton);
    layout->addLayout(buttons);
    return widget;
}

}  // namespace ui
