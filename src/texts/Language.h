#pragma once

#include <QString>
#include <QStringList>

// The operator's language: Japanese ("ja", the texts' source and the default whatever the
// system's locale) or English ("en"). Choosing one installs the program's translation and Qt's
// own (file and print dialogs, standard buttons) into the application; texts rendered from then
// on are in that language.
namespace texts {

inline const QString kJapanese = QStringLiteral("ja");
inline const QString kEnglish = QStringLiteral("en");

// The languages the program speaks, Japanese first.
QStringList Languages();
// Whether `code` names one of them.
bool IsLanguage(const QString& code);
// Uses `code` from now on; false (and the language unchanged) for a code the program does not
// speak or a translation that could not be loaded. Needs the application object.
bool UseLanguage(const QString& code);
QString CurrentLanguage();

}  // namespace texts
