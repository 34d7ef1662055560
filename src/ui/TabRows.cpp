#include "ui/TabRows.h"

#include <QEvent>
#include <QMouseEvent>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>

TabRows::TabRows(QTabWidget* tabs, QWidget* parent) : QWidget(parent), tabs_(tabs) {
    // As high as its rows at the width it is given (the layout asks heightForWidth).
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    // Like the tab widget's own bar: a click on a caption does not take the keyboard focus.
    setFocusPolicy(Qt::NoFocus);
    connect(tabs_, &QTabWidget::currentChanged, this, &TabRows::relayout);
    relayout();
}

QSize TabRows::captionSize(int index) const {
    // As the tab bar measures a tab without an icon or buttons.
    QStyleOptionTab option;
    option.initFrom(this);
    option.shape = QTabBar::RoundedNorth;
    option.text = tabs_->tabText(index);
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, option.text);
    const int hframe = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, this);
    const int vframe = style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option, this);
    return style()->sizeFromContents(QStyle::CT_TabBarTab, &option,
                                     QSize(text.width() + hframe, text.height() + vframe), this);
}

int TabRows::rowHeight() const {
    int height = 0;
    for (int i = 0; i < tabs_->count(); ++i) height = std::max(height, captionSize(i).height());
    return height;
}

int TabRows::oneRowWidth() const {
    int width = 0;
    for (int i = 0; i < tabs_->count(); ++i) width += captionSize(i).width();
    return width;
}

TabRows::Layout TabRows::layoutFor(int width) const {
    Layout layout;
    const int count = tabs_->count();
    if (count == 0) return layout;
    std::vector<int> widths;
    for (int i = 0; i < count; ++i) widths.push_back(captionSize(i).width());
    // Rows as [first, end) ranges of captions, each row closed before it passes `limit`.
    auto fill = [&](int limit) {
        std::vector<std::pair<int, int>> rows;
        int used = 0;
        for (int i = 0; i < count; ++i) {
            if (rows.empty() || (used + widths[i] > limit && i > rows.back().first)) {
                rows.emplace_back(i, i);
                used = 0;
            }
            rows.back().second = i + 1;
            used += widths[i];
        }
        return rows;
    };
    // As few rows as the width allows, filled about equally.
    const size_t fewest = fill(width).size();
    int total = 0;
    for (int w : widths) total += w;
    std::vector<std::pair<int, int>> rows;
    for (int limit = total / static_cast<int>(fewest);; limit += 4) {
        rows = fill(std::min(limit, width));
        if (rows.size() <= fewest) break;
    }

    // The row of the current tab lies next to the page, the others above it in their order.
    const int height = rowHeight();
    layout.rows = static_cast<int>(rows.size());
    layout.rects.resize(count);
    layout.rowOf.resize(count);
    int currentRow = 0;
    for (int r = 0; r < layout.rows; ++r)
        if (tabs_->currentIndex() >= rows[r].first && tabs_->currentIndex() < rows[r].second)
            currentRow = r;
    for (int r = 0; r < layout.rows; ++r) {
        const auto [first, end] = rows[r];
        const int shownRow = r == currentRow ? layout.rows - 1 : r < currentRow ? r : r - 1;
        int rowWidth = 0;
        for (int i = first; i < end; ++i) rowWidth += widths[i];
        // One row keeps the captions' own widths; several rows fill the width evenly.
        const int spare = layout.rows > 1 ? std::max(0, width - rowWidth) : 0;
        const int n = end - first;
        int x = 0;
        for (int i = first; i < end; ++i) {
            const int k = i - first;
            const int w = widths[i] + spare / n + (k < spare % n ? 1 : 0);
            layout.rects[i] = QRect(x, shownRow * height, w, height);
            layout.rowOf[i] = r;
            x += w;
        }
    }
    return layout;
}

void TabRows::relayout() {
    const int rowsBefore = layout_.rows;
    layout_ = layoutFor(std::max(width(), 1));
    if (layout_.rows != rowsBefore) updateGeometry();
    update();
}

QRect TabRows::tabRect(int index) const {
    if (index < 0 || index >= static_cast<int>(layout_.rects.size())) return {};
    return layout_.rects[index];
}

int TabRows::tabAt(const QPoint& pos) const {
    for (int i = 0; i < static_cast<int>(layout_.rects.size()); ++i)
        if (layout_.rects[i].contains(pos)) return i;
    return -1;
}

QSize TabRows::sizeHint() const {
    return {oneRowWidth(), rowHeight()};
}

QSize TabRows::minimumSizeHint() const {
    int widest = 0;
    for (int i = 0; i < tabs_->count(); ++i) widest = std::max(widest, captionSize(i).width());
    return {widest, rowHeight()};
}

int TabRows::heightForWidth(int width) const {
    return std::max(1, layoutFor(width).rows) * rowHeight();
}

void TabRows::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

void TabRows::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        layout_.rows = 0;  // measure again
        relayout();
    } else if (event->type() == QEvent::LanguageChange) {
        // The captions are dressed in the new language after this event: measure them then.
        QTimer::singleShot(0, this, [this] {
            layout_.rows = 0;
            relayout();
        });
    }
}

void TabRows::mousePressEvent(QMouseEvent* event) {
    const int index = tabAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index >= 0) {
        tabs_->setCurrentIndex(index);
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void TabRows::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    const int current = tabs_->currentIndex();
    auto draw = [&](int i) {
        QStyleOptionTab option;
        option.initFrom(this);
        option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
        option.shape = QTabBar::RoundedNorth;
        option.rect = layout_.rects[i];
        option.text = tabs_->tabText(i);
        option.row = layout_.rowOf[i];
        const bool first = i == 0 || layout_.rowOf[i - 1] != option.row;
        const bool last = i + 1 == tabs_->count() || layout_.rowOf[i + 1] != option.row;
        option.position = first && last ? QStyleOptionTab::OnlyOneTab
                          : first       ? QStyleOptionTab::Beginning
                          : last        ? QStyleOptionTab::End
                                        : QStyleOptionTab::Middle;
        option.selectedPosition = !first && current == i - 1  ? QStyleOptionTab::PreviousIsSelected
                                  : !last && current == i + 1 ? QStyleOptionTab::NextIsSelected
                                                              : QStyleOptionTab::NotAdjacent;
        if (i == current) option.state |= QStyle::State_Selected;
        painter.drawControl(QStyle::CE_TabBarTab, option);
    };
    // The current tab last: it overlaps its neighbours.
    for (int i = 0; i < static_cast<int>(layout_.rects.size()); ++i)
        if (i != current) draw(i);
    if (current >= 0 && current < static_cast<int>(layout_.rects.size())) draw(current);
}
