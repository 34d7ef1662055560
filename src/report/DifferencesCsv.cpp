#include "report/DifferencesCsv.h"

#include "report/Csv.h"
#include "texts/ReportTexts.h"

QString DifferencesCsv(const std::vector<Difference>& differences) {
    QString text(QChar(0xFEFF));
    text += csv::Record({Tr(ReportText::ColumnPlace), Tr(ReportText::ColumnWindowValue),
                         Tr(ReportText::ColumnOtherValue), Tr(ReportText::ColumnMeaning)});
    for (const Difference& d : differences)
        text += csv::Record(
            {PlaceText(d), ShownValue(d.windowValue), ShownValue(d.otherValue), ContentText(d)});
    return text;
}

QString SaveDifferencesCsv(const QString& path, const std::vector<Difference>& differences) {
    // The text starts with the byte order mark that the save writes itself.
    return csv::SaveUtf8WithBom(path, DifferencesCsv(differences).mid(1));
}
