#include "texts/PageTexts.h"

namespace {

using T = PageText;
constexpr const char* kContext = "page";

// clang-format off
constexpr texts::TextRow<PageText> kTexts[] = {
    {T::BackToOverview, QT_TRANSLATE_NOOP("page", "一覧へ戻る")},
    {T::Chart, QT_TRANSLATE_NOOP("page", "重量の推移")},
    {T::Weight, QT_TRANSLATE_NOOP("page", "重量")},
    {T::CoarseFeed, QT_TRANSLATE_NOOP("page", "大投入")},
    {T::MediumFeed, QT_TRANSLATE_NOOP("page", "中投入")},
    {T::FineFeed, QT_TRANSLATE_NOOP("page", "小投入")},
    {T::Discharge, QT_TRANSLATE_NOOP("page", "排出")},
    {T::Target, QT_TRANSLATE_NOOP("page", "定量")},
    {T::Preliminary, QT_TRANSLATE_NOOP("page", "定量前")},
    {T::OverLimit, QT_TRANSLATE_NOOP("page", "過量")},
    {T::UnderLimit, QT_TRANSLATE_NOOP("page", "不足")},
    {T::Product, QT_TRANSLATE_NOOP("page", "銘柄 %1")},
    {T::SetPointsUnknown, QT_TRANSLATE_NOOP("page", "この銘柄の設定値は履歴にありません")},
    {T::ChartMissing, QT_TRANSLATE_NOOP("page", "グラフを表示できません（グラフの部品がありません）")},
    {T::Fills, QT_TRANSLATE_NOOP("page", "計量結果")},
    {T::FillTime, QT_TRANSLATE_NOOP("page", "時刻")},
    {T::FillResult, QT_TRANSLATE_NOOP("page", "計量値")},
    {T::FillJudgement, QT_TRANSLATE_NOOP("page", "判定")},
    {T::FillInFlight, QT_TRANSLATE_NOOP("page", "落差（実測）")},
    {T::NoFills, QT_TRANSLATE_NOOP("page", "計量はまだありません")},
    {T::Snapshots, QT_TRANSLATE_NOOP("page", "履歴")},
    {T::SnapshotTime, QT_TRANSLATE_NOOP("page", "日時")},
    {T::SnapshotRun, QT_TRANSLATE_NOOP("page", "操作")},
    {T::SnapshotChanges, QT_TRANSLATE_NOOP("page", "前回との違い")},
    {T::Incomplete, QT_TRANSLATE_NOOP("page", "（未完了）")},
    {T::NoSnapshots, QT_TRANSLATE_NOOP("page", "この指示計の履歴はまだありません")},
    {T::AgainstPrevious, QT_TRANSLATE_NOOP("page", "前回（%1）からの変更")},
    {T::FirstSnapshot, QT_TRANSLATE_NOOP("page", "最初の記録です")},
    {T::ShowChanges, QT_TRANSLATE_NOOP("page", "表示")},
    {T::Downloads, QT_TRANSLATE_NOOP("page", "ダウンロード")},
    {T::SheetPdf, QT_TRANSLATE_NOOP("page", "設定値一覧表（PDF）")},
    {T::DataFile, QT_TRANSLATE_NOOP("page", "ﾃﾞｰﾀﾌｧｲﾙ")},
    {T::NothingToDownload, QT_TRANSLATE_NOOP("page", "この指示計の設定値はまだ読み込まれていません")},
    {T::NotFound, QT_TRANSLATE_NOOP("page", "その指示計はありません")},
};
// clang-format on
static_assert(texts::InOrder(kTexts), "kTexts follows the order of PageText");

}  // namespace

QString Tr(PageText id) {
    return texts::Render(kContext, kTexts, id);
}

void AddPageSources(std::vector<texts::Source>& into) {
    texts::AddSources(into, kContext, kTexts);
}
