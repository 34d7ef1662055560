#include "server/PlantWatch.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

#include "monitor/Weights.h"

QString PrometheusLabel(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (const QChar c : value) {
        if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (c == u'"')
            out += QStringLiteral("\\\"");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else
            out += c;
    }
    return out;
}

PlantWatch::PlantWatch(const std::vector<FleetMember>& members, QTextStream& log, QObject* parent)
    : QObject(parent), log_(log) {
    for (const FleetMember& m : members) {
        auto ind = std::make_unique<Indicator>();
        ind->member = m;
        DeviceOptions o;
        o.device = m.device;
        o.model = m.model;
        o.line = m.line;
        o.quiet = true;
        ind->session = std::make_unique<DeviceSession>(o, log_);
        // Samples are not transfers: nothing to keep in the journal per sample.
        ind->session->link.runs().setListener(nullptr);
        ind->sampler = std::make_unique<MonitorSampler>(ind->session->link);
        ind->sampler->setRate(m.rate);
        const int index = int(indicators_.size());
        Indicator* raw = ind.get();
        connect(ind->sampler.get(), &MonitorSampler::sampled, this,
                [this, raw, index](const monitor::Sample& s) {
                    raw->last = s;
                    raw->lastReadMs = s.ms;
                    emit changed(index);
                });
        connect(ind->sampler.get(), &MonitorSampler::filled, this,
                [this, raw, index](const monitor::Fill& f) {
                    raw->fills.push_back(f);
                    if (raw->fills.size() > kRecentFills) raw->fills.erase(raw->fills.begin());
                    raw->recent = monitor::Summarize(raw->fills);
                    ++raw->fillsTotal;
                    raw->underTotal += f.judgement == monitor::Judgement::Under;
                    raw->overTotal += f.judgement == monitor::Judgement::Over;
                    emit changed(index);
                });
        connect(ind->sampler.get(), &MonitorSampler::stateChanged, this,
                [this, raw, index](MonitorSampler::State s) {
                    log_ << "[" << raw->member.name << "] " << MonitorSampler::StateText(s)
                         << Qt::endl;
                    emit changed(index);
                });
        indicators_.push_back(std::move(ind));
    }
}

PlantWatch::~PlantWatch() {
    stop();
}

void PlantWatch::start() {
    for (auto& ind : indicators_) {
        // A port that does not open now is reopened by the loop a second later.
        (void)ind->session->open();
        ind->sampler->start();
    }
}

void PlantWatch::stop() {
    for (auto& ind : indicators_) ind->sampler->stop();
}

namespace {

bool Up(const PlantWatch::Indicator& ind) {
    return ind.sampler->state() == MonitorSampler::State::Running && ind.lastReadMs > 0;
}

QString Number(double v) {
    if (std::isnan(v)) return QStringLiteral("NaN");
    return QString::number(v, 'g', 12);
}

}  // namespace

QByteArray PlantWatch::metrics() const {
    struct Family {
        const char* name;
        const char* type;
        const char* help;
        std::function<std::optional<double>(const Indicator&, const monitor::Summary&)> value;
    };
    const std::vector<Family> families = {
        {"rusk_weight", "gauge", "Gross weight last read, in display units.",
         [](const Indicator& i, const monitor::Summary&) -> std::optional<double> {
             if (!i.last) return std::nullopt;
             return i.last->weight;
         }},
        {"rusk_link_up", "gauge", "1 while the indicator answers, else 0.",
         [](const Indicator& i, const monitor::Summary&) -> std::optional<double> {
             return Up(i) ? 1 : 0;
         }},
        {"rusk_fills_total", "counter", "Completed fills seen.",
         [](const Indicator& i, const monitor::Summary&) -> std::optional<double> {
             return i.fillsTotal;
         }},
        {"rusk_fills_under_total", "counter", "Completed fills judged under.",
         [](const Indicator& i, const monitor::Summary&) -> std::optional<double> {
             return i.underTotal;
         }},
        {"rusk_fills_over_total", "counter", "Completed fills judged over.",
         [](const Indicator& i, const monitor::Summary&) -> std::optional<double> {
             return i.overTotal;
         }},
        {"rusk_fill_mean", "gauge", "Mean weighing result of the latest 1000 fills.",
         [](const Indicator&, const monitor::Summary& s) -> std::optional<double> {
             if (s.count == 0) return std::nullopt;
             return s.mean;
         }},
        {"rusk_fill_stddev", "gauge", "Standard deviation of the latest 1000 fills.",
         [](const Indicator&, const monitor::Summary& s) -> std::optional<double> {
             if (s.count < 2) return std::nullopt;
             return s.stddev;
         }},
        {"rusk_last_read_timestamp_seconds", "gauge", "Time of the last answered sample.",
         [](const Indicator& i, const monitor::Summary&) -> std::optional<double> {
             if (i.lastReadMs == 0) return std::nullopt;
             return double(i.lastReadMs) / 1000.0;
         }},
        {"rusk_settings_differ", "gauge", "1 when the settings differ from the baseline.",
         [](const Indicator& i, const monitor::Summary&) -> std::optional<double> {
             if (!i.settingsDiffer) return std::nullopt;
             return *i.settingsDiffer ? 1 : 0;
         }},
    };
    QString out;
    for (const Family& f : families) {
        out += QStringLiteral("# HELP %1 %2\n# TYPE %1 %3\n")
                   .arg(QLatin1String(f.name), QLatin1String(f.help), QLatin1String(f.type));
        for (size_t i = 0; i < indicators_.size(); ++i) {
            const std::optional<double> v = f.value(*indicators_[i], indicators_[i]->recent);
            if (!v) continue;
            out += QStringLiteral("%1{indicator=\"%2\"} %3\n")
                       .arg(QLatin1String(f.name), PrometheusLabel(indicators_[i]->member.name),
                            Number(*v));
        }
    }
    return out.toUtf8();
}

namespace {

QJsonObject Tile(const PlantWatch::Indicator* ind) {
    const monitor::Summary& s = ind->recent;
    QJsonObject o;
    o[QStringLiteral("name")] = ind->member.name;
    o[QStringLiteral("state")] = MonitorSampler::StateText(ind->sampler->state());
    o[QStringLiteral("up")] = Up(*ind);
    if (ind->last)
        o[QStringLiteral("weight")] = monitor::ShowWeight(ind->last->weight, ind->last->places);
    o[QStringLiteral("fills")] = ind->fillsTotal;
    o[QStringLiteral("mean")] = s.count ? monitor::ShowWeight(s.mean, 3) : QString();
    o[QStringLiteral("sd")] = s.count > 1 ? monitor::ShowWeight(s.stddev, 3) : QString();
    o[QStringLiteral("under")] = ind->underTotal;
    o[QStringLiteral("over")] = ind->overTotal;
    o[QStringLiteral("differ")] = ind->settingsDiffer.value_or(false);
    return o;
}

}  // namespace

QByteArray PlantWatch::overviewJson() const {
    QJsonArray all;
    for (const auto& ind : indicators_) all.append(Tile(ind.get()));
    return QJsonDocument(all).toJson(QJsonDocument::Compact);
}

QByteArray PlantWatch::indicatorJson(int index) const {
    return QJsonDocument(Tile(indicators_.at(size_t(index)).get())).toJson(QJsonDocument::Compact);
}
