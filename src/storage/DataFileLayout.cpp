#include "storage/DataFileLayout.h"

#include <map>

#include "model/ModelFacts.h"

namespace datafile {

QString ProductsTable() {
    return QStringLiteral("銘柄");
}

QString SettingsTable() {
    return QStringLiteral("設定値");
}

QString IndicatorField() {
    return QStringLiteral("INDICATOR");
}

QStringList ProductFields() {
    return {QStringLiteral("大投入"),         QStringLiteral("定量前"),      QStringLiteral("定量"),
            QStringLiteral("過量"),           QStringLiteral("不足"),        QStringLiteral("落差"),
            QStringLiteral("自動落差規制値"), QStringLiteral("補正投入時間")};
}

const std::vector<SettingField>& SettingFields(IndicatorModel model) {
    static const std::map<IndicatorModel, std::vector<SettingField>> layouts = [] {
        std::map<IndicatorModel, std::vector<SettingField>> all;
        for (const ModelFacts* facts : AllModels())
            for (const FileField& f : facts->fileFields)
                all[facts->model].push_back({QString::fromUtf8(f.name), f.group, f.slot});
        return all;
    }();
    return layouts.at(FactsOf(model).model);
}

ValueFault FaultOf(const QString& value) {
    // C0, DEL and C1 controls.
    for (const QChar c : value)
        if (c.category() == QChar::Other_Control) return ValueFault::ControlCharacter;
    for (const QChar c : value)
        if (c.unicode() > 0x7E) return ValueFault::NotAscii;
    return value.size() > kValueLength ? ValueFault::TooLong : ValueFault::None;
}

bool FileCanHold(const QString& value) {
    return FaultOf(value) == ValueFault::None;
}

}  // namespace datafile
