#include "texts/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace texts {
namespace {

struct Installed {
    QString language = kJapanese;
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

Installed& Current() {
    static Installed installed;
    return installed;
}

// Qt's own texts for a language, from Debian's qt6-translations-l10n; none for English, Qt's
// source language.
std::unique_ptr<QTranslator> QtTranslator(const QString& code) {
    if (code == kEnglish) return nullptr;
    auto qt = std::make_unique<QTranslator>();
    if (!qt->load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    return qt;
}

}  // namespace

QStringList Languages() {
    return {kJapanese, kEnglish};
}

bool IsLanguage(const QString& code) {
    return Languages().contains(code);
}

bool UseLanguage(const QString& code, QtTexts qtTexts) {
    if (!IsLanguage(code) || !QCoreApplication::instance()) return false;
    std::unique_ptr<QTranslator> program;
    if (code != kJapanese) {
        program = std::make_unique<QTranslator>();
        if (!program->load(QStringLiteral(":/i18n/rusk_%1.qm").arg(code))) return false;
    }
    Installed& now = Current();
    if (now.program) QCoreApplication::removeTranslator(now.program.get());
    if (now.qt) QCoreApplication::removeTranslator(now.qt.get());
    now.program = std::move(program);
    now.qt = qtTexts == QtTexts::Translated ? QtTranslator(code) : nullptr;
    if (now.program) QCoreApplication::installTranslator(now.program.get());
    if (now.qt) QCoreApplication::installTranslator(now.qt.get());
    now.language = code;
    return true;
}

QString CurrentLanguage() {
    return Current().language;
}

}  // namespace texts
