#pragma once

#include <QWidget>

// The bracket beside the detail rows of one packed item: a short line at the middle of the first
// row, a vertical line down to the middle of the last row and a short line there (three lines).
class BracketLine : public QWidget {
    Q_OBJECT
  public:
    BracketLine(int firstRow, int lastRow, QWidget* parent = nullptr);

    int firstRow() const { return first_; }
    int lastRow() const { return last_; }
    QSize sizeHint() const override { return {12, 20}; }
    QSize minimumSizeHint() const override { return {8, 8}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int first_;
    int last_;
};
