#include "ui/Program.h"

#include <QDir>
#include <QFileInfo>

#include "app/Configuration.h"
#include "link/PortSettings.h"
#include "model/TabLayout.h"
#include "platform/IniFile.h"
#include "platform/TcpSerialPort.h"
#include "ui/DataFileView.h"
#include "ui/MainWindow.h"
#include "ui/ModelSwitchView.h"
#include "ui/PortFinder.h"
#include "ui/ReportView.h"
#include "ui/TrustView.h"
#include "ui/monitor/MonitorWindow.h"

Program::Program(MainWindow& window, const QString& iniPath, int periodMs)
    : Program(window, iniPath, Session::SerialPortsFor(iniPath), periodMs) {}

Program::Program(MainWindow& window, const QString& iniPath, int periodMs, Clock& clock)
    : Program(window, iniPath, Session::SerialPortsFor(iniPath), periodMs, clock) {}

Program::Program(MainWindow& window, const QString& iniPath,
                 std::array<std::unique_ptr<SerialPort>, 2> ports, int periodMs, Clock& clock)
    : window_(window),
      session_(std::make_unique<Session>(window.store(), window, iniPath, std::move(ports),
                                         periodMs, clock)),
      modelSwitch_(std::make_unique<ModelSwitchView>(window, *session_)),
      productPanel_(window),
      ports_(window),
      products_(session_->link(), productPanel_) {
    session_->setShowStatusTab([this] { window_.showTab(tablayout::kStatus); });
    window_.setOperationHandler([this](Operation op, int index) { return handle(op, index); });
    window_.setJobHandler([this](Operation op, int index) { return job(op, index); });
    window_.setLink(&session_->link());
    ports_.onPortChanged([this](int linkNo) { showDevicePath(linkNo); });
    dataFiles_ = std::make_unique<DataFileView>(window_, iniPath);
    dataFiles_->setSource(&session_->source());
    trust_ = std::make_unique<TrustView>(window_, *session_, products_, productPanel_);
    // The settings sheet and the CSV files; a child of the window, found there by its type. Its
    // dialogs start where the data file dialogs last went.
    new ReportView(
        window_,
        [this] {
            const DataSource& source = session_->source();
            return SheetSource{session_->port(session_->activeLink()).deviceName(),
                               source.origin(),
                               source.edited(window_.store()),
                               {}};
        },
        [this] {
            const QFileInfo file(ReadDataFilePath(session_->iniPath()));
            return file.isFile() ? file.absolutePath() : QString();
        });
    finder_ = std::make_unique<PortFinder>(window_, *session_, ports_,
                                           [this](int linkNo) { showDevicePath(linkNo); });
}

Program::~Program() {
    // A job still waiting for the indicator gives up at once, without a message, and ends as
    // after a time-out (its run kept in the journal); one waiting for the operator is dropped.
    session_->link().stopJob();
    delete window_.findChild<ReportView*>(QString(), Qt::FindDirectChildrenOnly);
    delete monitor_;
    window_.setOperationHandler({});
    window_.setJobHandler({});
    window_.setLink(nullptr);
}

StartupResult Program::start(const QString& programFolder) {
    startup_ = RunStartUp(*session_, *this, programFolder);
    session_->notePortsOpen();
    finder_->refresh();
    showDevicePath(1);
    showDevicePath(2);
    return startup_;
}

namespace {

// The port an operation talks on: the active link's, or for the link test the tested link's.
// None for operations that open or close ports themselves, or talk to none.
SerialPort* PortUsedBy(Operation op, int index, Session& session) {
    if (ReachOf(op) != Reach::Indicator || op == Operation::ApplyPortSettings ||
        op == Operation::DetectDevices)
        return nullptr;
    if (op == Operation::TestLink) return index == 1 || index == 2 ? &session.port(index) : nullptr;
    return session.link().activePort();
}

}  // namespace

bool Program::handle(Operation op, int index) {
    // A port that failed is opened again for the operation that needs it; every operation
    // ends with the ports noted, for the next.
    if (SerialPort* port = PortUsedBy(op, index, *session_)) session_->reopenIfLost(*port);
    const bool handled = run(op, index);
    session_->notePortsOpen();
    return handled;
}

