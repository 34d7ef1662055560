#include "ui/monitor/MonitorWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/DisplayFormat.h"
#include "monitor/SampleCsv.h"
#include "texts/WindowTexts.h"
#include "ui/ReportView.h"
#include "ui/monitor/MonitorChart.h"

namespace {

constexpr int kRedrawMs = 250;  // four frames a second: a trend, not a film
constexpr int kScrollStepMs = 100;

struct Span {
    WindowText caption;
    qint64 ms;
};
const Span kSpans[] = {{WindowText::N10S, 10'000},
                       {WindowText::N1Min, 60'000},
                       {WindowText::N10Min, 600'000},
                       {WindowText::N1Hour, 3'600'000}};

QString Time(qint64 ms) {
    return QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("HH:mm:ss"));
}

}  // namespace

MonitorWindow::MonitorWindow(IndicatorLink& link, QWidget* main)
    : QWidget(main, Qt::Window), link_(link), main_(main), sampler_(link) {
    setObjectName(QStringLiteral("frmMonitor"));
    setWindowTitle(Tr(WindowText::Monitor));
    build();
    connect(&sampler_, &MonitorSampler::sampled, this, &MonitorWindow::onSample);
    connect(&sampler_, &MonitorSampler::filled, this, &MonitorWindow::onFill);
    connect(&sampler_, &MonitorSampler::productRead, this, &MonitorWindow::onProduct);
    connect(&sampler_, &MonitorSampler::stateChanged, this, &MonitorWindow::onState);
    redraw_.setInterval(kRedrawMs);
    connect(&redraw_, &QTimer::timeout, this, [this] {
        if (dirty_) redrawNow();
    });
}

MonitorWindow::~MonitorWindow() {
    sampler_.stop();
}

void MonitorWindow::build() {
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    run_ = new QPushButton(Tr(WindowText::Stop));
    run_->setObjectName(QStringLiteral("monitorRun"));
    connect(run_, &QPushButton::clicked, this, &MonitorWindow::toggleRun);
    span_ = new QComboBox;
    span_->setObjectName(QStringLiteral("monitorSpan"));
    for (const Span& s : kSpans) span_->addItem(Tr(s.caption));
    span_->setCurrentIndex(1);
    connect(span_, &QComboBox::currentIndexChanged, this, [this] { redrawNow(); });
    rate_ = new QSpinBox;
    rate_->setObjectName(QStringLiteral("monitorRate"));
    rate_->setRange(0, 50);
    rate_->setSpecialValueText(Tr(WindowText::NoLimit));
    rate_->setSuffix(Tr(WindowText::S));
    rate_->setValue(MonitorSampler::kDefaultRate);
    connect(rate_, &QSpinBox::valueChanged, this, [this](int v) { sampler_.setRate(v); });
    hold_ = new QCheckBox(Tr(WindowText::Freeze));
    hold_->setObjectName(QStringLiteral("monitorHold"));
    connect(hold_, &QCheckBox::toggled, this, [this] { redrawNow(); });
    save_ = new QPushButton(Tr(WindowText::SaveCSV));
    save_->setObjectName(QStringLiteral("monitorSave"));
    connect(save_, &QPushButton::clicked, this, &MonitorWindow::askSaveCsv);
    clear_ = new QPushButton(Tr(WindowText::ClearStatistics));
    clear_->setObjectName(QStringLiteral("monitorClear"));
    connect(clear_, &QPushButton::clicked, this, &MonitorWindow::clearFills);
    product_ = new QLabel;
    product_->setObjectName(QStringLiteral("monitorProduct"));
    status_ = new QLabel(MonitorSampler::StateText(MonitorSampler::State::Stopped));
    status_->setObjectName(QStringLiteral("monitorStatus"));
    weight_ = new QLabel(Tr(WindowText::Text3));
    weight_->setObjectName(QStringLiteral("monitorWeight"));
    QFont big = weight_->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    weight_->setFont(big);
    weight_->setMinimumWidth(140);
    weight_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bar->addWidget(run_);
    bar->addWidget(new QLabel(Tr(WindowText::Span)));
    bar->addWidget(span_);
    bar->addWidget(new QLabel(Tr(WindowText::Read4)));
    bar->addWidget(rate_);
    bar->addWidget(hold_);
    bar->addWidget(save_);
    bar->addWidget(clear_);
    bar->addStretch();
    bar->addWidget(product_);
    bar->addWidget(status_);
    bar->addWidget(weight_);
    layout->addLayout(bar);

    chart_ = new MonitorChart(samples_);
    scroll_ = new QScrollBar(Qt::Horizontal);
    scroll_->setObjectName(QStringLiteral("monitorScroll"));
    connect(scroll_, &QScrollBar::valueChanged, this, [this] { redrawNow(); });
    auto* chartPanel = new QWidget;
    auto* chartLayout = new QVBoxLayout(chartPanel);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    chartLayout->addWidget(chart_, 1);
    chartLayout->addWidget(scroll_);

    auto* statsPanel = new QWidget;
    auto* stats = new QVBoxLayout(statsPanel);
    stats->setContentsMargins(0, 0, 0, 0);
    summary_ = new QLabel;
    summary_->setObjectName(QStringLiteral("monitorSummary"));
    advice_ = new QLabel;
    advice_->setObjectName(QStringLiteral("monitorAdvice"));
    advice_->setWordWrap(true);
    table_ = new QTableWidget(0, 5);
    table_->setObjectName(QStringLiteral("monitorFills"));
    table_->setHorizontalHeaderLabels({Tr(WindowText::Time), Tr(WindowText::Weight2),
                                       Tr(WindowText::Judgement), Tr(WindowText::FineFeedStop),
                                       Tr(WindowText::FreeFallMeasured)});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setVisible(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    stats->addWidget(summary_);
    stats->addWidget(advice_);
    stats->addWidget(table_, 1);

    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(chartPanel);
    split->addWidget(statsPanel);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    layout->addWidget(split, 1);
    showSummary();
    resize(900, 640);
}

void MonitorWindow::open() {
    if (!isVisible()) {
        // Beside the main window, on its right where the screen has room.
        const QRect frame = main_ ? main_->frameGeometry() : QRect();
        QPoint at(frame.right() + 8, frame.top());
        if (const QScreen* screen = main_ ? main_->screen() : nullptr) {
            const QRect room = screen->availableGeometry();
            if (at.x() + width() > room.right())
                at.setX(std::max(room.left(), room.right() - width()));
        }
        move(at);
        startSession();
        sampler_.setDecimalPlaces(places_);
        sampler_.setRate(rate_->value());
        show();
        if (!sampler_.running()) sampler_.start();
        redraw_.start();
    }
    raise();
    activateWindow();
}

void MonitorWindow::startSession() {
    // A monitor opened again watches afresh: nothing of the last time is shown, counted or
    // advised on.
    samples_.clear();
    fills_.clear();
    table_->setRowCount(0);
    places_ = display::DecimalPlaces(link_.store());
    points_ = monitor::SetPoints{};
    chart_->setSetPoints(points_, places_);
    product_->clear();
    weight_->setText(Tr(WindowText::Text3));
    weight_->setEnabled(false);
    showSummary();
    redrawNow();
}

void MonitorWindow::closeEvent(QCloseEvent* event) {
    sampler_.stop();
    redraw_.stop();
    event->accept();
}

void MonitorWindow::toggleRun() {
    if (sampler_.running())
        sampler_.stop();
    else
        sampler_.start();
}

void MonitorWindow::onState(MonitorSampler::State state) {
    status_->setText(MonitorSampler::StateText(state));
    // Silent, lost or stopped: the big weight is the last one read, greyed until a new one comes.
    if (state != MonitorSampler::State::Running) weight_->setEnabled(false);
    run_->setText(sampler_.running() ? Tr(WindowText::Stop) : Tr(WindowText::Start));
}

void MonitorWindow::onProduct(int product) {
    // The indicator fills another product now: its fills are counted and advised on apart.
    if (product != points_.product && !fills_.empty()) clearFills();
    product_->setText(Tr(WindowText::Product1).arg(product, 2, 10, QLatin1Char('0')));
    points_ = monitor::SetPointsOf(link_.store(), product);
    chart_->setSetPoints(points_, places_);
    showSummary();
    dirty_ = true;
}

void MonitorWindow::onSample(const monitor::Sample& s) {
    // The clock may step back (a time change): the samples stay in time order.
    if (!samples_.empty() && s.ms < samples_.back().ms) samples_.clear();
    samples_.push_back(s);
    if (samples_.size() > size_t(kMaxSamples)) samples_.pop_front();
    // The weights show the decimals the indicator sends (with a whole number, the setting's).
    if (s.places != places_) {
        places_ = s.places;
        chart_->setSetPoints(points_, places_);
        showSummary();
    }
    weight_->setText(monitor::ShowWeight(s.weight, places_));
    weight_->setEnabled(true);
    dirty_ = true;
}

void MonitorWindow::onFill(const monitor::Fill& f) {
    fills_.push_back(f);
    const int row = table_->rowCount();
    table_->insertRow(row);
    const auto weight = [this](std::optional<double> v) {
        return v ? monitor::ShowWeight(*v, places_) : Tr(WindowText::Text3);
    };
    const QStringList cells = {Time(f.ms), weight(f.final), monitor::JudgementText(f.judgement),
                               weight(f.cutOff), weight(f.inFlight())};
    for (int c = 0; c < cells.size(); ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        item->setTextAlignment(c == 0 || c == 2 ? Qt::AlignCenter
                                                : Qt::AlignRight | Qt::AlignVCenter);
        table_->setItem(row, c, item);
    }
    table_->scrollToBottom();
    showSummary();
}

void MonitorWindow::clearFills() {
    fills_.clear();
    table_->setRowCount(0);
    showSummary();
}

void MonitorWindow::showSummary() {
    const monitor::Summary s = monitor::Summarize(fills_);
    const auto w = [this](double v) { return monitor::ShowWeight(v, places_); };
    const int more = places_ + 1;
    summary_->setText(s.count == 0
                          ? Tr(WindowText::Count0)
                          : Tr(WindowText::Count1Mean2)
                                .arg(s.count)
                                .arg(monitor::ShowWeight(s.mean, more),
                                     monitor::ShowWeight(s.stddev, more), w(s.min), w(s.max))
                                .arg(s.under)
                                .arg(s.over));
    advice_->setText(
        points_.product < 0
            ? QString()
            : monitor::FreeFallAdvice(s, points_.freeFall, monitor::Resolution(places_), places_));
}

qint64 MonitorWindow::spanMs() const {
    return kSpans[std::clamp(span_->currentIndex(), 0, int(std::size(kSpans)) - 1)].ms;
}

void MonitorWindow::syncScroll() {
    // The scroll bar runs over all samples kept; at its right end the chart follows the newest.
    const qint64 span = spanMs();
    const qint64 first = samples_.empty() ? 0 : samples_.front().ms;
    const qint64 last = samples_.empty() ? 0 : samples_.back().ms;
    const int max = int(std::max<qint64>(0, (last - first - span) / kScrollStepMs));
    const bool follow = !hold_->isChecked() && scroll_->value() >= scroll_->maximum();
    const QSignalBlocker block(scroll_);
    scroll_->setRange(0, max);
    scroll_->setPageStep(int(span / kScrollStepMs));
    if (follow) scroll_->setValue(max);
    // Nothing read yet: the chart ends now.
    const qint64 end = samples_.empty() ? QDateTime::currentMSecsSinceEpoch()
                       : follow         ? std::max(last, first + span)
                                        : first + span + qint64(scroll_->value()) * kScrollStepMs;
    chart_->setView(span, end);
}

void MonitorWindow::redrawNow() {
    dirty_ = false;
    syncScroll();
    chart_->refresh();
}

QString MonitorWindow::saveCsv(const QString& path) {
    const QString error = monitor::SaveSamplesCsv(path, samples_, places_);
    if (!error.isEmpty()) link_.view().showMessage(error);
    return error;
}

void MonitorWindow::askSaveCsv() {
    // The CSV dialog of the file menu's CSV items: it adds ".csv" to a name typed without it.
    const QString path = WidgetReportDialogs(this).askSaveCsv(QDir::current().filePath(
        QStringLiteral("monitor-%1.csv")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")))));
    if (!path.isEmpty()) saveCsv(path);
}
