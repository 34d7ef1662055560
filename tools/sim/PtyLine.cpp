#include "PtyLine.h"

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>
#ifdef __linux__
#include <sys/inotify.h>
#endif

namespace {

QString SystemError(const QString& what) {
    return what + ": " + QString::fromLocal8Bit(std::strerror(errno));
}

speed_t SpeedOf(int baud) {
    switch (baud) {
        case 1200:
            return B1200;
        case 2400:
            return B2400;
        case 4800:
            return B4800;
        case 9600:
            return B9600;
        case 38400:
            return B38400;
        case 57600:
            return B57600;
        case 115200:
            return B115200;
        default:
            return B19200;
    }
}

bool MakeRaw(int fd, const SimLine* line) {
    termios t{};
    if (tcgetattr(fd, &t) != 0) return false;
    cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    if (line) {
        t.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
        static const tcflag_t sizes[] = {CS5, CS6, CS7, CS8};
        t.c_cflag |= sizes[line->dataBits - 5];
        if (line->parity != 'n') t.c_cflag |= PARENB;
        if (line->parity == 'o') t.c_cflag |= PARODD;
        if (line->stopBits == 2) t.c_cflag |= CSTOPB;
        cfsetispeed(&t, SpeedOf(line->baud));
        cfsetospeed(&t, SpeedOf(line->baud));
    }
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
    return tcsetattr(fd, TCSANOW, &t) == 0;
}

}  // namespace

SlaveWatch::SlaveWatch() {
#ifdef __linux__
    m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
#endif
}

SlaveWatch::~SlaveWatch() {
    if (m_fd >= 0) ::close(m_fd);
}

int SlaveWatch::add(const char* path) {
#ifdef __linux__
    if (m_fd >= 0) return inotify_add_watch(m_fd, path, IN_OPEN | IN_CLOSE);
#else
    Q_UNUSED(path);
#endif
    return -1;
}

void SlaveWatch::read(const std::function<void(int watch, bool opened, bool closed)>& notice) {
#ifdef __linux__
    alignas(inotify_event) char buf[4096];
    for (;;) {
        const ssize_t n = ::read(m_fd, buf, sizeof buf);
        if (n <= 0) break;
        for (ssize_t i = 0; i < n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(buf + i);
            notice(e->wd, e->mask & IN_OPEN, e->mask & IN_CLOSE);
            i += ssize_t(sizeof(inotify_event) + e->len);
        }
    }
#else
    Q_UNUSED(notice);
#endif
}

PtyLine::~PtyLine() {
    if (!m_link.isEmpty()) {
        // Only remove the link if it still points at this simulator's terminal.
        if (QFile::symLinkTarget(m_link) == m_path) ::unlink(QFile::encodeName(m_link).constData());
    }
    closeAll();
}

void PtyLine::closeAll() {
    for (int* fd : {&m_fd, &m_slave, &m_listen}) {
        if (*fd >= 0) ::close(*fd);
        *fd = -1;
    }
}

bool PtyLine::openPty(SlaveWatch& watch, QString* error) {
    m_fd = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_fd < 0 || grantpt(m_fd) != 0 || unlockpt(m_fd) != 0) {
        *error = SystemError("cannot create a pseudo-terminal");
        return false;
    }
    const char* name = ptsname(m_fd);
    if (!name) {
        *error = SystemError("cannot name the pseudo-terminal");
        return false;
    }
    m_path = QString::fromLocal8Bit(name);
    m_slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_slave < 0 || !MakeRaw(m_slave, nullptr)) {
        *error = SystemError("cannot open " + m_path);
        return false;
    }
    fcntl(m_fd, F_SETFL, fcntl(m_fd, F_GETFL) | O_NONBLOCK);
    // Watching starts after the simulator's own open, so only clients are counted.
    m_watch = watch.add(name);
    return true;
}

