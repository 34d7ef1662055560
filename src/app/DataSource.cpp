#include "app/DataSource.h"

#include <QFileInfo>
#include <set>
#include <utility>

#include "history/Compare.h"
#include "history/Journal.h"
#include "model/Catalogue.h"
#include "model/ModelFacts.h"
#include "storage/DataFile.h"
#include "texts/AppTexts.h"

namespace {

// Every setting code of the model and all product values are among the values.
bool CoversAll(const std::vector<TransferValue>& values, IndicatorModel model) {
    std::set<std::pair<int, QString>> places;
    for (const TransferValue& v : values) places.insert({v.product, v.code});
    for (const QString& code : CodesOf(model))
        if (!places.count({-1, code})) return false;
    for (int n = 0; n < FactsOf(model).products; ++n)
        for (int item = 0; item < SettingsStore::kProductItems; ++item)
            if (!places.count({n, QString::number(10 + item)})) return false;
    return true;
}

}  // namespace

QString OriginText(const DataOrigin& origin) {
    switch (origin.kind) {
        case DataOrigin::Kind::DataFile:
            return Tr(AppText::FromDataFile).arg(QFileInfo(origin.name).fileName());
        case DataOrigin::Kind::Indicator:
            return Tr(AppText::FromIndicator).arg(origin.name);
        case DataOrigin::Kind::Journal:
            return Tr(AppText::FromJournal).arg(origin.name);
        case DataOrigin::Kind::None:
            break;
    }
    return QStringLiteral("—");
}

bool DataSource::edited(const SettingsStore& window) const {
    return window.model() != given_.model() ||
           !CompareStores(window, given_, window.model(), CompareScope::Both).empty();
}

bool DataSource::joins(const DataOrigin& origin) const {
    return origin_ == origin || origin_.kind == DataOrigin::Kind::None;
}

void DataSource::replace(const DataOrigin& origin, const SettingsStore& window) {
    origin_ = origin;
    given_ = window;
}

void DataSource::took(const DataOrigin& origin, const std::vector<TransferValue>& values,
                      const SettingsStore& window) {
    if (CoversAll(values, window.model())) {
        replace(origin, window);
        return;
    }
    if (!joins(origin)) return;
    origin_ = origin;
    given_.setModel(window.model());
    PutValues(given_, values);
}

void DataSource::loadedFile(const QString& path, int mode, const SettingsStore& window) {
    const DataOrigin file = DataOrigin::DataFile(QFileInfo(path).absoluteFilePath());
    if (mode == loadmode::kAll) {
        replace(file, window);
        return;
    }
    if (!joins(file)) return;
    origin_ = file;
    given_.setModel(window.model());
    if (mode == loadmode::kProducts)
        for (int n = 0; n < window.productCount(); ++n)
            for (int item = 0; item < SettingsStore::kProductItems; ++item)
                given_.setProduct(n, item, window.product(n, item));
    if (mode == loadmode::kSettings)
        for (const QString& code : CodesOf(window.model()))
            given_.setValue(code, window.value(code));
}

void DataSource::savedFile(const QString& path, const SettingsStore& window) {
    replace(DataOrigin::DataFile(QFileInfo(path).absoluteFilePath()), window);
}

void DataSource::cleared(const SettingsStore& window) {
    replace({}, window);
}
