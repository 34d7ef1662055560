#pragma once

#include "texts/Text.h"

// The status words' captions and values, the entry checks' messages and the texts of a detail
// row; the catalogue's captions, labels and options are marked in each model's file.
enum class ModelText {
    InvalidData,
    DisplayGross,  // status word 1: the weight shown
    DisplayNet,
    ModeCompareOff,  // status word 4: the operating mode
    ModeWeighing,
    ModeZeroCalibrating,
    ModeSpanCalibrating,
    HoldCaption,  // the status boxes' captions, word by word
    ZeroErrorCaption,
    StableCaption,
    TareInUseCaption,
    DisplayCaption,
    RearLockCaption,
    SoftLockCaption,
    CoarseFeedSignal,
    MediumFeedSignal,
    FineFeedSignal,
    UnderSignal,
    GoodSignal,
    OverSignal,
    CompleteSignal,
    NearZeroSignal,
    LowerLimitSignal,
    UpperLimitSignal,
    DischargeSignal,
    Undefined,
    WeightErrorSignal,
    ErrorSignal,
    OperationModeCaption,
    OverflowCaption,
    CalibrationErrorCaption,
    SequenceErrorCaption,
    NotListed,    // %1: the characters read, which no option names
    MaskMessage,  // %1: the entry box's mask
    ZeroZoneMessage,
    CopyDone,
    CopyRefused,
};

QString Tr(ModelText id);
void AddModelSources(std::vector<texts::Source>& into);
