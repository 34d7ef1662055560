#include "ui/ChangedPreview.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "model/Catalogue.h"

QString ChangedPreview::PlaceText(const ChangedValue& change, IndicatorModel model) {
    if (change.product >= 0) {
        const int item = change.code.right(1).toInt();
        return QCoreApplication::translate("window", "銘柄 %1 %2")
            .arg(change.product)
            .arg(ProductItemLabels().value(item));
    }
    for (const CatalogueEntry& e : EntriesOf(model))
        if (e.code == change.code)
            return QStringLiteral("W%1 %2").arg(change.code, e.buttonCaption);
    return QStringLiteral("W") + change.code;
}

ChangedPreview::ChangedPreview(const std::vector<ChangedValue>& changes, IndicatorModel model,
                               QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmChangedPreview"));
    setWindowTitle(QCoreApplication::translate("window", "変更分のみ書き込み"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QCoreApplication::translate("window", "次の %1 件を指示計へ書き込みます。")
                       .arg(changes.size())));
    auto* table = new QTableWidget(int(changes.size()), 3);
    table->setObjectName(QStringLiteral("ChangedList"));
    table->setHorizontalHeaderLabels({QCoreApplication::translate("window", "項目"),
                                      QCoreApplication::translate("window", "指示計の値"),
                                      QCoreApplication::translate("window", "新しい値")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table->verticalHeader()->hide();
    for (int i = 0; i < int(changes.size()); ++i) {
        table->setItem(i, 0, new QTableWidgetItem(PlaceText(changes[i], model)));
        table->setItem(i, 1, new QTableWidgetItem(changes[i].indicator));
        table->setItem(i, 2, new QTableWidgetItem(changes[i].window));
    }
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
    resize(560, 380);
}
