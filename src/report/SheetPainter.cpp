#include "report/SheetPainter.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <vector>

#include "platform/FileRules.h"
#include "texts/ReportTexts.h"

namespace {

constexpr double kMarginMm = 15;
constexpr double kBodyPoints = 8.5;
constexpr double kSmallestPoints = 6.5;  // table captions shrink down to this before wrapping
constexpr double kTitlePoints = 14;
constexpr double kSectionPoints = 11;
constexpr double kPadMm = 1.2;  // space between a cell's edge and its text

struct Column {
    double mm;  // width; the last column of a table takes what is left
    Qt::Alignment align = Qt::AlignLeft;
};

// One pass over the sheet: counts the pages (no painter) or paints them.
class Flow {
  public:
    Flow(QPagedPaintDevice& device, QPainter* painter, int totalPages, QString running)
        : device_(device),
          painter_(painter),
          total_(totalPages),
          running_(std::move(running)),
          body_(SheetFont(kBodyPoints)),
          header_(SheetFont(kBodyPoints, true)),
          small_(SheetFont(kBodyPoints - 1.5)) {
        mm_ = device.logicalDpiX() / 25.4;
        width_ = device.width();
        const QFontMetricsF metrics(body_, &device);
        lineHeight_ = metrics.height() * 1.45;
        footer_ = lineHeight_ * 1.5;
        beginPage();
    }

    int pages() const { return page_; }

    void title(const QString& text, double points) {
        const QFont font = SheetFont(points, true);
        const double h = QFontMetricsF(font, &device_).height() * 1.6;
        ensure(h + lineHeight_ * 3);
        if (painter_) {
            painter_->setFont(font);
            painter_->setPen(Qt::black);
            painter_->drawText(QRectF(0, y_, width_, h), Qt::AlignLeft | Qt::AlignVCenter, text);
        }
        y_ += h;
    }

    void text(const QString& line) {
        ensure(lineHeight_);
        if (painter_) {
            painter_->setFont(body_);
            painter_->setPen(Qt::black);
            painter_->drawText(QRectF(0, y_, width_, lineHeight_), Qt::AlignLeft | Qt::AlignVCenter,
                               line);
        }
        y_ += lineHeight_;
    }

    void gap(double lines) { y_ += lineHeight_ * lines; }

    // Starts a table: its header is drawn now and again at the top of every following page
    // until endTable().
    void beginTable(std::vector<Column> columns, QStringList captions) {
        columns_ = std::move(columns);
        captions_ = std::move(captions);
        // Captions wider than their columns get a smaller face, down to a limit; beyond it they
        // take a second line.
        headerHeight_ = lineHeight_ * 1.8;
        for (double points = kBodyPoints; points >= kSmallestPoints; points -= 0.5) {
            header_ = SheetFont(points, true);
            if (captionsFit()) {
                headerHeight_ = lineHeight_;
                break;
            }
        }
        // The header with at least two rows under it; a new page draws it itself.
        if (y_ + headerHeight_ + lineHeight_ * 2 > bottom())
            newPage();
        else
            drawHeader();
    }
    void endTable() {
        columns_.clear();
        captions_.clear();
        y_ += lineHeight_ * 0.6;
    }

    // Keeps the next `lines` rows on one page when they fit on a page at all.
    void keepTogether(int lines) {
        if (y_ + lines * lineHeight_ > bottom() && lines * lineHeight_ < bottom() / 2) newPage();
    }

    // A row whose text is wider than its column takes a second line; beyond that it is cut
    // short with an ellipsis.
    void row(const QStringList& cells, bool subordinate = false) {
        const QFontMetricsF metrics(body_, &device_);
        double h = lineHeight_;
        for (size_t c = 0; c < columns_.size(); ++c)
            if (metrics.horizontalAdvance(cells.value(static_cast<int>(c))) >
                columnWidth(c) - 2 * pad())
                h = lineHeight_ * 1.8;
        ensure(h);
        drawCells(cells, subordinate ? QColor(90, 90, 90) : QColor(Qt::black), h);
        y_ += h;
    }

