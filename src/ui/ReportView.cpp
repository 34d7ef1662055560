#include "ui/ReportView.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "report/ProductCsv.h"
#include "report/SettingsCsv.h"
#include "report/SheetPainter.h"
#include "texts/WindowTexts.h"
#include "ui/MainWindow.h"
#include "ui/widgets/ModalRun.h"

namespace {

QString AskFile(QWidget* parent, const QString& folder, const QString& filter,
                const QString& suffix, bool save) {
    QFileDialog dialog(parent, QString(), folder, filter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save) dialog.setDefaultSuffix(suffix);
    if (RunModal(dialog, parent) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString CsvFilter() {
    return Tr(WindowText::CSVFilesCsvAll);
}

}  // namespace

ReportDialogs WidgetReportDialogs(QWidget* parent) {
    ReportDialogs d;
    d.askSavePdf = [parent](const QString& folder) {
        return AskFile(parent, folder, Tr(WindowText::PDFFilesPdf), QStringLiteral("pdf"), true);
    };
    d.askSaveCsv = [parent](const QString& folder) {
        return AskFile(parent, folder, CsvFilter(), QStringLiteral("csv"), true);
    };
    d.askOpenCsv = [parent](const QString& folder) {
        return AskFile(parent, folder, CsvFilter(), QString(), false);
    };
    d.print = [parent](const SettingsSheet& sheet) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(sheet.title);
        PrepareSheetPage(printer);
        QPrintPreviewDialog preview(&printer, parent);
        preview.setObjectName(QStringLiteral("SheetPreview"));
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                         [&sheet](QPrinter* p) { PaintSheet(sheet, *p); });
        RunModal(preview, parent);
    };
    return d;
}

ReportView::ReportView(MainWindow& window, std::function<SheetSource()> source,
                       std::function<QString()> folder)
    : QObject(&window),
      window_(window),
      source_(std::move(source)),
      folder_(std::move(folder)),
      dialogs_(WidgetReportDialogs(&window)) {
    setObjectName(QStringLiteral("ReportView"));
    window_.addOperation({Operation::PrintSheet, {}, [this](int) { print(); }});
    window_.addOperation({Operation::SaveSheetPdf, {}, [this](int) { savePdf(); }});
    window_.addOperation({Operation::SaveProductsCsv, {}, [this](int) { saveProductsCsv(); }});
    window_.addOperation({Operation::LoadProductsCsv, {}, [this](int) { loadProductsCsv(); }});
    window_.addOperation({Operation::SaveSettingsCsv, {}, [this](int) { saveSettingsCsv(); }});
}

SettingsSheet ReportView::sheet() const {
    SheetSource source = source_ ? source_() : SheetSource{};
    if (!source.at.isValid()) source.at = QDateTime::currentDateTime();
    return BuildSheet(window_.store(), source);
}

QString ReportView::startFolder() const {
    const QString folder = folder_ ? folder_() : QString();
    return !folder.isEmpty() && QDir(folder).exists() ? folder : QDir::homePath();
}

void ReportView::print() {
    if (dialogs_.print) dialogs_.print(sheet());
}

void ReportView::savePdf() {
    const QString path = dialogs_.askSavePdf ? dialogs_.askSavePdf(startFolder()) : QString();
    if (path.isEmpty()) return;
    window_.setBusy(true);
    const QString why = WriteSheetPdf(sheet(), path);
    window_.setBusy(false);
    if (!why.isEmpty())
        window_.showMessage(Tr(WindowText::PDFCouldNotSaved) + why);
    else
        window_.setStatusText(Tr(WindowText::SavedAsPDF) + path);
}

void ReportView::saveProductsCsv() {
    const QString path = dialogs_.askSaveCsv ? dialogs_.askSaveCsv(startFolder()) : QString();
    if (path.isEmpty()) return;
    if (const QString why = SaveProductsCsv(window_.store(), path); !why.isEmpty())
        window_.showMessage(Tr(WindowText::ProductCSVCouldNot) + why);
    else
        window_.setStatusText(Tr(WindowText::ProductsSavedAsCSV) + path);
}

void ReportView::loadProductsCsv() {
    const QString path = dialogs_.askOpenCsv ? dialogs_.askOpenCsv(startFolder()) : QString();
    if (path.isEmpty()) return;
    const ProductCsvImport imported = ImportProductsCsv(window_.store(), path);
    if (!imported.message.isEmpty()) {
        window_.showMessage(imported.message);
        return;
    }
    window_.redraw();
    window_.showMessage(ProductsImportedText(imported.products));
}

void ReportView::saveSettingsCsv() {
    const QString path = dialogs_.askSaveCsv ? dialogs_.askSaveCsv(startFolder()) : QString();
    if (path.isEmpty()) return;
    if (const QString why = SaveSettingsCsv(sheet(), path); !why.isEmpty())
        window_.showMessage(Tr(WindowText::SettingsCSVCouldNot) + why);
    else
        window_.setStatusText(Tr(WindowText::SettingsSavedAsCSV) + path);
}
