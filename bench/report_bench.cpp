// Settings sheet and product CSV figures on a full F805 data set (59 settings, 100 products of
// eight values), medians of 10 runs after a warm-up:
//   pdf_report_ms  building the sheet and writing it as a PDF file (fonts embedded);
//   csv_import_ms  reading, checking and taking a 100-product CSV file;
//   certificate_pdf_ms  the certificate of a test with reference weights, its 12 points read as
//                  found and as left (goal 300 ms).
// Prints "figure <name> <value> <unit>". Runs on the offscreen platform; no display needed.
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>

#include "BenchSupport.h"
#include "model/Catalogue.h"
#include "model/Validation.h"
#include "report/Certificate.h"
#include "report/ProductCsv.h"
#include "report/SheetPainter.h"

namespace {

constexpr int kRuns = 10;

// Every setting at the highest value its entry box takes; products counting up within their
// masks.
SettingsStore FullF805Set() {
    SettingsStore store;
    for (const CatalogueEntry& e : EntriesOf(IndicatorModel::F805)) {
        const BoxRule rule = RuleOf(IndicatorModel::F805, e.box.family, e.box.index);
        store.setSetting(e.slot,
                         rule.kind == RuleKind::OneToSixteen ? QStringLiteral("00007") : rule.mask);
    }
    for (int p = 0; p < SettingsStore::kMaxProducts; ++p)
        for (int item = 0; item < SettingsStore::kProductItems; ++item) {
            const QString v = QStringLiteral("%1").arg(p * 8 + item, 5, 10, QLatin1Char('0'));
            store.setProduct(p, item, MatchesMask(v, ProductMask(item)) ? v : ProductMask(item));
        }
    return store;
}

template <typename F>
double MedianMs(F&& step) {
    std::vector<double> ms;
    for (int run = 0; run <= kRuns; ++run) {  // run 0 warms up
        QElapsedTimer clock;
        clock.start();
        if (!step()) return -1;
        if (run > 0) ms.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    return bench::Median(ms);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const SettingsStore store = FullF805Set();
    const QString pdf = dir.filePath("sheet.pdf");
    const double pdfMs = MedianMs([&] {
        const SettingsSheet sheet =
            BuildSheet(store, {"/dev/ttyUSB0", DataOrigin::DataFile("line.mdb"), false,
                               QDateTime::currentDateTime()});
        return WriteSheetPdf(sheet, pdf).isEmpty();
    });
    const QString csv = dir.filePath("products.csv");
    if (!SaveProductsCsv(store, csv).isEmpty()) return 1;
    const double csvMs = MedianMs([&] {
        SettingsStore into;
        return ImportProductsCsv(into, csv).products == SettingsStore::kMaxProducts;
    });
    tolerance::TestRecord test;
    test.header.model = QStringLiteral("F805");
    test.header.customer = QStringLiteral("Bench");
    test.header.max = 30000;
    test.header.e = 10;
    test.header.places = 1;
    test.header.weights = {{QStringLiteral("10 kg"), QStringLiteral("JCSS 0001")},
                           {QStringLiteral("20 kg"), QStringLiteral("JCSS 0002")}};
    test.setPoints(tolerance::DefaultTestPoints(test.header.max, test.header.e));
    for (size_t i = 0; i < test.points.size(); ++i) {
        test.asFound[i] = test.points[i].nominal + test.points[i].nominal / 300;
        test.asLeft[i] = test.points[i].nominal + qint64(i % 3) - 1;
    }
    test.adjustments << QStringLiteral("SPAN");
    for (int i = 0; i < 6; ++i) test.weighingSettings << QStringLiteral("W6%1: 00010").arg(i);
    const QString certificate = dir.filePath("certificate.pdf");
    const double certificateMs =
        MedianMs([&] { return WriteCertificatePdf(test, certificate).isEmpty(); });
    if (pdfMs < 0 || csvMs < 0 || certificateMs < 0) {
        std::fprintf(stderr, "a run failed\n");
        return 1;
    }
    bench::Figure("pdf_report_ms", pdfMs, "ms");
    bench::Figure("pdf_report_bytes", static_cast<double>(QFile(pdf).size()), "bytes");
    bench::Figure("csv_import_ms", csvMs, "ms");
    bench::Figure("certificate_pdf_ms", certificateMs, "ms");
    return 0;
}
