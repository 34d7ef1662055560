#pragma once

#include <QString>

#include "model/SettingsStore.h"

// What a redraw does to each of the 75 item lists of the detail tabs. Which value a list shows
// and how comes from the row binding of the catalogue.
namespace display {

// What one redraw does to one item list.
struct ListShow {
    enum Kind {
        Leave,   // leave the list as it is (no binding for the model, or its value is empty)
        Select,  // select entry `index`; -1 is no selection
        Single,  // empty the list, add `text` as its one entry and select it
    };
    Kind kind = Leave;
    int index = -1;
    QString text;
};

// The redraw of item list `list` (0 … 74) from the store, weights shown to `places` decimals.
// The position of a choice may lie beyond the list's options; the window decides what to show.
ListShow ShowList(const SettingsStore& store, int list, int places);

}  // namespace display
