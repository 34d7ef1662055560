#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/TabLayout.h"
#include "texts/WindowTexts.h"
#include "ui/BracketLine.h"
#include "ui/LanguageDress.h"
#include "ui/TabBuilders.h"

namespace ui {
namespace {

constexpr int kRowsPerColumn = 10;  // a detail tab shows its rows in columns of ten

}  // namespace

QWidget* BuildDetailTab(Controls& c, const Dispatch& dispatch, int tab) {
    const auto [firstRow, lastRow] = tablayout::DetailRowsOf(tab);
    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    // "設定" is also the ports' apply button, in English another word: the frame keeps its own.
    static constexpr struct {
        const char* source;
        const char* comment;
    } kTitle = QT_TRANSLATE_NOOP3("window", "設定", "detail frame");
    QGroupBox* frame =
        MakeFrame(QStringLiteral("Frame%1").arg(11 + tab),
                  QCoreApplication::translate("window", kTitle.source, kTitle.comment));
    KeepSource(frame, "text", {"window", kTitle.source, kTitle.comment});
    auto* columns = new QHBoxLayout(frame);
    const QStringList& labels = InitialRowLabels();

    for (int columnStart = firstRow; columnStart <= lastRow; columnStart += kRowsPerColumn) {
        auto* grid = new QGridLayout;
        grid->setVerticalSpacing(3);
        const int columnEnd = std::min(columnStart + kRowsPerColumn - 1, lastRow);
        for (int row = columnStart; row <= columnEnd; ++row) {
            c.rowLabels[row] =
                MakeLabel(ElementName(QStringLiteral("Label2"), row), labels.value(row));
            c.itemLists[row] = MakeList(ElementName(QStringLiteral("Combo3"), row));
            c.itemLists[row]->setMinimumContentsLength(14);
            // The whole text of the shown option, however narrow the list.
            QComboBox* list = c.itemLists[row];
            QObject::connect(list, &QComboBox::currentTextChanged, list,
                             [list](const QString& text) { list->setToolTip(text); });
            grid->addWidget(c.rowLabels[row], row - columnStart, 0);
            grid->addWidget(c.itemLists[row], row - columnStart, 1);
        }
        // The bracket lines of both models that lie in this column.
        for (BracketSet set : {BracketSet::LineF805, BracketSet::LineF800}) {
            const std::vector<BracketRange>& ranges = BracketRangesOf(set);
            auto& lines = set == BracketSet::LineF805 ? c.linesF805 : c.linesF800;
            const QString name = set == BracketSet::LineF805 ? QStringLiteral("LineF805")
                                                             : QStringLiteral("LineF800");
            for (int i = 0; i < static_cast<int>(ranges.size()); ++i) {
                const BracketRange r = ranges[i];
                if (r.firstRow < columnStart || r.lastRow > columnEnd) continue;
                auto* line = new BracketLine(r.firstRow, r.lastRow);
                line->setObjectName(ElementName(name, i));
                if (static_cast<int>(lines.size()) <= i) lines.resize(i + 1, nullptr);
                lines[i] = line;
                grid->addWidget(line, r.firstRow - columnStart, 2, r.lastRow - r.firstRow + 1, 1);
            }
        }
        grid->setColumnMinimumWidth(2, 12);
        grid->setColumnStretch(1, 1);
        grid->setRowStretch(kRowsPerColumn, 1);
        columns->addLayout(grid, 1);
        if (columnStart + kRowsPerColumn <= lastRow) columns->addSpacing(16);
    }
    // A tab with only one full column keeps the second column's room empty.
    if (lastRow - firstRow < kRowsPerColumn) columns->addStretch(1);
    layout->addWidget(frame);

    const int k = tablayout::DetailIndex(tab);
    c.backButtons[k] = MakeButton(ElementName(QStringLiteral("Command41"), k),
                                  Tr(WindowText::BackLastTab), dispatch, Operation::GoBack, k);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(c.backButtons[k]);
    layout->addLayout(buttons);
    return widget;
}

}  // namespace ui