    void finish() { drawFooter(); }

  private:
    double bottom() const { return device_.height() - footer_; }

    void ensure(double h) {
        if (y_ + h > bottom()) newPage();
    }

    void newPage() {
        drawFooter();
        if (painter_) device_.newPage();
        ++page_;
        beginPage();
        if (!columns_.empty()) drawHeader();
    }

    void beginPage() {
        y_ = 0;
        if (page_ == 1) return;
        // Later pages carry the sheet's name on top.
        if (painter_) {
            painter_->setFont(small_);
            painter_->setPen(QColor(90, 90, 90));
            painter_->drawText(QRectF(0, 0, width_, lineHeight_), Qt::AlignRight | Qt::AlignVCenter,
                               running_);
        }
        y_ = lineHeight_ * 1.5;
    }

    void drawFooter() {
        if (!painter_) return;
        painter_->setFont(small_);
        painter_->setPen(QColor(90, 90, 90));
        painter_->drawText(QRectF(0, device_.height() - lineHeight_, width_, lineHeight_),
                           Qt::AlignCenter, Tr(ReportText::PageNumber).arg(page_).arg(total_));
    }

    double pad() const { return kPadMm * mm_; }
    bool captionsFit() const {
        const QFontMetricsF metrics(header_, &device_);
        for (size_t c = 0; c < columns_.size(); ++c)
            if (metrics.horizontalAdvance(captions_.value(static_cast<int>(c))) >
                columnWidth(c) - 2 * pad())
                return false;
        return true;
    }
    double columnWidth(size_t c) const {
        if (c + 1 < columns_.size()) return columns_[c].mm * mm_;
        double x = 0;
        for (size_t i = 0; i + 1 < columns_.size(); ++i) x += columns_[i].mm * mm_;
        return width_ - x;
    }

    void drawHeader() {
        if (painter_) {
            painter_->fillRect(QRectF(0, y_, width_, headerHeight_), QColor(225, 225, 225));
            painter_->setFont(header_);
            painter_->setPen(Qt::black);
            double x = 0;
            for (size_t c = 0; c < columns_.size(); ++c) {
                const double w = columnWidth(c);
                painter_->drawText(QRectF(x + pad(), y_, w - 2 * pad(), headerHeight_),
                                   Qt::AlignCenter | Qt::TextWrapAnywhere,
                                   captions_.value(static_cast<int>(c)));
                x += w;
            }
        }
        y_ += headerHeight_;
    }

    void drawCells(const QStringList& cells, const QColor& colour, double h) {
        if (!painter_) return;
        painter_->setFont(body_);
        painter_->setPen(colour);
        const QFontMetricsF metrics(body_, &device_);
        double x = 0;
        for (size_t c = 0; c < columns_.size(); ++c) {
            const double w = columnWidth(c) - 2 * pad();
            QString text = cells.value(static_cast<int>(c));
            if (metrics.horizontalAdvance(text) > 2 * w)
                text = metrics.elidedText(text, Qt::ElideRight, 2 * w - metrics.averageCharWidth());
            painter_->drawText(QRectF(x + pad(), y_, w, h),
                               columns_[c].align | Qt::AlignVCenter | Qt::TextWrapAnywhere, text);
            x += columnWidth(c);
        }
        painter_->setPen(QPen(QColor(170, 170, 170), 0));
        painter_->drawLine(QPointF(0, y_ + h), QPointF(width_, y_ + h));
    }

