#pragma once

#include <QChartView>
#include <QList>
#include <deque>
#include <vector>

#include "monitor/ChartScale.h"
#include "monitor/Decimation.h"
#include "monitor/MonitorSample.h"
#include "monitor/Weights.h"

class QAreaSeries;
class QCategoryAxis;
class QGraphicsLineItem;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QValueAxis;

// The weight over time: the curve, the feed outputs as coloured bands under it and the current
// product's set points as labelled lines. It draws the samples decimated to the pixel columns
// of its plot area, so an hour of samples costs no more than ten seconds of them.
class MonitorChart : public QChartView {
    Q_OBJECT
  public:
    explicit MonitorChart(const std::deque<monitor::Sample>& samples, QWidget* parent = nullptr);

    // The time the chart spans, ending at `endMs` (ms since the epoch).
    void setView(qint64 spanMs, qint64 endMs);
    qint64 spanMs() const { return spanMs_; }
    qint64 endMs() const { return endMs_; }
    void setSetPoints(const monitor::SetPoints& points, int places);
    // Rebuilds the series from the samples in view.
    void refresh();

    // What the last refresh drew: the weight axis, the time ticks, and where the set-point
    // labels stand (in the chart's coordinates).
    const monitor::WeightScale& weightScale() const { return scale_; }
    const std::vector<monitor::TimeTick>& timeTicks() const { return ticks_; }
    std::vector<QRectF> labelBoxes() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    class BandLayer;
    void applyScales();
    void placeLabels();
    void placeBands();

    const std::deque<monitor::Sample>& samples_;
    QLineSeries* curve_;
    QList<QAreaSeries*> bands_;  // empty: they give the legend the bands' colours
    BandLayer* bandLayer_;
    std::vector<monitor::Column> columns_;
    double low_ = 0, high_ = 0;  // the lowest and highest value in view
    monitor::WeightScale scale_;
    std::vector<monitor::TimeTick> ticks_;
    bool inScales_ = false;
    QList<QLineSeries*> lines_;
    QList<QGraphicsSimpleTextItem*> labels_;
    QList<QGraphicsLineItem*> leaders_;
    QCategoryAxis* timeAxis_;
    QValueAxis* weightAxis_;
    monitor::SetPoints points_;
    int places_ = 0;
    qint64 spanMs_ = 60000;
    qint64 endMs_;
};
