#pragma once

#include <QDeadlineTimer>
#include <QtTest>

#include "platform/AnySerialPort.h"
#include "platform/OperationError.h"
#include "support/DrivenLink.h"
#include "support/RecordingView.h"
#include "support/SimProcess.h"

// A link to a simulator process: on its pseudo-terminal, or over loopback TCP when it is started
// with "--listen".
struct PtyLink {
    explicit PtyLink(const QStringList& simArgs = {}, int periodMs = 2000)
        : sim(simArgs), port([this](int) { return sim.device(); }), link(store, view, periodMs) {
        link.setActivePort(&port);
        if (!sim.device().isEmpty()) {
            try {
                port.open();
            } catch (const OperationError& e) {
                qWarning() << "cannot open" << sim.device() << e.number << e.description;
            }
        }
    }
    // Waits (bounded) until the simulator has logged n requests.
    bool waitForRequests(int n) {
        QDeadlineTimer deadline(5000);
        while (sim.requests().size() < n && !deadline.hasExpired()) QTest::qWait(5);
        return sim.requests().size() >= n;
    }

    SimProcess sim;
    AnySerialPort port;
    SettingsStore store;
    RecordingView view;
    DrivenLink link;
};
