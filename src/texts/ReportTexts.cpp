#include "texts/ReportTexts.h"

namespace {

using T = ReportText;
constexpr const char* kContext = "report";

// clang-format off
constexpr texts::TextRow<ReportText> kTexts[] = {
    {T::NotText, QT_TRANSLATE_NOOP("report", "CSV ファイルではありません（テキストではありません）。")},
    {T::UnknownEncoding, QT_TRANSLATE_NOOP("report", "文字コードが UTF-8 でも Shift-JIS でもありません。")},
    {T::UnclosedQuote, QT_TRANSLATE_NOOP("report", "CSV ファイルではありません（引用符が閉じていません）。")},
    {T::ColumnPlace, QT_TRANSLATE_NOOP("report", "場所")},
    {T::ColumnWindowValue, QT_TRANSLATE_NOOP("report", "画面の値")},
    {T::ColumnOtherValue, QT_TRANSLATE_NOOP("report", "比較先の値")},
    {T::ColumnMeaning, QT_TRANSLATE_NOOP("report", "内容")},
    {T::ColumnCode, QT_TRANSLATE_NOOP("report", "コード")},
    {T::ColumnItem, QT_TRANSLATE_NOOP("report", "項目")},
    {T::ColumnSetting, QT_TRANSLATE_NOOP("report", "設定値")},
    {T::ColumnProductNumber, QT_TRANSLATE_NOOP("report", "銘柄番号")},
    {T::SectionSettings, QT_TRANSLATE_NOOP("report", "設定値")},
    {T::SectionProducts, QT_TRANSLATE_NOOP("report", "銘柄")},
    {T::ProductCsvRefused, QT_TRANSLATE_NOOP("report", "銘柄を CSV から読み込めませんでした。何も変更していません。\n%1")},
    {T::NotFiveDigits, QT_TRANSLATE_NOOP("report", "5 桁の数値ではありません")},
    {T::OutOfMask, QT_TRANSLATE_NOOP("report", "00000 から %1 までの数値ではありません")},
    {T::EmptyFile, QT_TRANSLATE_NOOP("report", "ファイルが空です。")},
    {T::NotProductCsv, QT_TRANSLATE_NOOP("report", "銘柄の CSV ではありません。1 行目に「銘柄番号」と項目名（%1 など）の見出しが必要です。")},
    {T::FieldFault, QT_TRANSLATE_NOOP("report", "%1 行目「%2」: %3")},
    {T::LineFault, QT_TRANSLATE_NOOP("report", "%1 行目: %2")},
    {T::ColumnCountDiffers, QT_TRANSLATE_NOOP("report", "見出しは %1 列ですが、この行は %2 列です")},
    {T::ProductNumberOutOfRange, QT_TRANSLATE_NOOP("report", "0 から %1 までの番号ではありません（%2）")},
    {T::DuplicateProduct, QT_TRANSLATE_NOOP("report", "銘柄 %1 は %2 行目にもあります")},
    {T::MoreFaults, QT_TRANSLATE_NOOP("report", "ほか %1 件")},
    {T::NoProductRows, QT_TRANSLATE_NOOP("report", "銘柄の行がありません。")},
    {T::CannotOpen, QT_TRANSLATE_NOOP("report", "ファイルを開けません: %1")},
    {T::ProductsLoaded, QT_TRANSLATE_NOOP("report", "銘柄 %1 件を CSV から読み込みました。")},
    {T::Seconds, QT_TRANSLATE_NOOP("report", "%1 秒")},
    {T::SheetTitle, QT_TRANSLATE_NOOP("report", "%1 インジケーター設定値一覧表")},
    {T::HeaderModel, QT_TRANSLATE_NOOP("report", "機種: %1")},
    {T::HeaderCreated, QT_TRANSLATE_NOOP("report", "作成日時: %1")},
    {T::HeaderDevice, QT_TRANSLATE_NOOP("report", "装置: %1")},
    {T::HeaderOrigin, QT_TRANSLATE_NOOP("report", "データの出所: %1")},
    {T::Edited, QT_TRANSLATE_NOOP("report", "（編集あり）")},
    {T::HeaderProgram, QT_TRANSLATE_NOOP("report", "プログラム: %1")},
    {T::EmptyProductsOmitted, QT_TRANSLATE_NOOP("report", "値のない銘柄 %1 は省略しました。")},
    {T::RangeJoiner, QT_TRANSLATE_NOOP("report", "、")},
    {T::PageNumber, QT_TRANSLATE_NOOP("report", "%1 / %2 ページ")},
    {T::ItemBullet, QT_TRANSLATE_NOOP("report", "　・%1")},
    {T::PdfFailed, QT_TRANSLATE_NOOP("report", "PDF を作成できませんでした。")},
};
// clang-format on
static_assert(texts::InOrder(kTexts), "kTexts follows the order of ReportText");

}  // namespace

QString Tr(ReportText id) {
    return texts::Render(kContext, kTexts, id);
}

void AddReportSources(std::vector<texts::Source>& into) {
    texts::AddSources(into, kContext, kTexts);
}
