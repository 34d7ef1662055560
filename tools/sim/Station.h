#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include "Indicator.h"
#include "Pacer.h"
#include "PtyLine.h"
#include "SimOptions.h"

// One simulated indicator on a line of its own: the line, the indicator's state, the pacing of
// its characters and the log of its requests. Many stations share one thread: the caller waits
// on one epoll descriptor for all of them, hands each the events of its line, and calls tick()
// when something happened to it or its due() time has come. The station keeps its line's
// registration in that epoll descriptor up to date itself, under the tag it was given.
class Station {
  public:
    // `start` is the monotonic time (ns) the indicator's clock counts from.
    Station(const SimOptions& options, qint64 start);
    ~Station();
    Station(const Station&) = delete;
    Station& operator=(const Station&) = delete;

    // Opens the line: a pseudo-terminal (watched by `watch`), the device or a TCP port, and the
    // log. `number` (1 … count) names the log and the link of one of several stations.
    bool open(int number, SlaveWatch& watch, QString* error);
    // The line's events go to `epoll` tagged `lineTag`; a TCP listening socket's tagged
    // `listenTag`.
    bool watchWith(int epoll, quint64 lineTag, quint64 listenTag, QString* error);

    QString path() const { return m_line.path(); }
    int slaveWatch() const { return m_line.slaveWatch(); }

    // Something happened since the last tick, or a time due() named has come.
    bool pending(qint64 now) const { return m_dirty || (m_due >= 0 && m_due <= now); }
    // Answers what has arrived, passes on the reply characters due, retries a failed line.
    void tick(qint64 now);
    // Earliest time something is due; -1 for none.
    qint64 due() const { return m_due; }

    // The line is readable or writable (epoll events).
    void lineReady(quint32 events);
    // A load placed on the platform under test (rusk-sim --load) at monotonic time `now`.
    void placeLoad(qint64 now, qint64 load);
    // TCP: a client is knocking.
    void clientKnocks();
    // A client opened or closed the pseudo-terminal's slave.
    void slaveNotice(bool opened, bool closed);
    // After every notice of a batch: drops what was meant for a client that has gone.
    void slaveNoticesRead();

  private:
    void serve(qint64 now);
    void writeOut();
    bool readLine();
    void lineDown(qint64 now);
    void newSession();
    void releaseLine();
    void syncLine();
    void updateDue();

    const SimOptions& m_o;
    PtyLine m_line;
    QFile m_log;
    Indicator m_indicator;
    Pacer m_pacer;
    qint64 m_start;
    QByteArray m_out;         // reply characters due but not yet taken by the line
    qint64 m_downUntil = -1;  // the line failed; try again at this time
    qint64 m_due = -1;
    bool m_dirty = true;
    int m_epoll = -1;
    quint64 m_lineTag = 0;
    int m_watchedFd = -1;  // the line descriptor registered with m_epoll
    quint32 m_watchedEvents = 0;
};
