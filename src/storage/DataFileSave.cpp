#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "storage/DataFile.h"
#include "storage/DataFileLayout.h"
#include "storage/FailureReason.h"
#include "storage/SqliteTables.h"

namespace {

constexpr int kListedLeftOut = 10;
// Symbolic links followed from the chosen name to the file itself, as the system does.
constexpr int kMaxLinks = 40;

using datafile::ValueFault;
using Tables = std::vector<std::pair<QString, DataTable>>;

// The values left without value, by what was wrong with them.
struct LeftOut {
    static constexpr std::array<ValueFault, 3> kFaults{
        ValueFault::TooLong, ValueFault::ControlCharacter, ValueFault::NotAscii};
    std::array<QStringList, kFaults.size()> where;

    void add(ValueFault fault, const QString& place) {
        for (size_t i = 0; i < kFaults.size(); ++i)
            if (kFaults[i] == fault) where[i] << place;
    }
};

QString SaveFailed(const QString& reason) {
    return QStringLiteral("ファイルを保存できませんでした。\n") + reason;
}

QString FaultText(ValueFault fault) {
    switch (fault) {
        case ValueFault::ControlCharacter:
            return QStringLiteral("改行などの制御文字を含む値は保存できません。");
        case ValueFault::NotAscii:
            return QStringLiteral(
                "半角英数字・記号以外の文字（全角文字など）を含む値は保存できません。");
        case ValueFault::TooLong:
        case ValueFault::None:
            break;
    }
    return QStringLiteral("5文字を超える値は保存できません。");
}

// One paragraph per kind of fault: what cannot be saved, then where such values were.
QString LeftOutText(const LeftOut& leftOut) {
    QStringList paragraphs;
    for (size_t i = 0; i < LeftOut::kFaults.size(); ++i) {
        const QStringList& where = leftOut.where[i];
        if (where.isEmpty()) continue;
        QString text = FaultText(LeftOut::kFaults[i]) +
                       QStringLiteral("次の値は空欄で保存しました。\n") +
                       where.mid(0, kListedLeftOut).join(QStringLiteral("、"));
        if (where.size() > kListedLeftOut)
            text += QStringLiteral(" ほか %1 件").arg(where.size() - kListedLeftOut);
        paragraphs << text;
    }
    return paragraphs.join(QStringLiteral("\n\n"));
}

// The file's tables from the store; values the file cannot hold are listed in `leftOut`.
Tables TablesOf(const SettingsStore& store, LeftOut& leftOut) {
    auto cell = [&leftOut](const QString& value, const QString& where) {
        const ValueFault fault = datafile::FaultOf(value);
        if (fault != ValueFault::None) {
            leftOut.add(fault, where);
            return std::optional<QString>();
        }
        return value.isEmpty() ? std::optional<QString>() : std::optional<QString>(value);
    };
    DataTable products;
    products.fields = datafile::ProductFields();
    for (int p = 0; p < SettingsStore::kProducts; ++p) {
        std::vector<std::optional<QString>> row;
        for (int k = 0; k < SettingsStore::kProductItems; ++k)
            row.push_back(cell(store.product(p, k),
                               QStringLiteral("銘柄 %1「%2」").arg(p).arg(products.fields[k])));
        products.rows.push_back(std::move(row));
    }
    DataTable settings;
    std::vector<std::optional<QString>> row;
    for (const auto& field : datafile::SettingFields(store.model())) {
        settings.fields << field.name;
        row.push_back(
            cell(store.setting(field.group, field.slot), QStringLiteral("「%1」").arg(field.name)));
    }
    settings.fields << datafile::IndicatorField();
    row.emplace_back(datafile::ModelText(store.model()));
    settings.rows.push_back(std::move(row));
    return {{datafile::ProductsTable(), std::move(products)},
            {datafile::SettingsTable(), std::move(settings)}};
}

// The file a save to `path` writes: the final target of a symbolic link (which need not exist
// yet), so that the link stays and points at the new file; otherwise `path` itself. Empty when
// the links go round.
QString FinalTarget(const QString& path) {
    QString current = QFileInfo(path).absoluteFilePath();
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        const QFileInfo info(current);
        if (!info.isSymLink()) return current;
        current = info.symLinkTarget();
    }
    return {};
}

