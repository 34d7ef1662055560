#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <coroutine>
#include <functional>
#include <memory>
#include <optional>

#include "link/OperatorView.h"
#include "link/ReadCheck.h"
#include "link/RunLog.h"
#include "link/Task.h"
#include "model/SettingsStore.h"
#include "platform/SerialPort.h"
#include "platform/SupervisionTimer.h"

// What an awaited reply line is for; the link routes it accordingly.
enum class ReplyKind {
    Setting,        // "W" + code + value: stored in the code's slot (product values in the
                    // current product's record)
    ProductNumber,  // the answer to "W00": sets the current product number, stores nothing else
    LinkTest1,      // any line: the link 1 test box shows "通信ＯＫ"
    LinkTest2,      // the same for link 2
    Live,           // live data RA … RK, CA, CB: see LiveReply()
};

// A reply kind and, for live data, which of the 13 live texts (SettingsStore order) it fills;
// for a value a read asked for, the code (and product) asked: the reply is checked against it.
struct ReplyFor {
    ReplyKind kind;
    int live = -1;
    QString code;      // the code asked ("20", "12"); empty when the reply is not checked
    int product = -1;  // for a product value: the product asked
    // NOLINTNEXTLINE(google-explicit-constructor): a plain kind reads best at the call site.
    ReplyFor(ReplyKind k) : kind(k) {}
    static ReplyFor LiveData(int liveKind) {
        ReplyFor r(ReplyKind::Live);
        r.live = liveKind;
        return r;
    }
    // The reply to "W" + code: stored as a Setting reply, and noted in the open read check
    // when it is not the code's own or its value does not fit the code's rule.
    static ReplyFor Value(const QString& code, int product = -1) {
        ReplyFor r(ReplyKind::Setting);
        r.code = code;
        r.product = product;
        return r;
    }
};

// How a wait ended. A failing port is no outcome: it throws OperationError.
enum class WaitOutcome {
    Line,      // a line came (and, for awaitReply, was routed)
    TimedOut,  // the indicator fell silent (the message is shown), or the program is ending
};

// The one place where the program talks to the indicator: one request line at a time on the
// active port, one reply line awaited under an inactivity time-out and a bound on its whole
// length, the reply routed into the store by what the caller says it is for.
class IndicatorLink : public QObject {
    Q_OBJECT
  public:
    static constexpr int kDefaultPeriodMs = 5000;
    static constexpr int kMaxReplyLine = 4096;
    // The longest line the indicator answers with (the accumulated data, RJ, is some twenty
    // characters) and the longest request, line ends included: a wait may last one period
    // plus the line's time for the longest reply, however the characters trickle in.
    static constexpr int kLongestReply = 32;
    static constexpr int kLongestRequest = 9;
    // The time-out box, in the operator's language.
    static QString TimeoutMessage();

    // The link's waits are tasks; whoever starts them runs the event loop at the top.
    IndicatorLink(SettingsStore& store, OperatorView& view, int periodMs = kDefaultPeriodMs,
                  QObject* parent = nullptr);
    // On a supervision timer of the caller's (a clock's; tests advance it by hand).
    IndicatorLink(SettingsStore& store, OperatorView& view, std::unique_ptr<SupervisionTimer> timer,
                  QObject* parent = nullptr);
    ~IndicatorLink() override;

    void setActivePort(SerialPort* port) { activePort_ = port; }
    SerialPort* activePort() const { return activePort_; }

    // Writes the text and a CR. A text holding CR or LF would put a second command on the line:
    // it is refused (OperationError) and nothing is sent.
    void sendLine(const QString& request);
    // Writes a value: "W" + code + value (code "20" … for a setting, "10" … "17" for a value of
    // the selected product, `product` its number), noted in the run as sent. An empty value is
    // not sent ("W" + code alone is a read request, whose unawaited reply would shift every
    // later sync by one line): false.
    bool sendValue(int product, const QString& code, const QString& value);
    // Sends on a given port (the link test uses its own link's port).
    static void SendLineOn(SerialPort* port, const QString& request);
    // Reads and discards everything waiting.
    void flushInput();
    static void FlushInputOf(SerialPort* port);
    // The waits, as tasks to await. Each resumes when characters arrive on the port, when its
    // supervision period or its bound passes, never by running the event loop itself.
    // One reply line, read one character at a time (what follows it stays queued), routed as
    // `what`.
    Task<WaitOutcome> reply(ReplyFor what);
    // One line, discarded with whatever arrived in the same read.
    Task<WaitOutcome> line();
    // Sends "RA", waits for any line, then flushes.
    Task<WaitOutcome> probe();
    // Sends "W00" and waits for one line, which is discarded.
    Task<WaitOutcome> sync();

