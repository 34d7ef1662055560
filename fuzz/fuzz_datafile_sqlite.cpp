// The data-file loader on SQLite files built from the fuzzer's bytes: up to three tables named
// as ours or otherwise, with our field names or others, declared types or none, and rows of
// null, text, integer, real or binary values. The file is then loaded as the program loads it.
// Properties: DataFileChecks.h.

#include <fuzzer/FuzzedDataProvider.h>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include "DataFileChecks.h"

namespace {

QString Quoted(QString name) {
    return u'"' + name.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString TextOf(FuzzedDataProvider& input, size_t max) {
    const std::string bytes = input.ConsumeRandomLengthString(max);
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

QString TableName(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange<int>(0, 3)) {
        case 0:
            return datafile::ProductsTable();
        case 1:
        case 2:
            return datafile::SettingsTable();
        default:
            return TextOf(input, 12);
    }
}

QStringList FieldNames(FuzzedDataProvider& input, const QString& table, IndicatorModel model) {
    QStringList ours =
        table == datafile::ProductsTable() ? datafile::ProductFields() : QStringList();
    if (table == datafile::SettingsTable()) {
        for (const auto& field : datafile::SettingFields(model)) ours << field.name;
        ours << datafile::IndicatorField();
    }
    // Our fields, cut short or run on, with now and then another name in between.
    const int count = input.ConsumeIntegralInRange<int>(0, int(ours.size()) + 2);
    QStringList names;
    for (int i = 0; i < count; ++i) {
        QString name = i < ours.size() && input.ConsumeIntegralInRange<int>(0, 7) != 0
                           ? ours[i]
                           : TextOf(input, 8);
        if (name.isEmpty() || names.contains(name, Qt::CaseInsensitive))
            name = QStringLiteral("f%1").arg(i);
        names << name;
    }
    return names;
}

QVariant CellOf(FuzzedDataProvider& input) {
    switch (input.ConsumeIntegralInRange<int>(0, 7)) {
        case 0:
            return QVariant(QMetaType::fromType<QString>());
        case 1:
            return input.ConsumeIntegral<qint64>();
        case 2:
            return input.ConsumeFloatingPoint<double>();
        case 3: {
            const std::string bytes = input.ConsumeRandomLengthString(8);
            return QByteArray(bytes.data(), qsizetype(bytes.size()));
        }
        default:
            return TextOf(input, 8);
    }
}

bool Build(const QString& path, FuzzedDataProvider& input, IndicatorModel model) {
    QFile::remove(path);
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "fuzz-build");
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery q(db);
        ok = ok && q.exec("PRAGMA journal_mode = OFF") && q.exec("PRAGMA synchronous = OFF");
        const int tables = ok ? input.ConsumeIntegralInRange<int>(0, 3) : 0;
        for (int t = 0; t < tables; ++t) {
            const QString name = TableName(input);
            const QStringList fields = FieldNames(input, name, model);
            if (fields.isEmpty()) continue;
            static const char* const types[] = {"", " TEXT", " VARCHAR(5)", " INTEGER", " BLOB"};
            QStringList columns, marks;
            for (const QString& field : fields) {
                columns << Quoted(field) + types[input.ConsumeIntegralInRange<int>(0, 4)];
                marks << QStringLiteral("?");
            }
            if (!q.exec(
                    QStringLiteral("CREATE TABLE %1 (%2)").arg(Quoted(name), columns.join(','))))
                continue;  // a name SQLite will not take (a second table of one name)
            if (!q.prepare(QStringLiteral("INSERT INTO %1 VALUES (%2)")
                               .arg(Quoted(name), marks.join(','))))
                continue;
            const int rows = input.ConsumeIntegralInRange<int>(0, 3) == 0
                                 ? input.ConsumeIntegralInRange<int>(0, 120)
                                 : input.ConsumeIntegralInRange<int>(0, 2);
            for (int r = 0; r < rows; ++r) {
                for (int c = 0; c < fields.size(); ++c) q.bindValue(c, CellOf(input));
                if (!q.exec()) break;
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase("fuzz-build");
    return ok;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    StartApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("data.mdb"));
    FuzzedDataProvider input(data, size);
    const bool f800 = input.ConsumeBool();
    static const int modes[] = {loadmode::kAll, loadmode::kProducts, loadmode::kSettings};
    const int mode = modes[input.ConsumeIntegralInRange<int>(0, 2)];
    const IndicatorModel fileModel =
        input.ConsumeBool() ? IndicatorModel::F800 : IndicatorModel::F805;
    FUZZ_CHECK(Build(path, input, fileModel), "the scratch database opens");
    LoadAndCheck(path, mode, f800);
    return 0;
}
