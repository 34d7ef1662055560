#include "texts/StorageTexts.h"

namespace {

using T = StorageText;
constexpr const char* kContext = "storage";

// clang-format off
constexpr texts::TextRow<StorageText> kTexts[] = {
    {T::NotDataFile, QT_TRANSLATE_NOOP("storage", "このファイルはデータファイルではありません。")},
    {T::CannotOpen, QT_TRANSLATE_NOOP("storage", "ファイルを開けません。")},
    {T::CannotRead, QT_TRANSLATE_NOOP("storage", "ファイルを読み込めません。\n%1")},
    {T::CannotReadDamaged, QT_TRANSLATE_NOOP("storage", "ファイルを読み込めません。ファイルが壊れている可能性があります。\n%1")},
    {T::Damaged, QT_TRANSLATE_NOOP("storage", "このファイルの値が正しくありません（%1）。何も読み込みませんでした。")},
    {T::MissingTable, QT_TRANSLATE_NOOP("storage", "このファイルには「%1」の表がありません。")},
    {T::LoadedOnly, QT_TRANSLATE_NOOP("storage", "%1のみ読み込みました。")},
    {T::QuotedName, QT_TRANSLATE_NOOP("storage", "「%1」")},
    {T::MoreColumns, QT_TRANSLATE_NOOP("storage", "など %1 列")},
    {T::ListJoiner, QT_TRANSLATE_NOOP("storage", "、")},
    {T::Columns, QT_TRANSLATE_NOOP("storage", "の列")},
    {T::MissingColumns, QT_TRANSLATE_NOOP("storage", "このファイルの「%1」の表には%2がありません。何も読み込みませんでした。")},
    {T::ProductCell, QT_TRANSLATE_NOOP("storage", "「%1」の銘柄 %2「%3」")},
    {T::TableCell, QT_TRANSLATE_NOOP("storage", "「%1」の「%2」")},
    {T::ModelMismatch, QT_TRANSLATE_NOOP("storage", "このデータは%1用ではありません。")},
    {T::ProductsLoadedOnly, QT_TRANSLATE_NOOP("storage", "銘柄のみ読み込みました。")},
    {T::Settings, QT_TRANSLATE_NOOP("storage", "設定値")},
    {T::Products, QT_TRANSLATE_NOOP("storage", "銘柄")},
    {T::SaveFailed, QT_TRANSLATE_NOOP("storage", "ファイルを保存できませんでした。\n%1")},
    {T::ControlCharacter, QT_TRANSLATE_NOOP("storage", "改行などの制御文字を含む値は保存できません。")},
    {T::NotAscii, QT_TRANSLATE_NOOP("storage", "半角英数字・記号以外の文字（全角文字など）を含む値は保存できません。")},
    {T::TooLong, QT_TRANSLATE_NOOP("storage", "5文字を超える値は保存できません。")},
    {T::SavedBlank, QT_TRANSLATE_NOOP("storage", "次の値は空欄で保存しました。\n")},
    {T::AndMore, QT_TRANSLATE_NOOP("storage", " ほか %1 件")},
    {T::ProductValue, QT_TRANSLATE_NOOP("storage", "銘柄 %1「%2」")},
    {T::AccessNotReadable, QT_TRANSLATE_NOOP("storage", "Access 形式のファイルとして読み込めません。")},
    {T::AccessDamaged, QT_TRANSLATE_NOOP("storage", "Access 形式のファイルとして読み込めません（ファイルが壊れています）。")},
    {T::AccessHelperMissing, QT_TRANSLATE_NOOP("storage", "Access 形式のファイルを読むプログラム（%1）を起動できません。")},
    {T::NoSqliteDriver, QT_TRANSLATE_NOOP("storage", "SQLite のドライバー（QSQLITE）が見つかりません。")},
};
// clang-format on
static_assert(texts::InOrder(kTexts), "kTexts follows the order of StorageText");

}  // namespace

QString Tr(StorageText id) {
    return texts::Render(kContext, kTexts, id);
}

void AddStorageSources(std::vector<texts::Source>& into) {
    texts::AddSources(into, kContext, kTexts);
}
