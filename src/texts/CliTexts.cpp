#include "texts/CliTexts.h"

namespace {

using T = CliText;
constexpr const char* kContext = "cli";

// clang-format off
constexpr texts::TextRow<CliText> kTexts[] = {
    {T::LinkOk, QT_TRANSLATE_NOOP("cli", "通信ＯＫ")},
    {T::NotIndicatorAnswer, QT_TRANSLATE_NOOP("cli", "指示計の応答ではありません: ")},
    {T::NoAnswer, QT_TRANSLATE_NOOP("cli", "応答がありません")},
    {T::OutputMissing, QT_TRANSLATE_NOOP("cli", "-o FILE を指定してください。")},
    {T::SettingsOrProducts, QT_TRANSLATE_NOOP("cli", "--settings-only と --products-only は同時に指定できません。")},
    {T::InputMissing, QT_TRANSLATE_NOOP("cli", "-i FILE を指定してください。")},
    {T::InputNameEmpty, QT_TRANSLATE_NOOP("cli", "入力ファイルの名前が空です。")},
    {T::VerifyOrDryRun, QT_TRANSLATE_NOOP("cli", "--verify と --dry-run は同時に指定できません。")},
    {T::KeepOrDryRun, QT_TRANSLATE_NOOP("cli", "--keep-before と --dry-run は同時に指定できません。")},
    {T::InvalidStoredProduct, QT_TRANSLATE_NOOP("cli", " (銘柄 %1)")},
    {T::StoppedLastSent, QT_TRANSLATE_NOOP("cli", "中断しました。最後に送信した値: ")},
    {T::UnknownCommand, QT_TRANSLATE_NOOP("cli", "不明なコマンドです: ")},
    {T::SeeHelp, QT_TRANSLATE_NOOP("cli", "rusk-cli --help で使い方を表示します。")},
    {T::ModelOption, QT_TRANSLATE_NOOP("cli", "--model は 805 か 800 です。")},
    {T::OneDevice, QT_TRANSLATE_NOOP("cli", "DEVICE を 1 つ指定してください。")},
    {T::OneSource, QT_TRANSLATE_NOOP("cli", "SOURCE を 1 つ指定してください。")},
    {T::IniUnreadable, QT_TRANSLATE_NOOP("cli", "設定ファイルを読み込めません: ")},
    {T::BadLine, QT_TRANSLATE_NOOP("cli", "通信設定が正しくありません: ")},
    {T::BadTimeout, QT_TRANSLATE_NOOP("cli", "--timeout が正しくありません: ")},
    {T::NoDevice, QT_TRANSLATE_NOOP("cli", "装置が指定されていません。")},
    {T::ControlInName, QT_TRANSLATE_NOOP("cli", "制御文字を含む名前は装置ではありません: ")},
    {T::PortRange, QT_TRANSLATE_NOOP("cli", "ポート番号は Com1 … Com%1 です: %2")},
    {T::BadTcp, QT_TRANSLATE_NOOP("cli", "TCP の接続先が正しくありません（tcp://ホスト:ポート と書いて下さい）: ")},
    {T::NotADevice, QT_TRANSLATE_NOOP("cli", "装置ではありません（装置のパス、Com1 … Com%1、tcp://ホスト:ポート のいずれかです）: %2")},
    {T::OutputNameEmpty, QT_TRANSLATE_NOOP("cli", "出力ファイルの名前が空です。")},
    {T::NothingLoaded, QT_TRANSLATE_NOOP("cli", "何も読み込んでいません（--model で機種を選べます）。")},
    {T::BadSnapshotNumber, QT_TRANSLATE_NOOP("cli", "履歴の番号が正しくありません: %1（journal: の後に 1 以上の番号を書いてください）")},
    {T::SnapshotNotFound, QT_TRANSLATE_NOOP("cli", "履歴 %1 が見つかりません。")},
    {T::JournalUnreadable, QT_TRANSLATE_NOOP("cli", "履歴ファイル %1 を開けません: %2")},
    {T::ProductValue, QT_TRANSLATE_NOOP("cli", "銘柄 %1 W%2 %3")},
    {T::AandB, QT_TRANSLATE_NOOP("cli", "A と B を指定してください。")},
    {T::ResultSame, QT_TRANSLATE_NOOP("cli", "一致")},
    {T::ResultSaved, QT_TRANSLATE_NOOP("cli", "保存 %1")},
    {T::ResultDiffer, QT_TRANSLATE_NOOP("cli", "相違あり: %1")},
    {T::ResultNoAnswer, QT_TRANSLATE_NOOP("cli", "応答なし")},
    {T::ResultPortError, QT_TRANSLATE_NOOP("cli", "ポートエラー")},
    {T::ResultFileError, QT_TRANSLATE_NOOP("cli", "ファイルエラー")},
    {T::ResultIncomplete, QT_TRANSLATE_NOOP("cli", "読み込み不完全")},
    {T::ResultStopped, QT_TRANSLATE_NOOP("cli", "中断")},
    {T::ResultGivenUp, QT_TRANSLATE_NOOP("cli", "打ち切り（%1 分）")},
    {T::ResultNotKept, QT_TRANSLATE_NOOP("cli", "（履歴に記録できませんでした）")},
    {T::ResultFailed, QT_TRANSLATE_NOOP("cli", "異常終了 (%1)")},
    {T::ResultNotRun, QT_TRANSLATE_NOOP("cli", "未実行")},
    {T::HeadName, QT_TRANSLATE_NOOP("cli", "名前")},
    {T::HeadDevice, QT_TRANSLATE_NOOP("cli", "装置")},
    {T::HeadResult, QT_TRANSLATE_NOOP("cli", "結果")},
    {T::HeadTime, QT_TRANSLATE_NOOP("cli", "時間")},
    {T::FleetArguments, QT_TRANSLATE_NOOP("cli", "FLEET.INI と backup か check を指定してください。")},
    {T::FleetAction, QT_TRANSLATE_NOOP("cli", "backup か check を指定してください: ")},
    {T::JobsOption, QT_TRANSLATE_NOOP("cli", "--jobs は 1 以上です: ")},
    {T::DirEmpty, QT_TRANSLATE_NOOP("cli", "-d のフォルダ名が空です。")},
    {T::NoFolder, QT_TRANSLATE_NOOP("cli", "フォルダがありません: ")},
    {T::NoBaseline, QT_TRANSLATE_NOOP("cli", "基準ファイルがありません")},
    {T::BadSection, QT_TRANSLATE_NOOP("cli", "セクション名が正しくありません: ")},
    {T::DuplicateSection, QT_TRANSLATE_NOOP("cli", "セクション [%1] が重複しています")},
    {T::NotKeyValue, QT_TRANSLATE_NOOP("cli", "「キー=値」の形ではありません: ")},
    {T::KeyOutsideSection, QT_TRANSLATE_NOOP("cli", "セクションの外にキーがあります: ")},
    {T::UnknownKey, QT_TRANSLATE_NOOP("cli", "不明なキーです (使えるキー: %1)")},
    {T::DuplicateKey, QT_TRANSLATE_NOOP("cli", "キーが重複しています (%1 行目)")},
    {T::FileUnreadable, QT_TRANSLATE_NOOP("cli", "%1: 読み込めません (%2)")},
    {T::FleetTooLarge, QT_TRANSLATE_NOOP("cli", "%1: 指示計の一覧としては大きすぎます (%2 KB まで)")},
    {T::NoSections, QT_TRANSLATE_NOOP("cli", "%1: 指示計のセクションがありません")},
    {T::NotGiven, QT_TRANSLATE_NOOP("cli", "指定されていません")},
    {T::ModelValue, QT_TRANSLATE_NOOP("cli", "805 か 800 です (%1)")},
    {T::BadLineValue, QT_TRANSLATE_NOOP("cli", "通信設定が正しくありません (%1)")},
    {T::BadRateValue, QT_TRANSLATE_NOOP("cli", "毎秒の読み取り回数が正しくありません (%1、1〜20)")},
    {T::BadCheckEvery,
     QT_TRANSLATE_NOOP("cli", "点検の間隔が正しくありません (%1、例 90、30s、10m、1h、1 秒〜7 日)")},
    {T::BaselineIsIndicator,
     QT_TRANSLATE_NOOP("cli", "指示計は基準にできません。全体を読むと銘柄が切り替わります (%1)")},
    {T::SettingsCheckDone, QT_TRANSLATE_NOOP("cli", "設定の点検 (基準 %1): %2")},
    {T::SettingsCheckFailed, QT_TRANSLATE_NOOP("cli", "設定の点検ができませんでした: %1")},
    {T::CheckFirstBaseline,
     QT_TRANSLATE_NOOP("cli", "設定の点検: 基準がないため、この読み取り (%1) を基準にします")},
    {T::FirstRead, QT_TRANSLATE_NOOP("cli", "最初の読み取り")},
    {T::BaselineUnusable, QT_TRANSLATE_NOOP("cli", "基準 %1 を使えません: %2")},
    {T::BadFileName, QT_TRANSLATE_NOOP("cli", "ファイル名に使えない名前です (%1)")},
    {T::DuplicateName, QT_TRANSLATE_NOOP("cli", "名前 %1 は [%2] と重複しています")},
    {T::MoreErrors, QT_TRANSLATE_NOOP("cli", "%1: ほか %2 件")},
    {T::BadInterval, QT_TRANSLATE_NOOP("cli", "--interval が正しくありません: ")},
    {T::LiveNoAnswer, QT_TRANSLATE_NOOP("cli", "  応答なし")},
    {T::NoGuiApplication, QT_TRANSLATE_NOOP("cli", "report: QGuiApplication がありません。")},
    {T::ChangedOrDryRun, QT_TRANSLATE_NOOP("cli", "--changed と --dry-run は同時に指定できません。")},
    {T::IndicatorHolds, QT_TRANSLATE_NOOP("cli", "（指示計: %1）")},
    {T::AskWrite, QT_TRANSLATE_NOOP("cli", "これらの値を指示計へ書き込みますか？ [y/N] ")},
    {T::NeedYes, QT_TRANSLATE_NOOP("cli", "標準入力が端末ではないため確認できません。書き込むには --yes を付けてください。")},
    {T::NotWritten, QT_TRANSLATE_NOOP("cli", "書き込みませんでした。")},
};
// clang-format on
static_assert(texts::InOrder(kTexts), "kTexts follows the order of CliText");

}  // namespace

QString Tr(CliText id) {
    return texts::Render(kContext, kTexts, id);
}

void AddCliSources(std::vector<texts::Source>& into) {
    texts::AddSources(into, kContext, kTexts);
}
