#include "ui/BracketLine.h"

#include <QPainter>

BracketLine::BracketLine(int firstRow, int lastRow, QWidget* parent)
    : QWidget(parent), first_(firstRow), last_(lastRow) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
}

void BracketLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    const int rows = last_ - first_ + 1;
    // The widget spans the rows; the ends sit at the middle of the first and the last row.
    const int inset = rows > 0 ? height() / (2 * rows) : height() / 2;
    const int top = inset;
    const int bottom = height() - inset - 1;
    const int x = width() / 2;
    painter.drawLine(1, top, x, top);
    painter.drawLine(x, top, x, bottom);
    painter.drawLine(1, bottom, x, bottom);
}
