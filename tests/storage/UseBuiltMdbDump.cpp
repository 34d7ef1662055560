#include <QCoreApplication>

#include "storage/MdbReader.h"

// Linked into every test program: Access files are read with the helper the build made.
static void UseBuiltMdbDump() {
    SetMdbDumpProgram(QStringLiteral(RUSK_MDB_DUMP_PATH));
}
Q_COREAPP_STARTUP_FUNCTION(UseBuiltMdbDump)
