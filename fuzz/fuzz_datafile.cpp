// The data-file loader on the fuzzer's bytes as a file: SQLite, Access (through the helper
// program, as the program reads it) or anything else. The size of the input picks the load
// mode (all, products, settings) and the model, so a seed file is used as it is.
// Properties: DataFileChecks.h.

#include <QTemporaryDir>

#include "DataFileChecks.h"
#include "storage/MdbReader.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    StartApplication(argc, argv);
    SetMdbDumpProgram(QStringLiteral(RUSK_MDB_DUMP_PATH));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("data.mdb"));
    WriteScratchFile(path, data, size);
    static const int modes[] = {loadmode::kAll, loadmode::kProducts, loadmode::kSettings};
    LoadAndCheck(path, modes[size % 3], size / 3 % 2 == 1);
    return 0;
}
