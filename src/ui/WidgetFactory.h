#pragma once

#include <QString>
#include <functional>

#include "ui/Operation.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Small helpers the tab builders share: every control is created with its name as objectName.
namespace ui {

// Calls the window's one operation dispatch.
using Dispatch = std::function<void(Operation, int)>;

// A button that dispatches `op` with `index` when clicked.
QPushButton* MakeButton(const QString& name, const QString& caption, const Dispatch& dispatch,
                        Operation op, int index = -1);
QLabel* MakeLabel(const QString& name, const QString& caption);
// An entry box wide enough for `chars` characters.
QLineEdit* MakeBox(const QString& name, int chars = 6, bool readOnly = false);
QComboBox* MakeList(const QString& name, bool editable = false);
QGroupBox* MakeFrame(const QString& name, const QString& caption);

// Lets a drop-down list's popup grow to its widest entry, so long options stay readable.
void FitPopupToEntries(QComboBox* list);

}  // namespace ui
