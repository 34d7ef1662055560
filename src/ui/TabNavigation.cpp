#include "ui/TabNavigation.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "model/Catalogue.h"
#include "platform/OperationError.h"
#include "ui/MainWindow.h"

namespace {

constexpr int kPortTab = 9;

template <typename Container>
void AddRange(QList<QWidget*>& out, const Container& widgets, int first, int last) {
    for (int i = first; i <= last && i < static_cast<int>(widgets.size()); ++i)
        if (widgets[i]) out << widgets[i];
}

template <typename Container>
void AddAll(QList<QWidget*>& out, const Container& widgets) {
    AddRange(out, widgets, 0, static_cast<int>(widgets.size()) - 1);
}

// The controls of tabs 1 … 6 that both the group and the tab stops name.
void AddOverviewOrDetail(QList<QWidget*>& out, const Controls& c, int tab) {
    switch (tab) {
        case 1:
            AddRange(out, c.itemButtons, 0, 29);
            for (int family : {2, 3, 4}) AddAll(out, c.valueBoxes[family]);
            out << c.readSettingsButtons[0] << c.writeSettingsButtons[0];
            break;
        case 2:
            AddRange(out, c.itemButtons, 30, 58);
            for (int family : {5, 6, 7, 9}) AddAll(out, c.valueBoxes[family]);
            out << c.readSettingsButtons[1] << c.writeSettingsButtons[1];
            break;
        default: {
            // Tabs 3 … 6: rows 0 … 19, 20 … 39, 40 … 59, 60 … 74.
            const int first = (tab - 3) * 20;
            AddRange(out, c.itemLists, first, std::min(first + 19, kDetailRows - 1));
            out << c.backButtons[tab - 3];
            break;
        }
    }
}

// The product tab's own controls.
void AddProductTab(QList<QWidget*>& out, const Controls& c) {
    AddAll(out, c.productLists);
    AddAll(out, c.productButtons);
    AddAll(out, c.productBoxes);
    out << c.clearButton;
    AddAll(out, c.allButtons);
    out << c.sameButton;
}

// The port controls of link 1 that follow the live-data tab.
void AddLinkOnePorts(QList<QWidget*>& out, const Controls& c) {
    AddAll(out, c.liveButtons);
    AddAll(out, c.portLists[0]);
    out << c.testButtons[0] << c.applyButtons[0];
}

}  // namespace

TabNavigation::TabNavigation(MainWindow& window) : QObject(&window), window_(window) {
    connect(&window, &MainWindow::tabChanged, this, &TabNavigation::tabChanged);
}

QList<QWidget*> TabNavigation::TabStopGroup(const Controls& c, int tab) {
    QList<QWidget*> group;
    switch (tab) {
        case 0:
            AddProductTab(group, c);
            AddAll(group, c.modelOptions);
            break;
        case 1:
        case 3:
        case 4:
        case 5:
        case 6:
            AddOverviewOrDetail(group, c, tab);
            break;
        case 2:
            AddOverviewOrDetail(group, c, tab);
            AddAll(group, c.valueBoxes[8]);
            break;
        case 7:
            AddAll(group, c.liveBoxes);
            AddLinkOnePorts(group, c);
            break;
        case 8:
            for (const auto& word : c.statusBoxes) AddAll(group, word);
            group << c.statusBackButton;
            break;
        default:
            break;
    }
    group.removeAll(nullptr);
    return group;
}

QList<QWidget*> TabNavigation::TabStopsOf(const Controls& c, int tab, IndicatorModel model) {
    // Not quite the groups: W80 on tab 2, the live-data boxes and the whole status tab only
    // ever lose their tab stop; of the model options only the current model's comes back.
    QList<QWidget*> stops;
    switch (tab) {
        case 0:
            AddProductTab(stops, c);
            stops << c.modelOptions[model == IndicatorModel::F800 ? 1 : 0];
            break;
        case 1:
        case 2:
        case 3:
        case 4:
        case 5:
        case 6:
            AddOverviewOrDetail(stops, c, tab);
            break;
        case 7:
            AddLinkOnePorts(stops, c);
            break;
        default:
            break;
    }
    stops.removeAll(nullptr);
    return stops;
}

bool TabNavigation::HasTabStop(const QWidget* w) {
    return (w->focusPolicy() & Qt::TabFocus) != 0;
}

void TabNavigation::SetTabStop(QWidget* w, bool on) {
    // Only the Tab key's part of the focus policy changes: a click still focuses the control.
    const int policy = on ? (w->focusPolicy() | Qt::TabFocus) : (w->focusPolicy() & ~Qt::TabFocus);
    w->setFocusPolicy(static_cast<Qt::FocusPolicy>(policy));
}

void TabNavigation::tabChanged(int previous, int current) {
    lastTab_ = previous;
    // The port tab leaves every tab stop as it is.
    if (current == kPortTab || current < 0 || current >= kTabs) return;
    const Controls& c = window_.controls();
    for (int tab = 0; tab < kTabs; ++tab)
        if (tab != current)
            for (QWidget* w : TabStopGroup(c, tab)) SetTabStop(w, false);
    for (QWidget* w : TabStopsOf(c, current, window_.store().model())) SetTabStop(w, true);
}

void TabNavigation::goBack() {
    // The tab change names the tab being left, so a second press returns again.
    window_.controls().tabs->setCurrentIndex(lastTab_);
}

void TabNavigation::jumpToItem(int button) {
    const ButtonSpec item = ButtonOf(window_.store().model(), button);
    if (item.jumpTab < 0 || item.jumpRow < 0 || item.jumpRow >= kDetailRows) return;
    const Controls& c = window_.controls();
    // The tab change comes first, so the list already has its tab stop when it gets the focus.
    c.tabs->setCurrentIndex(item.jumpTab);
    QComboBox* list = c.itemLists[item.jumpRow];
    if (!list->isVisibleTo(c.tabs->widget(item.jumpTab)) || !list->isEnabled()) {
        // The tab stays shown; only the focus cannot be given.
        window_.showMessage(ErrorReportText(
            OperationError(
                ErrNo::kInvalidProcedureCall,
                QStringLiteral("項目 %1 の一覧にフォーカスを移せません。").arg(item.jumpRow)),
            ErrorHint::None));
        return;
    }
    list->setFocus(Qt::OtherFocusReason);
}
