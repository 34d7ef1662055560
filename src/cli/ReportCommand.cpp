#include "cli/ReportCommand.h"

#include <QCommandLineParser>
#include <QDateTime>
#include <QGuiApplication>
#include <cstring>

#include "cli/ExitCodes.h"
#include "report/SettingsSheet.h"
#include "report/SheetPainter.h"
#include "storage/DataFile.h"

namespace {

int Usage(QTextStream& err, const QString& message) {
    err << message << Qt::endl << "rusk-cli report --help で使い方を表示します。" << Qt::endl;
    return exitcode::kUsage;
}

}  // namespace

int RunReport(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    QCommandLineParser p;
    p.addPositionalArgument("report", "The command.", "report");
    p.addPositionalArgument("FILE", "The data file.");
    const QCommandLineOption output(QStringList{"o", "output"}, "The PDF file to write.", "file");
    const QCommandLineOption model("model", "Indicator model: 805 (default) or 800.", "805|800");
    p.addOptions({output, model});
    p.setApplicationDescription(
        QStringLiteral("Writes the settings sheet of a data file (of --model) as a PDF file: every "
                       "setting with its code, raw value and meaning, and the products.\n\n") +
        QLatin1String(kExitCodesHelp));
    p.addHelpOption();
    if (!p.parse(arguments)) return Usage(err, p.errorText());
    if (p.isSet(QStringLiteral("help"))) {
        out << p.helpText();
        return exitcode::kOk;
    }
    const QStringList files = p.positionalArguments().mid(1);
    if (files.size() != 1) return Usage(err, "FILE を 1 つ指定してください。");
    if (!p.isSet(output)) return Usage(err, "-o FILE を指定してください。");
    SettingsStore store;
    if (p.isSet(model)) {
        if (p.value(model) == QLatin1String("800"))
            store.setModel(IndicatorModel::F800);
        else if (p.value(model) != QLatin1String("805"))
            return Usage(err, QStringLiteral("--model は 805 か 800 です。"));
    }
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        err << "report: QGuiApplication がありません。" << Qt::endl;
        return exitcode::kFile;
    }
    const QString path = files.first();
    const DataFileLoad load = LoadDataFile(store, path, loadmode::kAll);
    for (const QString& m : load.messages) err << path << ": " << m << Qt::endl;
    if (!load.storeChanged || !load.messages.isEmpty()) return exitcode::kFile;

    const SettingsSheet sheet = BuildSheet(store, {{}, path, QDateTime::currentDateTime()});
    if (const QString why = WriteSheetPdf(sheet, p.value(output)); !why.isEmpty()) {
        err << p.value(output) << ": " << why << Qt::endl;
        return exitcode::kFile;
    }
    out << p.value(output) << Qt::endl;
    return exitcode::kOk;
}

std::unique_ptr<QCoreApplication> CreateCliApplication(int& argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "report") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}
