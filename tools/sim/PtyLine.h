#pragma once

#include <QString>
#include <functional>

#include "SimOptions.h"

// Opens and closes of pseudo-terminal slaves by clients (Linux inotify), for any number of
// lines on one descriptor: a user may hold only a few inotify instances, but many watches.
class SlaveWatch {
  public:
    SlaveWatch();
    ~SlaveWatch();
    SlaveWatch(const SlaveWatch&) = delete;
    SlaveWatch& operator=(const SlaveWatch&) = delete;

    // Readable when notices are pending; -1 where nothing can be watched.
    int fd() const { return m_fd; }
    // Starts watching the slave at `path`; its watch number, or -1.
    int add(const char* path);
    // Reads every pending notice and hands each to `notice` with its watch number.
    void read(const std::function<void(int watch, bool opened, bool closed)>& notice);

  private:
    int m_fd = -1;
};

// The simulator's end of the line: the master of a new pseudo-terminal, a serial device, or a
// TCP connection accepted on a listening socket (one client at a time, as a device server in
// raw TCP mode).
//
// For a pseudo-terminal the simulator keeps a slave descriptor of its own open (in raw mode), so
// that the master never sees a hang-up while no client has the slave open, and the slave keeps
// its settings between client sessions. Opens and closes of the slave by clients are watched
// (SlaveWatch) so that replies left over from a client that went away can be discarded
// instead of greeting the next client.
class PtyLine {
  public:
    PtyLine() = default;
    ~PtyLine();
    PtyLine(const PtyLine&) = delete;
    PtyLine& operator=(const PtyLine&) = delete;

    // Watches the slave's opens and closes with `watch` (which must outlive the line).
    bool openPty(SlaveWatch& watch, QString* error);
    bool openDevice(const QString& path, const SimLine& line, QString* error);
    // Listens on host:port (port 0: a free one); path() becomes "tcp://host:port".
    bool listenTcp(const QString& host, int port, QString* error);

    // Points a symlink at `path` to the slave; removed again by the destructor. An existing
    // symlink there is replaced; any other file is left alone and reported.
    bool makeLink(const QString& path, QString* error);

    int fd() const { return m_fd; }
    QString path() const { return m_path; }
    bool isPty() const { return m_slave >= 0; }
    bool isTcp() const { return m_listen >= 0; }

    // TCP: the listening socket, readable when a client connects; else -1.
    int listenFd() const { return m_listen; }
    // The slave's watch number in its SlaveWatch; -1 when not watched.
    int slaveWatch() const { return m_watch; }

    // TCP: takes the waiting connections. The first becomes the line when there is none; any
    // other is closed at once. True when the session changed (a client came or was found gone).
    bool acceptClient();
    // TCP: the client went away; fd() is -1 until the next one connects.
    void dropClient();

    // Counts one open or close notice of the slave's watch.
    void noteSlave(bool opened, bool closed);
    // True when a client closed since the last call and, after all the notices counted, no
    // client has the slave open: the session is over.
    bool sessionEnded();

    // Drops whatever was written to the slave and not yet read by a client, and lifts an
    // exclusive-use mark the client left on the terminal.
    void discardUnread();

    // After a read error on a device: closes and tries to open it again.
    bool reopenDevice(QString* error);

  private:
    void closeAll();

    int m_fd = -1;
    int m_slave = -1;
    int m_watch = -1;
    int m_listen = -1;
    int m_clients = 0;
    bool m_closed = false;  // a client closed the slave since sessionEnded() last looked
    QString m_path;
    QString m_link;
    SimLine m_line;
};
