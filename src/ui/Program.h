#pragma once

#include <QPointer>
#include <QString>
#include <memory>

#include "app/Session.h"
#include "app/StartUp.h"
#include "transfer/ProductTransfers.h"
#include "ui/Operation.h"
#include "ui/PortPanelView.h"
#include "ui/ProductPanelView.h"

class DataFileView;
class MainWindow;
class CalibrationView;
class MonitorWindow;
class ModelSwitchView;
class PortFinder;
class TrustView;

// The running program: the session on the window's store, the start-up sequence carried out on
// the window, and the operations of the links, the live data and the whole-set setting
// transfers. It reaches the window through its public interface and its views of the product
// and port tabs; the window knows it only by the operations it registers. The journal's and the
// sheet's operations are registered by their views.
class Program : public StartupWindow {
  public:
    // Real serial ports; port numbers name devices through the file's "Devices" section.
    Program(MainWindow& window, const QString& iniPath,
            int periodMs = IndicatorLink::kDefaultPeriodMs);
    // Tests put in their own ports and a clock they move by hand.
    Program(MainWindow& window, const QString& iniPath,
            std::array<std::unique_ptr<SerialPort>, 2> ports,
            int periodMs = IndicatorLink::kDefaultPeriodMs, Clock& clock = Clock::System());
    Program(MainWindow& window, const QString& iniPath, int periodMs, Clock& clock);
    ~Program() override;

    // Runs start-up; `programFolder` is what "Path1" receives.
    StartupResult start(const QString& programFolder);
    Session& session() { return *session_; }
    const StartupResult& startup() const { return startup_; }
    // The data-file operations (tests put their own dialogs in).
    DataFileView& dataFiles() { return *dataFiles_; }
    // The journal, the comparisons and the read-back after writing.
    TrustView& trust() { return *trust_; }
    // The device lists and the search for the indicator on the port tab.
    PortFinder& portFinder() { return *finder_; }
    // The live monitor, once opened (ｲﾝｼﾞｹｰﾀｰ操作 → ﾓﾆﾀｰ).
    MonitorWindow* monitor() const;

    // The device label beside a link's port list: the device the selected entry names and
    // whether it exists.
    void showDevicePath(int linkNo);
    static QString DeviceLabelText(const QString& device, bool exists);
    // The version box: the program's name and version, and the configuration file in use.
    static QString VersionBoxText(const QString& iniPath);

    // StartupWindow.
    void dressForF805() override;
    void fillPortLists() override;
    void selectPortEntry(int linkNo, int position) override;
    void showPortSettings(int linkNo, const PortPanelPositions& at) override;
    void fillItemLists() override;
    void fillProductLists() override;
    void clearAll() override;
    void resetProgress() override;
    void showTab(int tab) override;
    void showNow() override;
    void focusPortList(int linkNo) override;
    void showMessage(const QString& text) override;

  private:
    // Registers the operations of the links, the transfers, the files, the model and the ports
    // into the window's dispatch.
    void addOperations();
    // A job: the port it uses opened again if it was lost, a write kept before and read back
    // after (TrustView::aroundWrite), the ports noted at its end.
    Task<void> operate(Operation op, int index, std::function<Task<void>(int index)> exchange);
    void applyPortSettings(int linkNo);
    void exitProgram();
    void showMonitor();
    // The language chosen in the menu (its index in texts::Languages()): in use at once, the
    // window dressed again in it, and kept in the configuration file.
    void selectLanguage(int index);
    // The test with reference weights, in a window of its own (mnuF805_CAL).
    void showCalibration();
    // Writes only what differs from the indicator, after the preview (mnuF805_CHANGED).
    Task<void> writeChanged();

    MainWindow& window_;
    std::unique_ptr<Session> session_;
    std::unique_ptr<ModelSwitchView> modelSwitch_;
    ProductPanelView productPanel_;
    PortPanelView ports_;
    ProductTransfers products_;
    StartupResult startup_;
    std::unique_ptr<DataFileView> dataFiles_;
    std::unique_ptr<TrustView> trust_;
    std::unique_ptr<PortFinder> finder_;
    QPointer<MonitorWindow> monitor_;        // a window of the main window's, reused once opened
    QPointer<CalibrationView> calibration_;  // the same
};
