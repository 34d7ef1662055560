#include "texts/TransferTexts.h"

namespace {

using T = TransferText;
constexpr const char* kContext = "transfer";

// clang-format off
constexpr texts::TextRow<TransferText> kTexts[] = {
    {T::SettingsReading, QT_TRANSLATE_NOOP("transfer", "設定値 読み込み中")},
    {T::SettingsReadDone, QT_TRANSLATE_NOOP("transfer", "設定値 読み込み完了")},
    {T::SettingsReadIncomplete, QT_TRANSLATE_NOOP("transfer", "設定値 読み込み未完了")},
    {T::SettingsReadStopped, QT_TRANSLATE_NOOP("transfer", "設定値 読み込み中断")},
    {T::SettingsSending, QT_TRANSLATE_NOOP("transfer", "設定値 %1 送信中")},
    {T::SettingsSendDone, QT_TRANSLATE_NOOP("transfer", "設定値送信完了")},
    {T::SettingsSendIncomplete, QT_TRANSLATE_NOOP("transfer", "設定値送信未完了")},
    {T::SettingsSendStopped, QT_TRANSLATE_NOOP("transfer", "設定値送信中断")},
    {T::ProductReading, QT_TRANSLATE_NOOP("transfer", "銘柄 %1 読み込み中")},
    {T::ProductReadDone, QT_TRANSLATE_NOOP("transfer", "銘柄読み込み完了")},
    {T::ProductReadIncomplete, QT_TRANSLATE_NOOP("transfer", "銘柄読み込み未完了")},
    {T::ProductReadStopped, QT_TRANSLATE_NOOP("transfer", "銘柄読み込み中断")},
    {T::ProductSending, QT_TRANSLATE_NOOP("transfer", "銘柄 %1 送信中")},
    {T::ProductSendDone, QT_TRANSLATE_NOOP("transfer", "銘柄送信完了")},
    {T::ProductSendStopped, QT_TRANSLATE_NOOP("transfer", "銘柄送信中断")},
    {T::ProductWriting, QT_TRANSLATE_NOOP("transfer", "銘柄 %1 書き込み中")},
    {T::ProductWriteDone, QT_TRANSLATE_NOOP("transfer", "銘柄書き込み完了")},
    {T::ProductWriteStopped, QT_TRANSLATE_NOOP("transfer", "銘柄書き込み中断")},
    {T::InvalidProduct, QT_TRANSLATE_NOOP("transfer", "銘柄データが無効です")},
    {T::InvalidStored, QT_TRANSLATE_NOOP("transfer", "無効なデータがあるため転送できません")},
    {T::InvalidShown, QT_TRANSLATE_NOOP("transfer", "無効なデータがあるため転送できません。")},
    {T::NoProductNumber, QT_TRANSLATE_NOOP("transfer", "指示計の応答に銘柄番号がありません。\r\n応答：%1\r\n")},
    {T::ProductOutOfRange, QT_TRANSLATE_NOOP("transfer", "銘柄番号 %1 は範囲外です。")},
    {T::ChangedSending, QT_TRANSLATE_NOOP("transfer", "変更分 送信中")},
    {T::ChangedSendDone, QT_TRANSLATE_NOOP("transfer", "変更分 %1 件 送信完了")},
    {T::ChangedSendIncomplete, QT_TRANSLATE_NOOP("transfer", "変更分 送信：指示計の確認なし")},
    {T::ChangedSendStopped, QT_TRANSLATE_NOOP("transfer", "変更分 送信中断")},
    {T::NoChanges, QT_TRANSLATE_NOOP("transfer", "指示計の値と異なる値はありません")},
};
// clang-format on
static_assert(texts::InOrder(kTexts), "kTexts follows the order of TransferText");

}  // namespace

QString Tr(TransferText id) {
    return texts::Render(kContext, kTexts, id);
}

void AddTransferSources(std::vector<texts::Source>& into) {
    texts::AddSources(into, kContext, kTexts);
}
