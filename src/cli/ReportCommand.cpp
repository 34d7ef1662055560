#include "cli/ReportCommand.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstring>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "report/SettingsSheet.h"
#include "report/SheetPainter.h"
#include "texts/CliTexts.h"

int RunReport(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    CommandLine line("report");
    QCommandLineParser& p = line.parser();
    const QCommandLineOption output(QStringList{"o", "output"}, "The PDF file to write.", "file");
    p.addOption(output);
    p.addPositionalArgument("SOURCE", "A data file, a journal snapshot (journal:ID) or a device.",
                            "SOURCE -o SHEET.pdf");
    DeviceOptions o;
    if (auto done = line.parse(arguments, out, err, &o, Positional::Source)) return *done;
    if (!p.isSet(output)) return Usage(err, Tr(CliText::OutputMissing));
    if (p.value(output).isEmpty()) return Usage(err, Tr(CliText::OutputNameEmpty));
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        err << Tr(CliText::NoGuiApplication) << Qt::endl;
        return exitcode::kFile;
    }
    SettingsStore store;
    store.setModel(o.model);
    DataOrigin origin;
    const int code = LoadDataSet(o.device, o, store, err, &origin);
    if (code != exitcode::kOk && code != exitcode::kJournal) return code;
    const QString device = IsDeviceName(o.device) ? o.device : QString();
    const SettingsSheet sheet =
        BuildSheet(store, {device, origin, false, QDateTime::currentDateTime()});
    if (const QString why = WriteSheetPdf(sheet, p.value(output)); !why.isEmpty()) {
        err << p.value(output) << ": " << why << Qt::endl;
        return exitcode::kFile;
    }
    out << p.value(output) << Qt::endl;
    return code;
}

namespace {

// Whether a command line only asks for the command's help, which needs no painting.
bool AsksForHelpOnly(int argc, char** argv) {
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) return false;
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return true;
    }
    return false;
}

// Without a session (cron, a service) there is no XDG_RUNTIME_DIR, and Qt warns about it on every
// start. The report then gets a private one of its own, removed when it ends.
struct PrivateRuntimeFolder {
    PrivateRuntimeFolder() {
        if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
        folder = std::make_unique<QTemporaryDir>(QDir::tempPath() +
                                                 QStringLiteral("/rusk-runtime-XXXXXX"));
        if (folder->isValid()) qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder->path()));
    }
    std::unique_ptr<QTemporaryDir> folder;
};

class ReportApplication : private PrivateRuntimeFolder, public QGuiApplication {
  public:
    ReportApplication(int& argc, char** argv) : QGuiApplication(argc, argv) {}
};

}  // namespace

std::unique_ptr<QCoreApplication> CreatePaintingApplication(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    return std::make_unique<ReportApplication>(argc, argv);
}

std::unique_ptr<QCoreApplication> CreateCliApplication(int& argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "report") == 0 && !AsksForHelpOnly(argc, argv))
        return CreatePaintingApplication(argc, argv);
    return std::make_unique<QCoreApplication>(argc, argv);
}
