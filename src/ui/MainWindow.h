#pragma once

#include <QMainWindow>
#include <map>
#include <memory>

#include "link/OperatorView.h"

class IndicatorValues;
class QLabel;
#include "model/SettingsStore.h"
#include "ui/Controls.h"
#include "ui/Operation.h"

class ControlWatch;
class EditCapture;
class EntryChecks;
class IndicatorLink;
class MessagePresenter;
class TabNavigation;

// The one window of the program (Form1): menu bar, toolbar, the ten tabs, the status line and
// the progress bar. It owns the settings store, copies it into the controls (redraw), clears it
// and copies the shown product to all products; every other operation is handed to the
// operation handler that the program plugs in. It owns its helpers: the control watch, the entry
// checks, the edit capture and the tab navigation.
class MainWindow : public QMainWindow, public OperatorView {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    SettingsStore& store() { return store_; }
    const SettingsStore& store() const { return store_; }
    const Controls& controls() const { return c_; }
    EntryChecks& entryChecks() { return *entryChecks_; }
    TabNavigation& navigation() { return *navigation_; }
    // The default window size: all ten tab captions side by side. The window opens at this size
    // unless the screen is smaller.
    QSize preferredSize() const;

    // The product whose record the product boxes' entries go into (one of the model's): the
    // product shown when a product list last took the focus or a product box was last left.
    // Other numbers are ignored.
    int editedProduct() const { return editedProduct_; }
    void setEditedProduct(int n) {
        if (n >= 0 && n < store_.productCount()) editedProduct_ = n;
    }

    // Shows tab `tab` (see tablayout).
    void showTab(int tab);
    // The progress bar hidden at 0 of 100.
    void resetProgress();

    // How an operation runs (see OperationSpec): a later registration of the same operation
    // replaces the earlier. The window registers its own operations (clear, redraw, copy to all
    // products, help, version, calculator, exit, the tab moves); `clearOperations` leaves only
    // those again.
    void addOperation(OperationSpec facts);
    void clearOperations();
    bool hasOperation(Operation op) const { return operations_.count(op) > 0; }
    // Tests see every operation first with a handler of their own; see OperationHandler.
    void setOperationHandler(OperationHandler handler) { handler_ = std::move(handler); }
    // The message boxes; the window keeps a default one. Not owned; null restores the default.
    void setMessagePresenter(MessagePresenter* presenter);
    MessagePresenter& messages() const;

    // The link whose exchanges the window waits for (not owned; null: no link, nothing waits).
    void setLink(IndicatorLink* link) { link_ = link; }
    // Whether an exchange with the indicator is in progress (an operation or a wait).
    bool exchangeRunning() const;
    // An exchange held outside the dispatch (the live monitor) has started: an operation
    // refused meanwhile says `refusal` on the status line beside its beep.
    void exchangeStarted(const QString& refusal);
    // It has ended: the entries held meanwhile are taken now.
    void exchangeEnded();
    static QString MonitorRefusalText();  // "モニター実行中のため実行できません"
    // The box when no calculator could be started.
    static QString NoCalculatorText();
    // How many message boxes the window has shown so far: a check that showed one is told by
    // the count.
    int messagesShown() const { return messagesShown_; }

    // The one entry of every menu item, toolbar key and button: the registered operation runs.
    // While an exchange runs, an operation that talks to the indicator or changes the store is
    // refused with a beep (see Reach). An operation that is a job on the link is started and
    // left running: the window goes on at once and `operationEnded` tells its end. An
    // OperationError that escapes is shown as the error report.
    void dispatch(Operation op, int index = -1);
    // The toolbar: dispatches on the key; a key that matches no button does nothing.
    void pressToolbarKey(const QString& key);

    // The window's own operations.
    void clearAll();
    void clearSettings();
    void copyToAllProducts();
    void showVersion();
    void showHelp();

    // Dresses the detail rows, item buttons, entry boxes and bracket lines for a model, and fills
    // the item lists with its options (no selection afterwards).
    void applyCatalogueView(IndicatorModel model);
    void fillItemLists(IndicatorModel model);

    // Marks an entry box's text red (a refused entry) or black again.
    static void setBoxRefused(QLineEdit* box, bool refused);
    static bool isBoxRefused(const QLineEdit* box);

    static QString TitleFor(IndicatorModel model);
    static QString VersionText();
    static QString HelpText();
    static QString InitialInfoText();

    // OperatorView.
    void setStatusText(const QString& text) override;
    void setProgressVisible(bool visible) override;
    void setProgress(int value) override;
    void setBusy(bool busy) override;
    void showMessage(const QString& text) override;
    Task<void> box(QString text) override;
    void beep() override;
    void setTestResult(int link, const QString& text) override;
    void redraw() override;
    // The indicator's values the window marks its own against (none: no marks).
    void setIndicatorValues(const IndicatorValues* reference) { reference_ = reference; }
    // Marks the boxes whose values differ from the indicator's, and counts them.
    void refreshMarks();

  signals:
    // Hooks for the edit capture, the entry checks and the tab navigation (the control watch
    // reports the leaving and editing of controls).
    void itemListLeft(int list);                 // Combo3(list) lost the focus
    void valueBoxLeft(int family, int index);    // W10 … W90 entry box lost the focus
    void valueBoxEdited(int family, int index);  // its text changed (typed or redrawn)
    void productListFocusIn(int element);        // Combo1(element)
    void productListFocusOut(int element);
    void productListEnter(int element);          // Enter pressed in Combo1(element)
    void tabChanged(int previous, int current);  // SSTab1 shows another tab
    // An operation was refused because an exchange runs: a control that changed on its own
    // when clicked (an option, a check box) is shown as it was.
    void operationRefused(Operation op, int index);
    // A job the dispatch started has ended (its boxes closed, held entries taken).
    void operationEnded(Operation op, int index);

  private:
    void buildTabs();
    void addOwnOperations();
    void refuse(Operation op, int index);
    // The end of a job: the error report of a failure that escaped it, then the held entries.
    void jobEnded(Operation op, int index, std::exception_ptr error);

    SettingsStore store_;
    Controls c_;
    OperationHandler handler_;
    std::map<Operation, OperationSpec> operations_;
    std::map<Operation, OperationSpec>
        ownOperations_;  // the window's own, kept for clearOperations
    std::unique_ptr<MessagePresenter> defaultMessages_;
    MessagePresenter* messages_ = nullptr;
    int shownTab_ = 0;
    int editedProduct_ = 0;
    int busyDepth_ = 0;
    IndicatorLink* link_ = nullptr;
    int messagesShown_ = 0;
    QString outsideRefusal_;  // while an exchange outside the dispatch runs

    std::unique_ptr<ControlWatch> watch_;
    const IndicatorValues* reference_ = nullptr;
    QLabel* changed_ = nullptr;  // "変更 3 件": the values that differ from the indicator's
    std::unique_ptr<EntryChecks> entryChecks_;
    std::unique_ptr<EditCapture> editCapture_;
    std::unique_ptr<TabNavigation> navigation_;
};

// The program's font: "ＭＳ ゴシック" where it exists, else an installed Japanese gothic font.
QFont JapaneseUiFont();
