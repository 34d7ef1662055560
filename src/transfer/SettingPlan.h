#pragma once

#include <QString>
#include <vector>

#include "model/SettingsStore.h"

// One step of a whole-set settings transfer, in the settled order.
struct TransferStep {
    enum Kind { Code, Progress, Status, Sync };
    Kind kind;
    QString text;   // the code ("2A") or the status text
    int value = 0;  // the progress value
};

// The read order: every setting code of the model with the progress marks between them.
std::vector<TransferStep> ReadSettingsPlan(IndicatorModel model);
// The write order: codes in batches closed by syncs, with progress and status steps.
std::vector<TransferStep> WriteSettingsPlan(IndicatorModel model);
// Just the codes of a plan, in order.
std::vector<QString> CodesOfPlan(const std::vector<TransferStep>& plan);
