#pragma once

// The model's products as a CSV file for a spreadsheet, and reading such a file back. Columns:
// "銘柄番号" and the eight field captions in the window's order.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "model/SettingsStore.h"

// The whole file's text (without the byte order mark): a header row and a row per product of
// the store's model (100 on the F805 and the F800), CR LF.
QString ProductsCsv(const SettingsStore& store);
// Writes it as UTF-8 with a byte order mark; an empty text on success, else why not.
QString SaveProductsCsv(const SettingsStore& store, const QString& path);

// The values a product file gives one product: a field the file has no column for, or whose
// cell is empty, is nothing and keeps the product's value.
struct ProductCsvRow {
    int product = 0;
    std::array<std::optional<QString>, SettingsStore::kProductItems> values;
};

// What reading a product file found: the rows to take, or the message that says why nothing
// can be taken.
struct ProductCsvRead {
    std::vector<ProductCsvRow> rows;
    QString message;  // empty when the rows may be taken
    bool ok() const { return message.isEmpty(); }
};

// Reads and checks the bytes of a product file for `model`'s products and entry rules. Every value
// is checked; with one bad cell, or a bad file, there are no rows and the message lists the first
// bad cells.
ProductCsvRead ReadProductsCsv(const QByteArray& bytes, IndicatorModel model);

// Puts the rows into the store; returns how many products were given.
int ApplyProductRows(SettingsStore& store, const std::vector<ProductCsvRow>& rows);

// Reads the file at `path` (by the file rules, platform/FileRules.h: a regular file of at most
// 4 MiB, never a named pipe to wait on) and puts it into the store only when all of it passes.
// The result's message is empty on success.
struct ProductCsvImport {
    int products = 0;  // products taken from the file
    QString message;   // why nothing was taken; empty on success
};
ProductCsvImport ImportProductsCsv(SettingsStore& store, const QString& path);

// "銘柄 12 件を読み込みました。"
QString ProductsImportedText(int products);