    // The wait under way ends at once as timed out, without a message (the program is ending,
    // or a stop that has no record to finish was asked); later waits of the operation return
    // at once.
    void abandonWait();

    // The operation guard of the window: one job at a time on the link. `startJob` runs `job` as
    // an operation (refused with a beep, as beginOperation, while another runs or the link is
    // held) and calls `ended` when it has ended, with the exception it let through, if any; the
    // link is free again by then. The job runs at once until its first wait; nothing here runs
    // an event loop. Returns false when refused.
    bool startJob(Task<void> job, Started::Done ended, bool clearTimeout = true);
    bool jobRunning() const { return jobRunning_; }
    // Ends the job under way as the program ends: every wait of it gives up at once, without a
    // message, so it runs to its end unless it waits for the operator (a box), in which case it
    // is dropped where it waits when the link goes.
    void stopJob();

    // Once a wait has timed out, every later wait of the same operation returns at once; the
    // next operation starts afresh (`clearTimeout`, done by `beginOperation`).
    bool timedOut() const { return timedOut_; }
    void clearTimeout() { timedOut_ = false; }

    // A stop the operator asked for from outside the window (the command line's Ctrl+C). The
    // long transfers ask between records: the record under way is finished, the rest is not
    // started, and the run is kept as stopped short. The window never sets one.
    void setStopAsked(std::function<bool()> asked) { stopAsked_ = std::move(asked); }
    bool stopAsked() const { return stopAsked_ && stopAsked_(); }

    // The bound of one wait: one period, and the line's time for the longest reply at the
    // active port's settings.
    qint64 replyBoundMs() const;
    // The bound of a read of `replies` requests as a whole: one period, and for each request
    // the line's time for it and the longest reply and an answer time of a tenth of a period
    // (at least 200 ms).
    qint64 readBoundMs(int replies) const;

    // Bounds the waits of a read of `replies` requests as a whole (readBoundMs) until the
    // returned guard goes; a read inside another keeps the earlier of the two ends. When the
    // end passes, the wait under way times out as after a silent period.
    class ReadBound {
      public:
        ReadBound(IndicatorLink& link, qint64 end) : link_(link), before_(link.readEnd_) {
            if (before_ < 0 || end < before_) link.readEnd_ = end;
        }
        ReadBound(const ReadBound&) = delete;
        ReadBound& operator=(const ReadBound&) = delete;
        ~ReadBound() { link_.readEnd_ = before_; }

      private:
        IndicatorLink& link_;
        qint64 before_;
    };
    [[nodiscard]] ReadBound boundRead(int replies) {
        return {*this, timer_->nowMs() + readBoundMs(replies)};
    }

    // Notes into `check` every reply to a ReplyFor::Value that is not the value asked for,
    // until the returned guard goes. A check opened inside another adds its notes to the outer
    // one when it closes.
    class CheckedReads {
      public:
        CheckedReads(IndicatorLink& link, ReadCheck& check)
            : link_(link), check_(check), outer_(std::exchange(link.check_, &check)) {}
        CheckedReads(const CheckedReads&) = delete;
        CheckedReads& operator=(const CheckedReads&) = delete;
        ~CheckedReads() {
            link_.check_ = outer_;
            if (outer_) outer_->add(check_);
        }
        // No check was open before this one: its caller tells the operator.
        bool outermost() const { return outer_ == nullptr; }

      private:
        IndicatorLink& link_;
        ReadCheck& check_;
        ReadCheck* outer_;
    };
    [[nodiscard]] CheckedReads checkReads(ReadCheck& check) { return {*this, check}; }

    // Routes a reply line (public for the tests). A line that begins with "W00" and ends in two
    // digits sets the current product number, whatever it is routed as.
    void routeReply(const QString& line, ReplyFor what);
    // The last reply line `awaitReply` read, without its line end.
    const QString& lastReply() const { return lastReply_; }

    // The reply line in what was received: up to the first LF, without its CR LF or lone LF.
    static QString ReplyLineOf(const QByteArray& received);
    // The product a "W00" reply names (its last two characters); none when they are no number.
    static std::optional<int> ProductNumberIn(const QString& line);
    // True when a line is the indicator's answer to "RA": its echo and a weight ("RA+001234",
    // "RA-0012.5"), blanks allowed around the sign and the number.
    static bool IsWeightAnswer(const QString& line);
    // A reply line quoted for a message, control characters written as <0D>.
    static QString VisibleReply(const QString& line);

