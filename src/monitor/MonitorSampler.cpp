#include "monitor/MonitorSampler.h"

#include <algorithm>

#include "monitor/Weights.h"
#include "platform/OperationError.h"
#include "texts/MonitorTexts.h"

// What the monitor's own link shows: nothing. Its time-out message becomes the state
// "応答なし" through the wait's outcome instead of a box.
class MonitorSampler::LinkView : public OperatorView {
  public:
    void setStatusText(const QString&) override {}
    void setProgressVisible(bool) override {}
    void setProgress(int) override {}
    void setBusy(bool) override {}
    void showMessage(const QString&) override {}
    void beep() override {}
    void setTestResult(int, const QString&) override {}
    void redraw() override {}
};

QString MonitorSampler::StateText(State s) {
    switch (s) {
        case State::Stopped:
            return Tr(MonitorText::Stopped);
        case State::Running:
            return Tr(MonitorText::Watching);
        case State::NoAnswer:
            return Tr(MonitorText::NoAnswer);
        case State::Lost:
            return Tr(MonitorText::Lost);
        case State::Refused:
            return Tr(MonitorText::Refused);
    }
    return {};
}

MonitorSampler::MonitorSampler(IndicatorLink& mainLink, int periodMs, QObject* parent)
    : MonitorSampler(mainLink, periodMs, Clock::System(), parent) {}

MonitorSampler::MonitorSampler(IndicatorLink& mainLink, int periodMs, Clock& clock, QObject* parent)
    : QObject(parent),
      main_(mainLink),
      clock_(clock),
      view_(std::make_unique<LinkView>()),
      link_(std::make_unique<IndicatorLink>(
          scratch_, *view_, std::make_unique<ClockSupervisionTimer>(periodMs, clock))),
      timer_(clock.makeTimer([this] { tick(); })) {}

MonitorSampler::~MonitorSampler() {
    // A sample under way is dropped where it waits, without its end.
    running_ = false;
    timer_->stop();
}

bool MonitorSampler::start() {
    return begin(true);
}

bool MonitorSampler::resume() {
    return begin(false);
}

bool MonitorSampler::begin(bool afresh) {
    if (running_ || inSample_) return running_;
    IndicatorLink::Operation op = main_.beginOperation();
    if (!op) {
        setState(State::Refused);
        return false;
    }
    guard_.emplace(std::move(op));
    running_ = true;
    if (afresh) {
        product_.reset();
        tracker_.reset();
    }
    setState(State::Running);
    schedule(0);
    return true;
}

void MonitorSampler::stop() {
    if (!running_) return;
    running_ = false;
    timer_->stop();
    // A sample in progress gives up its wait at once, without a message; its end lets the link
    // go.
    if (inSample_)
        link_->abandonWait();
    else
        finishStop();
}

void MonitorSampler::finishStop() {
    guard_.reset();
    setState(State::Stopped);
}

void MonitorSampler::setState(State s) {
    if (s == state_) return;
    state_ = s;
    emit stateChanged(s);
}

void MonitorSampler::schedule(int delayMs) {
    timer_->start(std::max(0, delayMs));
}

void MonitorSampler::reopen() {
    SerialPort* port = main_.activePort();
    if (!port) return;
    try {
        port->close();
        port->open();
        setState(State::Running);
    } catch (const OperationError&) {
        // Still gone: the next try comes a second later.
    }
}

void MonitorSampler::tick() {
    if (!running_) return;
    attemptStart_ = clock_.nowMs();
    if (state_ == State::Lost) {
        reopen();
        if (state_ == State::Lost) {
            schedule(kRetryMs);
            return;
        }
    }
    inSample_ = true;
    link_->setActivePort(main_.activePort());
    link_->clearTimeout();
    job_ = Started(sample(), [this](std::exception_ptr error) {
        // Only a port's failure is expected, and sample() takes it; anything else ends the
        // sample as a lost port rather than leaving the monitor stuck in it.
        if (error && inSample_) sampleEnded(Step::NoAnswer, true);
    });
}

Task<void> MonitorSampler::sample() {
    Step step = Step::NoAnswer;
    bool lost = false;
    try {
        step = co_await takeSample();
    } catch (const OperationError&) {
        lost = true;
    }
    sampleEnded(step, lost);
}

void MonitorSampler::sampleEnded(Step step, bool lost) {
    if (running_)
        setState(lost ? State::Lost : step == Step::Done ? State::Running : State::NoAnswer);
    inSample_ = false;
    if (!running_) {
        finishStop();
        return;
    }
    const qint64 spent = clock_.nowMs() - attemptStart_;
    if (state_ != State::Running) {
        // A late answer must not be taken for the next request's.
        if (state_ == State::NoAnswer) {
            try {
                link_->flushInput();
            } catch (const OperationError&) {
                setState(State::Lost);
            }
        }
        schedule(int(kRetryMs - std::min<qint64>(spent, kRetryMs)));
    } else {
        schedule(rate_ > 0 ? int(1000 / rate_ - std::min<qint64>(spent, 1000 / rate_)) : 0);
    }
}

Task<bool> MonitorSampler::read(QString request) {
    link_->sendLine(request);
    const int kind = SettingsStore::LiveKindIndex(request);
    const ReplyFor what = kind >= 0 ? ReplyFor::LiveData(kind) : ReplyFor(ReplyKind::ProductNumber);
    const WaitOutcome outcome = co_await link_->reply(what);
    if (outcome == WaitOutcome::TimedOut) co_return false;
    co_return link_->lastReply().startsWith(request);
}

Task<MonitorSampler::Step> MonitorSampler::takeSample() {
    if (!product_) {
        {
            const bool answered = co_await read(QStringLiteral("W00"));
            if (!answered) co_return Step::NoAnswer;
        }
        const std::optional<int> n = IndicatorLink::ProductNumberIn(link_->lastReply());
        if (!n) co_return Step::NoAnswer;
        product_ = *n;
        emit productRead(*n);
    }
    monitor::Sample s;
    s.ms = clock_.currentDateTime().toMSecsSinceEpoch();
    const QString ra = QStringLiteral("RA"), re = QStringLiteral("RE"), rf = QStringLiteral("RF");
    {
        const bool answered = co_await read(ra);
        if (!answered) co_return Step::NoAnswer;
    }
    const std::optional<monitor::Weight> weight =
        monitor::ParseWeight(scratch_.live(SettingsStore::LiveKindIndex(ra)), places_);
    if (!weight) co_return Step::NoAnswer;
    s.weight = weight->value;
    s.places = weight->places;
    {
        const bool answered = co_await read(re);
        if (!answered) co_return Step::NoAnswer;
    }
    s.status2 = scratch_.live(SettingsStore::LiveKindIndex(re));
    {
        const bool answered = co_await read(rf);
        if (!answered) co_return Step::NoAnswer;
    }
    s.status3 = scratch_.live(SettingsStore::LiveKindIndex(rf));
    emit sampled(s);
    if (tracker_.take(s)) {
        const QString rk = QStringLiteral("RK");
        {
            const bool answered = co_await read(rk);
            if (!answered) co_return Step::NoAnswer;
        }
        const std::optional<monitor::Weight> final =
            monitor::ParseWeight(scratch_.live(SettingsStore::LiveKindIndex(rk)), places_);
        if (!final) co_return Step::NoAnswer;
        emit filled(tracker_.complete(final->value));
    }
    co_return Step::Done;
}
