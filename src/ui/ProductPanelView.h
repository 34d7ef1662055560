#pragma once

#include "transfer/ProductPanel.h"

class MainWindow;

// The product tab as the product transfers see it: the product selector `Combo1(0)`, the
// indicator-side target `Combo1(1)` and the eight boxes `W10`, read live.
class ProductPanelView : public ProductPanel {
  public:
    explicit ProductPanelView(MainWindow& window) : window_(window) {}

    // Both product lists hold "0" … the model's last product ("99") and show "0".
    void fillLists();

    QString selectorText() const override;
    int selectedProduct() const override;
    void selectProduct(int n) override;
    int targetProduct() const override;
    QString shownValue(int item) const override;

  private:
    MainWindow& window_;
};
