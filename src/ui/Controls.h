#pragma once

#include <QString>
#include <array>
#include <vector>

#include "model/Catalogue.h"
#include "model/SettingsStore.h"
#include "model/StatusDecoding.h"
#include "model/TabLayout.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolBar;
class QWidget;
class BracketLine;
class TabRows;

// The six lists of a port panel, in the order of their entries (PortListItems).
enum class PortList { Port, Baud, Parity, DataBits, StopBits, Terminator };
inline constexpr int kPortListCount = static_cast<int>(PortList::Terminator) + 1;
using PortPanelLists = std::array<QComboBox*, kPortListCount>;

// The controls of the main window by their roles, filled by the tab builders (which tab holds
// which control is tablayout's). Every control also carries its name as objectName: "W20_3" for
// W20(3), "Combo3_12", "Command2_5", "Text4_0", plain names ("SAME", "Command0", "info") for
// controls without an index.
struct Controls {
    QTabWidget* tabs = nullptr;  // SSTab1
    TabRows* tabRows = nullptr;  // SSTab1's captions, in rows
    QToolBar* toolbar = nullptr;
    QLabel* info = nullptr;
    QProgressBar* progress = nullptr;

    // The products tab.
    std::array<QComboBox*, 2> productLists{};  // Combo1(0) ProductSelector, Combo1(1) target
    std::array<QLineEdit*, SettingsStore::kProductItems> productBoxes{};  // W10(0 … 7)
    std::array<QPushButton*, 7> productButtons{};                         // Command2(0 … 6)
    std::array<QPushButton*, 2> allButtons{};                             // Command1(0), (1)
    QPushButton* clearButton = nullptr;                                   // Command0
    QPushButton* sameButton = nullptr;                                    // SAME
    QGroupBox* frame8 = nullptr;                                          // "F805 読み書き"
    std::array<QLabel*, 3> badges{};                                      // ModelBadge(0 … 2)

    // The overview tabs: item buttons and setting entry boxes, boxes by family 2 … 9.
    std::array<QPushButton*, kItemButtons> itemButtons{};  // Command3(0 … 58)
    std::array<std::vector<QLineEdit*>, 10> valueBoxes;    // [2] = W20(0 … 15) … [9] = W90
    std::array<QPushButton*, tablayout::kOverviewTabs> readSettingsButtons{};   // Command20(0), (1)
    std::array<QPushButton*, tablayout::kOverviewTabs> writeSettingsButtons{};  // Command21(0), (1)

    // The detail tabs: detail rows and bracket lines.
    std::array<QLabel*, kDetailRows> rowLabels{};     // Label2(0 … 74)
    std::array<QComboBox*, kDetailRows> itemLists{};  // Combo3(0 … 74)
    std::vector<BracketLine*> linesF805;              // one per bracket, three lines each
    std::vector<BracketLine*> linesF800;
    std::array<QPushButton*, tablayout::kDetailTabs> backButtons{};  // Command41(0 … 3)

    // The live-data tab: live data and commands.
    std::array<QPushButton*, 23> liveButtons{};                     // Command4(0 … 22)
    std::array<QLineEdit*, SettingsStore::kLiveKinds> liveBoxes{};  // Text3(0 … 12)

    // The status tab: status boxes Text4 … Text7 and their labels.
    std::array<std::array<QLineEdit*, status::kBoxesPerWord>, status::kWords> statusBoxes{};
    std::array<std::array<QLabel*, status::kBoxesPerWord>, status::kWords> statusLabels{};
    QPushButton* statusBackButton = nullptr;  // Command60

    // The model and port tab; index 0 is link 1 (MsComm1), 1 is link 2 (MsComm2).
    std::array<QRadioButton*, 2> modelOptions{};  // Option3(0), (1)
    QCheckBox* portAssignment = nullptr;          // Check1
    std::array<QGroupBox*, 2> portFrames{};       // Frame20, Frame21
    std::array<PortPanelLists, 2> portLists{};    // Combo2(0 … 5), Combo4(0 … 5)
    std::array<QLabel*, 2> devicePaths{};         // DevicePath1, DevicePath2
    std::array<QComboBox*, 2> deviceLists{};      // DeviceList1, DeviceList2: this machine's
    std::array<QPushButton*, 2> detectButtons{};  // Detect1, Detect2 ("検出")
    std::array<QListWidget*, 2> probeLists{};     // ProbeList1, ProbeList2: what answered
    std::array<QPushButton*, 2> applyButtons{};   // Command7, Command5
    std::array<QPushButton*, 2> testButtons{};    // Command6, Command8
    std::array<QLineEdit*, 2> testBoxes{};        // Text1, Text2

    QLineEdit* valueBox(int family, int index) const;
    // List `which` of the port panel of link k + 1.
    QComboBox* portList(int k, PortList which) const {
        return portLists[k][static_cast<int>(which)];
    }
};

// The objectName of element `index` of the control array `array`: "W20_3".
QString ElementName(const QString& array, int index);
