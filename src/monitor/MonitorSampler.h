#pragma once

#include <QObject>
#include <memory>
#include <optional>

#include "link/IndicatorLink.h"
#include "monitor/FillStatistics.h"
#include "monitor/MonitorSample.h"
#include "platform/Clock.h"

// The monitor's polling loop. While it runs it holds the operation guard of the window's link,
// so that every other exchange is refused, and it reads with a link of its own on the same
// port, each sample a task that awaits its replies (no wait runs an event loop): "RA", "RE", "RF"
// for each sample, "RK" when 完了 rises, "W00" once for the current product. Only read requests are
// ever sent. A silent indicator or a lost port shows as the monitor's state, never as a message
// box; the loop tries again once a second and reopens a lost port.
class MonitorSampler : public QObject {
    Q_OBJECT
  public:
    enum class State { Stopped, Running, NoAnswer, Lost, Refused };
    static QString StateText(State s);

    static constexpr int kRetryMs = 1000;
    static constexpr int kDefaultRate = 20;

    // `mainLink`: the window's link, whose port is read and whose guard is held. `periodMs`: the
    // monitor's own time-out, after which it shows "応答なし".
    explicit MonitorSampler(IndicatorLink& mainLink, int periodMs = kRetryMs,
                            QObject* parent = nullptr);
    // On a clock of the caller's (tests move time by hand): the polling schedule, the samples'
    // times and the own link's time-out all run on `clock`.
    MonitorSampler(IndicatorLink& mainLink, int periodMs, Clock& clock, QObject* parent = nullptr);
    ~MonitorSampler() override;

    // Samples per second at most; 0 reads as fast as the line answers.
    void setRate(int perSecond) { rate_ = perSecond; }
    int rate() const { return rate_; }
    // How weight replies without a decimal point count (the decimal point setting).
    void setDecimalPlaces(int places) { places_ = places; }

    // Starts polling; false (with a beep from the guard) while another operation runs.
    bool start();
    // Starts polling again after a stop made to use the link for something else (a settings
    // read): the fill under way and the product read are kept, so a fill that ended meanwhile
    // counts when the next sample sees it ended.
    bool resume();
    // Stops polling and frees the link at once; a wait in progress gives up without a message.
    void stop();
    bool running() const { return running_; }
    State state() const { return state_; }
    // The product the indicator named in its "W00" answer, once read.
    std::optional<int> product() const { return product_; }

  signals:
    void sampled(const monitor::Sample& sample);
    void filled(const monitor::Fill& fill);
    void productRead(int product);
    void stateChanged(MonitorSampler::State state);

  private:
    class LinkView;
    enum class Step { Done, NoAnswer };
    bool begin(bool afresh);

    void tick();
    // One sample as a task on the monitor's link; its end schedules the next.
    Task<void> sample();
    Task<Step> takeSample();
    void sampleEnded(Step step, bool lost);
    // Sends one read and waits for its answer, which must echo the request.
    Task<bool> read(QString request);
    void setState(State s);
    void schedule(int delayMs);
    void reopen();
    void finishStop();

    IndicatorLink& main_;
    Clock& clock_;
    SettingsStore scratch_;
    std::unique_ptr<LinkView> view_;
    std::unique_ptr<IndicatorLink> link_;
    std::optional<IndicatorLink::Operation> guard_;
    monitor::FillTracker tracker_;
    std::unique_ptr<Clock::Timer> timer_;
    qint64 attemptStart_ = 0;
    std::optional<int> product_;
    State state_ = State::Stopped;
    int rate_ = kDefaultRate;
    int places_ = 0;
    bool running_ = false;
    bool inSample_ = false;
    Started job_;  // the sample under way; goes first, as it refers to the link
};
