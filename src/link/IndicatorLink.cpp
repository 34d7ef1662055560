#include "link/IndicatorLink.h"

#include <algorithm>
#include <functional>

#include "platform/OperationError.h"

const QString IndicatorLink::kTimeoutMessage = QStringLiteral("    エラー。タイムアウト    ");

namespace {

SerialPort* Require(SerialPort* port) {
    if (port == nullptr)
        throw OperationError(ErrNo::kPortNotOpen, QStringLiteral("ポートが開いていません。"));
    return port;
}

// Restores the pointer and stops the timer however a wait ends (a failing port included).
struct WaitGuard {
    explicit WaitGuard(std::function<void()> end) : end_(std::move(end)) {}
    ~WaitGuard() { end_(); }
    std::function<void()> end_;
};

}  // namespace

IndicatorLink::IndicatorLink(SettingsStore& store, OperatorView& view, EventPump& pump,
                             int periodMs, QObject* parent)
    : QObject(parent), store_(store), view_(view), pump_(pump) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(periodMs);
    connect(&timer_, &QTimer::timeout, this, &IndicatorLink::timeoutTick);
}

IndicatorLink::Operation IndicatorLink::beginOperation(bool clearTimeout) {
    if (operationRunning_ || waiting_) {
        view_.beep();
        return Operation(nullptr);
    }
    operationRunning_ = true;
    if (clearTimeout) linkTimedOut = false;
    return Operation(this);
}

void IndicatorLink::SendLineOn(SerialPort* port, const QString& request) {
    if (request.contains(u'\r') || request.contains(u'\n'))
        throw OperationError(ErrNo::kInvalidProcedureCall,
                             QStringLiteral("送信する値に改行文字が含まれています。"));
    Require(port)->write(request.toLatin1() + '\r');
}

void IndicatorLink::sendLine(const QString& request) {
    SendLineOn(activePort_, request);
}

void IndicatorLink::FlushInputOf(SerialPort* port) {
    Require(port);
    const int waiting = port->bytesWaiting();
    if (waiting > 0) port->read(waiting);
}

void IndicatorLink::flushInput() {
    FlushInputOf(activePort_);
}

void IndicatorLink::startWait() {
    waiting_ = true;
    timer_.start();
    view_.setBusy(true);
}

void IndicatorLink::endWait() {
    timer_.stop();
    view_.setBusy(false);
    waiting_ = false;
}

void IndicatorLink::appendRead(const QByteArray& chunk) {
    replyBuffer_ += chunk;
    if (!replyBuffer_.contains('\n') && replyBuffer_.size() > kMaxReplyLine + 2) {
        replyBuffer_.clear();
        throw OperationError(ErrNo::kInvalidProcedureCall,
                             QStringLiteral("指示計からの応答が長すぎます（%1 文字を超えました）。")
                                 .arg(kMaxReplyLine));
    }
}

void IndicatorLink::waitForLine(ReadMode mode) {
    SerialPort* port = Require(activePort_);
    while (!replyBuffer_.contains('\n')) {
        const int waiting = port->bytesWaiting();
        const int take = mode == ReadMode::OneCharacter ? std::min(waiting, 1) : waiting;
        if (take > 0) appendRead(port->read(take));
        // Let the window run (timer ticks, repaints, clicks); sleep only when nothing is left
        // to read and the line is not complete yet.
        if (!pump_.pass(port, waiting > take || replyBuffer_.contains('\n'))) {
            // The program is ending (its window was closed during the wait): stop as after a
            // time-out, without a message, so the operation unwinds at once.
            timer_.stop();
            linkTimedOut = true;
            break;
        }
        if (linkTimedOut) break;
    }
}

void IndicatorLink::awaitReply() {
    replyBuffer_.clear();
    {
        startWait();
        WaitGuard guard([this] { endWait(); });
        waitForLine(ReadMode::OneCharacter);
    }
    if (linkTimedOut) return;
    routeReply(QString::fromLatin1(replyBuffer_.left(replyBuffer_.size() - 2)));
}

void IndicatorLink::awaitLine() {
    replyBuffer_.clear();
    startWait();
    WaitGuard guard([this] { endWait(); });
    waitForLine(ReadMode::AllWaiting);
}

void IndicatorLink::probeLink() {
    replyBuffer_.clear();
    startWait();
    WaitGuard guard([this] { endWait(); });
    sendLine(QStringLiteral("RA"));
    waitForLine(ReadMode::AllWaiting);
    flushInput();
    replyBuffer_.clear();
}

void IndicatorLink::sendSyncQuery() {
    try {
        sendLine(QStringLiteral("W00"));
    } catch (const OperationError& e) {
        view_.showMessage(ErrorReportText(e, ErrorHint::Port8018));
    }
}

void IndicatorLink::syncPoint() {
    sendSyncQuery();
    awaitLine();
}

void IndicatorLink::timeoutTick() {
    timer_.stop();
    view_.setBusy(false);
    if (replyBuffer_ != replySnapshot_) {
        replySnapshot_ = replyBuffer_;
        timer_.start();
        view_.setBusy(true);
        return;
    }
    linkTimedOut = true;
    replySnapshot_.clear();
    replyBuffer_.clear();
    view_.setProgress(0);
    view_.setProgressVisible(false);
    view_.showMessage(kTimeoutMessage);
}

void IndicatorLink::routeReply(const QString& line) {
    if (line.size() < 2)
        throw OperationError(ErrNo::kInvalidProcedureCall,
                             QStringLiteral("指示計からの応答が短すぎます。"));
    if (line.startsWith(QStringLiteral("W00"))) {
        // The last two characters name the product: W0000005 selects product 5.
        store_.currentProductNo = static_cast<qint16>(line.right(2).toInt());
    }
    const QString& tag = expectedReply;
    if (tag == QStringLiteral("TEST1") || tag == QStringLiteral("TEST2")) {
        view_.setTestResult(tag.back().digitValue(), QStringLiteral("通信ＯＫ"));
        return;
    }
    const int live = SettingsStore::LiveKindIndex(tag);
    if (live >= 0) {
        // Data reads drop their two-letter echo; CA and CB keep the whole line.
        store_.setLive(live, tag.startsWith(u'R') ? line.mid(2) : line);
        return;
    }
    if (tag != QStringLiteral("WR")) return;
    const QString code = line.mid(1, 2);
    const QString value = line.mid(3);
    if (!line.startsWith(u'W') || code.size() != 2) return;
    if (code[0] == u'1' && code[1] >= u'0' && code[1] <= u'7') {
        const int n = store_.currentProductNo;
        if (n < 0 || n >= SettingsStore::kProducts)
            throw OperationError(ErrNo::kSubscriptOutOfRange,
                                 QStringLiteral("銘柄番号 %1 は範囲外です。").arg(n));
        store_.setProduct(n, code[1].digitValue(), value);
        return;
    }
    store_.setValue(code, value);
}
