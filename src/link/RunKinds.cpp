#include "link/RunKinds.h"

#include <QRegularExpression>
#include <QUrl>
#include <optional>
#include <vector>

namespace {

// The one table: each kind and the operator's words for it, %1 … %3 its arguments. A kind is
// never renamed, since journals keep it. The words are those the window's history, the command
// line and the reports have always shown, and those a journal of schema 1 kept: they stay, and
// words in another language go beside them.
struct Words {
    QLatin1StringView kind;
    const char* text;  // UTF-8
};
const Words kWords[] = {
    {runkind::kReadOneProduct, "１銘柄読みだし"},
    {runkind::kReadAllProducts, "全銘柄読みだし"},
    {runkind::kWriteOneProduct, "１銘柄書き込み"},
    {runkind::kWriteAllProducts, "全銘柄書き込み"},
    {runkind::kWriteShownProduct, "表示ﾃﾞｰﾀ書き込み"},
    {runkind::kWriteShownToAll, "全銘柄表示ﾃﾞｰﾀ書き込み"},
    {runkind::kAllRead, "一括読みだし"},
    {runkind::kAllWrite, "一括書き込み"},
    {runkind::kReadAllSettings, "設定値読み出し"},
    {runkind::kWriteAllSettings, "設定値書き込み"},
    {runkind::kCompareRead, "指示計と比較"},
    {runkind::kBeforeWrite, "書き込み前"},
    {runkind::kVerifyOk, "照合 OK"},
    {runkind::kVerifyRefused, "照合：%1 件が一致しません"},
    {runkind::kVerifyUnread, "照合：%1 件を正しく読めませんでした"},
    {runkind::kVerifyTimedOut, "照合：タイムアウトのため確認できませんでした"},
    {runkind::kProductRestored, "指示計の銘柄を %1 に戻しました"},
    {runkind::kStopped, "Ctrl+C で中断"},
    {runkind::kStoppedAtSetting, "Ctrl+C で中断 (最後: W%1 %2)"},
    {runkind::kStoppedAtProduct, "Ctrl+C で中断 (最後: 銘柄 %1 W%2 %3)"},
};

const QString kNone = QStringLiteral("（なし）");
const QString kJoiner = QStringLiteral("、");
constexpr QChar kPartEnd = u';';
constexpr QChar kArgumentStart = u' ';

const Words* RowOf(QStringView kind) {
    for (const Words& w : kWords)
        if (w.kind == kind) return &w;
    return nullptr;
}

int ArgumentCount(const Words& row) {
    return static_cast<int>(QString::fromUtf8(row.text).count(u'%'));
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
QString PartText(const Part& part) {
    const QString words = QString::fromUtf8(part.row->text);
    QString text;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const int n = i + 1 < words.size() && words[i] == u'%' ? words[i + 1].digitValue() : -1;
        if (n < 1 || n > part.arguments.size()) {
            text += words[i];
            continue;
        }
        const QString& argument = part.arguments[n - 1];
        text += argument.isEmpty() ? kNone : argument;
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
            QString pattern = QRegularExpression::escape(QString::fromUtf8(row.text));
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
    for (qsizetype end = words.indexOf(kJoiner);; end = words.indexOf(kJoiner, end + 1)) {
        const QString head = end < 0 ? words : words.left(end);
        for (size_t i = 0; i < std::size(kWords); ++i) {
            const QRegularExpressionMatch m = Patterns()[i].match(head);
            if (!m.hasMatch()) continue;
            Part part{&kWords[i], m.capturedTexts().mid(1)};
            for (QString& a : part.arguments)
                if (a == kNone) a.clear();
            if (end < 0) return std::vector<Part>{part};
            if (auto rest = PartsOfWords(words.mid(end + kJoiner.size()))) {
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
    return row && ArgumentCount(*row) == 0 ? QString::fromUtf8(row->text) : kind;
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

QString NoteText(const QString& note) {
    if (note.isEmpty()) return note;
    const auto parts = PartsOf(note);
    if (!parts) return note;
    QStringList texts;
    for (const Part& p : *parts) texts << PartText(p);
    return texts.join(kJoiner);
}

QString RunKindOfText(const QString& words) {
    static const QStringList texts = [] {
        QStringList all;
        for (const Words& w : kWords) all << QString::fromUtf8(w.text);
        return all;
    }();
    const qsizetype i = texts.indexOf(words);
    return i >= 0 && ArgumentCount(kWords[i]) == 0 ? QString(kWords[i].kind) : words;
}

QString NoteOfText(const QString& words) {
    // Words much longer than any note, or of more parts, are no note: looking for the parts
    // costs as much as the number of ways to split them.
    constexpr qsizetype kLongest = 256, kMostJoiners = 4;
    if (words.isEmpty() || words.size() > kLongest || words.count(kJoiner) > kMostJoiners ||
        PartsOf(words))
        return words;
    const auto parts = PartsOfWords(words);
    if (!parts) return words;
    // Only a note shown exactly as the words were replaces them.
    const QString note = NoteOfParts(*parts);
    return NoteText(note) == words ? note : words;
}