namespace {

// The exchanges with the indicator, which run as jobs on the link.
bool IsJob(Operation op, int index) {
    switch (op) {
        case Operation::ReadAllSettings:
        case Operation::WriteAllSettings:
        case Operation::LiveData:
        case Operation::CompareWithIndicator:
        case Operation::ChangeProduct:
        case Operation::ReadOneProduct:
        case Operation::ReadAllProducts:
        case Operation::AllRead:
        case Operation::WriteOneProduct:
        case Operation::WriteAllProducts:
        case Operation::WriteShownToTarget:
        case Operation::WriteShownToAll:
        case Operation::AllWrite:
            return true;
        case Operation::TestLink:
        case Operation::DetectDevices:
            return index == 1 || index == 2;
        default:
            return false;
    }
}

}  // namespace

Task<void> Program::job(Operation op, int index) {
    if (!IsJob(op, index)) return {};
    return operate(op, index);
}

Task<void> Program::operate(Operation op, int index) {
    if (SerialPort* port = PortUsedBy(op, index, *session_)) session_->reopenIfLost(*port);
    std::exception_ptr error;
    try {
        co_await exchange(op, index);
    } catch (...) {
        error = std::current_exception();
    }
    session_->notePortsOpen();
    if (error) std::rethrow_exception(error);
}

Task<void> Program::exchange(Operation op, int index) {
    switch (op) {
        case Operation::ReadAllSettings:
            (void)co_await session_->transfers().readAllSettings();
            break;
        case Operation::WriteAllSettings:
            co_await trust_->aroundWrite(
                op, [this] { return session_->transfers().writeAllSettings(); });
            break;
        case Operation::LiveData:
            co_await session_->live().press(index);
            break;
        case Operation::TestLink:
            co_await TestLink(session_->link(), index, &session_->port(index));
            break;
        case Operation::CompareWithIndicator:
            co_await trust_->compareWithIndicator();
            break;
        case Operation::DetectDevices:
            co_await finder_->detect(index);
            break;
        case Operation::WriteOneProduct:
        case Operation::WriteAllProducts:
        case Operation::WriteShownToTarget:
        case Operation::WriteShownToAll:
        case Operation::AllWrite:
            co_await trust_->aroundWrite(op, [this, op] { return productOperation(op); });
            break;
        default:
            co_await productOperation(op);
            break;
    }
}

bool Program::run(Operation op, int index) {
    // The window has made sure that no other exchange runs (see MainWindow::dispatch); the
    // exchanges themselves are jobs (see job()).
    if (trust_->handle(op, index)) return true;
    if (auto* report = window_.findChild<ReportView*>(QString(), Qt::FindDirectChildrenOnly))
        if (report->handle(op)) return true;
    switch (op) {
        case Operation::Exit:
            exitProgram();
            return true;
        case Operation::ClearAll:
            window_.clearAll();
            session_->source().cleared(window_.store());
            return true;
        case Operation::LoadDataFile:
            dataFiles_->load(index);
            return true;
        case Operation::SaveDataFile:
            dataFiles_->save();
            return true;
        case Operation::SelectModel:
            modelSwitch_->selectModel(index);
            return true;
        case Operation::SetPortAssignment:
            modelSwitch_->setPortAssignment();
            return true;
        case Operation::ApplyPortSettings:
            applyPortSettings(index);
            return true;
        case Operation::BindListedDevice:
            if (index == 1 || index == 2) finder_->bindListed(index);
            return true;
        case Operation::BindFoundDevice:
            if (index == 1 || index == 2) finder_->bindFound(index);
            return true;
        case Operation::Version:
            window_.showMessage(VersionBoxText(session_->iniPath()));
            return true;
        case Operation::ShowMonitor:
            showMonitor();
            return true;
        default:
            return false;
    }
}

