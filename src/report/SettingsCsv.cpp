#include "report/SettingsCsv.h"

#include "report/Csv.h"
#include "texts/ReportTexts.h"

QString SettingsCsv(const SettingsSheet& sheet) {
    QString text = csv::Record({Tr(ReportText::ColumnCode), Tr(ReportText::ColumnItem),
                                Tr(ReportText::ColumnSetting), Tr(ReportText::ColumnMeaning)});
    for (const SheetSetting& s : sheet.settings) {
        text += csv::Record({s.code, s.caption, s.raw, s.meaning});
        for (const SheetItem& item : s.items)
            text += csv::Record({s.code, s.caption + QStringLiteral(" / ") + item.caption,
                                 QString(), item.meaning});
    }
    return text;
}

QString SaveSettingsCsv(const SettingsSheet& sheet, const QString& path) {
    return csv::SaveUtf8WithBom(path, SettingsCsv(sheet));
}
