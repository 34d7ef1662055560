#include "report/Certificate.h"

#include <QAbstractTextDocumentLayout>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>

#include "report/SheetPainter.h"
#include "texts/ReportTexts.h"

using namespace tolerance;

namespace {

QString E(const QString& text) {
    return text.toHtmlEscaped();
}

QString KindText(TestPoint::Kind kind) {
    switch (kind) {
        case TestPoint::Zero:
            return Tr(ReportText::CertZero);
        case TestPoint::Rising:
            return Tr(ReportText::CertRising);
        case TestPoint::Falling:
            return Tr(ReportText::CertFalling);
        case TestPoint::Repeat:
            return Tr(ReportText::CertRepeat);
    }
    return {};
}

QString Verdict(bool pass) {
    return Tr(pass ? ReportText::CertPass : ReportText::CertFail);
}

QString ClassText(const Rule& rule) {
    const QString kind = Tr(rule.verification == Verification::InService ? ReportText::CertInService
                                                                         : ReportText::CertInitial);
    switch (rule.accuracy) {
        case AccuracyClass::III:
            return Tr(ReportText::CertClass).arg(QStringLiteral("III"), kind);
        case AccuracyClass::IIII:
            return Tr(ReportText::CertClass).arg(QStringLiteral("IIII"), kind);
        case AccuracyClass::Custom:
            return Tr(ReportText::CertCustomClass).arg(HalfIntervalsText(rule.customHalfIntervals));
    }
    return {};
}

QString RunTable(const TestRecord& r, const std::vector<std::optional<qint64>>& readings,
                 ReportText title) {
    const TestHeader& h = r.header;
    const RunVerdict verdict = JudgeRun(h, r.points, readings);
    QString html = QStringLiteral(
                       "<h3>%1</h3><table border='1' cellspacing='0' cellpadding='3' "
                       "width='100%'><tr>")
                       .arg(E(Tr(title)));
    for (ReportText column : {ReportText::CertPoint, ReportText::CertLoad, ReportText::CertReading,
                              ReportText::CertError, ReportText::CertErrorE, ReportText::CertMpe,
                              ReportText::CertResult})
        html += QStringLiteral("<th>%1</th>").arg(E(Tr(column)));
    html += QStringLiteral("</tr>");
    for (size_t i = 0; i < r.points.size(); ++i) {
        const TestPoint& p = r.points[i];
        const std::optional<PointResult>& result = verdict.points[i];
        QStringList cells{QStringLiteral("%1 %2").arg(i + 1).arg(KindText(p.kind)),
                          CountsText(p.nominal, h.places)};
        if (result) {
            cells << CountsText(*readings[i], h.places) << CountsText(result->error, h.places)
                  << QString::number(double(result->error) / double(h.e), 'f', 2)
                  << QStringLiteral("±") + HalfIntervalsText(result->mpeHalfIntervals)
                  << Verdict(result->pass);
        } else {
            cells << Tr(ReportText::CertNotRead) << QString() << QString() << QString()
                  << QString();
        }
        html += QStringLiteral("<tr>");
        for (const QString& c : cells)
            html += QStringLiteral("<td align='right'>%1</td>").arg(E(c));
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    if (verdict.repeatability)
        html += QStringLiteral("<p>%1</p>")
                    .arg(E(Tr(ReportText::CertRepeatability)
                               .arg(CountsText(verdict.repeatability->spread, h.places),
                                    HalfIntervalsText(verdict.repeatability->mpeHalfIntervals),
                                    Verdict(verdict.repeatability->pass))));
    html += QStringLiteral("<p><b>%1</b></p>")
                .arg(E(Tr(ReportText::CertOverall)
                           .arg(verdict.complete ? Verdict(verdict.pass)
                                                 : Tr(ReportText::CertIncomplete))));
    return html;
}

bool AnyRead(const std::vector<std::optional<qint64>>& readings) {
    for (const auto& r : readings)
        if (r) return true;
    return false;
}

}  // namespace

QString CertificateHtml(const TestRecord& r) {
    const TestHeader& h = r.header;
    QString html = QStringLiteral("<html><body><h2 align='center'>%1</h2><table width='100%'>")
                       .arg(E(Tr(ReportText::CertificateTitle)));
    const QList<QPair<QString, QString>> header = {
        {Tr(ReportText::CertCustomer), h.customer},
        {Tr(ReportText::CertSite), h.site},
        {QString(), Tr(ReportText::CertInstrument).arg(h.model, h.serial)},
        {QString(),
         Tr(ReportText::CertCapacity).arg(CountsText(h.max, h.places), CountsText(h.e, h.places))},
        {QString(), ClassText(h.rule)},
        {Tr(ReportText::CertTechnician), h.technician},
        {Tr(ReportText::CertDate), h.date.toString(Qt::ISODate)}};
    for (const auto& [label, value] : header)
        html +=
            QStringLiteral("<tr><td width='20%'>%1</td><td>%2</td></tr>").arg(E(label), E(value));
    html += QStringLiteral(
                "</table><h3>%1</h3><table border='1' cellspacing='0' cellpadding='3'>"
                "<tr><th>%2</th><th>%3</th></tr>")
                .arg(E(Tr(ReportText::CertWeights)), E(Tr(ReportText::CertNominal)),
                     E(Tr(ReportText::CertWeightCertificate)));
    for (const ReferenceWeight& w : h.weights)
        html +=
            QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(E(w.nominal), E(w.certificate));
    html += QStringLiteral("</table>");
    html += RunTable(r, r.asFound, ReportText::CertAsFound);
    html +=
        QStringLiteral("<p>%1</p>")
            .arg(E(r.adjustments.isEmpty() ? Tr(ReportText::CertNoAdjustment)
                                           : Tr(ReportText::CertAdjustments)
                                                 .arg(r.adjustments.join(QStringLiteral("、")))));
    if (AnyRead(r.asLeft)) html += RunTable(r, r.asLeft, ReportText::CertAsLeft);
    html += QStringLiteral("<p><small>%1</small></p><h3>%2</h3><p>")
                .arg(E(Tr(ReportText::CertRule)), E(Tr(ReportText::CertSettings)));
    for (const QString& s : r.weighingSettings) html += E(s) + QStringLiteral("<br>");
    html += QStringLiteral("</p><p><br><br>%1</p></body></html>")
                .arg(E(Tr(ReportText::CertSignatures)));
    return html;
}

bool PaintCertificate(const TestRecord& record, QPagedPaintDevice& device) {
    PrepareSheetPage(device);
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);  // measured at the device's resolution
    document.setDefaultFont(SheetFont(9));
    document.setHtml(CertificateHtml(record));
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    document.setPageSize(page.size());
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // The document's own pages, one per device page.
    const int pages = document.pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0) device.newPage();
        painter.save();
        painter.translate(0, -page.height() * i);
        document.drawContents(&painter, QRectF(0, page.height() * i, page.width(), page.height()));
        painter.restore();
    }
    return painter.end();
}

QString WriteCertificatePdf(const TestRecord& record, const QString& path) {
    return WritePdfFile(
        path, Tr(ReportText::CertificateTitle), 300,
        [&record](QPagedPaintDevice& writer) { return PaintCertificate(record, writer); });
}
