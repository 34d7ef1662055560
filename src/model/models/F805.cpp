#include "model/ModelSpec.h"

namespace {

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

// clang-format on

}  // namespace

const ModelSpec& F805Spec() {
    static const ModelSpec spec{IndicatorModel::F805,
                                "F805",
                                "Ｆ８０５",
                                "805",
                                "Ｆ８０５ ｲﾝｼﾞｹｰﾀｰ設定",
                                0,
                                "F805 銘柄変更",
                                false,
                                Handshaking::None,
                                false,
                                kRead,
                                kWrite,
                                kFields};
    return spec;
}
