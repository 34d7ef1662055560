#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <memory>
#include <vector>

// Finding the indicator's port: the serial devices this machine has, and a probe that asks each
// of a list of devices at once whether an indicator answers on it.

// A device the operator may bind a port number to.
struct FoundDevice {
    QString device;       // "/dev/ttyUSB0", "tcp://192.168.0.50:4001"
    QString stableName;   // its /dev/serial/by-id name where one links to it, else `device`
    QString description;  // "FTDI FT232R USB UART, serial A10K1234"; empty when nothing is known
    bool operator==(const FoundDevice&) const = default;
};

// "/dev/ttyUSB0  FTDI FT232R USB UART, serial A10K1234", or the device alone.
QString DeviceCaption(const FoundDevice& found);

// The serial devices the system reports, then the `extra` devices (TCP addresses and paths named
// in the configuration) that are not among them, each once. Paths in `extra` that do not exist
// are left out; TCP addresses are kept.
QList<FoundDevice> ListDevices(const QStringList& extra = {});

// The link in `byIdFolder` that points at `device`; empty when none does.
QString StableNameOf(const QString& device,
                     const QString& byIdFolder = QStringLiteral("/dev/serial/by-id"));

enum class ProbeOutcome {
    Answered,      // a line came back
    Silent,        // opened, but nothing came back in time
    Busy,          // another program holds it open: not asked
    NoPermission,  // this user may not open it
    Gone,          // it is no longer there
    Failed,        // it could not be opened or reached for another reason
};

struct ProbeResult {
    QString device;
    ProbeOutcome outcome = ProbeOutcome::Silent;
    QString reply;    // the line that came back (Answered), without its line end
    QString message;  // what the operator reads about it (Japanese)
};

// Sends the link test request "RA" CR, and nothing else, to every device at once: each on a
// port of its own, opened at the given line settings (TCP devices ignore them), all bounded by
// one time-out. Non-blocking: `finished` comes from the event loop once every device has
// answered, failed or run out of time.
class PortProbe : public QObject {
    Q_OBJECT
  public:
    static constexpr int kDefaultTimeoutMs = 1000;

    explicit PortProbe(QObject* parent = nullptr);
    ~PortProbe() override;

    // Starts a probe; one still running is abandoned first.
    void start(const QStringList& devices, const QString& lineSettings,
               int timeoutMs = kDefaultTimeoutMs);
    bool running() const { return running_; }
    // One result per device, in the order given.
    const QList<ProbeResult>& results() const { return results_; }

  signals:
    void finished();

  private:
    struct Attempt;
    void startSerial(Attempt& attempt, const QString& lineSettings);
    void startTcp(Attempt& attempt, const QString& host, quint16 port);
    void received(Attempt& attempt);
    void settle(Attempt& attempt, ProbeOutcome outcome, const QString& message = {});
    void finishIfDone();
    void timedOut();
    void clear();

    std::vector<std::unique_ptr<Attempt>> attempts_;
    QList<ProbeResult> results_;
    QTimer deadline_;
    bool running_ = false;
};
