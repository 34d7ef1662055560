#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "model/Catalogue.h"

// The way back from the item lists and the product lists into the store: which value a picked
// option makes, and which product a typed or picked product number names. No widgets involved.
namespace capture {

// The value to store when the option lists of a choice item show `selections` (one list
// position per row of the entry, in row order; -1 for a list without a selection). A list
// without a selection keeps the characters it owns in the stored value, so a digit the lists
// cannot show is not lost; when nothing is stored yet it counts as its first option. Nothing
// for numeric and packed-numeric items, for a wrong number of selections and for a position
// beyond its row's options: the stored value is then left as it is.
std::optional<QString> CapturedValue(const CatalogueEntry& entry,
                                     const std::vector<int>& selections, const QString& stored);

// The product number of `model` that the text of a product list names: the whole part of the
// number its leading characters spell ("42", " 7", "12.9" → 12). Nothing for a number the
// model has no product for (outside 0 … 99 on the F805).
std::optional<int> ProductNumberOf(const QString& text, IndicatorModel model);

}  // namespace capture
