#pragma once

#include <QString>

class QWidget;

// The open and save dialogs for settings database files ("*.mdb"). An empty result means the
// operator cancelled.
QString AskOpenDataFile(QWidget* parent, const QString& startPath);
// Asks before overwriting an existing file.
QString AskSaveDataFile(QWidget* parent, const QString& startPath);
