#pragma once

#include <QObject>
#include <QString>
#include <QTextStream>
#include <memory>
#include <optional>
#include <vector>

#include "cli/CliSupport.h"
#include "cli/FleetFile.h"
#include "monitor/FillStatistics.h"
#include "monitor/MonitorSampler.h"

// Every indicator of a fleet file watched at once, in this process and on this thread: per
// indicator a port, a link and the monitor's polling loop (RA and the status words, "W00" with no
// number for the current product; read requests only), and the fill statistics of what it saw.
// A silent or lost indicator shows in its state and is tried again by its own loop; it holds up
// no other.
class PlantWatch : public QObject {
    Q_OBJECT
  public:
    // The fills whose mean and deviation are shown: the latest this many.
    static constexpr size_t kRecentFills = 1000;

    struct Indicator {
        FleetMember member;
        std::unique_ptr<DeviceSession> session;
        std::unique_ptr<MonitorSampler> sampler;
        std::optional<monitor::Sample> last;
        qint64 lastReadMs = 0;             // wall clock of the last sample answered; 0 before any
        std::vector<monitor::Fill> fills;  // the latest kRecentFills
        monitor::Summary recent;           // of `fills`, taken again at each fill
        int fillsTotal = 0, underTotal = 0, overTotal = 0;  // since the start
        // Whether the settings differ from the baseline; none before a check ran.
        std::optional<bool> settingsDiffer;
    };

    PlantWatch(const std::vector<FleetMember>& members, QTextStream& log,
               QObject* parent = nullptr);
    ~PlantWatch() override;

    // Opens every port and starts every loop; an indicator whose port does not open yet starts
    // as lost and is tried again.
    void start();
    void stop();

    const std::vector<std::unique_ptr<Indicator>>& indicators() const { return indicators_; }

    // The figures in Prometheus' text exposition format.
    QByteArray metrics() const;
    // The overview as JSON: one object per indicator.
    QByteArray overviewJson() const;
    // One indicator's tile as a JSON object.
    QByteArray indicatorJson(int index) const;

  signals:
    void changed(int index);

  private:
    QTextStream& log_;
    std::vector<std::unique_ptr<Indicator>> indicators_;
};

// A label value of the exposition format: backslash, double quote and line feed escaped.
QString PrometheusLabel(const QString& value);
