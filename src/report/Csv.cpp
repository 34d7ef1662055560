#include "report/Csv.h"

#include "platform/AnsiText.h"
#include "platform/FileRules.h"
#include "texts/ReportTexts.h"

namespace csv {
namespace {

// Splits decoded text; false when a quoted field is still open at the end.
bool Split(const QString& text, QChar sep, Table* out) {
    QStringList record;
    QString field;
    bool quoted = false;    // inside a quoted field
    bool anything = false;  // the record has begun
    int line = 1;
    int recordLine = 1;
    auto endField = [&] {
        record << field;
        field.clear();
    };
    auto endRecord = [&] {
        endField();
        out->records.push_back(record);
        out->lines.push_back(recordLine);
        record.clear();
        anything = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < text.size() && text[i + 1] == u'"') {
                    field += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == u'\n') ++line;
                field += c;
            }
            continue;
        }
        if (!anything) recordLine = line;
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            ++line;
            if (anything) endRecord();
            continue;
        }
        anything = true;
        if (c == sep)
            endField();
        else if (c == u'"' && field.isEmpty())
            quoted = true;
        else
            field += c;
    }
    if (quoted) return false;
    if (anything) endRecord();
    return true;
}

}  // namespace

QString Field(const QString& text) {
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString Record(const QStringList& fields) {
    QStringList out;
    out.reserve(fields.size());
    for (const QString& f : fields) out << Field(f);
    return out.join(u',') + QStringLiteral("\r\n");
}

QString SaveUtf8WithBom(const QString& path, const QString& text) {
    return ReplaceFileContent(path, QByteArray("\xEF\xBB\xBF") + text.toUtf8());
}

QChar GuessSeparator(const QString& text) {
    int comma = 0, semicolon = 0, tab = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"') quoted = !quoted;
        if (quoted) continue;
        if (c == u'\r' || c == u'\n') break;
        if (c == u',') ++comma;
        if (c == u';') ++semicolon;
        if (c == u'\t') ++tab;
    }
    if (semicolon > comma && semicolon >= tab) return u';';
    if (tab > comma && tab > semicolon) return u'\t';
    return u',';
}

std::optional<Table> Parse(const QByteArray& bytes, QString* why) {
    // A zero byte never occurs in a text file of either encoding.
    if (bytes.contains('\0')) {
        *why = Tr(ReportText::NotText);
        return std::nullopt;
    }
    std::optional<QString> text = DecodeUtf8Strict(bytes);
    if (!text) text = DecodeWindowsAnsi(bytes);
    if (!text) {
        *why = Tr(ReportText::UnknownEncoding);
        return std::nullopt;
    }
    Table table;
    if (!Split(*text, GuessSeparator(*text), &table)) {
        *why = Tr(ReportText::UnclosedQuote);
        return std::nullopt;
    }
    return table;
}

}  // namespace csv
