#pragma once

#include <QString>

// What the product tab shows to the product transfers: the product selector's text and
// selection, the indicator-side target product, and the eight values in the product entry
// boxes (item 0 … 7 is code 10 … 17). The window implements it; tests fake it.
class ProductPanel {
  public:
    virtual ~ProductPanel() = default;

    // The selector's text as typed or picked ("7").
    virtual QString selectorText() const = 0;
    // The selector's selected position (the product number), -1 when none is selected.
    virtual int selectedProduct() const = 0;
    virtual void selectProduct(int n) = 0;
    // The selected position of the indicator-side product list, -1 when none is selected.
    virtual int targetProduct() const = 0;
    // The text of product entry box `item` as it stands now.
    virtual QString shownValue(int item) const = 0;
};
