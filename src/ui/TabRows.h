#pragma once

#include <QWidget>
#include <vector>

class QTabWidget;

// The captions of the tabbed panel SSTab1 in as many rows as the window's width needs, so that
// no caption is ever cut short or hidden behind scroll arrows (a window narrower than all ten
// captions side by side, as at 125 % or 150 % scaling on a laptop screen, shows two rows). The
// tab widget keeps the pages and the current tab; its own one-row bar is hidden and this one
// stands in for it: a press on a caption shows that tab.
class TabRows : public QWidget {
    Q_OBJECT
  public:
    explicit TabRows(QTabWidget* tabs, QWidget* parent = nullptr);

    // Where caption `index` is drawn at the present width, and which caption is at `pos` (-1
    // for none).
    QRect tabRect(int index) const;
    int tabAt(const QPoint& pos) const;
    int rowCount() const { return layout_.rows; }
    // The room a caption needs: its text and the style's tab margins.
    QSize captionSize(int index) const;
    // The width that shows every caption in one row.
    int oneRowWidth() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    struct Layout {
        std::vector<QRect> rects;
        std::vector<int> rowOf;
        int rows = 0;
    };
    // Captions in order, a row filled before the next begins; with more than one row each row
    // is spread over the whole width.
    Layout layoutFor(int width) const;
    int rowHeight() const;
    void relayout();

    QTabWidget* tabs_;
    Layout layout_;
};
