// rusk-ini FILE SECTION KEY VALUE: writes one key of a configuration file by the program's own
// rules (used by scripts/run.sh to point "Com1" at the simulated indicator).
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "platform/IniFile.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        std::fprintf(stderr, "usage: rusk-ini FILE SECTION KEY VALUE\n");
        return 2;
    }
    WriteProfileString(args[1], args[2], args[3], args[4]);
    return ReadProfileString(args[1], args[2], args[3], QString(), 4096) == args[4] ? 0 : 1;
}
