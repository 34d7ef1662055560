#include "ui/ChangedPreview.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "history/Compare.h"
#include "texts/WindowTexts.h"

ChangedPreview::ChangedPreview(const std::vector<ChangedValue>& changes,
                               const SettingsStore& window, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmChangedPreview"));
    setWindowTitle(Tr(WindowText::WriteChangedValuesOnly));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Tr(WindowText::These1ValuesWill).arg(changes.size())));
    const std::vector<Difference> decoded = DifferencesOfChanges(window, changes);
    auto* table = new QTableWidget(int(changes.size()), 4);
    table->setObjectName(QStringLiteral("ChangedList"));
    table->setHorizontalHeaderLabels({Tr(WindowText::Item), Tr(WindowText::IndicatorValue),
                                      Tr(WindowText::NewValue), Tr(WindowText::Meaning)});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->hide();
    for (int i = 0; i < int(changes.size()); ++i) {
        table->setItem(i, 0, new QTableWidgetItem(PlaceText(decoded[size_t(i)])));
        table->setItem(i, 1, new QTableWidgetItem(ShownValue(changes[i].indicator)));
        table->setItem(i, 2, new QTableWidgetItem(ShownValue(changes[i].window)));
        table->setItem(i, 3, new QTableWidgetItem(ContentText(decoded[size_t(i)])));
    }
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    layout->addWidget(table);
    auto* buttons = new QDialogButtonBox;
    QPushButton* write = buttons->addButton(Tr(WindowText::Write), QDialogButtonBox::AcceptRole);
    write->setObjectName(QStringLiteral("ChangedWrite"));
    write->setDefault(true);
    buttons->addButton(Tr(WindowText::Cancel), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(760, 420);
}
