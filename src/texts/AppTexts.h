#pragma once

#include "texts/Text.h"

// Start-up, the model switch and where the window's data came from.
enum class AppText {
    FromDataFile,   // where the window's data came from; %1: the file's name
    FromIndicator,  // %1: the device
    FromJournal,    // %1: the snapshot
    ClearQuestion,
    AllReadCaption,  // the model's captions; %1: the model
    AllWriteCaption,
    ReadWriteCaption,
    CommPortNotNumber,  // %1: section, %2: value
    PortNotListed,      // %1: port number, %2: the highest
};

QString Tr(AppText id);
void AddAppSources(std::vector<texts::Source>& into);
