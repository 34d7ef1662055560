#pragma once

#include <QStringList>

#include "ui/Controls.h"
#include "ui/WidgetFactory.h"

class QWidget;

// The pages of the tabbed panel, built into `c` with their buttons wired to `dispatch`.
namespace ui {

// Which tab holds which controls is tablayout's: each builder builds the page of its tab(s).
QWidget* BuildProductTab(Controls& c, const Dispatch& dispatch);
QWidget* BuildOverviewTab(Controls& c, const Dispatch& dispatch, int tab);
QWidget* BuildDetailTab(Controls& c, const Dispatch& dispatch, int tab);
QWidget* BuildLiveTab(Controls& c, const Dispatch& dispatch);
QWidget* BuildStatusTab(Controls& c, const Dispatch& dispatch);
QWidget* BuildPortTab(Controls& c, const Dispatch& dispatch);

// The status label names: Label5(43 … 49) for status 1, (50 … 56) status 2, … (64 … 70) status 4;
// status 1 box 6 ("LOCK(soft)") is Label5(49).
int StatusLabelIndex(int word, int box);

}  // namespace ui
