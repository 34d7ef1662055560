#include "platform/FileRules.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "platform/FailureReason.h"

namespace {

// Symbolic links followed from the chosen name to the file itself, as the system does.
constexpr int kMaxLinks = 40;
constexpr mode_t kNewFileMode = 0644;
// Short, so that it fits beside any name the folder can hold.
constexpr char kTempPattern[] = "/.rusk-XXXXXX";

QString ErrnoReason(int error) {
    return FailureReason(SystemFailure::FromErrno(error));
}

QByteArray Encoded(const QString& name) {
    return QFile::encodeName(AbsoluteFileName(name));
}

QByteArray FolderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

std::optional<QByteArray> LinkTarget(const QByteArray& link) {
    QByteArray buffer(PATH_MAX, '\0');
    const ssize_t n = ::readlink(link.constData(), buffer.data(), buffer.size());
    if (n < 0 || n >= buffer.size()) return std::nullopt;
    buffer.truncate(n);
    return buffer.startsWith('/') ? buffer : FolderOf(link) + '/' + buffer;
}

// What a write to a name replaces: the file at the end of its links, and what is there now.
struct Target {
    QByteArray path;
    bool exists = false;
    struct stat st {};
};

// Follows the links from `path`; the operator's words when the rule refuses the name.
QString FindTarget(QByteArray path, Links links, Target& target) {
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        target.path = path;
        if (::lstat(path.constData(), &target.st) != 0) {
            if (errno != ENOENT) return ErrnoReason(errno);
            target.exists = false;  // a new name
            return {};
        }
        if (!S_ISLNK(target.st.st_mode)) {
            target.exists = true;
            return {};
        }
        if (links == Links::Refuse) return SymbolicLinkReason();
        const std::optional<QByteArray> next = LinkTarget(path);
        if (!next) return ErrnoReason(errno ? errno : ENAMETOOLONG);
        path = *next;
    }
    return ErrnoReason(ELOOP);
}

// Whether the file may be replaced. The system's own check is not enough: it lets the
// superuser write anything, yet a file without write permission is meant to stay as it is.
bool MayReplace(const Target& target) {
    if (::access(target.path.constData(), W_OK) != 0) return false;
    const mode_t mode = target.st.st_mode;
    if (target.st.st_uid == ::geteuid()) return (mode & S_IWUSR) != 0;
    return (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) != 0;
}

// Synchronises the complete temporary file and gives it the target's mode and owner.
QString Seal(const QByteArray& temp, const Target& target) {
    const int fd = ::open(temp.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return ErrnoReason(errno);
    QString failure;
    if (::fsync(fd) != 0) failure = ErrnoReason(errno);
    ::fchmod(fd, target.exists ? (target.st.st_mode & 0777) : kNewFileMode);
    // Only the superuser may give a file away; for anyone else the owner is already theirs.
    if (target.exists && ::geteuid() == 0) {
        [[maybe_unused]] const int ignored = ::fchown(fd, target.st.st_uid, target.st.st_gid);
    }
    if (::close(fd) != 0 && failure.isEmpty()) failure = ErrnoReason(errno);
    return failure;
}

void SyncFolder(const QByteArray& folder) {
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

QString WriteAll(const QString& path, const QByteArray& bytes) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return ErrnoReason(errno);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : ENOSPC;
            ::close(fd);
            return ErrnoReason(error);
        }
        done += n;
    }
    if (::close(fd) != 0) return ErrnoReason(errno);
    return {};
}

