#pragma once

#include <QStringList>
#include <QTextStream>

// rusk-cli: probe, read, write and diff without a window. `arguments` starts with the program
// name. Results go to `out`, status lines and messages to `err`. Returns the exit code
// (cli/ExitCodes.h). Needs a QCoreApplication.
int RunCli(const QStringList& arguments, QTextStream& out, QTextStream& err);
