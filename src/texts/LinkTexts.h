#pragma once

#include "texts/Text.h"

// The link's messages and test result, the live-data buttons, the places of values that did not
// come whole, and the journal's words for runs and notes.
enum class LinkText {
    Timeout,  // the time-out box
    PortNotOpen,
    LineBreakInValue,   // a value to send holds a line break
    ReplyTooLong,       // %1: the longest reply allowed, in characters
    QuotedReply,        // %1: a reply as the operator can read it
    LinkOk,             // the link test's result
    ProductPlace,       // %1: product number
    ProductItemPlace,   // %1: product number, %2: the item's label
    ProductValuePlace,  // %1: product number, %2: the value's name (W12)
    AndMore,            // %1: how many places are not named
    NotReadWhole,       // followed by the places
    // The live-data buttons, in their order.
    LiveGross,
    LiveNet,
    LiveTare,
    LiveStatus1,
    LiveStatus2,
    LiveStatus3,
    LiveStatus4,
    LiveCount,
    LiveTotal,
    LiveTotalData,
    LiveWeighingData,
    ZeroCalibration,
    SpanCalibration,
    ShowGross,
    ShowNet,
    TareOn,
    TareReset,
    DigitalZero,
    DigitalZeroReset,
    AddUp,
    ClearTotal,
    ClearAllTotals,
    Details,
    // The journal's words for each kind of run and note (src/link/RunKinds.cpp).
    RunReadOneProduct,
    RunReadAllProducts,
    RunWriteOneProduct,
    RunWriteAllProducts,
    RunWriteShownProduct,
    RunWriteShownToAll,
    RunAllRead,
    RunAllWrite,
    RunReadAllSettings,
    RunWriteAllSettings,
    RunCompareRead,
    RunBeforeWrite,
    NoteVerifyOk,
    NoteVerifyRefused,  // %1: how many
    NoteVerifyUnread,   // %1: how many
    NoteVerifyTimedOut,
    NoteProductRestored,  // %1: product number
    NoteStopped,
    NoteStoppedAtSetting,  // %1: code, %2: value
    NoteStoppedAtProduct,  // %1: product, %2: code, %3: value
    RunCalibrationTest,
    RunWriteChanged,
    NoteCalibrationResult,  // %1: as found, %2: as left
    NoteNone,               // an empty argument
    NoteJoiner,             // between two notes
};

QString Tr(LinkText id);
// The Japanese source text, whatever the language: what a journal of schema 1 kept.
QString Source(LinkText id);
void AddLinkSources(std::vector<texts::Source>& into);
