#include "ui/HistoryView.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "history/Compare.h"
#include "history/Verify.h"
#include "link/RunKinds.h"
#include "model/Catalogue.h"
#include "model/ModelFacts.h"
#include "platform/FileRules.h"
#include "report/Certificate.h"
#include "texts/WindowTexts.h"
#include "ui/CalibrationView.h"
#include "ui/DifferenceView.h"
#include "ui/widgets/MessageBoxes.h"
#include "ui/widgets/ModalRun.h"

namespace {

QString AllDevices() {
    return Tr(WindowText::AllDevices);
}

QPushButton* Button(const char* name, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

QTableWidget* ReadOnlyTable(const char* name, const QStringList& headers, QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(QLatin1String(name));
    table->setHorizontalHeaderLabels(headers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void FillRow(QTableWidget* table, int row, const QStringList& texts) {
    for (int c = 0; c < texts.size(); ++c) table->setItem(row, c, new QTableWidgetItem(texts[c]));
}

// "一括書き込み（書き込み前）" for what a write overwrote. Older journals named such a
// snapshot "書き込み前" itself: it is not said twice.
QString OperationText(const JournalEntry& e) {
    if (e.note != Journal::kBeforeWrite || e.operation == e.note) return e.operationText();
    return e.operationText() + Tr(WindowText::OpenParen) + e.noteText() +
           Tr(WindowText::CloseParen);
}

// How the run ended: a write that was read back says what the read-back found.
QString StateText(const JournalEntry& e) {
    if (!e.complete) return Tr(WindowText::Stopped);
    if (e.direction == TransferRun::Direction::Write && IsVerifyVerdict(e.note))
        return e.noteText();
    return Tr(WindowText::Done);
}

QStringList RowTexts(const JournalEntry& e) {
    const bool read = e.direction == TransferRun::Direction::Read;
    return {e.time.toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")),
            e.deviceName(),
            ModelName(e.model),
            OperationText(e),
            read ? Tr(WindowText::Read2) : Tr(WindowText::Write),
            StateText(e),
            QString::number(e.valueCount)};
}

// "W20" for a setting, "銘柄 3 定量" for a product value.
QString PlaceOf(const TransferValue& v) {
    if (v.product < 0) return QStringLiteral("W") + v.code;
    const int item = v.code.toInt() - 10;
    const QStringList& labels = ProductItemLabels();
    const QString field = item >= 0 && item < labels.size() ? labels[item] : v.code;
    return Tr(WindowText::ProductPlace).arg(v.product).arg(field);
}

}  // namespace

HistoryView::HistoryView(Journal& journal, SettingsStore& windowStore, std::function<void()> redraw,
                         QWidget* parent)
    : QDialog(parent),
      journal_(journal),
      store_(windowStore),
      redraw_(std::move(redraw)),
      ownMessages_(std::make_unique<WidgetMessagePresenter>()),
      messages_(ownMessages_.get()) {
    setObjectName(QStringLiteral("HistoryView"));
    setWindowTitle(Tr(WindowText::History));

    device_ = new QComboBox(this);
    device_->setObjectName(QStringLiteral("HistoryDevice"));
    device_->addItem(AllDevices());
    device_->addItems(journal_.devices());
    auto* deviceLabel = new QLabel(Tr(WindowText::Device), this);
    deviceLabel->setObjectName(QStringLiteral("HistoryDeviceLabel"));
    deviceLabel->setBuddy(device_);

    failure_ = new QLabel(this);
    failure_->setObjectName(QStringLiteral("HistoryFailure"));
    failure_->setWordWrap(true);

    table_ = ReadOnlyTable("HistoryTable",
                           {Tr(WindowText::Date), Tr(WindowText::Device2), Tr(WindowText::Model),
                            Tr(WindowText::Operation), Tr(WindowText::ReadWrite),
                            Tr(WindowText::State), Tr(WindowText::Values)},
                           this);

    QPushButton* show = Button("ShowSnapshot", Tr(WindowText::ShowValues), this);
    QPushButton* compare = Button("CompareSnapshot", Tr(WindowText::CompareWindow), this);
    QPushButton* load = Button("LoadSnapshot", Tr(WindowText::LoadIntoWindow), this);
    QPushButton* save = Button("SaveSnapshot", Tr(WindowText::SaveAsDataFile), this);
    reprint_ = Button("ReprintCertificate", Tr(WindowText::CertificateAgainAsPDF), this);
    QPushButton* close = Button("CloseHistory", Tr(WindowText::Close), this);
    selectionButtons_ = {show, compare, load, save};
    connect(show, &QPushButton::clicked, this, &HistoryView::showSnapshot);
    connect(compare, &QPushButton::clicked, this, &HistoryView::compareSnapshot);
    connect(load, &QPushButton::clicked, this, &HistoryView::loadSnapshot);
    connect(save, &QPushButton::clicked, this, &HistoryView::saveSnapshot);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(reprint_, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(
            this, Tr(WindowText::SaveCertificateAsPDF2), QString(), QStringLiteral("PDF (*.pdf)"));
        if (!path.isEmpty()) reprintCertificate(path);
    });
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &HistoryView::updateButtons);
    connect(device_, &QComboBox::currentIndexChanged, this, &HistoryView::reload);

    askSavePath_ = [this] {
        // A name typed without a suffix gets ".mdb", as the open dialog lists only those; the
        // dialog asks before replacing under the name it completed.
        QFileDialog dialog(this, Tr(WindowText::SaveAsDataFile2), QString(),
                           Tr(WindowText::DataFilesMdb));
        dialog.setObjectName(QStringLiteral("SaveSnapshotDialog"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QStringLiteral("mdb"));
        if (RunModal(dialog, this) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    };

    auto* top = new QHBoxLayout;
    top->addWidget(deviceLabel);
    top->addWidget(device_, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : selectionButtons_) buttons->addWidget(b);
    buttons->addWidget(reprint_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(failure_);
    layout->addWidget(table_);
    layout->addLayout(buttons);
    resize(820, 480);
    reload();
}

HistoryView::~HistoryView() = default;

void HistoryView::setMessagePresenter(MessagePresenter* messages) {
    messages_ = messages ? messages : ownMessages_.get();
}

void HistoryView::reload() {
    const QString device = device_->currentIndex() > 0 ? device_->currentText() : QString();
    entries_ = journal_.list(device);
    const QString failure = journal_.failure();
    failure_->setText(failure);
    failure_->setVisible(!failure.isEmpty());
    table_->clearSelection();
    table_->setRowCount(static_cast<int>(entries_.size()));
    for (int r = 0; r < table_->rowCount(); ++r) FillRow(table_, r, RowTexts(entries_[r]));
    table_->resizeColumnsToContents();
    updateButtons();
}

qint64 HistoryView::selectedId() const {
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    if (rows.isEmpty() || rows.first().row() >= static_cast<int>(entries_.size())) return 0;
    return entries_[rows.first().row()].id;
}

void HistoryView::updateButtons() {
    const bool selected = selectedId() != 0;
    for (QPushButton* b : selectionButtons_) b->setEnabled(selected);
    const QModelIndexList rows = table_->selectionModel()->selectedRows();
    reprint_->setEnabled(selected && entries_[rows.first().row()].operation ==
                                         QString(runkind::kCalibrationTest));
}

QString HistoryView::reprintCertificate(const QString& path) {
    const FileRead kept =
        ReadFileContent(CalibrationView::KeptTestPath(journal_, selectedId()), 1 << 20);
    const std::optional<tolerance::TestRecord> test = tolerance::TestRecordFromJson(kept.bytes);
    const QString failure =
        !test ? (kept.failure.isEmpty() ? Tr(WindowText::RecordThisTestCannot) : kept.failure)
              : WriteCertificatePdf(*test, path);
    if (!failure.isEmpty()) messages_->showMessage(this, failure);
    return failure;
}

void HistoryView::showSnapshot() {
    const std::optional<JournalSnapshot> snapshot = journal_.load(selectedId());
    if (!snapshot) {
        const QString failure = journal_.failure();
        messages_->showMessage(this,
                               failure.isEmpty() ? Tr(WindowText::ThisHistoryEntryWas) : failure);
        return;
    }
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("SnapshotContent"));
    dialog.setWindowTitle(Tr(WindowText::HistoryEntry));
    QTableWidget* table =
        ReadOnlyTable("SnapshotValues", {Tr(WindowText::Place), Tr(WindowText::Value)}, &dialog);
    table->setRowCount(static_cast<int>(snapshot->values.size()));
    for (int r = 0; r < table->rowCount(); ++r) {
        const TransferValue& v = snapshot->values[r];
        FillRow(table, r, {PlaceOf(v), v.value});
    }
    table->resizeColumnsToContents();
    QPushButton* close = Button("CloseSnapshotContent", Tr(WindowText::Close), &dialog);
    connect(close, &QPushButton::clicked, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(table);
    layout->addWidget(close, 0, Qt::AlignRight);
    dialog.resize(420, 480);
    RunModal(dialog, this);
}

void HistoryView::compareSnapshot() {
    SettingsStore snapshotStore = store_;  // values the snapshot lacks stay equal
    QString reason;
    if (!journal_.applyTo(selectedId(), snapshotStore, &reason)) {
        messages_->showMessage(this, reason);
        return;
    }
    DifferenceView view(CompareStores(store_, snapshotStore, store_.model(), CompareScope::Both),
                        this);
    view.setMessagePresenter(messages_);
    view.setTakeOther([this, &view](std::vector<int> rows) {
        ApplyOtherValues(store_, view.differences(), rows);
        if (redraw_) redraw_();
    });
    if (push_)
        view.setPushSelected([this, &view](std::vector<int> rows) {
            push_(view.differences(), rows);
            view.accept();
            accept();
        });
    RunModal(view, this);
}

void HistoryView::loadSnapshot() {
    QString reason;
    if (!journal_.applyTo(selectedId(), store_, &reason)) {
        messages_->showMessage(this, reason);
        return;
    }
    if (redraw_) redraw_();
    if (loaded_)
        if (const std::optional<JournalSnapshot> snapshot = journal_.load(selectedId()))
            loaded_(*snapshot);
}

void HistoryView::saveSnapshot() {
    const qint64 id = selectedId();
    const QString path = askSavePath_ ? askSavePath_() : QString();
    if (id == 0 || path.isEmpty()) return;
    const DataFileSave result = journal_.saveAsDataFile(id, path);
    for (const QString& message : result.messages) messages_->showMessage(this, message);
}
