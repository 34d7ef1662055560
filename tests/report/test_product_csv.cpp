#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <future>

#include "ReportTestSupport.h"
#include "model/Catalogue.h"
#include "platform/AnsiText.h"
#include "report/ProductCsv.h"
#include "texts/PlatformTexts.h"
#include "texts/ReportTexts.h"

namespace {

bool SameProducts(const SettingsStore& a, const SettingsStore& b) {
    for (int p = 0; p < SettingsStore::kMaxProducts; ++p)
        for (int i = 0; i < SettingsStore::kProductItems; ++i)
            if (a.product(p, i) != b.product(p, i)) return false;
    return true;
}

// Windows-31J bytes of a text (the test texts are all in JIS X 0208).
QByteArray ShiftJis(const QString& text) {
    QByteArray utf8 = text.toUtf8();
    QByteArray out(utf8.size() * 2, '\0');
    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return {};
    char* in = utf8.data();
    char* dst = out.data();
    size_t inLeft = utf8.size(), outLeft = out.size();
    const bool ok = iconv(cd, &in, &inLeft, &dst, &outLeft) != static_cast<size_t>(-1);
    iconv_close(cd);
    return ok ? out.left(out.size() - outLeft) : QByteArray();
}

}  // namespace

class ProductCsvTest : public QObject {
    Q_OBJECT
  private slots:
    // Export then import gives the same products, whether into an empty store or back into the
    // same one; the file is UTF-8 with a byte order mark and CR LF.
    void roundTrip() {
        QTemporaryDir dir;
        const QString path = dir.filePath("m.csv");
        SettingsStore full;
        FillStore(full);
        full.setProduct(42, 3, QString());  // a hole stays a hole
        for (int i = 0; i < SettingsStore::kProductItems; ++i) full.setProduct(99, i, QString());
        QCOMPARE(SaveProductsCsv(full, path), QString());
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(bytes.count("\r\n"), 101);
        QCOMPARE(bytes.count('\n'), 101);

        SettingsStore empty;
        QCOMPARE(ImportProductsCsv(empty, path).products, 100);
        QVERIFY(SameProducts(empty, full));
        SettingsStore same = full;
        QVERIFY(ImportProductsCsv(same, path).message.isEmpty());
        QVERIFY(SameProducts(same, full));
    }

    // Files as spreadsheets write them: Shift-JIS, semicolons or tabs, quoted fields with
    // separators, columns in another order, a subset of rows and columns.
    void spreadsheetConventions() {
        const QString semicolons = QStringLiteral(
            "\"銘柄番号\";\"メモ; 注記\";定量;\"大投入\"\r\n"
            "7;\"a, \"\"b\"\"; c\";\"00500\";12345\r\n"
            " 012 ;;00001;\r\n\r\n");
        const QString tabs =
            QStringLiteral("銘柄番号\t定量\t大投入\n7\t00500\t12345\n12\t00001\t\n");
        const QString commas = QStringLiteral(
            "\xFEFF銘柄番号,備考,定量,大投入\n7,\"x,\ny\",00500,12345\n12,,00001,\n");
        const QByteArray sjis = ShiftJis(semicolons);
        QVERIFY(!sjis.isEmpty());
        for (const QByteArray& bytes : {sjis, tabs.toUtf8(), commas.toUtf8()}) {
            SettingsStore store;
            store.setProduct(12, 0, QStringLiteral("00077"));
            const ProductCsvRead read = ReadProductsCsv(bytes, IndicatorModel::F805);
            QVERIFY2(read.ok(), qPrintable(read.message));
            ApplyProductRows(store, read.rows);
            QCOMPARE(store.product(7, 2), QStringLiteral("00500"));
            QCOMPARE(store.product(7, 0), QStringLiteral("12345"));
            QCOMPARE(store.product(12, 2), QStringLiteral("00001"));
            QCOMPARE(store.product(12, 0), QStringLiteral("00077"));  // empty cell: kept
            QCOMPARE(store.product(8, 2), QString());                 // no row: kept
        }
    }

