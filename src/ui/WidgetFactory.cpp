#include "ui/WidgetFactory.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ui {

QPushButton* MakeButton(const QString& name, const QString& caption, const Dispatch& dispatch,
                        Operation op, int index) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button,
                     [dispatch, op, index] { dispatch(op, index); });
    return button;
}

QLabel* MakeLabel(const QString& name, const QString& caption) {
    auto* label = new QLabel(caption);
    label->setObjectName(name);
    return label;
}

QLineEdit* MakeBox(const QString& name, int chars, bool readOnly) {
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setReadOnly(readOnly);
    const QFontMetrics metrics(box->font());
    // Room for the characters plus the frame and text margins.
    box->setMinimumWidth(metrics.horizontalAdvance(QString(chars, u'0')) + 16);
    box->setMaximumWidth(metrics.horizontalAdvance(QString(chars, u'0')) * 2 + 16);
    return box;
}

QComboBox* MakeList(const QString& name, bool editable) {
    auto* list = new QComboBox;
    list->setObjectName(name);
    list->setEditable(editable);
    // A typed number selects an entry (or is refused); it never becomes an entry of its own.
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(editable ? 4 : 10);
    return list;
}

QGroupBox* MakeFrame(const QString& name, const QString& caption) {
    auto* frame = new QGroupBox(caption);
    frame->setObjectName(name);
    return frame;
}

void FitPopupToEntries(QComboBox* list) {
    QAbstractItemView* view = list->view();
    view->setTextElideMode(Qt::ElideNone);
    view->setMinimumWidth(view->sizeHintForColumn(0) + 24);
}

}  // namespace ui
