#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <deque>

#include "ReportTestSupport.h"
#include "monitor/SampleCsv.h"
#include "report/ProductCsv.h"
#include "report/SheetPainter.h"
#include "storage/DataFile.h"
#include "texts/ReportTexts.h"

namespace {

int PageCount(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(30000);
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
        if (line.startsWith(QStringLiteral("Pages:"))) return line.mid(6).trimmed().toInt();
    return 0;
}

QString Run(const QString& program, const QStringList& args, int* exitCode = nullptr) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    if (exitCode) *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
}

}  // namespace

class SheetPdfTest : public QObject {
    Q_OBJECT
  private slots:
    // A full F805 data set: several A4 pages, each numbered, Japanese captions as text in an
    // embedded font, the table header again on every page a table runs on; rendered to images.
    void fullSheet() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("sheet.pdf");
        SettingsStore store;
        FillStore(store);
        const SettingsSheet sheet =
            BuildSheet(store, {"/dev/ttyS0", {}, false, QDateTime::currentDateTime()});
        QCOMPARE(WriteSheetPdf(sheet, pdf), QString());
        const int pages = PageCount(pdf);
        QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));
        QVERIFY(Run("pdfinfo", {pdf}).contains(QStringLiteral("(A4)")));
        const QStringList fonts = Run("pdffonts", {pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY(!fonts.isEmpty());
        for (const QString& font : fonts) {  // name, type…, emb, sub, uni, object, generation
            const QStringList fields = font.split(' ', Qt::SkipEmptyParts);
            QCOMPARE(fields.value(fields.size() - 5), QStringLiteral("yes"));
        }
        const QString all = PdfText(pdf);
        for (const QString& caption : ProductItemLabels()) QVERIFY(all.contains(caption));
        QVERIFY(all.contains(sheet.settings.back().caption));
        QVERIFY(all.contains(Tr(ReportText::SheetTitle).arg("F805")));
        for (int page = 1; page <= pages; ++page) {
            const QString text = PdfText(pdf, page);
            QVERIFY(text.contains(Tr(ReportText::PageNumber).arg(page).arg(pages)));
            if (page > 1)
                QVERIFY(text.contains(Tr(ReportText::ColumnMeaning)) ||
                        text.contains(Tr(ReportText::ColumnProductNumber)));
        }
        Run("pdftoppm", {"-r", "30", "-png", pdf, dir.filePath("page")});
        QVERIFY(QFile::exists(dir.filePath(pages >= 10 ? "page-01.png" : "page-1.png")));

        // A failing save keeps the file that was there.
        const QByteArray before = [&] {
            QFile f(pdf);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        QVERIFY(!WriteSheetPdf(sheet, dir.filePath("missing/sheet.pdf")).isEmpty());
        if (geteuid() != 0) {  // the superuser writes anywhere
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
            QVERIFY(!WriteSheetPdf(sheet, pdf).isEmpty());
            QFile::setPermissions(dir.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }

    // Every writer replaces a file only when all of it is written, and only a regular file its
    // mode lets be written (whoever runs the test); the replaced file keeps its mode.
    void writersFollowTheFileRules_data() {
        QTest::addColumn<QString>("writer");
        QTest::addColumn<QString>("target");
        for (const char* writer : {"PDF", "products CSV", "monitor samples"})
            for (const char* target : {"full disk", "read-only", "named pipe", "writable"})
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(writer, target)))
                    << writer << target;
    }
    void writersFollowTheFileRules() {
        QFETCH(QString, writer);
        QFETCH(QString, target);
        QTemporaryDir dir;
        const QString file = dir.filePath("out");
        const QByteArray name = QFile::encodeName(file);
        if (target == "named pipe") {
            QVERIFY(::mkfifo(name, 0644) == 0);
        } else {
            QFile old(file);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
            old.close();
            QVERIFY(::chmod(name, target == "read-only" ? 0444 : 0640) == 0);
        }
        SettingsStore store;
        FillStore(store);
        const std::deque<monitor::Sample> samples(400, {0, 1.5, "00000", "00000"});
        auto write = [&] {
            if (writer == "PDF") return WriteSheetPdf(BuildSheet(store, {}), file);
            if (writer == "products CSV") return SaveProductsCsv(store, file);
            return monitor::SaveSamplesCsv(file, samples, 1);
        };
        QString why;
        if (target == "full disk") {  // writes beyond 1 KiB fail, for root too
            rlimit old{};
            QVERIFY(getrlimit(RLIMIT_FSIZE, &old) == 0);
            const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            rlimit small = old;
            small.rlim_cur = 1024;
            QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
            why = write();
            setrlimit(RLIMIT_FSIZE, &old);
            std::signal(SIGXFSZ, oldHandler);
        } else {
            why = write();
        }
        QCOMPARE(why.isEmpty(), target == "writable");
        struct stat st {};
        QVERIFY(::stat(name, &st) == 0);
        if (target == "named pipe") {
            QVERIFY(S_ISFIFO(st.st_mode));
        } else {
            QCOMPARE(int(st.st_mode & 0777), target == "read-only" ? 0444 : 0640);
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.size() > 3, target == "writable");
        }
        QCOMPARE(
            QDir(dir.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
            QStringList{"out"});
    }

    // rusk-cli report writes the sheet of a data file without a display; a file it cannot read
    // makes no PDF.
    void commandLine() {
        QTemporaryDir dir;
        SettingsStore store;
        FillStore(store);
        const QString data = dir.filePath("line7.mdb");
        QVERIFY(SaveDataFile(store, data).saved);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        QProcess cli;
        cli.setProcessEnvironment(env);
        const QString pdf = dir.filePath("out.pdf");
        cli.start(RUSK_CLI_PATH, {"report", data, "-o", pdf});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
        QVERIFY(PdfText(pdf, 1).contains(QStringLiteral("line7.mdb")));

        cli.start(RUSK_CLI_PATH, {"report", dir.filePath("none.mdb"), "-o", dir.filePath("x.pdf")});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 6);
        QVERIFY(!QFile::exists(dir.filePath("x.pdf")));
    }
};

QTEST_MAIN(SheetPdfTest)
#include "test_sheet_pdf.moc"
