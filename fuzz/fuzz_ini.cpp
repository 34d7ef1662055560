// The INI reader and writer on a file of the fuzzer's bytes, with a section, key and value of
// its choosing.
//
// Properties: a read returns at most bufferSize - 1 characters; a write changes only its own
// key (every other key reads the same before and after), a refused write changes no byte, a
// write that changes the file reads back as written, and every line it does not change keeps
// its bytes (a Shift-JIS file's lines as Windows decodes them, now in UTF-8).

#include <fuzzer/FuzzedDataProvider.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "FuzzSupport.h"
#include "platform/AnsiText.h"
#include "platform/IniFile.h"

namespace {

QString TextOf(FuzzedDataProvider& input, size_t max) {
    const std::string bytes = input.ConsumeRandomLengthString(max);
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

void Put(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "scratch file opens");
    FUZZ_CHECK(file.write(bytes) == bytes.size(), "scratch file written");
}

QByteArray Get(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Blank(QChar c) {
    return c == u' ' || c == u'\t' || c == QChar(0);
}

QString Trimmed(QString s) {
    while (!s.isEmpty() && Blank(s.front())) s.remove(0, 1);
    while (!s.isEmpty() && Blank(s.back())) s.chop(1);
    return s;
}

// Lines with their ends (CR LF, LF or a lone CR).
QList<QByteArray> LinesOf(const QByteArray& bytes) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype stop = start;
        while (stop < bytes.size() && bytes[stop] != '\n' && bytes[stop] != '\r') ++stop;
        if (stop < bytes.size())
            stop +=
                bytes[stop] == '\r' && stop + 1 < bytes.size() && bytes[stop + 1] == '\n' ? 2 : 1;
        lines << bytes.mid(start, stop - start);
        start = stop;
    }
    return lines;
}

QByteArray WithoutEnd(QByteArray line) {
    while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
    return line;
}

// Every (section, key) the file names, roughly as the reader sees them: a guide to which keys
// to read back, not a second reader.
QList<QPair<QString, QString>> KeysOf(const QString& text) {
    QList<QPair<QString, QString>> keys;
    QString section;
    for (const QString& raw : text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")))) {
        const QString line = Trimmed(raw);
        if (line.startsWith(u'[')) {
            section = Trimmed(line.mid(1, line.indexOf(u']') - 1));
        } else if (line.contains(u'=')) {
            const QString key = Trimmed(line.left(line.indexOf(u'=')));
            if (!key.isEmpty()) keys.append({section, key});
        }
    }
    return keys;
}

// Whether `before`'s lines appear in order in `after`, all but at most one (the key's line);
// a last line without an end may have gained one.
bool LinesKept(const QList<QByteArray>& before, const QList<QByteArray>& after) {
    const qsizetype n = before.size(), m = after.size();
    if (n > 400 || m > 400) return true;  // the check's cost grows with the square
    auto same = [&](qsizetype i, qsizetype j) {
        const bool open = i == n - 1 && WithoutEnd(before[i]) == before[i];
        return open ? WithoutEnd(after[j]) == before[i] : after[j] == before[i];
    };
    // Longest common subsequence.
    std::vector<int> row(size_t(m + 1), 0), previous(size_t(m + 1), 0);
    for (qsizetype i = 0; i < n; ++i) {
        std::swap(row, previous);
        for (qsizetype j = 0; j < m; ++j)
            row[size_t(j + 1)] = same(i, j) ? previous[size_t(j)] + 1
                                            : std::max(previous[size_t(j + 1)], row[size_t(j)]);
    }
    return row[size_t(m)] >= n - 1;
}

const QByteArray kBom("\xEF\xBB\xBF");

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    StartApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("Rusk.INI"));
    FuzzedDataProvider input(data, size);
    const QString section = TextOf(input, 16);
    const QString key = TextOf(input, 16);
    const QString value = TextOf(input, 120);
    const int bufferSize = input.ConsumeIntegralInRange<int>(0, 200);
    const std::string rest = input.ConsumeRemainingBytesAsString();
    const QByteArray before(rest.data(), qsizetype(rest.size()));
    Put(path, before);

    const QString read = ReadProfileString(path, section, key, value, bufferSize);
    FUZZ_CHECK(read.size() <= std::max(bufferSize - 1, 0), "a read fits its buffer");

    // What the file says before the write, key by key.
    QByteArray body = before.startsWith(kBom) ? before.mid(kBom.size()) : before;
    // The text as Windows reads it (iconv), or failing that as the program does: a guide.
    const std::optional<QString> utf8 = DecodeUtf8Strict(body);
    const std::optional<QString> reference = utf8 ? utf8 : DecodeWindowsAnsiWithIconv(body);
    const std::optional<QString> text = reference ? reference : DecodeWindowsAnsi(body);
    const auto keys = text ? KeysOf(*text) : QList<QPair<QString, QString>>();
    QStringList values;
    for (const auto& [s, k] : keys) values << ReadProfileString(path, s, k, "\x01", 1000);

    WriteProfileString(path, section, key, value);
    const QByteArray after = Get(path);
    if (after == before) return 0;

    FUZZ_CHECK(text.has_value(), "a file that cannot be decoded is never written");
    const bool ownKey =
        !Trimmed(section).isEmpty() && !Trimmed(key).isEmpty() && !value.contains(u'\n') &&
        !value.contains(u'\r') && !value.contains(QChar(0)) && !key.contains(u'=') &&
        !section.contains(u']') && !Trimmed(key).startsWith(u';') && !Trimmed(key).startsWith(u'[');
    FUZZ_CHECK(ownKey, "a refused write changes nothing");
    FUZZ_CHECK(after.startsWith(kBom) == before.startsWith(kBom), "the byte-order mark stays");

    QString expected = Trimmed(value);
    if (expected.size() >= 2 && (expected.front() == u'"' || expected.front() == u'\'') &&
        expected.back() == expected.front())
        expected = expected.mid(1, expected.size() - 2);
    FUZZ_CHECK(ReadProfileString(path, section, key, "\x01", 1000) == expected.left(999),
               "a written key reads back as written");
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const auto& [s, k] = keys[i];
        if (s.compare(Trimmed(section), Qt::CaseInsensitive) == 0 &&
            k.compare(Trimmed(key), Qt::CaseInsensitive) == 0)
            continue;
        FUZZ_CHECK(ReadProfileString(path, s, k, "\x01", 1000) == values[i],
                   "a write changes only its own key");
    }

    // Lines the write did not touch keep their bytes (UTF-8) or their text (Shift-JIS).
    if (!reference) return 0;
    const QByteArray once = utf8 ? body : reference->toUtf8();
    const QByteArray now = after.startsWith(kBom) ? after.mid(kBom.size()) : after;
    FUZZ_CHECK(LinesKept(LinesOf(once), LinesOf(now)), "other lines keep their bytes");
    return 0;
}
