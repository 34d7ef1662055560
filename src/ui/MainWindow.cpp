#include "ui/MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <optional>

#include "link/IndicatorLink.h"
#include "model/TabLayout.h"
#include "platform/OperationError.h"
#include "platform/ProcessStart.h"
#include "platform/widgets/MessageBoxes.h"
#include "ui/CatalogueView.h"
#include "ui/EditCapture.h"
#include "ui/EntryChecks.h"
#include "ui/MenuBar.h"
#include "ui/TabBuilders.h"
#include "ui/TabNavigation.h"
#include "ui/TabRows.h"

QFont JapaneseUiFont() {
    QFont font = QApplication::font();
    // "ＭＳ ゴシック" is the design font; elsewhere any installed Japanese gothic face will do.
    font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                      QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"),
                      QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP"),
                      QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("TakaoGothic"),
                      QStringLiteral("VL Gothic")});
    return font;
}

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), defaultMessages_(std::make_unique<WidgetMessagePresenter>()) {
    messages_ = defaultMessages_.get();
    setObjectName(QStringLiteral("Form1"));
    setFont(JapaneseUiFont());
    setWindowTitle(TitleFor(IndicatorModel::F805));
    ui::BuildMenus(menuBar(), [this](Operation op, int index) { dispatch(op, index); });
    c_.toolbar = addToolBar(QString());
    ui::BuildToolbar(c_.toolbar, [this](const QString& key) { pressToolbarKey(key); });
    buildTabs();

    c_.info = new QLabel(InitialInfoText());
    c_.info->setObjectName(QStringLiteral("info"));
    c_.progress = new QProgressBar;
    c_.progress->setObjectName(QStringLiteral("ProgressBar1"));
    c_.progress->setRange(0, 100);
    c_.progress->setValue(0);
    c_.progress->setVisible(false);
    statusBar()->addWidget(c_.info, 1);
    statusBar()->addPermanentWidget(c_.progress);

    applyCatalogueView(IndicatorModel::F805);
    fillItemLists(IndicatorModel::F805);
    watchControls();
    entryChecks_ = std::make_unique<EntryChecks>(*this);
    editCapture_ = std::make_unique<EditCapture>(*this);
    navigation_ = std::make_unique<TabNavigation>(*this);
    // Wide enough for all ten tab captions side by side, as far as the screen allows; a smaller
    // window scrolls its tabs and pages instead of squeezing them.
    QSize size = preferredSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.95);
    resize(size);
}

MainWindow::~MainWindow() = default;

QSize MainWindow::preferredSize() const {
    return {std::max(1000, c_.tabRows->oneRowWidth() + 24), 720};
}

void MainWindow::buildTabs() {
    c_.tabs = new QTabWidget;
    c_.tabs->setObjectName(QStringLiteral("SSTab1"));
    const ui::Dispatch dispatch = [this](Operation op, int index) { this->dispatch(op, index); };
    const QStringList captions = {
        "１　銘柄",           "２　設定値 A",        "３　設定値 B",       "４　設定値 詳細(1)",
        "５　設定値 詳細(2)", "６　設定値 詳細(3)",  "７　設定値 詳細(4)", "８　ｺﾏﾝﾄﾞ",
        "９　ｽﾃｰﾀｽ",          "１０　機種・通信設定"};
    Q_ASSERT(captions.size() == tablayout::kCount);
    for (int tab = 0; tab < tablayout::kCount; ++tab) {
        QWidget* page = nullptr;
        if (tab == tablayout::kProducts)
            page = ui::BuildProductTab(c_, dispatch);
        else if (tablayout::IsOverview(tab))
            page = ui::BuildOverviewTab(c_, dispatch, tab);
        else if (tablayout::IsDetail(tab))
            page = ui::BuildDetailTab(c_, dispatch, tab);
        else if (tab == tablayout::kLive)
            page = ui::BuildLiveTab(c_, dispatch);
        else if (tab == tablayout::kStatus)
            page = ui::BuildStatusTab(c_, dispatch);
        else
            page = ui::BuildPortTab(c_, dispatch);
        page->setObjectName(QStringLiteral("SSTab1_%1").arg(tab));
        // A window smaller than a page scrolls instead of squeezing its captions.
        auto* scroll = new QScrollArea;
        scroll->setObjectName(QStringLiteral("SSTab1_scroll_%1").arg(tab));
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setFocusPolicy(Qt::NoFocus);  // the Tab key moves among the page's controls only
        scroll->setWidget(page);
        c_.tabs->addTab(scroll, captions[tab]);
    }
    connect(c_.tabs, &QTabWidget::currentChanged, this, [this](int index) {
        const int previous = shownTab_;
        shownTab_ = index;
        emit tabChanged(previous, index);
    });
    // The captions go into as many rows as the width needs instead of the tab widget's one row,
    // which would cut them short or scroll them out of sight in a narrow window.
    c_.tabs->tabBar()->hide();
    c_.tabRows = new TabRows(c_.tabs);
    c_.tabRows->setObjectName(QStringLiteral("SSTab1_captions"));
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(c_.tabRows);
    layout->addWidget(c_.tabs, 1);
    setCentralWidget(panel);
}

