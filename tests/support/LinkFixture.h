#pragma once

#include <memory>

#include "link/IndicatorLink.h"
#include "support/FakeSerialPort.h"
#include "support/ManualTime.h"
#include "support/RecordingView.h"

// A link on a fake port with time under the test's hand: a wait that finds nothing to read
// sees a whole supervision period go by (see ManualPump), so time-outs come at once and always
// after the same number of ticks.
struct LinkFixture {
    LinkFixture()
        : timer(new ManualTimer),
          pump(*timer),
          link(store, view, pump, std::unique_ptr<SupervisionTimer>(timer)) {
        link.setActivePort(&port);
    }

    // Answers like a quiet indicator: reads by code, the product query, live data and CA/CB.
    void answerLikeIndicator() {
        port.responder = [this](const QString& r) -> QByteArray {
            if (r == "W00") return QString("W00%1\r\n").arg(product, 5, 10, QChar('0')).toLatin1();
            if (r.startsWith("W00") && r.size() == 8) {
                product = r.mid(3).toInt();
                return {};
            }
            if (r.startsWith('W') && r.size() == 3)
                return (r + "0000" + r.right(1) + "\r\n").toLatin1();
            if (r.startsWith('R') || r == "CA" || r == "CB") return (r + "0001\r\n").toLatin1();
            return {};
        };
    }

    SettingsStore store;
    RecordingView view;
    ManualTimer* timer;  // owned by the link
    ManualPump pump;
    FakeSerialPort port;
    IndicatorLink link;
    int product = 0;
};
