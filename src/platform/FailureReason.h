#pragma once

#include <QString>

// Why reading or writing a file failed, as the system reported it.
struct SystemFailure {
    int errnoValue = 0;  // the C library's error number, 0 when the failure did not give one
    int sqliteCode = 0;  // SQLite's result code (primary or extended), 0 when not from SQLite
    QString text;        // the system's own description

    // The failure of the last C library call (errno), with its description.
    static SystemFailure FromErrno(int errnoValue);
};

// The operator's words for a failure: the common causes (no permission, read-only, missing
// folder, disk full, a failing disk, file in use, damaged file) in Japanese, the system's own
// text for the rest. Every failure of a file the program reads or writes is told through this.
QString FailureReason(const SystemFailure& failure);

// The reason given for a file whose content is damaged.
QString DamagedFileReason();

// The reasons the file rules (platform/FileRules.h) give for a name they refuse.
// Not a regular file (a named pipe, a device): neither read nor replaced.
QString NotRegularFileReason();
// A file whose mode says it is not to be written, for the superuser too.
QString ProtectedFileReason();
// A folder of the name.
QString FolderReason();
// A file larger than a reader takes (`maxBytes`).
QString TooLargeReason(qint64 maxBytes);
// A symbolic link where links are not written through.
QString SymbolicLinkReason();
