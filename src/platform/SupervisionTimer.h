#pragma once

#include <QTimer>
#include <functional>

// The periodic tick that supervises a wait for the indicator. The link starts it when a wait
// begins and stops it when the wait ends; each period it calls the tick handler. Tests put in a
// timer they advance by hand.
class SupervisionTimer {
  public:
    virtual ~SupervisionTimer() = default;
    virtual void start() = 0;  // a full new period from now
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
    void setTickHandler(std::function<void()> handler) { onTick_ = std::move(handler); }

  protected:
    void tick() {
        if (onTick_) onTick_();
    }

  private:
    std::function<void()> onTick_;
};

// The real one: a Qt timer on the window's thread, delivered between passes of the wait loop.
class QtSupervisionTimer : public SupervisionTimer {
  public:
    explicit QtSupervisionTimer(int periodMs) {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(periodMs);
        QObject::connect(&timer_, &QTimer::timeout, [this] { tick(); });
    }
    void start() override { timer_.start(); }
    void stop() override { timer_.stop(); }
    bool isActive() const override { return timer_.isActive(); }

  private:
    QTimer timer_;
};
