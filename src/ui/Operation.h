#pragma once

#include <functional>

#include "link/Task.h"

// Every operation the operator can start from the window: menu items, toolbar keys and button
// families. The window calls one handler with the operation and an index; the index is the
// element number of the button in its family (the menu items pass the index of the button they
// stand for), the file-load mode, the model or the link, as noted; -1 where none applies.
// Operations that talk to the indicator clear the link's time-out flag before they start.
enum class Operation {
    LoadDataFile,          // index: mode 1 all data, 2 products only, 4 settings only
    SaveDataFile,          //
    StartCalculator,       //
    Exit,                  //
    ClearAll,              // Command0, mnuEDIT_CLR, toolbar "memCLR"
    Redraw,                // mnuEDIT_REDRAW, toolbar "redraw"
    CopyToAllProducts,     // SAME, mnuEDIT_SAME
    ChangeProduct,         // Command2(0): select the indicator's product
    ReadOneProduct,        // Command2(1)
    ReadAllProducts,       // Command2(2)
    WriteOneProduct,       // Command2(3)
    WriteAllProducts,      // Command2(4)
    WriteShownToTarget,    // Command2(5): the shown values to the indicator-side product
    WriteShownToAll,       // Command2(6): the shown values to all 100 products
    ReadAllSettings,       // Command20(0 or 1), mnuF805_S
    WriteAllSettings,      // Command21(0 or 1), mnuF805_H
    AllRead,               // Command1(0), mnuF805_A, toolbar "allRead"
    AllWrite,              // Command1(1), mnuF805_P, toolbar "allWrite"
    LiveData,              // Command4(0 … 22): data reads, indicator commands, "詳細"
    JumpToItem,            // Command3(0 … 58)
    GoBack,                // Command41(0 … 3); Command60 passes 4
    SelectModel,           // Option3(0 = F805, 1 = F800)
    SetPortAssignment,     // Check1
    ApplyPortSettings,     // index: link 1 (Command7) or 2 (Command5)
    TestLink,              // index: link 1 (Command6) or 2 (Command8)
    Help,                  // mnuF805_HELP
    Version,               // mnuF805_Vol
    ShowHistory,           // mnuFILE_HISTORY: the journal of exchanges
    CompareWithFile,       // mnuFILE_COMPARE: the window's data against a data file
    CompareWithIndicator,  // mnuF805_COMPARE: the window's data against the indicator's
    SetVerifyAfterWrite,   // mnuF805_VERIFY (checkable): index 1 on, 0 off
    SetKeepBeforeWrite,    // mnuF805_KEEP (checkable): index 1 on, 0 off
    PrintSheet,            // mnuFILE_PRINT: the settings sheet on a printer, with a preview
    SaveSheetPdf,          // mnuFILE_PDF: the settings sheet as a PDF file
    SaveProductsCsv,       // mnuFILE_MEI_CSV_OUT
    LoadProductsCsv,       // mnuFILE_MEI_CSV_IN
    SaveSettingsCsv,       // mnuFILE_SET_CSV
    DetectDevices,         // Detect1, Detect2: index the link; probes every device with "RA"
    BindListedDevice,      // DeviceList1, DeviceList2: the selected port number names the device
    BindFoundDevice,       // ProbeList1, ProbeList2: the same for a device that answered
    ShowMonitor,           // mnuF805_MONITOR: the live monitor window, which guards the link
                           // itself while it polls
    SelectLanguage,        // mnuLANG_ja, mnuLANG_en: index in texts::Languages()
    Calibration,           // mnuF805_CAL: the test with reference weights, whose steps are jobs
                           // on the link
    WriteChanged,          // mnuF805_CHANGED: only the values that differ from the indicator's,
                           // after a preview
    PushDifferences,       // PushSelected in a comparison with a data file or a snapshot: the
                           // chosen values, where they differ from the indicator's, after a
                           // preview (against the indicator it runs inside 指示計と比較)
};

// What an operation reaches besides the window. The window's dispatch settles by it whether the
// operation may start while an exchange with the indicator is in progress.
enum class Reach {
    Window,     // the window only (tabs, redraw, messages, calculator, exit): always runs
    Store,      // changes the store, or what an exchange works with (the model, the port in
                // use), or saves the store whole: refused with a beep while an exchange runs
    Indicator,  // talks to the indicator: refused with a beep while an exchange runs; clears
                // the link's time-out flag before it starts
};

// The facts of an operation, one row each (kOperations in Operation.cpp): its reach and whether
// it sends values to the indicator (a write: kept before, read back after, see TrustView).
struct OperationFacts {
    Operation operation;
    Reach reach;
    bool writes;
};
Reach ReachOf(Operation op);
bool WritesToIndicator(Operation op);

// How an operation runs, registered into the window's dispatch (MainWindow::addOperation) by the
// part that owns it. `job` is an exchange with the indicator: the dispatch starts the task it
// returns on the link (an empty task: nothing to do for this index). `run` runs at once.
struct OperationSpec {
    Operation operation;
    std::function<Task<void>(int index)> job;
    std::function<void(int index)> run;
};

// Set into the window by tests to see every operation first: true when it has handled it;
// otherwise the registered operation runs.
using OperationHandler = std::function<bool(Operation op, int index)>;
