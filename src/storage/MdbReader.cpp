#include "storage/MdbReader.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringDecoder>
#include <QTimer>

#include "storage/MdbDumpFormat.h"
#include "texts/StorageTexts.h"

namespace {

constexpr int kReadMs = 20 * 1000;
// The helper's output, and one name or value in it, is refused beyond these sizes.
constexpr qsizetype kMaxOutput = 32 * 1024 * 1024;
constexpr qsizetype kMaxChunk = 1024 * 1024;
// A killed helper ends at once; this only bounds the wait for the system to say so.
constexpr int kKilledMs = 2000;

QString NotReadable() {
    return Tr(StorageText::AccessNotReadable);
}

QString Damaged() {
    return Tr(StorageText::AccessDamaged);
}

QString HelperMissing(const QString& program) {
    return Tr(StorageText::AccessHelperMissing).arg(QDir::toNativeSeparators(program));
}

TablesRead Failure(const QString& why) {
    TablesRead read;
    read.failure = why;
    return read;
}

QString& ProgramOverride() {
    static QString program;
    return program;
}

// The helper's environment: the program's own, with libmdb's settings fixed.
QProcessEnvironment HelperEnvironment() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Access 97 files hold their text in the code page of the system that wrote them.
    env.insert(QStringLiteral("MDB_JET3_CHARSET"), QStringLiteral("CP932"));
    env.insert(QStringLiteral("MDBICONV"), QStringLiteral("UTF-8"));
    env.remove(QStringLiteral("MDBOPTS"));  // debugging options print into the dump
    return env;
}

// Reads the helper's output front to back; every step checks what it finds.
class DumpCursor {
  public:
    explicit DumpCursor(QByteArrayView bytes) : bytes_(bytes) {}

    bool atEnd() const { return pos_ == bytes_.size(); }
    bool take(QByteArrayView text) {
        if (!bytes_.sliced(pos_).startsWith(text)) return false;
        pos_ += text.size();
        return true;
    }
    // A tag alone on its line.
    bool line(char tag) {
        const char text[] = {tag, '\n'};
        return take(QByteArrayView(text, sizeof text));
    }
    // A tag, a number of 1 to 9 digits and `end`.
    bool number(char tag, char end, qsizetype& value) {
        if (!take(QByteArrayView(&tag, 1))) return false;
        value = 0;
        int digits = 0;
        for (; pos_ < bytes_.size() && bytes_[pos_] >= '0' && bytes_[pos_] <= '9'; ++pos_) {
            if (++digits > 9) return false;
            value = value * 10 + (bytes_[pos_] - '0');
        }
        return digits > 0 && take(QByteArrayView(&end, 1));
    }
    // A tag, a length, a colon, that many bytes of UTF-8 text and a line break.
    bool text(char tag, QString& out) {
        qsizetype length = 0;
        if (!number(tag, ':', length) || length > kMaxChunk || length >= bytes_.size() - pos_)
            return false;
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        out = utf8(bytes_.sliced(pos_, length));
        pos_ += length;
        return !utf8.hasError() && take("\n");
    }

  private:
    QByteArrayView bytes_;
    qsizetype pos_ = 0;
};

bool ParseTable(DumpCursor& in, int maxRows, DataTable& table) {
    qsizetype fields = 0;
    if (!in.number(mdbdump::kTable, '\n', fields)) return false;
    for (qsizetype i = 0; i < fields; ++i) {
        QString name;
        if (!in.text(mdbdump::kField, name) || name.isEmpty()) return false;
        table.fields << name;
    }
    while (in.line(mdbdump::kRow)) {
        if (static_cast<qsizetype>(table.rows.size()) >= maxRows) return false;
        std::vector<std::optional<QString>> row;
        for (qsizetype i = 0; i < fields; ++i) {
            QString value;
            if (in.line(mdbdump::kNull)) {
                row.emplace_back();
            } else if (in.line(mdbdump::kNotText)) {
                table.oddValue = true;
                row.emplace_back();
            } else if (in.text(mdbdump::kValue, value)) {
                row.emplace_back(std::move(value));
            } else {
                return false;
            }
        }
        table.rows.push_back(std::move(row));
    }
    return in.line(mdbdump::kTableEnd);
}

