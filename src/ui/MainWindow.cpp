#include "ui/MainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <optional>

#include "link/IndicatorLink.h"
#include "model/DataClear.h"
#include "model/ModelFacts.h"
#include "model/TabLayout.h"
#include "platform/OperationError.h"
#include "platform/ProcessStart.h"
#include "texts/WindowTexts.h"
#include "ui/CatalogueView.h"
#include "ui/ControlWatch.h"
#include "ui/EditCapture.h"
#include "ui/EntryChecks.h"
#include "ui/MenuBar.h"
#include "ui/Redraw.h"
#include "ui/TabBuilders.h"
#include "ui/TabNavigation.h"
#include "ui/TabRows.h"
#include "ui/widgets/MessageBoxes.h"

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
    setWindowTitle(TitleFor(kDefaultModel));
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
    changed_ = new QLabel;
    changed_->setObjectName(QStringLiteral("ChangedCount"));
    changed_->hide();
    statusBar()->addPermanentWidget(changed_);
    statusBar()->addPermanentWidget(c_.progress);

    applyCatalogueView(kDefaultModel);
    fillItemLists(kDefaultModel);
    watch_ = std::make_unique<ControlWatch>(*this);
    connect(watch_.get(), &ControlWatch::itemListLeft, this, &MainWindow::itemListLeft);
    connect(watch_.get(), &ControlWatch::valueBoxLeft, this, &MainWindow::valueBoxLeft);
    connect(watch_.get(), &ControlWatch::valueBoxEdited, this, &MainWindow::valueBoxEdited);
    connect(watch_.get(), &ControlWatch::productListFocusIn, this, &MainWindow::productListFocusIn);
    connect(watch_.get(), &ControlWatch::productListFocusOut, this,
            &MainWindow::productListFocusOut);
    connect(watch_.get(), &ControlWatch::productListEnter, this, &MainWindow::productListEnter);
    // A new product selection shows that product.
    connect(c_.productLists[0], &QComboBox::currentIndexChanged, this, [this] { redraw(); });
    entryChecks_ = std::make_unique<EntryChecks>(*this);
    editCapture_ = std::make_unique<EditCapture>(*this);
    navigation_ = std::make_unique<TabNavigation>(*this);
    addOwnOperations();
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
    const WindowText captions[] = {WindowText::TabProducts,  WindowText::TabSettingsA,
                                   WindowText::TabSettingsB, WindowText::TabDetails1,
                                   WindowText::TabDetails2,  WindowText::TabDetails3,
                                   WindowText::TabDetails4,  WindowText::TabCommands,
                                   WindowText::TabStatus,    WindowText::TabModelPorts};
    static_assert(std::size(captions) == tablayout::kCount);
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
        c_.tabs->addTab(scroll, Tr(captions[tab]));
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

bool MainWindow::exchangeRunning() const {
    return link_ && (link_->operationRunning() || link_->waiting());
}

void MainWindow::exchangeStarted(const QString& refusal) {
    outsideRefusal_ = refusal;
}

void MainWindow::exchangeEnded() {
    outsideRefusal_.clear();
    watch_->takeHeldEntries();
}

QString MainWindow::MonitorRefusalText() {
    return Tr(WindowText::NotWhileMonitorRuns);
}

QString MainWindow::NoCalculatorText() {
    return Tr(WindowText::CannotStartCalculatorNone) +
           CalculatorCandidates().join(QStringLiteral(", "));
}

void MainWindow::refuse(Operation op, int index) {
    beep();
    if (!outsideRefusal_.isEmpty()) setStatusText(outsideRefusal_);
    emit operationRefused(op, index);
}

void MainWindow::setMessagePresenter(MessagePresenter* presenter) {
    messages_ = presenter ? presenter : defaultMessages_.get();
}

MessagePresenter& MainWindow::messages() const {
    return *messages_;
}

void MainWindow::addOperation(OperationSpec facts) {
    const Operation op = facts.operation;
    operations_.insert_or_assign(op, std::move(facts));
}

void MainWindow::clearOperations() {
    operations_ = ownOperations_;
}

void MainWindow::addOwnOperations() {
    const auto own = [this](Operation op, std::function<void(int)> run) {
        addOperation({op, {}, std::move(run)});
    };
    own(Operation::ClearAll, [this](int) { clearAll(); });
    own(Operation::Redraw, [this](int) { redraw(); });
    own(Operation::CopyToAllProducts, [this](int) { copyToAllProducts(); });
    own(Operation::Help, [this](int) { showHelp(); });
    own(Operation::Version, [this](int) { showVersion(); });
    own(Operation::StartCalculator, [this](int) {
        // Returns at once once one started.
        if (!StartCalculator()) showMessage(NoCalculatorText());
    });
    own(Operation::Exit, [this](int) { close(); });
    own(Operation::GoBack, [this](int) { navigation_->goBack(); });
    own(Operation::JumpToItem, [this](int index) { navigation_->jumpToItem(index); });
    ownOperations_ = operations_;
}

