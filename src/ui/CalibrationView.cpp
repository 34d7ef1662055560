#include "ui/CalibrationView.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "history/Journal.h"
#include "link/IndicatorLink.h"
#include "link/RunKinds.h"
#include "model/Catalogue.h"
#include "model/DisplayFormat.h"
#include "model/ModelFacts.h"
#include "monitor/Calibration.h"
#include "platform/FileRules.h"
#include "platform/OperationError.h"
#include "report/Certificate.h"
#include "report/SettingsSheet.h"
#include "texts/WindowTexts.h"

using namespace tolerance;

namespace {

QString KindText(TestPoint::Kind kind) {
    switch (kind) {
        case TestPoint::Zero:
            return Tr(WindowText::Zero);
        case TestPoint::Rising:
            return Tr(WindowText::Rising);
        case TestPoint::Falling:
            return Tr(WindowText::Falling);
        case TestPoint::Repeat:
            return Tr(WindowText::Repeat);
    }
    return {};
}

// "合格 (+0.35 e)": the decision and the error in scale intervals.
QString ResultText(const std::optional<PointResult>& r, qint64 e) {
    if (!r) return {};
    return (r->pass ? Tr(WindowText::Pass) : Tr(WindowText::Fail)) +
           QStringLiteral(" (%1 e)").arg(QString::number(double(r->error) / double(e), 'f', 2));
}

constexpr qint64 kMaxRecordBytes = 1 << 20;

}  // namespace

CalibrationView::CalibrationView(IndicatorLink& link, QString recordPath, Journal* journal,
                                 QWidget* parent)
    : QDialog(parent), link_(link), recordPath_(std::move(recordPath)), journal_(journal) {
    setObjectName(QStringLiteral("frmCalibration"));
    setWindowTitle(Tr(WindowText::CalibrationTest));
    const FileRead kept = ReadFileContent(recordPath_, kMaxRecordBytes);
    if (std::optional<TestRecord> r = TestRecordFromJson(kept.bytes)) record_ = *r;
    if (record_.header.date.isNull()) record_.header.date = QDate::currentDate();
    build();
    showRecord();
}

