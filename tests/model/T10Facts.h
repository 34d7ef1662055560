#pragma once

// A small indicator model that lives in the tests alone: ten settings (codes 20 … 29, the last
// one the decimal point) and five products. It shows that a model is its facts and nothing
// else: the transfers, the data file, the comparison and the sheet take it as they take the
// F805 and the F800.

#include <QList>

#include "SimCodes.h"
#include "model/ModelFacts.h"

namespace t10 {

using namespace catalogue_data;
using namespace plan;

inline constexpr IndicatorModel kModel = static_cast<IndicatorModel>(10);

// clang-format off
inline constexpr PlanStep kRead[] = {Codes('2', '0', '9'), Progress(100)};
inline constexpr PlanStep kWrite[] = {
    Codes('2', '0', '4'), Sync(), Progress(50),
    Codes('2', '5', '9'), Sync(), Progress(100),
};
inline constexpr FileField kFields[] = {
    {"上限", 2, 0}, {"下限", 2, 1}, {"ｾﾞﾛ付近", 2, 2}, {"風袋設定", 2, 3}, {"AZ回数", 2, 4},
    {"判定回数", 2, 5}, {"排出時間", 2, 6}, {"最大秤量値", 2, 7}, {"最小目盛", 2, 8},
    {"小数点", 2, 9},
};
inline constexpr std::array<const char*, 10> kW20 = {"99999", "99999", "99999", "99999", "00099",
                                                     "00099", "00999", "99999", "00099", "00002"};
// clang-format on
inline constexpr const char* kWeighing[] = {"27", "28", "29"};

inline const std::vector<EntryData>& Entries() {
    static const std::vector<EntryData> table = {
        {"20", 0, "上限", 2, 0, ItemKind::Numeric},
        {"21", 1, "下限", 2, 1, ItemKind::Numeric},
        {"22", 2, "ｾﾞﾛ付近", 2, 2, ItemKind::Numeric},
        {"23", 3, "風袋設定", 2, 3, ItemKind::Numeric},
        {"24", 4, "AZ回数", 2, 4, ItemKind::Numeric},
        {"25", 5, "判定回数", 2, 5, ItemKind::Numeric},
        {"26", 6, "排出時間(秒)", 2, 6, ItemKind::Numeric},
        {"27", 7, "最大秤量値", 2, 7, ItemKind::Numeric},
        {"28", 8, "最小目盛", 2, 8, ItemKind::Numeric},
        {"29", 9, "小数点", 2, 9, ItemKind::Choice},
    };
    return table;
}

inline const std::vector<RowData>& Rows() {
    static const std::vector<RowData> table = {
        {0, "上限", "20", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {1, "下限", "21", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {2, "ｾﾞﾛ付近", "22", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {3, "風袋設定", "23", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {4, "AZ回数", "24", RowShow::Text, CharSpan::Last, 2, false, {}},
        {5, "判定回数", "25", RowShow::Text, CharSpan::Last, 2, false, {}},
        {6, "排出時間(秒)", "26", RowShow::Tenths, CharSpan::Last, 3, false, {}},
        {7, "最大秤量値", "27", RowShow::Text, CharSpan::Whole, 0, false, {}},
        {8, "最小目盛", "28", RowShow::Text, CharSpan::Last, 2, false, {}},
        {9, "小数点", "29", RowShow::Choice, CharSpan::At, 5, false, {"0", "0.0", "0.00"}},
    };
    return table;
}

inline const std::vector<BracketRange>& Brackets() {
    static const std::vector<BracketRange> none;
    return none;
}

inline const ModelFacts& Facts() {
    static const ModelFacts facts{
        .model = kModel,
        .name = "T10",
        .wideName = "Ｔ１０",
        .number = "10",
        .windowTitle = "Ｔ１０ ｲﾝｼﾞｹｰﾀｰ設定",
        .option = 2,
        .changeButton = "T10銘柄変更",
        .secondLink = false,
        .handshaking = Handshaking::None,
        .rts = false,
        .products = 5,
        .readPlan = kRead,
        .writePlan = kWrite,
        .fileFields = kFields,
        .entries = Entries,
        .rows = Rows,
        .bracketSet = BracketSet::LineF805,
        .brackets = Brackets,
        .lockLabel = "未定義",
        .decimalPointRow = 9,
        .softLock = false,
        .storeMoves = {},
        .masks = {kW20, {}, {}, {}, {}, {}, {}, {}},
        .codeMasks = {},
        .capacityCode = "27",
        .intervalCode = "28",
        .weighingCodes = kWeighing,
    };
    return facts;
}

// The same indicator as the simulator plays it.
inline QList<SimCode> SimCodes() {
    QList<SimCode> codes;
    const char* const values[] = {"01200", "00800", "00010", "00000", "00005",
                                  "00003", "00015", "10000", "00001", "00001"};
    for (int i = 0; i < 10; ++i)
        codes.append({QByteArray("2") + char('0' + i), kW20[size_t(i)], values[i]});
    return codes;
}

}  // namespace t10
