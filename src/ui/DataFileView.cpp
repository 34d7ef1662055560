#include "ui/DataFileView.h"

#include <QDir>
#include <QFileInfo>

#include "app/Configuration.h"
#include "app/DataSource.h"
#include "storage/DataFile.h"
#include "ui/MainWindow.h"
#include "ui/widgets/FileDialogs.h"

DataFileDialogs WidgetDataFileDialogs(QWidget* parent) {
    return {[parent](const QString& folder) { return AskOpenDataFile(parent, folder); },
            [parent](const QString& folder) { return AskSaveDataFile(parent, folder); }};
}

DataFileView::DataFileView(MainWindow& window, QString iniPath)
    : window_(window), iniPath_(std::move(iniPath)), dialogs_(WidgetDataFileDialogs(&window)) {}

QString DataFileView::startFolder() const {
    // "Path1" holds the data file last chosen, or the program folder after a start.
    const QFileInfo last(QDir::fromNativeSeparators(ReadDataFilePath(iniPath_)));
    if (last.isAbsolute()) {
        if (last.isDir()) return last.absoluteFilePath();
        if (last.absoluteDir().exists()) return last.absolutePath();
    }
    return QDir::homePath();
}

void DataFileView::remember(const QString& path) {
    WriteDataFilePath(iniPath_, QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
}

void DataFileView::show(const QStringList& messages) {
    for (const QString& text : messages) window_.showMessage(text);
}

void DataFileView::load(int mode) {
    if (mode != loadmode::kAll && mode != loadmode::kProducts && mode != loadmode::kSettings)
        return;
    const QString path = dialogs_.askOpen ? dialogs_.askOpen(startFolder()) : QString();
    if (path.isEmpty()) return;
    remember(path);
    // An Access file is read by a helper program, which may take a while: busy pointer meanwhile.
    window_.setBusy(true);
    const DataFileLoad loaded = LoadDataFile(window_.store(), path, mode);
    window_.setBusy(false);
    if (loaded.storeChanged) window_.redraw();
    // A file refused in part leaves the window's origin as it was: the window differs from it.
    if (source_ && loaded.storeChanged && loaded.messages.isEmpty())
        source_->loadedFile(path, mode, window_.store());
    show(loaded.messages);
}

void DataFileView::save() {
    const QString path = dialogs_.askSave ? dialogs_.askSave(startFolder()) : QString();
    if (path.isEmpty()) return;
    remember(path);
    const DataFileSave saved = SaveDataFile(window_.store(), path);
    if (source_ && saved.saved) source_->savedFile(path, window_.store());
    show(saved.messages);
}
