#pragma once

#include <QString>

// The program's private-profile (INI) file, read and written by the rules of the Windows
// profile functions:
// - "[Section]" lines open a section, "key=value" lines inside it hold the values; section and
//   key names match without regard to case; the first matching section and key count; lines
//   starting with ';' are comments;
// - blanks around names and values are ignored, and one pair of matching quotes (' or ")
//   around a value is dropped on reading;
// - a value is read through a buffer of bufferSize characters, so at most bufferSize - 1 of
//   them are seen; a missing file, section or key gives the default (its trailing blanks
//   removed);
// - CR LF, LF and a lone CR each end a line;
// - writing creates the file, the section and the key as needed, replaces the value of an
//   existing key and keeps every other line, its order and its line ends; lines it adds end
//   as the file's first line does.
// Files are UTF-8; a file that is not valid UTF-8 is read as Windows Shift-JIS, as a file from
// a Windows machine is, and rewritten as UTF-8 by the first write that changes it. Control
// characters (the old end-of-file mark 0x1A among them) are kept as they are in either form.

inline constexpr int kProfileBufferSize = 100;

// The text of a file's bytes as the reader takes them: UTF-8 when valid (a byte order mark
// dropped), else Windows Shift-JIS; bytes that are neither are read as far as possible and
// `clean` is set to false. Other INI-style files of the program are read the same way.
QString DecodeProfileText(const QByteArray& bytes, bool* clean = nullptr);

QString ReadProfileString(const QString& path, const QString& section, const QString& key,
                          const QString& defaultValue, int bufferSize = kProfileBufferSize);

// Failures are silent and leave the file as it was. The file is replaced by the program's file
// rules (platform/FileRules.h), except that a symbolic link is never written through. Nothing
// is written for an empty or malformed name, for a value with a line break or NUL (it would
// forge other lines), or when an existing file cannot be read or decoded, or is not a regular
// file of at most 1 MiB.
void WriteProfileString(const QString& path, const QString& section, const QString& key,
                        const QString& value);
