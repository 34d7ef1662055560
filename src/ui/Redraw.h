#pragma once

class ControlWatch;
class IndicatorValues;
class SettingsStore;
struct Controls;

namespace ui {

// Copies the store into the controls: the shown product's boxes, the live data and the status
// boxes, the setting boxes the model uses and the item lists. A control that holds an entry
// not taken yet (see ControlWatch) is left alone. With the indicator's values known
// (`reference`), each value box and product box whose value differs from the indicator's is
// marked: a tinted background and the indicator's value as its tool tip. Returns how many are.
int Redraw(const SettingsStore& store, const Controls& c, ControlWatch& watch,
           const IndicatorValues* reference = nullptr);

}  // namespace ui
