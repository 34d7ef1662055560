#include "app/Session.h"

#include "app/Configuration.h"
#include "platform/AnySerialPort.h"

Session::Session(SettingsStore& store, OperatorView& view, QString iniPath,
                 std::array<std::unique_ptr<SerialPort>, 2> ports, int periodMs)
    : iniPath_(std::move(iniPath)),
      ports_(std::move(ports)),
      link_(store, view, pump_, periodMs),
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
    if (port && port->isOpen()) port->close();
}
