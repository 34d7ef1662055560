#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "report/SettingsSheet.h"
#include "ui/Operation.h"

class MainWindow;
class QWidget;

// The dialogs the sheet and CSV operations use: each gets the folder to start in and gives the
// chosen path, or an empty text when the operator cancelled. `print` shows the sheet in a print
// preview with its print dialog.
struct ReportDialogs {
    std::function<QString(const QString& folder)> askSavePdf;
    std::function<QString(const QString& folder)> askSaveCsv;
    std::function<QString(const QString& folder)> askOpenCsv;
    std::function<void(const SettingsSheet& sheet)> print;
};

// The real dialogs: "PDF ﾌｧｲﾙ (*.pdf)", "CSV ﾌｧｲﾙ (*.csv)", QPrintPreviewDialog on A4 portrait.
ReportDialogs WidgetReportDialogs(QWidget* parent);

// The file menu's settings sheet (print, PDF) and CSV items on the window's store. It lives as
// a child of the window (object name "ReportView"); `source` tells the port and where the
// window's data came from for the sheet's header, `folder` where the file dialogs start.
class ReportView : public QObject {
    Q_OBJECT
  public:
    ReportView(MainWindow& window, std::function<SheetSource()> source,
               std::function<QString()> folder = {});

    void setDialogs(ReportDialogs dialogs) { dialogs_ = std::move(dialogs); }

    void print();
    void savePdf();
    void saveProductsCsv();
    void loadProductsCsv();
    void saveSettingsCsv();

  private:
    SettingsSheet sheet() const;
    QString startFolder() const;

    MainWindow& window_;
    std::function<SheetSource()> source_;
    std::function<QString()> folder_;
    ReportDialogs dialogs_;
};
