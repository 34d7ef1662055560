#include "ui/PortFinder.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>

#include "app/Configuration.h"
#include "app/Session.h"
#include "link/PortSettings.h"
#include "platform/OperationError.h"
#include "platform/TcpSerialPort.h"
#include "texts/WindowTexts.h"
#include "ui/MainWindow.h"
#include "ui/PortPanelView.h"

namespace {

// The same device under two names: a by-id link and its /dev/tty…, for instance.
bool SameDevice(const QString& a, const QString& b) {
    if (a == b) return true;
    if (ParseTcpDevice(a) || ParseTcpDevice(b)) return false;
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

bool StillThere(const QString& device) {
    return ParseTcpDevice(device) || QFileInfo::exists(device);
}

QString OutcomeWord(ProbeOutcome outcome) {
    switch (outcome) {
        case ProbeOutcome::Answered:
            return Tr(WindowText::Answered);
        case ProbeOutcome::Silent:
            return Tr(WindowText::NoAnswer);
        case ProbeOutcome::Busy:
            return Tr(WindowText::Use);
        case ProbeOutcome::NoPermission:
            return Tr(WindowText::NoPermission);
        case ProbeOutcome::Gone:
            return Tr(WindowText::NotFound);
        case ProbeOutcome::Failed:
            return Tr(WindowText::CannotOpen);
    }
    return {};
}

// Awaited, resumes the task from the event loop once the probe has finished (at once when none
// runs). A task dropped while it waits is never resumed.
class ProbeFinished {
  public:
    explicit ProbeFinished(PortProbe& probe) : probe_(probe) {}
    ProbeFinished(const ProbeFinished&) = delete;
    ProbeFinished& operator=(const ProbeFinished&) = delete;

    bool await_ready() const { return !probe_.running(); }
    void await_suspend(std::coroutine_handle<> waiting) {
        QObject::connect(
            &probe_, &PortProbe::finished, &context_,
            [this, waiting] {
                // Out of the probe's signal first: it is still clearing its attempts.
                QMetaObject::invokeMethod(
                    &context_, [waiting] { waiting.resume(); }, Qt::QueuedConnection);
            },
            Qt::SingleShotConnection);
    }
    void await_resume() const noexcept {}

  private:
    PortProbe& probe_;
    QObject context_;
};

}  // namespace

PortFinder::PortFinder(MainWindow& window, Session& session, PortPanelView& ports,
                       std::function<void(int)> deviceShown)
    : window_(window),
      session_(session),
      ports_(ports),
      deviceShown_(std::move(deviceShown)),
      lister_([](const QStringList& configured) { return ListDevices(configured); }) {
    // Devices come and go: look again while the panel is on screen, and whenever it is shown.
    poll_ = session_.clock().makeTimer([this] {
        poll_->start(kPollMs);
        if (ports_.panelShown()) refresh();
    });
    poll_->start(kPollMs);
    for (QGroupBox* frame : window_.controls().portFrames)
        if (frame) frame->installEventFilter(this);
}

void PortFinder::setLister(Lister lister) {
    lister_ = std::move(lister);
    listedOnce_ = false;
    refresh();
}

bool PortFinder::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) refresh();
    return QObject::eventFilter(watched, event);
}

void PortFinder::refresh() {
    const QList<FoundDevice> now = lister_(ConfiguredDevices(session_.iniPath()));
    if (listedOnce_ && now == listed_) return;
    listedOnce_ = true;
    listed_ = now;
    QStringList captions;
    for (const FoundDevice& d : listed_) captions << DeviceCaption(d);
    for (int linkNo = 1; linkNo <= 2; ++linkNo) {
        ports_.showDevices(linkNo, captions);
        showBinding(linkNo);
    }
}

int PortFinder::selectedPortNumber(int linkNo) const {
    const int position = ports_.selectedPort(linkNo);
    return position >= 0 ? position + 1 : session_.port(linkNo).portNumber();
}

