#include "texts/MonitorTexts.h"

namespace {

using T = MonitorText;
constexpr const char* kContext = "monitor";

// clang-format off
constexpr texts::TextRow<MonitorText> kTexts[] = {
    {T::Under, QT_TRANSLATE_NOOP("monitor", "不足")},
    {T::Good, QT_TRANSLATE_NOOP("monitor", "正量")},
    {T::Over, QT_TRANSLATE_NOOP("monitor", "過量")},
    {T::NoJudgement, QT_TRANSLATE_NOOP("monitor", "－")},
    {T::FreeFallUnknown, QT_TRANSLATE_NOOP("monitor", "落差の実測平均 %1 ／ 設定 不明：銘柄を読み込むと設定と比べます")},
    {T::FreeFallAgainstSetting, QT_TRANSLATE_NOOP("monitor", "落差の実測平均 %1 ／ 設定 %2")},
    {T::FreeFallAsSet, QT_TRANSLATE_NOOP("monitor", "：設定どおりです")},
    {T::FreeFallAdvice, QT_TRANSLATE_NOOP("monitor", "：計量値が定量より%1なります。落差を %2 にすると定量に近づきます")},
    {T::Heavier, QT_TRANSLATE_NOOP("monitor", "重く")},
    {T::Lighter, QT_TRANSLATE_NOOP("monitor", "軽く")},
    {T::Stopped, QT_TRANSLATE_NOOP("monitor", "停止中")},
    {T::Watching, QT_TRANSLATE_NOOP("monitor", "監視中")},
    {T::NoAnswer, QT_TRANSLATE_NOOP("monitor", "応答なし")},
    {T::Lost, QT_TRANSLATE_NOOP("monitor", "接続が切れました")},
    {T::Refused, QT_TRANSLATE_NOOP("monitor", "他の操作の実行中は開始できません")},
    {T::ColumnTime, QT_TRANSLATE_NOOP("monitor", "時刻")},
    {T::ColumnWeight, QT_TRANSLATE_NOOP("monitor", "重量")},
    {T::CannotSave, QT_TRANSLATE_NOOP("monitor", "「%1」に保存できません（%2）。")},
    {T::NotStable, QT_TRANSLATE_NOOP("monitor", "重量値が安定しないため読み取りません。荷重が落ち着いてから読み取ってください。")},
    {T::NotAWeight, QT_TRANSLATE_NOOP("monitor", "指示計の応答「%1」は重量値ではありません。")},
    {T::CalibrationFailed, QT_TRANSLATE_NOOP("monitor", "指示計が校正ｴﾗｰを示しました。荷重と分銅重量値を確かめてください。")},
    {T::CalibrationTimedOut, QT_TRANSLATE_NOOP("monitor", "校正が %1 秒以内に終わりませんでした。")},
    {T::NoReply, QT_TRANSLATE_NOOP("monitor", "指示計が応答しません。")},
    {T::DashboardTitle, QT_TRANSLATE_NOOP("monitor", "計量器一覧")},
    {T::TileState, QT_TRANSLATE_NOOP("monitor", "状態")},
    {T::TileFills, QT_TRANSLATE_NOOP("monitor", "計量回数")},
    {T::TileMean, QT_TRANSLATE_NOOP("monitor", "平均")},
    {T::TileSd, QT_TRANSLATE_NOOP("monitor", "標準偏差")},
    {T::SettingsDiffer, QT_TRANSLATE_NOOP("monitor", "設定変更あり")},
    {T::TileFeed, QT_TRANSLATE_NOOP("monitor", "投入")},
    {T::TilePerHour, QT_TRANSLATE_NOOP("monitor", "計量回数/時")},
    {T::TileBackup, QT_TRANSLATE_NOOP("monitor", "最終バックアップ")},
    {T::Complete, QT_TRANSLATE_NOOP("monitor", "完了")},
    {T::Logout, QT_TRANSLATE_NOOP("monitor", "ログアウト")},
    {T::LoginTitle, QT_TRANSLATE_NOOP("monitor", "計量器一覧へのログイン")},
    {T::LoginPassword, QT_TRANSLATE_NOOP("monitor", "パスワード")},
    {T::LoginButton, QT_TRANSLATE_NOOP("monitor", "ログイン")},
    {T::LoginFailed, QT_TRANSLATE_NOOP("monitor", "パスワードが違います。")},
    {T::LoginSlowed, QT_TRANSLATE_NOOP("monitor", "ログインの失敗が続いたため受け付けません。しばらく待ってからやり直してください。")},
};
// clang-format on
static_assert(texts::InOrder(kTexts), "kTexts follows the order of MonitorText");

}  // namespace

QString Tr(MonitorText id) {
    return texts::Render(kContext, kTexts, id);
}

void AddMonitorSources(std::vector<texts::Source>& into) {
    texts::AddSources(into, kContext, kTexts);
}
