#include "ui/ChangedPreview.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "history/Compare.h"

ChangedPreview::ChangedPreview(const std::vector<ChangedValue>& changes,
                               const SettingsStore& window, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmChangedPreview"));
    setWindowTitle(QCoreApplication::translate("window", "変更分のみ書き込み"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QCoreApplication::translate("window", "次の %1 件を指示計へ書き込みます。")
                       .arg(changes.size())));
    const std::vector<Difference> decoded = DifferencesOfChanges(window, changes);
    auto* table = new QTableWidget(int(changes.size()), 4);
    table->setObjectName(QStringLiteral("ChangedList"));
    table->setHorizontalHeaderLabels({QCoreApplication::translate("window", "項目"),
                                      QCoreApplication::translate("window", "指示計の値"),
                                      QCoreApplication::translate("window", "新しい値"),
                                      QCoreApplication::translate("window", "内容")});
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
    QPushButton* write = buttons->addButton(QCoreApplication::translate("window", "書き込み"),
                                            QDialogButtonBox::AcceptRole);
    write->setObjectName(QStringLiteral("ChangedWrite"));
    write->setDefault(true);
    buttons->addButton(QCoreApplication::translate("window", "キャンセル"),
                       QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(760, 420);
}
