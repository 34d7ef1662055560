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
};

QString Tr(MonitorText id);
void AddMonitorSources(std::vector<texts::Source>& into);
