#pragma once

// The certificate of a test with reference weights: an A4 page (or more) with the header, the
// weights used, the as-found and as-left tables with readings, errors, permissible errors and
// results, the decision rule, the settings that affect weighing and the signature lines.

#include <QString>

#include "model/TestRecord.h"

class QPagedPaintDevice;

// The certificate as HTML (every value escaped), for painting and for its tests.
QString CertificateHtml(const tolerance::TestRecord& record);
// Paints it on a PDF writer or a printer as set up; false when it could not be painted.
bool PaintCertificate(const tolerance::TestRecord& record, QPagedPaintDevice& device);
// Writes it as a PDF file by the file rules; empty on success, else why it failed.
QString WriteCertificatePdf(const tolerance::TestRecord& record, const QString& path);
