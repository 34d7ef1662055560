#include "platform/TcpSerialPort.h"

#ifdef Q_OS_UNIX
#include <signal.h>
#include <sys/socket.h>

#include <cerrno>
#endif

#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <optional>

#include "platform/OperationError.h"
#include "platform/PortFailure.h"
#include "texts/PlatformTexts.h"

bool ParseTcpDevice(const QString& device, QString* host, quint16* port) {
    if (!device.startsWith(QStringLiteral("tcp://"), Qt::CaseInsensitive)) return false;
    const QUrl url(device, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() || url.port() < 1 ||
        (!url.path().isEmpty() && url.path() != QStringLiteral("/")))
        return false;
    if (host) *host = url.host();
    if (port) *port = static_cast<quint16>(url.port());
    return true;
}

TcpSerialPort::TcpSerialPort(PortResolver resolver, int connectTimeoutMs, QObject* parent)
    : SerialPort(parent), resolver_(std::move(resolver)), connectTimeoutMs_(connectTimeoutMs) {
    connect(&socket_, &QTcpSocket::readyRead, this, &SerialPort::activity);
    connect(&socket_, &QTcpSocket::disconnected, this, &TcpSerialPort::onLost);
    connect(&socket_, &QTcpSocket::errorOccurred, this, &TcpSerialPort::onLost);
}

TcpSerialPort::~TcpSerialPort() {
    socket_.abort();
}

void TcpSerialPort::setPortNumber(int n) {
    if (open_) throw OperationError(ErrNo::kPortAlreadyOpen, Tr(PlatformText::PortAlreadyOpen));
    if (n < 1 || n > kHighestPortNumber)
        throw OperationError(ErrNo::kInvalidPort, Tr(PlatformText::InvalidPortNumber));
    portNumber_ = n;
}

void TcpSerialPort::setSettings(const QString& text) {
    if (!ParseLineSettings(text, nullptr))
        throw OperationError(ErrNo::kInvalidSettings,
                             Tr(PlatformText::InvalidLineSettings).arg(text));
    settings_ = text;
}

QString TcpSerialPort::deviceName() const {
    return resolver_ ? resolver_(portNumber_) : DefaultDeviceOf(portNumber_);
}

void TcpSerialPort::open() {
    // The same connection as openLater, waited for here without an event loop: the socket's
    // own wait reports its signals as they happen, and the time-out ends the attempt as the
    // timer would.
    bool ended = false;
    std::optional<OperationError> error;
    openLater([&](std::optional<OperationError> e) {
        error = std::move(e);
        ended = true;
    });
    if (!ended) socket_.waitForConnected(connectTimeoutMs_);
    if (!ended && endAttempt_) endAttempt_(false);
    if (error) throw *error;
}

void TcpSerialPort::openLater(Opened done) {
    if (open_ || connecting_)
        throw OperationError(ErrNo::kPortAlreadyOpen, Tr(PlatformText::PortAlreadyOpen));
    const QString device = deviceName();
    QString host;
    quint16 port = 0;
    if (!ParseTcpDevice(device, &host, &port))
        throw OperationError(ErrNo::kInvalidPort, Tr(PlatformText::BadTcpAddress).arg(device));
    openDevice_ = device;
    lostReason_.clear();
    socket_.abort();

    // The outcome is taken from the signals of this attempt, not from error(), which may still
    // hold the failure of an earlier connection. The first of them ends the attempt.
    connecting_ = std::make_unique<QObject>();
    auto* timer = new QTimer(connecting_.get());
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);  // never sooner than the time-out
    const auto end = [this, device, done = std::move(done)](bool failed) {
        if (!connecting_) return;
        // A time-out the socket's own wait reports is the attempt's time-out.
        if (failed && socket_.error() == QAbstractSocket::SocketTimeoutError) failed = false;
        QObject* attempt = connecting_.release();
        QObject::disconnect(&socket_, nullptr, attempt, nullptr);
        attempt->deleteLater();
        if (!failed && socket_.state() == QAbstractSocket::ConnectedState) {
            socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
            open_ = true;
            done(std::nullopt);
            return;
        }
        const QString why = failed ? PortFailureReason(socket_.error())
                                   : Tr(PlatformText::NoConnectAnswer).arg(connectTimeoutMs_);
        socket_.abort();
        done(OperationError(ErrNo::kInvalidPort, Tr(PlatformText::CannotConnect).arg(device, why)));
    };
    endAttempt_ = end;
    connect(timer, &QTimer::timeout, connecting_.get(), [end] { end(false); });
    connect(&socket_, &QTcpSocket::connected, connecting_.get(), [end] { end(false); });
    connect(&socket_, &QTcpSocket::errorOccurred, connecting_.get(), [end] { end(true); });
    socket_.connectToHost(host, port);
    if (!connecting_) return;  // already ended
    if (socket_.state() == QAbstractSocket::ConnectedState)
        end(false);
    else
        timer->start(connectTimeoutMs_);
}

void TcpSerialPort::close() {
    connecting_.reset();  // an attempt under way ends without its handler
    open_ = false;
    socket_.abort();
}

void TcpSerialPort::onLost() {
    if (!open_) return;
    // Like a serial device that went away: the port closes at once and the next read or write
    // reports why.
    lostReason_ =
        Tr(PlatformText::ConnectionLost).arg(openDevice_, PortFailureReason(socket_.error()));
    open_ = false;
    emit activity();
}

void TcpSerialPort::requireOpen() {
    if (open_) return;
    if (!lostReason_.isEmpty()) throw OperationError(ErrNo::kPortNotOpen, lostReason_);
    throw OperationError(ErrNo::kPortNotOpen, Tr(PlatformText::PortNotOpen));
}

void TcpSerialPort::write(const QByteArray& data) {
    requireOpen();
    qsizetype sent = 0;
#ifdef Q_OS_UNIX
    // Straight to the socket while nothing waits in Qt's buffer: a buffered write switches the
    // socket's write notifier on and off again, which wakes the event loop twice per request,
    // and with hundreds of links that is most of the work. What the socket does not take, and
    // any failure, goes the buffered way, which reports it.
    if (socket_.bytesToWrite() == 0 && socket_.state() == QAbstractSocket::ConnectedState) {
        // Qt's own socket write ignores SIGPIPE for the whole process from its first write on;
        // so does this one, so that a closed pipe elsewhere (`rusk-cli live | head`) ends the
        // program the same way whichever path the request took.
        static const bool sigpipeIgnored = [] {
            struct sigaction ignore {};
            ignore.sa_handler = SIG_IGN;
            return sigaction(SIGPIPE, &ignore, nullptr) == 0;
        }();
        Q_UNUSED(sigpipeIgnored);
        ssize_t n;
        do {
            n = ::send(int(socket_.socketDescriptor()), data.constData(), size_t(data.size()),
                       MSG_NOSIGNAL);
        } while (n < 0 && errno == EINTR);
        if (n == data.size()) return;
        sent = std::max<qsizetype>(n, 0);
    }
#endif
    const QByteArray rest = sent > 0 ? data.mid(sent) : data;
    if (socket_.write(rest) != rest.size()) {
        const QString why = PortFailureReason(socket_.error());
        throw OperationError(ErrNo::kPortNotOpen, Tr(PlatformText::CannotSend).arg(why));
    }
    socket_.flush();
}

int TcpSerialPort::bytesWaiting() {
    requireOpen();
    return static_cast<int>(socket_.bytesAvailable());
}

QByteArray TcpSerialPort::read(int maxChars) {
    requireOpen();
    return maxChars <= 0 ? socket_.readAll() : socket_.read(maxChars);
}
