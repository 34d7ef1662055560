#include "ui/LanguageDress.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>

#include "texts/Language.h"

namespace ui {
namespace {

// One text of an object, found again by its key among the object's texts.
struct TextSlot {
    QObject* owner;
    QString key;
    QString shown;
    std::function<void(const QString&)> set;
};

// The source a slot was last dressed from, kept on its owner beside the text it then showed: a
// text changed since by the program is its own source again.
const char* SourceProperty(const QString& key, const char* what) {
    thread_local QByteArray name;
    name = QByteArrayLiteral("ruskDress.") + key.toLatin1() + '.' + what;
    return name.constData();
}

std::optional<texts::ShownSource> KeptSource(const TextSlot& slot) {
    if (slot.owner->property(SourceProperty(slot.key, "shown")).toString() != slot.shown)
        return std::nullopt;
    const QStringList kept =
        slot.owner->property(SourceProperty(slot.key, "source")).toStringList();
    if (kept.size() != 3) return std::nullopt;
    return texts::ShownSource{kept[0].toUtf8(), kept[1].toUtf8(), kept[2].toUtf8()};
}

void Keep(const TextSlot& slot, const texts::ShownSource& source, const QString& shown) {
    slot.owner->setProperty(
        SourceProperty(slot.key, "source"),
        QStringList{QString::fromUtf8(source.context), QString::fromUtf8(source.source),
                    QString::fromUtf8(source.disambiguation)});
    slot.owner->setProperty(SourceProperty(slot.key, "shown"), shown);
}

// Whether the action's tool tip was set, rather than made by Qt from its text (which then follows
// the text by itself): Qt keeps no other sign of it than that.
bool HasOwnToolTip(QAction* action) {
    const QSignalBlocker quiet(action);
    const QString text = action->text();
    const QString tip = action->toolTip();
    action->setText(text + QChar(0x2060));
    const bool own = action->toolTip() == tip;
    action->setText(text);
    return own;
}

void CollectSlots(QObject* object, std::vector<TextSlot>& into) {
    const auto add = [&](const QString& key, const QString& shown,
                         std::function<void(const QString&)> set) {
        if (!shown.isEmpty()) into.push_back({object, key, shown, std::move(set)});
    };
    if (auto* widget = qobject_cast<QWidget*>(object)) {
        if (widget->isWindow())
            add("title", widget->windowTitle(),
                [widget](const QString& t) { widget->setWindowTitle(t); });
        add("tip", widget->toolTip(), [widget](const QString& t) { widget->setToolTip(t); });
    }
    if (auto* button = qobject_cast<QAbstractButton*>(object)) {
        const auto* tool = qobject_cast<QToolButton*>(button);
        if (!tool || !tool->defaultAction())
            add("text", button->text(), [button](const QString& t) { button->setText(t); });
    } else if (auto* label = qobject_cast<QLabel*>(object)) {
        add("text", label->text(), [label](const QString& t) { label->setText(t); });
    } else if (auto* frame = qobject_cast<QGroupBox*>(object)) {
        add("text", frame->title(), [frame](const QString& t) { frame->setTitle(t); });
    } else if (auto* menu = qobject_cast<QMenu*>(object)) {
        add("text", menu->title(), [menu](const QString& t) { menu->setTitle(t); });
    } else if (auto* action = qobject_cast<QAction*>(object)) {
        if (!action->menu() && !action->isSeparator()) {
            add("text", action->text(), [action](const QString& t) { action->setText(t); });
            if (HasOwnToolTip(action))
                add("actiontip", action->toolTip(),
                    [action](const QString& t) { action->setToolTip(t); });
        }
    } else if (auto* tabs = qobject_cast<QTabWidget*>(object)) {
        for (int i = 0; i < tabs->count(); ++i)
            add(QStringLiteral("tab%1").arg(i), tabs->tabText(i),
                [tabs, i](const QString& t) { tabs->setTabText(i, t); });
    } else if (auto* list = qobject_cast<QComboBox*>(object)) {
        for (int i = 0; i < list->count(); ++i)
            add(QStringLiteral("item%1").arg(i), list->itemText(i),
                [list, i](const QString& t) { list->setItemText(i, t); });
    } else if (auto* box = qobject_cast<QLineEdit*>(object)) {
        add("placeholder", box->placeholderText(),
            [box](const QString& t) { box->setPlaceholderText(t); });
    } else if (auto* table = qobject_cast<QTableWidget*>(object)) {
        for (int i = 0; i < table->columnCount(); ++i)
            if (QTableWidgetItem* header = table->horizontalHeaderItem(i))
                add(QStringLiteral("column%1").arg(i), header->text(),
                    [header](const QString& t) { header->setText(t); });
    } else if (auto* tree = qobject_cast<QTreeWidget*>(object)) {
        QTreeWidgetItem* header = tree->headerItem();
        for (int i = 0; header && i < tree->columnCount(); ++i)
            add(QStringLiteral("column%1").arg(i), header->text(i),
                [header, i](const QString& t) { header->setText(i, t); });
    }
}

}  // namespace

void KeepSource(QObject* owner, const char* key, const texts::ShownSource& source) {
    std::vector<TextSlot> found;
    CollectSlots(owner, found);
    for (const TextSlot& slot : found)
        if (slot.key == QLatin1String(key)) Keep(slot, source, slot.shown);
}

void DressAgain(QWidget* root) {
    if (!root) return;
    std::vector<TextSlot> slotsFound;
    CollectSlots(root, slotsFound);
    for (QObject* child : root->findChildren<QObject*>()) CollectSlots(child, slotsFound);
    for (const TextSlot& slot : slotsFound) {
        std::optional<texts::ShownSource> source = KeptSource(slot);
        if (!source) source = texts::SourceOfShown(slot.shown);
        if (!source) continue;  // a value, or a text filled with one
        const QString shown = texts::Rendered(*source);
        if (shown != slot.shown) slot.set(shown);
        Keep(slot, *source, shown);
    }
}

}  // namespace ui
