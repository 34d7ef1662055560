#pragma once

#include <QString>

#include "app/Configuration.h"

class Session;

// The window as start-up sees it. The window side carries these out on its controls; the tests
// record them.
class StartupWindow {
  public:
    virtual ~StartupWindow() = default;

    // The F805 view of the catalogue: bracket lines, row captions, the dummy rows hidden.
    virtual void dressForF805() = 0;
    // Both port panels' lists: Com1 … Com8, the baud rates, "Even" "Odd" "None", "7" "8",
    // "1" "2" and "CR+LF".
    virtual void fillPortLists() = 0;
    // Selects entry `position` (0 … 7) of link 1's or link 2's port list.
    virtual void selectPortEntry(int linkNo, int position) = 0;
    // Selects the baud, parity, data-bit and stop-bit entries (-1: no selection) and "CR+LF".
    virtual void showPortSettings(int linkNo, const PortPanelPositions& at) = 0;
    // The item lists with the F805's options, none selected.
    virtual void fillItemLists() = 0;
    // Both product lists hold "0" … "99" and show "0".
    virtual void fillProductLists() = 0;
    // Empties the store and the window and redraws.
    virtual void clearAll() = 0;
    // The progress bar hidden at 0 of 100.
    virtual void resetProgress() = 0;
    virtual void showTab(int tab) = 0;
    // Shows the window at once (start-up failed and wants the operator on the port tab).
    virtual void showNow() = 0;
    virtual void focusPortList(int linkNo) = 0;
    // A message box with an OK button; returns when it is closed.
    virtual void showMessage(const QString& text) = 0;
};

struct StartupResult {
    bool failed = false;   // a step failed: the port tab is shown
    int lastError = 0;     // the number of the last failure
    QString dataFileName;  // "Path" "Path1": the file dialogs' first name
};

namespace startup {
constexpr int kPortListEntries = 8;
}  // namespace startup

// The start-up sequence: the configuration file read or created, both links configured from it
// and link 1 opened, the lists filled, the F805 selected, the store cleared and the first tab
// chosen. A failing step shows the error report with the start-up hint and the next step runs;
// after any failure the port tab is shown with the focus on link 1's port list.
// `programFolder` is what "Path1" receives.
StartupResult RunStartUp(Session& session, StartupWindow& window, const QString& programFolder);
