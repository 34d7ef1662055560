#pragma once

class SerialPort;

// One pass of a wait loop: lets the window process its pending events (timer ticks, repaints,
// clicks). When the port has nothing waiting the pass sleeps until characters arrive or a short
// slice ends, so a wait never spins a core.
class EventPump {
  public:
    virtual ~EventPump() = default;
    // Returns false when the application is ending and no more events will run: a wait must
    // give up then, or it would spin until its time-out, which can no longer fire.
    virtual bool pass(SerialPort* port, bool somethingWaiting) = 0;
};

class QtEventPump : public EventPump {
  public:
    explicit QtEventPump(int sliceMs = 10) : sliceMs_(sliceMs) {}
    bool pass(SerialPort* port, bool somethingWaiting) override;

  private:
    int sliceMs_;
};
