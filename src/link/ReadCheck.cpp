#include "link/ReadCheck.h"

#include <QStringList>
#include <map>

#include "link/IndicatorLink.h"
#include "model/Catalogue.h"
#include "texts/LinkTexts.h"

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
            name = Tr(LinkText::ProductPlace).arg(v.product);
        } else {
            const int item = v.code.mid(1).toInt();
            name = Tr(LinkText::ProductItemPlace)
                       .arg(v.product)
                       .arg(ProductItemLabels().value(item, SettingName(v.code)));
        }
        if (!names.contains(name)) names << name;
    }
    if (names.size() <= named) return names.join(QStringLiteral(", "));
    return names.mid(0, named).join(QStringLiteral(", ")) +
           Tr(LinkText::AndMore).arg(names.size() - named);
}

QString ReadCheck::messageText() const {
    return Tr(LinkText::NotReadWhole) + PlacesText(faults_);
}

std::vector<QString> ReadCheck::lines() const {
    std::vector<QString> out;
    for (const TransferValue& v : faults_) {
        const QString place =
            v.product >= 0 ? Tr(LinkText::ProductValuePlace).arg(v.product).arg(SettingName(v.code))
                           : SettingName(v.code);
        out.push_back(place + u' ' + IndicatorLink::VisibleReply(v.value));
    }
    return out;
}
