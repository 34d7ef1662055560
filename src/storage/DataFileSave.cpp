#include <QFile>
#include <array>

#include "model/ModelFacts.h"
#include "platform/FileRules.h"
#include "storage/DataFile.h"
#include "storage/DataFileLayout.h"
#include "storage/SqliteTables.h"
#include "texts/StorageTexts.h"

namespace {

constexpr int kListedLeftOut = 10;

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
    return Tr(StorageText::SaveFailed).arg(reason);
}

QString FaultText(ValueFault fault) {
    switch (fault) {
        case ValueFault::ControlCharacter:
            return Tr(StorageText::ControlCharacter);
        case ValueFault::NotAscii:
            return Tr(StorageText::NotAscii);
        case ValueFault::TooLong:
        case ValueFault::None:
            break;
    }
    return Tr(StorageText::TooLong);
}

// One paragraph per kind of fault: what cannot be saved, then where such values were.
QString LeftOutText(const LeftOut& leftOut) {
    QStringList paragraphs;
    for (size_t i = 0; i < LeftOut::kFaults.size(); ++i) {
        const QStringList& where = leftOut.where[i];
        if (where.isEmpty()) continue;
        QString text = FaultText(LeftOut::kFaults[i]) + Tr(StorageText::SavedBlank) +
                       where.mid(0, kListedLeftOut).join(Tr(StorageText::ListJoiner));
        if (where.size() > kListedLeftOut)
            text += Tr(StorageText::AndMore).arg(where.size() - kListedLeftOut);
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
    for (int p = 0; p < store.productCount(); ++p) {
        std::vector<std::optional<QString>> row;
        for (int k = 0; k < SettingsStore::kProductItems; ++k)
            row.push_back(cell(store.product(p, k),
                               Tr(StorageText::ProductValue).arg(p).arg(products.fields[k])));
        products.rows.push_back(std::move(row));
    }
    DataTable settings;
    std::vector<std::optional<QString>> row;
    for (const auto& field : datafile::SettingFields(store.model())) {
        settings.fields << field.name;
        row.push_back(cell(store.setting(field.group, field.slot),
                           Tr(StorageText::QuotedName).arg(field.name)));
    }
    settings.fields << datafile::IndicatorField();
    row.emplace_back(ModelName(store.model()));
    settings.rows.push_back(std::move(row));
    return {{datafile::ProductsTable(), std::move(products)},
            {datafile::SettingsTable(), std::move(settings)}};
}

// Writes the tables into the temporary file the file rules give, which then replaces the target.
QString WriteReplacing(const QString& path, const Tables& tables) {
    return ReplaceFile(path, [&tables](const QString& temp) {
        const QString failure = WriteSqliteTables(temp, tables);
        if (!failure.isEmpty()) QFile::remove(temp + QStringLiteral("-journal"));
        return failure;
    });
}

}  // namespace

QString DataFileSaveRefusal(const QString& path) {
    const QString why = ReplaceRefusal(path);
    return why.isEmpty() ? QString() : SaveFailed(why);
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
