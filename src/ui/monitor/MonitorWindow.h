#pragma once

#include <QTimer>
#include <QWidget>
#include <deque>
#include <vector>

#include "monitor/FillStatistics.h"
#include "monitor/MonitorSampler.h"
#include "monitor/Weights.h"

class MonitorChart;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QSpinBox;
class QTableWidget;

// The live monitor: the weight of the filling cycle as a chart with the current product's set
// points, and the statistics of the completed fills. A window of its own beside the main
// window; it polls while it is open and not stopped, and closing it frees the link.
class MonitorWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kMaxSamples = 400000;  // over an hour at the highest rate offered

    // `link`: the window's link, whose store gives the set points and whose view shows a failed
    // save. The monitor is a window of `main`'s, placed beside it.
    MonitorWindow(IndicatorLink& link, QWidget* main);
    ~MonitorWindow() override;

    // Shows the window beside the main one and starts polling: a new session, when the window was
    // closed, with none of the earlier samples, fills and statistics.
    void open();
    MonitorSampler& sampler() { return sampler_; }
    MonitorChart& chart() { return *chart_; }
    const std::deque<monitor::Sample>& samples() const { return samples_; }
    const std::vector<monitor::Fill>& fills() const { return fills_; }
    // Saves the samples as CSV at `path`; empty, or the message that was shown.
    QString saveCsv(const QString& path);
    // Redraws the chart now (the window otherwise redraws a few times a second).
    void redrawNow();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void build();
    void startSession();
    void toggleRun();
    void onSample(const monitor::Sample& s);
    void onFill(const monitor::Fill& f);
    void onProduct(int product);
    void onState(MonitorSampler::State state);
    void showSummary();
    void askSaveCsv();
    void clearFills();
    qint64 spanMs() const;
    void syncScroll();

    IndicatorLink& link_;
    QWidget* main_;
    MonitorSampler sampler_;
    std::deque<monitor::Sample> samples_;
    std::vector<monitor::Fill> fills_;
    monitor::SetPoints points_;
    int places_ = 0;
    bool dirty_ = false;
    QTimer redraw_;

    MonitorChart* chart_ = nullptr;
    QPushButton* run_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* clear_ = nullptr;
    QComboBox* span_ = nullptr;
    QSpinBox* rate_ = nullptr;
    QCheckBox* hold_ = nullptr;
    QScrollBar* scroll_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* weight_ = nullptr;
    QLabel* product_ = nullptr;
    QLabel* summary_ = nullptr;
    QLabel* advice_ = nullptr;
    QTableWidget* table_ = nullptr;
};
