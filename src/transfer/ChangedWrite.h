#pragma once

#include <QString>
#include <vector>

#include "link/IndicatorLink.h"
#include "link/IndicatorValues.h"
#include "link/Task.h"

// Writing only what differs from the indicator: the window's values that differ from the ones
// the indicator holds, and the write that sends them and nothing else.
struct ChangedValue {
    int product = -1;  // -1: a setting
    QString code;      // "20"; for a product value "10" … "17"
    QString indicator;
    QString window;
};

// Every setting of the model (in the write plan's order) and every product value (by product)
// whose window value differs from the indicator's; an empty box and a value whose indicator
// value is unknown are not among them.
std::vector<ChangedValue> ChangedValues(const SettingsStore& window, const IndicatorValues& held);
// The same against a whole read of the indicator into `indicator`.
std::vector<ChangedValue> ChangedValues(const SettingsStore& window,
                                        const SettingsStore& indicator);

// Sends the changed values as the writes send them: after a probe, each setting in its batch
// of the write plan with the batch's sync (a batch with nothing to send is passed over), then
// each product's changed values after its selection, with a sync. Nothing else is sent: as
// the product writes do, the indicator stays on the last product written (a write of settings
// alone leaves its product as it was). Kept as a run of its own ("write_changed").
Task<void> WriteChanged(IndicatorLink& link, std::vector<ChangedValue> changes);
