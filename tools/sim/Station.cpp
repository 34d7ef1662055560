#include "Station.h"

#include <sys/epoll.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>

namespace {

constexpr qsizetype kMaxPendingOutput = 64 * 1024;
constexpr qint64 kPtyRetryNs = 100'000'000;       // pseudo-terminal gone: look again after 0.1 s
constexpr qint64 kDeviceRetryNs = 1'000'000'000;  // device failed: reopen after 1 s

qint64 Now() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
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

// The name of one of several stations' files: the number appended.
QString Numbered(const QString& path, int number, int count) {
    return count > 1 ? path + '.' + QString::number(number) : path;
}

}  // namespace

Station::Station(const SimOptions& o, qint64 start)
    : m_o(o),
      m_indicator(o.model),
      m_pacer(PaceSettings{o.baud > 0 ? qint64(o.framing) * 1'000'000'000 / o.baud : 0,
                           qint64(o.trickleMs) * 1'000'000, qint64(o.delayMs) * 1'000'000,
                           o.packLines}),
      m_start(start) {
    m_indicator.refuseWrites(o.refusedCodes, o.refusedProducts);
    m_indicator.setCycleShape({o.cycleMs, o.freeFall});
    if (o.platform) {
        m_indicator.setPlatform({o.spanErrorPpm, o.zeroOffset, o.settleMs, o.calibrationFails});
        m_indicator.placeLoad(o.load);
    }
}

void Station::placeLoad(qint64 now, qint64 load) {
    m_indicator.setTime((now - m_start) / 1'000'000);
    m_indicator.placeLoad(load);
}

Station::~Station() {
    releaseLine();
}

bool Station::open(int number, SlaveWatch& watch, QString* error) {
    if (!m_o.logPath.isEmpty()) {
        m_log.setFileName(Numbered(m_o.logPath, number, m_o.count));
        if (!m_log.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            *error = "cannot write the log " + m_log.fileName() + ": " + m_log.errorString();
            return false;
        }
    }
    const bool opened =
        !m_o.listenHost.isEmpty()
            ? m_line.listenTcp(m_o.listenHost, m_o.listenPort > 0 ? m_o.listenPort + number - 1 : 0,
                               error)
        : m_o.device.isEmpty() ? m_line.openPty(watch, error)
                               : m_line.openDevice(m_o.device, m_o.line, error);
    if (!opened) return false;
    return m_o.link.isEmpty() || m_line.makeLink(Numbered(m_o.link, number, m_o.count), error);
}

bool Station::watchWith(int epoll, quint64 lineTag, quint64 listenTag, QString* error) {
    m_epoll = epoll;
    m_lineTag = lineTag;
    if (m_line.listenFd() >= 0) {
        epoll_event e{};
        e.events = EPOLLIN;
        e.data.u64 = listenTag;
        if (epoll_ctl(m_epoll, EPOLL_CTL_ADD, m_line.listenFd(), &e) != 0) {
            *error = "cannot watch " + path();
            return false;
        }
    }
    syncLine();
    return true;
}

// Answers every request that has arrived and takes the reply characters that are due.
void Station::serve(qint64 now) {
    QByteArray request;
    qint64 at = 0;
    while (m_pacer.takeRequest(now, &request, &at)) {
        if (m_log.isOpen()) {
            m_log.write(request + '\n');
            m_log.flush();
        }
        m_indicator.setTime((at - m_start) / 1'000'000);
        const QList<QByteArray> replies = m_indicator.handle(request);
        if (!m_o.silent && !replies.isEmpty()) m_pacer.send(ReplyText(replies, m_o), at);
    }
    m_out += m_pacer.takeOutput(now);
    if (m_out.size() > kMaxPendingOutput) m_out.remove(0, m_out.size() - kMaxPendingOutput);
}

void Station::writeOut() {
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
bool Station::readLine() {
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(m_line.fd(), buf, sizeof buf);
        if (n > 0) {
            m_pacer.received(QByteArray(buf, n), Now());
            // A short read has emptied the line; the level-triggered watch tells of more.
            if (size_t(n) < sizeof buf) return true;
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN) return true;
        return false;  // EIO (no client on the pseudo-terminal), or the device went away
    }
}

void Station::lineDown(qint64 now) {
    m_pacer.clear();
    m_out.clear();
    if (m_line.isTcp()) {  // the client went away: wait for the next one
        releaseLine();
        m_line.dropClient();
        return;
    }
    m_downUntil = now + (m_line.isPty() ? kPtyRetryNs : kDeviceRetryNs);
}

void Station::tick(qint64 now) {
    m_dirty = false;
    if (m_downUntil >= 0 && now >= m_downUntil) {
        m_downUntil = -1;
        QString error;
        if (!m_line.isPty()) {
            releaseLine();
            if (!m_line.reopenDevice(&error)) lineDown(now);
        }
    }
    serve(now);
    writeOut();
    syncLine();
    updateDue();
}

void Station::updateDue() {
    m_due = m_pacer.nextDue();
    if (m_downUntil >= 0 && (m_due < 0 || m_downUntil < m_due)) m_due = m_downUntil;
}

void Station::lineReady(quint32 events) {
    m_dirty = true;
    if ((events & (EPOLLIN | EPOLLHUP | EPOLLERR)) && m_line.fd() >= 0 && !readLine())
        lineDown(Now());
}

void Station::newSession() {
    m_pacer.clear();
    m_out.clear();
    m_line.discardUnread();
    m_dirty = true;
}

void Station::clientKnocks() {
    releaseLine();  // the client's descriptor may be closed and its number taken again
    if (m_line.acceptClient()) newSession();
    syncLine();
}

void Station::slaveNotice(bool opened, bool closed) {
    m_line.noteSlave(opened, closed);
}

void Station::slaveNoticesRead() {
    if (m_line.sessionEnded()) newSession();
}

// Stops watching the line's descriptor: done before it is closed, as another station's line may
// get the same number at once.
void Station::releaseLine() {
    if (m_watchedFd >= 0 && m_epoll >= 0) epoll_ctl(m_epoll, EPOLL_CTL_DEL, m_watchedFd, nullptr);
    m_watchedFd = -1;
}

// Watches the line for reading, and for writing while replies wait, unless it is down.
void Station::syncLine() {
    if (m_epoll < 0) return;
    const int fd = m_downUntil < 0 ? m_line.fd() : -1;
    const quint32 events = m_out.isEmpty() ? quint32(EPOLLIN) : quint32(EPOLLIN | EPOLLOUT);
    if (fd == m_watchedFd && (fd < 0 || events == m_watchedEvents)) return;
    epoll_event e{};
    e.events = events;
    e.data.u64 = m_lineTag;
    if (fd == m_watchedFd) {
        epoll_ctl(m_epoll, EPOLL_CTL_MOD, fd, &e);
    } else {
        releaseLine();
        if (fd >= 0 && epoll_ctl(m_epoll, EPOLL_CTL_ADD, fd, &e) != 0) return;
        m_watchedFd = fd;
    }
    m_watchedEvents = events;
}