void CalibrationView::build() {
    auto* layout = new QVBoxLayout(this);
    auto* header = new QGroupBox(Tr(WindowText::Test));
    auto* form = new QFormLayout(header);
    const auto line = [&](QLineEdit*& edit, const char* name, WindowText caption) {
        edit = new QLineEdit;
        edit->setObjectName(QString::fromLatin1(name));
        form->addRow(Tr(caption), edit);
        connect(edit, &QLineEdit::editingFinished, this, [this] { keep(); });
    };
    line(customer_, "CalCustomer", WindowText::Customer);
    line(site_, "CalSite", WindowText::Site);
    line(serial_, "CalSerial", WindowText::SerialNumber);
    line(technician_, "CalTechnician", WindowText::Tested);
    date_ = new QDateEdit;
    date_->setCalendarPopup(true);
    date_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    form->addRow(Tr(WindowText::TestDate), date_);
    auto* instrument = new QHBoxLayout;
    capacity_ = new QLabel;
    capacity_->setObjectName(QStringLiteral("CalCapacity"));
    auto* readInstrumentButton = new QPushButton(Tr(WindowText::ReadFromIndicator));
    readInstrumentButton->setObjectName(QStringLiteral("CalReadInstrument"));
    instrument->addWidget(capacity_, 1);
    instrument->addWidget(readInstrumentButton);
    form->addRow(Tr(WindowText::CapacityScaleInterval), instrument);
    auto* classes = new QHBoxLayout;
    accuracy_ = new QComboBox;
    accuracy_->setObjectName(QStringLiteral("CalClass"));
    accuracy_->addItems({QStringLiteral("III"), QStringLiteral("IIII"), Tr(WindowText::AgreedMPE)});
    custom_ = new QSpinBox;
    custom_->setRange(1, 100);
    custom_->setSuffix(Tr(WindowText::HalfScaleInterval));
    verification_ = new QComboBox;
    verification_->setObjectName(QStringLiteral("CalVerification"));
    verification_->addItems({Tr(WindowText::InitialVerification), Tr(WindowText::ServiceDoubled)});
    classes->addWidget(accuracy_);
    classes->addWidget(custom_);
    classes->addWidget(verification_);
    form->addRow(Tr(WindowText::AccuracyClass), classes);
    for (QComboBox* box : {accuracy_, verification_})
        connect(box, &QComboBox::currentIndexChanged, this, [this] { keep(); });
    connect(custom_, &QSpinBox::valueChanged, this, [this] { keep(); });
    connect(date_, &QDateEdit::dateChanged, this, [this] { keep(); });
    layout->addWidget(header);

    auto* weightsFrame = new QGroupBox(Tr(WindowText::ReferenceWeightsUsed));
    auto* weightsLayout = new QHBoxLayout(weightsFrame);
    weights_ = new QTableWidget(0, 2);
    weights_->setObjectName(QStringLiteral("CalWeights"));
    weights_->setHorizontalHeaderLabels(
        {Tr(WindowText::NominalValue), Tr(WindowText::CertificateNumber)});
    weights_->horizontalHeader()->setStretchLastSection(true);
    weights_->setMaximumHeight(110);
    auto* addWeight = new QPushButton(Tr(WindowText::Add));
    connect(addWeight, &QPushButton::clicked, this,
            [this] { weights_->insertRow(weights_->rowCount()); });
    connect(weights_, &QTableWidget::itemChanged, this, [this] { keep(); });
    weightsLayout->addWidget(weights_, 1);
    weightsLayout->addWidget(addWeight, 0, Qt::AlignTop);
    layout->addWidget(weightsFrame);

    auto* runs = new QHBoxLayout;
    foundRun_ = new QRadioButton(Tr(WindowText::AsFound));
    foundRun_->setObjectName(QStringLiteral("CalAsFound"));
    leftRun_ = new QRadioButton(Tr(WindowText::AsLeft));
    leftRun_->setObjectName(QStringLiteral("CalAsLeft"));
    foundRun_->setChecked(true);
    auto* defaultPoints = new QPushButton(Tr(WindowText::DefaultTestPoints));
    defaultPoints->setObjectName(QStringLiteral("CalDefaultPoints"));
    runs->addWidget(foundRun_);
    runs->addWidget(leftRun_);
    runs->addStretch();
    runs->addWidget(defaultPoints);
    layout->addLayout(runs);

    points_ = new QTableWidget(0, 6);
    points_->setObjectName(QStringLiteral("CalPoints"));
    points_->setHorizontalHeaderLabels({Tr(WindowText::TestPoint), Tr(WindowText::Load),
                                        Tr(WindowText::AsFound2), Tr(WindowText::ResultAsFound),
                                        Tr(WindowText::AsLeft2), Tr(WindowText::ResultAsLeft)});
    points_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    points_->setSelectionBehavior(QAbstractItemView::SelectRows);
    points_->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(points_, 1);
    // A load typed into the table is the point's nominal load; its readings go.
    connect(points_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() != 1 || item->row() >= int(record_.points.size())) return;
        bool ok = false;
        const double value = item->text().toDouble(&ok);
        const qint64 counts = qRound64(value * std::pow(10.0, record_.header.places));
        TestPoint& p = record_.points[item->row()];
        if (!ok || counts < 0 || counts == p.nominal) {
            showRecord();
            return;
        }
        p.nominal = counts;
        record_.asFound[item->row()].reset();
        record_.asLeft[item->row()].reset();
        keep();
        showRecord();
    });
    connect(points_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0) current_ = row;
        showRecord();
    });

    guide_ = new QLabel;
    guide_->setObjectName(QStringLiteral("CalGuide"));
    guide_->setWordWrap(true);
    verdict_ = new QLabel;
    verdict_->setObjectName(QStringLiteral("CalVerdict"));
    layout->addWidget(guide_);
    layout->addWidget(verdict_);

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const char* name, WindowText caption) {
        auto* b = new QPushButton(Tr(caption));
        b->setObjectName(QString::fromLatin1(name));
        buttons->addWidget(b);
        return b;
    };
    QPushButton* read = button("CalRead", WindowText::Read);
    QPushButton* zero = button("CalZero", WindowText::ZeroCalibration);
    QPushButton* span = button("CalSpan", WindowText::SpanCalibration);
    buttons->addStretch();
    QPushButton* save = button("CalSavePdf", WindowText::SaveCertificateAsPDF);
    QPushButton* print = button("CalPrint", WindowText::PrintCertificate);
    QPushButton* close = button("CalClose", WindowText::Close);
    layout->addLayout(buttons);
    read->setDefault(true);

    connect(read, &QPushButton::clicked, this, [this] { readPoint(); });
    connect(zero, &QPushButton::clicked, this, [this] { calibrate(false); });
    connect(span, &QPushButton::clicked, this, [this] { calibrate(true); });
    connect(readInstrumentButton, &QPushButton::clicked, this, [this] { readInstrument(); });
    connect(defaultPoints, &QPushButton::clicked, this, [this] { resetPoints(); });
    connect(save, &QPushButton::clicked, this, [this] { askSaveCertificate(); });
    connect(print, &QPushButton::clicked, this, [this] { printCertificate(); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(foundRun_, &QRadioButton::toggled, this, [this] { showRecord(); });
    resize(820, 720);
}

bool CalibrationView::asLeft() const {
    return leftRun_->isChecked();
}

void CalibrationView::showRecord() {
    const QSignalBlocker quietPoints(points_);
    const QSignalBlocker quietWeights(weights_);
    const TestHeader& h = record_.header;
    for (auto [edit, value] : {std::pair{customer_, h.customer},
                               {site_, h.site},
                               {serial_, h.serial},
                               {technician_, h.technician}})
        if (!edit->hasFocus()) edit->setText(value);
    {
        const QSignalBlocker q1(date_), q2(accuracy_), q3(custom_), q4(verification_);
        date_->setDate(h.date);
        accuracy_->setCurrentIndex(int(h.rule.accuracy));
        custom_->setValue(h.rule.customHalfIntervals);
        custom_->setEnabled(h.rule.accuracy == AccuracyClass::Custom);
        verification_->setCurrentIndex(h.rule.verification == Verification::InService ? 1 : 0);
    }
    capacity_->setText(
        h.max > 0 ? QStringLiteral("Max %1 / e %2 (%3)")
                        .arg(CountsText(h.max, h.places), CountsText(h.e, h.places), h.model)
                  : Tr(WindowText::ReadItFromIndicator));
    weights_->setRowCount(int(h.weights.size()));
    for (int i = 0; i < int(h.weights.size()); ++i) {
        weights_->setItem(i, 0, new QTableWidgetItem(h.weights[i].nominal));
        weights_->setItem(i, 1, new QTableWidgetItem(h.weights[i].certificate));
    }
    const RunVerdict found = JudgeRun(h, record_.points, record_.asFound);
    const RunVerdict left = JudgeRun(h, record_.points, record_.asLeft);
    points_->setRowCount(int(record_.points.size()));
    for (int i = 0; i < int(record_.points.size()); ++i) {
        const TestPoint& p = record_.points[i];
        const auto reading = [&](const std::optional<qint64>& r) {
            return r ? CountsText(*r, h.places) : QString();
        };
        const QStringList cells = {QStringLiteral("%1 %2").arg(i + 1).arg(KindText(p.kind)),
                                   CountsText(p.nominal, h.places),
                                   reading(record_.asFound[i]),
                                   ResultText(found.points[i], h.e),
                                   reading(record_.asLeft[i]),
                                   ResultText(left.points[i], h.e)};
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c != 1) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            points_->setItem(i, c, item);
        }
    }
    if (current_ >= 0 && current_ < points_->rowCount()) points_->selectRow(current_);
    if (current_ >= 0 && current_ < int(record_.points.size()))
        guide_->setText(Tr(WindowText::TestPoint1Place)
                            .arg(current_ + 1)
                            .arg(CountsText(record_.points[current_].nominal, h.places)));
    else if (record_.points.empty())
        guide_->setText(Tr(WindowText::ReadCapacityScaleInterval));
    const auto runText = [](const RunVerdict& v) {
        return !v.complete ? Tr(WindowText::NotComplete)
               : v.pass    ? Tr(WindowText::Pass)
                           : Tr(WindowText::Fail);
    };
    verdict_->setText(Tr(WindowText::AsFound1As).arg(runText(found), runText(left)));
}

