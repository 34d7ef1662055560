#include <QRegularExpression>
#include <QtTest>
#include <set>

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
};

QTEST_GUILESS_MAIN(TextsTest)
#include "test_texts.moc"
