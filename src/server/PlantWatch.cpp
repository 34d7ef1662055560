#include "server/PlantWatch.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>

#include "monitor/Weights.h"
#include "texts/CliTexts.h"

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
    : QObject(parent), log_(log), backups_(QDir::current()) {
    setJournalPath({});
    clock_.start();
    for (const FleetMember& m : members) {
        auto ind = std::make_unique<Indicator>();
        ind->member = m;
        DeviceOptions o;
        o.device = m.device;
        o.model = m.model;
        o.line = m.line;
        o.quiet = true;
        // The settings check's waits: a silent indicator holds its own loop this long per
        // request, as the monitor's own waits do.
        o.timeoutMs = MonitorSampler::kRetryMs;
        ind->session = std::make_unique<DeviceSession>(o, log_);
        // Samples go on the loop's own link and are not kept; the main link carries the
        // settings check, whose reads are.
        ind->recorder.journal = journal_.get();
        ind->session->link.runs().setListener(&ind->recorder);
        ind->sampler = std::make_unique<MonitorSampler>(ind->session->link);
        ind->sampler->setRate(m.rate);
        const int index = int(indicators_.size());
        Indicator* raw = ind.get();
        connect(ind->sampler.get(), &MonitorSampler::sampled, this,
                [this, raw, index](const monitor::Sample& s) {
                    raw->last = s;
                    raw->lastReadMs = s.ms;
                    emit changed(index);
                    sampled(index);
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
                    // A check stops and starts the loop: not news.
                    if (raw->checking) {
                        if (s == MonitorSampler::State::Stopped) loopStopped(index);
                        return;
                    }
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

void PlantWatch::setJournalPath(const QString& path) {
    journal_ = std::make_unique<Journal>(path);
    // Told on the log; the watch goes on.
    journal_->statusNote = [this](const QString& note) { log_ << note << Qt::endl; };
    journal_->messageOnce = [this](const QString& text) { log_ << text << Qt::endl; };
    // A journal another program holds is waited for this long at most: every indicator waits
    // while it does. A snapshot not kept is told on the log.
    journal_->busyTimeoutMs = kJournalBusyMs;
    for (auto& ind : indicators_) ind->recorder.journal = journal_.get();
}

MonitorSampler::State PlantWatch::Indicator::shownState() const {
    return checking ? stateBeforeCheck : sampler->state();
}

void PlantWatch::noteBackup(Indicator& ind) const {
    const QStringList files = BackupsOf(backups_, ind.member.name);
    ind.lastBackupMs =
        files.isEmpty() ? -1 : QFileInfo(backups_, files.last()).lastModified().toMSecsSinceEpoch();
}

void PlantWatch::start() {
    stopped_ = false;
    for (auto& ind : indicators_) {
        noteBackup(*ind);
        // A port that does not open now is reopened by the loop a second later.
        (void)ind->session->open();
        ind->sampler->start();
    }
}

void PlantWatch::stop() {
    stopped_ = true;
    for (auto& ind : indicators_) {
        ind->sampler->stop();
        // A check's wait gives up at once; its read is kept as stopped short.
        if (ind->checkJob.running()) ind->session->link.abandonWait();
    }
}

// ---- the settings check ----

void PlantWatch::sampled(int index) {
    Indicator& ind = *indicators_.at(size_t(index));
    if (stopped_ || ind.checking || clock_.elapsed() < ind.nextCheckMs) return;
    ind.checking = true;
    ind.stateBeforeCheck = ind.sampler->state();
    // Out of the loop's signal: the sample under way ends first if it can.
    QTimer::singleShot(0, this, [this, index] { beginCheck(index); });
}

void PlantWatch::beginCheck(int index) {
    Indicator& ind = *indicators_.at(size_t(index));
    if (stopped_) {
        ind.checking = false;
        return;
    }
    ind.sampler->stop();
    if (ind.sampler->state() == MonitorSampler::State::Stopped) loopStopped(index);
}

void PlantWatch::loopStopped(int index) {
    Indicator& ind = *indicators_.at(size_t(index));
    if (!ind.checking || ind.readScheduled) return;
    ind.readScheduled = true;
    QTimer::singleShot(kSettleMs, this, [this, index] {
        Indicator& i = *indicators_.at(size_t(index));
        if (stopped_) {
            i.checking = i.readScheduled = false;
            return;
        }
        i.checkJob = Started(check(index), [this, index](std::exception_ptr error) {
            if (error) checkEnded(index, false);
        });
    });
}

QString PlantWatch::baselineName(int index) const {
    const Indicator& ind = *indicators_.at(size_t(index));
    const QString named = BaselineOf(ind.member, backups_);
    return named.isEmpty() ? ind.pinnedBaseline : named;
}

std::vector<JournalEntry> PlantWatch::snapshotsOf(const Indicator& ind) {
    std::vector<JournalEntry> mine;
    for (const JournalEntry& e : journal_->list())
        if (e.device == ind.member.device || e.deviceName() == ind.member.device) mine.push_back(e);
    return mine;
}

Task<void> PlantWatch::check(int index) {
    Indicator& ind = *indicators_.at(size_t(index));
    const QString name = QStringLiteral("[%1] ").arg(ind.member.name);
    const CheckRead read = co_await ReadForCheck(ind.session->link, ind.recorder);
    const bool done = read.outcome == CheckRead::Outcome::Done;
    if (!done) {
        const QString why =
            read.outcome == CheckRead::Outcome::Incomplete ? Tr(CliText::ResultIncomplete)
            : read.outcome == CheckRead::Outcome::Lost     ? read.why
                                                           : Tr(CliText::ResultNoAnswer);
        log_ << name << Tr(CliText::SettingsCheckFailed).arg(why) << Qt::endl;
        checkEnded(index, false);
        co_return;
    }
    // No baseline named: the newest snapshot of the indicator kept before this read, else
    // this read itself, stays the baseline while the server runs.
    if (BaselineOf(ind.member, backups_).isEmpty() && ind.pinnedBaseline.isEmpty() &&
        !ind.firstRead) {
        for (const JournalEntry& e : snapshotsOf(ind)) {
            if (e.id != read.snapshot && e.complete &&
                e.direction == TransferRun::Direction::Read) {
                ind.pinnedBaseline = QStringLiteral("journal:%1").arg(e.id);
                break;
            }
        }
        if (ind.pinnedBaseline.isEmpty()) {
            // A read the journal could not keep is held here instead.
            if (read.snapshot > 0)
                ind.pinnedBaseline = QStringLiteral("journal:%1").arg(read.snapshot);
            else
                ind.firstRead = read.values;
            log_ << name
                 << Tr(CliText::CheckFirstBaseline)
                        .arg(read.snapshot > 0 ? ind.pinnedBaseline : Tr(CliText::FirstRead))
                 << Qt::endl;
        }
    }
    QString baseline = baselineName(index);
    SettingsStore base;
    base.setModel(ind.member.model);
    QString refusal;
    if (!baseline.isEmpty()) {
        refusal = LoadBaseline(baseline, *journal_, base);
    } else if (ind.firstRead) {
        base = Overlaid(base, *ind.firstRead);
        baseline = Tr(CliText::FirstRead);
    } else {
        refusal = Tr(CliText::NoBaseline);
    }
    if (!refusal.isEmpty()) {
        log_ << name << Tr(CliText::BaselineUnusable).arg(baseline, refusal) << Qt::endl;
        ind.settingsDiffer.reset();
    } else {
        const std::vector<Difference> differences = CheckDifferences(base, read.values);
        ind.settingsDiffer = !differences.empty();
        log_ << name
             << Tr(CliText::SettingsCheckDone)
                    .arg(baseline, SummaryText(CountDifferences(differences)))
             << Qt::endl;
    }
    ind.lastCheckMs = QDateTime::currentMSecsSinceEpoch();
    checkEnded(index, true);
}

void PlantWatch::checkEnded(int index, bool read) {
    Indicator& ind = *indicators_.at(size_t(index));
    const qint64 every = qint64(ind.member.checkEverySeconds) * 1000;
    ind.nextCheckMs = clock_.elapsed() + (read ? every : std::min<qint64>(every, kCheckRetryMs));
    noteBackup(ind);  // a backup made since shows on the tile
    // Started while the check still holds it: its state is not news.
    if (!stopped_) ind.sampler->resume();
    ind.checking = ind.readScheduled = false;
    emit changed(index);
}

namespace {

bool Up(const PlantWatch::Indicator& ind) {
    return ind.shownState() == MonitorSampler::State::Running && ind.lastReadMs > 0;
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
        {"rusk_settings_check_timestamp_seconds", "gauge",
         "Time of the last settings check that read the indicator whole.",
         [](const Indicator& i, const monitor::Summary&) -> std::optional<double> {
             if (i.lastCheckMs < 0) return std::nullopt;
             return double(i.lastCheckMs) / 1000.0;
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

// What the filler is doing, by the outputs of the last sample: "large", "medium", "small",
// "discharge", "complete", or "" between fills.
QString FeedKey(const monitor::Sample& s) {
    using monitor::Output;
    if (s.complete()) return QStringLiteral("complete");
    const std::pair<Output, const char*> outputs[] = {{Output::Large, "large"},
                                                      {Output::Medium, "medium"},
                                                      {Output::Small, "small"},
                                                      {Output::Discharge, "discharge"}};
    for (const auto& [output, key] : outputs)
        if (s.on(output)) return QLatin1String(key);
    return {};
}

// The fills that ended in the hour before the last sample; when the fills kept do not reach
// back an hour, the rate of those kept.
int FillsInTheLastHour(const PlantWatch::Indicator& ind) {
    if (!ind.last || ind.fills.empty()) return 0;
    constexpr qint64 kHour = 3600 * 1000;
    const qint64 from = ind.last->ms - kHour;
    const int within = int(std::count_if(ind.fills.begin(), ind.fills.end(),
                                         [from](const monitor::Fill& f) { return f.ms > from; }));
    const qint64 span = ind.last->ms - ind.fills.front().ms;
    if (within < int(ind.fills.size()) || ind.fillsTotal == within || span <= 0) return within;
    return int(std::llround(double(within) * double(kHour) / double(span)));
}

QJsonObject Tile(const PlantWatch::Indicator* ind) {
    const monitor::Summary& s = ind->recent;
    QJsonObject o;
    o[QStringLiteral("name")] = ind->member.name;
    o[QStringLiteral("state")] = MonitorSampler::StateText(ind->shownState());
    o[QStringLiteral("up")] = Up(*ind);
    if (ind->last)
        o[QStringLiteral("weight")] = monitor::ShowWeight(ind->last->weight, ind->last->places);
    o[QStringLiteral("fills")] = ind->fillsTotal;
    o[QStringLiteral("perHour")] = FillsInTheLastHour(*ind);
    if (ind->last) o[QStringLiteral("feed")] = FeedKey(*ind->last);
    if (ind->lastBackupMs >= 0)
        o[QStringLiteral("backup")] =
            QDateTime::fromMSecsSinceEpoch(ind->lastBackupMs, Qt::UTC).toString(Qt::ISODate);
    o[QStringLiteral("mean")] = s.count ? monitor::ShowWeight(s.mean, 3) : QString();
    o[QStringLiteral("sd")] = s.count > 1 ? monitor::ShowWeight(s.stddev, 3) : QString();
    o[QStringLiteral("under")] = ind->underTotal;
    o[QStringLiteral("over")] = ind->overTotal;
    o[QStringLiteral("differ")] = ind->settingsDiffer.value_or(false);
    if (ind->lastCheckMs >= 0)
        o[QStringLiteral("checked")] =
            QDateTime::fromMSecsSinceEpoch(ind->lastCheckMs, Qt::UTC).toString(Qt::ISODate);
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

// ---- the journal for the indicator's page ----

QByteArray PlantWatch::snapshotsJson(int index) {
    if (index < 0 || size_t(index) >= indicators_.size()) return QByteArrayLiteral("[]");
    const Indicator& ind = *indicators_[size_t(index)];
    SettingsStore base;
    base.setModel(ind.member.model);
    const QString baseline = baselineName(index);
    const bool haveBase = !baseline.isEmpty() && LoadBaseline(baseline, *journal_, base).isEmpty();
    QJsonArray all;
    for (const JournalEntry& e : snapshotsOf(ind)) {
        if (all.size() >= kListedSnapshots) break;
        QJsonObject o;
        o[QStringLiteral("id")] = e.id;
        o[QStringLiteral("time")] = e.time.toUTC().toString(Qt::ISODate);
        o[QStringLiteral("operation")] = e.operationText();
        o[QStringLiteral("complete")] = e.complete;
        QJsonValue differs = QJsonValue::Null;
        if (haveBase && e.model == base.model()) {
            if (const std::optional<JournalSnapshot> s = journal_->load(e.id))
                differs = !CheckDifferences(base, s->values).empty();
        }
        o[QStringLiteral("differs")] = differs;
        all.append(o);
    }
    return QJsonDocument(all).toJson(QJsonDocument::Compact);
}

QByteArray PlantWatch::differencesJson(int index, qint64 snapshotId) {
    const auto error = [](const QString& text) {
        return QJsonDocument(QJsonObject{{QStringLiteral("error"), text}})
            .toJson(QJsonDocument::Compact);
    };
    if (index < 0 || size_t(index) >= indicators_.size())
        return error(Tr(CliText::SnapshotNotFound).arg(snapshotId));
    const Indicator& ind = *indicators_[size_t(index)];
    const std::vector<JournalEntry> mine = snapshotsOf(ind);
    const bool ours = std::any_of(mine.begin(), mine.end(),
                                  [&](const JournalEntry& e) { return e.id == snapshotId; });
    const std::optional<JournalSnapshot> snapshot =
        ours ? journal_->load(snapshotId) : std::nullopt;
    if (!snapshot) return error(Tr(CliText::SnapshotNotFound).arg(snapshotId));
    const QString baseline = baselineName(index);
    SettingsStore base;
    base.setModel(ind.member.model);
    const QString refusal =
        baseline.isEmpty() ? Tr(CliText::NoBaseline) : LoadBaseline(baseline, *journal_, base);
    if (!refusal.isEmpty()) return error(Tr(CliText::BaselineUnusable).arg(baseline, refusal));
    QJsonObject doc =
        QJsonDocument::fromJson(DifferencesJson(CheckDifferences(base, snapshot->values))).object();
    doc[QStringLiteral("baseline")] = baseline;
    doc[QStringLiteral("snapshot")] = snapshotId;
    return QJsonDocument(doc).toJson(QJsonDocument::Compact);
}

QByteArray PlantWatch::dataFileBytes(int index) {
    if (index < 0 || size_t(index) >= indicators_.size()) return {};
    const Indicator& ind = *indicators_[size_t(index)];
    for (const JournalEntry& e : snapshotsOf(ind)) {
        if (!e.complete || e.direction != TransferRun::Direction::Read) continue;
        QTemporaryDir dir;
        if (!dir.isValid()) return {};
        const QString path = dir.filePath(QStringLiteral("data.mdb"));
        if (!journal_->saveAsDataFile(e.id, path).saved) return {};
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return {};
        return file.readAll();
    }
    return {};
}
