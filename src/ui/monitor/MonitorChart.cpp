#include "ui/monitor/MonitorChart.h"

#include <QAreaSeries>
#include <QChart>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QGraphicsSimpleTextItem>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>
#include <array>

#include "monitor/Decimation.h"

namespace {

struct Band {
    const char* caption;
    QColor colour;
};
const Band kBands[monitor::kOutputs] = {
    {"大投入", QColor(70, 130, 230, 110)},
    {"中投入", QColor(60, 180, 90, 110)},
    {"小投入", QColor(240, 170, 40, 120)},
    {"排出", QColor(150, 150, 150, 100)},
};

// The set point lines, in the order of SetPointValues.
struct Line {
    const char* caption;
    QColor colour;
};
const Line kLines[] = {
    {"定量", QColor(200, 30, 30)},   {"定量前", QColor(60, 150, 60)},
    {"大投入", QColor(40, 90, 200)}, {"過量", QColor(170, 40, 170)},
    {"不足", QColor(170, 110, 20)},
};
constexpr int kLineCount = int(std::size(kLines));

std::array<double, kLineCount> SetPointValues(const monitor::SetPoints& p) {
    return {p.target, p.mediumCut, p.largeCut, p.overLimit, p.underLimit};
}

}  // namespace

MonitorChart::MonitorChart(const std::deque<monitor::Sample>& samples, QWidget* parent)
    : QChartView(parent), samples_(samples) {
    setObjectName(QStringLiteral("monitorChart"));
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    timeAxis_ = new QDateTimeAxis;
    timeAxis_->setFormat(QStringLiteral("HH:mm:ss"));
    timeAxis_->setTickCount(7);
    weightAxis_ = new QValueAxis;
    weightAxis_->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(timeAxis_, Qt::AlignBottom);
    chart->addAxis(weightAxis_, Qt::AlignLeft);
    for (const Band& b : kBands) {
        auto* area = new QAreaSeries(new QLineSeries(chart));
        area->setName(QString::fromUtf8(b.caption));
        area->setColor(b.colour);
        area->setBorderColor(Qt::transparent);
        chart->addSeries(area);
        bands_ << area;
    }
    curve_ = new QLineSeries;
    curve_->setName(QStringLiteral("重量"));
    curve_->setPen(QPen(Qt::black, 1.5));
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
    }
    for (QAbstractSeries* s : chart->series()) {
        s->attachAxis(timeAxis_);
        s->attachAxis(weightAxis_);
    }
    setChart(chart);
    setRenderHint(QPainter::Antialiasing, false);
    connect(chart, &QChart::plotAreaChanged, this, [this] { placeLabels(); });
}

void MonitorChart::setView(qint64 spanMs, qint64 endMs) {
    spanMs_ = std::max<qint64>(1, spanMs);
    endMs_ = endMs;
}

void MonitorChart::setSetPoints(const monitor::SetPoints& points, int places) {
    points_ = points;
    places_ = places;
    hasPoints_ = true;
    weightAxis_->setLabelFormat(QStringLiteral("%.%1f").arg(places));
}

void MonitorChart::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    refresh();
}

void MonitorChart::refresh() {
    const double from = double(endMs_ - spanMs_), to = double(endMs_);
    const int columns = std::max(1, int(chart()->plotArea().width()));
    const std::vector<monitor::Column> cols = monitor::DecimateColumns(samples_, from, to, columns);
    const std::vector<QPointF> curve = monitor::CurvePoints(cols);
    curve_->replace(QList<QPointF>(curve.begin(), curve.end()));
    for (int i = 0; i < monitor::kOutputs; ++i) {
        const std::vector<QPointF> band = monitor::BandPoints(cols, monitor::Output(i));
        bands_[i]->upperSeries()->replace(QList<QPointF>(band.begin(), band.end()));
    }
    double low = 0, high = 0;
    for (const monitor::Column& c : cols) low = std::min(low, c.min), high = std::max(high, c.max);
    const auto values = SetPointValues(points_);
    for (int i = 0; i < kLineCount; ++i) {
        // Emptied rather than hidden: a hidden series would bring its legend marker back.
        labels_[i]->setVisible(hasPoints_);
        if (!hasPoints_) {
            lines_[i]->clear();
            continue;
        }
        lines_[i]->replace(QList<QPointF>{{from, values[i]}, {to, values[i]}});
        high = std::max(high, values[i]);
        labels_[i]->setText(QStringLiteral("%1 %2").arg(QString::fromUtf8(kLines[i].caption),
                                                        monitor::ShowWeight(values[i], places_)));
    }
    if (high <= low) high = low + 1;
    timeAxis_->setRange(QDateTime::fromMSecsSinceEpoch(qint64(from)),
                        QDateTime::fromMSecsSinceEpoch(qint64(to)));
    weightAxis_->setRange(low, high + (high - low) * 0.08);
    placeLabels();
}

void MonitorChart::placeLabels() {
    if (!hasPoints_) return;
    const QRectF plot = chart()->plotArea();
    const auto values = SetPointValues(points_);
    // Close lines (定量前 just under 定量) would print over each other: each label keeps at
    // least its own height from the one placed before it, going down the chart.
    std::array<int, kLineCount> order;
    for (int i = 0; i < kLineCount; ++i) order[i] = i;
    std::sort(order.begin(), order.end(), [&](int a, int b) { return values[a] > values[b]; });
    double lastBottom = -1e9;
    for (int i : order) {
        const QPointF at = chart()->mapToPosition(QPointF(double(endMs_), values[i]), lines_[i]);
        const QRectF box = labels_[i]->boundingRect();
        double top = std::max(at.y() - box.height(), lastBottom);
        labels_[i]->setPos(plot.right() - box.width() - 4, top);
        lastBottom = top + box.height();
    }
}
