#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QTranslator;

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
// Uses `code` from now on, with Qt's own texts in it too where `qtTexts` (the window's dialogs
// and buttons; the command line keeps Qt's option help as it always was); false (and the
// language unchanged) for a code the program does not speak or a translation that could not be
// loaded. Needs the application object.
enum class QtTexts { Translated, Untranslated };
bool UseLanguage(const QString& code, QtTexts qtTexts = QtTexts::Translated);
QString CurrentLanguage();

// The texts of one reply in `code` while the program keeps its language (rusk-server answers
// each browser in the language it asks for): while it lives, every text rendered is in `code`
// (a code the program does not speak changes nothing); the language in use comes back when it
// goes. It lives within one call on the thread of the application object.
class ReplyLanguage {
  public:
    explicit ReplyLanguage(const QString& code);
    ~ReplyLanguage();
    ReplyLanguage(const ReplyLanguage&) = delete;
    ReplyLanguage& operator=(const ReplyLanguage&) = delete;

  private:
    QTranslator* installed_ = nullptr;
};

// Where a text shown now came from: the program's translations note the source of every text
// they render (in Japanese too), so a window can be dressed again in another language. Texts
// filled with arguments, and those no translation rendered, have none.
struct ShownSource {
    QByteArray context;
    QByteArray source;
    QByteArray disambiguation;
};
std::optional<ShownSource> SourceOfShown(const QString& shown);
// `source` rendered in the language in use.
QString Rendered(const ShownSource& source);

}  // namespace texts