bool Parse(DumpCursor& in, const std::vector<TableRequest>& requests, TablesRead& read) {
    if (!in.take(mdbdump::kHeader)) return false;
    for (const TableRequest& request : requests) {
        const bool damaged = in.line(mdbdump::kDamaged);
        if (damaged || in.line(mdbdump::kUnreadable)) {
            read = Failure(damaged ? Damaged() : NotReadable());
            return in.atEnd();
        }
        if (in.line(mdbdump::kNoTable)) {
            read.tables.emplace_back();
            continue;
        }
        DataTable table;
        if (!ParseTable(in, request.maxRows, table)) return false;
        read.tables.emplace_back(std::move(table));
    }
    return in.line(mdbdump::kEnd) && in.atEnd();
}

// Keeps the requested fields of each table, by name and in the order asked, each value cut to
// kCellChars characters.
void KeepRequestedColumns(const std::vector<TableRequest>& requests, TablesRead& read) {
    for (size_t t = 0; t < read.tables.size() && t < requests.size(); ++t) {
        if (!read.tables[t]) continue;
        DataTable& table = *read.tables[t];
        const std::vector<int> positions =
            ColumnPositions(table.fields, requests[t].columns, &table.oddValue);
        for (auto& row : table.rows) {
            std::vector<std::optional<QString>> kept;
            kept.reserve(positions.size());
            for (const int at : positions) {
                if (at < 0 || !row[at]) {
                    kept.emplace_back();
                    continue;
                }
                kept.emplace_back(row[at]->left(kCellChars));
            }
            row = std::move(kept);
        }
    }
}

}  // namespace

bool ParseMdbDump(const QByteArray& output, const std::vector<TableRequest>& requests,
                  TablesRead& read) {
    read = {};
    DumpCursor in(output);
    if (Parse(in, requests, read)) return true;
    read = {};
    return false;
}

QString MdbDumpProgram() {
    if (!ProgramOverride().isEmpty()) return ProgramOverride();
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString name = QString::fromLatin1(mdbdump::kProgramName);
    const QString beside = programFolder.filePath(name);
#ifdef RUSK_HELPER_FROM_BIN
    // An installed copy keeps the helper in libexecdir (cmake/Install.cmake).
    const QString installed =
        QDir::cleanPath(programFolder.filePath(QStringLiteral(RUSK_HELPER_FROM_BIN "/") + name));
    if (!QFileInfo::exists(beside) && QFileInfo::exists(installed)) return installed;
#endif
    return beside;
}

void SetMdbDumpProgram(const QString& program) {
    ProgramOverride() = program;
}

TablesRead RunMdbDump(const QString& program, const QString& path,
                      const std::vector<TableRequest>& requests, int timeLimitMs) {
    QStringList arguments{QFileInfo(path).absoluteFilePath()};
    for (const TableRequest& request : requests)
        arguments << request.name << QString::number(qMax(0, request.maxRows));
    QProcess helper;
    helper.setProgram(program);
    helper.setArguments(arguments);
    helper.setProcessEnvironment(HelperEnvironment());
    helper.setStandardInputFile(QProcess::nullDevice());
    helper.setStandardErrorFile(QProcess::nullDevice());

    // The wait runs the application's events, not the operator's input: the window repaints
    // and its timers tick, but no other operation starts in the middle of this one.
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QByteArray output;
    bool startFailed = false;
    QObject::connect(&helper, &QProcess::readyReadStandardOutput, &loop, [&] {
        output += helper.readAllStandardOutput();
        if (output.size() > kMaxOutput) loop.quit();
    });
    QObject::connect(&helper, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&helper, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        startFailed = true;
        loop.quit();
    });
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    helper.start(QIODevice::ReadOnly);
    limit.start(timeLimitMs);
    // A start that fails may say so at once, before the loop runs.
    if (!startFailed && helper.state() != QProcess::NotRunning)
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (startFailed) {
        TablesRead read = Failure(HelperMissing(program));
        read.fileAtFault = false;
        return read;
    }
    if (helper.state() != QProcess::NotRunning) {
        // Out of time, too much output, or the application is ending.
        helper.kill();
        helper.waitForFinished(kKilledMs);
        return Failure(Damaged());
    }
    output += helper.readAllStandardOutput();
    if (helper.exitStatus() != QProcess::NormalExit || helper.exitCode() != 0 ||
        output.size() > kMaxOutput)
        return Failure(Damaged());
    TablesRead read;
    if (!ParseMdbDump(output, requests, read)) return Failure(Damaged());
    KeepRequestedColumns(requests, read);
    return read;
}

TablesRead ReadMdbTables(const QString& path, const std::vector<TableRequest>& requests) {
    return RunMdbDump(MdbDumpProgram(), path, requests, kReadMs);
}
