#pragma once

#include <QByteArray>
#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "history/Journal.h"

class PlantWatch;

// What rusk-server's page of one indicator shows beyond its tile: the weight of the last minutes
// with the feed outputs on, for the chart; the latest fills; the set points of the product it
// runs; the journal's snapshots of it, each with what changed since the one before; and the
// downloads made from its newest snapshot (the settings sheet as PDF, the data file).
class IndicatorPages {
  public:
    // The chart's span: samples older than this are let go.
    static constexpr qint64 kKeptMs = 2 * 60 * 1000;
    // The fills and snapshots a page lists, newest first.
    static constexpr int kListedFills = 50;
    static constexpr int kListedSnapshots = 20;

    struct Point {
        qint64 ms = 0;
        double weight = 0;
        unsigned outputs = 0;  // monitor::Sample::outputs()
    };

    explicit IndicatorPages(PlantWatch& watch);

    // Takes what changed on indicator `index` (PlantWatch::changed; `tile` its JSON) and returns
    // the frame the page's live socket gets: its tile, and the new sample and fill when there is
    // one.
    QByteArray update(int index, const QByteArray& tile);
    // Whether update() last took a new sample.
    bool tookSample() const { return tookSample_; }

    // The page's data as JSON; none for an index the server does not watch.
    std::optional<QByteArray> pageJson(int index) const;
    // The captions of the page, in the language of the texts rendered now.
    static QByteArray TextsJson();
    // What changed in snapshot `id` of indicator `index` against the snapshot before it; none when
    // the snapshot is not one of this indicator's.
    std::optional<QByteArray> changesJson(int index, qint64 id) const;
    // The newest snapshot of the indicator (the newest whole one where there is one) as a
    // settings sheet (PDF) or as a data file; none when the journal holds none (or the sheet
    // could not be painted).
    std::optional<QByteArray> sheetPdf(int index) const;
    std::optional<QByteArray> dataFile(int index) const;

    const std::deque<Point>& points(int index) const { return pages_.at(size_t(index)).points; }

  private:
    struct Page {
        std::deque<Point> points;
        int fillsSeen = 0;
    };
    // The snapshots of the indicator, newest first.
    std::vector<JournalEntry> snapshots(int index) const;
    // The snapshot the downloads come from: the newest that ran to its end, else the newest.
    std::optional<JournalEntry> newest(int index) const;
    Journal& journal(int index) const;

    PlantWatch& watch_;
    std::vector<Page> pages_;
    bool tookSample_ = false;
};

// An indicator's number from the page's query ("i=3"); none unless it is a plain decimal number
// below `count`.
std::optional<int> IndicatorIndex(const QString& text, int count);
