#include "model/CatalogueData.h"

namespace catalogue_data {

// The tables keep one item or row per line.
// clang-format off

const std::vector<EntryData>& F805Entries() {
    static const std::vector<EntryData> table = {
        {"20", 0, "上下限比較有無", 2, 0, ItemKind::Choice},
        {"21", 1, "上下限比較ﾓｰﾄﾞ", 2, 1, ItemKind::Choice},
        {"22", 2, "上限", 2, 2, ItemKind::Numeric},
        {"23", 3, "下限", 2, 3, ItemKind::Numeric},
        {"24", 4, "ｾﾞﾛ付近比較有無", 2, 4, ItemKind::Choice},
        {"25", 5, "ｾﾞﾛ付近", 2, 5, ItemKind::Numeric},
        {"26", 6, "過不足比較有無", 2, 6, ItemKind::Choice},
        {"27", 7, "過不足比較ﾓｰﾄﾞ", 2, 7, ItemKind::Choice},
        {"28", 8, "完了信号出力ﾓｰﾄﾞ", 2, 8, ItemKind::Choice},
        {"29", 9, "完了出力時間(秒)", 2, 9, ItemKind::Numeric},
        {"2A", 10, "判定時間(秒)", 2, 10, ItemKind::Numeric},
        {"2B", 11, "比較禁止時間(秒)", 2, 11, ItemKind::Numeric},
        {"2C", 12, "切り出し制御ﾓｰﾄﾞ", 2, 12, ItemKind::Choice},
        {"2D", 13, "自動落差補正係数", 2, 13, ItemKind::Choice},
        {"2E", 14, "自動落差補正有無", 2, 14, ItemKind::Choice},
        {"2F", 15, "自動落差補正平均", 2, 15, ItemKind::Choice},
        {"30", 16, "表示回数", 3, 0, ItemKind::Choice},
        {"31", 17, "ﾃﾞｼﾞﾀﾙﾌｨﾙﾀ", 3, 1, ItemKind::Choice},
        {"32", 18, "ｱﾅﾛｸﾞﾌｨﾙﾀ", 3, 2, ItemKind::Choice},
        {"33", 19, "安定時ﾌｨﾙﾀ・MD", 3, 3, ItemKind::PackedChoice},
        {"34", 20, "MD時間(秒)", 3, 4, ItemKind::Numeric},
        {"35", 21, "MD幅", 3, 5, ItemKind::Numeric},
        {"36", 22, "ZT時間(秒)", 3, 6, ItemKind::Numeric},
        {"37", 23, "ZT幅", 3, 7, ItemKind::Numeric},
        {"38", 24, "DZ規制値", 3, 8, ItemKind::Numeric},
        {"40", 25, "ｼｰｹﾝｽﾓｰﾄﾞ", 4, 0, ItemKind::PackedChoice},
        {"41", 26, "判定回数", 4, 1, ItemKind::Numeric},
        {"42", 27, "AZ回数", 4, 2, ItemKind::Numeric},
        {"43", 28, "排出時間(秒)", 4, 3, ItemKind::Numeric},
        {"44", 29, "START/STOPｷｰ禁止", 4, 4, ItemKind::Choice},
        {"50", 30, "ﾃﾞｼﾞﾀﾙ風袋引き", 5, 0, ItemKind::PackedChoice},
        {"51", 31, "風袋設定", 5, 1, ItemKind::Numeric},
        {"52", 32, "自動積算指令", 5, 2, ItemKind::Choice},
        {"53", 33, "計量銘柄指定", 5, 3, ItemKind::Choice},
        {"54", 34, "設定銘柄指定", 5, 4, ItemKind::Choice},
        {"55", 35, "銘柄毎設定ｷｰ禁止", 5, 5, ItemKind::Choice},
        {"60", 36, "分銅重量値", 6, 0, ItemKind::Numeric},
        {"61", 37, "最大秤量値", 6, 1, ItemKind::Numeric},
        {"62", 38, "最小目盛", 6, 2, ItemKind::Numeric},
        {"63", 39, "正味ｵｰﾊﾞｰ", 6, 3, ItemKind::Numeric},
        {"64", 40, "総重量ｵｰﾊﾞｰ", 6, 4, ItemKind::Numeric},
        {"65", 41, "小数点位置", 6, 5, ItemKind::Choice},
        {"66", 42, "単位設定", 6, 6, ItemKind::Choice},
        {"67", 43, "1/4目盛", 6, 7, ItemKind::Choice},
        {"68", 44, "重力加速度補正", 6, 8, ItemKind::Choice},
        {"69", 45, "印加電圧(V)", 6, 9, ItemKind::Choice},
        {"70", 46, "ｸﾞﾗﾌｨｯｸﾓｰﾄﾞ", 7, 0, ItemKind::Choice},
        {"71", 47, "ﾄﾘｶﾞﾚﾍﾞﾙ", 7, 1, ItemKind::Numeric},
        {"72", 48, "X(時間)軸終点(秒)", 7, 2, ItemKind::Numeric},
        {"73", 49, "Y(重量)軸始点", 7, 3, ItemKind::Numeric},
        {"74", 50, "Y(重量)軸終点", 7, 4, ItemKind::Numeric},
        {"80", 51, "平均重量", 8, 0, ItemKind::Numeric},
        {"81", 52, "最大重量", 8, 1, ItemKind::Numeric},
        {"82", 53, "最小重量", 8, 2, ItemKind::Numeric},
        {"83", 54, "母標準偏差", 8, 3, ItemKind::Numeric},
        {"84", 55, "標本標準偏差", 8, 4, ItemKind::Numeric},
        {"85", 56, "最大-最小", 8, 5, ItemKind::Numeric},
        {"90", 57, "LOCK(soft)", 9, 0, ItemKind::Choice},
        {"91", 58, "LANGUAGE", 9, 1, ItemKind::Choice},
    };
    return table;
}

const std::vector<EntryData>& F800Entries() {
    static const std::vector<EntryData> table = {
        {"20", 0, "ﾀｲﾏ", 2, 0, ItemKind::PackedNumeric},
        {"21", 1, "比較禁止時間(秒)", 2, 1, ItemKind::Numeric},
        {"22", 2, "上限", 2, 2, ItemKind::Numeric},
        {"23", 3, "下限", 2, 3, ItemKind::Numeric},
        {"24", 4, "ｾﾞﾛ付近", 2, 4, ItemKind::Numeric},
        {"25", 5, "風袋設定", 2, 5, ItemKind::Numeric},
        {"26", 6, "AZ回数", 2, 6, ItemKind::Numeric},
        {"27", 7, "判定回数", 2, 7, ItemKind::Numeric},
        {"28", 8, "排出時間(秒)", 2, 8, ItemKind::Numeric},
        {"29", 9, "計量開始時間(秒)", 2, 9, ItemKind::Numeric},
        {"30", 16, "ｼｰｹﾝｽﾓｰﾄﾞ", 3, 0, ItemKind::PackedChoice},
        {"31", 17, "計量機能１", 3, 1, ItemKind::PackedChoice},
        {"32", 18, "計量機能２", 3, 2, ItemKind::PackedChoice},
        {"33", 19, "計量機能３", 3, 3, ItemKind::PackedChoice},
        {"34", 20, "機能ｷｰ禁止", 3, 4, ItemKind::PackedChoice},
        {"35", 21, "ﾌｨﾙﾀ", 3, 5, ItemKind::PackedChoice},
        {"36", 22, "ﾓｰｼｮﾝﾃﾞｨﾃｸﾄ", 3, 6, ItemKind::PackedNumeric},
        {"37", 23, "ｾﾞﾛﾄﾗｯｷﾝｸﾞ", 3, 7, ItemKind::PackedNumeric},
        {"40", 38, "分銅重量値", 6, 2, ItemKind::Numeric},
        {"41", 39, "最大秤量値", 6, 3, ItemKind::Numeric},
        {"42", 40, "最小目盛", 6, 4, ItemKind::Numeric},
        {"43", 41, "正味ｵｰﾊﾞｰ", 6, 5, ItemKind::Numeric},
        {"44", 42, "総量ｵｰﾊﾞｰ", 6, 6, ItemKind::Numeric},
        {"45", 43, "機能選択", 6, 7, ItemKind::PackedChoice},
        {"46", 44, "重力加速度補正", 6, 8, ItemKind::Choice},
        {"50", 51, "最大重量", 8, 0, ItemKind::Numeric},
        {"51", 52, "最小重量", 8, 1, ItemKind::Numeric},
        {"52", 53, "最大－最小", 8, 2, ItemKind::Numeric},
        {"53", 54, "平均重量", 8, 3, ItemKind::Numeric},
        {"54", 55, "母標準偏差", 8, 4, ItemKind::Numeric},
        {"55", 56, "標本標準偏差", 8, 5, ItemKind::Numeric},
    };
    return table;
}

const std::vector<RowData>& F805Rows() {
    static const std::vector<RowData> table = {
        {0, "上下限比較有無", "20", RowShow::Choice, CharSpan::Last, 1, false, {"総重量", "正味重量", "比較 OFF"}},
        {1, "上下限比較ﾓｰﾄﾞ", "21", RowShow::Choice, CharSpan::Last, 1, false, {"常時比較", "外部判定 ON 時"}},
        {2, "上限", "22", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {3, "下限", "23", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {4, "ｾﾞﾛ付近比較有無", "24", RowShow::Choice, CharSpan::Last, 1, false, {"総重量", "正味", "比較 OFF", "絶対総重量", "絶対正味"}},
        {5, "ｾﾞﾛ付近", "25", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {6, "過不足比較有無", "26", RowShow::Choice, CharSpan::Last, 1, false, {"総重量", "正味重量", "比較 OFF"}},
        {7, "過不足比較ﾓｰﾄﾞ", "27", RowShow::Choice, CharSpan::Last, 1, false, {"常時比較", "外部判定 ON 時", "完了信号 ON 時", "完了 ON 時 HOLD"}},
        {8, "完了信号出力ﾓｰﾄﾞ", "28", RowShow::Choice, CharSpan::Last, 1, false, {"判定時間経", "判定 and 安定", "判定 or 安定"}},
        {9, "完了出力時間(秒)", "29", RowShow::Tenths, CharSpan::Last, 2, false, {}},
        {10, "判定時間(秒)", "2A", RowShow::Tenths, CharSpan::Last, 2, false, {}},
        {11, "比較禁止時間(秒)", "2B", RowShow::Hundredths, CharSpan::Last, 3, false, {}},
        {12, "切り出し制御ﾓｰﾄﾞ", "2C", RowShow::Choice, CharSpan::Last, 1, false, {"投入制御", "排出制御", "外部選択"}},
        {13, "自動落差補正係数", "2D", RowShow::Choice, CharSpan::Last, 1, false, {"1", "3/4", "2/4", "1/4"}},
        {14, "自動落差補正有無", "2E", RowShow::Choice, CharSpan::Last, 1, false, {"無し", "有り"}},
        {15, "自動落差補正平均回数", "2F", RowShow::Choice, CharSpan::Last, 1, true, {"1", "2", "3", "4", "5", "6", "7", "8", "9"}},
        {16, "表示回数", "30", RowShow::Choice, CharSpan::Last, 1, false, {"3回／秒", "6回／秒", "13回／秒", "25回／秒"}},
        {17, "ﾃﾞｼﾞﾀﾙﾌｨﾙﾀ", "31", RowShow::Choice, CharSpan::Last, 1, false, {"OFF", "2回", "4回", "8回", "16回", "32回", "64回", "128回"}},
        {18, "ｱﾅﾛｸﾞﾌｨﾙﾀ", "32", RowShow::Choice, CharSpan::Last, 1, false, {"2HZ", "4HZ", "6HZ", "8HZ"}},
        {19, "ﾀﾞﾐｰ", nullptr, RowShow::None, CharSpan::Whole, 0, false, {}},
        {20, "安定時ﾌｨﾙﾀ", "33", RowShow::Choice, CharSpan::At, 4, false, {"挿入する", "挿入しない"}},
        {21, "MDﾓｰﾄﾞ", "33", RowShow::Choice, CharSpan::At, 5, false, {"安定ﾓｰﾄﾞ", "ﾁｪｯｶｰﾓｰﾄﾞ"}},
        {22, "MD時間(秒)", "34", RowShow::Tenths, CharSpan::Last, 2, false, {}},
        {23, "MD幅", "35", RowShow::Text, CharSpan::Last, 2, false, {}},
        {24, "ZT時間(秒)", "36", RowShow::Tenths, CharSpan::Last, 2, false, {}},
        {25, "ZT幅", "37", RowShow::Text, CharSpan::Last, 2, false, {}},
        {26, "DZ規制値", "38", RowShow::Text, CharSpan::Last, 4, false, {}},
        {27, "ﾀﾞﾐｰ", nullptr, RowShow::None, CharSpan::Whole, 0, false, {}},
        {28, "ﾀﾞﾐｰ", nullptr, RowShow::None, CharSpan::Whole, 0, false, {}},
        {29, "ﾀﾞﾐｰ", nullptr, RowShow::None, CharSpan::Whole, 0, false, {}},
        {30, "ｼｰｹﾝｽﾓｰﾄﾞ", "40", RowShow::Choice, CharSpan::At, 1, false, {"単純比較ﾓｰﾄﾞ", "ｼｰｹﾝｽﾓｰﾄﾞ"}},
        {31, "ｽﾀｰﾄ時ｾﾞﾛ付近確認", "40", RowShow::Choice, CharSpan::At, 2, false, {"無し", "有り"}},
        {32, "ｽﾀｰﾄ時重量値確認", "40", RowShow::Choice, CharSpan::At, 3, false, {"無し", "有り"}},
        {33, "補正投入有無", "40", RowShow::Choice, CharSpan::At, 4, false, {"無し", "有り"}},
        {34, "排出ｹﾞｰﾄ制御", "40", RowShow::Choice, CharSpan::At, 5, false, {"無し", "有り"}},
        {35, "判定回数", "41", RowShow::Text, CharSpan::Last, 2, false, {}},
        {36, "AZ回数", "42", RowShow::Text, CharSpan::Last, 2, false, {}},
        {37, "排出時間(秒)", "43", RowShow::Tenths, CharSpan::Last, 2, false, {}},
        {38, "START/STOPｷｰ禁止", "44", RowShow::Choice, CharSpan::Last, 1, false, {"禁止", "有効"}},
        {39, "ﾀﾞﾐｰ", nullptr, RowShow::None, CharSpan::Whole, 0, false, {}},
        {40, "ﾃﾞｼﾞﾀﾙ風袋引き", "50", RowShow::Choice, CharSpan::At, 1, false, {"OFF", "ON"}},
        {41, "G/N 表示切換", "50", RowShow::Choice, CharSpan::At, 2, false, {"内部ｷｰﾓｰﾄﾞ", "外部入力ﾓｰﾄﾞ"}},
        {42, "排出制御時の符号", "50", RowShow::Choice, CharSpan::At, 3, false, {"正味が符号非反転表示", "正味が符号反転表示"}},
        {43, "TARE/DZｷｰ禁止", "50", RowShow::Choice, CharSpan::At, 4, false, {"禁止", "有効"}},
        {44, "GROSS/NETｷｰ禁止", "50", RowShow::Choice, CharSpan::At, 5, false, {"禁止", "有効"}},
        {45, "風袋設定", "51", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {46, "自動積算指令", "52", RowShow::Choice, CharSpan::At, 5, false, {"OFF", "ON"}},
        {47, "計量銘柄指定", "53", RowShow::Choice, CharSpan::At, 5, false, {"内部設定", "外部入力", "外部選択"}},
        {48, "設定銘柄指定", "54", RowShow::Choice, CharSpan::At, 5, false, {"内部設定", "外部入力", "外部選択"}},
        {49, "銘柄毎設定ｷｰ禁止", "55", RowShow::Choice, CharSpan::At, 5, false, {"禁止", "有効"}},
        {50, "分銅重量値", "60", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {51, "最大秤量値", "61", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {52, "最小目盛り", "62", RowShow::Text, CharSpan::Last, 3, false, {}},
        {53, "正味ｵｰﾊﾞｰ", "63", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {54, "総重量ｵｰﾊﾞｰ", "64", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {55, "小数点位置", "65", RowShow::Choice, CharSpan::At, 5, false, {"0", "0.0", "0.00", "0.000"}},
        {56, "単位設定", "66", RowShow::Choice, CharSpan::At, 5, false, {"kg", "g", "N", "t", "1b", "無し"}},
        {57, "1/4目盛", "67", RowShow::Choice, CharSpan::At, 5, false, {"OFF", "ON"}},
        {58, "ﾀﾞﾐｰ", nullptr, RowShow::None, CharSpan::Whole, 0, false, {}},
        {59, "ﾀﾞﾐｰ", nullptr, RowShow::None, CharSpan::Whole, 0, false, {}},
        // The zone number (1 … 16) fills the whole value; reading only its last character
        // would show zone 16 as zone 6.
        {60, "重力加速度補正", "68", RowShow::Choice, CharSpan::Whole, 0, true, GravityZones()},
        {61, "印加電圧(V)", "69", RowShow::Choice, CharSpan::At, 5, false, {"5V", "10V"}},
        {62, "ｸﾞﾗﾌｨｯｸﾓｰﾄﾞ", "70", RowShow::Choice, CharSpan::At, 5, false, {"ｼﾝｸﾞﾙ", "連続", "ﾚﾍﾞﾙ"}},
        {63, "ﾄﾘｶﾞﾚﾍﾞﾙ", "71", RowShow::Text, CharSpan::Whole, 0, false, {}},
        {64, "X(時間)軸終点(秒)", "72", RowShow::Tenths, CharSpan::Last, 3, false, {}},
        {65, "Y(重量)軸始点", "73", RowShow::Text, CharSpan::Whole, 0, false, {}},
        {66, "Y(重量)軸終点", "74", RowShow::Text, CharSpan::Whole, 0, false, {}},
        {67, "平均重量", "80", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {68, "最大重量", "81", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {69, "最小重量", "82", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {70, "母標準偏差", "83", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {71, "標本標準偏差", "84", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {72, "最大－最小", "85", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {73, "LOCK(soft)", "90", RowShow::Choice, CharSpan::At, 5, false, {"OFF", "ON"}},
        {74, "LANGUAGE", "91", RowShow::Choice, CharSpan::At, 5, false, {"JAPANESE", "ENGLISH"}},
    };
    return table;
}

const std::vector<RowData>& F800Rows() {
    static const std::vector<RowData> table = {
        {0, "判定時間(秒)", "20", RowShow::Tenths, CharSpan::First, 2, false, {}},
        {1, "完了出力時間(秒)", "20", RowShow::Tenths, CharSpan::Last, 2, false, {}},
        {2, "比較禁止時間(秒)", "21", RowShow::Hundredths, CharSpan::Last, 3, false, {}},
        {3, "上限", "22", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {4, "下限", "23", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {5, "ｾﾞﾛ付近", "24", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {6, "風袋設定", "25", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {7, "AZ回数", "26", RowShow::Text, CharSpan::Last, 2, false, {}},
        {8, "判定回数", "27", RowShow::Text, CharSpan::Last, 2, false, {}},
        {9, "排出時間(秒)", "28", RowShow::Tenths, CharSpan::Last, 2, false, {}},
        {10, "計量開始時間(秒)", "29", RowShow::Tenths, CharSpan::Last, 2, false, {}},
        {11, "ｼｰｹﾝｽﾓｰﾄﾞ", "30", RowShow::Choice, CharSpan::At, 1, false, {"単純比較ﾓｰﾄﾞ", "ｼｰｹﾝｽﾓｰﾄﾞ"}},
        {12, "補正投入", "30", RowShow::Choice, CharSpan::At, 2, false, {"補正投入　無し", "補正投入　有り"}},
        {13, "ｾﾞﾛ付近確認", "30", RowShow::Choice, CharSpan::At, 3, false, {"ｽﾀｰﾄ時ｾﾞﾛ付近確認　無し", "ｽﾀｰﾄ時ｾﾞﾛ付近確認　有り"}},
        {14, "重量値確認", "30", RowShow::Choice, CharSpan::At, 4, false, {"ｽﾀｰﾄ時重量値確認　無し", "ｽﾀｰﾄ時重量値確認　有り"}},
        {15, "排出ｹﾞｰﾄ制御", "30", RowShow::Choice, CharSpan::At, 5, false, {"排出ｹﾞｰﾄ制御　無し", "排出ｹﾞｰﾄ制御　有り", "排出ｹﾞｰﾄ制御　有り(ｾﾞﾛ付近確認)"}},
        {16, "自動積算指令", "31", RowShow::Choice, CharSpan::At, 2, false, {"自動積算指令　OFF", "自動積算指令　ON"}},
        {17, "定量及び過不足比較", "31", RowShow::Choice, CharSpan::At, 3, false, {"総重量", "正味重量", "比較　OFF"}},
        {18, "上下限比較", "31", RowShow::Choice, CharSpan::At, 4, false, {"総重量", "正味重量", "比較　OFF"}},
        {19, "ｾﾞﾛ付近比較", "31", RowShow::Choice, CharSpan::At, 5, false, {"総量 =< ｾﾞﾛ付近設定時ON", "正味 =< ｾﾞﾛ付近設定時ON", "比較　OFF", "絶対値総量 =< ｾﾞﾛ付近設定時ON", "絶対値正味 =< ｾﾞﾛ付近設定時ON"}},
        {20, "銘柄指定", "32", RowShow::Choice, CharSpan::At, 1, false, {"内部設定　・内部入力", "外部入力　・内部入力", "外部選択　・内部入力", "内部設定　・外部入力", "外部入力　・外部入力", "外部選択　・外部入力", "内部設定　・外部選択", "外部入力　・外部選択", "外部選択　・外部選択"}},
        {21, "切り出し制御ﾓｰﾄﾞ", "32", RowShow::Choice, CharSpan::At, 2, false, {"投入制御", "排出制御", "外部選択(投入OFF/排出ON)"}},
        {22, "過不足比較ﾓｰﾄﾞ", "32", RowShow::Choice, CharSpan::At, 3, false, {"常時比較", "外部判定入力ON時比較", "完了出力ON時比較", "完了出力ON時比較(重量値ﾎｰﾙﾄﾞ)"}},
        {23, "上下限比較ﾓｰﾄﾞ", "32", RowShow::Choice, CharSpan::At, 4, false, {"常時比較", "外部判定入力ON時比較"}},
        {24, "完了信号出力ﾓｰﾄﾞ", "32", RowShow::Choice, CharSpan::At, 5, false, {"判定ﾀｲﾏ経過後完了出力時間ON", "判定ﾀｲﾏ経過後安定から完了出力時間ON", "定量過不足比較ON後判定ﾀｲﾏ重量値安定後ON"}},
        {25, "自動落差補正係数", "33", RowShow::Choice, CharSpan::At, 2, false, {"1", "3/4", "2/4", "1/4"}},
        {26, "自動落差補正", "33", RowShow::Choice, CharSpan::At, 3, false, {"無し", "有り"}},
        {27, "自動落差補正平均回数", "33", RowShow::Choice, CharSpan::At, 4, true, {"1", "2", "3", "4", "5", "6", "7", "8", "9"}},
        {28, "ﾃﾞｼﾞﾀﾙ風袋引", "33", RowShow::Choice, CharSpan::At, 5, false, {"OFF", "ON"}},
        {30, "風袋引ｷｰ", "34", RowShow::Choice, CharSpan::At, 2, false, {"禁止", "有効"}},
        {31, "風袋引ﾘｾｯﾄｷｰ", "34", RowShow::Choice, CharSpan::At, 3, false, {"禁止", "有効"}},
        {32, "総重量/正味ｷｰ", "34", RowShow::Choice, CharSpan::At, 4, false, {"禁止", "有効"}},
        {33, "ｾﾞﾛ調整ｷｰ", "34", RowShow::Choice, CharSpan::At, 5, false, {"禁止", "有効"}},
        {34, "ﾃﾞｼﾞﾀﾙﾌｨﾙﾀ", "35", RowShow::Choice, CharSpan::At, 4, false, {"OFF", "2回", "4回", "8回"}},
        {35, "ｱﾅﾛｸﾞﾌｨﾙﾀ", "35", RowShow::Choice, CharSpan::At, 5, false, {"2HZ", "4HZ", "6HZ", "8HZ"}},
        {36, "ﾓｰｼｮﾝﾃﾞｨﾃｸﾄ時間(秒)", "36", RowShow::Tenths, CharSpan::First, 2, false, {}},
        {37, "ﾓｰｼｮﾝﾃﾞｨﾃｸﾄ変化幅", "36", RowShow::Text, CharSpan::Last, 2, false, {}},
        {38, "ｾﾞﾛﾄﾗｯｷﾝｸﾞ時間(秒)", "37", RowShow::Tenths, CharSpan::First, 2, false, {}},
        {39, "ｾﾞﾛﾄﾗｯｷﾝｸﾞ幅", "37", RowShow::Text, CharSpan::Last, 2, false, {}},
        {40, "分銅重量値", "40", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {41, "最大秤量値", "41", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {42, "最小目盛", "42", RowShow::Text, CharSpan::Last, 3, false, {}},
        {43, "正味ｵｰﾊﾞｰ", "43", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {44, "総量ｵｰﾊﾞｰ", "44", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {45, "表示回数", "45", RowShow::Choice, CharSpan::At, 2, false, {"3回／秒", "6回／秒", "13回／秒", "25回／秒"}},
        {46, "小数点位置", "45", RowShow::Choice, CharSpan::At, 3, false, {"0", "0.0", "0.00", "0.000"}},
        {47, "1/4目盛", "45", RowShow::Choice, CharSpan::At, 4, false, {"OFF", "ON"}},
        {48, "単位表示", "45", RowShow::Choice, CharSpan::At, 5, false, {"無し", "t", "g", "kg", "N"}},
        // The zone number (1 … 16) fills the whole value; reading only its last character
        // would show zone 16 as zone 6.
        {60, "重力加速度補正", "46", RowShow::Choice, CharSpan::Whole, 0, true, GravityZones()},
        {67, "最大重量", "50", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {68, "最小重量", "51", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {69, "最大－最小", "52", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {70, "平均重量", "53", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {71, "母標準偏差", "54", RowShow::Weight, CharSpan::Whole, 0, false, {}},
        {72, "標本標準偏差", "55", RowShow::Weight, CharSpan::Whole, 0, false, {}},
    };
    return table;
}

const QStringList& GravityZones() {
    static const QStringList zones = {
        "01(9.806)釧路市,北見市,網走市,留萌市,稚内市,紋別市,根室市,宗谷支庁管内,留萌支庁管内,網走支庁管内,根室支庁管内,釧路支庁管内",
        "02(9.805)札幌市,小樽市,旭川市,夕張市,岩見沢市,美唄市,芦別市,江別市,赤平氏,士別市,富良野市,名寄市,三笠市,千歳市,滝川市,砂川市,歌志内市,深川市,恵庭市,石狩支庁管内,後志支庁管内,上川支庁管内,空知支庁管内",
        "03(9.804)函館市,室蘭市,帯広市,苫小牧市,登別市,伊達市,渡島支庁管内,槍山支庁管内,胆振支庁管内,日高支庁管内,十勝支庁管内",
        "04(9.803)青森県",
        "05(9.802)岩手県,秋田県",
        "06(9.801)宮城県,山形県",
        "07(9.800)福島県,茨城県,新潟県",
        "08(9.799)栃木県,富山県,石川県",
        "09(9.798)群馬県,埼玉県,千葉県,東京都(八丈支庁館内,小笠原支庁管内を除く),福井県,京都府,鳥取県,島根県",
        "10(9.797)神奈川県,山梨県,長野県,岐阜県,静岡県,愛知県,三重県,和歌山県,滋賀県,大阪府,兵庫県,奈良県,岡山県,広島県,山口県,徳島県,香川県",
        "11(9.796)東京都(八丈支庁管内に限る),愛媛県,高知県,福岡県,佐賀県,長崎県,大分県",
        "12(9.795)熊本県,宮崎県",
        "13(9.794)鹿児島県(名瀬市,大島郡を除く)",
        "14(9.793)東京都(小笠原支庁管内に限る)",
        "15(9.792)鹿児島県(名瀬市,大島郡に限る)",
        "16(9.791)沖縄県",
    };
    return zones;
}


const std::vector<ButtonRun>& ButtonLayout() {
    static const std::vector<ButtonRun> table = {
        {0, 2, 16}, {16, 3, 9}, {25, 4, 5}, {30, 5, 6},
        {36, 6, 10}, {46, 7, 5}, {51, 8, 6}, {57, 9, 2},
    };
    return table;
}

const std::vector<BracketRange>& F805Brackets() {
    static const std::vector<BracketRange> table = {{20, 21}, {30, 34}, {40, 44}};
    return table;
}

const std::vector<BracketRange>& F800Brackets() {
    static const std::vector<BracketRange> table = {
        {11, 15}, {16, 19}, {20, 24}, {25, 28}, {30, 33},
        {34, 35}, {36, 37}, {38, 39}, {45, 48},
    };
    return table;
}

const QStringList& ProductLabels() {
    static const QStringList labels = {
        "大投入", "定量前", "定量", "過量", "不足", "落差", "自動落差規制値", "補正投入時間",
    };
    return labels;
}

// clang-format on

}  // namespace catalogue_data