void CalibrationView::takeHeader() {
    TestHeader& h = record_.header;
    h.customer = customer_->text();
    h.site = site_->text();
    h.serial = serial_->text();
    h.technician = technician_->text();
    h.date = date_->date();
    h.rule.accuracy = AccuracyClass(accuracy_->currentIndex());
    h.rule.customHalfIntervals = custom_->value();
    h.rule.verification =
        verification_->currentIndex() == 1 ? Verification::InService : Verification::Initial;
    h.weights.clear();
    for (int i = 0; i < weights_->rowCount(); ++i) {
        const auto text = [&](int c) {
            return weights_->item(i, c) ? weights_->item(i, c)->text() : QString();
        };
        if (!text(0).isEmpty() || !text(1).isEmpty()) h.weights.push_back({text(0), text(1)});
    }
}

void CalibrationView::keep() {
    takeHeader();
    custom_->setEnabled(record_.header.rule.accuracy == AccuracyClass::Custom);
    // A test that cannot be kept goes on; the next change tries again.
    const QString failure = ReplaceFileContent(recordPath_, ToJson(record_));
    if (!failure.isEmpty()) say(failure);
    showRecord();
}

void CalibrationView::resetPoints() {
    if (record_.header.max <= 0) {
        say(Tr(WindowText::ReadCapacityScaleInterval));
        return;
    }
    record_.setPoints(DefaultTestPoints(record_.header.max, record_.header.e));
    record_.adjustments.clear();
    current_ = 0;
    keep();
}

