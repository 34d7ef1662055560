#pragma once

#include "texts/Text.h"

// rusk-server's page of one indicator: its chart, its fills, its journal and its downloads.
enum class PageText {
    BackToOverview,
    Chart,  // the chart's heading
    Weight,
    CoarseFeed,  // the feed bands; the coarse feed's cut-off also names its set point line
    MediumFeed,
    FineFeed,
    Discharge,
    Target,  // the set point lines
    Preliminary,
    OverLimit,
    UnderLimit,
    Product,           // %1: the product's number
    SetPointsUnknown,  // no snapshot holds the product's values
    ChartMissing,      // the chart's script is not installed
    Fills,             // the fill table: its heading and columns
    FillTime,
    FillResult,
    FillJudgement,
    FillInFlight,
    NoFills,
    Snapshots,  // the journal's snapshots of this indicator
    SnapshotTime,
    SnapshotRun,
    SnapshotChanges,
    Incomplete,  // a snapshot of a run that did not run to its end
    NoSnapshots,
    AgainstPrevious,  // the differences of a snapshot against the one before it
    FirstSnapshot,
    ShowChanges,
    Downloads,
    SheetPdf,
    DataFile,
    NothingToDownload,  // neither download has a snapshot to come from
    NotFound,           // an indicator number the server does not watch
};

QString Tr(PageText id);
void AddPageSources(std::vector<texts::Source>& into);
