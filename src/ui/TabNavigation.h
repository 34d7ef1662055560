#pragma once

#include <QList>
#include <QObject>

#include "model/SettingsStore.h"

class MainWindow;
class QWidget;
struct Controls;

// What happens around a change of tab: the Tab key moves only among the controls of the tab
// shown, the back buttons return to the tab shown before, and the item buttons jump to the
// detail row of their item.
class TabNavigation : public QObject {
    Q_OBJECT
  public:
    explicit TabNavigation(MainWindow& window);

    // The tab shown before the latest tab change (0 until the first change).
    int lastTab() const { return lastTab_; }

    // The tab changed from `previous` to `current`: the other tabs' controls leave the tab
    // order and those of the new tab join it (the port tab changes nothing).
    void tabChanged(int previous, int current);
    // A back button: shows the tab shown before.
    void goBack();
    // Item button `button` (0 … 58): shows the detail tab of its item and gives the focus to the
    // list of the item's first row. A button the model does not show does nothing.
    void jumpToItem(int button);

    // The controls whose tab stop follows tab `tab` (the port tab has none).
    static QList<QWidget*> TabStopGroup(const Controls& c, int tab);
    // The controls that get their tab stop back when tab `tab` is shown with `model`.
    static QList<QWidget*> TabStopsOf(const Controls& c, int tab, IndicatorModel model);

    // A control's tab stop: whether the Tab key stops on it.
    static bool HasTabStop(const QWidget* w);
    static void SetTabStop(QWidget* w, bool on);

  private:
    MainWindow& window_;
    int lastTab_ = 0;
};
