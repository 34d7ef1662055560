#include "app/StartUp.h"

#include <functional>

#include "app/Session.h"
#include "model/ModelFacts.h"
#include "model/TabLayout.h"
#include "platform/IniFile.h"
#include "platform/OperationError.h"
#include "texts/AppTexts.h"

namespace {

// A value the serial layer cannot take as a port number, or a list entry that does not exist.
constexpr int kTypeMismatch = 13;
constexpr int kInvalidPropertyValue = 380;

class StartupTrap {
  public:
    explicit StartupTrap(StartupWindow& window) : window_(window) {}

    // Runs one step; a failure is reported and recorded, and start-up goes on.
    void step(const std::function<void()>& body) {
        TrapStep(body, [this](const OperationError& e) {
            result.failed = true;
            result.lastError = e.number;
            // The start-up hint ends with a line break of its own.
            window_.showMessage(ErrorReportText(e, ErrorHint::StartUp) + QStringLiteral("\r\n"));
        });
    }

    StartupResult result;

  private:
    StartupWindow& window_;
};

PortEntry CurrentEntryOf(SerialPort& port) {
    return {port.portNumber(), port.settings()};
}

// "CommPort" as start-up reads it: a text that is no number is an error, and the link keeps
// the number it has.
void ApplyPortNumber(Session& session, int linkNo) {
    const QString text =
        ReadProfileString(session.iniPath(), PortSection(linkNo), QStringLiteral("CommPort"),
                          QString::number(DefaultPortNumber(linkNo)));
    const std::optional<int> number = ParsePortNumber(text);
    if (!number)
        throw OperationError(
            kTypeMismatch, Tr(AppText::CommPortNotNumber).arg(PortSection(linkNo), text.trimmed()));
    session.port(linkNo).setPortNumber(*number);
}

void SelectPortEntry(StartupWindow& window, SerialPort& port, int linkNo) {
    const int position = port.portNumber() - 1;
    if (position < 0 || position >= startup::kPortListEntries)
        throw OperationError(
            kInvalidPropertyValue,
            Tr(AppText::PortNotListed).arg(port.portNumber()).arg(startup::kPortListEntries));
    window.selectPortEntry(linkNo, position);
}

void ShowPortSettings(StartupWindow& window, SerialPort& port, int linkNo) {
    // The parity letter is recognised in either case: applying the panel writes it upper case.
    window.showPortSettings(linkNo, PortPanelPositionsOf(port.portNumber(), port.settings()));
}

}  // namespace

StartupResult RunStartUp(Session& session, StartupWindow& window, const QString& programFolder) {
    StartupTrap trap(window);
    SerialPort& port1 = session.port(1);
    SerialPort& port2 = session.port(2);
    IndicatorLink& link = session.link();
    const QString& ini = session.iniPath();

    trap.step([&] { window.dressForF805(); });
    // A missing file receives both links' present values; "Path1" the program folder.
    trap.step([&] {
        PrepareConfigFile(ini, programFolder, CurrentEntryOf(port1), CurrentEntryOf(port2));
    });
    // Each value on its own: one the port refuses leaves the port as it was.
    trap.step([&] { ApplyPortNumber(session, 1); });
    trap.step([&] { port1.setSettings(ReadPortSettings(ini, 1)); });
    trap.step([&] { ApplyPortNumber(session, 2); });
    trap.step([&] { port2.setSettings(ReadPortSettings(ini, 2)); });
    trap.step([&] { trap.result.dataFileName = ReadDataFilePath(ini); });
    trap.step([&] { window.fillPortLists(); });
    trap.step([&] { link.clearTimeout(); });
    trap.step([&] {
        if (!port1.isOpen()) port1.open();
    });
    // After a port that names no device or refused the settings, the list keeps no selection.
    trap.step([&] {
        if (trap.result.lastError != ErrNo::kInvalidPort &&
            trap.result.lastError != ErrNo::kInvalidSettings)
            SelectPortEntry(window, port1, 1);
    });
    trap.step([&] { ShowPortSettings(window, port1, 1); });
    trap.step([&] { SelectPortEntry(window, port2, 2); });
    trap.step([&] { ShowPortSettings(window, port2, 2); });
    trap.step([&] { window.fillItemLists(); });
    trap.step([&] { window.fillProductLists(); });
    trap.step([&] {
        session.portAssignment = false;
        session.setActiveLink(1);
        link.store().setModel(kDefaultModel);
    });
    trap.step([&] { window.clearAll(); });
    trap.step([&] { link.store().setCurrentProduct(0); });
    trap.step([&] { window.resetProgress(); });

    if (trap.result.failed) {
        window.showTab(tablayout::kPorts);
        window.showNow();
        window.focusPortList(1);
    } else {
        window.showTab(tablayout::kProducts);
    }
    return trap.result;
}
