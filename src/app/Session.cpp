#include "app/Session.h"

#include "app/Configuration.h"
#include "platform/AnySerialPort.h"
#include "platform/OperationError.h"

Session::Session(SettingsStore& store, OperatorView& view, QString iniPath,
                 std::array<std::unique_ptr<SerialPort>, 2> ports, int periodMs, Clock& clock)
    : iniPath_(std::move(iniPath)),
      clock_(clock),
      ports_(std::move(ports)),
      link_(store, view, std::make_unique<ClockSupervisionTimer>(periodMs, clock)),
      transfers_(link_),
      live_(link_, [this] {
          if (showStatusTab_) showStatusTab_();
      }) {
    link_.setActivePort(ports_[0].get());
}

std::array<std::unique_ptr<SerialPort>, 2> Session::SerialPortsFor(const QString& iniPath) {
    return {std::make_unique<AnySerialPort>(DevicesResolver(iniPath)),
            std::make_unique<AnySerialPort>(DevicesResolver(iniPath))};
}

void Session::setActiveLink(int linkNo) {
    activeLink_ = linkNo == 2 ? 2 : 1;
    link_.setActivePort(&port(activeLink_));
}

void Session::closeActivePort() {
    SerialPort* port = link_.activePort();
    if (!port) return;
    for (size_t i = 0; i < ports_.size(); ++i)
        if (ports_[i].get() == port) held_[i] = false;
    if (port->isOpen()) port->close();
}

void Session::notePortsOpen() {
    for (size_t i = 0; i < ports_.size(); ++i)
        if (ports_[i]->isOpen()) held_[i] = true;
}

void Session::reopenIfLost(SerialPort& port) {
    for (size_t i = 0; i < ports_.size(); ++i) {
        if (ports_[i].get() != &port || port.isOpen() || !held_[i]) continue;
        TrapStep(
            [&] {
                port.close();
                port.open();
            },
            [](const OperationError&) {});
    }
}