void CalibrationView::say(const QString& text) {
    guide_->setText(text);
}

bool CalibrationView::start(Task<void> step) {
    const bool started = link_.startJob(std::move(step), [this](std::exception_ptr error) {
        if (error) {
            try {
                std::rethrow_exception(error);
            } catch (const OperationError& e) {
                say(ErrorReportText(e, ErrorHint::Port8018));
            } catch (...) {
            }
        }
        showRecord();
        emit stepEnded();
    });
    if (!started) say(Tr(WindowText::CannotStartWhileAnother));
    return started;
}

bool CalibrationView::readInstrument() {
    return start([](CalibrationView* self) -> Task<void> {
        IndicatorLink& link = self->link_;
        const ModelFacts& facts = FactsOf(link.store().model());
        const QString decimal = DecimalPointSource(facts.model).code;
        for (const QString& code : {QString::fromLatin1(facts.capacityCode),
                                    QString::fromLatin1(facts.intervalCode), decimal}) {
            link.sendLine(QStringLiteral("W") + code);
            const WaitOutcome got = co_await link.reply(ReplyFor::Value(code));
            if (got == WaitOutcome::TimedOut) co_return;
        }
        TestHeader& h = self->record_.header;
        const SettingsStore& store = link.store();
        h.model = ModelName(facts.model);
        h.max = store.value(QString::fromLatin1(facts.capacityCode)).toLongLong();
        h.e = std::max<qint64>(
            1, store.value(QString::fromLatin1(facts.intervalCode)).right(3).toLongLong());
        h.places = display::DecimalPlaces(store);
        self->record_.weighingSettings.clear();
        const SettingsSheet sheet = BuildSheet(store, {});
        for (const SheetSetting& s : sheet.settings) {
            bool weighing = false;
            for (const char* code : facts.weighingCodes)
                weighing = weighing || s.code.endsWith(QString::fromLatin1(code));
            if (!weighing) continue;
            if (s.items.empty())
                self->record_.weighingSettings
                    << QStringLiteral("%1 %2: %3").arg(s.code, s.caption, s.meaning);
            for (const SheetItem& item : s.items)
                self->record_.weighingSettings
                    << QStringLiteral("%1 %2: %3").arg(s.code, item.caption, item.meaning);
        }
        if (self->record_.points.empty()) self->record_.setPoints(DefaultTestPoints(h.max, h.e));
        self->keep();
    }(this));
}