void MainWindow::watchControls() {
    for (int n = 0; n < kDetailRows; ++n) {
        QComboBox* list = c_.itemLists[n];
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
    for (int k = 0; k < SettingsStore::kProductItems; ++k) watchBox(c_.productBoxes[k], 1, k);
    for (int family = 2; family <= 9; ++family)
        for (int i = 0; i < static_cast<int>(c_.valueBoxes[family].size()); ++i)
            watchBox(c_.valueBoxes[family][i], family, i);
    for (int element = 0; element < 2; ++element) {
        c_.productLists[element]->installEventFilter(this);
        watched_.insert(c_.productLists[element], {Watched::ProductList, 0, element});
    }
    // A new product selection shows that product.
    connect(c_.productLists[0], &QComboBox::currentIndexChanged, this, [this] { redraw(); });
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
        const int shownBefore = messagesShown_;
        leaveControl(control);
        if (messagesShown_ != shownBefore) oweClick(qobject_cast<QAbstractButton*>(now));
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

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
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
                const int shownBefore = messagesShown_;
                leaveControl(watched);
                if (reason == Qt::MouseFocusReason && messagesShown_ != shownBefore)
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
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::oweClick(QAbstractButton* button) {
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

void MainWindow::leaveControl(QObject* control) {
    const auto it = watched_.constFind(control);
    if (it == watched_.constEnd()) return;
    const WatchedControl w = it.value();
    if (w.kind == Watched::ProductList) {
        emit productListFocusOut(w.index);
        return;
    }
    for (qsizetype i = 0; i < held_.size(); ++i)
        if (held_[i].control == control) held_.removeAt(i--);
    if (exchangeRunning()) {
        // The store stays as it is while an exchange runs: what the operator typed or picked
        // stays in its control (a beep) and is taken when the exchange has ended. A control
        // passed through without a change holds nothing.
        if (!touched_.contains(control)) return;
        const bool productBox = w.kind == Watched::ValueBox && w.family == 1;
        held_.append({control, productBox ? c_.productLists[0]->currentIndex() : -1});
        beep();
        return;
    }
    touched_.remove(control);
    if (w.kind == Watched::ItemList) emit itemListLeft(w.index);
    if (w.kind == Watched::ValueBox) emit valueBoxLeft(w.family, w.index);
}

void MainWindow::takeHeldEntries() {
    while (!held_.isEmpty() && !exchangeRunning()) leaveControl(held_.takeFirst().control);
}

bool MainWindow::keepsHeldEntry(QObject* control, int shownProduct) {
    for (qsizetype i = 0; i < held_.size(); ++i) {
        if (held_[i].control != control) continue;
        if (held_[i].product == shownProduct) return true;
        held_.removeAt(i);  // typed for another product than the one shown now
        return false;
    }
    return false;
}

bool MainWindow::exchangeRunning() const {
    return link_ && (link_->operationRunning() || link_->waiting());
}

void MainWindow::setMessagePresenter(MessagePresenter* presenter) {
    messages_ = presenter ? presenter : defaultMessages_.get();
}

MessagePresenter& MainWindow::messages() const {
    return *messages_;
}

void MainWindow::dispatch(Operation op, int index) {
    const Reach reach = ReachOf(op);
    // One exchange with the indicator at a time, and the store stays as it is while one runs.
    if (reach != Reach::Window && exchangeRunning()) {
        beep();
        emit operationRefused(op, index);
        return;
    }
    checkFocusedControl();
    std::optional<IndicatorLink::Operation> exchange;
    if (reach != Reach::Window && link_) {
        exchange.emplace(link_->beginOperation(reach == Reach::Indicator));
        if (!*exchange) {  // a check's message let another operation start: it beeped
            emit operationRefused(op, index);
            return;
        }
    }
    try {
        if (!handler_ || !handler_(op, index)) runBuiltIn(op, index);
    } catch (const OperationError& error) {
        // Operations report their own failures; one that escapes ends here, reported.
        showMessage(ErrorReportText(error, ErrorHint::None));
    }
    if (exchange) {
        exchange.reset();
        takeHeldEntries();
    }
}

void MainWindow::pressToolbarKey(const QString& key) {
    if (const auto tool = ui::OperationOfToolKey(key)) dispatch(tool->op, tool->index);
}

void MainWindow::runBuiltIn(Operation op, int index) {
    switch (op) {
        case Operation::ClearAll:
            clearAll();
            break;
        case Operation::Redraw:
            redraw();
            break;
        case Operation::CopyToAllProducts:
            copyToAllProducts();
            break;
        case Operation::Help:
            showHelp();
            break;
        case Operation::Version:
            showVersion();
            break;
        case Operation::StartCalculator:
            // Returns at once; a calculator that cannot be started is not reported.
            StartCalculator();
            break;
        case Operation::Exit:
            close();
            break;
        case Operation::GoBack:
            navigation_->goBack();
            break;
        case Operation::JumpToItem:
            navigation_->jumpToItem(index);
            break;
        default:
            // Transfers, files, model and ports: carried out by the plugged handler.
            break;
    }
}

void MainWindow::checkFocusedControl() {
    // An operation started from a menu key or the toolbar leaves the focus where it is: the
    // focused entry box is checked (its entry stored) and the option picked in the focused item
    // list is stored first, as leaving them would. A product list is not left: the operation
    // reads what the operator typed there.
    QWidget* focus = QApplication::focusWidget();
    const auto it = watched_.constFind(focus);
    if (it == watched_.constEnd() || it->kind == Watched::ProductList) return;
    leaveControl(focus);
}

void MainWindow::applyCatalogueView(IndicatorModel model) {
    ui::ApplyCatalogueView(c_, model);
}

void MainWindow::fillItemLists(IndicatorModel model) {
    ui::FillItemLists(c_, model);
}

void MainWindow::setBoxRefused(QLineEdit* box, bool refused) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, refused ? QColor(255, 0, 0) : QColor(0, 0, 0));
    box->setPalette(palette);
}

bool MainWindow::isBoxRefused(const QLineEdit* box) {
    return box->palette().color(QPalette::Text) == QColor(255, 0, 0);
}

QString MainWindow::TitleFor(IndicatorModel model) {
    return model == IndicatorModel::F800 ? QStringLiteral("Ｆ８００ ｲﾝｼﾞｹｰﾀｰ設定")
                                         : QStringLiteral("Ｆ８０５ ｲﾝｼﾞｹｰﾀｰ設定");
}

QString MainWindow::VersionText() {
    return QStringLiteral(
        "ロードセルインジケーター設定補助アプリケーション\r\nRusk バージョン  Vol.2.0.0");
}

QString MainWindow::HelpText() {
    return QStringLiteral(
        "ごめんなさい。\r\nこのバージョンのヘルプはまだ出来ていません。今のところ作る予定もありませ"
        "ん。");
}

QString MainWindow::InitialInfoText() {
    return QStringLiteral("infomation  今日も元気ですか。");
}

void MainWindow::showVersion() {
    showMessage(VersionText());
}

void MainWindow::showHelp() {
    showMessage(HelpText());
}

void MainWindow::setStatusText(const QString& text) {
    c_.info->setText(text);
}

void MainWindow::setProgressVisible(bool visible) {
    c_.progress->setVisible(visible);
}

void MainWindow::setProgress(int value) {
    c_.progress->setValue(std::clamp(value, 0, 100));
}

void MainWindow::setBusy(bool busy) {
    // Nested waits keep one busy pointer until the outermost ends.
    if (busy) {
        if (busyDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busyDepth_ > 0) {
        if (--busyDepth_ == 0) QApplication::restoreOverrideCursor();
    }
}

void MainWindow::showMessage(const QString& text) {
    ++messagesShown_;
    messages_->showMessage(this, text);
}

void MainWindow::beep() {
    QApplication::beep();
}

void MainWindow::setTestResult(int link, const QString& text) {
    if (link == 1 || link == 2) c_.testBoxes[link - 1]->setText(text);
}