Task<void> Program::productOperation(Operation op) {
    switch (op) {
        case Operation::ChangeProduct:
            co_await products_.changeProduct();
            break;
        case Operation::ReadOneProduct:
            co_await products_.readOneProduct();
            break;
        case Operation::ReadAllProducts:
            co_await products_.readAllProducts();
            break;
        case Operation::WriteOneProduct:
            co_await products_.writeOneProduct();
            break;
        case Operation::WriteAllProducts:
            co_await products_.writeAllProducts();
            break;
        case Operation::WriteShownToTarget:
            co_await products_.writeShownToTarget();
            break;
        case Operation::WriteShownToAll:
            co_await products_.writeShownToAll();
            break;
        case Operation::AllRead:
            co_await products_.allRead(session_->transfers());
            break;
        case Operation::AllWrite:
            co_await products_.allWrite(session_->transfers());
            break;
        default:
            break;
    }
}

void Program::applyPortSettings(int linkNo) {
    if (linkNo != 1 && linkNo != 2) return;
    const PortChoice choice = ports_.choice(linkNo);
    const QString ini = session_->iniPath();
    ApplyPortSettings(
        session_->port(linkNo), choice, window_,
        [ini, linkNo](const PortEntry& entry) { WritePortEntry(ini, linkNo, entry); },
        [this, linkNo] { focusPortList(linkNo); });
    showDevicePath(linkNo);
}

MonitorWindow* Program::monitor() const {
    return monitor_;
}

void Program::showMonitor() {
    if (!monitor_) {
        monitor_ = new MonitorWindow(session_->link(), &window_);
        // While the monitor holds the link, a refused operation says why; entries typed into
        // the window meanwhile are taken when it stops.
        QObject::connect(&monitor_->sampler(), &MonitorSampler::stateChanged, &window_,
                         [this](MonitorSampler::State state) {
                             if (state == MonitorSampler::State::Stopped)
                                 window_.exchangeEnded();
                             else if (state != MonitorSampler::State::Refused)
                                 window_.exchangeStarted(MainWindow::MonitorRefusalText());
                         });
    }
    monitor_->open();
}

void Program::exitProgram() {
    if (monitor_) monitor_->close();
    session_->closeActivePort();
    window_.close();
}

QString Program::DeviceLabelText(const QString& device, bool exists) {
    if (device.isEmpty()) return {};
    return exists ? device : device + QStringLiteral("（見つかりません）");
}

QString Program::VersionBoxText(const QString& iniPath) {
    return MainWindow::VersionText() + QStringLiteral("\r\n\r\n設定ファイル: ") +
           QDir::toNativeSeparators(QFileInfo(iniPath).absoluteFilePath());
}

void Program::showDevicePath(int linkNo) {
    // The selected entry's device; with no entry selected (start-up could not use the port),
    // the device the link's port number names.
    const int position = ports_.selectedPort(linkNo);
    const QString device = position >= 0 ? DevicesResolver(session_->iniPath())(position + 1)
                                         : session_->port(linkNo).deviceName();
    // A TCP address is not looked up here: opening the port tells whether it answers.
    ports_.showDevice(linkNo,
                      DeviceLabelText(device, QFileInfo::exists(device) || ParseTcpDevice(device)));
    if (finder_) finder_->showBinding(linkNo);
}

void Program::dressForF805() {
    window_.applyCatalogueView(IndicatorModel::F805);
}

void Program::fillPortLists() {
    ports_.fillLists();
}

void Program::selectPortEntry(int linkNo, int position) {
    ports_.selectPort(linkNo, position);
}

void Program::showPortSettings(int linkNo, const PortPanelPositions& at) {
    ports_.showSettings(linkNo, at);
}

void Program::fillItemLists() {
    window_.fillItemLists(IndicatorModel::F805);
}

void Program::fillProductLists() {
    productPanel_.fillLists();
}

void Program::clearAll() {
    window_.clearAll();
}

void Program::resetProgress() {
    window_.resetProgress();
}

void Program::showTab(int tab) {
    window_.showTab(tab);
}

void Program::showNow() {
    window_.show();
}

void Program::focusPortList(int linkNo) {
    window_.activateWindow();
    ports_.focusPortList(linkNo);
}

void Program::showMessage(const QString& text) {
    window_.showMessage(text);
}
