#pragma once

// Lays the settings sheet out on A4 portrait pages and paints it on a paged device: a PDF
// writer or a printer. Page numbers at the foot, the table headers repeated on every page a
// table runs on, Japanese text in a gothic face the device embeds.

#include <QByteArray>
#include <QFont>
#include <QString>
#include <functional>

#include "report/SettingsSheet.h"

class QPagedPaintDevice;

// The sheet's face at `points`: ＭＳ ゴシック where it is installed, else IPAGothic or another
// Japanese gothic face.
QFont SheetFont(double points, bool bold = false);

// Sets A4 portrait with the sheet's margins on the device.
void PrepareSheetPage(QPagedPaintDevice& device);

// Paints every page of the sheet on the device as it is set up; returns the number of pages,
// 0 when the device could not be painted on.
int PaintSheet(const SettingsSheet& sheet, QPagedPaintDevice& device);

// Paints a PDF whole in memory with `paint` on a writer of `resolution` dpi titled `title`; empty
// when it could not be painted.
QByteArray PaintPdf(const QString& title, int resolution,
                    const std::function<bool(QPagedPaintDevice&)>& paint);

// Paints a PDF whole in memory with `paint` (false: it could not) on a writer of `resolution`
// dpi titled `title`, then writes it by the file rules: the PDF writer itself does not tell a
// failing device. Empty on success, else the operator's words for why not.
QString WritePdfFile(const QString& path, const QString& title, int resolution,
                     const std::function<bool(QPagedPaintDevice&)>& paint);

// Writes the sheet as a PDF file by the file rules (platform/FileRules.h): `path` is replaced
// only once all of it is written, and only when it is a regular file that may be written.
// Returns an empty text on success, otherwise the operator's words for why it failed.
QString WriteSheetPdf(const SettingsSheet& sheet, const QString& path);
// The sheet as a PDF in memory (rusk-server's download); empty when it could not be painted.
QByteArray SheetPdf(const SettingsSheet& sheet);
