#pragma once

class SerialPort;

// One pass of a wait loop: lets the window process its pending events (timer ticks, repaints,
// clicks). When the port has nothing waiting the pass sleeps until characters arrive or a short
// slice ends, so a wait never spins a core.
class EventPump {
  public:
    virtual ~EventPump() = default;
    virtual void pass(SerialPort* port, bool somethingWaiting) = 0;
};

class QtEventPump : public EventPump {
  public:
    explicit QtEventPump(int sliceMs = 10) : sliceMs_(sliceMs) {}
    void pass(SerialPort* port, bool somethingWaiting) override;

  private:
    int sliceMs_;
};
