#include "storage/DataFile.h"

#include <optional>

#include "model/ModelFacts.h"
#include "platform/FailureReason.h"
#include "platform/FileRules.h"
#include "storage/DataFileLayout.h"
#include "storage/MdbReader.h"
#include "storage/SqliteTables.h"
#include "texts/StorageTexts.h"

namespace {

// Far beyond any data file (one is some tens of kilobytes, an Access one rarely a few MB).
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;
// Missing fields named in a refusal; the rest are counted.
constexpr int kNamedColumns = 3;

QString NotDataFile() {
    return Tr(StorageText::NotDataFile);
}

QString CannotOpen() {
    return Tr(StorageText::CannotOpen);
}

QString CannotRead(const QString& reason, bool fileAtFault) {
    // A reason that already names the damage, or lies with this program, is not preceded by a
    // guess at damage.
    if (!fileAtFault || reason == DamagedFileReason())
        return Tr(StorageText::CannotRead).arg(reason);
    return Tr(StorageText::CannotReadDamaged).arg(reason);
}

QString Damaged(const QString& where) {
    return Tr(StorageText::Damaged).arg(where);
}

QString MissingTable(const QString& table, const QString& loadedInstead) {
    QString text = Tr(StorageText::MissingTable).arg(table);
    if (!loadedInstead.isEmpty()) text += Tr(StorageText::LoadedOnly).arg(loadedInstead);
    return text;
}

QString MissingColumnsText(const QString& table, const QStringList& missing) {
    QStringList named;
    for (const QString& name : missing.mid(0, kNamedColumns))
        named << Tr(StorageText::QuotedName).arg(name);
    const QString which =
        missing.size() > kNamedColumns
            ? named.join(QString()) + Tr(StorageText::MoreColumns).arg(missing.size())
            : named.join(Tr(StorageText::ListJoiner)) + Tr(StorageText::Columns);
    return Tr(StorageText::MissingColumns).arg(table, which);
}

QStringList SettingNames(IndicatorModel model) {
    QStringList names;
    for (const auto& field : datafile::SettingFields(model)) names << field.name;
    return names;
}

// Why nothing may be taken from a table: a field it lacks, or a value no data file holds;
// empty when it is sound. `columns` are the fields asked for, in the order of the row's cells.
QString Refusal(const QString& name, const DataTable& table, const QStringList& columns,
                bool perProduct) {
    if (table.oddValue) return Damaged(Tr(StorageText::QuotedName).arg(name));
    if (const QStringList missing = MissingColumns(table.fields, columns); !missing.isEmpty())
        return MissingColumnsText(name, missing);
    for (size_t i = 0; i < table.rows.size(); ++i)
        for (int k = 0; k < columns.size(); ++k) {
            const auto& cell = table.rows[i][k];
            if (!cell || datafile::FileCanHold(*cell)) continue;
            return Damaged(perProduct
                               ? Tr(StorageText::ProductCell).arg(name).arg(i).arg(columns[k])
                               : Tr(StorageText::TableCell).arg(name, columns[k]));
        }
    return {};
}

// A settings table belongs to the selected model when it holds a field of that model's layout
// which no other model's layout has.
bool ModelMatches(const DataTable& table, IndicatorModel model) {
    QStringList otherNames;
    for (const ModelFacts* other : AllModels())
        if (other->model != model) otherNames << SettingNames(other->model);
    QStringList own;
    for (const QString& name : SettingNames(model))
        if (!otherNames.contains(name, Qt::CaseInsensitive)) own << name;
    return MissingColumns(table.fields, own).size() < own.size();
}

void CopyProducts(const DataTable& table, SettingsStore& store) {
    const int rows = std::min<int>(table.rows.size(), store.productCount());
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
        case DataFileFormat::TooLarge:
            refusal = CannotOpen() + u'\n' + TooLargeReason(kMaxFileBytes);
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
    // stopped: the file rules refuse such a name before anything opens it.
    constexpr qint64 kHeadBytes = 19;
    const FileRead read = ReadFileHead(path, kMaxFileBytes, kHeadBytes);
    if (read.failure == NotRegularFileReason()) return DataFileFormat::NotRegular;
    if (read.failure == TooLargeReason(kMaxFileBytes)) return DataFileFormat::TooLarge;
    if (!read.failure.isEmpty()) return DataFileFormat::Unreadable;
    const QByteArray& head = read.bytes;
    if (head.startsWith(QByteArrayLiteral("SQLite format 3\0"))) return DataFileFormat::Sqlite;
    if (head.startsWith(QByteArrayLiteral("\x00\x01\x00\x00")) &&
        (head.mid(4) == "Standard Jet DB" || head.mid(4) == "Standard ACE DB"))
        return DataFileFormat::Access;
    return DataFileFormat::Other;
}

QString ModelMismatchText(IndicatorModel selected, bool productsLoaded) {
    QString text = Tr(StorageText::ModelMismatch).arg(ModelWideName(selected));
    if (productsLoaded) text += Tr(StorageText::ProductsLoadedOnly);
    return text;
}

DataFileLoad LoadDataFile(SettingsStore& store, const QString& path, int mode) {
    DataFileLoad out;
    const bool wantProducts = mode == loadmode::kAll || mode == loadmode::kProducts;
    const bool wantSettings = mode == loadmode::kAll || mode == loadmode::kSettings;
    if (!wantProducts && !wantSettings) return out;

    const IndicatorModel model = store.model();
    const QStringList productColumns = datafile::ProductFields();
    const QStringList settingColumns = SettingNames(model);
    std::vector<TableRequest> requests;
    if (wantProducts)
        requests.push_back({datafile::ProductsTable(), store.productCount(), productColumns});
    if (wantSettings) requests.push_back({datafile::SettingsTable(), 1, settingColumns});
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

    // Nothing is copied from a file that lacks a field, or holds values no data file holds.
    const bool modelOk = settings && ModelMatches(*settings, model);
    QString why =
        products ? Refusal(datafile::ProductsTable(), *products, productColumns, true) : QString();
    if (why.isEmpty() && modelOk)
        why = Refusal(datafile::SettingsTable(), *settings, settingColumns, false);
    if (!why.isEmpty()) {
        out.messages << why;
        return out;
    }

    const bool all = mode == loadmode::kAll;
    if (products && !products->rows.empty()) {
        CopyProducts(*products, store);
        out.storeChanged = true;
    }
    if (wantProducts && !products)
        out.messages << MissingTable(datafile::ProductsTable(),
                                     all && modelOk ? Tr(StorageText::Settings) : QString());
    if (!wantSettings) return out;
    if (!settings) {
        out.messages << MissingTable(datafile::SettingsTable(),
                                     products ? Tr(StorageText::Products) : QString());
    } else if (!modelOk) {
        out.messages << ModelMismatchText(model, all && products);
    } else if (!settings->rows.empty()) {
        CopySettings(*settings, store);
        out.storeChanged = true;
    }
    return out;
}
