// rusk-sim: a simulated F805/F800 weighing indicator on a pseudo-terminal, a serial device or TCP,
// for training without hardware and for the integration tests. Single-threaded: one poll loop
// moves characters between the line and the Indicator, with the timing the Pacer sets.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <time.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstdio>
#include <vector>

#include "Indicator.h"
#include "Pacer.h"
#include "PtyLine.h"
#include "SimOptions.h"

namespace {

constexpr qsizetype kMaxPendingOutput = 64 * 1024;
constexpr qint64 kPtyRetryNs = 100'000'000;       // pseudo-terminal gone: look again after 0.1 s
constexpr qint64 kDeviceRetryNs = 1'000'000'000;  // device failed: reopen after 1 s

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

void Complain(const QString& text) {
    std::fprintf(stderr, "rusk-sim: %s\n", qPrintable(text));
}

QByteArray ReplyText(const QList<QByteArray>& replies, const SimOptions& o) {
    QByteArray data;
    for (const QByteArray& r : replies) {
        data += r + "\r\n";
        if (o.doubleReply) data += r + "\r\n";
        if (!o.extraLine.isNull()) data += o.extraLine + "\r\n";
    }
    return data;
}

class Simulator {
  public:
    Simulator(const SimOptions& o, PtyLine& line, QFile* log)
        : m_o(o),
          m_line(line),
          m_log(log),
          m_indicator(o.model),
          m_pacer(PaceSettings{o.baud > 0 ? qint64(o.framing) * 1'000'000'000 / o.baud : 0,
                               qint64(o.trickleMs) * 1'000'000, qint64(o.delayMs) * 1'000'000}),
          m_start(Now()) {
        m_indicator.refuseWrites(o.refusedCodes, o.refusedProducts);
        m_indicator.setCycleShape({o.cycleMs, o.freeFall});
    }

    int run();

  private:
    void serve(qint64 now);
    void writeOut();
    bool readLine();
    void lineDown(qint64 now);

    const SimOptions& m_o;
    PtyLine& m_line;
    QFile* m_log;
    Indicator m_indicator;
    Pacer m_pacer;
    qint64 m_start;
    QByteArray m_out;         // reply characters due but not yet taken by the line
    qint64 m_downUntil = -1;  // the line failed; try again at this time
};

// Answers every request that has arrived and takes the reply characters that are due.
void Simulator::serve(qint64 now) {
    QByteArray request;
    qint64 at = 0;
    while (m_pacer.takeRequest(now, &request, &at)) {
        if (m_log) {
            m_log->write(request + '\n');
            m_log->flush();
        }
        m_indicator.setTime((at - m_start) / 1'000'000);
        const QList<QByteArray> replies = m_indicator.handle(request);
        if (!m_o.silent && !replies.isEmpty()) m_pacer.send(ReplyText(replies, m_o), at);
    }
    m_out += m_pacer.takeOutput(now);
    if (m_out.size() > kMaxPendingOutput) m_out.remove(0, m_out.size() - kMaxPendingOutput);
}

void Simulator::writeOut() {
    while (!m_out.isEmpty() && m_downUntil < 0 && m_line.fd() >= 0) {
        const ssize_t n = ::write(m_line.fd(), m_out.constData(), size_t(m_out.size()));
        if (n > 0) {
            m_out.remove(0, n);
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) return;
        lineDown(Now());
    }
}

// Reads what the line holds. False when the line failed.
bool Simulator::readLine() {
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(m_line.fd(), buf, sizeof buf);
        if (n > 0) {
            m_pacer.received(QByteArray(buf, n), Now());
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN) return true;
        return false;  // EIO (no client on the pseudo-terminal), or the device went away
    }
}

void Simulator::lineDown(qint64 now) {
    m_pacer.clear();
    m_out.clear();
    if (m_line.isTcp()) {  // the client went away: wait for the next one
        m_line.dropClient();
        return;
    }
    m_downUntil = now + (m_line.isPty() ? kPtyRetryNs : kDeviceRetryNs);
}

int Simulator::run() {
    for (;;) {
        qint64 now = Now();
        if (m_downUntil >= 0 && now >= m_downUntil) {
            m_downUntil = -1;
            QString error;
            if (!m_line.isPty() && !m_line.reopenDevice(&error)) lineDown(now);
        }
        serve(now);
        writeOut();

        std::vector<pollfd> fds;
        fds.push_back({g_signalPipe[0], POLLIN, 0});
        const int stdinAt = m_o.stdinExit ? int(fds.size()) : -1;
        if (stdinAt >= 0) fds.push_back({STDIN_FILENO, POLLIN, 0});
        const int watchAt = m_line.watchFd() >= 0 ? int(fds.size()) : -1;
        if (watchAt >= 0) fds.push_back({m_line.watchFd(), POLLIN, 0});
        const int lineAt = m_downUntil < 0 && m_line.fd() >= 0 ? int(fds.size()) : -1;
        if (lineAt >= 0)
            fds.push_back({m_line.fd(), short(POLLIN | (m_out.isEmpty() ? 0 : POLLOUT)), 0});

        qint64 due = m_pacer.nextDue();
        if (m_downUntil >= 0 && (due < 0 || m_downUntil < due)) due = m_downUntil;
        timespec wait{};
        if (due >= 0) {
            const qint64 ns = std::max<qint64>(0, due - Now());
            wait.tv_sec = ns / 1'000'000'000;
            wait.tv_nsec = ns % 1'000'000'000;
        }
        if (ppoll(fds.data(), fds.size(), due >= 0 ? &wait : nullptr, nullptr) < 0) {
            if (errno == EINTR) continue;
            Complain("poll failed");
            return 1;
        }
        if (fds[0].revents) return 0;  // SIGTERM or SIGINT
        if (stdinAt >= 0 && fds[stdinAt].revents) {
            char buf[256];
            const ssize_t n = ::read(STDIN_FILENO, buf, sizeof buf);
            if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR)) return 0;
        }
        // Session ends are looked at before new characters, so that a reply left over from a
        // client that has gone is dropped while a new client's requests are still unread.
        if (watchAt >= 0 && fds[watchAt].revents &&
            (m_line.isTcp() ? m_line.acceptClient() : m_line.sessionEnded())) {
            m_pacer.clear();
            m_out.clear();
            m_line.discardUnread();
        }
        if (lineAt >= 0 && fds[lineAt].revents && !readLine()) lineDown(Now());
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

    QFile log(options.logPath);
    if (!options.logPath.isEmpty() && !log.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        Complain("cannot write the log " + options.logPath + ": " + log.errorString());
        return 1;
    }
    PtyLine line;
    QString error;
    const bool opened = !options.listenHost.isEmpty()
                            ? line.listenTcp(options.listenHost, options.listenPort, &error)
                        : options.device.isEmpty()
                            ? line.openPty(&error)
                            : line.openDevice(options.device, options.line, &error);
    if (!opened) {
        Complain(error);
        return 1;
    }
    if (!options.link.isEmpty() && !line.makeLink(options.link, &error)) {
        Complain(error);
        return 1;
    }
    std::printf("%s\n", qPrintable(line.path()));
    std::fflush(stdout);

    Simulator sim(options, line, options.logPath.isEmpty() ? nullptr : &log);
    return sim.run();
}
