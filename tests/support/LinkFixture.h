#pragma once

#include <memory>

#include "link/IndicatorLink.h"
#include "model/Validation.h"
#include "support/DrivenLink.h"
#include "support/FakeSerialPort.h"
#include "support/ManualTime.h"
#include "support/RecordingView.h"
#include "support/SimSerialPort.h"

// Keeps every run a link tells its listener, and the run's note.
struct HeardRuns : TransferListener {
    void transferRun(const TransferRun& run) override { notedRun(run, {}); }
    void notedRun(const TransferRun& run, const QString& note) override {
        got.push_back(run);
        notes << note;
    }
    std::vector<TransferRun> got;
    QStringList notes;
};

// A link on a port with time under the test's hand: a wait that finds nothing to read sees a
// whole supervision period go by (see ManualPump), so time-outs come at once and always after
// the same number of ticks. The port is a scripted FakeSerialPort (LinkFixture), for a peer
// that misbehaves byte by byte, or the simulated indicator itself (SimLinkFixture).
template <class Port>
struct BasicLinkFixture {
    BasicLinkFixture()
        : timer(new ManualTimer),
          pump(*timer),
          link(store, view, [this] { return pump.pass(); },
               std::unique_ptr<SupervisionTimer>(timer)) {
        link.setActivePort(&port);
    }

    // Paces what the simulated indicator answers (SimLinkFixture): each wait pass that finds
    // nothing to read lets `ms` go by, then `chars` more characters of the held answers arrive
    // (0: all of them). A trickle of one character a second is pace(1000, 1); an answer 900 ms
    // late is pace(900, 0).
    void pace(int ms, int chars) {
        port.alter = [this, alter = port.alter](const QString& r, const QByteArray& reply) {
            held += alter ? alter(r, reply) : reply;
            return QByteArray();
        };
        pump.idle = [this, ms, chars] {
            timer->advance(ms);
            const QByteArray now = chars > 0 ? held.left(chars) : held;
            held.remove(0, now.size());
            port.queue(now);
        };
    }

    SettingsStore store;
    RecordingView view;
    ManualTimer* timer;  // owned by the link
    ManualPump pump;
    Port port;
    DrivenLink link;
    QByteArray held;  // answers not arrived yet (pace)
};

using LinkFixture = BasicLinkFixture<FakeSerialPort>;
using SimLinkFixture = BasicLinkFixture<SimSerialPort>;
