#include "platform/IniFile.h"

#include <QList>
#include <optional>

#include "platform/AnsiText.h"
#include "platform/FileRules.h"

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF");
// Far beyond any configuration file the program writes.
constexpr qint64 kMaxFileBytes = 1024 * 1024;

struct Line {
    QString text;  // without its line end
    QString end;   // "\r\n", "\n", "\r", or "" for a last line without one
};

struct Document {
    bool bom = false;
    bool clean = true;  // decoded without a fault, so a rewrite loses nothing
    QList<Line> lines;

    QString newline() const {
        for (const Line& line : lines)
            if (!line.end.isEmpty()) return line.end;
        return QStringLiteral("\n");
    }
};

enum class Load { Missing, Unreadable, Loaded };

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == QChar(0);
}

QString TrimBlanks(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.mid(begin, end - begin).toString();
}

Load LoadDocument(const QString& path, Document* doc) {
    FileRead read = ReadFileContent(path, kMaxFileBytes);
    if (read.missing) return Load::Missing;
    if (!read.failure.isEmpty()) return Load::Unreadable;
    QByteArray bytes = std::move(read.bytes);
    if (bytes.startsWith(kUtf8Bom)) {
        doc->bom = true;
        bytes.remove(0, kUtf8Bom.size());
    }
    const QString text = DecodeProfileText(bytes, &doc->clean);
    // CR LF, LF and a lone CR (old Macintosh editors) each end a line.
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype stop = start;
        while (stop < text.size() && text[stop] != u'\n' && text[stop] != u'\r') ++stop;
        if (stop == text.size()) {
            doc->lines.append({text.mid(start), QString()});
            break;
        }
        const bool crlf = text[stop] == u'\r' && stop + 1 < text.size() && text[stop + 1] == u'\n';
        const qsizetype endLength = crlf ? 2 : 1;
        doc->lines.append({text.mid(start, stop - start), text.mid(stop, endLength)});
        start = stop + endLength;
    }
    return Load::Loaded;
}

// The name of a "[Section]" line.
std::optional<QString> SectionOf(const QString& line) {
    const QString t = TrimBlanks(line);
    if (!t.startsWith(u'[')) return std::nullopt;
    const qsizetype close = t.indexOf(u']');
    if (close < 0) return std::nullopt;
    return TrimBlanks(QStringView(t).mid(1, close - 1));
}

struct Entry {
    QString key;
    QString value;
};

// The key and value of a "key=value" line.
std::optional<Entry> EntryOf(const QString& line) {
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0) return std::nullopt;
    Entry e{TrimBlanks(QStringView(line).left(eq)), TrimBlanks(QStringView(line).mid(eq + 1))};
    if (e.key.isEmpty() || e.key.startsWith(u';') || e.key.startsWith(u'[')) return std::nullopt;
    return e;
}

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Where a section is: its header line and the line after its last entry.
struct Place {
    qsizetype header = -1;
    qsizetype afterLastEntry = -1;
    qsizetype key = -1;  // the line of the key asked for, -1 when absent
};

Place Find(const Document& doc, const QString& section, const QString& key) {
    Place place;
    for (qsizetype i = 0; i < doc.lines.size(); ++i) {
        const QString& line = doc.lines[i].text;
        if (auto name = SectionOf(line)) {
            if (place.header >= 0) break;  // the section asked for has ended
            if (SameName(*name, section)) place = {i, i + 1, -1};
            continue;
        }
        if (place.header < 0) continue;
        if (auto entry = EntryOf(line)) {
            place.afterLastEntry = i + 1;
            if (place.key < 0 && SameName(entry->key, key)) place.key = i;
        }
    }
    return place;
}

QString Truncated(QString text, int bufferSize) {
    qsizetype max = bufferSize > 0 ? bufferSize - 1 : 0;
    if (text.size() <= max) return text;
    if (max > 0 && text[max - 1].isHighSurrogate()) --max;  // never keep half a character
    text.truncate(max);
    return text;
}

