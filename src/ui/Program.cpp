#include "ui/Program.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/Configuration.h"
#include "link/PortSettings.h"
#include "model/ModelFacts.h"
#include "model/TabLayout.h"
#include "platform/IniFile.h"
#include "platform/TcpSerialPort.h"
#include "texts/Language.h"
#include "texts/WindowTexts.h"
#include "transfer/ChangedWrite.h"
#include "ui/CalibrationView.h"
#include "ui/DataFileView.h"
#include "ui/LanguageDress.h"
#include "ui/MainWindow.h"
#include "ui/ModelSwitchView.h"
#include "ui/PortFinder.h"
#include "ui/ReportView.h"
#include "ui/TrustView.h"
#include "ui/monitor/MonitorWindow.h"
#include "ui/widgets/ModalRun.h"

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
    window_.setLink(&session_->link());
    window_.setIndicatorValues(&session_->reference());
    // Another port may lead to another indicator: what the window knew of the last one goes.
    ports_.onPortChanged([this](int linkNo) {
        session_->reference().forget();
        showDevicePath(linkNo);
        window_.redraw();
    });
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
    addOperations();
}

Program::~Program() {
    // A job still waiting for the indicator gives up at once, without a message, and ends as
    // after a time-out (its run kept in the journal); one waiting for the operator is dropped.
    session_->link().stopJob();
    window_.clearOperations();
    delete window_.findChild<ReportView*>(QString(), Qt::FindDirectChildrenOnly);
    delete monitor_;
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

// The port an exchange talks on: the active link's, or for the link test the tested link's.
// None for the device search, which lets the ports go itself.
SerialPort* PortUsedBy(Operation op, int index, Session& session) {
    if (op == Operation::DetectDevices) return nullptr;
    if (op == Operation::TestLink) return index == 1 || index == 2 ? &session.port(index) : nullptr;
    return session.link().activePort();
}

bool IsLink(int index) {
    return index == 1 || index == 2;
}

// A read whose answer (whether it came whole) the window does not need: it has shown it.
template <typename T>
Task<void> Discarded(Task<T> read) {
    (void)co_await std::move(read);
}

}  // namespace

void Program::addOperations() {
    // The exchanges with the indicator, each a job on the link.
    const auto job = [this](Operation op, std::function<Task<void>(int index)> exchange) {
        window_.addOperation(
            {op, [this, op, exchange](int index) { return operate(op, index, exchange); }, {}});
    };
    const auto linkJob = [this](Operation op, std::function<Task<void>(int index)> exchange) {
        window_.addOperation({op,
                              [this, op, exchange](int index) -> Task<void> {
                                  if (!IsLink(index)) return {};
                                  return operate(op, index, exchange);
                              },
                              {}});
    };
    SettingTransfers& settings = session_->transfers();
    job(Operation::ReadAllSettings,
        [&settings](int) { return Discarded(settings.readAllSettings()); });
    job(Operation::WriteAllSettings, [&settings](int) { return settings.writeAllSettings(); });
    job(Operation::LiveData, [this](int index) { return session_->live().press(index); });
    job(Operation::CompareWithIndicator, [this](int) { return trust_->compareWithIndicator(); });
    job(Operation::ChangeProduct, [this](int) { return products_.changeProduct(); });
    job(Operation::ReadOneProduct, [this](int) { return products_.readOneProduct(); });
    job(Operation::ReadAllProducts, [this](int) { return Discarded(products_.readAllProducts()); });
    job(Operation::WriteOneProduct, [this](int) { return products_.writeOneProduct(); });
    job(Operation::WriteAllProducts,
        [this](int) { return Discarded(products_.writeAllProducts()); });
    job(Operation::WriteShownToTarget, [this](int) { return products_.writeShownToTarget(); });
    job(Operation::WriteShownToAll, [this](int) { return products_.writeShownToAll(); });
    job(Operation::AllRead, [this, &settings](int) { return products_.allRead(settings); });
    job(Operation::AllWrite, [this, &settings](int) { return products_.allWrite(settings); });
    job(Operation::WriteChanged, [this](int) { return writeChanged(); });
    job(Operation::PushDifferences, [this](int) { return trust_->pushPending(); });
    linkJob(Operation::TestLink, [this](int index) {
        return TestLink(session_->link(), index, &session_->port(index));
    });
    linkJob(Operation::DetectDevices, [this](int index) { return finder_->detect(index); });

    // The rest runs at once; the ports are noted at its end, for the next exchange.
    const auto now = [this](Operation op, std::function<void(int index)> run) {
        window_.addOperation({op, {}, [this, run](int index) {
                                  run(index);
                                  session_->notePortsOpen();
                              }});
    };
    now(Operation::Exit, [this](int) { exitProgram(); });
    now(Operation::ClearAll, [this](int) {
        window_.clearAll();
        session_->source().cleared(window_.store());
    });
    now(Operation::LoadDataFile, [this](int index) { dataFiles_->load(index); });
    now(Operation::SaveDataFile, [this](int) { dataFiles_->save(); });
    now(Operation::SelectModel, [this](int index) { modelSwitch_->selectModel(index); });
    now(Operation::SetPortAssignment, [this](int) { modelSwitch_->setPortAssignment(); });
    now(Operation::ApplyPortSettings, [this](int index) { applyPortSettings(index); });
    now(Operation::BindListedDevice, [this](int index) {
        if (IsLink(index)) finder_->bindListed(index);
    });
    now(Operation::BindFoundDevice, [this](int index) {
        if (IsLink(index)) finder_->bindFound(index);
    });
    now(Operation::Version,
        [this](int) { window_.showMessage(VersionBoxText(session_->iniPath())); });
    now(Operation::ShowMonitor, [this](int) { showMonitor(); });
    now(Operation::SelectLanguage, [this](int index) { selectLanguage(index); });
    now(Operation::Calibration, [this](int) { showCalibration(); });
}

