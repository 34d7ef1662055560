#pragma once

#include <vector>

// Which tab of the window's tabbed panel holds which control, in one place: the tabs by name, the
// entry-box families and item buttons of the two overview tabs with their columns, and the detail
// rows of the four detail tabs. A tab is its page number in the panel. No widgets involved.
namespace tablayout {

inline constexpr int kProducts = 0;     // "１　銘柄"
inline constexpr int kOverviewA = 1;    // "２　設定値 A"
inline constexpr int kOverviewB = 2;    // "３　設定値 B"
inline constexpr int kFirstDetail = 3;  // "４　設定値 詳細(1)"
inline constexpr int kLastDetail = 6;   // "７　設定値 詳細(4)"
inline constexpr int kLive = 7;         // "８　ｺﾏﾝﾄﾞ"
inline constexpr int kStatus = 8;       // "９　ｽﾃｰﾀｽ"
inline constexpr int kPorts = 9;        // "１０　機種・通信設定"
inline constexpr int kCount = 10;
inline constexpr int kOverviewTabs = kOverviewB - kOverviewA + 1;
inline constexpr int kDetailTabs = kLastDetail - kFirstDetail + 1;

bool IsOverview(int tab);
bool IsDetail(int tab);
// The tab's place among the overview tabs (0, 1) or the detail tabs (0 … 3), which is also the
// element number of its own buttons (Command20, Command21 and Command41); -1 for another tab.
int OverviewIndex(int tab);
int DetailIndex(int tab);

// The detail rows (item lists Combo3 with their labels) of a detail tab, first to last; an empty
// range for any other tab.
struct RowRange {
    int first = 0;
    int last = -1;
    bool contains(int row) const { return row >= first && row <= last; }
};
RowRange DetailRowsOf(int tab);
// The detail tab holding a row; -1 for no such row.
int TabOfRow(int row);

// The entry-box families (2 = W20 … 9 = W90) of an overview tab column by column: each family's
// item buttons and boxes follow one another down its column. Empty for any other tab.
const std::vector<std::vector<int>>& ColumnsOf(int tab);
std::vector<int> FamiliesOf(int tab);
// The overview tab holding a family's boxes; -1 for no such family.
int TabOfFamily(int family);
// The item buttons (Command3) of an overview tab in button order: those beside its boxes.
std::vector<int> ItemButtonsOf(int tab);
// The overview tab holding an item button; -1 for no such button.
int TabOfButton(int button);

}  // namespace tablayout
