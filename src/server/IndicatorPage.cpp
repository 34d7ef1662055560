#include "server/IndicatorPage.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <algorithm>

#include "history/Compare.h"
#include "monitor/Weights.h"
#include "platform/FileRules.h"
#include "report/SettingsSheet.h"
#include "report/SheetPainter.h"
#include "server/PlantWatch.h"
#include "server/SettingsCheck.h"
#include "texts/MonitorTexts.h"
#include "texts/PageTexts.h"

namespace {

// A data file of the journal is some hundreds of kilobytes at most.
constexpr qint64 kDataFileMaxBytes = 16 * 1024 * 1024;
// The differences a snapshot lists at most.
constexpr int kListedChanges = 200;

QString Stamp(const QDateTime& time) {
    return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString JudgementCode(monitor::Judgement j) {
    switch (j) {
        case monitor::Judgement::Under:
            return QStringLiteral("under");
        case monitor::Judgement::Ok:
            return QStringLiteral("ok");
        case monitor::Judgement::Over:
            return QStringLiteral("over");
        case monitor::Judgement::None:
            break;
    }
    return QStringLiteral("none");
}

QJsonObject FillJson(const monitor::Fill& f, int places) {
    QJsonObject o;
    o[QStringLiteral("ms")] = double(f.ms);
    o[QStringLiteral("result")] = monitor::ShowWeight(f.final, places);
    o[QStringLiteral("judgement")] = monitor::JudgementText(f.judgement);
    o[QStringLiteral("code")] = JudgementCode(f.judgement);
    if (const auto flight = f.inFlight())
        o[QStringLiteral("inFlight")] = monitor::ShowWeight(*flight, places);
    return o;
}

QJsonArray PointJson(const IndicatorPages::Point& p) {
    return QJsonArray{double(p.ms), p.weight, int(p.outputs)};
}

bool HoldsProduct(const JournalSnapshot& s, int product) {
    return std::any_of(s.values.begin(), s.values.end(),
                       [product](const TransferValue& v) { return v.product == product; });
}

SettingsStore StoreOf(const JournalSnapshot& s) {
    SettingsStore store;
    store.setModel(s.entry.model);
    PutValues(store, s.values);
    return store;
}

QByteArray Compact(const QJsonObject& o) {
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

}  // namespace

IndicatorPages::IndicatorPages(PlantWatch& watch)
    : watch_(watch), pages_(watch.indicators().size()) {}

QByteArray IndicatorPages::update(int index, const QByteArray& tile) {
    const PlantWatch::Indicator& ind = *watch_.indicators().at(size_t(index));
    Page& page = pages_.at(size_t(index));
    QByteArray frame = "{\"tile\":" + tile;
    tookSample_ = false;
    if (ind.last && (page.points.empty() || page.points.back().ms < ind.last->ms)) {
        const Point p{ind.last->ms, ind.last->weight, ind.last->outputs()};
        page.points.push_back(p);
        while (page.points.front().ms < p.ms - kKeptMs) page.points.pop_front();
        frame += ",\"sample\":" + QJsonDocument(PointJson(p)).toJson(QJsonDocument::Compact);
        tookSample_ = true;
    }
    if (ind.fillsTotal != page.fillsSeen && !ind.fills.empty()) {
        page.fillsSeen = ind.fillsTotal;
        frame +=
            ",\"fill\":" + Compact(FillJson(ind.fills.back(), ind.last ? ind.last->places : 0));
    }
    return frame + '}';
}

Journal& IndicatorPages::journal(int index) const {
    return watch_.indicators().at(size_t(index))->session->recorder.journal;
}

std::vector<JournalEntry> IndicatorPages::snapshots(int index) const {
    const QString device = watch_.indicators().at(size_t(index))->member.device;
    std::vector<JournalEntry> all = journal(index).list();
    std::erase_if(all, [&device](const JournalEntry& e) {
        return e.device != device && e.byIdName != device;
    });
    return all;
}

std::optional<JournalEntry> IndicatorPages::newest(int index) const {
    const std::vector<JournalEntry> entries = snapshots(index);
    const auto whole = std::find_if(entries.begin(), entries.end(),
                                    [](const JournalEntry& e) { return e.complete; });
    if (whole != entries.end()) return *whole;
    if (entries.empty()) return std::nullopt;
    return entries.front();
}

std::optional<QByteArray> IndicatorPages::pageJson(int index) const {
    if (index < 0 || size_t(index) >= pages_.size()) return std::nullopt;
    const PlantWatch::Indicator& ind = *watch_.indicators()[size_t(index)];
    const int places = ind.last ? ind.last->places : 0;
    QJsonObject o;
    o[QStringLiteral("tile")] = QJsonDocument::fromJson(watch_.indicatorJson(index)).object();
    o[QStringLiteral("places")] = places;
    o[QStringLiteral("spanMs")] = double(kKeptMs);
    QJsonArray points;
    for (const Point& p : pages_[size_t(index)].points) points.append(PointJson(p));
    o[QStringLiteral("samples")] = points;
    QJsonArray fills;
    for (auto f = ind.fills.rbegin(); f != ind.fills.rend() && fills.size() < kListedFills; ++f)
        fills.append(FillJson(*f, places));
    o[QStringLiteral("fills")] = fills;

    const std::vector<JournalEntry> entries = snapshots(index);
    QJsonArray list;
    for (const JournalEntry& e : entries) {
        if (list.size() == kListedSnapshots) break;
        QJsonObject s;
        s[QStringLiteral("id")] = double(e.id);
        s[QStringLiteral("time")] = Stamp(e.time);
        s[QStringLiteral("run")] =
            e.complete ? e.operationText() : e.operationText() + Tr(PageText::Incomplete);
        s[QStringLiteral("note")] = e.noteText();
        s[QStringLiteral("complete")] = e.complete;
        s[QStringLiteral("values")] = e.valueCount;
        list.append(s);
    }
    o[QStringLiteral("snapshots")] = list;

    // The set points of the product the indicator runs, from the newest snapshot that holds it.
    if (const std::optional<int> product = ind.sampler->product()) {
        o[QStringLiteral("product")] = Tr(PageText::Product).arg(*product);
        // A journal of settings reads only is not searched to its start.
        constexpr size_t kSearched = 50;
        for (size_t k = 0; k < entries.size() && k < kSearched; ++k) {
            const std::optional<JournalSnapshot> s = journal(index).load(entries[k].id);
            if (!s || !HoldsProduct(*s, *product)) continue;
            const monitor::SetPoints sp = monitor::SetPointsOf(StoreOf(*s), *product);
            QJsonArray lines;
            const auto line = [&lines](PageText caption, std::optional<double> value,
                                       const char* key) {
                if (!value) return;
                lines.append(QJsonObject{{QStringLiteral("key"), QLatin1String(key)},
                                         {QStringLiteral("label"), Tr(caption)},
                                         {QStringLiteral("value"), *value}});
            };
            line(PageText::Target, sp.target, "target");
            line(PageText::Preliminary, sp.mediumCut, "preliminary");
            line(PageText::CoarseFeed, sp.largeCut, "coarse");
            line(PageText::OverLimit, sp.overLimit, "over");
            line(PageText::UnderLimit, sp.underLimit, "under");
            o[QStringLiteral("setPoints")] = lines;
            break;
        }
    }
    return Compact(o);
}

QByteArray IndicatorPages::TextsJson() {
    QJsonObject o;
    const auto put = [&o](const char* key, const QString& text) { o[QLatin1String(key)] = text; };
    put("back", Tr(PageText::BackToOverview));
    put("chart", Tr(PageText::Chart));
    put("weight", Tr(PageText::Weight));
    o[QStringLiteral("bands")] = QJsonArray{Tr(PageText::CoarseFeed), Tr(PageText::MediumFeed),
                                            Tr(PageText::FineFeed), Tr(PageText::Discharge)};
    put("setPointsUnknown", Tr(PageText::SetPointsUnknown));
    put("chartMissing", Tr(PageText::ChartMissing));
    put("fillsHeading", Tr(PageText::Fills));
    put("fillTime", Tr(PageText::FillTime));
    put("fillResult", Tr(PageText::FillResult));
    put("fillJudgement", Tr(PageText::FillJudgement));
    put("fillInFlight", Tr(PageText::FillInFlight));
    put("noFills", Tr(PageText::NoFills));
    put("snapshots", Tr(PageText::Snapshots));
    put("snapshotTime", Tr(PageText::SnapshotTime));
    put("snapshotRun", Tr(PageText::SnapshotRun));
    put("snapshotChanges", Tr(PageText::SnapshotChanges));
    put("noSnapshots", Tr(PageText::NoSnapshots));
    put("firstSnapshot", Tr(PageText::FirstSnapshot));
    put("showChanges", Tr(PageText::ShowChanges));
    put("downloads", Tr(PageText::Downloads));
    put("sheetPdf", Tr(PageText::SheetPdf));
    put("dataFile", Tr(PageText::DataFile));
    put("nothingToDownload", Tr(PageText::NothingToDownload));
    put("notFound", Tr(PageText::NotFound));
    return Compact(o);
}

std::optional<QByteArray> IndicatorPages::changesJson(int index, qint64 id) const {
    if (index < 0 || size_t(index) >= pages_.size()) return std::nullopt;
    const std::vector<JournalEntry> entries = snapshots(index);
    const auto at = std::find_if(entries.begin(), entries.end(),
                                 [id](const JournalEntry& e) { return e.id == id; });
    if (at == entries.end()) return std::nullopt;
    const std::optional<JournalSnapshot> now = journal(index).load(id);
    if (!now) return std::nullopt;
    QJsonObject o;
    o[QStringLiteral("id")] = double(id);
    const auto before = std::next(at);
    if (before == entries.end()) {
        o[QStringLiteral("summary")] = Tr(PageText::FirstSnapshot);
        o[QStringLiteral("changes")] = QJsonArray();
        return Compact(o);
    }
    const std::optional<JournalSnapshot> then = journal(index).load(before->id);
    if (!then) return std::nullopt;
    // Only the places both snapshots hold count: a read of the settings alone, or the settings
    // check's read of the current product, changed nothing it did not read.
    const std::vector<Difference> differences =
        CompareStores(Overlaid(StoreOf(*now), then->values), Overlaid(StoreOf(*then), now->values),
                      now->entry.model, CompareScope::Both);
    o[QStringLiteral("against")] = Tr(PageText::AgainstPrevious).arg(Stamp(before->time));
    o[QStringLiteral("summary")] = SummaryText(CountDifferences(differences));
    QJsonArray changes;
    for (const Difference& d : differences) {
        if (changes.size() == kListedChanges) break;
        changes.append(QJsonObject{{QStringLiteral("place"), PlaceText(d)},
                                   {QStringLiteral("change"), ContentText(d)}});
    }
    o[QStringLiteral("changes")] = changes;
    return Compact(o);
}

std::optional<QByteArray> IndicatorPages::sheetPdf(int index) const {
    if (index < 0 || size_t(index) >= pages_.size()) return std::nullopt;
    // Painting needs the GUI application (offscreen does).
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return std::nullopt;
    const std::optional<JournalEntry> e = newest(index);
    if (!e) return std::nullopt;
    const std::optional<JournalSnapshot> s = journal(index).load(e->id);
    if (!s) return std::nullopt;
    const SettingsSheet sheet =
        BuildSheet(StoreOf(*s), {watch_.indicators()[size_t(index)]->member.device,
                                 DataOrigin::Journal(e->id), false, QDateTime::currentDateTime()});
    QByteArray pdf = SheetPdf(sheet);
    if (pdf.isEmpty()) return std::nullopt;
    return pdf;
}

std::optional<QByteArray> IndicatorPages::dataFile(int index) const {
    if (index < 0 || size_t(index) >= pages_.size()) return std::nullopt;
    const std::optional<JournalEntry> e = newest(index);
    if (!e) return std::nullopt;
    QTemporaryDir folder;
    if (!folder.isValid()) return std::nullopt;
    const QString path = folder.filePath(QStringLiteral("data.mdb"));
    if (!journal(index).saveAsDataFile(e->id, path).saved) return std::nullopt;
    FileRead read = ReadFileContent(path, kDataFileMaxBytes);
    if (!read.failure.isEmpty()) return std::nullopt;
    return std::move(read.bytes);
}

std::optional<int> IndicatorIndex(const QString& text, int count) {
    if (text.isEmpty() || text.size() > 6) return std::nullopt;
    for (const QChar c : text)
        if (c < u'0' || c > u'9') return std::nullopt;
    const int n = text.toInt();
    if (n >= count || (text.size() > 1 && text.front() == u'0')) return std::nullopt;
    return n;
}
