#pragma once

#include <vector>

#include "link/IndicatorLink.h"

// Reads every setting of the current model from the indicator, or writes every stored one back.
// Each is a whole operation with its own error trap: a failure shows the error report with the
// 8018 hint, and what was stored so far stays. The operations are tasks on the link.
class SettingTransfers {
  public:
    explicit SettingTransfers(IndicatorLink& link) : link_(link) {}

    // A read that ran to its end without every value it asked for says so in the status line
    // and names the values in one message. False when it stopped on a reported fault.
    Task<bool> readAllSettings();
    // A store holding a value that does not fit its code sends nothing: one message names the
    // values (checkSettingsToSend).
    Task<void> writeAllSettings();

    // The stored settings of the store's model that a write would send (every non-empty one)
    // and that do not fit their code's rule, in the order they would be sent.
    static std::vector<TransferValue> UnfitSettings(const SettingsStore& store);
    // "無効なデータがあるため転送できません: W20, W22": the message for those values.
    static QString UnfitSettingsText(const std::vector<TransferValue>& unfit);
    // False (the message shown) when the store holds a setting that may not be sent.
    Task<bool> checkSettingsToSend();

  private:
    Task<void> readAll(const ReadCheck& check);
    Task<void> writeAll();
    void readStopped();
    void writeStopped();

    IndicatorLink& link_;
};
