#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>

class MainWindow;
class QAbstractButton;

// The window's watch on its entry boxes, item lists and product lists. A control that is left
// (or that an operation checks as if it was) is reported: a product list as left, an entry box
// or item list for its entry to be taken into the store; while an exchange with the indicator
// runs the entry is held in its control instead (a beep) and reported once the exchange has
// ended. A click that left a box whose check showed a message is carried out after it.
class ControlWatch : public QObject {
    Q_OBJECT
  public:
    // Watches the window's controls from now on.
    explicit ControlWatch(MainWindow& window);

    // The focused entry box or item list, before an operation started from a menu or the
    // toolbar (the focus stays where it is).
    void checkFocusedControl();
    // The entries held during an exchange are reported now it has ended.
    void takeHeldEntries();
    // Whether redraw leaves the control alone: it holds an entry not taken yet. A held product
    // box is dropped (and redrawn) once another product is shown.
    bool keepsHeldEntry(QObject* control, int shownProduct = -1);

  signals:
    void itemListLeft(int list);
    void valueBoxLeft(int family, int index);
    void valueBoxEdited(int family, int index);
    void productListFocusIn(int element);
    void productListFocusOut(int element);
    void productListEnter(int element);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void watchControls();
    // A watched control was left: a product list is reported; an entry box or item list is
    // reported, or held while an exchange runs.
    void leaveControl(QObject* control);
    // The click on `button` that left a box whose check showed a message: see eventFilter.
    void oweClick(QAbstractButton* button);

    MainWindow& window_;

    enum class Watched { ItemList, ValueBox, ProductList };
    struct WatchedControl {
        Watched kind;
        int family;  // value boxes only
        int index;
    };
    QHash<QObject*, WatchedControl> watched_;

    // Entries left while an exchange ran, in the order they were left; product boxes note the
    // product shown then.
    struct HeldEntry {
        QObject* control;
        int product;
    };
    QList<HeldEntry> held_;
    // Entry boxes typed into and item lists picked from since they were last taken.
    QSet<QObject*> touched_;
    // The control the menu bar took the focus from (Alt): checked when the focus moves on to
    // anything but it.
    QPointer<QObject> parked_;
    QPointer<QAbstractButton> owedClick_;
};
