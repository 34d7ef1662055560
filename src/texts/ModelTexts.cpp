#include "texts/ModelTexts.h"

namespace {

using T = ModelText;
constexpr const char* kContext = "model";

// clang-format off
constexpr texts::TextRow<ModelText> kTexts[] = {
    {T::InvalidData, QT_TRANSLATE_NOOP("model", "無効なﾃﾞｰﾀ")},
    {T::DisplayGross, QT_TRANSLATE_NOOP("model", "総重量")},
    {T::DisplayNet, QT_TRANSLATE_NOOP("model", "正味")},
    {T::ModeCompareOff, QT_TRANSLATE_NOOP("model", "比較OFF")},
    {T::ModeWeighing, QT_TRANSLATE_NOOP("model", "計量中")},
    {T::ModeZeroCalibrating, QT_TRANSLATE_NOOP("model", "ZERO校正中")},
    {T::ModeSpanCalibrating, QT_TRANSLATE_NOOP("model", "SPAN校正中")},
    {T::HoldCaption, QT_TRANSLATE_NOOP("model", "重量値ﾎｰﾙﾄﾞ")},
    {T::ZeroErrorCaption, QT_TRANSLATE_NOOP("model", "重量値ｾﾞﾛ異常")},
    {T::StableCaption, QT_TRANSLATE_NOOP("model", "重量値安定")},
    {T::TareInUseCaption, QT_TRANSLATE_NOOP("model", "風袋引き中")},
    {T::DisplayCaption, QT_TRANSLATE_NOOP("model", "重量表示")},
    {T::RearLockCaption, QT_TRANSLATE_NOOP("model", "背面端子LOCK")},
    {T::SoftLockCaption, QT_TRANSLATE_NOOP("model", "LOCK(soft)")},
    {T::CoarseFeedSignal, QT_TRANSLATE_NOOP("model", "大投入出力信号")},
    {T::MediumFeedSignal, QT_TRANSLATE_NOOP("model", "中投入出力信号")},
    {T::FineFeedSignal, QT_TRANSLATE_NOOP("model", "小投入出力信号")},
    {T::UnderSignal, QT_TRANSLATE_NOOP("model", "不足出力信号")},
    {T::GoodSignal, QT_TRANSLATE_NOOP("model", "正量出力信号")},
    {T::OverSignal, QT_TRANSLATE_NOOP("model", "過量出力信号")},
    {T::CompleteSignal, QT_TRANSLATE_NOOP("model", "完了出力信号")},
    {T::NearZeroSignal, QT_TRANSLATE_NOOP("model", "ｾﾞﾛ付近出力信号")},
    {T::LowerLimitSignal, QT_TRANSLATE_NOOP("model", "下限出力信号")},
    {T::UpperLimitSignal, QT_TRANSLATE_NOOP("model", "上限出力信号")},
    {T::DischargeSignal, QT_TRANSLATE_NOOP("model", "排出出力信号")},
    {T::Undefined, QT_TRANSLATE_NOOP("model", "未定義")},
    {T::WeightErrorSignal, QT_TRANSLATE_NOOP("model", "重量異常出力信号")},
    {T::ErrorSignal, QT_TRANSLATE_NOOP("model", "ｴﾗｰ出力信号")},
    {T::OperationModeCaption, QT_TRANSLATE_NOOP("model", "動作ﾓｰﾄﾞ")},
    {T::OverflowCaption, QT_TRANSLATE_NOOP("model", "重量値ｵｰﾊﾞｰﾌﾛｰ")},
    {T::CalibrationErrorCaption, QT_TRANSLATE_NOOP("model", "校正ｴﾗｰ")},
    {T::SequenceErrorCaption, QT_TRANSLATE_NOOP("model", "ｼｰｹﾝｽｴﾗｰ")},
    {T::NotListed, QT_TRANSLATE_NOOP("model", "（該当なし %1）")},
    {T::MaskMessage, QT_TRANSLATE_NOOP("model", "入力された値は無効な値です。00000 から %1 までの 5 桁の数値を入力して下さい。")},
    {T::ZeroZoneMessage, QT_TRANSLATE_NOOP("model", "入力された値は無効な値です。00001 から 00016 までの 5 桁の数値を入力して下さい。")},
    {T::CopyDone, QT_TRANSLATE_NOOP("model", "処理完了。 100 銘柄同じ設定にしました。")},
    {T::CopyRefused, QT_TRANSLATE_NOOP("model", "無効な入力があるため設定できません。")},
};
// clang-format on
static_assert(texts::InOrder(kTexts), "kTexts follows the order of ModelText");

}  // namespace

QString Tr(ModelText id) {
    return texts::Render(kContext, kTexts, id);
}

void AddModelSources(std::vector<texts::Source>& into) {
    texts::AddSources(into, kContext, kTexts);
}
