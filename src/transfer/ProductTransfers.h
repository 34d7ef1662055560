#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "link/IndicatorLink.h"
#include "transfer/ProductPanel.h"

class SettingTransfers;

// Reads product n into the record whose number the indicator reports for its current product
// (in the store the link routes into). Failures throw; the calling operation reports them.
Task<WaitOutcome> ReadProductRecord(IndicatorLink& link, int n);

// The product selection request: "W00" and the product number in five digits (W0000005).
// A number the model has no product for (outside 0 … 99 on the F805) names no product:
// OperationError, nothing to send.
QString ProductSelectionRequest(int productNo, IndicatorModel model);

// Moves the model's product records (eight values each, codes 10 … 17) between the indicator and
// the store, writes the values shown in the product boxes to one or all products, and switches
// the indicator's current product. The caller holds the link's one-operation guard (which also
// clears the time-out flag). Each of the button operations is one error trap: a failure shows
// the error report with the 8018 hint and ends the operation. The operations are tasks on the
// link (see IndicatorLink::reply).
class ProductTransfers {
  public:
    ProductTransfers(IndicatorLink& link, ProductPanel& panel) : link_(link), panel_(panel) {}

    // Reading the products selects each one on the indicator. With this set (the command line,
    // which may read an indicator on a working line), a read of all products first asks the
    // indicator's current product and selects it again after the last product, and notes that
    // in the run. The window's operations keep their settled sequences (off).
    void setKeepIndicatorProduct(bool on) { keepIndicatorProduct_ = on; }

    // The seven product buttons and menu commands.
    Task<void> changeProduct();  // select the product named by the selector's text on the indicator
    Task<void> readOneProduct();  // read the selected product, then redraw
    // Read every product of the store's model, then redraw; send every stored record of it.
    // Both return false when
    // they stopped on a reported fault (the operator has seen its one message). A read that ran
    // to its end without every value it asked for says so in the status line and names the
    // values in one message.
    Task<bool> readAllProducts();
    Task<void> writeOneProduct();  // send the selected stored record
    Task<bool> writeAllProducts();
    Task<void> writeShownToTarget();  // send the shown values to the indicator-side target product
    Task<void> writeShownToAll();     // send the shown values to every product

    // Reads all products, then all settings; writes all products, then all settings. The second
    // half runs even when the first ended by a time-out, not after a reported fault. All-read
    // names the values it could not read in one message at its end; all-write checks every
    // product and setting before the first request.
    Task<void> allRead(SettingTransfers& settings);
    Task<void> allWrite(SettingTransfers& settings);

    // Probes the link, then sends stored record n and a sync. Failures throw.
    Task<WaitOutcome> writeProduct(int n);
    // True when stored record n is fit to send: no value is empty or fails its digit mask.
    bool storedProductValid(int n) const;
    // The check before a write of all products (and, with `settings`, of all settings): false,
    // with the one message shown, when a stored record or setting may not be sent.
    Task<bool> checkAllToSend(SettingTransfers* settings);
    // True when all eight shown values pass their digit masks.
    bool checkDisplayedProduct() const;

  private:
    Task<void> changeProductBody();
    Task<void> readAllBody(const ReadCheck& check);
    // Selects the product the indicator was on before a read of all products, and notes it.
    void selectHomeProduct();
    Task<void> writeAllBody();
    Task<void> writeShownToAllBody();
    // The eight shown values, or an empty list when any fails its mask.
    QStringList checkedShownValues() const;
    // Selects the product and sends its eight values, then a sync.
    Task<WaitOutcome> sendValues(int product, QString selection, QStringList values);

    IndicatorLink& link_;
    ProductPanel& panel_;
    bool keepIndicatorProduct_ = false;
    std::optional<int> home_;  // the indicator's product before the read under way
};
