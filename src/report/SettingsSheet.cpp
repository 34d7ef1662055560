#include "report/SettingsSheet.h"

#include "model/Catalogue.h"
#include "model/DisplayFormat.h"
#include "model/ModelSpec.h"

namespace {

// What a detail row shows for a stored value, times with their unit; empty for no value.
QString Meaning(const RowSpec& row, const QString& value, int places) {
    const RowShow show = row.binding.show;
    if (show == RowShow::None) return {};
    const QString text = display::RowText(row, value, places);
    const bool seconds = show == RowShow::Tenths || show == RowShow::Hundredths;
    return seconds && !text.isEmpty() ? text + QStringLiteral(" 秒") : text;
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

QString ModelText(IndicatorModel model) {
    return QString::fromLatin1(SpecOf(model).name);
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
    return parts.join(u'、');
}

SettingsSheet BuildSheet(const SettingsStore& store, const SheetSource& source) {
    SettingsSheet sheet;
    const IndicatorModel model = store.model();
    sheet.title = QStringLiteral("%1 インジケーター設定値一覧表").arg(ModelText(model));
    const QString none = QStringLiteral("—");
    sheet.headerLines = {
        QStringLiteral("機種: ") + ModelText(model),
        QStringLiteral("作成日時: ") + source.at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
        QStringLiteral("装置: ") + (source.device.isEmpty() ? none : source.device),
        QStringLiteral("データの出所: ") + OriginText(source.origin) +
            (source.edited ? QStringLiteral("（編集あり）") : QString()),
        QStringLiteral("プログラム: ") + ProgramVersionText(),
    };

    const int places = display::DecimalPlaces(store);
    for (const CatalogueEntry& entry : EntriesOf(model))
        sheet.settings.push_back(SettingOf(entry, store.setting(entry.slot), places));

    sheet.productCaptions = ProductItemLabels();
    std::vector<int> empty;
    for (int p = 0; p < SettingsStore::kProducts; ++p) {
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
        sheet.productNote =
            QStringLiteral("値のない銘柄 %1 は省略しました。").arg(NumberRanges(empty));
    return sheet;
}
