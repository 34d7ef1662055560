// The parser of what the Access helper program (rusk-mdb-dump) writes, on the fuzzer's bytes.
// Properties: a refused dump leaves the result empty; an accepted one has one entry per table
// asked for, at most the rows asked for, and as many cells in each row as the table has
// fields, each field named.

#include "FuzzSupport.h"
#include "storage/DataFileLayout.h"
#include "storage/MdbReader.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    StartApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray output =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    // As a whole load asks, and as a products-only load of a few rows.
    const std::vector<std::vector<TableRequest>> asks = {
        {{datafile::ProductsTable(), SettingsStore::kMaxProducts}, {datafile::SettingsTable(), 1}},
        {{datafile::ProductsTable(), 2}},
    };
    for (const auto& requests : asks) {
        TablesRead read;
        read.failure = QStringLiteral("stale");
        const bool ok = ParseMdbDump(output, requests, read);
        if (!ok) {
            FUZZ_CHECK(read.tables.empty() && read.failure.isEmpty(),
                       "a refused dump leaves the result empty");
            continue;
        }
        if (!read.failure.isEmpty()) {
            FUZZ_CHECK(read.tables.empty(), "an unreadable file gives no tables");
            continue;
        }
        FUZZ_CHECK(read.tables.size() == requests.size(), "one entry per table asked for");
        for (size_t t = 0; t < requests.size(); ++t) {
            if (!read.tables[t]) continue;
            const DataTable& table = *read.tables[t];
            FUZZ_CHECK(int(table.rows.size()) <= requests[t].maxRows, "at most the rows asked");
            for (const QString& field : table.fields)
                FUZZ_CHECK(!field.isEmpty(), "every field is named");
            for (const auto& row : table.rows)
                FUZZ_CHECK(qsizetype(row.size()) == table.fields.size(), "a cell per field");
        }
    }
    return 0;
}
