#pragma once

#include <QMetaObject>
#include <QString>
#include <array>
#include <functional>

#include "app/Configuration.h"
#include "link/PortSettings.h"
#include "ui/Controls.h"

class MainWindow;

// The port tab's two panels as the program uses them: each link's six lists, the device label
// beside its port list and the port list's focus. Link 1 is MsComm1 (Combo2), link 2 MsComm2
// (Combo4).
class PortPanelView {
  public:
    explicit PortPanelView(MainWindow& window);
    ~PortPanelView();
    PortPanelView(const PortPanelView&) = delete;
    PortPanelView& operator=(const PortPanelView&) = delete;

    // Every list of both panels holds its entries with none selected: list by list, link 1's
    // before link 2's.
    void fillLists();
    // The entry selected in a link's port list (-1: none), and selecting one.
    int selectedPort(int linkNo) const;
    void selectPort(int linkNo, int position);
    // Selects the baud, parity, data-bit and stop-bit entries (-1: no selection) and the
    // terminator's only entry.
    void showSettings(int linkNo, const PortPanelPositions& at);
    // What the operator picked in a link's panel.
    PortChoice choice(int linkNo) const;
    void focusPortList(int linkNo);
    // The text of the device label beside a link's port list.
    void showDevice(int linkNo, const QString& text);
    // The device list beside the port list: its entries and the one selected (-1: none), and
    // the entry the operator picked.
    void showDevices(int linkNo, const QStringList& captions);
    void selectDevice(int linkNo, int position);
    int selectedDevice(int linkNo) const;
    // The probe's result list: one row per device; only `pickable` rows can be clicked, and
    // they stand out, with `hint` as their tip.
    struct ResultRow {
        QString text;
        bool pickable = false;
        QString hint;
    };
    void showProbeResults(int linkNo, const QList<ResultRow>& rows);
    int pickedResult(int linkNo) const;  // -1: none
    // Whether either link's panel is on screen.
    bool panelShown() const;
    // `changed` is called with the link number when a port list selects another entry.
    void onPortChanged(const std::function<void(int linkNo)>& changed);

  private:
    QComboBox* list(int linkNo, PortList which) const;

    MainWindow& window_;
    std::array<QMetaObject::Connection, 2> portChanged_;
};
