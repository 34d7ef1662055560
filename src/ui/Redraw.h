#pragma once

class ControlWatch;
class SettingsStore;
struct Controls;

namespace ui {

// Copies the store into the controls: the shown product's boxes, the live data and the status
// boxes, the setting boxes the model uses and the item lists. A control that holds an entry
// not taken yet (see ControlWatch) is left alone.
void Redraw(const SettingsStore& store, const Controls& c, ControlWatch& watch);

}  // namespace ui
