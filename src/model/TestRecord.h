#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "model/Tolerance.h"

// A test of a weighing instrument with reference weights, as the technician fills it in: who and
// what, the points, the readings as found and as left, and what was adjusted in between. Kept as
// JSON between sessions, so an interrupted test goes on where it stopped.
namespace tolerance {

struct ReferenceWeight {
    QString nominal;      // as the weight's certificate gives it ("5 kg")
    QString certificate;  // its certificate number
};

struct TestHeader {
    QString customer;
    QString site;
    QString model;  // "F805"
    QString serial;
    QString technician;
    QDate date;
    qint64 max = 0;  // capacity Max in display counts
    qint64 e = 1;    // scale interval in display counts
    int places = 0;  // decimals the indicator shows
    Rule rule;
    std::vector<ReferenceWeight> weights;
};

struct TestRecord {
    TestHeader header;
    std::vector<TestPoint> points;
    std::vector<std::optional<qint64>> asFound;  // one per point; none until read
    std::vector<std::optional<qint64>> asLeft;
    QStringList adjustments;       // what was done between the two runs, in order
    QStringList weighingSettings;  // "caption: meaning" of the settings that affect weighing

    // The points from `points` on, readings cleared.
    void setPoints(std::vector<TestPoint> newPoints);
};

// The judgement of one run of readings.
struct RunVerdict {
    std::vector<std::optional<PointResult>> points;  // none where nothing was read
    std::optional<Repeatability> repeatability;      // over the Repeat points read
    bool complete = false;                           // every point read
    bool pass = false;                               // complete and everything within its MPE
};
RunVerdict JudgeRun(const TestHeader& header, const std::vector<TestPoint>& points,
                    const std::vector<std::optional<qint64>>& readings);

// A weight in display counts as the indicator shows it ("1000.0").
QString CountsText(qint64 counts, int places);
// An MPE in halves of e as scale intervals ("0.5 e", "1 e").
QString HalfIntervalsText(int halves);

QByteArray ToJson(const TestRecord& record);
// None for a text that is no test record.
std::optional<TestRecord> TestRecordFromJson(const QByteArray& json);

}  // namespace tolerance
