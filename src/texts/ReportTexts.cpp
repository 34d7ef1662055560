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
    {T::CertificateTitle, QT_TRANSLATE_NOOP("report", "はかりの試験成績書（校正・検査）")},
    {T::CertCustomer, QT_TRANSLATE_NOOP("report", "お客様")},
    {T::CertSite, QT_TRANSLATE_NOOP("report", "設置場所")},
    {T::CertInstrument, QT_TRANSLATE_NOOP("report", "指示計 %1　製造番号 %2")},
    {T::CertCapacity, QT_TRANSLATE_NOOP("report", "最大秤量値 Max %1　最小目盛 e %2")},
    {T::CertClass, QT_TRANSLATE_NOOP("report", "精度等級 %1（%2）")},
    {T::CertCustomClass, QT_TRANSLATE_NOOP("report", "指定の許容誤差 ±%1")},
    {T::CertInitial, QT_TRANSLATE_NOOP("report", "検定時の許容誤差")},
    {T::CertInService, QT_TRANSLATE_NOOP("report", "使用中の許容誤差（検定時の 2 倍）")},
    {T::CertTechnician, QT_TRANSLATE_NOOP("report", "試験者")},
    {T::CertDate, QT_TRANSLATE_NOOP("report", "試験日")},
    {T::CertWeights, QT_TRANSLATE_NOOP("report", "使用した基準分銅")},
    {T::CertNominal, QT_TRANSLATE_NOOP("report", "公称値")},
    {T::CertWeightCertificate, QT_TRANSLATE_NOOP("report", "証明書番号")},
    {T::CertAsFound, QT_TRANSLATE_NOOP("report", "調整前の試験（受入れ時）")},
    {T::CertAsLeft, QT_TRANSLATE_NOOP("report", "調整後の試験（引渡し時）")},
    {T::CertAdjustments, QT_TRANSLATE_NOOP("report", "調整: %1")},
    {T::CertNoAdjustment, QT_TRANSLATE_NOOP("report", "調整: なし")},
    {T::CertPoint, QT_TRANSLATE_NOOP("report", "試験点")},
    {T::CertLoad, QT_TRANSLATE_NOOP("report", "負荷")},
    {T::CertReading, QT_TRANSLATE_NOOP("report", "表示値")},
    {T::CertError, QT_TRANSLATE_NOOP("report", "誤差")},
    {T::CertErrorE, QT_TRANSLATE_NOOP("report", "誤差 (e)")},
    {T::CertMpe, QT_TRANSLATE_NOOP("report", "許容誤差")},
    {T::CertResult, QT_TRANSLATE_NOOP("report", "判定")},
    {T::CertPass, QT_TRANSLATE_NOOP("report", "合格")},
    {T::CertFail, QT_TRANSLATE_NOOP("report", "不合格")},
    {T::CertNotRead, QT_TRANSLATE_NOOP("report", "未測定")},
    {T::CertZero, QT_TRANSLATE_NOOP("report", "ゼロ")},
    {T::CertRising, QT_TRANSLATE_NOOP("report", "増加")},
    {T::CertFalling, QT_TRANSLATE_NOOP("report", "減少")},
    {T::CertRepeat, QT_TRANSLATE_NOOP("report", "繰返し")},
    {T::CertRepeatability, QT_TRANSLATE_NOOP("report", "繰返し性: ばらつき %1 ／ 許容 %2 … %3")},
    {T::CertOverall, QT_TRANSLATE_NOOP("report", "総合判定: %1")},
    {T::CertIncomplete, QT_TRANSLATE_NOOP("report", "未完了")},
    {T::CertRule, QT_TRANSLATE_NOOP("report", "判定の規則: 誤差 = 表示値 − 負荷。各試験点の誤差の大きさが、その負荷での許容誤差（OIML R 76-1、JIS B 7611-2）以下であれば合格。繰返し性は繰返し読み取りの最大値と最小値の差を、その負荷での許容誤差と比べる。測定の不確かさは判定に含めない。")},
    {T::CertSettings, QT_TRANSLATE_NOOP("report", "計量に関わる設定値")},
    {T::CertSignatures, QT_TRANSLATE_NOOP("report", "試験者 署名 ＿＿＿＿＿＿＿＿＿＿　　確認者 署名 ＿＿＿＿＿＿＿＿＿＿　　日付 ＿＿＿＿＿＿")},
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
