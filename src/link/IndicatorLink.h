#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "link/OperatorView.h"
#include "link/RunLog.h"
#include "model/SettingsStore.h"
#include "platform/EventPump.h"
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

// A reply kind and, for live data, which of the 13 live texts (SettingsStore order) it fills.
struct ReplyFor {
    ReplyKind kind;
    int live = -1;
    // NOLINTNEXTLINE(google-explicit-constructor): a plain kind reads best at the call site.
    ReplyFor(ReplyKind k) : kind(k) {}
    static ReplyFor LiveData(int liveKind) {
        ReplyFor r(ReplyKind::Live);
        r.live = liveKind;
        return r;
    }
};

// How a wait ended. A failing port is no outcome: it throws OperationError.
enum class WaitOutcome {
    Line,      // a line came (and, for awaitReply, was routed)
    TimedOut,  // the indicator fell silent (the message is shown), or the program is ending
};

// The one place where the program talks to the indicator: one request line at a time on the
// active port, one reply line awaited under an inactivity time-out, the reply routed into the
// store by what the caller says it is for.
class IndicatorLink : public QObject {
    Q_OBJECT
  public:
    static constexpr int kDefaultPeriodMs = 5000;
    static constexpr int kMaxReplyLine = 4096;
    static const QString kTimeoutMessage;

    IndicatorLink(SettingsStore& store, OperatorView& view, EventPump& pump,
                  int periodMs = kDefaultPeriodMs, QObject* parent = nullptr);
    // With a supervision timer of the caller's (tests advance it by hand).
    IndicatorLink(SettingsStore& store, OperatorView& view, EventPump& pump,
                  std::unique_ptr<SupervisionTimer> timer, QObject* parent = nullptr);

    void setActivePort(SerialPort* port) { activePort_ = port; }
    SerialPort* activePort() const { return activePort_; }

    // Writes the text and a CR. A text holding CR or LF would put a second command on the line:
    // it is refused (OperationError) and nothing is sent.
    void sendLine(const QString& request);
    // Sends on a given port (the link test uses its own link's port).
    static void SendLineOn(SerialPort* port, const QString& request);
    // Reads and discards everything waiting.
    void flushInput();
    static void FlushInputOf(SerialPort* port);
    // Waits for one reply line and routes it as `what`.
    WaitOutcome awaitReply(ReplyFor what);
    // Waits for one line and discards it with whatever arrived in the same read.
    WaitOutcome awaitLine();
    // Sends "RA", waits for any line, then flushes.
    WaitOutcome probeLink();
    // Sends "W00" and waits for one line, which is discarded.
    WaitOutcome syncPoint();

    // Once a wait has timed out, every later wait of the same operation returns at once; the
    // next operation starts afresh (`clearTimeout`, done by `beginOperation`).
    bool timedOut() const { return timedOut_; }
    void clearTimeout() { timedOut_ = false; }

    // A stop the operator asked for from outside the window (the command line's Ctrl+C). The
    // long transfers ask between records: the record under way is finished, the rest is not
    // started, and the run is kept as stopped short. The window never sets one.
    void setStopAsked(std::function<bool()> asked) { stopAsked_ = std::move(asked); }
    bool stopAsked() const { return stopAsked_ && stopAsked_(); }

    // Routes a reply line (public for the tests). A line that begins with "W00" and ends in two
    // digits sets the current product number, whatever it is routed as.
    void routeReply(const QString& line, ReplyFor what);
    // The last reply line `awaitReply` read, without its line end.
    const QString& lastReply() const { return lastReply_; }

    // The reply line in what was received: up to the first LF, without its CR LF or lone LF.
    static QString ReplyLineOf(const QByteArray& received);
    // The product a "W00" reply names (its last two characters); none when they are no number.
    static std::optional<int> ProductNumberIn(const QString& line);
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
    WaitOutcome waitForLine(ReadMode mode);
    void startWait();
    void endWait();
    void appendRead(const QByteArray& chunk);
    // The supervision timer's handler.
    void timeoutTick();

    SettingsStore* store_;
    OperatorView& view_;
    EventPump& pump_;
    std::unique_ptr<SupervisionTimer> timer_;
    SerialPort* activePort_ = nullptr;
    QByteArray replyBuffer_;
    QByteArray replySnapshot_;
    QString lastReply_;
    RunLog runs_;
    bool timedOut_ = false;
    std::function<bool()> stopAsked_;
    bool operationRunning_ = false;
    bool waiting_ = false;
};
