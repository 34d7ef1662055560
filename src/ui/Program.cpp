#include "ui/Program.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QTabWidget>

#include "link/PortSettings.h"
#include "model/TabLayout.h"
#include "platform/IniFile.h"
#include "ui/DataFileView.h"
#include "ui/MainWindow.h"
#include "ui/ModelSwitchView.h"
#include "ui/TabBuilders.h"

Program::Program(MainWindow& window, const QString& iniPath, int periodMs)
    : Program(window, iniPath, Session::SerialPortsFor(iniPath), periodMs) {}

Program::Program(MainWindow& window, const QString& iniPath,
                 std::array<std::unique_ptr<SerialPort>, 2> ports, int periodMs)
    : window_(window),
      session_(
          std::make_unique<Session>(window.store(), window, iniPath, std::move(ports), periodMs)),
      modelSwitch_(std::make_unique<ModelSwitchView>(window, *session_)),
      productPanel_(window),
      products_(session_->link(), productPanel_) {
    session_->setShowStatusTab(
        [this] { window_.controls().tabs->setCurrentIndex(tablayout::kStatus); });
    window_.setOperationHandler([this](Operation op, int index) { return handle(op, index); });
    window_.setLink(&session_->link());
    for (int k = 0; k < 2; ++k)
        QObject::connect(window_.controls().portLists[k][0], &QComboBox::currentIndexChanged,
                         &window_, [this, k] { showDevicePath(k + 1); });
    dataFiles_ = std::make_unique<DataFileView>(window_, iniPath);
}

Program::~Program() {
    window_.setOperationHandler({});
    window_.setLink(nullptr);
}

StartupResult Program::start(const QString& programFolder) {
    startup_ = RunStartUp(*session_, *this, programFolder);
    showDevicePath(1);
    showDevicePath(2);
    return startup_;
}

bool Program::handle(Operation op, int index) {
    // The window has made sure that no other exchange runs (see MainWindow::dispatch).
    switch (op) {
        case Operation::Exit:
            exitProgram();
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
        case Operation::ReadAllSettings:
            session_->transfers().readAllSettings();
            return true;
        case Operation::WriteAllSettings:
            session_->transfers().writeAllSettings();
            return true;
        case Operation::LiveData:
            session_->live().press(index);
            return true;
        case Operation::ApplyPortSettings:
            applyPortSettings(index);
            return true;
        case Operation::TestLink:
            testLink(index);
            return true;
        case Operation::ChangeProduct:
        case Operation::ReadOneProduct:
        case Operation::ReadAllProducts:
        case Operation::WriteOneProduct:
        case Operation::WriteAllProducts:
        case Operation::WriteShownToTarget:
        case Operation::WriteShownToAll:
        case Operation::AllRead:
        case Operation::AllWrite:
            runProductOperation(op);
            return true;
        default:
            return false;
    }
}

void Program::runProductOperation(Operation op) {
    switch (op) {
        case Operation::ChangeProduct:
            products_.changeProduct();
            break;
        case Operation::ReadOneProduct:
            products_.readOneProduct();
            break;
        case Operation::ReadAllProducts:
            products_.readAllProducts();
            break;
        case Operation::WriteOneProduct:
            products_.writeOneProduct();
            break;
        case Operation::WriteAllProducts:
            products_.writeAllProducts();
            break;
        case Operation::WriteShownToTarget:
            products_.writeShownToTarget();
            break;
        case Operation::WriteShownToAll:
            products_.writeShownToAll();
            break;
        case Operation::AllRead:
            products_.allRead(session_->transfers());
            break;
        case Operation::AllWrite:
            products_.allWrite(session_->transfers());
            break;
        default:
            break;
    }
}

void Program::applyPortSettings(int linkNo) {
    if (linkNo != 1 && linkNo != 2) return;
    const auto& lists = window_.controls().portLists[linkNo - 1];
    PortChoice choice;
    choice.portIndex = lists[0]->currentIndex();
    choice.baud = lists[1]->currentText();
    choice.parity = lists[2]->currentText();
    choice.dataBits = lists[3]->currentText();
    choice.stopBits = lists[4]->currentText();
    const QString ini = session_->iniPath();
    ApplyPortSettings(
        session_->port(linkNo), choice, window_,
        [ini, linkNo](const PortEntry& entry) { WritePortEntry(ini, linkNo, entry); },
        [this, linkNo] { focusPortList(linkNo); });
    showDevicePath(linkNo);
}

void Program::testLink(int linkNo) {
    if (linkNo != 1 && linkNo != 2) return;
    TestLink(session_->link(), linkNo, &session_->port(linkNo));
}

void Program::exitProgram() {
    session_->closeActivePort();
    window_.close();
}

QString Program::DeviceLabelText(const QString& device, bool exists) {
    if (device.isEmpty()) return {};
    return exists ? device : device + QStringLiteral("（見つかりません）");
}

void Program::showDevicePath(int linkNo) {
    const Controls& c = window_.controls();
    QLabel* label = c.devicePaths[linkNo - 1];
    if (!label) return;
    // The selected entry's device; with no entry selected (start-up could not use the port),
    // the device the link's port number names.
    const int position = c.portLists[linkNo - 1][0]->currentIndex();
    const QString device = position >= 0 ? DevicesResolver(session_->iniPath())(position + 1)
                                         : session_->port(linkNo).deviceName();
    label->setText(DeviceLabelText(device, QFileInfo::exists(device)));
}

void Program::dressForF805() {
    window_.applyCatalogueView(IndicatorModel::F805);
}

void Program::fillPortLists() {
    // List by list, link 1's before link 2's.
    for (int i = 0; i < kPortLists; ++i)
        for (int k = 0; k < 2; ++k) {
            QComboBox* list = window_.controls().portLists[k][i];
            list->clear();
            list->addItems(PortListItems(i));
            list->setCurrentIndex(-1);
        }
}

void Program::selectPortEntry(int linkNo, int position) {
    window_.controls().portLists[linkNo - 1][0]->setCurrentIndex(position);
}

void Program::showPortSettings(int linkNo, const PortPanelPositions& at) {
    const auto& lists = window_.controls().portLists[linkNo - 1];
    lists[1]->setCurrentIndex(at.baud);
    lists[2]->setCurrentIndex(at.parity);
    lists[3]->setCurrentIndex(at.dataBits);
    lists[4]->setCurrentIndex(at.stopBits);
    lists[5]->setCurrentIndex(0);
}

void Program::fillItemLists() {
    window_.fillItemLists(IndicatorModel::F805);
}

void Program::fillProductLists() {
    for (QComboBox* list : window_.controls().productLists) {
        list->clear();
        for (int p = 0; p < SettingsStore::kProducts; ++p) list->addItem(QString::number(p));
        list->setCurrentIndex(0);
    }
}

void Program::clearAll() {
    window_.clearAll();
}

void Program::resetProgress() {
    QProgressBar* progress = window_.controls().progress;
    progress->setVisible(false);
    progress->setRange(0, 100);
    progress->setValue(0);
}

void Program::showTab(int tab) {
    window_.controls().tabs->setCurrentIndex(tab);
}

void Program::showNow() {
    window_.show();
}

void Program::focusPortList(int linkNo) {
    window_.activateWindow();
    window_.controls().portLists[linkNo - 1][0]->setFocus();
}

void Program::showMessage(const QString& text) {
    window_.showMessage(text);
}
