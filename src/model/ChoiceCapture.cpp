#include "model/ChoiceCapture.h"

#include <cmath>

#include "model/DisplayFormat.h"
#include "model/ModelFacts.h"

namespace capture {

std::optional<QString> CapturedValue(const CatalogueEntry& entry,
                                     const std::vector<int>& selections, const QString& stored) {
    if (selections.size() != entry.rows.size()) return {};
    // Compose with the first option standing in for each unselected list, then put the stored
    // characters of those lists back.
    std::vector<int> positions = selections;
    std::vector<int> unselectedRows;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        if (positions[i] >= 0) continue;
        positions[i] = 0;
        unselectedRows.push_back(entry.rows[i]);
    }
    std::optional<QString> value = ComposeValue(entry, positions);
    if (!value || stored.isEmpty()) return value;
    for (int row : unselectedRows)
        for (int pos : RowOf(entry.model, row).ownedChars)
            if (pos >= 1 && pos <= value->size())
                (*value)[pos - 1] = QChar(u'0' + display::DigitAt(stored, pos));
    return value;
}

std::optional<int> ProductNumberOf(const QString& text, IndicatorModel model) {
    const double whole = std::trunc(display::NumericValue(text));
    if (!(whole >= 0 && whole < FactsOf(model).products)) return {};
    return static_cast<int>(whole);
}

}  // namespace capture
