#pragma once

class ControlWatch;
class IndicatorValues;
class SettingsStore;
struct Controls;

namespace ui {

// Copies the store into the controls: the shown product's boxes, the live data and the status
// boxes, the setting boxes the model uses and the item lists. A control that holds an entry
// not taken yet (see ControlWatch) is left alone.
void Redraw(const SettingsStore& store, const Controls& c, ControlWatch& watch);

// Marks each value box and product box whose value in the store differs from the indicator's
// (`reference`): a tinted background and the indicator's value as its tool tip; clears the
// others. Returns how many are marked.
int MarkChanged(const SettingsStore& store, const Controls& c, const IndicatorValues& reference);

}  // namespace ui
