#include "ui/monitor/MonitorChart.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QCoreApplication>
#include <QDateTime>
#include <QGraphicsLineItem>
#include <QGraphicsSimpleTextItem>
#include <QImage>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <memory>

#include "monitor/ChartScale.h"
#include "monitor/Decimation.h"
#include "texts/WindowTexts.h"

namespace {

struct Band {
    WindowText caption;
    QColor colour;
};
const Band kBands[monitor::kOutputs] = {
    {WindowText::CoarseFeed, QColor(70, 130, 230, 120)},
    {WindowText::MediumFeed, QColor(60, 180, 90, 120)},
    {WindowText::FineFeed, QColor(240, 170, 40, 140)},
    {WindowText::Discharge, QColor(150, 150, 150, 110)},
};

// The set point lines, in the order of SetPointValues.
struct Line {
    WindowText caption;
    QColor colour;
};
const Line kLines[] = {
    {WindowText::Target, QColor(200, 30, 30)},     {WindowText::Preliminary, QColor(60, 150, 60)},
    {WindowText::CoarseFeed, QColor(40, 90, 200)}, {WindowText::Over, QColor(170, 40, 170)},
    {WindowText::Under, QColor(170, 110, 20)},
};
constexpr int kLineCount = int(std::size(kLines));

// Samples closer than this are joined by the curve; further apart, the indicator was silent.
constexpr double kJoinMs = 1500;

// Room a tick label wants: a weight label in height, a time label in width.
constexpr int kWeightTickPx = 45;
constexpr int kTimeTickPx = 110;
// The gap between the plot and the set-point labels on its right, where the leaders run.
constexpr int kLeaderPx = 10;

std::array<std::optional<double>, kLineCount> SetPointValues(const monitor::SetPoints& p) {
    return {p.target, p.mediumCut, p.largeCut, p.overLimit, p.underLimit};
}

}  // namespace

// The weight curve and the feed bands under it. The bands are an image of the plot area: each
// pixel column coloured from zero up to its highest weight in the colour of the outputs on in
// it. Series would cost a hundred times as much: the chart fills their jagged outlines as paths
// and strokes an outline of every curve for hit testing.
class MonitorChart::BandLayer : public QGraphicsItem {
  public:
    explicit BandLayer(QGraphicsItem* parent) : QGraphicsItem(parent) {
        // The colour of each set of outputs: that of the coarsest feed on (the finer feeds run
        // under the coarser ones), so that each phase of the fill shows in its own colour.
        for (unsigned mask = 1; mask < blends.size(); ++mask) {
            int first = 0;
            while (!(mask & (1u << first))) ++first;
            blends[mask] = qPremultiply(kBands[first].colour.rgba());
        }
    }
    QRectF boundingRect() const override { return QRectF(at, image.size()); }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
        painter->drawImage(at, image);
        painter->setPen(QPen(Qt::black, 0));
        for (const QPolygonF& curve : curves) painter->drawPolyline(curve);
    }
    // The weight curve, in the chart's coordinates: one line for each stretch of answers.
    QList<QPolygonF> curves;
    // `tops[x]`, `bottom`: rows in the image; `masks[x]`: the outputs on in pixel column x.
    void draw(const QRect& plot, const std::vector<int>& tops, const std::vector<unsigned>& masks,
              int bottom) {
        prepareGeometryChange();
        at = plot.topLeft();
        if (image.size() != plot.size())
            image =
                QImage(plot.size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        const int width = image.width(), height = image.height();
        bottom = std::clamp(bottom, 0, height);
        auto* pixels = reinterpret_cast<QRgb*>(image.bits());
        const qsizetype stride = image.bytesPerLine() / qsizetype(sizeof(QRgb));
        for (int x = 0; x < width && x < int(tops.size()); ++x) {
            if (!masks[x]) continue;
            const QRgb colour = blends[masks[x] & (blends.size() - 1)];
            for (int y = std::clamp(tops[x], 0, height); y < bottom; ++y)
                pixels[y * stride + x] = colour;
        }
        update();
    }

  private:
    std::array<QRgb, 1u << monitor::kOutputs> blends{};
    QPoint at;
    QImage image;
};

