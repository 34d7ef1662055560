#pragma once

#include <QString>

// Why reading or writing a data file failed, as the system reported it.
struct SystemFailure {
    int errnoValue = 0;  // the C library's error number, 0 when the failure did not give one
    int sqliteCode = 0;  // SQLite's result code (primary or extended), 0 when not from SQLite
    QString text;        // the system's own description

    // The failure of the last C library call (errno), with its description.
    static SystemFailure FromErrno(int errnoValue);
};

// The operator's words for a failure: the common causes (no permission, read-only, missing
// folder, disk full, file in use, damaged file) in Japanese, the system's own text for the rest.
// Every failure of the data-file operations is told through this.
QString FailureReason(const SystemFailure& failure);

// The reason given for a file whose content is damaged.
QString DamagedFileReason();

// The reason given for a name that is not a regular file (a named pipe, a device): such a file
// is neither read nor replaced.
QString NotRegularFileReason();
