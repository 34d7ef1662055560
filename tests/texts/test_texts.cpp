#include <QRegularExpression>
#include <QtTest>
#include <set>

#include "app/Configuration.h"
#include "platform/IniFile.h"
#include "texts/Language.h"
#include "texts/MonitorTexts.h"
#include "texts/Text.h"

// The text tables hold what the translators and the operator read: a source text for every
// identifier, whose arguments run %1 … %n without a gap (a translation may reorder them, never
// miss one).
class TextsTest : public QObject {
    Q_OBJECT
  private slots:
    void everySourceIsWholeAndNumbersItsArguments() {
        const std::vector<texts::Source> all = texts::AllSources();
        QVERIFY(!all.empty());
        static const QRegularExpression argument(QStringLiteral("%(\\d+)"));
        for (const texts::Source& s : all) {
            const QString text = QString::fromUtf8(s.text);
            QVERIFY2(!text.trimmed().isEmpty(), s.context);
            std::set<int> numbers;
            for (const auto& m : argument.globalMatch(text)) numbers.insert(m.captured(1).toInt());
            if (!numbers.empty()) {
                QVERIFY2(*numbers.begin() == 1 && *numbers.rbegin() == int(numbers.size()),
                         qPrintable(text));
            }
        }
    }

    // --lang beats RUSK_LANG beats the file's choice; a language the program does not speak is
    // no choice. The chosen translation loads from the program's resources.
    void languageIsChosenByOptionEnvironmentAndFile() {
        QTemporaryDir dir;
        const QString ini = dir.filePath("Rusk.INI");
        qunsetenv("RUSK_LANG");
        QCOMPARE(ChosenLanguage({"rusk"}, ini), texts::kJapanese);
        WriteLanguage(ini, texts::kEnglish);
        QCOMPARE(ChosenLanguage({"rusk"}, ini), texts::kEnglish);
        qputenv("RUSK_LANG", "ja");
        QCOMPARE(ChosenLanguage({"rusk"}, ini), texts::kJapanese);
        QCOMPARE(ChosenLanguage({"rusk", "--lang", "en"}, ini), texts::kEnglish);
        QCOMPARE(ChosenLanguage({"rusk", "--lang=xx"}, ini), texts::kJapanese);
        qunsetenv("RUSK_LANG");
        QCOMPARE(WithoutLanguage({"rusk-cli", "--lang", "en", "probe", "--lang=ja", "Com1"}),
                 QStringList({"rusk-cli", "probe", "Com1"}));

        QVERIFY(!texts::UseLanguage("xx"));
        QVERIFY(texts::UseLanguage(texts::kEnglish));
        QCOMPARE(texts::CurrentLanguage(), texts::kEnglish);
        QVERIFY(texts::UseLanguage(texts::kJapanese));
        QCOMPARE(texts::CurrentLanguage(), texts::kJapanese);
    }

    // Every text has its English, with the same arguments; lupdate left nothing unfinished (the
    // catalogue's texts, marked in the model files, included).
    void everyTextHasItsEnglish() {
        QVERIFY(texts::UseLanguage(texts::kEnglish));
        static const QRegularExpression argument(QStringLiteral("%\\d+"));
        const auto arguments = [](const QString& text) {
            QSet<QString> found;
            for (const auto& m : argument.globalMatch(text)) found.insert(m.captured());
            return found;
        };
        for (const texts::Source& s : texts::AllSources()) {
            const QString japanese = QString::fromUtf8(s.text);
            const QString english = QCoreApplication::translate(s.context, s.text);
            // A text without a Japanese letter (" × 0.5 e") may read the same in English.
            static const QRegularExpression japaneseLetter(
                QStringLiteral("[\\x{3000}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
            const bool same = !japaneseLetter.match(japanese).hasMatch();
            QVERIFY2(!english.trimmed().isEmpty() && (same || english != japanese),
                     qPrintable(japanese));
            QCOMPARE(arguments(english), arguments(japanese));
        }
        QVERIFY(texts::UseLanguage(texts::kJapanese));
        QFile ts(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../translations/rusk_en.ts"));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        const QByteArray all = ts.readAll();
        QCOMPARE(all.count("type=\"unfinished\""), 0);
        QCOMPARE(all.count("type=\"obsolete\""), 0);
    }

    // A reply's language lasts as long as the reply and leaves the program's own in place, from
    // either language into the other; a language not spoken changes nothing; scopes nest.
    void replyLanguageLastsForTheReply() {
        const QString japanese = Tr(MonitorText::Lost);
        QVERIFY(texts::UseLanguage(texts::kEnglish));
        const QString english = Tr(MonitorText::Lost);
        QVERIFY(english != japanese);
        struct Case {
            QString program, reply, inside;
        };
        for (const Case& c : {Case{texts::kJapanese, texts::kEnglish, english},
                              Case{texts::kEnglish, texts::kJapanese, japanese},
                              Case{texts::kJapanese, "xx", japanese},
                              Case{texts::kEnglish, texts::kEnglish, english}}) {
            QVERIFY(texts::UseLanguage(c.program));
            const QString before = Tr(MonitorText::Lost);
            {
                const texts::ReplyLanguage reply(c.reply);
                QCOMPARE(Tr(MonitorText::Lost), c.inside);
                {
                    const texts::ReplyLanguage back(c.program);
                    QCOMPARE(Tr(MonitorText::Lost), before);
                }
                QCOMPARE(Tr(MonitorText::Lost), c.inside);
                QCOMPARE(texts::CurrentLanguage(), c.program);
            }
            QCOMPARE(Tr(MonitorText::Lost), before);
        }
        QVERIFY(texts::UseLanguage(texts::kJapanese));
    }
};

QTEST_GUILESS_MAIN(TextsTest)
#include "test_texts.moc"
