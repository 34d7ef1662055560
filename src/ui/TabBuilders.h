#pragma once

#include <QStringList>

#include "ui/Controls.h"
#include "ui/WidgetFactory.h"

class QWidget;

// The pages of the tabbed panel, built into `c` with their buttons wired to `dispatch`.
namespace ui {

QWidget* BuildProductTab(Controls& c, const Dispatch& dispatch);             // tab 0
QWidget* BuildOverviewTab(Controls& c, const Dispatch& dispatch, int page);  // tab 1 or 2
QWidget* BuildDetailTab(Controls& c, const Dispatch& dispatch, int tab);     // tabs 3 … 6
QWidget* BuildLiveTab(Controls& c, const Dispatch& dispatch);                // tab 7
QWidget* BuildStatusTab(Controls& c, const Dispatch& dispatch);              // tab 8
QWidget* BuildPortTab(Controls& c, const Dispatch& dispatch);                // tab 9

// The entries of a port panel's list 0 … 5: Com1 … Com8, the baud rates, the parities, the data
// bits, the stop bits and the terminator.

// The status label names: Label5(43 … 49) for status 1, (50 … 56) status 2, … (64 … 70) status 4;
// status 1 box 6 ("LOCK(soft)") is Label5(49).
int StatusLabelIndex(int word, int box);

}  // namespace ui