Task<void> Program::writeChanged() {
    // "Changed" means "differs from the indicator": with nothing known of it yet, it is read
    // first, aside, the window's data untouched.
    if (session_->reference().empty()) {
        SettingsStore aside;
        const bool whole = co_await trust_->readIndicatorAside(aside);
        if (!whole) co_return;
    }
    co_await trust_->writeAfterPreview(ChangedValues(window_.store(), session_->reference()));
}

void Program::showCalibration() {
    // One test at a time, kept beside the configuration file between sessions.
    if (!calibration_)
        calibration_ = new CalibrationView(
            session_->link(),
            QFileInfo(session_->iniPath()).dir().filePath(QStringLiteral("Rusk-calibration.json")),
            &trust_->journal(), &window_);
    calibration_->show();
    calibration_->raise();
    calibration_->activateWindow();
}

void Program::selectLanguage(int index) {
    const QStringList codes = texts::Languages();
    if (index < 0 || index >= codes.size() || codes[index] == texts::CurrentLanguage()) return;
    if (!texts::UseLanguage(codes[index])) {
        window_.beep();
        return;
    }
    // Kept for the next start; a file that cannot be written leaves the choice to this run.
    WriteLanguage(session_->iniPath(), codes[index]);
    ui::DressAgain(&window_);
    window_.redraw();  // texts filled with values (the count of changed values) are made anew
}

Task<void> Program::operate(Operation op, int index,
                            std::function<Task<void>(int index)> exchange) {
    // A port that failed is opened again for the exchange that needs it; every exchange ends
    // with the ports noted, for the next.
    if (SerialPort* port = PortUsedBy(op, index, *session_)) session_->reopenIfLost(*port);
    std::exception_ptr error;
    try {
        if (WritesToIndicator(op))
            co_await trust_->aroundWrite(op, [&exchange, index] { return exchange(index); });
        else
            co_await exchange(index);
    } catch (...) {
        error = std::current_exception();
    }
    session_->notePortsOpen();
    if (error) std::rethrow_exception(error);
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
    return exists ? device : device + Tr(WindowText::NotFound2);
}

QString Program::VersionBoxText(const QString& iniPath) {
    return MainWindow::VersionText() + Tr(WindowText::ConfigurationFile) +
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
    window_.applyCatalogueView(kDefaultModel);
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
    window_.fillItemLists(kDefaultModel);
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
