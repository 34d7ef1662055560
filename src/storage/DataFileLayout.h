#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "model/SettingsStore.h"

// The tables of a settings data file: "銘柄" with one row per product (eight fields, product
// items 10 … 17) and "設定値" with one row holding every setting value of the model that was
// selected when the file was saved, followed by the field "INDICATOR" that names that model.
// Every field is text of at most five characters; an empty store value is held as null.
namespace datafile {

constexpr int kValueLength = 5;

QString ProductsTable();   // "銘柄"
QString SettingsTable();   // "設定値"
QString IndicatorField();  // "INDICATOR"

// The eight product fields in file order; field k holds product item k (code 1k).
QStringList ProductFields();

// One setting field and the store element it holds.
struct SettingField {
    QString name;
    int group;
    int slot;
};

// The setting fields of a model in file order, without "INDICATOR": 59 for the F805, 31 for
// the F800.
const std::vector<SettingField>& SettingFields(IndicatorModel model);

// Why a data file cannot hold a value. A value with several faults is named by the first of
// control character, other than printable ASCII, too long.
enum class ValueFault { None, ControlCharacter, NotAscii, TooLong };
ValueFault FaultOf(const QString& value);

// Whether a data file can hold the value: at most five printable ASCII characters, as the
// indicator sends them. The empty text stands for no value.
bool FileCanHold(const QString& value);

}  // namespace datafile
