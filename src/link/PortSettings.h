#pragma once

#include <QString>
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

// The settings text the panel's choice gives: 19200, Odd, 7, 1 make "19200,O,7,1".
QString SettingsTextOf(const PortChoice& choice);

// Writes one key of the configuration file (failures are silent).
using ConfigWriter =
    std::function<void(const QString& section, const QString& key, const QString& value)>;

// Applies the panel's choice to the link's own port, records it in the link's section
// ("RS232C1" or "RS232C2") and reopens the port. A failing step shows the error report with the
// 8002 hint; after 8002 the focus goes to the port list and the next step runs, any other error
// ends the operation there.
void ApplyPortSettings(int linkNo, SerialPort& port, const PortChoice& choice, OperatorView& view,
                       const ConfigWriter& write, const std::function<void()>& focusPortList);

// Sends "RA" on the link's own port and shows "通信ＯＫ" in its test box when a line comes back.
// A failing step shows the error report without a hint and the test goes on.
void TestLink(IndicatorLink& link, int linkNo, SerialPort* port);
