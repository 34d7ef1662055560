#pragma once

// CSV text as spreadsheets write it: fields quoted as RFC 4180 asks, lines ending in CR LF when
// written; when read, comma, semicolon or tab separated, quoted fields that may hold separators,
// doubled quotes and line breaks, in UTF-8 (with or without a byte order mark) or Windows-31J.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace csv {

// One field as written: in double quotes, with its quotes doubled, when it holds a comma, a
// quote or a line break.
QString Field(const QString& text);
// One record: the fields joined by commas, ending in CR LF.
QString Record(const QStringList& fields);

// Writes `text` to `path` as UTF-8 with a byte order mark, by the file rules
// (platform/FileRules.h): the file is replaced only once all is written, and only a regular
// file that may be written is replaced. Returns an empty text on success, otherwise the
// operator's words for why it failed.
QString SaveUtf8WithBom(const QString& path, const QString& text);

// The records of a CSV file read as it is, with the number of the line each starts on.
struct Table {
    std::vector<QStringList> records;
    std::vector<int> lines;  // 1-based line of each record's first character
};

// Decodes and splits file bytes. Nothing (with `why` set to the operator's words) when the
// bytes are not text in one of the accepted encodings, or a quoted field never ends.
std::optional<Table> Parse(const QByteArray& bytes, QString* why);

// The separator of a text: the one of comma, semicolon and tab found most often outside quotes
// in its first line (a comma when none is).
QChar GuessSeparator(const QString& text);

}  // namespace csv
