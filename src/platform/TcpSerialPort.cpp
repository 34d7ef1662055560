#include "platform/TcpSerialPort.h"

#include <QEventLoop>
#include <QTimer>
#include <QUrl>

#include "platform/OperationError.h"
#include "platform/PortFailure.h"

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
    if (open_)
        throw OperationError(ErrNo::kPortAlreadyOpen, QStringLiteral("ポートは既に開いています。"));
    if (n < 1 || n > kHighestPortNumber)
        throw OperationError(ErrNo::kInvalidPort, QStringLiteral("ポート番号が無効です。"));
    portNumber_ = n;
}

void TcpSerialPort::setSettings(const QString& text) {
    if (!ParseLineSettings(text, nullptr))
        throw OperationError(ErrNo::kInvalidSettings,
                             QStringLiteral("通信設定 \"%1\" は無効です。").arg(text));
    settings_ = text;
}

QString TcpSerialPort::deviceName() const {
    return resolver_ ? resolver_(portNumber_) : DefaultDeviceOf(portNumber_);
}

void TcpSerialPort::open() {
    if (open_)
        throw OperationError(ErrNo::kPortAlreadyOpen, QStringLiteral("ポートは既に開いています。"));
    const QString device = deviceName();
    QString host;
    quint16 port = 0;
    if (!ParseTcpDevice(device, &host, &port))
        throw OperationError(
            ErrNo::kInvalidPort,
            QStringLiteral(
                "%1 は TCP の接続先として無効です（tcp://ホスト:ポート と書いて下さい）。")
                .arg(device));
    openDevice_ = device;
    lostReason_.clear();
    socket_.abort();

    // The outcome is taken from the signals of this attempt, not from error(), which may still
    // hold the failure of an earlier connection.
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);  // never sooner than the time-out
    bool connected = false;
    bool failed = false;
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(&socket_, &QTcpSocket::connected, &loop, [&] {
        connected = true;
        loop.quit();
    });
    connect(&socket_, &QTcpSocket::errorOccurred, &loop, [&] {
        failed = true;
        loop.quit();
    });
    socket_.connectToHost(host, port);
    if (!connected && !failed && socket_.state() != QAbstractSocket::ConnectedState) {
        timer.start(connectTimeoutMs_);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (failed || socket_.state() != QAbstractSocket::ConnectedState) {
        const QString why =
            failed ? PortFailureReason(socket_.error())
                   : QStringLiteral("%1 ミリ秒以内に応答がありません").arg(connectTimeoutMs_);
        socket_.abort();
        throw OperationError(ErrNo::kInvalidPort,
                             QStringLiteral("%1 に接続できません（%2）。").arg(device, why));
    }
    socket_.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    open_ = true;
}

void TcpSerialPort::close() {
    open_ = false;
    socket_.abort();
}

void TcpSerialPort::onLost() {
    if (!open_) return;
    // Like a serial device that went away: the port closes at once and the next read or write
    // reports why.
    lostReason_ = QStringLiteral("%1 との接続が切れました（%2）。")
                      .arg(openDevice_, PortFailureReason(socket_.error()));
    open_ = false;
    emit activity();
}

void TcpSerialPort::requireOpen() {
    if (open_) return;
    if (!lostReason_.isEmpty()) throw OperationError(ErrNo::kPortNotOpen, lostReason_);
    throw OperationError(ErrNo::kPortNotOpen, QStringLiteral("ポートが開いていません。"));
}

void TcpSerialPort::write(const QByteArray& data) {
    requireOpen();
    if (socket_.write(data) != data.size()) {
        const QString why = PortFailureReason(socket_.error());
        throw OperationError(ErrNo::kPortNotOpen,
                             QStringLiteral("送信できません（%1）。").arg(why));
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
