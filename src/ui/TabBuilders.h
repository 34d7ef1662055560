#pragma once

#include <QStringList>

#include "ui/Controls.h"
#include "ui/WidgetFactory.h"

class QWidget;

// The pages of the tabbed panel, built into `c` with their buttons wired to `dispatch`.
namespace ui {

// Which tab holds which controls is tablayout's; each page has its own file (Tab<Page>.cpp).
QWidget* BuildProductTab(Controls& c, const Dispatch& dispatch);
QWidget* BuildOverviewTab(Controls& c, const Dispatch& dispatch, int tab);  // either overview tab
QWidget* BuildDetailTab(Controls& c, const Dispatch& dispatch, int tab);    // any detail tab
QWidget* BuildLiveTab(Controls& c, const Dispatch& dispatch);
QWidget* BuildStatusTab(Controls& c, const Dispatch& dispatch);
QWidget* BuildPortTab(Controls& c, const Dispatch& dispatch);

// Both product lists hold "0" … the model's last product: entries go or come at the end, so a
// selection the model still has stays as it is.
void FitProductLists(const Controls& c, IndicatorModel model);

}  // namespace ui
