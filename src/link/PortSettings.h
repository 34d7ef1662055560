#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "link/IndicatorLink.h"

// What the operator picked in one link's port panel: the port list's position (-1 for none) and
// the texts of the baud, parity, data-bit and stop-bit lists.
struct PortChoice {
    int portIndex = -1;
    QString baud;
    QString parity;
    QString dataBits;
    QString stopBits;
};

// The entries of a port panel's six lists: port (Com1 … Com8), baud rate, parity, data bits,
// stop bits and the terminator ("CR+LF"). Empty for any other list.
constexpr int kPortLists = 6;
constexpr int kListedPorts = 8;
QStringList PortListItems(int list);

// A link's port number and settings text, as the configuration file keeps them.
struct PortEntry {
    int portNumber = 1;
    QString settings = kDefaultLineSettings;
};

// The settings text the panel's choice gives: 19200, Odd, 7, 1 make "19200,O,7,1".
QString SettingsTextOf(const PortChoice& choice);

// Records a link's port entry in the configuration file (failures are silent).
using PortRecorder = std::function<void(const PortEntry& entry)>;

// Applies the panel's choice to the link's own port, records what the port then has and reopens
// the port. A failing step shows the error report with the
// 8002 hint; after 8002 the focus goes to the port list and the next step runs, any other error
// ends the operation there.
void ApplyPortSettings(SerialPort& port, const PortChoice& choice, OperatorView& view,
                       const PortRecorder& record, const std::function<void()>& focusPortList);

// Sends "RA" on the link's own port and shows "通信ＯＫ" in its test box when a line comes back.
// A failing step shows the error report without a hint and the test goes on.
Task<void> TestLink(IndicatorLink& link, int linkNo, SerialPort* port);