MonitorChart::MonitorChart(const std::deque<monitor::Sample>& samples, QWidget* parent)
    : QChartView(parent), samples_(samples), endMs_(QDateTime::currentMSecsSinceEpoch()) {
    setObjectName(QStringLiteral("monitorChart"));
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    timeAxis_ = new QCategoryAxis;
    timeAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    weightAxis_ = new QValueAxis;
    weightAxis_->setMinorTickCount(0);
    chart->addAxis(timeAxis_, Qt::AlignBottom);
    chart->addAxis(weightAxis_, Qt::AlignLeft);
    for (const Band& b : kBands) {
        auto* area = new QAreaSeries(new QLineSeries(chart));
        area->setName(Tr(b.caption));
        area->setColor(b.colour);
        area->setPen(Qt::NoPen);
        chart->addSeries(area);
        bands_ << area;
    }
    bandLayer_ = new BandLayer(chart);
    bandLayer_->setZValue(-1);  // under the curve and the lines
    curve_ = new QLineSeries;
    curve_->setName(Tr(WindowText::Weight));
    curve_->setPen(QPen(Qt::black, 0));  // in the legend only: the trace layer draws it
    chart->addSeries(curve_);
    for (const Line& l : kLines) {
        auto* line = new QLineSeries;
        line->setPen(QPen(l.colour, 1, Qt::DashLine));
        chart->addSeries(line);
        chart->legend()->markers(line).first()->setVisible(false);
        lines_ << line;
        auto* label = new QGraphicsSimpleTextItem(chart);
        label->setBrush(l.colour);
        label->setZValue(10);
        labels_ << label;
        auto* leader = new QGraphicsLineItem(chart);
        leader->setPen(QPen(l.colour, 1));
        leader->setZValue(10);
        leaders_ << leader;
    }
    for (QAbstractSeries* s : chart->series()) {
        s->attachAxis(timeAxis_);
        s->attachAxis(weightAxis_);
    }
    // The view starts with an empty chart of its own and lets go of it when given this one.
    std::unique_ptr<QChart> empty(QChartView::chart());
    setChart(chart);
    setRenderHint(QPainter::Antialiasing, false);
    connect(chart, &QChart::plotAreaChanged, this, [this] {
        applyScales();
        placeLabels();
        placeBands();
    });
    refresh();
}

void MonitorChart::setView(qint64 spanMs, qint64 endMs) {
    spanMs_ = std::max<qint64>(1, spanMs);
    endMs_ = endMs;
}

void MonitorChart::setSetPoints(const monitor::SetPoints& points, int places) {
    points_ = points;
    places_ = places;
}

void MonitorChart::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    refresh();
}

void MonitorChart::refresh() {
    const double from = double(endMs_ - spanMs_), to = double(endMs_);
    const int columns = std::max(1, int(chart()->plotArea().width()));
    columns_ = monitor::DecimateColumns(samples_, from, to, columns);
    double low = 0, high = 0;
    for (const monitor::Column& c : columns_)
        low = std::min(low, c.min), high = std::max(high, c.max);
    const auto values = SetPointValues(points_);
    int labelWidth = 0;
    for (int i = 0; i < kLineCount; ++i) {
        // Emptied rather than hidden: a hidden series would bring its legend marker back.
        // A set point the window does not hold is not drawn.
        const bool shown = values[i].has_value();
        labels_[i]->setVisible(shown);
        leaders_[i]->setVisible(shown);
        if (!shown) {
            lines_[i]->clear();
            continue;
        }
        lines_[i]->replace(QList<QPointF>{{from, *values[i]}, {to, *values[i]}});
        low = std::min(low, *values[i]);
        high = std::max(high, *values[i]);
        labels_[i]->setText(QStringLiteral("%1 %2").arg(Tr(kLines[i].caption),
                                                        monitor::ShowWeight(*values[i], places_)));
        labelWidth = std::max(labelWidth, int(std::ceil(labels_[i]->boundingRect().width())));
    }
    low_ = low;
    high_ = high;
    // The labels stand right of the plot, clear of the newest samples.
    const int right = labelWidth > 0 ? labelWidth + kLeaderPx + 6 : 16;
    if (chart()->margins().right() != right)
        chart()->setMargins(QMargins(4, 4, right, 4));  // lays out again: the scales follow
    applyScales();
    placeLabels();
    placeBands();
}

