#include "texts/AppTexts.h"

namespace {

using T = AppText;
constexpr const char* kContext = "app";

// clang-format off
constexpr texts::TextRow<AppText> kTexts[] = {
    {T::FromDataFile, QT_TRANSLATE_NOOP("app", "データファイル %1")},
    {T::FromIndicator, QT_TRANSLATE_NOOP("app", "指示計 %1")},
    {T::FromJournal, QT_TRANSLATE_NOOP("app", "履歴 %1")},
    {T::ClearQuestion, QT_TRANSLATE_NOOP("app", "機種を変更する場合、設定値をクリヤする必要があります。\r\n今すぐクリヤしますか？ (銘柄データは残ります)")},
    {T::AllReadCaption, QT_TRANSLATE_NOOP("app", "%1一括読みだし")},
    {T::AllWriteCaption, QT_TRANSLATE_NOOP("app", "%1一括書き込み")},
    {T::ReadWriteCaption, QT_TRANSLATE_NOOP("app", "%1 読み書き")},
    {T::CommPortNotNumber, QT_TRANSLATE_NOOP("app", "設定ファイルの [%1] CommPort \"%2\" は数値ではありません。")},
    {T::PortNotListed, QT_TRANSLATE_NOOP("app", "ポート番号 %1 はﾎﾟｰﾄ番号の一覧 (Com1 … Com%2) にありません。")},
};
// clang-format on
static_assert(texts::InOrder(kTexts), "kTexts follows the order of AppText");

}  // namespace

QString Tr(AppText id) {
    return texts::Render(kContext, kTexts, id);
}

void AddAppSources(std::vector<texts::Source>& into) {
    texts::AddSources(into, kContext, kTexts);
}
