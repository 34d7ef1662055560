#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// The one rule for every file the program writes or reads: data files, PDF and CSV files, the
// monitor's samples and the configuration file.
//
// Names are always file names. A relative name is taken from the current folder; nothing is
// read as a URI ("file:…") or a Qt resource (":…").
//
// Writing replaces a file whole. The new content goes to a temporary file beside the target,
// under a short name (a target whose name is at the system's length limit still has room), is
// synchronised to disk and only then takes the target's place. Every write is checked; on any
// failure the temporary file goes and the target stays as it was. What may be replaced:
// - a regular file whose mode lets it be written. The mode bits are checked, not only the
//   system's access check, which lets the superuser write anything: a read-only file stays
//   read-only for everybody. The new file keeps the old one's mode (and, where the system
//   allows, its owner);
// - a new name (the file is then rw-r--r--).
// A folder, a named pipe, a device or a socket is refused. A symbolic link is written through:
// its final target is replaced and the link stays, unless the caller refuses links
// (`Links::Refuse`, the configuration file), and then a link is never written.
//
// Reading takes a regular file only, of at most a given size, and never waits: a named pipe or
// a device is refused before it is opened, and the file is opened without blocking.

enum class Links { Follow, Refuse };

// The name as the system will take it: an absolute path, the current folder before a relative
// name (nothing cleaned away, so that "a/../b" means what the system makes of it).
QString AbsoluteFileName(const QString& name);

// Replaces `path` with what `write` puts into the temporary file whose path it is given (an
// empty file that exists). `write` returns an empty text, or why it failed in the operator's
// words. The result is empty on success, otherwise the operator's words for the failure.
QString ReplaceFile(const QString& path,
                    const std::function<QString(const QString& tempPath)>& write,
                    Links links = Links::Follow);

// Why ReplaceFile would refuse `path`, found before there is anything to write (before a long
// read, say): the target's refusals and a folder that takes no new file. Empty when it may go
// ahead; nothing is left behind.
QString ReplaceRefusal(const QString& path, Links links = Links::Follow);

// Replaces `path` with `bytes`; the result as ReplaceFile's.
QString ReplaceFileContent(const QString& path, const QByteArray& bytes,
                           Links links = Links::Follow);

struct FileRead {
    QByteArray bytes;
    QString failure;       // empty when the file was read; otherwise the operator's words
    bool missing = false;  // nothing of that name (failure says so too)
};

// Reads the whole of a regular file of at most `maxBytes`.
FileRead ReadFileContent(const QString& path, qint64 maxBytes);
// Reads the first `headBytes` bytes of a regular file of at most `maxBytes`.
FileRead ReadFileHead(const QString& path, qint64 maxBytes, qint64 headBytes);

// Whether the name leads (through any links) to a character device: a serial port.
bool IsCharacterDevice(const QString& name);

// Whether a folder belongs to the system (an installed program's folder, as /usr/bin or /opt):
// the program keeps nothing of its own there, whoever runs it.
bool IsSystemFolder(const QString& folder);
// Whether files may be saved in the folder: one that exists, can be written and is not the
// system's.
bool MaySaveIn(const QString& folder);