QString Unquoted(const QString& value) {
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

bool HasLineBreakOrNul(const QString& text) {
    return text.contains(u'\n') || text.contains(u'\r') || text.contains(QChar(0));
}

bool Writable(const QString& section, const QString& key, const QString& value) {
    if (section.isEmpty() || key.isEmpty()) return false;
    if (HasLineBreakOrNul(section) || HasLineBreakOrNul(key) || HasLineBreakOrNul(value))
        return false;
    if (section.contains(u']') || key.contains(u'=')) return false;
    return !key.startsWith(u';') && !key.startsWith(u'[');
}

// Puts the value in; false when the document already held it.
bool Apply(Document* doc, const QString& section, const QString& key, const QString& value) {
    const Place place = Find(*doc, section, key);
    const QString nl = doc->newline();
    if (place.key >= 0) {
        Line& line = doc->lines[place.key];
        const qsizetype eq = line.text.indexOf(u'=');
        const QString keyPart = line.text.left(eq);
        qsizetype indent = 0;
        while (indent < keyPart.size() && IsBlank(keyPart[indent])) ++indent;
        const QString text = keyPart.left(indent) + TrimBlanks(keyPart) + u'=' + value;
        if (text == line.text) return false;
        line.text = text;
        return true;
    }
    const Line entry{key + u'=' + value, nl};
    if (place.header >= 0) {
        qsizetype at = place.afterLastEntry;
        if (doc->lines[at - 1].end.isEmpty()) doc->lines[at - 1].end = nl;
        doc->lines.insert(at, entry);
        return true;
    }
    if (!doc->lines.isEmpty()) {
        if (doc->lines.back().end.isEmpty()) doc->lines.back().end = nl;
        if (!TrimBlanks(doc->lines.back().text).isEmpty()) doc->lines.append({QString(), nl});
    }
    doc->lines.append({u'[' + section + u']', nl});
    doc->lines.append(entry);
    return true;
}

QByteArray Encode(const Document& doc) {
    QString text;
    for (const Line& line : doc.lines) text += line.text + line.end;
    return (doc.bom ? kUtf8Bom : QByteArray()) + text.toUtf8();
}

}  // namespace

QString DecodeProfileText(const QByteArray& bytes, bool* clean) {
    if (auto utf8 = DecodeUtf8Strict(bytes)) return *utf8;
    if (auto ansi = DecodeWindowsAnsi(bytes)) return *ansi;
    // Neither: show what can be shown, never write it back.
    if (clean) *clean = false;
    return QString::fromUtf8(bytes);
}

QString ReadProfileString(const QString& path, const QString& section, const QString& key,
                          const QString& defaultValue, int bufferSize) {
    QString fallback = defaultValue;
    while (!fallback.isEmpty() && fallback.back() == u' ') fallback.chop(1);
    fallback = Truncated(fallback, bufferSize);

    Document doc;
    if (LoadDocument(path, &doc) != Load::Loaded) return fallback;
    const Place place = Find(doc, TrimBlanks(section), TrimBlanks(key));
    if (place.key < 0) return fallback;
    return Truncated(Unquoted(EntryOf(doc.lines[place.key].text)->value), bufferSize);
}

void WriteProfileString(const QString& path, const QString& section, const QString& key,
                        const QString& value) {
    const QString sectionName = TrimBlanks(section);
    const QString keyName = TrimBlanks(key);
    if (!Writable(sectionName, keyName, value)) return;

    Document doc;
    const Load load = LoadDocument(path, &doc);
    if (load == Load::Unreadable || !doc.clean) return;
    if (!Apply(&doc, sectionName, keyName, value) && load == Load::Loaded) return;

    // Never through a symbolic link: the file is the program's own, whoever runs it.
    ReplaceFileContent(path, Encode(doc), Links::Refuse);
}