    // Anything wrong anywhere: nothing is taken, and the message says where and why.
    void refusals_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("says");
        const QByteArray head = "銘柄番号,大投入,過量\r\n";
        const QStringList& labels = ProductItemLabels();
        const QString number = Tr(ReportText::ColumnProductNumber);
        const auto field = [](int line, const QString& column, const QString& why) {
            return Tr(ReportText::FieldFault).arg(line).arg(column, why);
        };
        const auto columns = [](int line, int cells) {
            return Tr(ReportText::LineFault)
                .arg(line)
                .arg(Tr(ReportText::ColumnCountDiffers).arg(3).arg(cells));
        };
        QTest::newRow("empty") << QByteArray() << Tr(ReportText::EmptyFile);
        QTest::newRow("binary") << QByteArray("PK\x03\x04\0\0", 6) << Tr(ReportText::NotText);
        QTest::newRow("not utf-8 nor sjis")
            << QByteArray("\x81\x20\xff") << Tr(ReportText::UnknownEncoding);
        QTest::newRow("no header")
            << QByteArray("1,2,3\r\n") << Tr(ReportText::NotProductCsv).arg(labels.front());
        QTest::newRow("open quote") << head + "1,\"00001,00001\r\n"
                                    << Tr(ReportText::UnclosedQuote);
        QTest::newRow("header only") << head << Tr(ReportText::NoProductRows);
        QTest::newRow("duplicate")
            << head + "5,00001,00001\r\n" + "5,00001,00001\r\n"
            << field(3, number, Tr(ReportText::DuplicateProduct).arg(5).arg(2));
        QTest::newRow("100") << head + "100,00001,00001\r\n"
                             << field(2, number,
                                      Tr(ReportText::ProductNumberOutOfRange).arg(99).arg("100"));
        QTest::newRow("-1") << head + "-1,00001,00001\r\n"
                            << field(2, number,
                                     Tr(ReportText::ProductNumberOutOfRange).arg(99).arg("-1"));
        QTest::newRow("short") << head + "1,00001,00001\r\n" + "2,1234,00001\r\n"
                               << field(3, labels[0], Tr(ReportText::NotFiveDigits));
        QTest::newRow("over mask") << head + "1,00001,01000\r\n"
                                   << field(2, labels[3], Tr(ReportText::OutOfMask).arg("00999"));
        QTest::newRow("extra cell") << head + "1,00001,00001\r\n" + "2,00001,00002,00003\r\n"
                                    << columns(3, 4);
        QTest::newRow("missing cell") << head + "1,00001\r\n" << columns(2, 2);
        QTest::newRow("many") << head + "1,a,b\r\n2,c,d\r\n3,e,f\r\n"
                              << field(4, labels[0], Tr(ReportText::NotFiveDigits)) + "\n" +
                                     Tr(ReportText::MoreFaults).arg(1);
        QTest::newRow("beyond 4 MiB")
            << head + QByteArray(4 << 20, ' ')
            << Tr(ReportText::CannotOpen).arg(Tr(PlatformText::FileTooLarge).arg("4 MB"));
        QTest::newRow("named pipe")
            << QByteArray() << Tr(ReportText::CannotOpen).arg(Tr(PlatformText::NotRegularFile));
    }
    void refusals() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, says);
        QTemporaryDir dir;
        QFile f(dir.filePath("bad.csv"));
        const bool pipe = QTest::currentDataTag() == QByteArrayLiteral("named pipe");
        if (pipe) {
            QVERIFY(::mkfifo(QFile::encodeName(f.fileName()), 0644) == 0);
        } else {
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
            f.close();
        }
        SettingsStore store;
        FillStore(store);
        const SettingsStore before = store;
        auto import =
            std::async(std::launch::async, [&] { return ImportProductsCsv(store, f.fileName()); });
        if (pipe && import.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            // Lets the waiting reader see the end.
            ::close(::open(QFile::encodeName(f.fileName()), O_WRONLY | O_NONBLOCK));
            QFAIL("the import waits on the pipe");
        }
        const ProductCsvImport result = import.get();
        QVERIFY2(result.message.contains(says), qPrintable(result.message));
        QVERIFY(result.message.startsWith(Tr(ReportText::ProductCsvRefused).arg(QString())));
        QVERIFY(SameProducts(store, before));
    }
};

QTEST_GUILESS_MAIN(ProductCsvTest)
#include "test_product_csv.moc"
