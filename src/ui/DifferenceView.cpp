#include "ui/DifferenceView.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "report/DifferencesCsv.h"
#include "texts/WindowTexts.h"
#include "ui/widgets/MessageBoxes.h"

namespace {

enum Column { kPlace, kWindow, kOther, kContent, kColumns };

QPushButton* Button(const char* name, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

DifferenceView::DifferenceView(std::vector<Difference> differences, QWidget* parent)
    : QDialog(parent),
      differences_(std::move(differences)),
      ownMessages_(std::make_unique<WidgetMessagePresenter>()),
      messages_(ownMessages_.get()),
      windowSide_(Tr(WindowText::WindowValue)),
      otherSide_(Tr(WindowText::OtherValue)) {
    setObjectName(QStringLiteral("DifferenceView"));
    setWindowTitle(Tr(WindowText::Comparison));

    summary_ = new QLabel(SummaryText(CountDifferences(differences_)), this);
    summary_->setObjectName(QStringLiteral("DifferenceSummary"));

    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("DifferenceTable"));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fillTable();

    takeButton_ = Button("TakeOther", Tr(WindowText::TakeSelectedValues), this);
    pushButton_ = Button("PushSelected", Tr(WindowText::WriteSelectedValuesIndicator), this);
    pushButton_->hide();
    QPushButton* save = Button("SaveCsv", Tr(WindowText::SaveAsCSV), this);
    QPushButton* close = Button("CloseView", Tr(WindowText::Close), this);
    takeButton_->setEnabled(false);
    pushButton_->setEnabled(false);
    save->setEnabled(!differences_.empty());
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        takeButton_->setEnabled(!selectedIndexes().empty());
        pushButton_->setEnabled(takeButton_->isEnabled());
    });
    connect(takeButton_, &QPushButton::clicked, this, &DifferenceView::takeSelected);
    connect(pushButton_, &QPushButton::clicked, this, &DifferenceView::pushSelected);
    connect(save, &QPushButton::clicked, this, &DifferenceView::saveCsv);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    askCsvPath_ = [this] {
        return QFileDialog::getSaveFileName(this, Tr(WindowText::SaveAsCSV2), QString(),
                                            Tr(WindowText::CSVFilesCsv));
    };

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(takeButton_);
    buttons->addWidget(pushButton_);
    buttons->addWidget(save);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(table_);
    layout->addLayout(buttons);
    resize(760, 480);
}

DifferenceView::~DifferenceView() = default;

void DifferenceView::setMessagePresenter(MessagePresenter* messages) {
    messages_ = messages ? messages : ownMessages_.get();
}

void DifferenceView::setSides(const QString& title, const QString& windowSide,
                              const QString& otherSide) {
    setWindowTitle(title);
    windowSide_ = windowSide;
    otherSide_ = otherSide;
    setHeaders();
}

void DifferenceView::setHeaders() {
    table_->setHorizontalHeaderLabels(
        {Tr(WindowText::Place), windowSide_, otherSide_, Tr(WindowText::Meaning)});
}

void DifferenceView::fillTable() {
    table_->setColumnCount(kColumns);
    setHeaders();
    table_->setRowCount(static_cast<int>(differences_.size()));
    for (int r = 0; r < table_->rowCount(); ++r) {
        const Difference& d = differences_[r];
        table_->setItem(r, kPlace, new QTableWidgetItem(PlaceText(d)));
        table_->setItem(r, kWindow, new QTableWidgetItem(ShownValue(d.windowValue)));
        table_->setItem(r, kOther, new QTableWidgetItem(ShownValue(d.otherValue)));
        table_->setItem(r, kContent, new QTableWidgetItem(ContentText(d)));
    }
    table_->verticalHeader()->setVisible(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
}

std::vector<int> DifferenceView::selectedIndexes() const {
    std::vector<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void DifferenceView::takeSelected() {
    const std::vector<int> rows = selectedIndexes();
    if (!rows.empty() && take_) take_(rows);
}

void DifferenceView::setPushSelected(std::function<void(std::vector<int>)> push) {
    push_ = std::move(push);
    pushButton_->setVisible(bool(push_));
}

void DifferenceView::pushSelected() {
    const std::vector<int> rows = selectedIndexes();
    if (!rows.empty() && push_) push_(rows);
}

void DifferenceView::saveCsv() {
    const QString path = askCsvPath_ ? askCsvPath_() : QString();
    if (path.isEmpty()) return;
    const QString reason = SaveDifferencesCsv(path, differences_);
    if (!reason.isEmpty()) messages_->showMessage(this, Tr(WindowText::CSVFileCouldNot) + reason);
}