    QPagedPaintDevice& device_;
    QPainter* painter_;
    int total_;
    QString running_;
    QFont body_, header_, small_;
    double mm_ = 1, width_ = 0, lineHeight_ = 0, headerHeight_ = 0, footer_ = 0, y_ = 0;
    int page_ = 1;
    std::vector<Column> columns_;
    QStringList captions_;
};

void Lay(Flow& flow, const SettingsSheet& sheet) {
    flow.title(sheet.title, kTitlePoints);
    for (const QString& line : sheet.headerLines) flow.text(line);
    flow.gap(0.8);

    flow.title(Tr(ReportText::SectionSettings), kSectionPoints);
    flow.beginTable({{14}, {52}, {18, Qt::AlignHCenter}, {0}},
                    {Tr(ReportText::ColumnCode), Tr(ReportText::ColumnItem),
                     Tr(ReportText::ColumnSetting), Tr(ReportText::ColumnMeaning)});
    for (const SheetSetting& s : sheet.settings) {
        flow.keepTogether(1 + static_cast<int>(s.items.size()));
        flow.row({s.code, s.caption, s.raw, s.meaning});
        for (const SheetItem& item : s.items)
            flow.row(
                {QString(), Tr(ReportText::ItemBullet).arg(item.caption), QString(), item.meaning},
                true);
    }
    flow.endTable();

    flow.title(Tr(ReportText::SectionProducts), kSectionPoints);
    if (!sheet.productNote.isEmpty()) flow.text(sheet.productNote);
    if (!sheet.products.empty()) {
        std::vector<Column> columns{{15, Qt::AlignHCenter}};
        const double each = (210.0 - 2 * kMarginMm - 15) / sheet.productCaptions.size();
        for (int i = 0; i < sheet.productCaptions.size(); ++i)
            columns.push_back({each, Qt::AlignHCenter});
        flow.beginTable(columns,
                        QStringList{Tr(ReportText::ColumnProductNumber)} + sheet.productCaptions);
        for (const SheetProduct& p : sheet.products)
            flow.row(QStringList{QString::number(p.number)} + p.values);
        flow.endTable();
    }
    flow.finish();
}

QString Running(const SettingsSheet& sheet) {
    return sheet.title + QStringLiteral("　") + sheet.headerLines.value(1);
}

}  // namespace

QFont SheetFont(double points, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                      QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"),
                      QStringLiteral("Noto Sans CJK JP"), QStringLiteral("TakaoGothic"),
                      QStringLiteral("VL Gothic")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void PrepareSheetPage(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                     QPageLayout::Millimeter));
}

int PaintSheet(const SettingsSheet& sheet, QPagedPaintDevice& device) {
    Flow count(device, nullptr, 0, Running(sheet));
    Lay(count, sheet);
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    Flow paint(device, &painter, count.pages(), Running(sheet));
    Lay(paint, sheet);
    painter.end();
    return paint.pages();
}

QByteArray PaintPdf(const QString& title, int resolution,
                    const std::function<bool(QPagedPaintDevice&)>& paint) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(resolution);
        writer.setTitle(title);
        writer.setCreator(ProgramVersionText());
        if (!paint(writer)) return {};
    }
    return pdf.data();
}

QString WritePdfFile(const QString& path, const QString& title, int resolution,
                     const std::function<bool(QPagedPaintDevice&)>& paint) {
    const QByteArray pdf = PaintPdf(title, resolution, paint);
    if (pdf.isEmpty()) return Tr(ReportText::PdfFailed);
    return ReplaceFileContent(path, pdf);
}

namespace {
bool PaintSheetPages(const SettingsSheet& sheet, QPagedPaintDevice& writer) {
    PrepareSheetPage(writer);
    return PaintSheet(sheet, writer) != 0;
}
constexpr int kSheetResolution = 600;
}  // namespace

QString WriteSheetPdf(const SettingsSheet& sheet, const QString& path) {
    // A sheet is some hundreds of kilobytes: made whole in memory first.
    return WritePdfFile(path, sheet.title, kSheetResolution, [&sheet](QPagedPaintDevice& writer) {
        return PaintSheetPages(sheet, writer);
    });
}

QByteArray SheetPdf(const SettingsSheet& sheet) {
    return PaintPdf(sheet.title, kSheetResolution,
                    [&sheet](QPagedPaintDevice& writer) { return PaintSheetPages(sheet, writer); });
}
