#include "ui/TabNavigation.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "model/Catalogue.h"
#include "model/ModelFacts.h"
#include "model/TabLayout.h"
#include "platform/OperationError.h"
#include "texts/WindowTexts.h"
#include "ui/MainWindow.h"

namespace {

using namespace tablayout;

// W80's boxes are on an overview tab but only ever lose their tab stop.
constexpr int kFamilyWithoutTabStop = 8;

template <typename Container>
void AddRange(QList<QWidget*>& out, const Container& widgets, int first, int last) {
    for (int i = first; i <= last && i < static_cast<int>(widgets.size()); ++i)
        if (widgets[i]) out << widgets[i];
}

template <typename Container>
void AddAll(QList<QWidget*>& out, const Container& widgets) {
    AddRange(out, widgets, 0, static_cast<int>(widgets.size()) - 1);
}

// The controls of the overview and detail tabs that both the group and the tab stops name.
void AddOverviewOrDetail(QList<QWidget*>& out, const Controls& c, int tab) {
    if (IsOverview(tab)) {
        for (int b : ItemButtonsOf(tab)) out << c.itemButtons[b];
        for (int family : FamiliesOf(tab))
            if (family != kFamilyWithoutTabStop) AddAll(out, c.valueBoxes[family]);
        const int k = OverviewIndex(tab);
        out << c.readSettingsButtons[k] << c.writeSettingsButtons[k];
    } else if (IsDetail(tab)) {
        const RowRange rows = DetailRowsOf(tab);
        AddRange(out, c.itemLists, rows.first, rows.last);
        out << c.backButtons[DetailIndex(tab)];
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

TabNavigation::TabNavigation(MainWindow& window) : window_(window) {
    connect(&window, &MainWindow::tabChanged, this, &TabNavigation::tabChanged);
}

QList<QWidget*> TabNavigation::TabStopGroup(const Controls& c, int tab) {
    QList<QWidget*> group;
    if (tab == kProducts) {
        AddProductTab(group, c);
        AddAll(group, c.modelOptions);
    } else if (IsOverview(tab) || IsDetail(tab)) {
        AddOverviewOrDetail(group, c, tab);
        if (TabOfFamily(kFamilyWithoutTabStop) == tab)
            AddAll(group, c.valueBoxes[kFamilyWithoutTabStop]);
    } else if (tab == kLive) {
        AddAll(group, c.liveBoxes);
        AddLinkOnePorts(group, c);
    } else if (tab == kStatus) {
        for (const auto& word : c.statusBoxes) AddAll(group, word);
        group << c.statusBackButton;
    }
    group.removeAll(nullptr);
    return group;
}

QList<QWidget*> TabNavigation::TabStopsOf(const Controls& c, int tab, IndicatorModel model) {
    // Not quite the groups: W80, the live-data boxes and the whole status tab only ever lose
    // their tab stop; of the model options only the current model's comes back.
    QList<QWidget*> stops;
    if (tab == kProducts) {
        AddProductTab(stops, c);
        stops << c.modelOptions[FactsOf(model).option];
    } else if (IsOverview(tab) || IsDetail(tab)) {
        AddOverviewOrDetail(stops, c, tab);
    } else if (tab == kLive) {
        AddLinkOnePorts(stops, c);
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
    if (current == kPorts || current < 0 || current >= kCount) return;
    const Controls& c = window_.controls();
    for (int tab = 0; tab < kCount; ++tab)
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
        window_.showMessage(
            ErrorReportText(OperationError(ErrNo::kInvalidProcedureCall,
                                           Tr(WindowText::CannotMoveFocusList).arg(item.jumpRow)),
                            ErrorHint::None));
        return;
    }
    list->setFocus(Qt::OtherFocusReason);
}
