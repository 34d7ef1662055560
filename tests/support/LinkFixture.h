#pragma once

#include <memory>
#include <type_traits>

#include "link/IndicatorLink.h"
#include "model/Validation.h"
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
          link(store, view, pump, std::unique_ptr<SupervisionTimer>(timer)) {
        link.setActivePort(&port);
    }

    // Answers like a quiet indicator: reads by code (with a value that fits the code: 0000 and
    // the code's last digit where that fits, else 00001), the product query, live data and
    // CA/CB.
    void answerLikeIndicator() {
        port.responder = [this](const QString& r) -> QByteArray {
            if (r == "W00") return QString("W00%1\r\n").arg(product, 5, 10, QChar('0')).toLatin1();
            if (r.startsWith("W00") && r.size() == 8) {
                product = r.mid(3).toInt();
                return {};
            }
            if (r.startsWith('W') && r.size() == 3) {
                const QString value = "0000" + r.right(1);
                const bool fits = FitsCode(store.model(), r.mid(1), value);
                return (r + (fits ? value : QString("00001")) + "\r\n").toLatin1();
            }
            if (r.startsWith('R') || r == "CA" || r == "CB") return (r + "0001\r\n").toLatin1();
            return {};
        };
    }

    // Paces what the port answers: each wait pass that finds nothing to read lets `ms` go by,
    // then `chars` more characters of the held answers arrive (0: all of them). A trickle of one
    // character a second is pace(1000, 1); an answer 900 ms late is pace(900, 0).
    void pace(int ms, int chars) {
        if constexpr (std::is_same_v<Port, SimSerialPort>) {
            port.alter = [this, alter = port.alter](const QString& r, const QByteArray& reply) {
                held += alter ? alter(r, reply) : reply;
                return QByteArray();
            };
        } else {
            const auto answer = port.responder;
            port.responder = [this, answer](const QString& r) {
                if (answer) held += answer(r);
                return QByteArray();
            };
        }
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
    IndicatorLink link;
    int product = 0;
    QByteArray held;  // answers not arrived yet (pace)
};

using LinkFixture = BasicLinkFixture<FakeSerialPort>;
using SimLinkFixture = BasicLinkFixture<SimSerialPort>;
