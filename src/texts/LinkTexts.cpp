#include "texts/LinkTexts.h"

namespace {

using T = LinkText;
constexpr const char* kContext = "link";

// clang-format off
constexpr texts::TextRow<LinkText> kTexts[] = {
    {T::Timeout, QT_TRANSLATE_NOOP("link", "    エラー。タイムアウト    ")},
    {T::PortNotOpen, QT_TRANSLATE_NOOP("link", "ポートが開いていません。")},
    {T::LineBreakInValue, QT_TRANSLATE_NOOP("link", "送信する値に改行文字が含まれています。")},
    {T::ReplyTooLong, QT_TRANSLATE_NOOP("link", "指示計からの応答が長すぎます（%1 文字を超えました）。")},
    {T::QuotedReply, QT_TRANSLATE_NOOP("link", "「%1」")},
    {T::LinkOk, QT_TRANSLATE_NOOP("link", "通信ＯＫ")},
    {T::ProductPlace, QT_TRANSLATE_NOOP("link", "銘柄 %1")},
    {T::ProductItemPlace, QT_TRANSLATE_NOOP("link", "銘柄 %1 (%2)")},
    {T::ProductValuePlace, QT_TRANSLATE_NOOP("link", "銘柄 %1 %2")},
    {T::AndMore, QT_TRANSLATE_NOOP("link", " ほか %1 件")},
    {T::NotReadWhole, QT_TRANSLATE_NOOP("link", "次の値を正しく読めませんでした: ")},
    {T::LiveGross, QT_TRANSLATE_NOOP("link", "総重量")},
    {T::LiveNet, QT_TRANSLATE_NOOP("link", "正味重量")},
    {T::LiveTare, QT_TRANSLATE_NOOP("link", "風袋")},
    {T::LiveStatus1, QT_TRANSLATE_NOOP("link", "ｽﾃｰﾀｽ1")},
    {T::LiveStatus2, QT_TRANSLATE_NOOP("link", "ｽﾃｰﾀｽ2")},
    {T::LiveStatus3, QT_TRANSLATE_NOOP("link", "ｽﾃｰﾀｽ3")},
    {T::LiveStatus4, QT_TRANSLATE_NOOP("link", "ｽﾃｰﾀｽ4")},
    {T::LiveCount, QT_TRANSLATE_NOOP("link", "累積回数")},
    {T::LiveTotal, QT_TRANSLATE_NOOP("link", "累積値")},
    {T::LiveTotalData, QT_TRANSLATE_NOOP("link", "累積ﾃﾞｰﾀ")},
    {T::LiveWeighingData, QT_TRANSLATE_NOOP("link", "計量ﾃﾞｰﾀ")},
    {T::ZeroCalibration, QT_TRANSLATE_NOOP("link", "ｾﾞﾛ校正")},
    {T::SpanCalibration, QT_TRANSLATE_NOOP("link", "ｽﾊﾟﾝ校正")},
    {T::ShowGross, QT_TRANSLATE_NOOP("link", "表示・総重量")},
    {T::ShowNet, QT_TRANSLATE_NOOP("link", "表示・正味重量")},
    {T::TareOn, QT_TRANSLATE_NOOP("link", "風袋引き")},
    {T::TareReset, QT_TRANSLATE_NOOP("link", "風袋引きﾘｾｯﾄ")},
    {T::DigitalZero, QT_TRANSLATE_NOOP("link", "ﾃﾞｼﾞﾀﾙｾﾞﾛ")},
    {T::DigitalZeroReset, QT_TRANSLATE_NOOP("link", "ﾃﾞｼﾞﾀﾙｾﾞﾛﾘｾｯﾄ")},
    {T::AddUp, QT_TRANSLATE_NOOP("link", "積算指令")},
    {T::ClearTotal, QT_TRANSLATE_NOOP("link", "累積ｸﾘﾔ")},
    {T::ClearAllTotals, QT_TRANSLATE_NOOP("link", "累積ｵｰﾙｸﾘﾔ")},
    {T::Details, QT_TRANSLATE_NOOP("link", "詳細")},
    {T::RunReadOneProduct, QT_TRANSLATE_NOOP("link", "１銘柄読みだし")},
    {T::RunReadAllProducts, QT_TRANSLATE_NOOP("link", "全銘柄読みだし")},
    {T::RunWriteOneProduct, QT_TRANSLATE_NOOP("link", "１銘柄書き込み")},
    {T::RunWriteAllProducts, QT_TRANSLATE_NOOP("link", "全銘柄書き込み")},
    {T::RunWriteShownProduct, QT_TRANSLATE_NOOP("link", "表示ﾃﾞｰﾀ書き込み")},
    {T::RunWriteShownToAll, QT_TRANSLATE_NOOP("link", "全銘柄表示ﾃﾞｰﾀ書き込み")},
    {T::RunAllRead, QT_TRANSLATE_NOOP("link", "一括読みだし")},
    {T::RunAllWrite, QT_TRANSLATE_NOOP("link", "一括書き込み")},
    {T::RunReadAllSettings, QT_TRANSLATE_NOOP("link", "設定値読み出し")},
    {T::RunWriteAllSettings, QT_TRANSLATE_NOOP("link", "設定値書き込み")},
    {T::RunCompareRead, QT_TRANSLATE_NOOP("link", "指示計と比較")},
    {T::RunBeforeWrite, QT_TRANSLATE_NOOP("link", "書き込み前")},
    {T::NoteVerifyOk, QT_TRANSLATE_NOOP("link", "照合 OK")},
    {T::NoteVerifyRefused, QT_TRANSLATE_NOOP("link", "照合：%1 件が一致しません")},
    {T::NoteVerifyUnread, QT_TRANSLATE_NOOP("link", "照合：%1 件を正しく読めませんでした")},
    {T::NoteVerifyTimedOut, QT_TRANSLATE_NOOP("link", "照合：タイムアウトのため確認できませんでした")},
    {T::NoteProductRestored, QT_TRANSLATE_NOOP("link", "指示計の銘柄を %1 に戻しました")},
    {T::NoteStopped, QT_TRANSLATE_NOOP("link", "Ctrl+C で中断")},
    {T::NoteStoppedAtSetting, QT_TRANSLATE_NOOP("link", "Ctrl+C で中断 (最後: W%1 %2)")},
    {T::NoteStoppedAtProduct, QT_TRANSLATE_NOOP("link", "Ctrl+C で中断 (最後: 銘柄 %1 W%2 %3)")},
    {T::RunCalibrationTest, QT_TRANSLATE_NOOP("link", "校正・検査")},
    {T::RunWriteChanged, QT_TRANSLATE_NOOP("link", "変更分のみ書き込み")},
    {T::NoteCalibrationResult, QT_TRANSLATE_NOOP("link", "調整前 %1、調整後 %2")},
    {T::NoteNone, QT_TRANSLATE_NOOP("link", "（なし）")},
    {T::NoteJoiner, QT_TRANSLATE_NOOP("link", "、")},
};
// clang-format on
static_assert(texts::InOrder(kTexts), "kTexts follows the order of LinkText");

}  // namespace

QString Tr(LinkText id) {
    return texts::Render(kContext, kTexts, id);
}

QString Source(LinkText id) {
    return texts::SourceOf(kTexts, id);
}

void AddLinkSources(std::vector<texts::Source>& into) {
    texts::AddSources(into, kContext, kTexts);
}
