#include "model/CatalogueData.h"

namespace catalogue_data {

// The tables keep one item or row per line.
// clang-format off

const QStringList& GravityZones() {
    static const QStringList zones = {
        QT_TRANSLATE_NOOP("catalogue", "01(9.806)釧路市,北見市,網走市,留萌市,稚内市,紋別市,根室市,宗谷支庁管内,留萌支庁管内,網走支庁管内,根室支庁管内,釧路支庁管内"),
        QT_TRANSLATE_NOOP("catalogue", "02(9.805)札幌市,小樽市,旭川市,夕張市,岩見沢市,美唄市,芦別市,江別市,赤平氏,士別市,富良野市,名寄市,三笠市,千歳市,滝川市,砂川市,歌志内市,深川市,恵庭市,石狩支庁管内,後志支庁管内,上川支庁管内,空知支庁管内"),
        QT_TRANSLATE_NOOP("catalogue", "03(9.804)函館市,室蘭市,帯広市,苫小牧市,登別市,伊達市,渡島支庁管内,槍山支庁管内,胆振支庁管内,日高支庁管内,十勝支庁管内"),
        QT_TRANSLATE_NOOP("catalogue", "04(9.803)青森県"),
        QT_TRANSLATE_NOOP("catalogue", "05(9.802)岩手県,秋田県"),
        QT_TRANSLATE_NOOP("catalogue", "06(9.801)宮城県,山形県"),
        QT_TRANSLATE_NOOP("catalogue", "07(9.800)福島県,茨城県,新潟県"),
        QT_TRANSLATE_NOOP("catalogue", "08(9.799)栃木県,富山県,石川県"),
        QT_TRANSLATE_NOOP("catalogue", "09(9.798)群馬県,埼玉県,千葉県,東京都(八丈支庁館内,小笠原支庁管内を除く),福井県,京都府,鳥取県,島根県"),
        QT_TRANSLATE_NOOP("catalogue", "10(9.797)神奈川県,山梨県,長野県,岐阜県,静岡県,愛知県,三重県,和歌山県,滋賀県,大阪府,兵庫県,奈良県,岡山県,広島県,山口県,徳島県,香川県"),
        QT_TRANSLATE_NOOP("catalogue", "11(9.796)東京都(八丈支庁管内に限る),愛媛県,高知県,福岡県,佐賀県,長崎県,大分県"),
        QT_TRANSLATE_NOOP("catalogue", "12(9.795)熊本県,宮崎県"),
        QT_TRANSLATE_NOOP("catalogue", "13(9.794)鹿児島県(名瀬市,大島郡を除く)"),
        QT_TRANSLATE_NOOP("catalogue", "14(9.793)東京都(小笠原支庁管内に限る)"),
        QT_TRANSLATE_NOOP("catalogue", "15(9.792)鹿児島県(名瀬市,大島郡に限る)"),
        QT_TRANSLATE_NOOP("catalogue", "16(9.791)沖縄県"),
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

const QStringList& ProductLabels() {
    static const QStringList labels = {
        QT_TRANSLATE_NOOP("catalogue", "大投入"), QT_TRANSLATE_NOOP("catalogue", "定量前"), QT_TRANSLATE_NOOP("catalogue", "定量"), QT_TRANSLATE_NOOP("catalogue", "過量"), QT_TRANSLATE_NOOP("catalogue", "不足"), QT_TRANSLATE_NOOP("catalogue", "落差"), QT_TRANSLATE_NOOP("catalogue", "自動落差規制値"), QT_TRANSLATE_NOOP("catalogue", "補正投入時間"),
    };
    return labels;
}

// clang-format on

}  // namespace catalogue_data
