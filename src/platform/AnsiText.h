#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Text of files that came from a Japanese Windows machine: the ANSI code page there is
// Windows-31J (Shift-JIS with the Microsoft additions, byte 0x5C is the backslash).

// Decodes Windows-31J bytes as Windows does (control characters stay themselves); nothing when
// a byte sequence is not Windows-31J.
// Uses Qt's converter where the Qt build has one and the C library's iconv otherwise.
std::optional<QString> DecodeWindowsAnsi(const QByteArray& bytes);

// The same through iconv alone (the fallback above, reachable for its own test).
std::optional<QString> DecodeWindowsAnsiWithIconv(const QByteArray& bytes);

// Decodes UTF-8 (a leading byte-order mark is dropped); nothing when the bytes are not UTF-8.
std::optional<QString> DecodeUtf8Strict(const QByteArray& bytes);
