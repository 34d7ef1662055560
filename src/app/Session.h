#pragma once

#include <QString>
#include <array>
#include <functional>
#include <memory>

#include "app/DataSource.h"
#include "link/IndicatorValues.h"
#include "link/IndicatorLink.h"
#include "link/LiveCommands.h"
#include "platform/Clock.h"
#include "platform/SerialPort.h"
#include "transfer/SettingTransfers.h"

// What the program keeps for the whole run besides the window: the two serial links, the
// indicator link on the active one, the setting transfers and the live-data buttons, the
// configuration file they all use, and where the window's data came from.
class Session {
  public:
    // The serial ports of link 1 and link 2 (owned). The link's supervision period in ms. The
    // window's own schedules (the port finder's polling) run on `clock`.
    Session(SettingsStore& store, OperatorView& view, QString iniPath,
            std::array<std::unique_ptr<SerialPort>, 2> ports,
            int periodMs = IndicatorLink::kDefaultPeriodMs, Clock& clock = Clock::System());
    // Two real serial ports whose numbers name devices through the file's "Devices" section.
    static std::array<std::unique_ptr<SerialPort>, 2> SerialPortsFor(const QString& iniPath);

    const QString& iniPath() const { return iniPath_; }
    Clock& clock() { return clock_; }
    SerialPort& port(int linkNo) { return *ports_[linkNo == 2 ? 1 : 0]; }
    IndicatorLink& link() { return link_; }
    SettingTransfers& transfers() { return transfers_; }
    LiveCommands& live() { return live_; }

    // Which link serves the indicator (1 or 2); the link's active port follows.
    void setActiveLink(int linkNo);
    int activeLink() const { return activeLink_; }
    // The port assignment ("割付を利用する"): link 2 serves the F800 while it is on.
    bool portAssignment = false;

    // What the "詳細" button does after its probe: the window shows the status tab.
    void setShowStatusTab(std::function<void()> show) { showStatusTab_ = std::move(show); }

    // Exit and the model switch: close the active port on purpose.
    void closeActivePort();

    // A port that was open and failed (a device that goes away closes its port) is opened again
    // by the next operation that needs it, as the live monitor does; a port closed on purpose
    // is not. `notePortsOpen` remembers which ports are open (after start-up and after every
    // operation); `reopenIfLost` is called before an operation uses `port`. A port that still
    // cannot be opened stays closed, and the operation reports it as any closed port.
    void notePortsOpen();
    void reopenIfLost(SerialPort& port);

    // Where the window's data came from, for the settings sheet.
    DataSource& source() { return source_; }
    // What the indicator holds as far as the window knows (read from it or written to it).
    IndicatorValues& reference() { return reference_; }
    const DataSource& source() const { return source_; }

  private:
    QString iniPath_;
    Clock& clock_;
    std::array<std::unique_ptr<SerialPort>, 2> ports_;
    IndicatorLink link_;
    SettingTransfers transfers_;
    std::function<void()> showStatusTab_;
    LiveCommands live_;
    int activeLink_ = 1;
    std::array<bool, 2> held_{};  // the port was open and not closed on purpose since
    DataSource source_;
    IndicatorValues reference_;
};
