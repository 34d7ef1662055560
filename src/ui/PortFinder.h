#pragma once

#include <QList>
#include <QObject>
#include <array>
#include <functional>
#include <memory>

#include "link/Task.h"
#include "platform/Clock.h"
#include "platform/PortDiscovery.h"

class MainWindow;
class PortPanelView;
class Session;

// Finding the indicator's port on the port tab: the list of this machine's devices beside each
// port number, kept current while the panel is shown; binding the selected port number to a
// device ("Devices" in Rusk.INI, by its /dev/serial/by-id name where it has one); and "検出",
// which asks every free device with "RA" and lists what answered.
class PortFinder : public QObject {
  public:
    // The devices of the machine, followed by those of `configured` (ListDevices).
    using Lister = std::function<QList<FoundDevice>(const QStringList& configured)>;
    static constexpr int kPollMs = 1000;

    // `deviceShown(linkNo)` redraws the device label of a link's panel.
    PortFinder(MainWindow& window, Session& session, PortPanelView& ports,
               std::function<void(int linkNo)> deviceShown);
    void setLister(Lister lister);  // tests put their own devices in

    // Lists the devices again; the lists change only when the devices did.
    void refresh();
    // Selects in a link's device list the device its selected port number names.
    void showBinding(int linkNo);

    // The operations.
    void bindListed(int linkNo);
    void bindFound(int linkNo);
    // A job on the link: the window's exchanges wait while this program's ports are let go.
    Task<void> detect(int linkNo);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int selectedPortNumber(int linkNo) const;
    void bind(int linkNo, const FoundDevice& device);
    QString lineSettings(int linkNo) const;
    Task<void> reportProbe(int linkNo);

    MainWindow& window_;
    Session& session_;
    PortPanelView& ports_;
    std::function<void(int)> deviceShown_;
    Lister lister_;
    QList<FoundDevice> listed_;
    bool listedOnce_ = false;
    std::unique_ptr<Clock::Timer> poll_;  // on the session's clock, started again each time
    PortProbe probe_;
    std::array<QList<FoundDevice>, 2> answered_;  // the pickable rows of each result list
};
