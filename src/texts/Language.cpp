#include "texts/Language.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QMutex>
#include <QTranslator>
#include <memory>

namespace texts {
namespace {

// Each text rendered so far, in any language, with the source it came from: the last rendering of
// a text wins.
struct Notes {
    QMutex mutex;  // texts may be rendered on other threads
    QHash<QString, ShownSource> sources;
};

Notes& RenderedNotes() {
    static Notes notes;
    return notes;
}

// The English translation, which holds every text marked for translation: what tells a marked
// text from any other string asked of a translator.
const QTranslator& Reference() {
    static const std::unique_ptr<QTranslator> english = [] {
        auto t = std::make_unique<QTranslator>();
        if (!t->load(QStringLiteral(":/i18n/rusk_%1.qm").arg(kEnglish))) t.reset();
        return t;
    }();
    static const QTranslator none;
    return english ? *english : none;
}

// The program's translation, or none for Japanese (the source), noting every text it renders.
class NotingTranslator : public QTranslator {
  public:
    explicit NotingTranslator(std::unique_ptr<QTranslator> inner) : inner_(std::move(inner)) {}

    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        if (!context || !source) return {};
        QString shown = inner_ ? inner_->translate(context, source, disambiguation, n) : QString();
        // Only a text marked for translation in this very context is noted: a caller that tries
        // one context and then another leaves the note of the one that holds the text.
        if (Reference().translate(context, source, disambiguation, n).isEmpty()) return shown;
        Notes& notes = RenderedNotes();
        const QMutexLocker lock(&notes.mutex);
        notes.sources.insert(shown.isEmpty() ? QString::fromUtf8(source) : shown,
                             ShownSource{context, source, disambiguation});
        return shown;
    }
    bool isEmpty() const override { return false; }

  private:
    std::unique_ptr<QTranslator> inner_;
};

struct Installed {
    QString language = kJapanese;
    std::unique_ptr<NotingTranslator> program;
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

// The source text of every text marked for translation: Japanese whatever else is installed.
class SourceTranslator : public QTranslator {
  public:
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        if (!context || !source) return {};
        if (Reference().translate(context, source, disambiguation, n).isEmpty()) return {};
        return QString::fromUtf8(source);
    }
    bool isEmpty() const override { return false; }
};

// The translation a reply in `code` asks first, loaded once; none for a code not spoken.
const QTranslator* ReplyTranslation(const QString& code) {
    if (code == kJapanese) {
        static const SourceTranslator source;
        return &source;
    }
    if (code == kEnglish) {
        static const std::unique_ptr<QTranslator> english = [] {
            auto t = std::make_unique<QTranslator>();
            if (!t->load(QStringLiteral(":/i18n/rusk_%1.qm").arg(kEnglish))) t.reset();
            return t;
        }();
        return english.get();
    }
    return nullptr;
}

// One reply's own translator, asking the shared translation: each reply installs and removes
// its own, so that replies nest.
class ReplyTranslator : public QTranslator {
  public:
    explicit ReplyTranslator(const QTranslator& inner) : inner_(inner) {}
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        return inner_.translate(context, source, disambiguation, n);
    }
    bool isEmpty() const override { return false; }

  private:
    const QTranslator& inner_;
};

}  // namespace

ReplyLanguage::ReplyLanguage(const QString& code) {
    const QTranslator* translation = ReplyTranslation(code);
    if (!translation || !QCoreApplication::instance()) return;
    installed_ = new ReplyTranslator(*translation);
    // The last installed translator is asked first.
    if (!QCoreApplication::installTranslator(installed_)) {
        delete installed_;
        installed_ = nullptr;
    }
}

ReplyLanguage::~ReplyLanguage() {
    if (!installed_) return;
    QCoreApplication::removeTranslator(installed_);
    delete installed_;
}

QStringList Languages() {
    return {kJapanese, kEnglish};
}

bool IsLanguage(const QString& code) {
    return Languages().contains(code);
}

bool UseLanguage(const QString& code, QtTexts qtTexts) {
    if (!IsLanguage(code) || !QCoreApplication::instance()) return false;
    std::unique_ptr<QTranslator> translation;
    if (code != kJapanese) {
        translation = std::make_unique<QTranslator>();
        if (!translation->load(QStringLiteral(":/i18n/rusk_%1.qm").arg(code))) return false;
    }
    auto program = std::make_unique<NotingTranslator>(std::move(translation));
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

std::optional<ShownSource> SourceOfShown(const QString& shown) {
    Notes& notes = RenderedNotes();
    const QMutexLocker lock(&notes.mutex);
    const auto found = notes.sources.constFind(shown);
    if (found == notes.sources.constEnd()) return std::nullopt;
    return *found;
}

QString Rendered(const ShownSource& source) {
    return QCoreApplication::translate(
        source.context.constData(), source.source.constData(),
        source.disambiguation.isEmpty() ? nullptr : source.disambiguation.constData());
}

}  // namespace texts
