#include "link/RunKinds.h"

#include <QRegularExpression>
#include <QUrl>
#include <optional>
#include <vector>

#include "texts/LinkTexts.h"

namespace {

// The one table: each kind and the operator's words for it (src/texts/LinkTexts.cpp), %1 … %3
// its arguments. A kind is never renamed, since journals keep it. The Japanese words are those
// the window's history, the command line and the reports have always shown, and those a journal
// of schema 1 kept: such a journal is read by them, in any language.
struct Words {
    QLatin1StringView kind;
    LinkText text;
};
const Words kWords[] = {
    {runkind::kReadOneProduct, LinkText::RunReadOneProduct},
    {runkind::kReadAllProducts, LinkText::RunReadAllProducts},
    {runkind::kWriteOneProduct, LinkText::RunWriteOneProduct},
    {runkind::kWriteAllProducts, LinkText::RunWriteAllProducts},
    {runkind::kWriteShownProduct, LinkText::RunWriteShownProduct},
    {runkind::kWriteShownToAll, LinkText::RunWriteShownToAll},
    {runkind::kAllRead, LinkText::RunAllRead},
    {runkind::kAllWrite, LinkText::RunAllWrite},
    {runkind::kReadAllSettings, LinkText::RunReadAllSettings},
    {runkind::kWriteAllSettings, LinkText::RunWriteAllSettings},
    {runkind::kCompareRead, LinkText::RunCompareRead},
    {runkind::kBeforeWrite, LinkText::RunBeforeWrite},
    {runkind::kVerifyOk, LinkText::NoteVerifyOk},
    {runkind::kVerifyRefused, LinkText::NoteVerifyRefused},
    {runkind::kVerifyUnread, LinkText::NoteVerifyUnread},
    {runkind::kVerifyTimedOut, LinkText::NoteVerifyTimedOut},
    {runkind::kProductRestored, LinkText::NoteProductRestored},
    {runkind::kStopped, LinkText::NoteStopped},
    {runkind::kStoppedAtSetting, LinkText::NoteStoppedAtSetting},
    {runkind::kStoppedAtProduct, LinkText::NoteStoppedAtProduct},
    {runkind::kCalibrationTest, LinkText::RunCalibrationTest},
    {runkind::kWriteChanged, LinkText::RunWriteChanged},
    {runkind::kCalibrationResult, LinkText::NoteCalibrationResult},
};

constexpr QChar kPartEnd = u';';
constexpr QChar kArgumentStart = u' ';

const Words* RowOf(QStringView kind) {
    for (const Words& w : kWords)
        if (w.kind == kind) return &w;
    return nullptr;
}

int ArgumentCount(const Words& row) {
    return static_cast<int>(Source(row.text).count(u'%'));
}

struct Part {
    const Words* row = nullptr;
    QStringList arguments;
};

// The parts of a kept note; nullopt when it is not made of known parts with their arguments.
std::optional<std::vector<Part>> PartsOf(const QString& note) {
    std::vector<Part> parts;
    for (const QString& text : note.split(kPartEnd)) {
        QStringList fields = text.split(kArgumentStart);
        Part part{RowOf(fields.takeFirst()), {}};
        if (!part.row || ArgumentCount(*part.row) != fields.size()) return std::nullopt;
        for (const QString& f : fields) {
            const QByteArray encoded = f.toLatin1();
            if (f.size() != encoded.size() || QString::fromLatin1(encoded) != f)
                return std::nullopt;
            part.arguments << QString::fromUtf8(QByteArray::fromPercentEncoding(encoded));
        }
        parts.push_back(std::move(part));
    }
    return parts;
}

// The part's words, each %n its argument: all at once, so that an argument holding "%2" stays.
// In the operator's language, or as a journal of schema 1 kept them (`translated` false).
QString PartText(const Part& part, bool translated) {
    const QString words = translated ? Tr(part.row->text) : Source(part.row->text);
    const QString none = translated ? Tr(LinkText::NoteNone) : Source(LinkText::NoteNone);
    QString text;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const int n = i + 1 < words.size() && words[i] == u'%' ? words[i + 1].digitValue() : -1;
        if (n < 1 || n > part.arguments.size()) {
            text += words[i];
            continue;
        }
        const QString& argument = part.arguments[n - 1];
        text += argument.isEmpty() ? none : argument;
        ++i;
    }
    return text;
}

