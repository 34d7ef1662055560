#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <future>
#include <set>

#include "StorageTestSupport.h"
#include "platform/FailureReason.h"
#include "storage/DataFile.h"
#include "storage/DataFileLayout.h"
#include "texts/PlatformTexts.h"
#include "texts/StorageTexts.h"

using namespace storagetest;

namespace {

// The refusal of another model's settings, naming the model selected by its wide name.
QString NotFor(const char* wideName, bool productsLoaded) {
    return Tr(StorageText::ModelMismatch).arg(wideName) +
           (productsLoaded ? Tr(StorageText::ProductsLoadedOnly) : QString());
}

SettingsStore StoreOf(int model, QChar tag) {
    SettingsStore store;
    store.setModel(static_cast<IndicatorModel>(model));
    if (tag != u' ') Fill(store, tag);
    return store;
}

// Every product of the store comes from fill `tag`.
bool AllProducts(const SettingsStore& store, QChar tag) {
    for (int p = 0; p < SettingsStore::kMaxProducts; ++p)
        if (ProductTag(store, p) != tag) return false;
    return true;
}

// Every setting in the model's file layout comes from `inLayout`, every other slot from
// `outside`.
bool AllSettings(const SettingsStore& store, QChar inLayout, QChar outside) {
    std::set<std::pair<int, int>> layout;
    for (const auto& f : datafile::SettingFields(store.model())) layout.insert({f.group, f.slot});
    for (int g = SettingsStore::kFirstGroup; g <= SettingsStore::kLastGroup; ++g)
        for (int s = 0; s < SettingsStore::GroupSize(g); ++s)
            if (SettingTag(store, g, s) != (layout.count({g, s}) ? inLayout : outside))
                return false;
    return true;
}

}  // namespace

class DataFileTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir dir_;
    QString path(const QString& name = "data.mdb") const { return dir_.filePath(name); }

    // A file saved from a store of fill `tag` with the model selected.
    QString savedFile(int model, QChar tag, const QString& name = "saved.mdb") {
        const QString file = path(name);
        QFile::remove(file);
        const DataFileSave saved = SaveDataFile(StoreOf(model, tag), file);
        if (!saved.saved) qWarning() << saved.messages;
        return file;
    }

  private slots:
    void savesAnEmptyStore_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("fields");
        QTest::addColumn<QString>("first");
        QTest::newRow("F805") << 805 << 60 << "上下限比較有無";
        QTest::newRow("F800") << 800 << 32 << "ﾀｲﾏ";
    }
    void savesAnEmptyStore() {
        QFETCH(int, model);
        QFETCH(int, fields);
        QFETCH(QString, first);
        const QString file = path();
        const DataFileSave saved = SaveDataFile(StoreOf(model, u' '), file);
        QVERIFY(saved.saved);
        QVERIFY(saved.messages.isEmpty());
        QCOMPARE(DetectDataFileFormat(file), DataFileFormat::Sqlite);
        QCOMPARE(Select(file, "SELECT name FROM sqlite_master WHERE type = 'table'"),
                 QList<QVariantList>({{"銘柄"}, {"設定値"}}));
        QCOMPARE(FieldNames(file, "銘柄"), datafile::ProductFields());
        QCOMPARE(Select(file, "SELECT count(*) FROM 銘柄"), QList<QVariantList>({{100}}));
        QCOMPARE(Select(file,
                        "SELECT count(*) FROM 銘柄 WHERE coalesce(大投入, 定量前, 定量, 過量, "
                        "不足, 落差, 自動落差規制値, 補正投入時間) IS NOT NULL"),
                 QList<QVariantList>({{0}}));
        const QStringList names = FieldNames(file, "設定値");
        QCOMPARE(names.size(), fields);
        QCOMPARE(names.first(), first);
        QCOMPARE(names.last(), QString("INDICATOR"));
        const auto rows = Select(file, "SELECT * FROM 設定値");
        QCOMPARE(rows.size(), 1);
        for (int n = 0; n < fields - 1; ++n) QVERIFY(!rows[0][n].isValid());
        QCOMPARE(rows[0].last().toString(), model == 800 ? QString("F800") : QString("F805"));
        QVERIFY(Select(file, "SELECT * FROM sqlite_master WHERE type = 'index'").isEmpty());
    }

    void savesValuesByLayout() {
        const QString file = savedFile(800, u'A');
        QCOMPARE(Select(file, "SELECT 定量, 補正投入時間 FROM 銘柄 LIMIT 1 OFFSET 42"),
                 QList<QVariantList>({{ProductText(u'A', 42, 2), ProductText(u'A', 42, 7)}}));
        // The F800's weight fields live in group 6 from slot 2, its statistics in group 8.
        QCOMPARE(Select(file,
                        "SELECT ﾀｲﾏ, 分銅重量値, 重力加速度補正, 最大重量, 標本標準偏差 "
                        "FROM 設定値"),
                 QList<QVariantList>(
                     {{SettingText(u'A', 2, 0), SettingText(u'A', 6, 2), SettingText(u'A', 6, 8),
                       SettingText(u'A', 8, 0), SettingText(u'A', 8, 5)}}));
    }

    void roundTrip_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("products");
        QTest::addColumn<bool>("settings");
        for (int model : {805, 800}) {
            const QByteArray m = QByteArray::number(model);
            QTest::newRow(m + " all") << model << 1 << true << true;
            QTest::newRow(m + " products") << model << 2 << true << false;
            QTest::newRow(m + " settings") << model << 4 << false << true;
        }
    }
    void roundTrip() {
        QFETCH(int, model);
        QFETCH(int, mode);
        QFETCH(bool, products);
        QFETCH(bool, settings);
        const QString file = savedFile(model, u'A');
        SettingsStore store = StoreOf(model, u'B');
        const DataFileLoad loaded = LoadDataFile(store, file, mode);
        QVERIFY(loaded.messages.isEmpty());
        QVERIFY(loaded.storeChanged);
        QVERIFY(AllProducts(store, products ? u'A' : u'B'));
        // Slots outside the model's layout keep what they held.
        QVERIFY(AllSettings(store, settings ? u'A' : u'B', u'B'));
        QCOMPARE(static_cast<int>(store.model()), model);
    }

    void otherModelsFile_data() {
        QTest::addColumn<int>("saved");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("products");
        QTest::addColumn<QString>("message");
        QTest::newRow("F800 file, F805 all") << 800 << 1 << true << NotFor("Ｆ８０５", true);
        QTest::newRow("F800 file, F805 settings") << 800 << 4 << false << NotFor("Ｆ８０５", false);
        QTest::newRow("F800 file, F805 products") << 800 << 2 << true << QString();
        QTest::newRow("F805 file, F800 all") << 805 << 1 << true << NotFor("Ｆ８００", true);
        QTest::newRow("F805 file, F800 settings") << 805 << 4 << false << NotFor("Ｆ８００", false);
    }
    void otherModelsFile() {
        QFETCH(int, saved);
        QFETCH(int, mode);
        QFETCH(bool, products);
        QFETCH(QString, message);
        const QString file = savedFile(saved, u'A');
        SettingsStore store = StoreOf(saved == 800 ? 805 : 800, u'B');
        const DataFileLoad loaded = LoadDataFile(store, file, mode);
        QCOMPARE(loaded.messages, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(loaded.storeChanged, products);
        QVERIFY(AllProducts(store, products ? u'A' : u'B'));
        QVERIFY(AllSettings(store, u'B', u'B'));
    }

    void emptyValuesKeepTheStore() {
        SettingsStore source = StoreOf(805, u'A');
        source.setProduct(5, 2, "");
        source.setSetting(2, 3, "");
        QVERIFY(SaveDataFile(source, path()).saved);
        QCOMPARE(Select(path(), "SELECT 定量 FROM 銘柄 LIMIT 1 OFFSET 5"),
                 QList<QVariantList>({{QVariant()}}));
        SettingsStore store = StoreOf(805, u'B');
        QVERIFY(LoadDataFile(store, path(), 1).messages.isEmpty());
        QCOMPARE(store.product(5, 2), ProductText(u'B', 5, 2));
        QCOMPARE(store.product(5, 3), ProductText(u'A', 5, 3));
        QCOMPARE(store.setting(2, 3), SettingText(u'B', 2, 3));
        QCOMPARE(store.setting(2, 4), SettingText(u'A', 2, 4));
    }

    // Fields are read by name, whatever their order or case, and only the known ones: an Access
    // file's "ID" first, no "INDICATOR", an unknown field computed on reading.
    void readsByName_data() {
        QTest::addColumn<QStringList>("sql");  // run on a saved F805 file
        QStringList settings;
        for (const auto& f : datafile::SettingFields(IndicatorModel::F805))
            settings.prepend(f.name == "LOCK" ? "LOCK AS lock" : '"' + f.name + '"');
        QTest::newRow("another order, an ID first, another case") << QStringList{
            "CREATE TABLE p AS SELECT rowid AS ID, 補正投入時間, 自動落差規制値, "
            "落差, 不足, 過量, 定量, 定量前, 大投入 FROM 銘柄 ORDER BY rowid",
            "DROP TABLE 銘柄",
            "ALTER TABLE p RENAME TO 銘柄",
            "CREATE TABLE s AS SELECT " + settings.join(',') + " FROM 設定値",
            "DROP TABLE 設定値",
            "ALTER TABLE s RENAME TO 設定値"};
        // Were it computed, the load would fail: it overflows (as a hostile file's would take
        // gigabytes).
        const QString odd = " GENERATED ALWAYS AS (abs(-9223372036854775807 - 1)) VIRTUAL";
        QTest::newRow("an unknown field computed on reading") << QStringList{
            "ALTER TABLE 銘柄 ADD COLUMN big" + odd, "ALTER TABLE 設定値 ADD COLUMN big" + odd};
    }
    void readsByName() {
        QFETCH(QStringList, sql);
        const QString file = savedFile(805, u'A', "named.mdb");
        QVERIFY(RunSql(file, sql));
        SettingsStore store = StoreOf(805, u'B');
        const DataFileLoad loaded = LoadDataFile(store, file, 1);
        QCOMPARE(loaded.messages, QStringList());
        QVERIFY(AllProducts(store, u'A'));
        QVERIFY(AllSettings(store, u'A', u'B'));
    }

    void productRowsBeyondTheHundredthAreIgnored() {
        const QString file = savedFile(805, u'A');
        QStringList sql;
        for (int i = 0; i < 20; ++i) sql << "INSERT INTO 銘柄 (大投入) VALUES ('99999')";
        QVERIFY(RunSql(file, sql));
        SettingsStore store = StoreOf(805, u'B');
        QVERIFY(LoadDataFile(store, file, 2).messages.isEmpty());
        QVERIFY(AllProducts(store, u'A'));
    }

    void tablesWithoutRowsChangeNothing() {
        const QString file = savedFile(805, u'A');
        QVERIFY(RunSql(file, {"DELETE FROM 銘柄", "DELETE FROM 設定値"}));
        SettingsStore store = StoreOf(805, u'B');
        const DataFileLoad loaded = LoadDataFile(store, file, 1);
        QVERIFY(loaded.messages.isEmpty());
        QVERIFY(!loaded.storeChanged);
        QVERIFY(AllProducts(store, u'B'));
        QVERIFY(AllSettings(store, u'B', u'B'));
    }

    void missingTable_data() {
        QTest::addColumn<QString>("dropped");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("products");
        QTest::addColumn<bool>("settings");
        QTest::addColumn<QString>("message");
        const auto missing = [](const QString& table) {
            return Tr(StorageText::MissingTable).arg(table);
        };
        QTest::newRow("no settings, all")
            << "設定値" << 1 << true << false
            << missing("設定値") + Tr(StorageText::LoadedOnly).arg(Tr(StorageText::Products));
        QTest::newRow("no settings, settings")
            << "設定値" << 4 << false << false << missing("設定値");
        QTest::newRow("no settings, products") << "設定値" << 2 << true << false << QString();
        QTest::newRow("no products, all")
            << "銘柄" << 1 << false << true
            << missing("銘柄") + Tr(StorageText::LoadedOnly).arg(Tr(StorageText::Settings));
        QTest::newRow("no products, products") << "銘柄" << 2 << false << false << missing("銘柄");
        QTest::newRow("no products, settings") << "銘柄" << 4 << false << true << QString();
    }
    void missingTable() {
        QFETCH(QString, dropped);
        QFETCH(int, mode);
        QFETCH(bool, products);
        QFETCH(bool, settings);
        QFETCH(QString, message);
        const QString file = savedFile(805, u'A');
        QVERIFY(RunSql(file, {"DROP TABLE " + dropped}));
        SettingsStore store = StoreOf(805, u'B');
        const DataFileLoad loaded = LoadDataFile(store, file, mode);
        QCOMPARE(loaded.messages, message.isEmpty() ? QStringList() : QStringList{message});
        QVERIFY(AllProducts(store, products ? u'A' : u'B'));
        QVERIFY(AllSettings(store, settings ? u'A' : u'B', u'B'));
    }

    // Files that are not data files, or hold what no data file holds, change nothing.
    void badFiles_data() {
        QTest::addColumn<QByteArray>("content");  // written as the file when not empty
        QTest::addColumn<QStringList>("sql");     // run on a saved file otherwise
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("message");  // the start of the one message
        const QString notData = Tr(StorageText::NotDataFile);
        const QString cannotRead = Tr(StorageText::CannotReadDamaged).arg(QString());
        const auto damaged = [](const QString& where) {
            return Tr(StorageText::Damaged).arg(where);
        };
        QTest::newRow("text") << QByteArray("[Path]\r\nPath1=C:\\\r\n") << QStringList() << 1
                              << notData;
        QTest::newRow("one byte") << QByteArray("S") << QStringList() << 1 << notData;
        QByteArray jet("\x00\x01\x00\x00Standard Jet DB\x00", 20);
        jet.append(QByteArray(3 * 4096 - jet.size(), '\0'));
        QTest::newRow("Access header only") << jet << QStringList() << 1 << cannotRead;
        jet[0x14] = 1;  // Jet 4
        QTest::newRow("Jet 4 header only") << jet << QStringList() << 2 << cannotRead;
        jet[0x14] = 3;  // ACE
        QTest::newRow("ACE header only") << jet << QStringList() << 4 << cannotRead;
        QByteArray sqlite("SQLite format 3\x00", 16);
        // A damaged SQLite file says so in the reason itself.
        const QString damagedFile = Tr(StorageText::CannotRead).arg(Tr(PlatformText::FileDamaged));
        QTest::newRow("SQLite header only") << sqlite << QStringList() << 4 << damagedFile;
        QTest::newRow("SQLite header, whole message")
            << sqlite + QByteArray(100, 'x') << QStringList() << 1 << damagedFile;
        QTest::newRow("no tables")
            << QByteArray() << QStringList{"DROP TABLE 銘柄", "DROP TABLE 設定値"} << 1 << notData;
        QTest::newRow("long product value")
            << QByteArray()
            << QStringList{"PRAGMA ignore_check_constraints = ON",
                           "UPDATE 銘柄 SET 落差 = '123456' WHERE rowid = 8"}
            << 1 << damaged(Tr(StorageText::ProductCell).arg("銘柄").arg(7).arg("落差"));
        QTest::newRow("line break in a setting")
            << QByteArray() << QStringList{"UPDATE 設定値 SET 上限 = '12' || char(13) || '3'"} << 4
            << damaged(Tr(StorageText::TableCell).arg("設定値", "上限"));
        QTest::newRow("full-width digits")
            << QByteArray() << QStringList{"UPDATE 設定値 SET LOCK = '０１'"} << 1
            << damaged(Tr(StorageText::TableCell).arg("設定値", "LOCK"));
        QTest::newRow("binary value")
            << QByteArray() << QStringList{"UPDATE 銘柄 SET 定量 = x'0102' WHERE rowid = 1"} << 2
            << damaged(Tr(StorageText::QuotedName).arg("銘柄"));
        const QString lacks = Tr(StorageText::MissingColumns);
        const auto quoted = [](const QString& field) {
            return Tr(StorageText::QuotedName).arg(field);
        };
        QTest::newRow("fields named otherwise")
            << QByteArray()
            << QStringList{"DROP TABLE 銘柄", "CREATE TABLE 銘柄 (a, b, c, d, e, f, g, h)",
                           "INSERT INTO 銘柄 VALUES (1, 2, 3, 4, 5, 6, 7, 8)"}
            << 2
            << lacks.arg("銘柄", quoted("大投入") + quoted("定量前") + quoted("定量") +
                                     Tr(StorageText::MoreColumns).arg(8));
        QTest::newRow("a product field missing")
            << QByteArray() << QStringList{"ALTER TABLE 銘柄 DROP COLUMN 落差"} << 1
            << lacks.arg("銘柄", quoted("落差") + Tr(StorageText::Columns));
        QTest::newRow("setting fields missing")
            << QByteArray()
            << QStringList{"ALTER TABLE 設定値 DROP COLUMN 下限",
                           "ALTER TABLE 設定値 DROP COLUMN 上下限比較有無"}
            << 4
            << lacks.arg("設定値", quoted("上下限比較有無") + Tr(StorageText::ListJoiner) +
                                       quoted("下限") + Tr(StorageText::Columns));
        QTest::newRow("a known field computed on reading")
            << QByteArray()
            << QStringList{"ALTER TABLE 銘柄 DROP COLUMN 定量",
                           "ALTER TABLE 銘柄 ADD COLUMN 定量 GENERATED ALWAYS AS ('00001') VIRTUAL"}
            << 2 << damaged(Tr(StorageText::QuotedName).arg("銘柄"));
    }
    void badFiles() {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, sql);
        QFETCH(int, mode);
        QFETCH(QString, message);
        QString file = path("bad.mdb");
        QFile::remove(file);
        if (sql.isEmpty()) {
            QFile out(file);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(content);
        } else {
            file = savedFile(805, u'A', "bad.mdb");
            QVERIFY(RunSql(file, sql));
        }
        SettingsStore store = StoreOf(805, u'B');
        const DataFileLoad loaded = LoadDataFile(store, file, mode);
        QCOMPARE(loaded.messages.size(), 1);
        QVERIFY2(loaded.messages[0].startsWith(message), qPrintable(loaded.messages[0]));
        QVERIFY(!loaded.storeChanged);
        QVERIFY(AllProducts(store, u'B'));
        QVERIFY(AllSettings(store, u'B', u'B'));
    }

    void truncatedAndMissingFiles() {
        const QString file = savedFile(805, u'A', "cut.mdb");
        QFile cut(file);
        QVERIFY(cut.resize(cut.size() / 3));
        SettingsStore store = StoreOf(805, u'B');
        DataFileLoad loaded = LoadDataFile(store, file, 1);
        QCOMPARE(loaded.messages.size(), 1);
        QCOMPARE(loaded.messages[0],
                 Tr(StorageText::CannotRead).arg(Tr(PlatformText::FileDamaged)));
        loaded = LoadDataFile(store, path("nowhere.mdb"), 1);
        QCOMPARE(loaded.messages, QStringList{Tr(StorageText::CannotOpen)});
        QVERIFY(!QFile::exists(path("nowhere.mdb")));
        QVERIFY(AllProducts(store, u'B'));
        QVERIFY(AllSettings(store, u'B', u'B'));
    }

    void otherModesDoNothing() {
        const QString file = savedFile(805, u'A');
        SettingsStore store = StoreOf(805, u'B');
        for (int mode : {0, 3, 5, 8}) QVERIFY(LoadDataFile(store, file, mode).messages.isEmpty());
        QVERIFY(AllProducts(store, u'B'));
    }

    void formats_data() {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<int>("format");
        QTest::newRow("SQLite") << QByteArray("SQLite format 3\x00rest", 20)
                                << int(DataFileFormat::Sqlite);
        QTest::newRow("SQLite without NUL")
            << QByteArray("SQLite format 3 rest") << int(DataFileFormat::Other);
        QTest::newRow("Jet") << QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20)
                             << int(DataFileFormat::Access);
        QTest::newRow("ACE") << QByteArray("\x00\x01\x00\x00Standard ACE DB\x00", 20)
                             << int(DataFileFormat::Access);
        QTest::newRow("Jet name only")
            << QByteArray("Standard Jet DB") << int(DataFileFormat::Other);
        QTest::newRow("empty") << QByteArray() << int(DataFileFormat::Other);
    }
    void formats() {
        QFETCH(QByteArray, head);
        QFETCH(int, format);
        QFile out(path("head.bin"));
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(head);
        out.close();
        QCOMPARE(int(DetectDataFileFormat(out.fileName())), format);
        QCOMPARE(DetectDataFileFormat(path("missing.bin")), DataFileFormat::Unreadable);
    }

    void savingReplacesAnExistingFile() {
        const QString file = path("old.mdb");
        QVERIFY(RunSql(file, {"CREATE TABLE extra (x)", "INSERT INTO extra VALUES (1)"}));
        QVERIFY(SaveDataFile(StoreOf(800, u'A'), file).saved);
        QCOMPARE(Select(file, "SELECT name FROM sqlite_master WHERE type = 'table'"),
                 QList<QVariantList>({{"銘柄"}, {"設定値"}}));
        QCOMPARE(QDir(dir_.path()).entryList({".*"}, QDir::Files | QDir::Hidden), QStringList());
    }

    void valuesTheFileCannotHoldAreNamed_data() {
        QTest::addColumn<QString>("product");  // product 3 "大投入"
        QTest::addColumn<QString>("setting");  // "上限"
        QTest::addColumn<QString>("message");
        const QString blank = Tr(StorageText::SavedBlank);
        const QString tooLong = Tr(StorageText::TooLong) + blank;
        const QString control = Tr(StorageText::ControlCharacter) + blank;
        const QString wide = Tr(StorageText::NotAscii) + blank;
        const QString product = Tr(StorageText::ProductValue).arg(3).arg("大投入");
        QTest::newRow("too long") << "123456"
                                  << "00001" << tooLong + product;
        QTest::newRow("line break") << "00001"
                                    << "1\n345" << control + "「上限」";
        QTest::newRow("full-width") << "00001"
                                    << "１２" << wide + "「上限」";
        QTest::newRow("each its own reason")
            << "123456"
            << "12\x7f" << tooLong + product + "\n\n" + control + "「上限」";
    }
    void valuesTheFileCannotHoldAreNamed() {
        QFETCH(QString, product);
        QFETCH(QString, setting);
        QFETCH(QString, message);
        SettingsStore store = StoreOf(805, u'A');
        store.setProduct(3, 0, product);
        store.setSetting(2, 2, setting);
        const DataFileSave saved = SaveDataFile(store, path());
        QVERIFY(saved.saved);
        QCOMPARE(saved.messages, QStringList{message});
        const auto kept = [&](const QString& value, const QString& where) {
            return message.contains(where) ? QVariant() : QVariant(value);
        };
        QCOMPARE(Select(path(), "SELECT 大投入 FROM 銘柄 LIMIT 1 OFFSET 3"),
                 QList<QVariantList>(
                     {{kept(product, Tr(StorageText::ProductValue).arg(3).arg("大投入"))}}));
        QCOMPARE(Select(path(), "SELECT 上限, 下限 FROM 設定値"),
                 QList<QVariantList>({{kept(setting, "「上限」"), SettingText(u'A', 2, 3)}}));
    }

    // A save that cannot be completed leaves the file that was there, and no temporary file.
    void failingSaveKeepsTheOldFile() {
        const QString file = savedFile(805, u'A', "keep.mdb");
        const auto before = QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden);
        // Writes beyond 2 KiB fail (as on a full disk), for root too.
        rlimit old{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &old) == 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old;
        small.rlim_cur = 2048;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
        const DataFileSave saved = SaveDataFile(StoreOf(805, u'B'), file);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!saved.saved);
        QCOMPARE(saved.messages.size(), 1);
        QVERIFY(saved.messages[0].startsWith(Tr(StorageText::SaveFailed).arg(QString())));
        // In the operator's words, not SQLite's.
        QVERIFY2(!saved.messages[0].contains(QRegularExpression("[A-Za-z]")),
                 qPrintable(saved.messages[0]));
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), before);
        SettingsStore store = StoreOf(805, u' ');
        QVERIFY(LoadDataFile(store, file, 1).messages.isEmpty());
        QVERIFY(AllProducts(store, u'A'));
    }

    void unwritablePlaces() {
        const QString folder = path("folder.mdb");
        QVERIFY(QDir().mkpath(folder + "/inside"));
        DataFileSave saved = SaveDataFile(StoreOf(805, u'A'), folder);
        QVERIFY(!saved.saved);
        QVERIFY(QFileInfo(folder + "/inside").isDir());
        saved = SaveDataFile(StoreOf(805, u'A'), path("no/such/folder.mdb"));
        QVERIFY(!saved.saved);
        QCOMPARE(saved.messages,
                 QStringList{Tr(StorageText::SaveFailed).arg(Tr(PlatformText::NotFound))});
    }

    // Saving replaces only a regular file the operator may write; through a link, the link's
    // target is replaced and the link stays.
    void whatASaveReplaces_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("throughLink");
        QTest::addColumn<bool>("saved");
        QTest::newRow("writable") << 0644 << false << true;
        QTest::newRow("read-only") << 0444 << false << false;
        QTest::newRow("owner may not write") << 0464 << false << false;
        QTest::newRow("through a link") << 0640 << true << true;
        QTest::newRow("read-only through a link") << 0444 << true << false;
    }
    void whatASaveReplaces() {
        QFETCH(int, mode);
        QFETCH(bool, throughLink);
        QFETCH(bool, saved);
        QTemporaryDir here;
        QVERIFY(QDir(here.path()).mkdir("real"));
        const QString file = here.filePath("real/set.mdb"), link = here.filePath("link.mdb");
        QVERIFY(SaveDataFile(StoreOf(805, u'A'), file).saved);
        QVERIFY(::chmod(QFile::encodeName(file), mode) == 0);
        if (throughLink) QVERIFY(QFile::link("real/set.mdb", link));
        const DataFileSave save = SaveDataFile(StoreOf(805, u'B'), throughLink ? link : file);
        QCOMPARE(save.saved, saved);
        if (!saved)
            QCOMPARE(save.messages,
                     QStringList{Tr(StorageText::SaveFailed).arg(Tr(PlatformText::ReadOnlyFile))});
        SettingsStore store = StoreOf(805, u' ');
        QVERIFY(LoadDataFile(store, file, 1).messages.isEmpty());
        QVERIFY(AllProducts(store, saved ? u'B' : u'A'));
        struct stat st {};
        QVERIFY(::stat(QFile::encodeName(file), &st) == 0);
        QCOMPARE(int(st.st_mode & 0777), mode);
        QCOMPARE(QFileInfo(link).isSymLink(), throughLink);
        QCOMPARE(QDir(here.filePath("real")).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"set.mdb"});
    }

    // A named pipe (directly or through a link) is neither read nor replaced: nothing waits.
    void namedPipesAreRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("pipe") << "pipe.mdb";
        QTest::newRow("link to a pipe") << "pipe-link.mdb";
    }
    void namedPipesAreRefused() {
        QFETCH(QString, name);
        const QByteArray pipe = QFile::encodeName(path("pipe.mdb"));
        QFile::remove(path("pipe.mdb"));
        QFile::remove(path("pipe-link.mdb"));
        QVERIFY(::mkfifo(pipe, 0644) == 0);
        QVERIFY(QFile::link("pipe.mdb", path("pipe-link.mdb")));
        SettingsStore store = StoreOf(805, u'B');
        auto load =
            std::async(std::launch::async, [&] { return LoadDataFile(store, path(name), 1); });
        if (load.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            ::close(::open(pipe, O_WRONLY | O_NONBLOCK));  // lets the waiting reader see the end
            QFAIL("the load waits on the pipe");
        }
        const QString notRegular = Tr(PlatformText::NotRegularFile);
        QCOMPARE(load.get().messages, QStringList{Tr(StorageText::CannotOpen) + '\n' + notRegular});
        QVERIFY(AllProducts(store, u'B'));
        const DataFileSave saved = SaveDataFile(StoreOf(805, u'A'), path(name));
        QCOMPARE(saved.messages, QStringList{Tr(StorageText::SaveFailed).arg(notRegular)});
        struct stat st {};
        QVERIFY(::stat(pipe, &st) == 0 && S_ISFIFO(st.st_mode));
    }

    // The common causes of failure reach the operator in Japanese; the rest in the system's words.
    void failureReasons_data() {
        QTest::addColumn<int>("error");
        QTest::addColumn<int>("sqlite");
        QTest::addColumn<QString>("words");  // what the reason must say
        QTest::newRow("Permission denied") << EACCES << 0 << Tr(PlatformText::AccessDenied);
        QTest::newRow("Read-only file system")
            << EROFS << 0 << Tr(PlatformText::ReadOnlyFileSystem);
        QTest::newRow("No space left on device") << ENOSPC << 0 << Tr(PlatformText::DiskFull);
        QTest::newRow("database or disk is full") << 0 << 13 << Tr(PlatformText::DiskFull);
        QTest::newRow("database is locked") << 0 << 5 << Tr(PlatformText::FileInUse);
        QTest::newRow("disk image is malformed (extended)")
            << 0 << 11 + 256 << Tr(PlatformText::FileDamaged);
        QTest::newRow("Input/output error") << EIO << 0 << Tr(PlatformText::DiskError);
        QTest::newRow("disk I/O error (extended, a write)")
            << 0 << 10 + 3 * 256 << Tr(PlatformText::DiskError);
        QTest::newRow("attempt to write a readonly database (extended)")
            << 0 << 8 + 3 * 256 << Tr(PlatformText::ReadOnlyFileSystem);
        QTest::newRow("File too large (rare)") << EFBIG << 0 << "File too large";
    }
    void failureReasons() {
        QFETCH(int, error);
        QFETCH(int, sqlite);
        QFETCH(QString, words);
        QVERIFY(FailureReason({error, sqlite, QTest::currentDataTag()}).contains(words));
    }

    // A name is always a file name, relative to the current folder: never a URI that opens
    // another file, and as long as the folder allows.
    void fileNames_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("Japanese") << "データ　銘柄.mdb";
        QTest::newRow("file: before a name") << "file:bait.mdb";
        QTest::newRow("the longest a name may be") << QString(251, u'x') + ".mdb";
    }
    void fileNames() {
        QFETCH(QString, name);
        QTemporaryDir here;
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(here.path()));
        const DataFileSave bait = SaveDataFile(StoreOf(805, u'A'), "bait.mdb");
        const DataFileSave saved = SaveDataFile(StoreOf(805, u'B'), name);
        SettingsStore store = StoreOf(805, u' ');
        const DataFileLoad loaded = LoadDataFile(store, name, 1);
        QDir::setCurrent(before);
        QVERIFY(bait.saved);
        QCOMPARE(saved.messages, QStringList());
        QCOMPARE(loaded.messages, QStringList());
        QVERIFY(AllProducts(store, u'B'));
        QCOMPARE(QDir(here.path()).entryList(QDir::Files | QDir::Hidden).size(),
                 name == "bait.mdb" ? 1 : 2);
    }
};

QTEST_GUILESS_MAIN(DataFileTest)
#include "test_data_file.moc"
