#include "texts/PlatformTexts.h"

namespace {

using T = PlatformText;
constexpr const char* kContext = "platform";

// clang-format off
constexpr texts::TextRow<PlatformText> kTexts[] = {
    {T::PortAlreadyOpen, QT_TRANSLATE_NOOP("platform", "ポートは既に開いています。")},
    {T::InvalidPortNumber, QT_TRANSLATE_NOOP("platform", "ポート番号が無効です。")},
    {T::InvalidLineSettings, QT_TRANSLATE_NOOP("platform", "通信設定 \"%1\" は無効です。")},
    {T::PortNotOpen, QT_TRANSLATE_NOOP("platform", "ポートが開いていません。")},
    {T::CannotSend, QT_TRANSLATE_NOOP("platform", "送信できません（%1）。")},
    {T::ConnectionLost, QT_TRANSLATE_NOOP("platform", "%1 との接続が切れました（%2）。")},
    {T::CannotOpenDevice, QT_TRANSLATE_NOOP("platform", "%1 を開けません（%2）。")},
    {T::CannotConnect, QT_TRANSLATE_NOOP("platform", "%1 に接続できません（%2）。")},
    {T::NoConnectAnswer, QT_TRANSLATE_NOOP("platform", "%1 ミリ秒以内に応答がありません")},
    {T::BadTcpAddress, QT_TRANSLATE_NOOP("platform", "%1 は TCP の接続先として無効です（tcp://ホスト:ポート と書いて下さい）。")},
    {T::SettingsRefused, QT_TRANSLATE_NOOP("platform", "ポートが通信設定 \"%1\" を受け付けません（%2）。")},
    {T::DeviceBusy, QT_TRANSLATE_NOOP("platform", "%1 は他のプログラムが使用中です。")},
    {T::NoPermission, QT_TRANSLATE_NOOP("platform", "%1 を開く権限がありません。このユーザーをデバイスの所有グループ（Debian では dialout）に加えて、ログインし直して下さい。")},
    {T::DeviceGone, QT_TRANSLATE_NOOP("platform", "%1 は見つかりません（取り外されたか、名前が変わりました）。")},
    {T::ProbeAnswered, QT_TRANSLATE_NOOP("platform", "%1 で応答がありました。")},
    {T::ProbeSilent, QT_TRANSLATE_NOOP("platform", "%1 からは応答がありません。")},
    {T::ErrorReport, QT_TRANSLATE_NOOP("platform", "エラーが発生しました。\r\n%1ErrNo.=%2")},
    {T::Hint8018, QT_TRANSLATE_NOOP("platform", "\r\n\r\nエラー番号が 8018 の場合、ポート番号を変更してみて下さい。")},
    {T::Hint8002, QT_TRANSLATE_NOOP("platform", "\r\n\r\nエラー番号が 8002 の場合、ポート番号を変更してみて下さい。")},
    {T::HintStartUp, QT_TRANSLATE_NOOP("platform", "\r\n\r\nエラー番号が 8005,8002 または 8015 の場合、ポート番号を変更してみて下さい。")},
    {T::FileDamaged, QT_TRANSLATE_NOOP("platform", "ファイルが壊れています。")},
    {T::AccessDenied, QT_TRANSLATE_NOOP("platform", "このファイルまたはフォルダーへのアクセスが許可されていません。")},
    {T::ReadOnlyFileSystem, QT_TRANSLATE_NOOP("platform", "読み取り専用のため書き込めません。")},
    {T::NotFound, QT_TRANSLATE_NOOP("platform", "フォルダーまたはファイルが見つかりません。")},
    {T::DiskFull, QT_TRANSLATE_NOOP("platform", "ディスクの空き容量が足りません。")},
    {T::DiskError, QT_TRANSLATE_NOOP("platform", "ディスクの読み書きに失敗しました。")},
    {T::FileInUse, QT_TRANSLATE_NOOP("platform", "ファイルが他のプログラムで使用中です。")},
    {T::NotRegularFile, QT_TRANSLATE_NOOP("platform", "通常のファイルではありません（名前付きパイプや装置など）。")},
    {T::ReadOnlyFile, QT_TRANSLATE_NOOP("platform", "このファイルは読み取り専用のため上書きできません。")},
    {T::FolderOfSameName, QT_TRANSLATE_NOOP("platform", "同じ名前のフォルダーがあります。")},
    {T::FileTooLarge, QT_TRANSLATE_NOOP("platform", "ファイルが大きすぎます（%1 まで）。")},
    {T::SymbolicLink, QT_TRANSLATE_NOOP("platform", "シンボリックリンクには書き込みません。")},
    {T::NoError, QT_TRANSLATE_NOOP("platform", "エラーはありません")},
    {T::DeviceNotFound, QT_TRANSLATE_NOOP("platform", "装置が見つかりません")},
    {T::DeviceNoPermissionOrBusy, QT_TRANSLATE_NOOP("platform", "装置を使う権限がないか、他のプログラムが使用中です")},
    {T::DeviceAlreadyOpen, QT_TRANSLATE_NOOP("platform", "装置は既に開かれています")},
    {T::DeviceWriteFailed, QT_TRANSLATE_NOOP("platform", "装置へ送信できません")},
    {T::DeviceReadFailed, QT_TRANSLATE_NOOP("platform", "装置から受信できません")},
    {T::DeviceRemoved, QT_TRANSLATE_NOOP("platform", "装置が応答しないか、取り外されました")},
    {T::DeviceUnsupported, QT_TRANSLATE_NOOP("platform", "装置がこの設定または操作に対応していません")},
    {T::DeviceTimeout, QT_TRANSLATE_NOOP("platform", "装置が時間内に応じません")},
    {T::PortNotOpenReason, QT_TRANSLATE_NOOP("platform", "ポートが開いていません")},
    {T::DeviceUnknownError, QT_TRANSLATE_NOOP("platform", "装置の原因不明のエラーです")},
    {T::ConnectionRefused, QT_TRANSLATE_NOOP("platform", "接続を拒否されました")},
    {T::RemoteClosed, QT_TRANSLATE_NOOP("platform", "相手側が接続を閉じました")},
    {T::HostNotFound, QT_TRANSLATE_NOOP("platform", "ホストが見つかりません")},
    {T::SocketAccess, QT_TRANSLATE_NOOP("platform", "接続する権限がありません")},
    {T::SocketResources, QT_TRANSLATE_NOOP("platform", "接続に使う資源が足りません")},
    {T::SocketTimeout, QT_TRANSLATE_NOOP("platform", "相手側が時間内に応じません")},
    {T::NetworkError, QT_TRANSLATE_NOOP("platform", "ネットワークのエラーです（ケーブルや経路を確かめて下さい）")},
    {T::AddressInUse, QT_TRANSLATE_NOOP("platform", "アドレスは既に使われています")},
    {T::AddressNotAvailable, QT_TRANSLATE_NOOP("platform", "このアドレスは使えません")},
    {T::UnsupportedSocket, QT_TRANSLATE_NOOP("platform", "この接続には対応していません")},
    {T::TemporaryError, QT_TRANSLATE_NOOP("platform", "一時的なエラーです")},
    {T::NetworkUnknownError, QT_TRANSLATE_NOOP("platform", "通信の原因不明のエラーです")},
    {T::DeviceNoPermission, QT_TRANSLATE_NOOP("platform", "装置を使う権限がありません")},
    {T::DeviceInUse, QT_TRANSLATE_NOOP("platform", "他のプログラムが使用中です")},
};
// clang-format on
static_assert(texts::InOrder(kTexts), "kTexts follows the order of PlatformText");

}  // namespace

QString Tr(PlatformText id) {
    return texts::Render(kContext, kTexts, id);
}

void AddPlatformSources(std::vector<texts::Source>& into) {
    texts::AddSources(into, kContext, kTexts);
}
