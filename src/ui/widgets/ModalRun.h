#pragma once

class QDialog;
class QWidget;

// Runs a modal dialog, then gives the keyboard back to the parent's window: without a window
// manager nobody else does, and the menu keys would go nowhere after the first dialog.
int RunModal(QDialog& dialog, QWidget* parent);
