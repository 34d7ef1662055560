#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "storage/DataFile.h"
#include "storage/DataFileLayout.h"
#include "storage/SqliteTables.h"

namespace {

constexpr int kListedLeftOut = 10;

QString SaveFailed(const QString& reason) {
    return QStringLiteral("ファイルを保存できませんでした。\n") + reason;
}

QString LeftOutText(const QStringList& where) {
    QString text =
        QStringLiteral("5文字を超える値は保存できません。次の値は空欄で保存しました。\n") +
        where.mid(0, kListedLeftOut).join(QStringLiteral("、"));
    if (where.size() > kListedLeftOut)
        text += QStringLiteral(" ほか %1 件").arg(where.size() - kListedLeftOut);
    return text;
}

// The file's tables from the store; values the file cannot hold are listed in `leftOut`.
std::vector<std::pair<QString, DataTable>> TablesOf(const SettingsStore& store,
                                                    QStringList& leftOut) {
    auto cell = [&leftOut](const QString& value, const QString& where) {
        if (!datafile::FileCanHold(value)) {
            leftOut << where;
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

QString Rename(const QString& from, const QString& to) {
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return {};
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Writes the tables to a temporary file beside `path`, then puts it in the place of `path`.
QString WriteReplacing(const QString& path,
                       const std::vector<std::pair<QString, DataTable>>& tables) {
    const QFileInfo target(path);
    if (target.isDir()) return QStringLiteral("同じ名前のフォルダーがあります。");
    QTemporaryFile temp(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                        QStringLiteral(".XXXXXX"));
    temp.setAutoRemove(false);
    if (!temp.open()) return temp.errorString();
    const QString tempPath = temp.fileName();
    temp.close();
    QString failure = WriteSqliteTables(tempPath, tables);
    if (failure.isEmpty()) {
        const auto permissions = target.exists() ? QFile::permissions(path)
                                                 : QFile::ReadOwner | QFile::WriteOwner |
                                                       QFile::ReadGroup | QFile::ReadOther;
        QFile::setPermissions(tempPath, permissions);
        failure = Rename(tempPath, path);
    }
    if (!failure.isEmpty()) {
        QFile::remove(tempPath);
        QFile::remove(tempPath + QStringLiteral("-journal"));
    }
    return failure;
}

}  // namespace

DataFileSave SaveDataFile(const SettingsStore& store, const QString& path) {
    DataFileSave out;
    QStringList leftOut;
    const QString failure = WriteReplacing(path, TablesOf(store, leftOut));
    if (!failure.isEmpty()) {
        out.messages << SaveFailed(failure);
        return out;
    }
    out.saved = true;
    if (!leftOut.isEmpty()) out.messages << LeftOutText(leftOut);
    return out;
}
