// rusk-sim: simulated F805/F800 weighing indicators on pseudo-terminals, a serial device or TCP,
// for training without hardware and for the integration tests. Single-threaded: one epoll loop
// moves characters between every line and its Station, with the timing each station's Pacer
// sets, so that one process can play hundreds of indicators.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/epoll.h>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QHash>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <vector>

#include "PtyLine.h"
#include "SimOptions.h"
#include "Station.h"

namespace {

int g_signalPipe[2] = {-1, -1};

void OnSignal(int) {
    const char c = 's';
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &c, 1);
}

qint64 Now() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

bool InstallSignals() {
    if (::pipe(g_signalPipe) != 0) return false;
    for (int fd : g_signalPipe) {
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
        fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
    signal(SIGPIPE, SIG_IGN);
    return true;
}

// Each station holds two or three descriptors: let the process have as many as it may.
void RaiseDescriptorLimit() {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= limit.rlim_max) return;
    limit.rlim_cur = limit.rlim_max;
    setrlimit(RLIMIT_NOFILE, &limit);
}

void Complain(const QString& text) {
    std::fprintf(stderr, "rusk-sim: %s\n", qPrintable(text));
}

// What an epoll event is about: the low byte the kind, the rest the station's index.
enum Kind : quint64 { kSignal, kStdin, kSlaves, kListen, kLine };
quint64 Tag(Kind kind, size_t index = 0) {
    return quint64(index) << 8 | kind;
}

class Simulator {
  public:
    explicit Simulator(const SimOptions& o) : m_o(o) {}
    ~Simulator() {
        m_stations.clear();
        if (m_epoll >= 0) ::close(m_epoll);
    }

    // Opens every line and prints their paths, one a line. False (with the reason) when one
    // cannot be opened.
    bool open(QString* error);
    int run();

  private:
    bool watch(int fd, quint64 tag) {
        epoll_event e{};
        e.events = EPOLLIN;
        e.data.u64 = tag;
        return epoll_ctl(m_epoll, EPOLL_CTL_ADD, fd, &e) == 0;
    }
    void readSlaveNotices();
    void control(const QByteArray& input);
    int waitForEvents(std::vector<epoll_event>& events, const timespec* timeout);

    const SimOptions& m_o;
    int m_epoll = -1;
    bool m_watchStdin = false;
    QByteArray m_control;  // standard input not yet a whole line
    SlaveWatch m_slaves;
    std::vector<std::unique_ptr<Station>> m_stations;
    QHash<int, Station*> m_bySlaveWatch;
};

bool Simulator::open(QString* error) {
    m_epoll = epoll_create1(EPOLL_CLOEXEC);
    if (m_epoll < 0 || !watch(g_signalPipe[0], Tag(kSignal)) ||
        (m_slaves.fd() >= 0 && !watch(m_slaves.fd(), Tag(kSlaves)))) {
        *error = "cannot set up the event loop";
        return false;
    }
    // Standard input that cannot be waited on (a file, /dev/null) counts as closed.
    m_watchStdin = (m_o.stdinExit || m_o.platform) && watch(STDIN_FILENO, Tag(kStdin));
    const qint64 start = Now();
    for (int n = 1; n <= m_o.count; ++n) {
        auto station = std::make_unique<Station>(m_o, start);
        if (!station->open(n, m_slaves, error) ||
            !station->watchWith(m_epoll, Tag(kLine, m_stations.size()),
                                Tag(kListen, m_stations.size()), error))
            return false;
        if (station->slaveWatch() >= 0) m_bySlaveWatch.insert(station->slaveWatch(), station.get());
        m_stations.push_back(std::move(station));
    }
    for (const auto& station : m_stations) std::printf("%s\n", qPrintable(station->path()));
    std::fflush(stdout);
    return true;
}

// Control lines on standard input: "load N" places N display units on every platform.
void Simulator::control(const QByteArray& input) {
    m_control += input;
    qsizetype end;
    while ((end = m_control.indexOf('\n')) >= 0) {
        const QList<QByteArray> words = m_control.left(end).simplified().split(' ');
        m_control.remove(0, end + 1);
        bool ok = false;
        const qint64 load = words.value(1).toLongLong(&ok);
        if (words.size() == 2 && words[0] == "load" && ok && m_o.platform) {
            for (const auto& station : m_stations) station->placeLoad(Now(), load);
        } else if (!words.value(0).isEmpty()) {
            Complain("unknown control line (expected \"load N\")");
        }
    }
    if (m_control.size() > 4096) m_control.clear();
}

