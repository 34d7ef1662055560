#pragma once

#include <QObject>

class MainWindow;

// The lists' way back into the store: an option picked in an item list is stored when the list
// is left, and the two product lists keep a valid product number selected and show the chosen
// product.
class EditCapture : public QObject {
    Q_OBJECT
  public:
    explicit EditCapture(MainWindow& window);

    // Item list `list` (Combo3, 0 … 74) was left: with a selection, its item's value is built
    // from all lists of the item and stored, then the window is redrawn. A list without a
    // selection changes nothing; a computed list stores nothing but still redraws.
    void captureChoice(int list);

    // The product lists Combo1(0) (the product shown) and Combo1(1) (the indicator-side target).
    void productListEntered(int element);  // focus gained
    void productListEnter(int element);    // Enter pressed
    void productListLeft(int element);     // focus lost

  private:
    // Selects the entry for product `n` in a product list.
    void selectProduct(int element, int n);
    // Runs a step of a product list handler: a failure is reported and the handler goes on.
    template <typename Step>
    void reportFailures(Step step);

    MainWindow& window_;
};