// Whether the operator may replace the file. The system's own check is not enough: it lets the
// superuser write anything, yet a file without write permission is meant to stay as it is.
bool MayReplace(const QFileInfo& file) {
    if (!file.isWritable()) return false;
    const auto permissions = file.permissions();
    if (file.ownerId() == ::geteuid()) return permissions.testFlag(QFile::WriteOwner);
    return permissions.testAnyFlags(QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther);
}

// The file a save to `path` writes when it may be created or replaced; else empty, and `why`.
QString CheckedTarget(const QString& path, QString* why) {
    const QString target = FinalTarget(path);
    if (target.isEmpty()) {
        *why = FailureReason(SystemFailure::FromErrno(ELOOP));
        return {};
    }
    const QFileInfo info(target);
    if (info.isDir()) *why = QStringLiteral("同じ名前のフォルダーがあります。");
    if (info.exists() && !info.isDir()) {
        if (!info.isFile())
            *why = NotRegularFileReason();
        else if (!MayReplace(info))
            *why = QStringLiteral("このファイルは読み取り専用のため上書きできません。");
    }
    return why->isEmpty() ? target : QString();
}

// A new empty file beside the target, under a temporary name; its name, or empty and the reason.
QByteArray TemporaryBeside(const QFileInfo& info, QString* why) {
    QByteArray temp = QFile::encodeName(info.absolutePath() + QStringLiteral("/.") +
                                        info.fileName() + QStringLiteral(".XXXXXX"));
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        *why = FailureReason(SystemFailure::FromErrno(errno));
        return {};
    }
    ::close(fd);
    return temp;
}

// Writes the tables to a temporary file beside the target, then puts it in the target's place.
QString WriteReplacing(const QString& path, const Tables& tables) {
    QString why;
    const QString target = CheckedTarget(path, &why);
    if (target.isEmpty()) return why;
    const QFileInfo info(target);
    const QByteArray temp = TemporaryBeside(info, &why);
    if (temp.isEmpty()) return why;
    const QString tempPath = QFile::decodeName(temp);
    QString failure = WriteSqliteTables(tempPath, tables);
    if (failure.isEmpty()) {
        const auto permissions = info.exists() ? info.permissions()
                                               : QFile::ReadOwner | QFile::WriteOwner |
                                                     QFile::ReadGroup | QFile::ReadOther;
        QFile::setPermissions(tempPath, permissions);
        if (std::rename(temp.constData(), QFile::encodeName(target).constData()) != 0)
            failure = FailureReason(SystemFailure::FromErrno(errno));
    }
    if (!failure.isEmpty()) {
        QFile::remove(tempPath);
        QFile::remove(tempPath + QStringLiteral("-journal"));
    }
    return failure;
}

}  // namespace

QString DataFileSaveRefusal(const QString& path) {
    QString why;
    const QString target = CheckedTarget(path, &why);
    const QByteArray temp =
        target.isEmpty() ? QByteArray() : TemporaryBeside(QFileInfo(target), &why);
    if (!why.isEmpty()) return SaveFailed(why);
    QFile::remove(QFile::decodeName(temp));
    return {};
}

DataFileSave SaveDataFile(const SettingsStore& store, const QString& path) {
    DataFileSave out;
    LeftOut leftOut;
    const QString failure = WriteReplacing(path, TablesOf(store, leftOut));
    if (!failure.isEmpty()) {
        out.messages << SaveFailed(failure);
        return out;
    }
    out.saved = true;
    const QString leftOutText = LeftOutText(leftOut);
    if (!leftOutText.isEmpty()) out.messages << leftOutText;
    return out;
}
