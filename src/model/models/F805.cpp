#include "model/ModelFacts.h"

namespace {

using namespace catalogue_data;
using namespace plan;

// The table keeps one step or field per line.
// clang-format off

constexpr PlanStep kRead[] = {
    Codes('2', '0', 'F'), Progress(30),
    Codes('3', '0', '8'), Progress(40),
    Codes('4', '0', '4'), Progress(50),
    Codes('5', '0', '5'), Progress(60),
    Codes('6', '0', '9'), Progress(80),
    Codes('7', '0', '4'), Progress(90),
    Codes('8', '0', '5'), Progress(100),
    Codes('9', '0', '1'),
};

constexpr PlanStep kWrite[] = {
    Codes('2', '0', '4'), Sync(), Progress(20),
    Codes('2', '5', 'F'), Sync(), Progress(30),
    Sending(30), Codes('3', '0', '7'), Sync(), Progress(50),
    Codes('3', '8', '8'),
    Sending(40), Codes('4', '0', '4'), Sync(), Progress(60),
    Sending(50), Codes('5', '0', '5'), Sync(), Progress(70),
    Sending(60), Codes('6', '0', '9'), Sync(), Progress(80),
    Sending(70), Codes('7', '0', '4'),
    Sending(80), Codes('8', '0', '5'), Sync(), Progress(100),
    Sending(90), Codes('9', '0', '1'),
};

// The data file's settings table: one field per setting code, in code order.
constexpr FileField kFields[] = {
    {"上下限比較有無", 2, 0},
    {"上下限比較ﾓｰﾄﾞ", 2, 1},
    {"上限", 2, 2},
    {"下限", 2, 3},
    {"ｾﾞﾛ付近比較有無", 2, 4},
    {"ｾﾞﾛ付近", 2, 5},
    {"過不足比較有無", 2, 6},
    {"過不足比較ﾓｰﾄﾞ", 2, 7},
    {"完了信号出力ﾓｰﾄﾞ", 2, 8},
    {"完了出力時間", 2, 9},
    {"判定時間", 2, 10},
    {"比較禁止時間", 2, 11},
    {"切り出し制御ﾓｰﾄﾞ", 2, 12},
    {"自動落差補正係数", 2, 13},
    {"自動落差補正有無", 2, 14},
    {"自動落差補正平均回数", 2, 15},
    {"表示回数", 3, 0},
    {"ﾃﾞｼﾞﾀﾙﾌｨﾙﾀ", 3, 1},
    {"ｱﾅﾛｸﾞﾌｨﾙﾀ", 3, 2},
    {"安定時ﾌｨﾙﾀ", 3, 3},
    {"MD時間", 3, 4},
    {"MD幅", 3, 5},
    {"ZT時間", 3, 6},
    {"ZT幅", 3, 7},
    {"DZ規制値", 3, 8},
    {"ｼｰｹﾝｽﾓｰﾄﾞ", 4, 0},
    {"判定回数", 4, 1},
    {"AZ回数", 4, 2},
    {"排出時間", 4, 3},
    {"START/STOPｷｰ禁止", 4, 4},
    {"ﾃﾞｼﾞﾀﾙ風袋引き", 5, 0},
    {"風袋設定", 5, 1},
    {"自動積算指令", 5, 2},
    {"計量銘柄指定", 5, 3},
    {"設定銘柄指定", 5, 4},
    {"銘柄毎設定ｷｰ禁止", 5, 5},
    {"分銅重量値", 6, 0},
    {"最大秤量値", 6, 1},
    {"最小目盛", 6, 2},
    {"正味ｵｰﾊﾞｰ", 6, 3},
    {"総重量ｵｰﾊﾞｰ", 6, 4},
    {"小数点位置", 6, 5},
    {"単位設定", 6, 6},
    {"1/4目盛", 6, 7},
    {"重力加速度補正", 6, 8},
    {"印加電圧", 6, 9},
    {"ｸﾞﾗﾌｨｯｸﾓｰﾄﾞ", 7, 0},
    {"ﾄﾘｶﾞﾚﾍﾞﾙ", 7, 1},
    {"X(時間)軸終点", 7, 2},
    {"Y(重量)軸始点", 7, 3},
    {"Y(重量)軸終点", 7, 4},
    {"平均重量", 8, 0},
    {"最大重量", 8, 1},
    {"最小重量", 8, 2},
    {"母標準偏差", 8, 3},
    {"標本標準偏差", 8, 4},
    {"最大-最小", 8, 5},
    {"LOCK", 9, 0},
    {"LANGUAGE", 9, 1},
};


// Setting codes in transfer order with their buttons, captions and boxes.
const std::vector<EntryData>& Entries() {
    static const std::vector<EntryData> table = {
        {"20", 0, QT_TRANSLATE_NOOP("F805", "上下限比較有無"), 2, 0, ItemKind::Choice},
        {"21", 1, QT_TRANSLATE_NOOP("F805", "上下限比較ﾓｰﾄﾞ"), 2, 1, ItemKind::Choice},
        {"22", 2, QT_TRANSLATE_NOOP("F805", "上限"), 2, 2, ItemKind::Numeric},
        {"23", 3, QT_TRANSLATE_NOOP("F805", "下限"), 2, 3, ItemKind::Numeric},
        {"24", 4, QT_TRANSLATE_NOOP("F805", "ｾﾞﾛ付近比較有無"), 2, 4, ItemKind::Choice},
        {"25", 5, QT_TRANSLATE_NOOP("F805", "ｾﾞﾛ付近"), 2, 5, ItemKind::Numeric},
        {"26", 6, QT_TRANSLATE_NOOP("F805", "過不足比較有無"), 2, 6, ItemKind::Choice},
        {"27", 7, QT_TRANSLATE_NOOP("F805", "過不足比較ﾓｰﾄﾞ"), 2, 7, ItemKind::Choice},
        {"28", 8, QT_TRANSLATE_NOOP("F805", "完了信号出力ﾓｰﾄﾞ"), 2, 8, ItemKind::Choice},
        {"29", 9, QT_TRANSLATE_NOOP("F805", "完了出力時間(秒)"), 2, 9, ItemKind::Numeric},
        {"2A", 10, QT_TRANSLATE_NOOP("F805", "判定時間(秒)"), 2, 10, ItemKind::Numeric},
        {"2B", 11, QT_TRANSLATE_NOOP("F805", "比較禁止時間(秒)"), 2, 11, ItemKind::Numeric},
        {"2C", 12, QT_TRANSLATE_NOOP("F805", "切り出し制御ﾓｰﾄﾞ"), 2, 12, ItemKind::Choice},
        {"2D", 13, QT_TRANSLATE_NOOP("F805", "自動落差補正係数"), 2, 13, ItemKind::Choice},
        {"2E", 14, QT_TRANSLATE_NOOP("F805", "自動落差補正有無"), 2, 14, ItemKind::Choice},
        {"2F", 15, QT_TRANSLATE_NOOP("F805", "自動落差補正平均"), 2, 15, ItemKind::Choice},
        {"30", 16, QT_TRANSLATE_NOOP("F805", "表示回数"), 3, 0, ItemKind::Choice},
        {"31", 17, QT_TRANSLATE_NOOP("F805", "ﾃﾞｼﾞﾀﾙﾌｨﾙﾀ"), 3, 1, ItemKind::Choice},
        {"32", 18, QT_TRANSLATE_NOOP("F805", "ｱﾅﾛｸﾞﾌｨﾙﾀ"), 3, 2, ItemKind::Choice},
        {"33", 19, QT_TRANSLATE_NOOP("F805", "安定時ﾌｨﾙﾀ・MD"), 3, 3, ItemKind::PackedChoice},
        {"34", 20, QT_TRANSLATE_NOOP("F805", "MD時間(秒)"), 3, 4, ItemKind::Numeric},
        {"35", 21, QT_TRANSLATE_NOOP("F805", "MD幅"), 3, 5, ItemKind::Numeric},
        {"36", 22, QT_TRANSLATE_NOOP("F805", "ZT時間(秒)"), 3, 6, ItemKind::Numeric},
        {"37", 23, QT_TRANSLATE_NOOP("F805", "ZT幅"), 3, 7, ItemKind::Numeric},
        {"38", 24, QT_TRANSLATE_NOOP("F805", "DZ規制値"), 3, 8, ItemKind::Numeric},
        {"40", 25, QT_TRANSLATE_NOOP("F805", "ｼｰｹﾝｽﾓｰﾄﾞ"), 4, 0, ItemKind::PackedChoice},
        {"41", 26, QT_TRANSLATE_NOOP("F805", "判定回数"), 4, 1, ItemKind::Numeric},
        {"42", 27, QT_TRANSLATE_NOOP("F805", "AZ回数"), 4, 2, ItemKind::Numeric},
        {"43", 28, QT_TRANSLATE_NOOP("F805", "排出時間(秒)"), 4, 3, ItemKind::Numeric},
        {"44", 29, QT_TRANSLATE_NOOP("F805", "START/STOPｷｰ禁止"), 4, 4, ItemKind::Choice},
        {"50", 30, QT_TRANSLATE_NOOP("F805", "ﾃﾞｼﾞﾀﾙ風袋引き"), 5, 0, ItemKind::PackedChoice},
        {"51", 31, QT_TRANSLATE_NOOP("F805", "風袋設定"), 5, 1, ItemKind::Numeric},
        {"52", 32, QT_TRANSLATE_NOOP("F805", "自動積算指令"), 5, 2, ItemKind::Choice},
        {"53", 33, QT_TRANSLATE_NOOP("F805", "計量銘柄指定"), 5, 3, ItemKind::Choice},
        {"54", 34, QT_TRANSLATE_NOOP("F805", "設定銘柄指定"), 5, 4, ItemKind::Choice},
        {"55", 35, QT_TRANSLATE_NOOP("F805", "銘柄毎設定ｷｰ禁止"), 5, 5, ItemKind::Choice},
        {"60", 36, QT_TRANSLATE_NOOP("F805", "分銅重量値"), 6, 0, ItemKind::Numeric},
        {"61", 37, QT_TRANSLATE_NOOP("F805", "最大秤量値"), 6, 1, ItemKind::Numeric},
        {"62", 38, QT_TRANSLATE_NOOP("F805", "最小目盛"), 6, 2, ItemKind::Numeric},
        {"63", 39, QT_TRANSLATE_NOOP("F805", "正味ｵｰﾊﾞｰ"), 6, 3, ItemKind::Numeric},
        {"64", 40, QT_TRANSLATE_NOOP("F805", "総重量ｵｰﾊﾞｰ"), 6, 4, ItemKind::Numeric},
        {"65", 41, QT_TRANSLATE_NOOP("F805", "小数点位置"), 6, 5, ItemKind::Choice},
        {"66", 42, QT_TRANSLATE_NOOP("F805", "単位設定"), 6, 6, ItemKind::Choice},
        {"67", 43, QT_TRANSLATE_NOOP("F805", "1/4目盛"), 6, 7, ItemKind::Choice},
        {"68", 44, QT_TRANSLATE_NOOP("F805", "重力加速度補正"), 6, 8, ItemKind::Choice},
        {"69", 45, QT_TRANSLATE_NOOP("F805", "印加電圧(V)"), 6, 9, ItemKind::Choice},
        {"70", 46, QT_TRANSLATE_NOOP("F805", "ｸﾞﾗﾌｨｯｸﾓｰﾄﾞ"), 7, 0, ItemKind::Choice},
        {"71", 47, QT_TRANSLATE_NOOP("F805", "ﾄﾘｶﾞﾚﾍﾞﾙ"), 7, 1, ItemKind::Numeric},
        {"72", 48, QT_TRANSLATE_NOOP("F805", "X(時間)軸終点(秒)"), 7, 2, ItemKind::Numeric},
        {"73", 49, QT_TRANSLATE_NOOP("F805", "Y(重量)軸始点"), 7, 3, ItemKind::Numeric},
        {"74", 50, QT_TRANSLATE_NOOP("F805", "Y(重量)軸終点"), 7, 4, ItemKind::Numeric},
        {"80", 51, QT_TRANSLATE_NOOP("F805", "平均重量"), 8, 0, ItemKind::Numeric},
        {"81", 52, QT_TRANSLATE_NOOP("F805", "最大重量"), 8, 1, ItemKind::Numeric},
        {"82", 53, QT_TRANSLATE_NOOP("F805", "最小重量"), 8, 2, ItemKind::Numeric},
        {"83", 54, QT_TRANSLATE_NOOP("F805", "母標準偏差"), 8, 3, ItemKind::Numeric},
        {"84", 55, QT_TRANSLATE_NOOP("F805", "標本標準偏差"), 8, 4, ItemKind::Numeric},
        {"85", 56, QT_TRANSLATE_NOOP("F805", "最大-最小"), 8, 5, ItemKind::Numeric},
        {"90", 57, QT_TRANSLATE_NOOP("F805", "LOCK(soft)"), 9, 0, ItemKind::Choice},
        {"91", 58, QT_TRANSLATE_NOOP("F805", "LANGUAGE"), 9, 1, ItemKind::Choice},
    };
    return table;
}

// The detail rows in row order: all 75 (their labels are the rows' initial captions).
const std::vector<RowData>& Rows() {
    static const std::vector<RowData> table = {
        {0, QT_TRANSLATE_NOOP("F805", "上下限比較有無"), "20", RowShow::Choice, CharSpan::Last, 1, false, {QT_TRANSLATE_NOOP("F805", "総重量"), QT_TRANSLATE_NOOP("F805", "正味重量"), QT_TRANSLATE_NOOP("F805", "比較 OFF")}},
        {1, QT_TRANSLATE_NOOP("F805", "上下限比較ﾓｰﾄﾞ"), "21", RowShow::Choice, CharSpan::Last, 1, false, {QT_TRANSLATE_NOOP("F805", "常時比較"), QT_TRANSLATE_NOOP("F805", "外部判定 ON 時")}},
        {2, QT_TRANSLATE_NOOP("F805", "上限"), "22", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {3, QT_TRANSLATE_NOOP("F805", "下限"), "23", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {4, QT_TRANSLATE_NOOP("F805", "ｾﾞﾛ付近比較有無"), "24", RowShow::Choice, CharSpan::Last, 1, false, {QT_TRANSLATE_NOOP("F805", "総重量"), QT_TRANSLATE_NOOP("F805", "正味"), QT_TRANSLATE_NOOP("F805", "比較 OFF"), QT_TRANSLATE_NOOP("F805", "絶対総重量"), QT_TRANSLATE_NOOP("F805", "絶対正味")}},
        {5, QT_TRANSLATE_NOOP("F805", "ｾﾞﾛ付近"), "25", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {6, QT_TRANSLATE_NOOP("F805", "過不足比較有無"), "26", RowShow::Choice, CharSpan::Last, 1, false, {QT_TRANSLATE_NOOP("F805", "総重量"), QT_TRANSLATE_NOOP("F805", "正味重量"), QT_TRANSLATE_NOOP("F805", "比較 OFF")}},
        {7, QT_TRANSLATE_NOOP("F805", "過不足比較ﾓｰﾄﾞ"), "27", RowShow::Choice, CharSpan::Last, 1, false, {QT_TRANSLATE_NOOP("F805", "常時比較"), QT_TRANSLATE_NOOP("F805", "外部判定 ON 時"), QT_TRANSLATE_NOOP("F805", "完了信号 ON 時"), QT_TRANSLATE_NOOP("F805", "完了 ON 時 HOLD")}},
        {8, QT_TRANSLATE_NOOP("F805", "完了信号出力ﾓｰﾄﾞ"), "28", RowShow::Choice, CharSpan::Last, 1, false, {QT_TRANSLATE_NOOP("F805", "判定時間経"), QT_TRANSLATE_NOOP("F805", "判定 and 安定"), QT_TRANSLATE_NOOP("F805", "判定 or 安定")}},
        {9, QT_TRANSLATE_NOOP("F805", "完了出力時間(秒)"), "29", RowShow::Tenths, CharSpan::Last, 2, false, {}},
        {10, QT_TRANSLATE_NOOP("F805", "判定時間(秒)"), "2A", RowShow::Tenths, CharSpan::Last, 2, false, {}},
        {11, QT_TRANSLATE_NOOP("F805", "比較禁止時間(秒)"), "2B", RowShow::Hundredths, CharSpan::Last, 3, false, {}},
        {12, QT_TRANSLATE_NOOP("F805", "切り出し制御ﾓｰﾄﾞ"), "2C", RowShow::Choice, CharSpan::Last, 1, false, {QT_TRANSLATE_NOOP("F805", "投入制御"), QT_TRANSLATE_NOOP("F805", "排出制御"), QT_TRANSLATE_NOOP("F805", "外部選択")}},
        {13, QT_TRANSLATE_NOOP("F805", "自動落差補正係数"), "2D", RowShow::Choice, CharSpan::Last, 1, false, {"1", "3/4", "2/4", "1/4"}},
        {14, QT_TRANSLATE_NOOP("F805", "自動落差補正有無"), "2E", RowShow::Choice, CharSpan::Last, 1, false, {QT_TRANSLATE_NOOP("F805", "無し"), QT_TRANSLATE_NOOP("F805", "有り")}},
        {15, QT_TRANSLATE_NOOP("F805", "自動落差補正平均回数"), "2F", RowShow::Choice, CharSpan::Last, 1, true, {"1", "2", "3", "4", "5", "6", "7", "8", "9"}},
        {16, QT_TRANSLATE_NOOP("F805", "表示回数"), "30", RowShow::Choice, CharSpan::Last, 1, false, {QT_TRANSLATE_NOOP("F805", "3回／秒"), QT_TRANSLATE_NOOP("F805", "6回／秒"), QT_TRANSLATE_NOOP("F805", "13回／秒"), QT_TRANSLATE_NOOP("F805", "25回／秒")}},
        {17, QT_TRANSLATE_NOOP("F805", "ﾃﾞｼﾞﾀﾙﾌｨﾙﾀ"), "31", RowShow::Choice, CharSpan::Last, 1, false, {QT_TRANSLATE_NOOP("F805", "OFF"), QT_TRANSLATE_NOOP("F805", "2回"), QT_TRANSLATE_NOOP("F805", "4回"), QT_TRANSLATE_NOOP("F805", "8回"), QT_TRANSLATE_NOOP("F805", "16回"), QT_TRANSLATE_NOOP("F805", "32回"), QT_TRANSLATE_NOOP("F805", "64回"), QT_TRANSLATE_NOOP("F805", "128回")}},
        {18, QT_TRANSLATE_NOOP("F805", "ｱﾅﾛｸﾞﾌｨﾙﾀ"), "32", RowShow::Choice, CharSpan::Last, 1, false, {QT_TRANSLATE_NOOP("F805", "2HZ"), QT_TRANSLATE_NOOP("F805", "4HZ"), QT_TRANSLATE_NOOP("F805", "6HZ"), QT_TRANSLATE_NOOP("F805", "8HZ")}},
        {19, QT_TRANSLATE_NOOP("F805", "ﾀﾞﾐｰ"), nullptr, RowShow::None, CharSpan::Whole, 0, false, {}},
        {20, QT_TRANSLATE_NOOP("F805", "安定時ﾌｨﾙﾀ"), "33", RowShow::Choice, CharSpan::At, 4, false, {QT_TRANSLATE_NOOP("F805", "挿入する"), QT_TRANSLATE_NOOP("F805", "挿入しない")}},
        {21, QT_TRANSLATE_NOOP("F805", "MDﾓｰﾄﾞ"), "33", RowShow::Choice, CharSpan::At, 5, false, {QT_TRANSLATE_NOOP("F805", "安定ﾓｰﾄﾞ"), QT_TRANSLATE_NOOP("F805", "ﾁｪｯｶｰﾓｰﾄﾞ")}},
        {22, QT_TRANSLATE_NOOP("F805", "MD時間(秒)"), "34", RowShow::Tenths, CharSpan::Last, 2, false, {}},
        {23, QT_TRANSLATE_NOOP("F805", "MD幅"), "35", RowShow::Text, CharSpan::Last, 2, false, {}},
        {24, QT_TRANSLATE_NOOP("F805", "ZT時間(秒)"), "36", RowShow::Tenths, CharSpan::Last, 2, false, {}},
        {25, QT_TRANSLATE_NOOP("F805", "ZT幅"), "37", RowShow::Text, CharSpan::Last, 2, false, {}},
        {26, QT_TRANSLATE_NOOP("F805", "DZ規制値"), "38", RowShow::Text, CharSpan::Last, 4, false, {}},
        {27, QT_TRANSLATE_NOOP("F805", "ﾀﾞﾐｰ"), nullptr, RowShow::None, CharSpan::Whole, 0, false, {}},
        {28, QT_TRANSLATE_NOOP("F805", "ﾀﾞﾐｰ"), nullptr, RowShow::None, CharSpan::Whole, 0, false, {}},
        {29, QT_TRANSLATE_NOOP("F805", "ﾀﾞﾐｰ"), nullptr, RowShow::None, CharSpan::Whole, 0, false, {}},
        {30, QT_TRANSLATE_NOOP("F805", "ｼｰｹﾝｽﾓｰﾄﾞ"), "40", RowShow::Choice, CharSpan::At, 1, false, {QT_TRANSLATE_NOOP("F805", "単純比較ﾓｰﾄﾞ"), QT_TRANSLATE_NOOP("F805", "ｼｰｹﾝｽﾓｰﾄﾞ")}},
        {31, QT_TRANSLATE_NOOP("F805", "ｽﾀｰﾄ時ｾﾞﾛ付近確認"), "40", RowShow::Choice, CharSpan::At, 2, false, {QT_TRANSLATE_NOOP("F805", "無し"), QT_TRANSLATE_NOOP("F805", "有り")}},
        {32, QT_TRANSLATE_NOOP("F805", "ｽﾀｰﾄ時重量値確認"), "40", RowShow::Choice, CharSpan::At, 3, false, {QT_TRANSLATE_NOOP("F805", "無し"), QT_TRANSLATE_NOOP("F805", "有り")}},
        {33, QT_TRANSLATE_NOOP("F805", "補正投入有無"), "40", RowShow::Choice, CharSpan::At, 4, false, {QT_TRANSLATE_NOOP("F805", "無し"), QT_TRANSLATE_NOOP("F805", "有り")}},
        {34, QT_TRANSLATE_NOOP("F805", "排出ｹﾞｰﾄ制御"), "40", RowShow::Choice, CharSpan::At, 5, false, {QT_TRANSLATE_NOOP("F805", "無し"), QT_TRANSLATE_NOOP("F805", "有り")}},
        {35, QT_TRANSLATE_NOOP("F805", "判定回数"), "41", RowShow::Text, CharSpan::Last, 2, false, {}},
        {36, QT_TRANSLATE_NOOP("F805", "AZ回数"), "42", RowShow::Text, CharSpan::Last, 2, false, {}},
        {37, QT_TRANSLATE_NOOP("F805", "排出時間(秒)"), "43", RowShow::Tenths, CharSpan::Last, 2, false, {}},
        {38, QT_TRANSLATE_NOOP("F805", "START/STOPｷｰ禁止"), "44", RowShow::Choice, CharSpan::Last, 1, false, {QT_TRANSLATE_NOOP("F805", "禁止"), QT_TRANSLATE_NOOP("F805", "有効")}},
        {39, QT_TRANSLATE_NOOP("F805", "ﾀﾞﾐｰ"), nullptr, RowShow::None, CharSpan::Whole, 0, false, {}},
        {40, QT_TRANSLATE_NOOP("F805", "ﾃﾞｼﾞﾀﾙ風袋引き"), "50", RowShow::Choice, CharSpan::At, 1, false, {QT_TRANSLATE_NOOP("F805", "OFF"), QT_TRANSLATE_NOOP("F805", "ON")}},
        {41, QT_TRANSLATE_NOOP("F805", "G/N 表示切換"), "50", RowShow::Choice, CharSpan::At, 2, false, {QT_TRANSLATE_NOOP("F805", "内部ｷｰﾓｰﾄﾞ"), QT_TRANSLATE_NOOP("F805", "外部入力ﾓｰﾄﾞ")}},
        {42, QT_TRANSLATE_NOOP("F805", "排出制御時の符号"), "50", RowShow::Choice, CharSpan::At, 3, false, {QT_TRANSLATE_NOOP("F805", "正味が符号非反転表示"), QT_TRANSLATE_NOOP("F805", "正味が符号反転表示")}},
        {43, QT_TRANSLATE_NOOP("F805", "TARE/DZｷｰ禁止"), "50", RowShow::Choice, CharSpan::At, 4, false, {QT_TRANSLATE_NOOP("F805", "禁止"), QT_TRANSLATE_NOOP("F805", "有効")}},
        {44, QT_TRANSLATE_NOOP("F805", "GROSS/NETｷｰ禁止"), "50", RowShow::Choice, CharSpan::At, 5, false, {QT_TRANSLATE_NOOP("F805", "禁止"), QT_TRANSLATE_NOOP("F805", "有効")}},
        {45, QT_TRANSLATE_NOOP("F805", "風袋設定"), "51", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {46, QT_TRANSLATE_NOOP("F805", "自動積算指令"), "52", RowShow::Choice, CharSpan::At, 5, false, {QT_TRANSLATE_NOOP("F805", "OFF"), QT_TRANSLATE_NOOP("F805", "ON")}},
        {47, QT_TRANSLATE_NOOP("F805", "計量銘柄指定"), "53", RowShow::Choice, CharSpan::At, 5, false, {QT_TRANSLATE_NOOP("F805", "内部設定"), QT_TRANSLATE_NOOP("F805", "外部入力"), QT_TRANSLATE_NOOP("F805", "外部選択")}},
        {48, QT_TRANSLATE_NOOP("F805", "設定銘柄指定"), "54", RowShow::Choice, CharSpan::At, 5, false, {QT_TRANSLATE_NOOP("F805", "内部設定"), QT_TRANSLATE_NOOP("F805", "外部入力"), QT_TRANSLATE_NOOP("F805", "外部選択")}},
        {49, QT_TRANSLATE_NOOP("F805", "銘柄毎設定ｷｰ禁止"), "55", RowShow::Choice, CharSpan::At, 5, false, {QT_TRANSLATE_NOOP("F805", "禁止"), QT_TRANSLATE_NOOP("F805", "有効")}},
        {50, QT_TRANSLATE_NOOP("F805", "分銅重量値"), "60", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {51, QT_TRANSLATE_NOOP("F805", "最大秤量値"), "61", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {52, QT_TRANSLATE_NOOP("F805", "最小目盛り"), "62", RowShow::Text, CharSpan::Last, 3, false, {}},
        {53, QT_TRANSLATE_NOOP("F805", "正味ｵｰﾊﾞｰ"), "63", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {54, QT_TRANSLATE_NOOP("F805", "総重量ｵｰﾊﾞｰ"), "64", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {55, QT_TRANSLATE_NOOP("F805", "小数点位置"), "65", RowShow::Choice, CharSpan::At, 5, false, {"0", "0.0", "0.00", "0.000"}},
        {56, QT_TRANSLATE_NOOP("F805", "単位設定"), "66", RowShow::Choice, CharSpan::At, 5, false, {QT_TRANSLATE_NOOP("F805", "kg"), QT_TRANSLATE_NOOP("F805", "g"), QT_TRANSLATE_NOOP("F805", "N"), QT_TRANSLATE_NOOP("F805", "t"), QT_TRANSLATE_NOOP("F805", "1b"), QT_TRANSLATE_NOOP("F805", "無し")}},
        {57, QT_TRANSLATE_NOOP("F805", "1/4目盛"), "67", RowShow::Choice, CharSpan::At, 5, false, {QT_TRANSLATE_NOOP("F805", "OFF"), QT_TRANSLATE_NOOP("F805", "ON")}},
        {58, QT_TRANSLATE_NOOP("F805", "ﾀﾞﾐｰ"), nullptr, RowShow::None, CharSpan::Whole, 0, false, {}},
        {59, QT_TRANSLATE_NOOP("F805", "ﾀﾞﾐｰ"), nullptr, RowShow::None, CharSpan::Whole, 0, false, {}},
        // The zone number (1 … 16) fills the whole value; reading only its last character
        // would show zone 16 as zone 6.
        {60, QT_TRANSLATE_NOOP("F805", "重力加速度補正"), "68", RowShow::Choice, CharSpan::Whole, 0, true, GravityZones()},
        {61, QT_TRANSLATE_NOOP("F805", "印加電圧(V)"), "69", RowShow::Choice, CharSpan::At, 5, false, {QT_TRANSLATE_NOOP("F805", "5V"), QT_TRANSLATE_NOOP("F805", "10V")}},
        {62, QT_TRANSLATE_NOOP("F805", "ｸﾞﾗﾌｨｯｸﾓｰﾄﾞ"), "70", RowShow::Choice, CharSpan::At, 5, false, {QT_TRANSLATE_NOOP("F805", "ｼﾝｸﾞﾙ"), QT_TRANSLATE_NOOP("F805", "連続"), QT_TRANSLATE_NOOP("F805", "ﾚﾍﾞﾙ")}},
        {63, QT_TRANSLATE_NOOP("F805", "ﾄﾘｶﾞﾚﾍﾞﾙ"), "71", RowShow::Text, CharSpan::Whole, 0, false, {}},
        {64, QT_TRANSLATE_NOOP("F805", "X(時間)軸終点(秒)"), "72", RowShow::Tenths, CharSpan::Last, 3, false, {}},
        {65, QT_TRANSLATE_NOOP("F805", "Y(重量)軸始点"), "73", RowShow::Text, CharSpan::Whole, 0, false, {}},
        {66, QT_TRANSLATE_NOOP("F805", "Y(重量)軸終点"), "74", RowShow::Text, CharSpan::Whole, 0, false, {}},
        {67, QT_TRANSLATE_NOOP("F805", "平均重量"), "80", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {68, QT_TRANSLATE_NOOP("F805", "最大重量"), "81", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {69, QT_TRANSLATE_NOOP("F805", "最小重量"), "82", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {70, QT_TRANSLATE_NOOP("F805", "母標準偏差"), "83", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {71, QT_TRANSLATE_NOOP("F805", "標本標準偏差"), "84", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {72, QT_TRANSLATE_NOOP("F805", "最大－最小"), "85", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {73, QT_TRANSLATE_NOOP("F805", "LOCK(soft)"), "90", RowShow::Choice, CharSpan::At, 5, false, {QT_TRANSLATE_NOOP("F805", "OFF"), QT_TRANSLATE_NOOP("F805", "ON")}},
        {74, QT_TRANSLATE_NOOP("F805", "LANGUAGE"), "91", RowShow::Choice, CharSpan::At, 5, false, {QT_TRANSLATE_NOOP("F805", "JAPANESE"), QT_TRANSLATE_NOOP("F805", "ENGLISH")}},
    };
    return table;
}

// Rows spanned by each bracket of the bracket lines "LineF805".
const std::vector<BracketRange>& Brackets() {
    static const std::vector<BracketRange> table = {{20, 21}, {30, 34}, {40, 44}};
    return table;
}

// Masks of the setting boxes by family (W20 … W90) and index; nullptr = no rule. Every box holds
// the code of its own slot.
constexpr std::array<const char*, 16> kW20 = {
    "00002", "00001", "99999", "99999", "00004", "99999", "00002", "00003",
    "00002", "00099", "00099", "00999", "00002", "00003", "00001", "00009"};
constexpr std::array<const char*, 9> kW30 = {"00003", "00007", "00003", "00011", "00099",
                                                 "00099", "00099", "00099", "09999"};
constexpr std::array<const char*, 5> kW40 = {"11111", "00099", "00099", "00099", "00001"};
constexpr std::array<const char*, 6> kW50 = {"11111", "99999", "00001",
                                                 "00002", "00002", "00001"};
constexpr std::array<const char*, 10> kW60 = {"99999", "99999", "00999", "99999", "99999",
                                                  "00003", "00005", "00001", kOneToSixteen,   "00001"};
constexpr std::array<const char*, 5> kW70 = {"00005", "99999", "00999", "99998", "99999"};
constexpr std::array<const char*, 6> kW80 = {"99999", "99999", "99999",
                                                 "99999", "99999", "99999"};
constexpr std::array<const char*, 2> kW90 = {"00001", "00001"};
// clang-format on

// The settings that affect weighing, as a test certificate lists them.
constexpr const char* kWeighing[] = {"31", "32", "33", "61", "62", "65"};

}  // namespace

const ModelFacts& F805Facts() {
    static const ModelFacts facts{
        .model = IndicatorModel::F805,
        .name = "F805",
        .wideName = "Ｆ８０５",
        .number = "805",
        .windowTitle = QT_TRANSLATE_NOOP("F805", "Ｆ８０５ ｲﾝｼﾞｹｰﾀｰ設定"),
        .option = 0,
        .changeButton = QT_TRANSLATE_NOOP("F805", "F805 銘柄変更"),
        .secondLink = false,
        .handshaking = Handshaking::None,
        .rts = false,
        .products = 100,
        .readPlan = kRead,
        .writePlan = kWrite,
        .fileFields = kFields,
        .entries = Entries,
        .rows = Rows,
        .bracketSet = BracketSet::LineF805,
        .brackets = Brackets,
        .lockLabel = QT_TRANSLATE_NOOP("F805", "LOCK(soft)"),
        .decimalPointRow = 55,
        .softLock = true,
        .storeMoves = {},
        .masks = {kW20, kW30, kW40, kW50, kW60, kW70, kW80, kW90},
        .codeMasks = {},
        .capacityCode = "61",
        .intervalCode = "62",
        .weighingCodes = kWeighing,
    };
    return facts;
}
