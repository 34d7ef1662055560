#include "support/SimSerialPort.h"

#include "platform/OperationError.h"

void SimSerialPort::setPortNumber(int n) {
    if (open_) throw OperationError(ErrNo::kPortAlreadyOpen, "already open");
    if (n < 1 || n > kHighestPortNumber) throw OperationError(ErrNo::kInvalidPort, "invalid port");
    number_ = n;
}

void SimSerialPort::setSettings(const QString& text) {
    if (!ParseLineSettings(text, nullptr)) throw OperationError(ErrNo::kInvalidSettings, "bad");
    settings_ = text;
}

void SimSerialPort::open() {
    if (open_) throw OperationError(ErrNo::kPortAlreadyOpen, "already open");
    if (failOpenWith) throw OperationError(failOpenWith, "cannot open");
    open_ = true;
}

void SimSerialPort::write(const QByteArray& data) {
    requireOpen();
    framing_.received(data, 0);
    QByteArray request;
    qint64 at = 0;
    while (open_ && framing_.takeRequest(0, &request, &at)) answer(request);
}

void SimSerialPort::answer(const QByteArray& request) {
    requests << QString::fromLatin1(request);
    if (requests.size() == pullAtRequest) {
        pullOut();
        return;
    }
    if (beforeAnswer) beforeAnswer();
    QByteArray reply;
    for (const QByteArray& line : indicator_.handle(request)) reply += line + "\r\n";
    if (answerFirst >= 0 && requests.size() > answerFirst) reply.clear();
    queue(alter ? alter(QString::fromLatin1(request), reply) : reply);
}

int SimSerialPort::bytesWaiting() {
    requireOpen();
    return static_cast<int>(input_.size());
}

QByteArray SimSerialPort::read(int maxChars) {
    requireOpen();
    const qsizetype n =
        maxChars <= 0 ? input_.size() : std::min<qsizetype>(maxChars, input_.size());
    const QByteArray out = input_.left(n);
    input_.remove(0, n);
    return out;
}

void SimSerialPort::queue(const QByteArray& bytes) {
    if (bytes.isEmpty()) return;
    input_ += bytes;
    emit activity();
}

void SimSerialPort::pullOut() {
    open_ = false;
    lost_ = true;
    emit activity();
}

void SimSerialPort::requireOpen() const {
    if (!open_)
        throw OperationError(ErrNo::kPortNotOpen, lost_ ? "device removed" : "port not open");
}