void MonitorChart::applyScales() {
    if (inScales_) return;
    inScales_ = true;
    const QRectF plot = chart()->plotArea();
    const int maxSteps = std::clamp(int(plot.height()) / kWeightTickPx, 2, 10);
    scale_ = monitor::WeightScaleFor(low_, high_, 10 * monitor::Resolution(places_), maxSteps);
    weightAxis_->setLabelFormat(QStringLiteral("%.%1f").arg(scale_.decimals));
    weightAxis_->setRange(scale_.low, scale_.high);
    weightAxis_->setTickCount(scale_.steps() + 1);

    const double from = double(endMs_ - spanMs_), to = double(endMs_);
    const int maxTicks = std::max(2, int(plot.width()) / kTimeTickPx);
    std::vector<monitor::TimeTick> ticks = monitor::TimeTicks(from, to, maxTicks);
    timeAxis_->setRange(from, to);
    timeAxis_->setStartValue(from);
    // The categories are made again only when a tick comes or goes.
    const auto same = [](const monitor::TimeTick& a, const monitor::TimeTick& b) {
        return a.ms == b.ms;
    };
    if (!std::equal(ticks.begin(), ticks.end(), ticks_.begin(), ticks_.end(), same)) {
        for (const QString& label : timeAxis_->categoriesLabels()) timeAxis_->remove(label);
        for (const monitor::TimeTick& t : ticks) timeAxis_->append(t.label, t.ms);
        ticks_ = std::move(ticks);
    }
    inScales_ = false;
}

void MonitorChart::placeBands() {
    const QRect plot = chart()->plotArea().toAlignedRect();
    const double from = double(endMs_ - spanMs_);
    const double low = scale_.low, high = scale_.high;
    const double sx = plot.width() / double(spanMs_), sy = plot.height() / (high - low);
    const auto row = [&](double w) {
        return int(std::lround((high - std::clamp(w, low, high)) * sy));
    };
    std::vector<int> tops(size_t(std::max(0, plot.width())), 0);
    std::vector<unsigned> masks(tops.size(), 0);
    QList<QPolygonF>& curves = bandLayer_->curves;
    curves.clear();
    const monitor::Column* previous = nullptr;
    int previousRight = 0;
    for (const monitor::Column& c : columns_) {
        const double first = std::min(c.minMs, c.maxMs);
        // Samples further apart than a retry are not joined: the indicator was silent between.
        const bool joined =
            previous && first - std::max(previous->minMs, previous->maxMs) <= kJoinMs;
        if (!joined) curves.append(QPolygonF());
        // The lowest and highest weight of each column, in the order they came.
        const double mid = plot.left() + ((c.x0 + c.x1) / 2 - from) * sx;
        const double yMin = plot.top() + row(c.min), yMax = plot.top() + row(c.max);
        if (c.minMs <= c.maxMs)
            curves.last() << QPointF(mid, yMin) << QPointF(mid, yMax);
        else
            curves.last() << QPointF(mid, yMax) << QPointF(mid, yMin);
        const int left = std::max(0, int((c.x0 - from) * sx));
        const int right = std::min(int(tops.size()), std::max(left + 1, int((c.x1 - from) * sx)));
        const int top = row(std::max(c.max, 0.0));
        // Between two samples the outputs stay as the earlier one found them.
        if (joined && left > previousRight) {
            const int fromTop = row(std::max(previous->max, 0.0));
            for (int x = previousRight; x < left; ++x) {
                masks[x] = previous->outputs;
                tops[x] = fromTop +
                          (top - fromTop) * (x - previousRight + 1) / (left - previousRight + 1);
            }
        }
        for (int x = left; x < right; ++x) {
            masks[x] = c.outputs;
            tops[x] = top;
        }
        previous = &c;
        previousRight = right;
    }
    bandLayer_->draw(plot, tops, masks, row(0.0));
}

void MonitorChart::placeLabels() {
    const QRectF plot = chart()->plotArea();
    const auto values = SetPointValues(points_);
    // Close lines (定量前 just under 定量) would print over each other: the labels move apart,
    // each joined to its line by a leader.
    std::vector<int> shown;
    std::vector<double> wanted;
    double height = 0;
    for (int i = 0; i < kLineCount; ++i) {
        if (!values[i]) continue;
        shown.push_back(i);
        wanted.push_back(
            chart()->mapToPosition(QPointF(double(endMs_), *values[i]), lines_[i]).y());
        height = std::max(height, labels_[i]->boundingRect().height());
    }
    const std::vector<double> centres =
        monitor::SpreadLabels(wanted, height, plot.top(), plot.bottom());
    for (size_t k = 0; k < shown.size(); ++k) {
        const int i = shown[k];
        const double left = plot.right() + kLeaderPx;
        labels_[i]->setPos(left + 2, centres[k] - labels_[i]->boundingRect().height() / 2);
        leaders_[i]->setLine(plot.right(), wanted[k], left, centres[k]);
    }
}

std::vector<QRectF> MonitorChart::labelBoxes() const {
    std::vector<QRectF> boxes;
    for (const QGraphicsSimpleTextItem* label : labels_)
        if (label->isVisible()) boxes.push_back(label->mapRectToScene(label->boundingRect()));
    return boxes;
}