bool CalibrationView::readPoint() {
    if (current_ < 0 || current_ >= int(record_.points.size())) {
        say(Tr(WindowText::ReadCapacityScaleInterval));
        return false;
    }
    return start([](CalibrationView* self, int point, bool left) -> Task<void> {
        const calibration::Reading r = co_await calibration::ReadStable(
            self->link_, Clock::System(), self->record_.header.places);
        if (r.outcome != calibration::Outcome::Done) {
            self->say(calibration::OutcomeText(r.outcome, r));
            co_return;
        }
        (left ? self->record_.asLeft : self->record_.asFound)[point] = r.counts;
        if (point + 1 < int(self->record_.points.size())) self->current_ = point + 1;
        self->keep();
    }(this, current_, asLeft()));
}

bool CalibrationView::calibrate(bool span) {
    return start([](CalibrationView* self, bool span) -> Task<void> {
        self->say(span ? Tr(WindowText::SpanCalibrationUnderWay)
                       : Tr(WindowText::ZeroCalibrationUnderWay));
        const calibration::Outcome o = co_await calibration::Calibrate(
            self->link_, Clock::System(),
            span ? calibration::Adjustment::Span : calibration::Adjustment::Zero);
        if (o != calibration::Outcome::Done) {
            self->say(calibration::OutcomeText(o));
            co_return;
        }
        self->record_.adjustments << (span ? Tr(WindowText::SpanCalibration2)
                                           : Tr(WindowText::ZeroCalibration2));
        // What follows an adjustment is the test as left.
        self->leftRun_->setChecked(true);
        self->current_ = 0;
        self->keep();
        self->say(span ? Tr(WindowText::SpanCalibrationFinished)
                       : Tr(WindowText::ZeroCalibrationFinished));
    }(this, span));
}

QString CalibrationView::saveCertificate(const QString& path) {
    takeHeader();
    const QString failure = WriteCertificatePdf(record_, path);
    if (failure.isEmpty()) recordInJournal();
    say(failure.isEmpty() ? Tr(WindowText::CertificateSaved1).arg(path) : failure);
    return failure;
}

// The test goes into the journal as a run of its own, its verdicts in the note, the whole record
// (every reading) kept as JSON beside the journal under the run's number.
void CalibrationView::recordInJournal() {
    if (!journal_) return;
    TransferRun run;
    run.operation = QString(runkind::kCalibrationTest);
    run.model = link_.store().model();
    run.device = link_.activePort() ? link_.activePort()->deviceName() : QString();
    const auto verdict = [this](const std::vector<std::optional<qint64>>& readings) {
        const RunVerdict v = JudgeRun(record_.header, record_.points, readings);
        return !v.complete ? Tr(WindowText::NotComplete)
               : v.pass    ? Tr(WindowText::Pass)
                           : Tr(WindowText::Fail);
    };
    const qint64 id = journal_->record(
        run,
        RunNote(runkind::kCalibrationResult, {verdict(record_.asFound), verdict(record_.asLeft)}));
    if (id == 0) return;  // the journal said why
    QFileInfo(journal_->path()).dir().mkpath(QStringLiteral("calibration"));
    ReplaceFileContent(KeptTestPath(*journal_, id), ToJson(record_));
}

QString CalibrationView::KeptTestPath(const Journal& journal, qint64 id) {
    return QFileInfo(journal.path()).dir().filePath(QStringLiteral("calibration/%1.json").arg(id));
}

void CalibrationView::askSaveCertificate() {
    const QString path = QFileDialog::getSaveFileName(this, Tr(WindowText::SaveCertificateAsPDF2),
                                                      QString(), QStringLiteral("PDF (*.pdf)"));
    if (!path.isEmpty()) saveCertificate(path);
}

void CalibrationView::printCertificate() {
    takeHeader();
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!PaintCertificate(record_, printer)) say(Tr(WindowText::CouldNotPrint));
}