// The words of each row as a pattern, in the table's order: the arguments captured, never
// empty (an empty argument shows as "（なし）").
const std::vector<QRegularExpression>& Patterns() {
    static const std::vector<QRegularExpression> patterns = [] {
        std::vector<QRegularExpression> all;
        for (const Words& row : kWords) {
            QString pattern = QRegularExpression::escape(Source(row.text));
            for (int n = 1; n <= 3; ++n)
                pattern.replace(QRegularExpression::escape(QStringLiteral("%%1").arg(n)),
                                QStringLiteral("(.+?)"));
            all.emplace_back(QRegularExpression::anchoredPattern(pattern));
        }
        return all;
    }();
    return patterns;
}

// The parts whose words, joined, are `words`: the first part ends at a joiner or at the end.
std::optional<std::vector<Part>> PartsOfWords(const QString& words) {
    const QString joiner = Source(LinkText::NoteJoiner);
    for (qsizetype end = words.indexOf(joiner);; end = words.indexOf(joiner, end + 1)) {
        const QString head = end < 0 ? words : words.left(end);
        for (size_t i = 0; i < std::size(kWords); ++i) {
            const QRegularExpressionMatch m = Patterns()[i].match(head);
            if (!m.hasMatch()) continue;
            Part part{&kWords[i], m.capturedTexts().mid(1)};
            for (QString& a : part.arguments)
                if (a == Source(LinkText::NoteNone)) a.clear();
            if (end < 0) return std::vector<Part>{part};
            if (auto rest = PartsOfWords(words.mid(end + joiner.size()))) {
                rest->insert(rest->begin(), part);
                return rest;
            }
        }
        if (end < 0) return std::nullopt;
    }
}

QString NoteOfParts(const std::vector<Part>& parts) {
    QString note;
    for (const Part& p : parts) note = JoinedNotes(note, RunNote(p.row->kind, p.arguments));
    return note;
}

}  // namespace

QString RunKindText(const QString& kind) {
    const Words* row = RowOf(kind);
    return row && ArgumentCount(*row) == 0 ? Tr(row->text) : kind;
}

QString RunNote(QLatin1StringView kind, const QStringList& arguments) {
    QString note = kind;
    for (const QString& a : arguments)
        note += kArgumentStart + QString::fromLatin1(QUrl::toPercentEncoding(a));
    return note;
}

QString JoinedNotes(const QString& first, const QString& second) {
    if (first.isEmpty()) return second;
    if (second.isEmpty()) return first;
    return first + kPartEnd + second;
}

QString StoppedNote(const TransferRun& run) {
    if (run.values.empty()) return RunNote(runkind::kStopped);
    const TransferValue& last = run.values.back();
    if (last.product < 0) return RunNote(runkind::kStoppedAtSetting, {last.code, last.value});
    return RunNote(runkind::kStoppedAtProduct,
                   {QString::number(last.product), last.code, last.value});
}

bool NoteHas(const QString& note, QLatin1StringView kind) {
    if (note.isEmpty()) return false;
    const auto parts = PartsOf(note);
    if (!parts) return false;
    for (const Part& p : *parts)
        if (p.row->kind == kind) return true;
    return false;
}

namespace {

QString NoteWords(const QString& note, bool translated) {
    if (note.isEmpty()) return note;
    const auto parts = PartsOf(note);
    if (!parts) return note;
    QStringList texts;
    for (const Part& p : *parts) texts << PartText(p, translated);
    return texts.join(translated ? Tr(LinkText::NoteJoiner) : Source(LinkText::NoteJoiner));
}

}  // namespace

QString NoteText(const QString& note) {
    return NoteWords(note, true);
}

QString RunKindOfText(const QString& words) {
    static const QStringList texts = [] {
        QStringList all;
        for (const Words& w : kWords) all << Source(w.text);
        return all;
    }();
    const qsizetype i = texts.indexOf(words);
    return i >= 0 && ArgumentCount(kWords[i]) == 0 ? QString(kWords[i].kind) : words;
}

QString NoteOfText(const QString& words) {
    // Words much longer than any note, or of more parts, are no note: looking for the parts
    // costs as much as the number of ways to split them.
    constexpr qsizetype kLongest = 256, kMostJoiners = 4;
    if (words.isEmpty() || words.size() > kLongest ||
        words.count(Source(LinkText::NoteJoiner)) > kMostJoiners || PartsOf(words))
        return words;
    const auto parts = PartsOfWords(words);
    if (!parts) return words;
    // Only a note shown exactly as the words were replaces them.
    const QString note = NoteOfParts(*parts);
    return NoteWords(note, false) == words ? note : words;
}
