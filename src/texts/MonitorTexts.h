#pragma once

#include "texts/Text.h"

// The live monitor: its states, the fill judgements and advice, the sample file.
enum class MonitorText {
    Under,  // a fill's judgement
    Good,
    Over,
    NoJudgement,
    FreeFallUnknown,         // %1: the measured mean free fall
    FreeFallAgainstSetting,  // %1: the measured mean, %2: the set free fall
    FreeFallAsSet,           // after the comparison
    FreeFallAdvice,          // %1: heavier or lighter, %2: the free fall to set
    Heavier,
    Lighter,
    Stopped,  // the monitor's states
    Watching,
    NoAnswer,
    Lost,
    Refused,
    ColumnTime,  // the sample file's columns
    ColumnWeight,
    CannotSave,  // %1: file, %2: why
    NotStable,   // a test reading refused
    NotAWeight,  // %1: the reply
    CalibrationFailed,
    CalibrationTimedOut,  // %1: seconds
    NoReply,
    DashboardTitle,  // rusk-server's overview page
    TileState,       // the captions of an indicator's tile
    TileFills,
    TileMean,
    TileSd,
    SettingsDiffer,  // the badge of a tile whose settings differ from the baseline
    TileFeed,        // what the filler is doing
    TilePerHour,     // fills in the last hour
    TileBackup,      // the time of the newest backup
    Complete,        // the filler's completion output
    Logout,          // the dashboard's button that ends the session
    LoginTitle,      // rusk-server's login page
    LoginPassword,
    LoginButton,
    LoginFailed,
    LoginSlowed,
};

QString Tr(MonitorText id);
void AddMonitorSources(std::vector<texts::Source>& into);
