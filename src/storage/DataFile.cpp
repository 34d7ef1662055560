#include "storage/DataFile.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

#include "storage/DataFileLayout.h"
#include "storage/FailureReason.h"
#include "storage/MdbReader.h"
#include "storage/SqliteTables.h"

namespace {

QString NotDataFile() {
    return QStringLiteral("このファイルはデータファイルではありません。");
}

QString CannotOpen() {
    return QStringLiteral("ファイルを開けません。");
}

QString CannotRead(const QString& reason, bool fileAtFault) {
    // A reason that already names the damage, or lies with this program, is not preceded by a
    // guess at damage.
    if (!fileAtFault || reason == DamagedFileReason())
        return QStringLiteral("ファイルを読み込めません。\n") + reason;
    return QStringLiteral("ファイルを読み込めません。ファイルが壊れている可能性があります。\n") +
           reason;
}

QString Damaged(const QString& where) {
    return QStringLiteral("このファイルの値が正しくありません（%1）。何も読み込みませんでした。")
        .arg(where);
}

QString MissingTable(const QString& table, const QString& loadedInstead) {
    QString text = QStringLiteral("このファイルには「%1」の表がありません。").arg(table);
    if (!loadedInstead.isEmpty())
        text += QStringLiteral("%1のみ読み込みました。").arg(loadedInstead);
    return text;
}

// Where the products table holds something no data file holds; empty when it is sound.
QString ProductsDamage(const DataTable& table) {
    const QString name = datafile::ProductsTable();
    const int fields = datafile::ProductFields().size();
    if (table.oddValue || table.fields.size() < fields) return QStringLiteral("「%1」").arg(name);
    for (size_t i = 0; i < table.rows.size(); ++i)
        for (int k = 0; k < fields; ++k) {
            const auto& cell = table.rows[i][k];
            if (cell && !datafile::FileCanHold(*cell))
                return QStringLiteral("「%1」の銘柄 %2「%3」")
                    .arg(name)
                    .arg(i)
                    .arg(table.fields[k]);
        }
    return {};
}

bool ModelMatches(const DataTable& table, IndicatorModel model) {
    const auto& layout = datafile::SettingFields(model);
    const int count = static_cast<int>(layout.size());
    if (table.fields.size() != count && table.fields.size() != count + 1) return false;
    return table.fields.constFirst() == layout.front().name;
}

QString SettingsDamage(const DataTable& table, IndicatorModel model) {
    const QString name = datafile::SettingsTable();
    if (table.oddValue) return QStringLiteral("「%1」").arg(name);
    if (table.rows.empty()) return {};
    const auto& row = table.rows.front();
    for (size_t n = 0; n < datafile::SettingFields(model).size(); ++n)
        if (row[n] && !datafile::FileCanHold(*row[n]))
            return QStringLiteral("「%1」の「%2」").arg(name, table.fields[n]);
    return {};
}

void CopyProducts(const DataTable& table, SettingsStore& store) {
    const int rows = std::min<int>(table.rows.size(), SettingsStore::kProducts);
    for (int i = 0; i < rows; ++i)
        for (int k = 0; k < SettingsStore::kProductItems; ++k) {
            const auto& cell = table.rows[i][k];
            if (cell && !cell->isEmpty()) store.setProduct(i, k, *cell);
        }
}

void CopySettings(const DataTable& table, SettingsStore& store) {
    const auto& layout = datafile::SettingFields(store.model());
    const auto& row = table.rows.front();
    for (size_t n = 0; n < layout.size(); ++n)
        if (row[n] && !row[n]->isEmpty())
            store.setSetting(layout[n].group, layout[n].slot, *row[n]);
}

TablesRead ReadTables(const QString& path, const std::vector<TableRequest>& requests,
                      QString& refusal) {
    switch (DetectDataFileFormat(path)) {
        case DataFileFormat::Sqlite:
            return ReadSqliteTables(path, requests);
        case DataFileFormat::Access:
            return ReadMdbTables(path, requests);
        case DataFileFormat::Other:
            refusal = NotDataFile();
            return {};
        case DataFileFormat::NotRegular:
            refusal = CannotOpen() + u'\n' + NotRegularFileReason();
            return {};
        case DataFileFormat::Unreadable:
            break;
    }
    refusal = CannotOpen();
    return {};
}

}  // namespace

DataFileFormat DetectDataFileFormat(const QString& path) {
    // Reading a named pipe or a device would wait for data that may never come, with the window
    // stopped: such a name is refused before anything opens it.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) return DataFileFormat::NotRegular;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return DataFileFormat::Unreadable;
    const QByteArray head = file.read(19);
    if (head.startsWith(QByteArrayLiteral("SQLite format 3\0"))) return DataFileFormat::Sqlite;
    if (head.startsWith(QByteArrayLiteral("\x00\x01\x00\x00")) &&
        (head.mid(4) == "Standard Jet DB" || head.mid(4) == "Standard ACE DB"))
        return DataFileFormat::Access;
    return DataFileFormat::Other;
}

QString ModelMismatchText(IndicatorModel selected, bool productsLoaded) {
    QString text = selected == IndicatorModel::F800
                       ? QStringLiteral("このデータはＦ８００用ではありません。")
                       : QStringLiteral("このデータはＦ８０５用ではありません。");
    if (productsLoaded) text += QStringLiteral("銘柄のみ読み込みました。");
    return text;
}

DataFileLoad LoadDataFile(SettingsStore& store, const QString& path, int mode) {
    DataFileLoad out;
    const bool wantProducts = mode == loadmode::kAll || mode == loadmode::kProducts;
    const bool wantSettings = mode == loadmode::kAll || mode == loadmode::kSettings;
    if (!wantProducts && !wantSettings) return out;

    std::vector<TableRequest> requests;
    if (wantProducts) requests.push_back({datafile::ProductsTable(), SettingsStore::kProducts});
    if (wantSettings) requests.push_back({datafile::SettingsTable(), 1});
    QString refusal;
    TablesRead read = ReadTables(path, requests, refusal);
    if (!refusal.isEmpty() || !read.failure.isEmpty()) {
        out.messages << (refusal.isEmpty() ? CannotRead(read.failure, read.fileAtFault) : refusal);
        return out;
    }
    std::optional<DataTable> products, settings;
    if (wantProducts) products = std::move(read.tables.front());
    if (wantSettings) settings = std::move(read.tables.back());
    if (wantProducts && wantSettings && !products && !settings) {
        out.messages << NotDataFile();
        return out;
    }

    // Nothing is copied from a file that holds values no data file holds.
    const IndicatorModel model = store.model();
    const bool modelOk = settings && ModelMatches(*settings, model);
    QString damage = products ? ProductsDamage(*products) : QString();
    if (damage.isEmpty() && modelOk) damage = SettingsDamage(*settings, model);
    if (!damage.isEmpty()) {
        out.messages << Damaged(damage);
        return out;
    }

    const bool all = mode == loadmode::kAll;
    if (products && !products->rows.empty()) {
        CopyProducts(*products, store);
        out.storeChanged = true;
    }
    if (wantProducts && !products)
        out.messages << MissingTable(datafile::ProductsTable(),
                                     all && modelOk ? QStringLiteral("設定値") : QString());
    if (!wantSettings) return out;
    if (!settings) {
        out.messages << MissingTable(datafile::SettingsTable(),
                                     products ? QStringLiteral("銘柄") : QString());
    } else if (!modelOk) {
        out.messages << ModelMismatchText(model, all && products);
    } else if (!settings->rows.empty()) {
        CopySettings(*settings, store);
        out.storeChanged = true;
    }
    return out;
}
