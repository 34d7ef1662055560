#include "report/SettingsSheet.h"

#include "model/Catalogue.h"
#include "model/DisplayFormat.h"
#include "model/ModelFacts.h"
#include "texts/ReportTexts.h"

namespace {

// What a detail row shows for a stored value, times with their unit; empty for no value.
QString Meaning(const RowSpec& row, const QString& value, int places) {
    const RowShow show = row.binding.show;
    if (show == RowShow::None) return {};
    const QString text = display::RowText(row, value, places);
    const bool seconds = show == RowShow::Tenths || show == RowShow::Hundredths;
    return seconds && !text.isEmpty() ? Tr(ReportText::Seconds).arg(text) : text;
}

SheetSetting SettingOf(const CatalogueEntry& entry, const QString& value, int places) {
    SheetSetting s;
    s.code = u'W' + entry.code;
    s.caption = entry.buttonCaption;
    s.raw = value;
    const std::vector<RowSpec>& rows = RowsOf(entry.model);
    std::vector<SheetItem> items;
    for (int n : entry.rows) {
        const RowSpec& row = rows[n];
        if (row.binding.show == RowShow::None) continue;
        items.push_back({row.label, Meaning(row, value, places)});
    }
    const bool packed =
        entry.kind == ItemKind::PackedChoice || entry.kind == ItemKind::PackedNumeric;
    if (packed)
        s.items = std::move(items);
    else if (!items.empty())
        s.meaning = items.front().meaning;
    return s;
}

}  // namespace

QString ProgramVersionText() {
    return QStringLiteral("Rusk Vol.2.0.0");
}

QString NumberRanges(const std::vector<int>& numbers) {
    QStringList parts;
    for (size_t i = 0; i < numbers.size();) {
        size_t j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1) ++j;
        parts << (j == i ? QString::number(numbers[i])
                         : QStringLiteral("%1–%2").arg(numbers[i]).arg(numbers[j]));
        i = j + 1;
    }
    return parts.join(Tr(ReportText::RangeJoiner));
}

SettingsSheet BuildSheet(const SettingsStore& store, const SheetSource& source) {
    SettingsSheet sheet;
    const IndicatorModel model = store.model();
    sheet.title = Tr(ReportText::SheetTitle).arg(ModelName(model));
    const QString none = QStringLiteral("—");
    sheet.headerLines = {
        Tr(ReportText::HeaderModel).arg(ModelName(model)),
        Tr(ReportText::HeaderCreated)
            .arg(source.at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))),
        Tr(ReportText::HeaderDevice).arg(source.device.isEmpty() ? none : source.device),
        Tr(ReportText::HeaderOrigin)
            .arg(OriginText(source.origin) + (source.edited ? Tr(ReportText::Edited) : QString())),
        Tr(ReportText::HeaderProgram).arg(ProgramVersionText()),
    };

    const int places = display::DecimalPlaces(store);
    for (const CatalogueEntry& entry : EntriesOf(model))
        sheet.settings.push_back(SettingOf(entry, store.setting(entry.slot), places));

    sheet.productCaptions = ProductItemLabels();
    std::vector<int> empty;
    for (int p = 0; p < store.productCount(); ++p) {
        SheetProduct product{p, {}};
        bool any = false;
        for (int item = 0; item < SettingsStore::kProductItems; ++item) {
            product.values << store.product(p, item);
            any = any || !product.values.back().isEmpty();
        }
        if (any)
            sheet.products.push_back(std::move(product));
        else
            empty.push_back(p);
    }
    if (!empty.empty())
        sheet.productNote = Tr(ReportText::EmptyProductsOmitted).arg(NumberRanges(empty));
    return sheet;
}