FileRead Read(const QString& path, qint64 maxBytes, qint64 headBytes) {
    FileRead out;
    auto fail = [&out](const QString& why) {
        out.bytes.clear();
        out.failure = why;
        return out;
    };
    if (path.isEmpty()) {
        out.missing = true;
        return fail(ErrnoReason(ENOENT));
    }
    const QByteArray name = Encoded(path);
    // The type is checked before the file is opened: opening a device may act on it.
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) {
        out.missing = errno == ENOENT;
        return fail(ErrnoReason(errno));
    }
    if (!S_ISREG(st.st_mode)) return fail(NotRegularFileReason());
    if (st.st_size > maxBytes) return fail(TooLargeReason(maxBytes));
    // Without blocking: should the name have become a named pipe meanwhile, nothing waits.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return fail(ErrnoReason(errno));
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return fail(NotRegularFileReason());
    }
    // One byte beyond the limit tells a file that grew meanwhile.
    const qint64 wanted = headBytes >= 0 ? std::min(headBytes, maxBytes) : maxBytes + 1;
    out.bytes.resize(qsizetype(std::min<qint64>(wanted, st.st_size + 1)));
    qsizetype got = 0;
    while (got < wanted) {
        if (got == out.bytes.size()) out.bytes.resize(qsizetype(std::min<qint64>(wanted, got * 2)));
        const ssize_t n = ::read(fd, out.bytes.data() + got, size_t(out.bytes.size() - got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return fail(ErrnoReason(error));
        }
        if (n == 0) break;
        got += n;
    }
    ::close(fd);
    out.bytes.truncate(got);
    if (headBytes < 0 && got > maxBytes) return fail(TooLargeReason(maxBytes));
    return out;
}

}  // namespace

QString AbsoluteFileName(const QString& name) {
    if (name.startsWith(u'/')) return name;
    return QDir::currentPath() + u'/' + name;
}

QString ReplaceFile(const QString& path,
                    const std::function<QString(const QString& tempPath)>& write, Links links) {
    if (path.isEmpty()) return ErrnoReason(ENOENT);
    Target target;
    if (QString refused = FindTarget(Encoded(path), links, target); !refused.isEmpty())
        return refused;
    if (target.exists) {
        if (S_ISDIR(target.st.st_mode)) return FolderReason();
        if (!S_ISREG(target.st.st_mode)) return NotRegularFileReason();
        if (!MayReplace(target)) return ProtectedFileReason();
    }
    const QByteArray folder = FolderOf(target.path);
    QByteArray temp = folder + kTempPattern;
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return ErrnoReason(errno);
    ::close(fd);
    QString failure = write(QFile::decodeName(temp));
    if (failure.isEmpty()) failure = Seal(temp, target);
    if (failure.isEmpty() && std::rename(temp.constData(), target.path.constData()) != 0)
        failure = ErrnoReason(errno);
    if (!failure.isEmpty()) {
        ::unlink(temp.constData());
        return failure;
    }
    SyncFolder(folder);
    return {};
}

QString ReplaceRefusal(const QString& path, Links links) {
    // A write that always stops before the temporary file takes the target's place.
    static const QString kTrial = QStringLiteral("\x01trial");
    const QString failure = ReplaceFile(
        path, [](const QString&) { return kTrial; }, links);
    return failure == kTrial ? QString() : failure;
}

QString ReplaceFileContent(const QString& path, const QByteArray& bytes, Links links) {
    return ReplaceFile(
        path, [&bytes](const QString& temp) { return WriteAll(temp, bytes); }, links);
}

FileRead ReadFileContent(const QString& path, qint64 maxBytes) {
    return Read(path, maxBytes, -1);
}

FileRead ReadFileHead(const QString& path, qint64 maxBytes, qint64 headBytes) {
    return Read(path, maxBytes, std::max<qint64>(headBytes, 0));
}

bool IsCharacterDevice(const QString& name) {
    struct stat st {};
    return !name.isEmpty() && ::stat(Encoded(name).constData(), &st) == 0 && S_ISCHR(st.st_mode);
}

bool IsSystemFolder(const QString& folder) {
    static const char* const kSystem[] = {"/usr",    "/bin", "/sbin", "/lib",  "/lib32", "/lib64",
                                          "/libx32", "/opt", "/etc",  "/boot", "/snap"};
    QByteArray path = Encoded(folder);
    if (char* real = ::realpath(path.constData(), nullptr)) {
        path = real;
        std::free(real);
    }
    if (path == "/") return true;
    for (const char* system : kSystem) {
        const QByteArray prefix(system);
        if (path == prefix || path.startsWith(prefix + '/')) return true;
    }
    return false;
}

bool MaySaveIn(const QString& folder) {
    struct stat st {};
    const QByteArray path = Encoded(folder);
    return !folder.isEmpty() && ::stat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           ::access(path.constData(), W_OK | X_OK) == 0 && !IsSystemFolder(folder);
}
