#include "cli/ReportCommand.h"

#include <QDateTime>
#include <QGuiApplication>
#include <cstring>

#include "cli/CliSupport.h"
#include "cli/ExitCodes.h"
#include "report/SettingsSheet.h"
#include "report/SheetPainter.h"

int RunReport(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser p;
    AddCommand(p, "report");
    AddDeviceOptions(p);
    const QCommandLineOption output(QStringList{"o", "output"}, "The PDF file to write.", "file");
    p.addOption(output);
    p.addPositionalArgument("SOURCE", "A data file, a journal snapshot (journal:ID) or a device.");
    if (auto done =
            ParseCommand(p, arguments,
                         "Writes the settings sheet of a data file, a journal snapshot or "
                         "an indicator (read whole) of --model as a PDF file: every setting "
                         "with its code, raw value and meaning, and the products.",
                         out, err))
        return *done;
    DeviceOptions o;
    if (auto bad = ReadDeviceOptions(p, &o, err)) return *bad;
    if (!p.isSet(output)) return Usage(err, "-o FILE を指定してください。");
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        err << "report: QGuiApplication がありません。" << Qt::endl;
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

std::unique_ptr<QCoreApplication> CreateCliApplication(int& argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "report") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}
