#include "platform/FailureReason.h"

#include <QLocale>
#include <cerrno>
#include <cstring>

namespace {

enum class Cause { Other, Permission, ReadOnly, Missing, Full, Io, InUse, Damaged };

Cause CauseOfErrno(int value) {
    switch (value) {
        case EACCES:
        case EPERM:
            return Cause::Permission;
        case EROFS:
            return Cause::ReadOnly;
        case ENOENT:
        case ENOTDIR:
            return Cause::Missing;
        case ENOSPC:
        case EDQUOT:
            return Cause::Full;
        case EIO:
            return Cause::Io;
        case EBUSY:
        case ETXTBSY:
            return Cause::InUse;
        default:
            return Cause::Other;
    }
}

// SQLite's primary result codes (the low byte of an extended code).
Cause CauseOfSqlite(int code) {
    constexpr int kPerm = 3, kBusy = 5, kLocked = 6, kReadOnly = 8, kIoErr = 10, kCorrupt = 11,
                  kFull = 13, kNotADatabase = 26;
    switch (code & 0xFF) {
        case kPerm:
            return Cause::Permission;
        case kReadOnly:
            return Cause::ReadOnly;
        case kFull:
            return Cause::Full;
        case kIoErr:
            return Cause::Io;
        case kBusy:
        case kLocked:
            return Cause::InUse;
        case kCorrupt:
        case kNotADatabase:
            return Cause::Damaged;
        default:
            return Cause::Other;
    }
}

}  // namespace

SystemFailure SystemFailure::FromErrno(int errnoValue) {
    return {errnoValue, 0, QString::fromLocal8Bit(std::strerror(errnoValue))};
}

QString DamagedFileReason() {
    return QStringLiteral("ファイルが壊れています。");
}

QString FailureReason(const SystemFailure& failure) {
    const Cause cause =
        failure.sqliteCode ? CauseOfSqlite(failure.sqliteCode) : CauseOfErrno(failure.errnoValue);
    switch (cause) {
        case Cause::Permission:
            return QStringLiteral("このファイルまたはフォルダーへのアクセスが許可されていません。");
        case Cause::ReadOnly:
            return QStringLiteral("読み取り専用のため書き込めません。");
        case Cause::Missing:
            return QStringLiteral("フォルダーまたはファイルが見つかりません。");
        case Cause::Full:
            return QStringLiteral("ディスクの空き容量が足りません。");
        case Cause::Io:
            return QStringLiteral("ディスクの読み書きに失敗しました。");
        case Cause::InUse:
            return QStringLiteral("ファイルが他のプログラムで使用中です。");
        case Cause::Damaged:
            return DamagedFileReason();
        case Cause::Other:
            break;
    }
    return failure.text;
}

QString NotRegularFileReason() {
    return QStringLiteral("通常のファイルではありません（名前付きパイプや装置など）。");
}

QString ProtectedFileReason() {
    return QStringLiteral("このファイルは読み取り専用のため上書きできません。");
}

QString FolderReason() {
    return QStringLiteral("同じ名前のフォルダーがあります。");
}

QString TooLargeReason(qint64 maxBytes) {
    return QStringLiteral("ファイルが大きすぎます（%1 まで）。")
        .arg(QLocale::c().formattedDataSize(maxBytes, 0, QLocale::DataSizeTraditionalFormat));
}

QString SymbolicLinkReason() {
    return QStringLiteral("シンボリックリンクには書き込みません。");
}
