#pragma once

#include "model/SettingsStore.h"

struct Controls;

// The window dressed for a model from the catalogue.
namespace ui {

// The item buttons' captions, the detail rows' labels, which rows, buttons, entry boxes and
// bracket lines are shown, and the status label Label5(49).
void ApplyCatalogueView(const Controls& c, IndicatorModel model);
// The item lists hold the model's options, none selected.
void FillItemLists(const Controls& c, IndicatorModel model);

}  // namespace ui
