#pragma once

#include "texts/Text.h"

// The command line's messages (its help is in Commands.cpp and each command).
enum class CliText {
    LinkOk,
    NotIndicatorAnswer,  // followed by the reply
    NoAnswer,
    OutputMissing,
    SettingsOrProducts,
    InputMissing,
    InputNameEmpty,
    VerifyOrDryRun,
    KeepOrDryRun,
    InvalidStoredProduct,  // after the message; %1: the product
    StoppedLastSent,       // followed by the value
    UnknownCommand,        // followed by the command
    SeeHelp,
    ModelOption,
    OneDevice,
    OneSource,
    IniUnreadable,  // followed by the file
    BadLine,        // followed by the settings
    BadTimeout,     // followed by the value
    NoDevice,
    ControlInName,  // followed by the name
    PortRange,      // %1: the highest port, %2: the name
    BadTcp,         // followed by the name
    NotADevice,     // %1: the highest port, %2: the name
    OutputNameEmpty,
    NothingLoaded,
    BadSnapshotNumber,  // %1: the name
    SnapshotNotFound,   // %1: the snapshot
    JournalUnreadable,  // %1: the file, %2: why
    ProductValue,       // %1: product, %2: code, %3: value
    AandB,
    ResultSame,    // the fleet's results
    ResultSaved,   // %1: the backup
    ResultDiffer,  // %1: the differences
    ResultNoAnswer,
    ResultPortError,
    ResultFileError,
    ResultIncomplete,
    ResultStopped,
    ResultGivenUp,  // %1: minutes
    ResultNotKept,  // after the result
    ResultFailed,   // %1: exit code
    ResultNotRun,
    HeadName,  // the fleet summary's columns
    HeadDevice,
    HeadResult,
    HeadTime,
    FleetArguments,
    FleetAction,  // followed by the action
    JobsOption,   // followed by the value
    DirEmpty,
    NoFolder,  // followed by the folder
    NoBaseline,
    BadSection,         // the fleet file's mistakes; followed by the line
    DuplicateSection,   // %1: section
    NotKeyValue,        // followed by the line
    KeyOutsideSection,  // followed by the line
    UnknownKey,         // %1: the keys
    DuplicateKey,       // %1: the other line
    FileUnreadable,     // %1: file, %2: why
    FleetTooLarge,      // %1: file, %2: the limit
    NoSections,         // %1: file
    NotGiven,
    ModelValue,           // %1: the value
    BadLineValue,         // %1: the value
    BadRateValue,         // %1: the value
    BadCheckEvery,        // %1: the value
    BaselineIsIndicator,  // %1: the device
    SettingsCheckDone,    // %1: the baseline, %2: the summary
    SettingsCheckFailed,  // %1: why
    CheckFirstBaseline,   // %1: the snapshot
    FirstRead,            // the baseline when the first read could not be kept
    BaselineUnusable,     // %1: the baseline, %2: why
    BadFileName,          // %1: the name
    DuplicateName,        // %1: name, %2: the other section
    MoreErrors,           // %1: file, %2: how many more
    BadInterval,          // followed by the value
    LiveNoAnswer,         // after the time
    NoGuiApplication,
    ChangedOrDryRun,  // --changed with --dry-run
    IndicatorHolds,   // %1: the indicator's value, after a changed value
    AskWrite,         // the question before a write of changed values
    NeedYes,          // not on a terminal and no --yes
    NotWritten,       // the answer was no
};

QString Tr(CliText id);
void AddCliSources(std::vector<texts::Source>& into);