bool PtyLine::openDevice(const QString& path, const SimLine& line, QString* error) {
    m_path = path;
    m_line = line;
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_fd < 0) {
        *error = SystemError("cannot open " + path);
        return false;
    }
    if (!MakeRaw(m_fd, &line)) {
        *error = SystemError("cannot set the line of " + path);
        return false;
    }
    tcflush(m_fd, TCIOFLUSH);
    return true;
}

bool PtyLine::listenTcp(const QString& host, int port, QString* error) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE;
    QString bare = host;
    if (bare.startsWith(u'[') && bare.endsWith(u']')) bare = bare.mid(1, bare.size() - 2);
    addrinfo* found = nullptr;
    const int rc = getaddrinfo(bare.toLocal8Bit().constData(), QByteArray::number(port).constData(),
                               &hints, &found);
    if (rc != 0 || !found) {
        *error = "cannot resolve " + host + ": " + QString::fromLocal8Bit(gai_strerror(rc));
        return false;
    }
    m_listen = ::socket(found->ai_family, found->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                        found->ai_protocol);
    const int on = 1;
    if (m_listen >= 0) ::setsockopt(m_listen, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    const bool ok = m_listen >= 0 && ::bind(m_listen, found->ai_addr, found->ai_addrlen) == 0 &&
                    ::listen(m_listen, 4) == 0;
    freeaddrinfo(found);
    sockaddr_storage bound{};
    socklen_t length = sizeof bound;
    if (!ok || ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&bound), &length) != 0) {
        *error = SystemError("cannot listen on " + host + ":" + QString::number(port));
        return false;
    }
    const int actual = bound.ss_family == AF_INET6
                           ? ntohs(reinterpret_cast<const sockaddr_in6*>(&bound)->sin6_port)
                           : ntohs(reinterpret_cast<const sockaddr_in*>(&bound)->sin_port);
    m_path = QStringLiteral("tcp://%1:%2").arg(host).arg(actual);
    return true;
}

bool PtyLine::acceptClient() {
    // A client that has just gone may not have been read yet: it no longer holds the line, and
    // what was due to it is dropped.
    char c = 0;
    const ssize_t peeked = m_fd >= 0 ? ::recv(m_fd, &c, 1, MSG_PEEK | MSG_DONTWAIT) : -1;
    bool started = m_fd >= 0 && (peeked == 0 || (peeked < 0 && errno != EAGAIN && errno != EINTR));
    if (started) dropClient();
    for (;;) {
        const int client = ::accept4(m_listen, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (client < 0) return started;
        if (m_fd >= 0) {
            ::close(client);  // one client at a time
            continue;
        }
        const int on = 1;
        ::setsockopt(client, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        m_fd = client;
        started = true;
    }
}

void PtyLine::dropClient() {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
}

bool PtyLine::reopenDevice(QString* error) {
    closeAll();
    return openDevice(m_path, m_line, error);
}

bool PtyLine::makeLink(const QString& path, QString* error) {
    const QByteArray where = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(where.constData(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) {
            *error = path + " exists and is not a symlink; leaving it alone";
            return false;
        }
        ::unlink(where.constData());
    }
    if (::symlink(QFile::encodeName(m_path).constData(), where.constData()) != 0) {
        *error = SystemError("cannot create the symlink " + path);
        return false;
    }
    m_link = path;
    return true;
}

void PtyLine::noteSlave(bool opened, bool closed) {
    if (opened) ++m_clients;
    if (closed) {
        m_clients = m_clients > 0 ? m_clients - 1 : 0;
        m_closed = true;
    }
}

bool PtyLine::sessionEnded() {
    const bool ended = m_closed && m_clients == 0;
    m_closed = false;
    return ended;
}

void PtyLine::discardUnread() {
    if (m_slave < 0) return;
    tcflush(m_slave, TCIFLUSH);
    // A serial library may have made the terminal exclusive (TIOCEXCL) and died without undoing
    // it; the next client must still be able to open it.
    ::ioctl(m_slave, TIOCNXCL);
}
