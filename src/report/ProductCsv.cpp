#include "report/ProductCsv.h"

#include <algorithm>

#include "model/Catalogue.h"
#include "model/ModelFacts.h"
#include "model/Validation.h"
#include "platform/FileRules.h"
#include "report/Csv.h"
#include "texts/ReportTexts.h"

namespace {

constexpr int kShownFaults = 5;  // bad cells listed in the message; the rest are counted
// A product file is some kilobytes; anything far beyond is not one.
constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;

QString NumberCaption() {
    return Tr(ReportText::ColumnProductNumber);
}

QString Refused(const QString& why) {
    return Tr(ReportText::ProductCsvRefused).arg(why);
}

// Why a product value fails the entry rule of its box; empty when it passes.
QString ValueFault(IndicatorModel model, int item, const QString& cell) {
    const CheckResult check = CheckValue(model, 1, item, cell);
    if (check.pass) return {};
    const QString mask = ProductMask(item);
    if (check.value.size() != mask.size() || !MatchesMask(check.value, QString(mask.size(), u'9')))
        return Tr(ReportText::NotFiveDigits);
    return Tr(ReportText::OutOfMask).arg(mask);
}

// The product number of a cell, one of the model's products; nothing for anything else.
std::optional<int> ProductNumber(const QString& cell, int products) {
    bool ok = false;
    const QString text = cell.trimmed();
    const int n = text.toInt(&ok);
    if (!ok || text.startsWith(u'+') || text.startsWith(u'-')) return std::nullopt;
    if (n < 0 || n >= products) return std::nullopt;
    return n;
}

bool Blank(const QStringList& record) {
    for (const QString& f : record)
        if (!f.trimmed().isEmpty()) return false;
    return true;
}

}  // namespace

QString ProductsCsv(const SettingsStore& store) {
    QString text = csv::Record(QStringList{NumberCaption()} + ProductItemLabels());
    for (int p = 0; p < store.productCount(); ++p) {
        QStringList fields{QString::number(p)};
        for (int item = 0; item < SettingsStore::kProductItems; ++item)
            fields << store.product(p, item);
        text += csv::Record(fields);
    }
    return text;
}

QString SaveProductsCsv(const SettingsStore& store, const QString& path) {
    return csv::SaveUtf8WithBom(path, ProductsCsv(store));
}

ProductCsvRead ReadProductsCsv(const QByteArray& bytes, IndicatorModel model) {
    QString why;
    const std::optional<csv::Table> table = csv::Parse(bytes, &why);
    if (!table) return {{}, Refused(why)};
    if (table->records.empty()) return {{}, Refused(Tr(ReportText::EmptyFile))};

    // The header row: "銘柄番号" and any of the field captions, in any order.
    const QStringList& header = table->records.front();
    int numberColumn = -1;
    std::array<int, SettingsStore::kProductItems> columnOf;
    columnOf.fill(-1);
    for (int c = 0; c < header.size(); ++c) {
        const QString caption = header[c].trimmed();
        if (caption == NumberCaption() && numberColumn < 0) numberColumn = c;
        const int item = ProductItemLabels().indexOf(caption);
        if (item >= 0 && columnOf[item] < 0) columnOf[item] = c;
    }
    const bool anyField =
        std::any_of(columnOf.begin(), columnOf.end(), [](int c) { return c >= 0; });
    if (numberColumn < 0 || !anyField)
        return {{}, Refused(Tr(ReportText::NotProductCsv).arg(ProductItemLabels().front()))};

    ProductCsvRead read;
    QStringList faults;
    int faultCount = 0;
    auto fault = [&](int line, const QString& column, const QString& why) {
        if (++faultCount <= kShownFaults)
            faults << Tr(ReportText::FieldFault).arg(line).arg(column, why);
    };
    auto lineFault = [&](int line, const QString& why) {
        if (++faultCount <= kShownFaults) faults << Tr(ReportText::LineFault).arg(line).arg(why);
    };
    const int products = FactsOf(model).products;
    std::array<int, SettingsStore::kMaxProducts> lineOf;
    lineOf.fill(0);
    for (size_t r = 1; r < table->records.size(); ++r) {
        const QStringList& record = table->records[r];
        const int line = table->lines[r];
        if (Blank(record)) continue;
        // A cell more or less than the header has shifts every later value into another field.
        if (record.size() != header.size()) {
            lineFault(line,
                      Tr(ReportText::ColumnCountDiffers).arg(header.size()).arg(record.size()));
            continue;
        }
        const QString numberCell = record.value(numberColumn);
        const std::optional<int> number = ProductNumber(numberCell, products);
        if (!number) {
            fault(line, NumberCaption(),
                  Tr(ReportText::ProductNumberOutOfRange)
                      .arg(products - 1)
                      .arg(numberCell.trimmed()));
            continue;
        }
        if (lineOf[*number] != 0) {
            fault(line, NumberCaption(),
                  Tr(ReportText::DuplicateProduct).arg(*number).arg(lineOf[*number]));
            continue;
        }
        lineOf[*number] = line;
        ProductCsvRow row;
        row.product = *number;
        for (int item = 0; item < SettingsStore::kProductItems; ++item) {
            if (columnOf[item] < 0) continue;
            const QString cell = record.value(columnOf[item]).trimmed();
            if (cell.isEmpty()) continue;
            const QString why = ValueFault(model, item, cell);
            if (!why.isEmpty())
                fault(line, ProductItemLabels()[item], why);
            else
                row.values[item] = cell;
        }
        read.rows.push_back(std::move(row));
    }
    if (faultCount > 0) {
        if (faultCount > kShownFaults)
            faults << Tr(ReportText::MoreFaults).arg(faultCount - kShownFaults);
        return {{}, Refused(faults.join(u'\n'))};
    }
    if (read.rows.empty()) return {{}, Refused(Tr(ReportText::NoProductRows))};
    return read;
}

int ApplyProductRows(SettingsStore& store, const std::vector<ProductCsvRow>& rows) {
    for (const ProductCsvRow& row : rows)
        for (int item = 0; item < SettingsStore::kProductItems; ++item)
            if (row.values[item]) store.setProduct(row.product, item, *row.values[item]);
    return static_cast<int>(rows.size());
}

ProductCsvImport ImportProductsCsv(SettingsStore& store, const QString& path) {
    // By the file rules: a regular file of at most 4 MiB, never a named pipe to wait on.
    const FileRead file = ReadFileContent(path, kMaxFileBytes);
    if (!file.failure.isEmpty()) return {0, Refused(Tr(ReportText::CannotOpen).arg(file.failure))};
    const ProductCsvRead read = ReadProductsCsv(file.bytes, store.model());
    if (!read.ok()) return {0, read.message};
    return {ApplyProductRows(store, read.rows), {}};
}

QString ProductsImportedText(int products) {
    return Tr(ReportText::ProductsLoaded).arg(products);
}
