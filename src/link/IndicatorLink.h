#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

#include "link/OperatorView.h"
#include "model/SettingsStore.h"
#include "platform/EventPump.h"
#include "platform/SerialPort.h"

// The one place where the program talks to the indicator: one request line at a time on the
// active port, one reply line awaited under an inactivity time-out, the reply routed into the
// store by the tag the caller set (`expectedReply`).
class IndicatorLink : public QObject {
    Q_OBJECT
  public:
    static constexpr int kDefaultPeriodMs = 5000;
    static constexpr int kMaxReplyLine = 4096;
    static const QString kTimeoutMessage;

    IndicatorLink(SettingsStore& store, OperatorView& view, EventPump& pump,
                  int periodMs = kDefaultPeriodMs, QObject* parent = nullptr);

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
    // Waits for one reply line and routes it.
    void awaitReply();
    // Waits for one line and discards it with whatever arrived in the same read.
    void awaitLine();
    // Sends "RA", waits for any line, then flushes.
    void probeLink();
    // Sends "W00"; a failing send is reported (with the 8018 hint) and the operation goes on.
    void sendSyncQuery();
    void syncPoint();
    // The supervision timer's handler.
    void timeoutTick();

    // Routes a reply line by `expectedReply` (public for the tests). A line that begins with
    // "W00" and ends in two digits sets the current product number, whatever the tag.
    void routeReply(const QString& line);
    // The last reply line `awaitReply` read, without its line end.
    const QString& lastReply() const { return lastReply_; }

    // The reply line in what was received: up to the first LF, without its CR LF or lone LF.
    static QString ReplyLineOf(const QByteArray& received);
    // The product a "W00" reply names (its last two characters); none when they are no number.
    static std::optional<int> ProductNumberIn(const QString& line);
    // A reply line quoted for a message, control characters written as <0D>.
    static QString VisibleReply(const QString& line);

    QString expectedReply;
    bool linkTimedOut = false;

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

    SettingsStore& store() { return store_; }
    OperatorView& view() { return view_; }

  private:
    enum class ReadMode { OneCharacter, AllWaiting };
    // The shared wait loop: ends at the first LF or at a time-out.
    void waitForLine(ReadMode mode);
    void startWait();
    void endWait();
    void appendRead(const QByteArray& chunk);

    SettingsStore& store_;
    OperatorView& view_;
    EventPump& pump_;
    SerialPort* activePort_ = nullptr;
    QTimer timer_;
    QByteArray replyBuffer_;
    QByteArray replySnapshot_;
    QString lastReply_;
    bool operationRunning_ = false;
    bool waiting_ = false;
};
