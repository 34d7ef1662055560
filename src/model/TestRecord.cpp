#include "model/TestRecord.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdlib>

namespace tolerance {
namespace {

constexpr int kFormat = 1;

QJsonArray ReadingsJson(const std::vector<std::optional<qint64>>& readings) {
    QJsonArray a;
    for (const auto& r : readings) a.append(r ? QJsonValue(double(*r)) : QJsonValue());
    return a;
}

std::vector<std::optional<qint64>> ReadingsOf(const QJsonArray& a, size_t count) {
    std::vector<std::optional<qint64>> readings(count);
    for (size_t i = 0; i < count && i < size_t(a.size()); ++i)
        if (a[int(i)].isDouble()) readings[i] = qint64(a[int(i)].toDouble());
    return readings;
}

}  // namespace

void TestRecord::setPoints(std::vector<TestPoint> newPoints) {
    points = std::move(newPoints);
    asFound.assign(points.size(), std::nullopt);
    asLeft.assign(points.size(), std::nullopt);
}

RunVerdict JudgeRun(const TestHeader& header, const std::vector<TestPoint>& points,
                    const std::vector<std::optional<qint64>>& readings) {
    RunVerdict v;
    v.complete = !points.empty();
    v.pass = true;
    std::vector<qint64> repeats;
    qint64 repeatNominal = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        const std::optional<qint64> reading = i < readings.size() ? readings[i] : std::nullopt;
        if (!reading) {
            v.points.emplace_back();
            v.complete = false;
            continue;
        }
        const PointResult r = Judge(header.rule, points[i].nominal, *reading, header.e);
        v.points.push_back(r);
        v.pass = v.pass && r.pass;
        if (points[i].kind == TestPoint::Repeat) {
            repeats.push_back(*reading);
            repeatNominal = points[i].nominal;
        }
    }
    if (repeats.size() >= 2) {
        v.repeatability = JudgeRepeatability(header.rule, repeatNominal, repeats, header.e);
        v.pass = v.pass && v.repeatability->pass;
    }
    v.pass = v.pass && v.complete;
    return v;
}

QString CountsText(qint64 counts, int places) {
    if (places <= 0) return QString::number(counts);
    QString digits = QString::number(std::llabs(counts)).rightJustified(places + 1, u'0');
    digits.insert(digits.size() - places, u'.');
    return (counts < 0 ? QStringLiteral("-") : QString()) + digits;
}

QString HalfIntervalsText(int halves) {
    return (halves % 2 ? QString::number(halves / 2.0, 'f', 1) : QString::number(halves / 2)) +
           QStringLiteral(" e");
}

QByteArray ToJson(const TestRecord& record) {
    const TestHeader& h = record.header;
    QJsonArray weights;
    for (const ReferenceWeight& w : h.weights)
        weights.append(QJsonObject{{"nominal", w.nominal}, {"certificate", w.certificate}});
    QJsonArray points;
    for (const TestPoint& p : record.points)
        points.append(QJsonObject{{"kind", int(p.kind)}, {"nominal", double(p.nominal)}});
    const QJsonObject header{{"customer", h.customer},
                             {"site", h.site},
                             {"model", h.model},
                             {"serial", h.serial},
                             {"technician", h.technician},
                             {"date", h.date.toString(Qt::ISODate)},
                             {"max", double(h.max)},
                             {"e", double(h.e)},
                             {"places", h.places},
                             {"class", int(h.rule.accuracy)},
                             {"inService", h.rule.verification == Verification::InService},
                             {"customHalfIntervals", h.rule.customHalfIntervals},
                             {"weights", weights}};
    const QJsonObject root{
        {"format", kFormat},
        {"header", header},
        {"points", points},
        {"asFound", ReadingsJson(record.asFound)},
        {"asLeft", ReadingsJson(record.asLeft)},
        {"adjustments", QJsonArray::fromStringList(record.adjustments)},
        {"weighingSettings", QJsonArray::fromStringList(record.weighingSettings)}};
    return QJsonDocument(root).toJson();
}

std::optional<TestRecord> TestRecordFromJson(const QByteArray& json) {
    const QJsonDocument doc = QJsonDocument::fromJson(json);
    const QJsonObject root = doc.object();
    if (!doc.isObject() || root.value("format").toInt() != kFormat) return std::nullopt;
    TestRecord r;
    const QJsonObject h = root.value("header").toObject();
    r.header.customer = h.value("customer").toString();
    r.header.site = h.value("site").toString();
    r.header.model = h.value("model").toString();
    r.header.serial = h.value("serial").toString();
    r.header.technician = h.value("technician").toString();
    r.header.date = QDate::fromString(h.value("date").toString(), Qt::ISODate);
    r.header.max = qint64(h.value("max").toDouble());
    r.header.e = std::max<qint64>(1, qint64(h.value("e").toDouble(1)));
    r.header.places = std::clamp(h.value("places").toInt(), 0, 3);
    const int accuracy = h.value("class").toInt();
    r.header.rule.accuracy = accuracy == int(AccuracyClass::IIII)     ? AccuracyClass::IIII
                             : accuracy == int(AccuracyClass::Custom) ? AccuracyClass::Custom
                                                                      : AccuracyClass::III;
    r.header.rule.verification =
        h.value("inService").toBool() ? Verification::InService : Verification::Initial;
    r.header.rule.customHalfIntervals = std::clamp(h.value("customHalfIntervals").toInt(2), 1, 100);
    for (const QJsonValue& w : h.value("weights").toArray())
        r.header.weights.push_back({w.toObject().value("nominal").toString(),
                                    w.toObject().value("certificate").toString()});
    std::vector<TestPoint> points;
    for (const QJsonValue& p : root.value("points").toArray()) {
        const int kind = std::clamp(p.toObject().value("kind").toInt(), 0, int(TestPoint::Repeat));
        points.push_back({TestPoint::Kind(kind), qint64(p.toObject().value("nominal").toDouble())});
    }
    r.setPoints(std::move(points));
    r.asFound = ReadingsOf(root.value("asFound").toArray(), r.points.size());
    r.asLeft = ReadingsOf(root.value("asLeft").toArray(), r.points.size());
    for (const QJsonValue& a : root.value("adjustments").toArray()) r.adjustments << a.toString();
    for (const QJsonValue& s : root.value("weighingSettings").toArray())
        r.weighingSettings << s.toString();
    return r;
}

}  // namespace tolerance