    // One operator operation at a time: an operation started while another is running is
    // refused with a beep and changes nothing. Starting one clears the time-out flag.
    class Operation {
      public:
        explicit Operation(IndicatorLink* link) : link_(link) {}
        Operation(Operation&& other) noexcept : link_(std::exchange(other.link_, nullptr)) {}
        Operation(const Operation&) = delete;
        Operation& operator=(const Operation&) = delete;
        Operation& operator=(Operation&&) = delete;
        ~Operation() {
            if (link_) link_->operationRunning_ = false;
        }
        explicit operator bool() const { return link_ != nullptr; }

      private:
        IndicatorLink* link_;
    };
    Operation beginOperation(bool clearTimeout = true);
    bool operationRunning() const { return operationRunning_; }
    bool waiting() const { return waiting_; }

    // The store replies are routed into: the window's, or a scratch store while one is put in.
    SettingsStore& store() { return *store_; }
    // Routes replies into `scratch` (a read that must leave the window's data as they are)
    // until the returned guard goes.
    class ScratchRoute {
      public:
        ScratchRoute(IndicatorLink& link, SettingsStore& scratch)
            : link_(link), before_(std::exchange(link.store_, &scratch)) {}
        ScratchRoute(const ScratchRoute&) = delete;
        ScratchRoute& operator=(const ScratchRoute&) = delete;
        ~ScratchRoute() { link_.store_ = before_; }

      private:
        IndicatorLink& link_;
        SettingsStore* before_;
    };
    [[nodiscard]] ScratchRoute routeInto(SettingsStore& scratch) { return {*this, scratch}; }
    OperatorView& view() { return view_; }

    // What the running operation reads and sends; every value a setting reply stores is noted
    // here. Transfers open a run for each operation and note what they send.
    RunLog& runs() { return runs_; }
    // Opens the run of an operation on the active port and the store's model.
    [[nodiscard]] RunLog::Handle beginRun(TransferRun::Direction direction,
                                          const QString& operation);

  private:
    enum class ReadMode { OneCharacter, AllWaiting };
    // The shared wait loop: ends at the first LF or at a time-out.
    Task<WaitOutcome> waitForLine(ReadMode mode);
    // Suspends the wait until the port has news, its period ends or its bound passes.
    struct Wake {
        IndicatorLink& link;
        SerialPort* port;
        bool await_ready() const noexcept { return false; }
        void await_suspend(std::coroutine_handle<> waiting);
        void await_resume() const noexcept {}
        ~Wake();
    };
    // Resumes the wait suspended in Wake, if any.
    void wake();
    // The deadline timer set to the first moment the wait under way has outlasted its bound.
    void armDeadline();
    // The deadline timer ran out: the wait looks at its bound (a timer early by a millisecond
    // is set again).
    void deadlineReached();
    void startWait();
    void endWait();
    void appendRead(const QByteArray& chunk);
    // The supervision timer's handler.
    void timeoutTick();
    // Ends the wait under way as timed out: the message, the progress bar back to 0 and hidden.
    void timeOut();
    // Notes a reply to a value asked for in the open check when it falls short.
    void checkReply(const QString& line, const ReplyFor& what);

    SettingsStore* store_;
    OperatorView& view_;
    std::unique_ptr<SupervisionTimer> timer_;
    SerialPort* activePort_ = nullptr;
    QByteArray replyBuffer_;
    QByteArray replySnapshot_;
    QString lastReply_;
    RunLog runs_;
    bool timedOut_ = false;
    qint64 waitEnd_ = -1;  // when the wait under way times out however it trickles
    qint64 readEnd_ = -1;  // when the read under way times out as a whole; -1 for no bound
    ReadCheck* check_ = nullptr;
    std::function<bool()> stopAsked_;
    bool operationRunning_ = false;
    bool waiting_ = false;
    bool tellTimeout_ = false;  // a time-out whose message the wait shows before it returns
    bool jobRunning_ = false;
    std::coroutine_handle<> waker_;  // the wait suspended in Wake
    QPointer<SerialPort> wakePort_;  // the port whose activity() resumes it
    QMetaObject::Connection wakeOn_;
    // The job under way, and the one before it, which may still be returning from its end when
    // the next starts. Last: they refer to everything above.
    Started job_;
    Started endedJob_;
};
