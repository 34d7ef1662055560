#include "ui/ControlWatch.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>

#include "ui/MainWindow.h"

ControlWatch::ControlWatch(MainWindow& window) : window_(window) {
    watchControls();
}

void ControlWatch::watchControls() {
    const Controls& c = window_.controls();
    for (int n = 0; n < kDetailRows; ++n) {
        QComboBox* list = c.itemLists[n];
        list->installEventFilter(this);
        watched_.insert(list, {Watched::ItemList, 0, n});
        connect(list, &QComboBox::activated, this, [this, list] { touched_.insert(list); });
    }
    auto watchBox = [this](QLineEdit* box, int family, int index) {
        if (!box) return;
        box->installEventFilter(this);
        watched_.insert(box, {Watched::ValueBox, family, index});
        connect(box, &QLineEdit::textChanged, this,
                [this, family, index] { emit valueBoxEdited(family, index); });
        connect(box, &QLineEdit::textEdited, this, [this, box] { touched_.insert(box); });
    };
    for (int k = 0; k < SettingsStore::kProductItems; ++k) watchBox(c.productBoxes[k], 1, k);
    for (int family = 2; family <= 9; ++family)
        for (int i = 0; i < static_cast<int>(c.valueBoxes[family].size()); ++i)
            watchBox(c.valueBoxes[family][i], family, i);
    for (int element = 0; element < 2; ++element) {
        c.productLists[element]->installEventFilter(this);
        watched_.insert(c.productLists[element], {Watched::ProductList, 0, element});
    }
    // A control the menu bar took the focus from is left when the focus moves on elsewhere.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (!parked_ || !now) return;
        if (now == parked_) {
            parked_ = nullptr;
            return;
        }
        if (qobject_cast<QMenuBar*>(now) || qobject_cast<QMenu*>(now)) return;
        QObject* control = parked_;
        parked_ = nullptr;
        const int shownBefore = window_.messagesShown();
        leaveControl(control);
        if (window_.messagesShown() != shownBefore) oweClick(qobject_cast<QAbstractButton*>(now));
    });
}

namespace {

// Opening a list's popup or a context menu and coming back from it, the menu bar taking the
// keyboard (Alt) and giving it back, or another window taking over for a while (a message box):
// none of these leaves or enters the control.
bool PassingFocus(QEvent* event) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason ||
           reason == Qt::MenuBarFocusReason;
}

}  // namespace

bool ControlWatch::eventFilter(QObject* watched, QEvent* event) {
    if (watched == owedClick_ && event->type() == QEvent::MouseButtonPress) {
        // The press that left a box whose check showed a message. Its release went to the
        // message box (or is still to come): the click is carried out here, once, and the
        // press itself goes no further.
        QAbstractButton* button = owedClick_;
        button->removeEventFilter(this);
        owedClick_ = nullptr;
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            button->click();
            return true;
        }
    }
    const auto it = watched_.constFind(watched);
    if (it != watched_.constEnd()) {
        const WatchedControl w = it.value();
        switch (event->type()) {
            case QEvent::FocusIn:
                if (w.kind == Watched::ProductList && !PassingFocus(event))
                    emit productListFocusIn(w.index);
                break;
            case QEvent::FocusOut: {
                const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
                // The menu bar takes the focus only while it is used: opening a menu checks
                // nothing; the menu item's operation checks the control when it starts.
                if (reason == Qt::MenuBarFocusReason) parked_ = watched;
                if (PassingFocus(event)) break;
                QWidget* next = QApplication::focusWidget();  // already the one clicked
                const int shownBefore = window_.messagesShown();
                leaveControl(watched);
                if (reason == Qt::MouseFocusReason && window_.messagesShown() != shownBefore)
                    oweClick(qobject_cast<QAbstractButton*>(next));
                break;
            }
            case QEvent::KeyPress: {
                const int key = static_cast<QKeyEvent*>(event)->key();
                if (w.kind == Watched::ProductList &&
                    (key == Qt::Key_Return || key == Qt::Key_Enter))
                    emit productListEnter(w.index);
                break;
            }
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ControlWatch::oweClick(QAbstractButton* button) {
    // The box was left by a press on a button, and its message came up before the button saw
    // the press: the release that would have made the click went to the message box. The
    // button is clicked when the press reaches it, right after this.
    if (!button || owedClick_) return;
    owedClick_ = button;
    button->installEventFilter(this);
    // A press that never comes (the focus was moved without one) owes nothing later on.
    QMetaObject::invokeMethod(
        this,
        [this, button] {
            if (owedClick_ != button) return;
            button->removeEventFilter(this);
            owedClick_ = nullptr;
        },
        Qt::QueuedConnection);
}

void ControlWatch::leaveControl(QObject* control) {
    const auto it = watched_.constFind(control);
    if (it == watched_.constEnd()) return;
    const WatchedControl w = it.value();
    if (w.kind == Watched::ProductList) {
        emit productListFocusOut(w.index);
        return;
    }
    for (qsizetype i = 0; i < held_.size(); ++i)
        if (held_[i].control == control) held_.removeAt(i--);
    if (window_.exchangeRunning()) {
        // The store stays as it is while an exchange runs: what the operator typed or picked
        // stays in its control (a beep) and is taken when the exchange has ended. A control
        // passed through without a change holds nothing.
        if (!touched_.contains(control)) return;
        const bool productBox = w.kind == Watched::ValueBox && w.family == 1;
        held_.append(
            {control, productBox ? window_.controls().productLists[0]->currentIndex() : -1});
        window_.beep();
        return;
    }
    touched_.remove(control);
    if (w.kind == Watched::ItemList) emit itemListLeft(w.index);
    if (w.kind == Watched::ValueBox) emit valueBoxLeft(w.family, w.index);
}

void ControlWatch::takeHeldEntries() {
    while (!held_.isEmpty() && !window_.exchangeRunning()) leaveControl(held_.takeFirst().control);
}

bool ControlWatch::keepsHeldEntry(QObject* control, int shownProduct) {
    for (qsizetype i = 0; i < held_.size(); ++i) {
        if (held_[i].control != control) continue;
        if (held_[i].product == shownProduct) return true;
        held_.removeAt(i);  // typed for another product than the one shown now
        return false;
    }
    return false;
}

void ControlWatch::checkFocusedControl() {
    // An operation started from a menu key or the toolbar leaves the focus where it is: the
    // focused entry box is checked (its entry stored) and the option picked in the focused item
    // list is stored first, as leaving them would. A product list is not left: the operation
    // reads what the operator typed there.
    QWidget* focus = QApplication::focusWidget();
    const auto it = watched_.constFind(focus);
    if (it == watched_.constEnd() || it->kind == Watched::ProductList) return;
    leaveControl(focus);
}
