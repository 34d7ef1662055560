#include <QtTest>

#include "link/RunKinds.h"
#include "texts/LinkTexts.h"

// A note keeps its parts as ASCII, whatever their arguments hold, shows the words the operator
// has always read, and is found again from those words (a journal of schema 1 kept the words).
class RunKindsTest : public QObject {
    Q_OBJECT
  private slots:
    void notesGiveTheirWordsAndBack_data() {
        using namespace runkind;
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("words");
        QTest::newRow("before a write") << RunNote(kBeforeWrite) << Tr(LinkText::RunBeforeWrite);
        QTest::newRow("verdict") << RunNote(kVerifyRefused, {"12"})
                                 << Tr(LinkText::NoteVerifyRefused).arg(12);
        QTest::newRow("product put back, stopped at an empty value")
            << JoinedNotes(RunNote(kProductRestored, {"5"}),
                           RunNote(kStoppedAtProduct, {"5", "12", ""}))
            << Tr(LinkText::NoteProductRestored).arg(5) + Tr(LinkText::NoteJoiner) +
                   Tr(LinkText::NoteStoppedAtProduct).arg("5", "12", Tr(LinkText::NoteNone));
        QTest::newRow("a value holding the separators")
            << RunNote(kStoppedAtProduct, {"5", "%3", "a b;c%20、d"})
            << Tr(LinkText::NoteStoppedAtProduct).arg("5", "%3", "a b;c%20、d");
        QTest::newRow("words of no kind") << "メモ、照合"
                                          << "メモ、照合";
        QTest::newRow("a kind with other arguments") << "verify_ok 3"
                                                     << "verify_ok 3";
    }
    void notesGiveTheirWordsAndBack() {
        QFETCH(QString, note);
        QFETCH(QString, words);
        QCOMPARE(NoteText(note), words);
        QCOMPARE(NoteOfText(words), note);
        if (note != words)
            QVERIFY2(
                std::all_of(note.begin(), note.end(), [](QChar c) { return c.unicode() < 128; }),
                qPrintable(note));
    }
};

QTEST_APPLESS_MAIN(RunKindsTest)
#include "test_run_kinds.moc"
