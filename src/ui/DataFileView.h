#pragma once

#include <QString>
#include <functional>

class DataSource;
class MainWindow;
class QWidget;

// The open and save dialogs as the data-file operations use them: each gets the folder to
// start in (the file name is always empty) and gives the chosen file's path, or an empty text
// when the operator cancelled.
struct DataFileDialogs {
    std::function<QString(const QString& folder)> askOpen;
    std::function<QString(const QString& folder)> askSave;
};

// The real dialogs ("Access ﾌｧｲﾙ (*.mdb)"); the save dialog asks before replacing a file.
DataFileDialogs WidgetDataFileDialogs(QWidget* parent);

// The file menu's open, product-load, setting-load and save items and the toolbar keys
// "OpenFile" and "SaveFile" on the window's store. The chosen file's path goes to "Path" "Path1"
// of the configuration file; the dialogs start in the folder of the path held there.
class DataFileView {
  public:
    DataFileView(MainWindow& window, QString iniPath);

    void setDialogs(DataFileDialogs dialogs) { dialogs_ = std::move(dialogs); }
    // Told of every file loaded whole and every file saved (not owned; may be null).
    void setSource(DataSource* source) { source_ = source; }

    // Mode 1 products then settings, 2 products only, 4 settings only; any other does nothing.
    void load(int mode);
    void save();

  private:
    QString startFolder() const;
    void remember(const QString& path);
    void show(const QStringList& messages);

    MainWindow& window_;
    QString iniPath_;
    DataFileDialogs dialogs_;
    DataSource* source_ = nullptr;
};
