#include "link/IndicatorLink.h"

#include <QRegularExpression>
#include <algorithm>
#include <functional>

#include "model/Validation.h"
#include "platform/OperationError.h"
#include "texts/LinkTexts.h"

QString IndicatorLink::TimeoutMessage() {
    return Tr(LinkText::Timeout);
}

namespace {

SerialPort* Require(SerialPort* port) {
    if (port == nullptr) throw OperationError(ErrNo::kPortNotOpen, Tr(LinkText::PortNotOpen));
    return port;
}

// Restores the pointer and stops the timer however a wait ends (a failing port included).
struct WaitGuard {
    explicit WaitGuard(std::function<void()> end) : end_(std::move(end)) {}
    ~WaitGuard() { end_(); }
    std::function<void()> end_;
};

bool IsAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool HasControlCharacter(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
}

}  // namespace

IndicatorLink::IndicatorLink(SettingsStore& store, OperatorView& view, int periodMs,
                             QObject* parent)
    : IndicatorLink(store, view, std::make_unique<QtSupervisionTimer>(periodMs), parent) {}

IndicatorLink::IndicatorLink(SettingsStore& store, OperatorView& view,
                             std::unique_ptr<SupervisionTimer> timer, QObject* parent)
    : QObject(parent), store_(&store), view_(view), timer_(std::move(timer)) {
    timer_->setTickHandler([this] { timeoutTick(); });
    timer_->setDeadlineHandler([this] { deadlineReached(); });
}

IndicatorLink::~IndicatorLink() {
    // A job still waiting is dropped where it waits, before the link it waits on goes.
    job_ = Started();
    endedJob_ = Started();
}

bool IndicatorLink::startJob(Task<void> job, Started::Done ended, bool clearTimeout) {
    if (jobRunning_ || operationRunning_ || waiting_) {
        view_.beep();
        return false;
    }
    operationRunning_ = true;
    jobRunning_ = true;
    if (clearTimeout) timedOut_ = false;
    // Started may be called from the end of the job before: that one is kept until the next.
    endedJob_ = std::move(job_);
    job_ = Started(std::move(job), [this, ended = std::move(ended)](std::exception_ptr error) {
        operationRunning_ = false;
        jobRunning_ = false;
        if (ended) ended(error);
    });
    return true;
}

void IndicatorLink::stopJob() {
    if (jobRunning_) abandonWait();
}

IndicatorLink::Operation IndicatorLink::beginOperation(bool clearTimeout) {
    if (operationRunning_ || waiting_) {
        view_.beep();
        return Operation(nullptr);
    }
    operationRunning_ = true;
    if (clearTimeout) timedOut_ = false;
    return Operation(this);
}

void IndicatorLink::SendLineOn(SerialPort* port, const QString& request) {
    if (request.contains(u'\r') || request.contains(u'\n'))
        throw OperationError(ErrNo::kInvalidProcedureCall, Tr(LinkText::LineBreakInValue));
    Require(port)->write(request.toLatin1() + '\r');
}

void IndicatorLink::sendLine(const QString& request) {
    SendLineOn(activePort_, request);
}

bool IndicatorLink::sendValue(int product, const QString& code, const QString& value) {
    if (value.isEmpty()) return false;
    sendLine(QStringLiteral("W") + code + value);
    runs().sent({product, code, value});
    return true;
}

void IndicatorLink::FlushInputOf(SerialPort* port) {
    Require(port);
    const int waiting = port->bytesWaiting();
    if (waiting > 0) port->read(waiting);
}

void IndicatorLink::flushInput() {
    FlushInputOf(activePort_);
}

qint64 IndicatorLink::replyBoundMs() const {
    const QString settings = activePort_ ? activePort_->settings() : kDefaultLineSettings;
    return timer_->periodMs() + LineTimeMs(settings, kLongestReply);
}

qint64 IndicatorLink::readBoundMs(int replies) const {
    const QString settings = activePort_ ? activePort_->settings() : kDefaultLineSettings;
    const qint64 answer = std::max(200, timer_->periodMs() / 10);
    return timer_->periodMs() +
           qint64(replies) * (LineTimeMs(settings, kLongestRequest + kLongestReply) + answer);
}

void IndicatorLink::startWait() {
    waiting_ = true;
    // After a time-out the wait returns at once: no new period, no second message.
    if (!timedOut_) {
        timer_->start();
        waitEnd_ = timer_->nowMs() + replyBoundMs();
        armDeadline();
    }
    view_.setBusy(true);
}

