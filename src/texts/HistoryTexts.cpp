#include "texts/HistoryTexts.h"

namespace {

using T = HistoryText;
constexpr const char* kContext = "history";

// clang-format off
constexpr texts::TextRow<HistoryText> kTexts[] = {
    {T::NoData, QT_TRANSLATE_NOOP("history", "（なし）")},
    {T::SettingsDiffer, QT_TRANSLATE_NOOP("history", "設定値 %1 件")},
    {T::ProductsDiffer, QT_TRANSLATE_NOOP("history", "銘柄 %1 件")},
    {T::Same, QT_TRANSLATE_NOOP("history", "同じです")},
    {T::ListJoiner, QT_TRANSLATE_NOOP("history", "、")},
    {T::Differ, QT_TRANSLATE_NOOP("history", "%1が異なります")},
    {T::ProductPlace, QT_TRANSLATE_NOOP("history", "銘柄 %1 %2")},
    {T::ReadingPlaces, QT_TRANSLATE_NOOP("history", "%1 読み込み中")},
    {T::PlacesReadStopped, QT_TRANSLATE_NOOP("history", "%1 読み込み中断")},
    {T::PlacesReadDone, QT_TRANSLATE_NOOP("history", "%1 読み込み完了")},
    {T::BeforeWriteValues, QT_TRANSLATE_NOOP("history", "書き込み前の値")},
    {T::WrittenValues, QT_TRANSLATE_NOOP("history", "書き込んだ値")},
    {T::NotKept, QT_TRANSLATE_NOOP("history", "履歴を記録できませんでした（%1: %2）")},
    {T::NotFound, QT_TRANSLATE_NOOP("history", "この履歴は見つかりません。")},
    {T::CannotOpen, QT_TRANSLATE_NOOP("history", "履歴ファイルを開けません。")},
    {T::NoSqliteDriver, QT_TRANSLATE_NOOP("history", "SQLite のドライバー（QSQLITE）が見つかりません。")},
    {T::Newer, QT_TRANSLATE_NOOP("history", "新しい版の Rusk が作った履歴ファイルです。")},
    {T::Rebuilt, QT_TRANSLATE_NOOP("history", "履歴ファイルが壊れていたため、別名で保存して新しく作り直しました。\n%1")},
    {T::OtherModel, QT_TRANSLATE_NOOP("history", "この履歴は%1の値です。機種を%1にしてから戻してください。")},
    {T::SaveFailed, QT_TRANSLATE_NOOP("history", "ファイルを保存できませんでした。\n%1")},
    {T::KeepBeforeFailed, QT_TRANSLATE_NOOP("history", "書き込み前の値を履歴に保存できないため、書き込みません。\n")},
};
// clang-format on
static_assert(texts::InOrder(kTexts), "kTexts follows the order of HistoryText");

}  // namespace

QString Tr(HistoryText id) {
    return texts::Render(kContext, kTexts, id);
}

void AddHistorySources(std::vector<texts::Source>& into) {
    texts::AddSources(into, kContext, kTexts);
}
