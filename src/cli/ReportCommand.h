#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>
#include <memory>

// rusk-cli report SOURCE -o SHEET.pdf: the settings sheet of a data file, a journal snapshot or
// an indicator as a PDF file.
int RunReport(const QStringList& arguments, QTextStream& out, QTextStream& err);

// The application object of rusk-cli: a QGuiApplication for `report`, which paints (on the
// offscreen platform unless QT_QPA_PLATFORM names another, so no display is needed), a
// QCoreApplication for every other command.
std::unique_ptr<QCoreApplication> CreateCliApplication(int& argc, char** argv);
// A QGuiApplication that paints without a display or a session (rusk-server's settings sheet
// too): on the offscreen platform unless QT_QPA_PLATFORM names another.
std::unique_ptr<QCoreApplication> CreatePaintingApplication(int& argc, char** argv);
