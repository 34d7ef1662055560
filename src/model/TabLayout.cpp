#include "model/TabLayout.h"

#include <algorithm>

#include "model/Catalogue.h"

namespace tablayout {
namespace {

constexpr int kRowsPerDetailTab = 20;
static_assert((kLastDetail - kFirstDetail) * kRowsPerDetailTab < kDetailRows &&
                  (kLastDetail - kFirstDetail + 1) * kRowsPerDetailTab >= kDetailRows,
              "every detail tab holds rows, and together they hold all");

}  // namespace

bool IsOverview(int tab) {
    return tab == kOverviewA || tab == kOverviewB;
}

bool IsDetail(int tab) {
    return tab >= kFirstDetail && tab <= kLastDetail;
}

int OverviewIndex(int tab) {
    return IsOverview(tab) ? tab - kOverviewA : -1;
}

int DetailIndex(int tab) {
    return IsDetail(tab) ? tab - kFirstDetail : -1;
}

RowRange DetailRowsOf(int tab) {
    if (!IsDetail(tab)) return {};
    const int first = DetailIndex(tab) * kRowsPerDetailTab;
    return {first, std::min(first + kRowsPerDetailTab, kDetailRows) - 1};
}

int TabOfRow(int row) {
    return row >= 0 && row < kDetailRows ? kFirstDetail + row / kRowsPerDetailTab : -1;
}

const std::vector<std::vector<int>>& ColumnsOf(int tab) {
    static const std::vector<std::vector<int>> overviewA = {{2}, {3}, {4}};
    static const std::vector<std::vector<int>> overviewB = {{5, 7}, {6}, {8, 9}};
    static const std::vector<std::vector<int>> none;
    return tab == kOverviewA ? overviewA : tab == kOverviewB ? overviewB : none;
}

std::vector<int> FamiliesOf(int tab) {
    std::vector<int> families;
    for (const std::vector<int>& column : ColumnsOf(tab))
        families.insert(families.end(), column.begin(), column.end());
    return families;
}

int TabOfFamily(int family) {
    for (int tab : {kOverviewA, kOverviewB}) {
        const std::vector<int> families = FamiliesOf(tab);
        if (std::find(families.begin(), families.end(), family) != families.end()) return tab;
    }
    return -1;
}

std::vector<int> ItemButtonsOf(int tab) {
    std::vector<int> buttons;
    if (!IsOverview(tab)) return buttons;
    for (int b = 0; b < kItemButtons; ++b)
        if (TabOfButton(b) == tab) buttons.push_back(b);
    return buttons;
}

int TabOfButton(int button) {
    const ValueBoxRef box = BoxOfButton(button);
    return box.valid() ? TabOfFamily(box.family) : -1;
}

}  // namespace tablayout
