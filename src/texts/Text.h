#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstddef>
#include <vector>

// Every text the operator reads comes from a table under src/texts: per area an enumeration of
// identifiers and a table of one row per identifier, in the enumeration's order, holding the
// Japanese source text marked for Qt's translation tools (`QT_TRANSLATE_NOOP` with the area's
// context, which lupdate reads). With no translation installed the Japanese text is shown, as it
// always was. Code names a text by its identifier: `Tr(TransferText::SettingsReadStopped)`.
namespace texts {

template <typename Id>
struct TextRow {
    Id id;
    const char* source;
};

// Whether a table's rows follow its enumeration: row n holds identifier n.
template <typename Id, std::size_t N>
constexpr bool InOrder(const TextRow<Id> (&table)[N]) {
    for (std::size_t i = 0; i < N; ++i)
        if (static_cast<std::size_t>(table[i].id) != i) return false;
    return true;
}

// The text of identifier `id` of a table, translated in `context`.
template <typename Id, std::size_t N>
QString Render(const char* context, const TextRow<Id> (&table)[N], Id id) {
    const auto n = static_cast<std::size_t>(id);
    return n < N ? QCoreApplication::translate(context, table[n].source) : QString();
}

// The Japanese source text of identifier `id`, whatever the language.
template <typename Id, std::size_t N>
QString SourceOf(const TextRow<Id> (&table)[N], Id id) {
    const auto n = static_cast<std::size_t>(id);
    return n < N ? QString::fromUtf8(table[n].source) : QString();
}

// One source text of an area, for the checks of every table.
struct Source {
    const char* context;
    const char* text;
};
// Every source text of every area (src/texts/Areas.cpp lists the areas).
std::vector<Source> AllSources();

// The rows of a table as sources of `context`.
template <typename Id, std::size_t N>
void AddSources(std::vector<Source>& into, const char* context, const TextRow<Id> (&table)[N]) {
    for (const TextRow<Id>& row : table) into.push_back({context, row.source});
}

}  // namespace texts
