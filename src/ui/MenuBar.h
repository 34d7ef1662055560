#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "ui/WidgetFactory.h"

class QMenuBar;
class QToolBar;

// The menu bar and the toolbar: their items and keys, each standing for an operation (and the
// index of the button it stands for, where it stands for one).
namespace ui {

// The four menus mnuFILE, mnuEDIT, mnuF805 and mnuHelp with their items; an item dispatches its
// operation.
void BuildMenus(QMenuBar* bar, const Dispatch& dispatch);

// The toolbar Toolbar1 with its six keys "OpenFile" … "redraw"; a key's click presses it.
void BuildToolbar(QToolBar* toolbar, const std::function<void(const QString& key)>& press);

// What a toolbar key dispatches; nothing for a key that matches no button.
struct ToolKeyOperation {
    Operation op;
    int index;
};
std::optional<ToolKeyOperation> OperationOfToolKey(const QString& key);

}  // namespace ui
