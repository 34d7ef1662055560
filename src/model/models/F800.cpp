#include "model/ModelSpec.h"

namespace {

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

// clang-format on

}  // namespace

const ModelSpec& F800Spec() {
    static const ModelSpec spec{IndicatorModel::F800,
                                "F800",
                                "Ｆ８００",
                                "800",
                                "Ｆ８００ ｲﾝｼﾞｹｰﾀｰ設定",
                                1,
                                "F800銘柄変更",
                                true,
                                Handshaking::RtsCts,
                                true,
                                kRead,
                                kWrite,
                                kFields};
    return spec;
}