void PortFinder::showBinding(int linkNo) {
    const QString bound = DevicesResolver(session_.iniPath())(selectedPortNumber(linkNo));
    int position = -1;
    for (int i = 0; i < listed_.size() && position < 0; ++i)
        if (SameDevice(bound, listed_[i].stableName) || SameDevice(bound, listed_[i].device))
            position = i;
    ports_.selectDevice(linkNo, position);
}

void PortFinder::bind(int linkNo, const FoundDevice& device) {
    if (!StillThere(device.device)) {
        window_.showMessage(Tr(WindowText::N1WasNotFound).arg(device.device));
        refresh();
        return;
    }
    const int portNumber = selectedPortNumber(linkNo);
    WriteDeviceOf(session_.iniPath(), portNumber, device.stableName);
    deviceShown_(linkNo);
    showBinding(linkNo);
    window_.setStatusText(Tr(WindowText::Com1NowNames).arg(portNumber).arg(device.stableName));
}

void PortFinder::bindListed(int linkNo) {
    const int position = ports_.selectedDevice(linkNo);
    if (position >= 0 && position < listed_.size()) bind(linkNo, listed_[position]);
}

void PortFinder::bindFound(int linkNo) {
    const QList<FoundDevice>& answered = answered_[linkNo - 1];
    const int row = ports_.pickedResult(linkNo);
    if (row >= 0 && row < answered.size() && !answered[row].device.isEmpty())
        bind(linkNo, answered[row]);
}

QString PortFinder::lineSettings(int linkNo) const {
    const QString chosen = SettingsTextOf(ports_.choice(linkNo));
    return ParseLineSettings(chosen, nullptr) ? chosen : session_.port(linkNo).settings();
}

Task<void> PortFinder::detect(int linkNo) {
    refresh();
    QStringList devices;
    for (const FoundDevice& d : listed_) devices << d.device;
    // This program's own ports would look held: they let go for the probe and open again after.
    std::vector<int> reopen;
    for (int n = 1; n <= 2; ++n)
        if (session_.port(n).isOpen()) {
            session_.port(n).close();
            reopen.push_back(n);
        }
    window_.setStatusText(Tr(WindowText::SearchingPorts));
    window_.setBusy(true);
    probe_.start(devices, lineSettings(linkNo));
    co_await ProbeFinished(probe_);  // bounded by the probe's own time-out
    window_.setBusy(false);
    for (int n : reopen) {
        QString failure;
        TrapStep([&] { session_.port(n).open(); },
                 [&](const OperationError& e) { failure = ErrorReportText(e, ErrorHint::None); });
        if (!failure.isEmpty()) co_await window_.box(failure);
    }
    co_await reportProbe(linkNo);
}

Task<void> PortFinder::reportProbe(int linkNo) {
    QList<PortPanelView::ResultRow> rows;
    QList<FoundDevice>& answered = answered_[linkNo - 1];
    answered.clear();
    QStringList permission;
    int found = 0;
    for (const ProbeResult& r : probe_.results()) {
        FoundDevice device{r.device, r.device, {}};
        for (const FoundDevice& d : listed_)
            if (d.device == r.device) device = d;
        const bool ok = r.outcome == ProbeOutcome::Answered;
        found += ok ? 1 : 0;
        rows << PortPanelView::ResultRow{
            OutcomeWord(r.outcome) + QStringLiteral("  ") + DeviceCaption(device), ok,
            Tr(WindowText::ClickAssignCom1).arg(selectedPortNumber(linkNo))};
        answered << (ok ? device : FoundDevice{});
        if (r.outcome == ProbeOutcome::NoPermission) permission << r.message;
    }
    ports_.showProbeResults(linkNo, rows);
    window_.setStatusText(found > 0 ? Tr(WindowText::Search1DevicesAnswered).arg(found)
                                    : Tr(WindowText::SearchNoDeviceAnswered));
    // One message for every device this user may not open: the fix is the same for all.
    if (!permission.isEmpty()) co_await window_.box(permission.join(QStringLiteral("\r\n")));
}
