#pragma once

#include <QObject>
#include <QString>

class MainWindow;

// Checks every typed entry when its box is left: trims it, tests it against the box's digit
// mask (or the 1-to-16 rule), stores it when it passes, and otherwise shows the message and
// marks the box red; any edit turns the text black again.
class EntryChecks : public QObject {
    Q_OBJECT
  public:
    explicit EntryChecks(MainWindow& window);

    // The leave handling of one box (family 1 = W10 products, 2 … 9 = W20 … W90).
    void leaveBox(int family, int index);

  private:
    MainWindow& window_;
    // The box and text last checked: a box left twice without an edit is checked once (an
    // operation started from the keyboard checks the focused box before it runs, and the box
    // is left again later).
    int checkedFamily_ = -1;
    int checkedIndex_ = -1;
    QString checkedText_;
};
