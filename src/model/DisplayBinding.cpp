#include "model/DisplayBinding.h"

#include "model/Catalogue.h"
#include "model/DisplayFormat.h"

namespace display {
namespace {

// The characters of `value` the binding reads; missing characters are left out.
QString Span(const RowBinding& b, const QString& value) {
    switch (b.span) {
        case CharSpan::Whole:
            return value;
        case CharSpan::First:
            return value.left(b.count);
        case CharSpan::Last:
            return value.right(b.count);
        case CharSpan::At:
            return b.count >= 1 && b.count <= value.size() ? value.mid(b.count - 1, 1) : QString();
    }
    return value;
}

}  // namespace

ListShow ShowList(const SettingsStore& store, int list, int places) {
    const RowBinding b = RowOf(store.model(), list).binding;
    if (b.show == RowShow::None || b.code.isEmpty()) return {};
    const QString value = store.value(b.code);
    // An empty value is no data: the list keeps what it shows.
    if (value.isEmpty()) return {};
    const QString chars = Span(b, value);
    switch (b.show) {
        case RowShow::Choice:
            // The option digit (the whole zone number for the gravity rows); a missing or
            // non-digit character counts as 0, and a one-based digit 0 is below the first
            // option: no selection.
            return {ListShow::Select, PositionOf(b, value).value_or(-1), {}};
        case RowShow::Weight:
            return {ListShow::Single, 0, FormatWeight(value, places)};
        case RowShow::Tenths:
            return {ListShow::Single, 0, FormatTenths(chars)};
        case RowShow::Hundredths:
            return {ListShow::Single, 0, FormatHundredths(chars)};
        case RowShow::Text:
            return {ListShow::Single, 0, chars};
        case RowShow::None:
            break;
    }
    return {};
}

}  // namespace display
