#include "link/ReadCheck.h"

#include <QStringList>
#include <map>

#include "link/IndicatorLink.h"
#include "model/Catalogue.h"

namespace {

QString SettingName(const QString& code) {
    return QStringLiteral("W") + code;
}

}  // namespace

QString PlacesText(const std::vector<TransferValue>& places, int named) {
    // How many values of each product are named: a whole product is named once.
    std::map<int, int> perProduct;
    for (const TransferValue& v : places)
        if (v.product >= 0) ++perProduct[v.product];
    QStringList names;
    for (const TransferValue& v : places) {
        QString name;
        if (v.product < 0) {
            name = SettingName(v.code);
        } else if (perProduct[v.product] >= SettingsStore::kProductItems) {
            name = QStringLiteral("銘柄 %1").arg(v.product);
        } else {
            const int item = v.code.mid(1).toInt();
            name = QStringLiteral("銘柄 %1 (%2)")
                       .arg(v.product)
                       .arg(ProductItemLabels().value(item, SettingName(v.code)));
        }
        if (!names.contains(name)) names << name;
    }
    if (names.size() <= named) return names.join(QStringLiteral(", "));
    return names.mid(0, named).join(QStringLiteral(", ")) +
           QStringLiteral(" ほか %1 件").arg(names.size() - named);
}

QString ReadCheck::messageText() const {
    return QStringLiteral("次の値を正しく読めませんでした: ") + PlacesText(faults_);
}

std::vector<QString> ReadCheck::lines() const {
    std::vector<QString> out;
    for (const TransferValue& v : faults_) {
        const QString place =
            v.product >= 0 ? QStringLiteral("銘柄 %1 %2").arg(v.product).arg(SettingName(v.code))
                           : SettingName(v.code);
        out.push_back(place + u' ' + IndicatorLink::VisibleReply(v.value));
    }
    return out;
}