void IndicatorLink::endWait() {
    timer_->stop();
    timer_->setDeadline(-1);
    view_.setBusy(false);
    waiting_ = false;
}

void IndicatorLink::armDeadline() {
    const qint64 end = readEnd_ >= 0 ? std::min(waitEnd_, readEnd_) : waitEnd_;
    timer_->setDeadline(end + 1);
}

void IndicatorLink::appendRead(const QByteArray& chunk) {
    replyBuffer_ += chunk;
    if (!replyBuffer_.contains('\n') && replyBuffer_.size() > kMaxReplyLine + 2) {
        replyBuffer_.clear();
        throw OperationError(ErrNo::kInvalidProcedureCall,
                             Tr(LinkText::ReplyTooLong).arg(kMaxReplyLine));
    }
}

void IndicatorLink::Wake::await_suspend(std::coroutine_handle<> waiting) {
    link.waker_ = waiting;
    // One connection per port, kept while the port is the one waited on: characters arriving
    // between waits find no waiter.
    if (link.wakePort_ != port) {
        QObject::disconnect(link.wakeOn_);
        link.wakeOn_ =
            QObject::connect(port, &SerialPort::activity, &link, [l = &link] { l->wake(); });
        link.wakePort_ = port;
    }
}

IndicatorLink::Wake::~Wake() {
    // A wait destroyed where it was suspended leaves nothing behind to resume it.
    link.waker_ = nullptr;
}

void IndicatorLink::wake() {
    if (const std::coroutine_handle<> waiting = std::exchange(waker_, nullptr)) waiting.resume();
}

void IndicatorLink::deadlineReached() {
    const qint64 end = readEnd_ >= 0 ? std::min(waitEnd_, readEnd_) : waitEnd_;
    if (timer_->nowMs() > end)
        wake();
    else
        armDeadline();
}

void IndicatorLink::abandonWait() {
    timer_->stop();
    timer_->setDeadline(-1);
    timedOut_ = true;
    wake();
}

Task<WaitOutcome> IndicatorLink::waitForLine(ReadMode mode) {
    SerialPort* port = Require(activePort_);
    while (!replyBuffer_.contains('\n')) {
        const int waiting = port->bytesWaiting();
        const int take = mode == ReadMode::OneCharacter ? std::min(waiting, 1) : waiting;
        if (take > 0) appendRead(port->read(take));
        // Sleep only when nothing is left to read and the line is not complete yet.
        if (waiting <= take && !replyBuffer_.contains('\n') && !timedOut_)
            co_await Wake{*this, port};
        // A reply that keeps trickling in never lets a period go silent: its whole length, and
        // that of the read it belongs to, are bounded too.
        if (!timedOut_ && !replyBuffer_.contains('\n')) {
            const qint64 now = timer_->nowMs();
            if (now > waitEnd_ || (readEnd_ >= 0 && now > readEnd_)) timeOut();
        }
        if (timedOut_) {
            if (std::exchange(tellTimeout_, false)) co_await view_.box(TimeoutMessage());
            co_return WaitOutcome::TimedOut;
        }
    }
    co_return WaitOutcome::Line;
}

Task<WaitOutcome> IndicatorLink::reply(ReplyFor what) {
    replyBuffer_.clear();
    lastReply_.clear();
    {
        startWait();
        WaitGuard guard([this] { endWait(); });
        const WaitOutcome outcome = co_await waitForLine(ReadMode::OneCharacter);
        if (outcome == WaitOutcome::TimedOut) co_return WaitOutcome::TimedOut;
    }
    lastReply_ = ReplyLineOf(replyBuffer_);
    routeReply(lastReply_, what);
    checkReply(lastReply_, what);
    co_return WaitOutcome::Line;
}

Task<WaitOutcome> IndicatorLink::line() {
    replyBuffer_.clear();
    startWait();
    WaitGuard guard([this] { endWait(); });
    co_return co_await waitForLine(ReadMode::AllWaiting);
}

Task<WaitOutcome> IndicatorLink::probe() {
    replyBuffer_.clear();
    startWait();
    WaitGuard guard([this] { endWait(); });
    sendLine(QStringLiteral("RA"));
    const WaitOutcome outcome = co_await waitForLine(ReadMode::AllWaiting);
    flushInput();
    replyBuffer_.clear();
    co_return outcome;
}

Task<WaitOutcome> IndicatorLink::sync() {
    // A send that fails here fails the operation: the line wait after it would only meet the
    // same closed port and report it a second time.
    sendLine(QStringLiteral("W00"));
    co_return co_await line();
}

