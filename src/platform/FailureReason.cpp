#include "platform/FailureReason.h"

#include <QLocale>
#include <cerrno>
#include <cstring>

#include "texts/PlatformTexts.h"

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
    return Tr(PlatformText::FileDamaged);
}

QString FailureReason(const SystemFailure& failure) {
    const Cause cause =
        failure.sqliteCode ? CauseOfSqlite(failure.sqliteCode) : CauseOfErrno(failure.errnoValue);
    switch (cause) {
        case Cause::Permission:
            return Tr(PlatformText::AccessDenied);
        case Cause::ReadOnly:
            return Tr(PlatformText::ReadOnlyFileSystem);
        case Cause::Missing:
            return Tr(PlatformText::NotFound);
        case Cause::Full:
            return Tr(PlatformText::DiskFull);
        case Cause::Io:
            return Tr(PlatformText::DiskError);
        case Cause::InUse:
            return Tr(PlatformText::FileInUse);
        case Cause::Damaged:
            return DamagedFileReason();
        case Cause::Other:
            break;
    }
    return failure.text;
}

QString NotRegularFileReason() {
    return Tr(PlatformText::NotRegularFile);
}

QString ProtectedFileReason() {
    return Tr(PlatformText::ReadOnlyFile);
}

QString FolderReason() {
    return Tr(PlatformText::FolderOfSameName);
}

QString TooLargeReason(qint64 maxBytes) {
    return Tr(PlatformText::FileTooLarge)
        .arg(QLocale::c().formattedDataSize(maxBytes, 0, QLocale::DataSizeTraditionalFormat));
}

QString SymbolicLinkReason() {
    return Tr(PlatformText::SymbolicLink);
}