void MainWindow::dispatch(Operation op, int index) {
    const Reach reach = ReachOf(op);
    // One exchange with the indicator at a time, and the store stays as it is while one runs.
    if (reach != Reach::Window && exchangeRunning()) {
        refuse(op, index);
        return;
    }
    watch_->checkFocusedControl();
    const auto registered = operations_.find(op);
    const OperationSpec* facts = registered != operations_.end() ? &registered->second : nullptr;
    if (!handler_ && facts && facts->job && reach == Reach::Indicator && link_) {
        Task<void> job = facts->job(index);
        if (!job.valid()) return;  // nothing to do for this index
        const bool started = link_->startJob(
            std::move(job),
            [this, op, index](std::exception_ptr error) { jobEnded(op, index, error); });
        if (!started) {  // the link is held (it beeped)
            if (!outsideRefusal_.isEmpty()) setStatusText(outsideRefusal_);
            emit operationRefused(op, index);
        }
        return;
    }
    std::optional<IndicatorLink::Operation> exchange;
    if (reach != Reach::Window && link_) {
        exchange.emplace(link_->beginOperation(reach == Reach::Indicator));
        if (!*exchange) {  // a check's message let another operation start: it beeped
            if (!outsideRefusal_.isEmpty()) setStatusText(outsideRefusal_);
            emit operationRefused(op, index);
            return;
        }
    }
    try {
        if (!(handler_ && handler_(op, index)) && facts && facts->run) {
            const auto run = facts->run;  // the operation may register others
            run(index);
        }
    } catch (const OperationError& error) {
        // Operations report their own failures; one that escapes ends here, reported.
        showMessage(ErrorReportText(error, ErrorHint::None));
    }
    if (exchange) {
        exchange.reset();
        watch_->takeHeldEntries();
    }
}

void MainWindow::jobEnded(Operation op, int index, std::exception_ptr error) {
    try {
        if (error) std::rethrow_exception(error);
    } catch (const OperationError& e) {
        // Operations report their own failures; one that escapes ends here, reported.
        showMessage(ErrorReportText(e, ErrorHint::None));
    }
    watch_->takeHeldEntries();
    emit operationEnded(op, index);
}

void MainWindow::pressToolbarKey(const QString& key) {
    if (const auto tool = ui::OperationOfToolKey(key)) dispatch(tool->op, tool->index);
}

void MainWindow::redraw() {
    ui::Redraw(store_, c_, *watch_);
    refreshMarks();
}

void MainWindow::refreshMarks() {
    const int changed = reference_ ? ui::MarkChanged(store_, c_, *reference_) : 0;
    changed_->setText(changed > 0 ? Tr(WindowText::ChangedCount).arg(changed) : QString());
    changed_->setVisible(changed > 0);
}

void MainWindow::clearAll() {
    store_.clearProducts();
    clearSettings();
}

void MainWindow::clearSettings() {
    dataclear::ClearSettings(store_);
    for (auto& boxes : c_.statusBoxes)
        for (QLineEdit* box : boxes) box->clear();
    for (QComboBox* list : c_.itemLists) list->setCurrentIndex(-1);
    redraw();
}

void MainWindow::copyToAllProducts() {
    dataclear::ProductEntries entries;
    for (int k = 0; k < SettingsStore::kProductItems; ++k) entries[k] = c_.productBoxes[k]->text();
    const dataclear::CopyCheck check = dataclear::CopyToAllProducts(store_, entries);
    if (check.failedBox >= 0) setBoxRefused(c_.productBoxes[check.failedBox], true);
    // The boxes already show the copied values: no redraw.
    showMessage(check.ok ? dataclear::CopyDoneMessage() : dataclear::CopyRefusedMessage());
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
    const ModelFacts& facts = FactsOf(model);
    return QCoreApplication::translate(facts.name, facts.windowTitle);
}

QString MainWindow::VersionText() {
    return Tr(WindowText::LoadCellIndicatorSetting);
}

QString MainWindow::HelpText() {
    return Tr(WindowText::SorryThisVersionHas);
}

QString MainWindow::InitialInfoText() {
    return Tr(WindowText::InformationHaveGoodDay);
}

void MainWindow::showVersion() {
    showMessage(VersionText());
}

void MainWindow::showHelp() {
    showMessage(HelpText());
}

void MainWindow::showTab(int tab) {
    c_.tabs->setCurrentIndex(tab);
}

void MainWindow::resetProgress() {
    c_.progress->setVisible(false);
    c_.progress->setRange(0, 100);
    c_.progress->setValue(0);
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

Task<void> MainWindow::box(QString text) {
    ++messagesShown_;
    return messages_->message(this, std::move(text));
}

void MainWindow::beep() {
    QApplication::beep();
}

void MainWindow::setTestResult(int link, const QString& text) {
    if (link == 1 || link == 2) c_.testBoxes[link - 1]->setText(text);
}
