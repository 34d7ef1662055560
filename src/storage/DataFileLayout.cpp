#include "storage/DataFileLayout.h"

namespace datafile {
namespace {

std::vector<SettingField> F805Fields() {
    return {
        {QStringLiteral("上下限比較有無"), 2, 0},
        {QStringLiteral("上下限比較ﾓｰﾄﾞ"), 2, 1},
        {QStringLiteral("上限"), 2, 2},
        {QStringLiteral("下限"), 2, 3},
        {QStringLiteral("ｾﾞﾛ付近比較有無"), 2, 4},
        {QStringLiteral("ｾﾞﾛ付近"), 2, 5},
        {QStringLiteral("過不足比較有無"), 2, 6},
        {QStringLiteral("過不足比較ﾓｰﾄﾞ"), 2, 7},
        {QStringLiteral("完了信号出力ﾓｰﾄﾞ"), 2, 8},
        {QStringLiteral("完了出力時間"), 2, 9},
        {QStringLiteral("判定時間"), 2, 10},
        {QStringLiteral("比較禁止時間"), 2, 11},
        {QStringLiteral("切り出し制御ﾓｰﾄﾞ"), 2, 12},
        {QStringLiteral("自動落差補正係数"), 2, 13},
        {QStringLiteral("自動落差補正有無"), 2, 14},
        {QStringLiteral("自動落差補正平均回数"), 2, 15},
        {QStringLiteral("表示回数"), 3, 0},
        {QStringLiteral("ﾃﾞｼﾞﾀﾙﾌｨﾙﾀ"), 3, 1},
        {QStringLiteral("ｱﾅﾛｸﾞﾌｨﾙﾀ"), 3, 2},
        {QStringLiteral("安定時ﾌｨﾙﾀ"), 3, 3},
        {QStringLiteral("MD時間"), 3, 4},
        {QStringLiteral("MD幅"), 3, 5},
        {QStringLiteral("ZT時間"), 3, 6},
        {QStringLiteral("ZT幅"), 3, 7},
        {QStringLiteral("DZ規制値"), 3, 8},
        {QStringLiteral("ｼｰｹﾝｽﾓｰﾄﾞ"), 4, 0},
        {QStringLiteral("判定回数"), 4, 1},
        {QStringLiteral("AZ回数"), 4, 2},
        {QStringLiteral("排出時間"), 4, 3},
        {QStringLiteral("START/STOPｷｰ禁止"), 4, 4},
        {QStringLiteral("ﾃﾞｼﾞﾀﾙ風袋引き"), 5, 0},
        {QStringLiteral("風袋設定"), 5, 1},
        {QStringLiteral("自動積算指令"), 5, 2},
        {QStringLiteral("計量銘柄指定"), 5, 3},
        {QStringLiteral("設定銘柄指定"), 5, 4},
        {QStringLiteral("銘柄毎設定ｷｰ禁止"), 5, 5},
        {QStringLiteral("分銅重量値"), 6, 0},
        {QStringLiteral("最大秤量値"), 6, 1},
        {QStringLiteral("最小目盛"), 6, 2},
        {QStringLiteral("正味ｵｰﾊﾞｰ"), 6, 3},
        {QStringLiteral("総重量ｵｰﾊﾞｰ"), 6, 4},
        {QStringLiteral("小数点位置"), 6, 5},
        {QStringLiteral("単位設定"), 6, 6},
        {QStringLiteral("1/4目盛"), 6, 7},
        {QStringLiteral("重力加速度補正"), 6, 8},
        {QStringLiteral("印加電圧"), 6, 9},
        {QStringLiteral("ｸﾞﾗﾌｨｯｸﾓｰﾄﾞ"), 7, 0},
        {QStringLiteral("ﾄﾘｶﾞﾚﾍﾞﾙ"), 7, 1},
        {QStringLiteral("X(時間)軸終点"), 7, 2},
        {QStringLiteral("Y(重量)軸始点"), 7, 3},
        {QStringLiteral("Y(重量)軸終点"), 7, 4},
        {QStringLiteral("平均重量"), 8, 0},
        {QStringLiteral("最大重量"), 8, 1},
        {QStringLiteral("最小重量"), 8, 2},
        {QStringLiteral("母標準偏差"), 8, 3},
        {QStringLiteral("標本標準偏差"), 8, 4},
        {QStringLiteral("最大-最小"), 8, 5},
        {QStringLiteral("LOCK"), 9, 0},
        {QStringLiteral("LANGUAGE"), 9, 1},
    };
}

// The F800 keeps its groups 4 and 5 in the store's groups 6 and 8; its statistics fields run
// maximum, minimum, range, average, then the two deviations.
std::vector<SettingField> F800Fields() {
    return {
        {QStringLiteral("ﾀｲﾏ"), 2, 0},
        {QStringLiteral("比較禁止時間"), 2, 1},
        {QStringLiteral("上限"), 2, 2},
        {QStringLiteral("下限"), 2, 3},
        {QStringLiteral("ｾﾞﾛ付近"), 2, 4},
        {QStringLiteral("風袋設定"), 2, 5},
        {QStringLiteral("AZ回数"), 2, 6},
        {QStringLiteral("判定回数"), 2, 7},
        {QStringLiteral("排出時間"), 2, 8},
        {QStringLiteral("計量開始時間"), 2, 9},
        {QStringLiteral("ｼｰｹﾝｽﾓｰﾄﾞ"), 3, 0},
        {QStringLiteral("計量機能1"), 3, 1},
        {QStringLiteral("計量機能2"), 3, 2},
        {QStringLiteral("計量機能3"), 3, 3},
        {QStringLiteral("機能ｷｰ禁止"), 3, 4},
        {QStringLiteral("ﾌｨﾙﾀ"), 3, 5},
        {QStringLiteral("ﾓｰｼｮﾝﾃﾞｨﾃｸﾄ"), 3, 6},
        {QStringLiteral("ｾﾞﾛﾄﾗｯｷﾝｸﾞ"), 3, 7},
        {QStringLiteral("分銅重量値"), 6, 2},
        {QStringLiteral("最大秤量値"), 6, 3},
        {QStringLiteral("最小目盛"), 6, 4},
        {QStringLiteral("正味ｵｰﾊﾞｰ"), 6, 5},
        {QStringLiteral("総量ｵｰﾊﾞｰ"), 6, 6},
        {QStringLiteral("機能選択"), 6, 7},
        {QStringLiteral("重力加速度補正"), 6, 8},
        {QStringLiteral("最大重量"), 8, 0},
        {QStringLiteral("最小重量"), 8, 1},
        {QStringLiteral("最大-最小"), 8, 2},
        {QStringLiteral("平均重量"), 8, 3},
        {QStringLiteral("母標準偏差"), 8, 4},
        {QStringLiteral("標本標準偏差"), 8, 5},
    };
}

}  // namespace

QString ProductsTable() {
    return QStringLiteral("銘柄");
}

QString SettingsTable() {
    return QStringLiteral("設定値");
}

QString IndicatorField() {
    return QStringLiteral("INDICATOR");
}

QStringList ProductFields() {
    return {QStringLiteral("大投入"),         QStringLiteral("定量前"),      QStringLiteral("定量"),
            QStringLiteral("過量"),           QStringLiteral("不足"),        QStringLiteral("落差"),
            QStringLiteral("自動落差規制値"), QStringLiteral("補正投入時間")};
}

const std::vector<SettingField>& SettingFields(IndicatorModel model) {
    static const std::vector<SettingField> f805 = F805Fields();
    static const std::vector<SettingField> f800 = F800Fields();
    return model == IndicatorModel::F800 ? f800 : f805;
}

ValueFault FaultOf(const QString& value) {
    // C0, DEL and C1 controls.
    for (const QChar c : value)
        if (c.category() == QChar::Other_Control) return ValueFault::ControlCharacter;
    for (const QChar c : value)
        if (c.unicode() > 0x7E) return ValueFault::NotAscii;
    return value.size() > kValueLength ? ValueFault::TooLong : ValueFault::None;
}

bool FileCanHold(const QString& value) {
    return FaultOf(value) == ValueFault::None;
}

QString ModelText(IndicatorModel model) {
    return model == IndicatorModel::F800 ? QStringLiteral("F800") : QStringLiteral("F805");
}

}  // namespace datafile