void IndicatorLink::timeoutTick() {
    timer_->stop();
    view_.setBusy(false);
    if (replyBuffer_ != replySnapshot_) {
        replySnapshot_ = replyBuffer_;
        timer_->start();
        view_.setBusy(true);
        return;
    }
    timeOut();
}

void IndicatorLink::timeOut() {
    timer_->stop();
    timer_->setDeadline(-1);
    view_.setBusy(false);
    timedOut_ = true;
    replySnapshot_.clear();
    replyBuffer_.clear();
    view_.setProgress(0);
    view_.setProgressVisible(false);
    // The wait shows the message before it returns; one suspended for the tick ends now.
    tellTimeout_ = true;
    wake();
}

void IndicatorLink::routeReply(const QString& line, ReplyFor what) {
    if (const std::optional<int> n = ProductNumberIn(line)) store_->setCurrentProduct(*n);
    switch (what.kind) {
        case ReplyKind::LinkTest1:
        case ReplyKind::LinkTest2:
            view_.setTestResult(what.kind == ReplyKind::LinkTest1 ? 1 : 2, Tr(LinkText::LinkOk));
            return;
        case ReplyKind::Live:
            // Data reads drop their two-letter echo; CA and CB keep the whole line.
            store_->setLive(what.live, SettingsStore::LiveKindName(what.live).startsWith(u'R')
                                           ? line.mid(2)
                                           : line);
            return;
        case ReplyKind::ProductNumber:
            return;
        case ReplyKind::Setting:
            break;
    }
    const QString code = line.mid(1, 2);
    const QString value = line.mid(3);
    if (!line.startsWith(u'W') || code.size() != 2) return;
    // A value with a control character in it (a CR or NUL inside the line) is no value the
    // indicator holds: storing it would only stop a later write at that code.
    if (HasControlCharacter(value)) return;
    if (code[0] == u'1' && code[1] >= u'0' && code[1] <= u'7') {
        store_->setProduct(store_->currentProduct(), code[1].digitValue(), value);
        runs_.read({store_->currentProduct(), code, value});
        return;
    }
    if (store_->setValue(code, value)) runs_.read({-1, code, value});
}

void IndicatorLink::checkReply(const QString& line, const ReplyFor& what) {
    if (!check_ || what.code.isEmpty()) return;
    // The code's own reply, with a value the indicator can hold, for the product asked.
    const bool own = line.startsWith(u'W') && line.mid(1, 2) == what.code;
    const bool fits = own && FitsCode(store_->model(), what.code, line.mid(3));
    const bool forProduct = what.product < 0 || store_->currentProduct() == what.product;
    if (!fits || !forProduct) check_->note({what.product, what.code, line});
}

RunLog::Handle IndicatorLink::beginRun(TransferRun::Direction direction, const QString& operation) {
    return runs_.begin(direction, operation, store_->model(),
                       activePort_ ? activePort_->deviceName() : QString());
}

QString IndicatorLink::ReplyLineOf(const QByteArray& received) {
    // Everything up to the first LF, without its line end: CR LF, or a lone LF from an indicator
    // or adapter that sends no CR. Only the line end is cut, never a data character.
    QByteArray line = received.left(received.indexOf('\n') + 1);
    if (line.endsWith('\n')) line.chop(1);
    if (line.endsWith('\r')) line.chop(1);
    return QString::fromLatin1(line);
}

std::optional<int> IndicatorLink::ProductNumberIn(const QString& line) {
    // W0000005 names product 5: its last two characters, after the code, both digits.
    if (!line.startsWith(QStringLiteral("W00")) || line.size() < 5) return std::nullopt;
    const QString tail = line.right(2);
    if (!IsAsciiDigit(tail[0]) || !IsAsciiDigit(tail[1])) return std::nullopt;
    return tail.toInt();
}

bool IndicatorLink::IsWeightAnswer(const QString& line) {
    static const QRegularExpression form(
        QStringLiteral("^RA *[+-]? *([0-9]+\\.?[0-9]*|\\.[0-9]+) *$"));
    return form.match(line).hasMatch();
}

QString IndicatorLink::VisibleReply(const QString& line) {
    // A reply as the operator can read it in a message: control characters as <0D>.
    QString out;
    for (const QChar c : line) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            out += QStringLiteral("<%1>").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        else
            out += c;
    }
    return Tr(LinkText::QuotedReply).arg(out);
}