void Simulator::readSlaveNotices() {
    std::vector<Station*> noticed;
    m_slaves.read([&](int watch, bool opened, bool closed) {
        Station* station = m_bySlaveWatch.value(watch);
        if (!station) return;
        station->slaveNotice(opened, closed);
        noticed.push_back(station);
    });
    for (Station* station : noticed) station->slaveNoticesRead();
}

// Waits until an event comes or the time-out (nanoseconds; null: none) has passed: in one call
// where the kernel has epoll_pwait2, else a ppoll on the epoll descriptor and a look into it.
int Simulator::waitForEvents(std::vector<epoll_event>& events, const timespec* timeout) {
    static bool pwait2 = true;
    if (pwait2) {
        const int n = epoll_pwait2(m_epoll, events.data(), int(events.size()), timeout, nullptr);
        if (n >= 0 || errno != ENOSYS) return n;
        pwait2 = false;
    }
    pollfd loop{m_epoll, POLLIN, 0};
    if (ppoll(&loop, 1, timeout, nullptr) < 0) return -1;
    return epoll_wait(m_epoll, events.data(), int(events.size()), 0);
}

int Simulator::run() {
    if (m_o.stdinExit && !m_watchStdin) return 0;
    std::vector<epoll_event> events(std::min<size_t>(1024, 2 * m_stations.size() + 3));
    for (;;) {
        const qint64 now = Now();
        qint64 due = -1;
        for (const auto& station : m_stations) {
            if (station->pending(now)) station->tick(now);
            const qint64 d = station->due();
            if (d >= 0 && (due < 0 || d < due)) due = d;
        }
        timespec wait{};
        if (due >= 0) {
            const qint64 ns = std::max<qint64>(0, due - Now());
            wait.tv_sec = ns / 1'000'000'000;
            wait.tv_nsec = ns % 1'000'000'000;
        }
        const int n = waitForEvents(events, due >= 0 ? &wait : nullptr);
        if (n < 0) {
            if (errno == EINTR) continue;
            Complain("poll failed");
            return 1;
        }
        // Session ends are looked at before new characters, so that a reply left over from a
        // client that has gone is dropped while a new client's requests are still unread.
        for (int i = 0; i < n; ++i) {
            const quint64 tag = events[size_t(i)].data.u64;
            switch (Kind(tag & 0xff)) {
                case kSignal:
                    return 0;  // SIGTERM or SIGINT
                case kStdin: {
                    char buf[256];
                    const ssize_t got = ::read(STDIN_FILENO, buf, sizeof buf);
                    if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR)) {
                        if (m_o.stdinExit) return 0;
                        ::epoll_ctl(m_epoll, EPOLL_CTL_DEL, STDIN_FILENO, nullptr);
                        break;
                    }
                    if (got > 0) control(QByteArray(buf, int(got)));
                    break;
                }
                case kSlaves:
                    readSlaveNotices();
                    break;
                case kListen:
                    m_stations[tag >> 8]->clientKnocks();
                    break;
                case kLine:
                    break;
            }
        }
        for (int i = 0; i < n; ++i) {
            const epoll_event& e = events[size_t(i)];
            if (Kind(e.data.u64 & 0xff) == kLine) m_stations[e.data.u64 >> 8]->lineReady(e.events);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    SimOptions options;
    QString message;
    switch (ParseSimOptions(app.arguments(), &options, &message)) {
        case SimParse::Help:
            std::fputs(qPrintable(message), stdout);
            return 0;
        case SimParse::Error:
            Complain(message + " (see --help)");
            return 2;
        case SimParse::Run:
            break;
    }
    if (!InstallSignals()) {
        Complain("cannot set up signal handling");
        return 1;
    }
    RaiseDescriptorLimit();
    Simulator sim(options);
    QString error;
    if (!sim.open(&error)) {
        Complain(error);
        return 1;
    }
    return sim.run();
}
