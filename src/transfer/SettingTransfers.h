#pragma once

#include "link/IndicatorLink.h"

// Reads every setting of the current model from the indicator, or writes every stored one back.
// Each is a whole operation with its own error trap: a failure shows the error report with the
// 8018 hint, and what was stored so far stays.
class SettingTransfers {
  public:
    explicit SettingTransfers(IndicatorLink& link) : link_(link) {}

    void readAllSettings();
    void writeAllSettings();

  private:
    void readAll();
    void writeAll();
    void readStopped();
    void writeStopped();

    IndicatorLink& link_;
};
