#include "model/ModelFacts.h"

namespace {

using namespace catalogue_data;
using namespace plan;

// The table keeps one step or field per line.
// clang-format off

constexpr PlanStep kRead[] = {
    Codes('2', '0', '9'), Progress(30),
    Codes('3', '0', '7'), Progress(40),
    Codes('4', '0', '6'), Progress(50),
    Codes('5', '0', '5'), Progress(60),
};

constexpr PlanStep kWrite[] = {
    Codes('2', '0', '4'), Sync(), Progress(20),
    Codes('2', '5', '9'), Sync(), Progress(30),
    Sending(30), Codes('3', '0', '7'), Sync(), Progress(50),
    Sending(40), Codes('4', '0', '6'), Sync(), Progress(90),
    Sending(50), Codes('5', '0', '5'), Progress(100), Sync(),
};

// The data file's settings table. The F800 keeps its groups 4 and 5 in the store's groups 6 and
// 8; its statistics fields run maximum, minimum, range, average, then the two deviations.
constexpr FileField kFields[] = {
    {"ﾀｲﾏ", 2, 0},
    {"比較禁止時間", 2, 1},
    {"上限", 2, 2},
    {"下限", 2, 3},
    {"ｾﾞﾛ付近", 2, 4},
    {"風袋設定", 2, 5},
    {"AZ回数", 2, 6},
    {"判定回数", 2, 7},
    {"排出時間", 2, 8},
    {"計量開始時間", 2, 9},
    {"ｼｰｹﾝｽﾓｰﾄﾞ", 3, 0},
    {"計量機能1", 3, 1},
    {"計量機能2", 3, 2},
    {"計量機能3", 3, 3},
    {"機能ｷｰ禁止", 3, 4},
    {"ﾌｨﾙﾀ", 3, 5},
    {"ﾓｰｼｮﾝﾃﾞｨﾃｸﾄ", 3, 6},
    {"ｾﾞﾛﾄﾗｯｷﾝｸﾞ", 3, 7},
    {"分銅重量値", 6, 2},
    {"最大秤量値", 6, 3},
    {"最小目盛", 6, 4},
    {"正味ｵｰﾊﾞｰ", 6, 5},
    {"総量ｵｰﾊﾞｰ", 6, 6},
    {"機能選択", 6, 7},
    {"重力加速度補正", 6, 8},
    {"最大重量", 8, 0},
    {"最小重量", 8, 1},
    {"最大-最小", 8, 2},
    {"平均重量", 8, 3},
    {"母標準偏差", 8, 4},
    {"標本標準偏差", 8, 5},
};


// Setting codes in transfer order with their buttons, captions and boxes.
const std::vector<EntryData>& Entries() {
    static const std::vector<EntryData> table = {
        {"20", 0, QT_TRANSLATE_NOOP("F800", "ﾀｲﾏ"), 2, 0, ItemKind::PackedNumeric},
        {"21", 1, QT_TRANSLATE_NOOP("F800", "比較禁止時間(秒)"), 2, 1, ItemKind::Numeric},
        {"22", 2, QT_TRANSLATE_NOOP("F800", "上限"), 2, 2, ItemKind::Numeric},
        {"23", 3, QT_TRANSLATE_NOOP("F800", "下限"), 2, 3, ItemKind::Numeric},
        {"24", 4, QT_TRANSLATE_NOOP("F800", "ｾﾞﾛ付近"), 2, 4, ItemKind::Numeric},
        {"25", 5, QT_TRANSLATE_NOOP("F800", "風袋設定"), 2, 5, ItemKind::Numeric},
        {"26", 6, QT_TRANSLATE_NOOP("F800", "AZ回数"), 2, 6, ItemKind::Numeric},
        {"27", 7, QT_TRANSLATE_NOOP("F800", "判定回数"), 2, 7, ItemKind::Numeric},
        {"28", 8, QT_TRANSLATE_NOOP("F800", "排出時間(秒)"), 2, 8, ItemKind::Numeric},
        {"29", 9, QT_TRANSLATE_NOOP("F800", "計量開始時間(秒)"), 2, 9, ItemKind::Numeric},
        {"30", 16, QT_TRANSLATE_NOOP("F800", "ｼｰｹﾝｽﾓｰﾄﾞ"), 3, 0, ItemKind::PackedChoice},
        {"31", 17, QT_TRANSLATE_NOOP("F800", "計量機能１"), 3, 1, ItemKind::PackedChoice},
        {"32", 18, QT_TRANSLATE_NOOP("F800", "計量機能２"), 3, 2, ItemKind::PackedChoice},
        {"33", 19, QT_TRANSLATE_NOOP("F800", "計量機能３"), 3, 3, ItemKind::PackedChoice},
        {"34", 20, QT_TRANSLATE_NOOP("F800", "機能ｷｰ禁止"), 3, 4, ItemKind::PackedChoice},
        {"35", 21, QT_TRANSLATE_NOOP("F800", "ﾌｨﾙﾀ"), 3, 5, ItemKind::PackedChoice},
        {"36", 22, QT_TRANSLATE_NOOP("F800", "ﾓｰｼｮﾝﾃﾞｨﾃｸﾄ"), 3, 6, ItemKind::PackedNumeric},
        {"37", 23, QT_TRANSLATE_NOOP("F800", "ｾﾞﾛﾄﾗｯｷﾝｸﾞ"), 3, 7, ItemKind::PackedNumeric},
        {"40", 38, QT_TRANSLATE_NOOP("F800", "分銅重量値"), 6, 2, ItemKind::Numeric},
        {"41", 39, QT_TRANSLATE_NOOP("F800", "最大秤量値"), 6, 3, ItemKind::Numeric},
        {"42", 40, QT_TRANSLATE_NOOP("F800", "最小目盛"), 6, 4, ItemKind::Numeric},
        {"43", 41, QT_TRANSLATE_NOOP("F800", "正味ｵｰﾊﾞｰ"), 6, 5, ItemKind::Numeric},
        {"44", 42, QT_TRANSLATE_NOOP("F800", "総量ｵｰﾊﾞｰ"), 6, 6, ItemKind::Numeric},
        {"45", 43, QT_TRANSLATE_NOOP("F800", "機能選択"), 6, 7, ItemKind::PackedChoice},
        {"46", 44, QT_TRANSLATE_NOOP("F800", "重力加速度補正"), 6, 8, ItemKind::Choice},
        {"50", 51, QT_TRANSLATE_NOOP("F800", "最大重量"), 8, 0, ItemKind::Numeric},
        {"51", 52, QT_TRANSLATE_NOOP("F800", "最小重量"), 8, 1, ItemKind::Numeric},
        {"52", 53, QT_TRANSLATE_NOOP("F800", "最大－最小"), 8, 2, ItemKind::Numeric},
        {"53", 54, QT_TRANSLATE_NOOP("F800", "平均重量"), 8, 3, ItemKind::Numeric},
        {"54", 55, QT_TRANSLATE_NOOP("F800", "母標準偏差"), 8, 4, ItemKind::Numeric},
        {"55", 56, QT_TRANSLATE_NOOP("F800", "標本標準偏差"), 8, 5, ItemKind::Numeric},
    };
    return table;
}

// The 55 detail rows the F800 shows, in row order.
const std::vector<RowData>& Rows() {
    static const std::vector<RowData> table = {
        {0, QT_TRANSLATE_NOOP("F800", "判定時間(秒)"), "20", RowShow::Tenths, CharSpan::First, 2, false, {}},
        {1, QT_TRANSLATE_NOOP("F800", "完了出力時間(秒)"), "20", RowShow::Tenths, CharSpan::Last, 2, false, {}},
        {2, QT_TRANSLATE_NOOP("F800", "比較禁止時間(秒)"), "21", RowShow::Hundredths, CharSpan::Last, 3, false, {}},
        {3, QT_TRANSLATE_NOOP("F800", "上限"), "22", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {4, QT_TRANSLATE_NOOP("F800", "下限"), "23", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {5, QT_TRANSLATE_NOOP("F800", "ｾﾞﾛ付近"), "24", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {6, QT_TRANSLATE_NOOP("F800", "風袋設定"), "25", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {7, QT_TRANSLATE_NOOP("F800", "AZ回数"), "26", RowShow::Text, CharSpan::Last, 2, false, {}},
        {8, QT_TRANSLATE_NOOP("F800", "判定回数"), "27", RowShow::Text, CharSpan::Last, 2, false, {}},
        {9, QT_TRANSLATE_NOOP("F800", "排出時間(秒)"), "28", RowShow::Tenths, CharSpan::Last, 2, false, {}},
        {10, QT_TRANSLATE_NOOP("F800", "計量開始時間(秒)"), "29", RowShow::Tenths, CharSpan::Last, 2, false, {}},
        {11, QT_TRANSLATE_NOOP("F800", "ｼｰｹﾝｽﾓｰﾄﾞ"), "30", RowShow::Choice, CharSpan::At, 1, false, {QT_TRANSLATE_NOOP("F800", "単純比較ﾓｰﾄﾞ"), QT_TRANSLATE_NOOP("F800", "ｼｰｹﾝｽﾓｰﾄﾞ")}},
        {12, QT_TRANSLATE_NOOP("F800", "補正投入"), "30", RowShow::Choice, CharSpan::At, 2, false, {QT_TRANSLATE_NOOP("F800", "補正投入　無し"), QT_TRANSLATE_NOOP("F800", "補正投入　有り")}},
        {13, QT_TRANSLATE_NOOP("F800", "ｾﾞﾛ付近確認"), "30", RowShow::Choice, CharSpan::At, 3, false, {QT_TRANSLATE_NOOP("F800", "ｽﾀｰﾄ時ｾﾞﾛ付近確認　無し"), QT_TRANSLATE_NOOP("F800", "ｽﾀｰﾄ時ｾﾞﾛ付近確認　有り")}},
        {14, QT_TRANSLATE_NOOP("F800", "重量値確認"), "30", RowShow::Choice, CharSpan::At, 4, false, {QT_TRANSLATE_NOOP("F800", "ｽﾀｰﾄ時重量値確認　無し"), QT_TRANSLATE_NOOP("F800", "ｽﾀｰﾄ時重量値確認　有り")}},
        {15, QT_TRANSLATE_NOOP("F800", "排出ｹﾞｰﾄ制御"), "30", RowShow::Choice, CharSpan::At, 5, false, {QT_TRANSLATE_NOOP("F800", "排出ｹﾞｰﾄ制御　無し"), QT_TRANSLATE_NOOP("F800", "排出ｹﾞｰﾄ制御　有り"), QT_TRANSLATE_NOOP("F800", "排出ｹﾞｰﾄ制御　有り(ｾﾞﾛ付近確認)")}},
        {16, QT_TRANSLATE_NOOP("F800", "自動積算指令"), "31", RowShow::Choice, CharSpan::At, 2, false, {QT_TRANSLATE_NOOP("F800", "自動積算指令　OFF"), QT_TRANSLATE_NOOP("F800", "自動積算指令　ON")}},
        {17, QT_TRANSLATE_NOOP("F800", "定量及び過不足比較"), "31", RowShow::Choice, CharSpan::At, 3, false, {QT_TRANSLATE_NOOP("F800", "総重量"), QT_TRANSLATE_NOOP("F800", "正味重量"), QT_TRANSLATE_NOOP("F800", "比較　OFF")}},
        {18, QT_TRANSLATE_NOOP("F800", "上下限比較"), "31", RowShow::Choice, CharSpan::At, 4, false, {QT_TRANSLATE_NOOP("F800", "総重量"), QT_TRANSLATE_NOOP("F800", "正味重量"), QT_TRANSLATE_NOOP("F800", "比較　OFF")}},
        {19, QT_TRANSLATE_NOOP("F800", "ｾﾞﾛ付近比較"), "31", RowShow::Choice, CharSpan::At, 5, false, {QT_TRANSLATE_NOOP("F800", "総量 =< ｾﾞﾛ付近設定時ON"), QT_TRANSLATE_NOOP("F800", "正味 =< ｾﾞﾛ付近設定時ON"), QT_TRANSLATE_NOOP("F800", "比較　OFF"), QT_TRANSLATE_NOOP("F800", "絶対値総量 =< ｾﾞﾛ付近設定時ON"), QT_TRANSLATE_NOOP("F800", "絶対値正味 =< ｾﾞﾛ付近設定時ON")}},
        {20, QT_TRANSLATE_NOOP("F800", "銘柄指定"), "32", RowShow::Choice, CharSpan::At, 1, false, {QT_TRANSLATE_NOOP("F800", "内部設定　・内部入力"), QT_TRANSLATE_NOOP("F800", "外部入力　・内部入力"), QT_TRANSLATE_NOOP("F800", "外部選択　・内部入力"), QT_TRANSLATE_NOOP("F800", "内部設定　・外部入力"), QT_TRANSLATE_NOOP("F800", "外部入力　・外部入力"), QT_TRANSLATE_NOOP("F800", "外部選択　・外部入力"), QT_TRANSLATE_NOOP("F800", "内部設定　・外部選択"), QT_TRANSLATE_NOOP("F800", "外部入力　・外部選択"), QT_TRANSLATE_NOOP("F800", "外部選択　・外部選択")}},
        {21, QT_TRANSLATE_NOOP("F800", "切り出し制御ﾓｰﾄﾞ"), "32", RowShow::Choice, CharSpan::At, 2, false, {QT_TRANSLATE_NOOP("F800", "投入制御"), QT_TRANSLATE_NOOP("F800", "排出制御"), QT_TRANSLATE_NOOP("F800", "外部選択(投入OFF/排出ON)")}},
        {22, QT_TRANSLATE_NOOP("F800", "過不足比較ﾓｰﾄﾞ"), "32", RowShow::Choice, CharSpan::At, 3, false, {QT_TRANSLATE_NOOP("F800", "常時比較"), QT_TRANSLATE_NOOP("F800", "外部判定入力ON時比較"), QT_TRANSLATE_NOOP("F800", "完了出力ON時比較"), QT_TRANSLATE_NOOP("F800", "完了出力ON時比較(重量値ﾎｰﾙﾄﾞ)")}},
        {23, QT_TRANSLATE_NOOP("F800", "上下限比較ﾓｰﾄﾞ"), "32", RowShow::Choice, CharSpan::At, 4, false, {QT_TRANSLATE_NOOP("F800", "常時比較"), QT_TRANSLATE_NOOP("F800", "外部判定入力ON時比較")}},
        {24, QT_TRANSLATE_NOOP("F800", "完了信号出力ﾓｰﾄﾞ"), "32", RowShow::Choice, CharSpan::At, 5, false, {QT_TRANSLATE_NOOP("F800", "判定ﾀｲﾏ経過後完了出力時間ON"), QT_TRANSLATE_NOOP("F800", "判定ﾀｲﾏ経過後安定から完了出力時間ON"), QT_TRANSLATE_NOOP("F800", "定量過不足比較ON後判定ﾀｲﾏ重量値安定後ON")}},
        {25, QT_TRANSLATE_NOOP("F800", "自動落差補正係数"), "33", RowShow::Choice, CharSpan::At, 2, false, {"1", "3/4", "2/4", "1/4"}},
        {26, QT_TRANSLATE_NOOP("F800", "自動落差補正"), "33", RowShow::Choice, CharSpan::At, 3, false, {QT_TRANSLATE_NOOP("F800", "無し"), QT_TRANSLATE_NOOP("F800", "有り")}},
        {27, QT_TRANSLATE_NOOP("F800", "自動落差補正平均回数"), "33", RowShow::Choice, CharSpan::At, 4, true, {"1", "2", "3", "4", "5", "6", "7", "8", "9"}},
        {28, QT_TRANSLATE_NOOP("F800", "ﾃﾞｼﾞﾀﾙ風袋引"), "33", RowShow::Choice, CharSpan::At, 5, false, {QT_TRANSLATE_NOOP("F800", "OFF"), QT_TRANSLATE_NOOP("F800", "ON")}},
        {30, QT_TRANSLATE_NOOP("F800", "風袋引ｷｰ"), "34", RowShow::Choice, CharSpan::At, 2, false, {QT_TRANSLATE_NOOP("F800", "禁止"), QT_TRANSLATE_NOOP("F800", "有効")}},
        {31, QT_TRANSLATE_NOOP("F800", "風袋引ﾘｾｯﾄｷｰ"), "34", RowShow::Choice, CharSpan::At, 3, false, {QT_TRANSLATE_NOOP("F800", "禁止"), QT_TRANSLATE_NOOP("F800", "有効")}},
        {32, QT_TRANSLATE_NOOP("F800", "総重量/正味ｷｰ"), "34", RowShow::Choice, CharSpan::At, 4, false, {QT_TRANSLATE_NOOP("F800", "禁止"), QT_TRANSLATE_NOOP("F800", "有効")}},
        {33, QT_TRANSLATE_NOOP("F800", "ｾﾞﾛ調整ｷｰ"), "34", RowShow::Choice, CharSpan::At, 5, false, {QT_TRANSLATE_NOOP("F800", "禁止"), QT_TRANSLATE_NOOP("F800", "有効")}},
        {34, QT_TRANSLATE_NOOP("F800", "ﾃﾞｼﾞﾀﾙﾌｨﾙﾀ"), "35", RowShow::Choice, CharSpan::At, 4, false, {QT_TRANSLATE_NOOP("F800", "OFF"), QT_TRANSLATE_NOOP("F800", "2回"), QT_TRANSLATE_NOOP("F800", "4回"), QT_TRANSLATE_NOOP("F800", "8回")}},
        {35, QT_TRANSLATE_NOOP("F800", "ｱﾅﾛｸﾞﾌｨﾙﾀ"), "35", RowShow::Choice, CharSpan::At, 5, false, {QT_TRANSLATE_NOOP("F800", "2HZ"), QT_TRANSLATE_NOOP("F800", "4HZ"), QT_TRANSLATE_NOOP("F800", "6HZ"), QT_TRANSLATE_NOOP("F800", "8HZ")}},
        {36, QT_TRANSLATE_NOOP("F800", "ﾓｰｼｮﾝﾃﾞｨﾃｸﾄ時間(秒)"), "36", RowShow::Tenths, CharSpan::First, 2, false, {}},
        {37, QT_TRANSLATE_NOOP("F800", "ﾓｰｼｮﾝﾃﾞｨﾃｸﾄ変化幅"), "36", RowShow::Text, CharSpan::Last, 2, false, {}},
        {38, QT_TRANSLATE_NOOP("F800", "ｾﾞﾛﾄﾗｯｷﾝｸﾞ時間(秒)"), "37", RowShow::Tenths, CharSpan::First, 2, false, {}},
        {39, QT_TRANSLATE_NOOP("F800", "ｾﾞﾛﾄﾗｯｷﾝｸﾞ幅"), "37", RowShow::Text, CharSpan::Last, 2, false, {}},
        {40, QT_TRANSLATE_NOOP("F800", "分銅重量値"), "40", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {41, QT_TRANSLATE_NOOP("F800", "最大秤量値"), "41", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {42, QT_TRANSLATE_NOOP("F800", "最小目盛"), "42", RowShow::Text, CharSpan::Last, 3, false, {}},
        {43, QT_TRANSLATE_NOOP("F800", "正味ｵｰﾊﾞｰ"), "43", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {44, QT_TRANSLATE_NOOP("F800", "総量ｵｰﾊﾞｰ"), "44", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {45, QT_TRANSLATE_NOOP("F800", "表示回数"), "45", RowShow::Choice, CharSpan::At, 2, false, {QT_TRANSLATE_NOOP("F800", "3回／秒"), QT_TRANSLATE_NOOP("F800", "6回／秒"), QT_TRANSLATE_NOOP("F800", "13回／秒"), QT_TRANSLATE_NOOP("F800", "25回／秒")}},
        {46, QT_TRANSLATE_NOOP("F800", "小数点位置"), "45", RowShow::Choice, CharSpan::At, 3, false, {"0", "0.0", "0.00", "0.000"}},
        {47, QT_TRANSLATE_NOOP("F800", "1/4目盛"), "45", RowShow::Choice, CharSpan::At, 4, false, {QT_TRANSLATE_NOOP("F800", "OFF"), QT_TRANSLATE_NOOP("F800", "ON")}},
        {48, QT_TRANSLATE_NOOP("F800", "単位表示"), "45", RowShow::Choice, CharSpan::At, 5, false, {QT_TRANSLATE_NOOP("F800", "無し"), QT_TRANSLATE_NOOP("F800", "t"), QT_TRANSLATE_NOOP("F800", "g"), QT_TRANSLATE_NOOP("F800", "kg"), QT_TRANSLATE_NOOP("F800", "N")}},
        // The zone number (1 … 16) fills the whole value; reading only its last character
        // would show zone 16 as zone 6.
        {60, QT_TRANSLATE_NOOP("F800", "重力加速度補正"), "46", RowShow::Choice, CharSpan::Whole, 0, true, GravityZones()},
        {67, QT_TRANSLATE_NOOP("F800", "最大重量"), "50", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {68, QT_TRANSLATE_NOOP("F800", "最小重量"), "51", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {69, QT_TRANSLATE_NOOP("F800", "最大－最小"), "52", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {70, QT_TRANSLATE_NOOP("F800", "平均重量"), "53", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {71, QT_TRANSLATE_NOOP("F800", "母標準偏差"), "54", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {72, QT_TRANSLATE_NOOP("F800", "標本標準偏差"), "55", RowShow::Weight, CharSpan::Whole, 0, false, {}},
    };
    return table;
}

// Rows spanned by each bracket of the bracket lines "LineF800".
const std::vector<BracketRange>& Brackets() {
    static const std::vector<BracketRange> table = {
        {11, 15}, {16, 19}, {20, 24}, {25, 28}, {30, 33},
        {34, 35}, {36, 37}, {38, 39}, {45, 48},
    };
    return table;
}

// Masks of the setting boxes by family (W20 … W90) and index; nullptr = no rule. W20(0 … 9) and
// W30(0 … 7) hold codes 20 … 29 and 30 … 37; W60(2 … 8) codes 40 … 46; W80(0 … 5) codes
// 50 … 55. The W90 boxes keep a rule though the F800 hides them.
constexpr std::array<const char*, 16> kW20 = {
    "99099", "00999", "99999", "99999", "99999", "99999", "00099", "00099",
    "00099", "00099", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
constexpr std::array<const char*, 9> kW30 = {"11112", "01224", "82312", "03191", "01111",
                                                 "00073", "99099", "99099", nullptr};
constexpr std::array<const char*, 5> kW40 = {nullptr, nullptr, nullptr, nullptr, nullptr};
constexpr std::array<const char*, 6> kW50 = {nullptr, nullptr, nullptr,
                                                 nullptr, nullptr, nullptr};
constexpr std::array<const char*, 10> kW60 = {nullptr, nullptr, "99999", "99999", "00999",
                                                  "99999", "99999", "01314", kOneToSixteen,   nullptr};
constexpr std::array<const char*, 5> kW70 = {nullptr, nullptr, nullptr, nullptr, nullptr};
constexpr std::array<const char*, 6> kW80 = {"99999", "99999", "99999",
                                                 "99999", "99999", "99999"};
constexpr std::array<const char*, 2> kW90 = {"00001", "00001"};

// What code 45 (entry box W60(7)) holds on the indicator: display rates 0 … 3 in its second
// digit.
constexpr CodeMask kCodeMasks[] = {{"45", "03314"}};

// Codes 40 … 46 live in the store's W60(2 … 8), codes 50 … 55 in W80(0 … 5).
constexpr StoreMove kMoves[] = {{4, 6, 2, 7}, {5, 8, 0, 6}};
// clang-format on

// The settings that affect weighing, as a test certificate lists them.
constexpr const char* kWeighing[] = {"35", "41", "42", "45"};

}  // namespace

const ModelFacts& F800Facts() {
    static const ModelFacts facts{
        .model = IndicatorModel::F800,
        .name = "F800",
        .wideName = "Ｆ８００",
        .number = "800",
        .windowTitle = QT_TRANSLATE_NOOP("F800", "Ｆ８００ ｲﾝｼﾞｹｰﾀｰ設定"),
        .option = 1,
        .changeButton = QT_TRANSLATE_NOOP("F800", "F800銘柄変更"),
        .secondLink = true,
        .handshaking = Handshaking::RtsCts,
        .rts = true,
        .products = 100,
        .readPlan = kRead,
        .writePlan = kWrite,
        .fileFields = kFields,
        .entries = Entries,
        .rows = Rows,
        .bracketSet = BracketSet::LineF800,
        .brackets = Brackets,
        .lockLabel = QT_TRANSLATE_NOOP("F800", "未定義"),
        .decimalPointRow = 46,
        .softLock = false,
        .storeMoves = kMoves,
        .masks = {kW20, kW30, kW40, kW50, kW60, kW70, kW80, kW90},
        .codeMasks = kCodeMasks,
        .capacityCode = "41",
        .intervalCode = "42",
        .weighingCodes = kWeighing,
    };
    return facts;
}
