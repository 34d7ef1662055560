#pragma once

#include "texts/Text.h"

// The status texts, stop steps and messages of the setting and product transfers.
enum class TransferText {
    SettingsReading,         // 設定値 読み込み中
    SettingsReadDone,        //
    SettingsReadIncomplete,  // a value did not come whole
    SettingsReadStopped,     //
    SettingsSending,         // %1: the group being sent (20 … 90)
    SettingsSendDone,
    SettingsSendIncomplete,  // the indicator did not confirm the last batch
    SettingsSendStopped,
    ProductReading,  // %1: the product number
    ProductReadDone,
    ProductReadIncomplete,
    ProductReadStopped,
    ProductSending,  // %1: the product number
    ProductSendDone,
    ProductSendStopped,
    ProductWriting,  // %1: the product number
    ProductWriteDone,
    ProductWriteStopped,
    InvalidProduct,     // the shown product's values fail their checks
    InvalidStored,      // a value to send fails its check (the list may follow)
    InvalidShown,       // the same for the shown values, as a box
    NoProductNumber,    // %1: the reply, made visible
    ProductOutOfRange,  // %1: the product number asked for
    ChangedSending,     // writing only the changed values
    ChangedSendDone,    // %1: how many
    ChangedSendIncomplete,
    ChangedSendStopped,
    NoChanges,
};

QString Tr(TransferText id);
void AddTransferSources(std::vector<texts::Source>& into);
