// The journal's operation and note columns as a file may hold them (link/RunKinds.h): a journal
// of schema 1 kept the operator's words, which opening takes apart into kinds, and a file
// written elsewhere may hold any text. The input is such a text (UTF-8); its first line, split
// at tabs, also gives the arguments of a note, so that the words of every kind are reached.
//
// Properties: words taken for a note or an operation (anything but the words themselves) are
// ASCII and show exactly as the words were; a kept note of any arguments is ASCII, and its words
// hold to the same.

#include "FuzzSupport.h"
#include "link/RunKinds.h"

namespace {

bool Ascii(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

void CheckWords(const QString& words) {
    const QString note = NoteOfText(words);
    if (note != words) {
        FUZZ_CHECK(NoteText(note) == words, "a note found from words shows those words");
        FUZZ_CHECK(Ascii(note), "a note found from words is ASCII");
    }
    const QString kind = RunKindOfText(words);
    if (kind != words) {
        FUZZ_CHECK(RunKindText(kind) == words, "an operation found from words shows them");
        FUZZ_CHECK(Ascii(kind), "an operation found from words is ASCII");
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    StartApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CheckWords(text);
    (void)NoteHas(text, runkind::kBeforeWrite);

    const QStringList arguments = text.section(u'\n', 0, 0).split(u'\t');
    using namespace runkind;
    const QString note = JoinedNotes(
        RunNote(kProductRestored, {arguments.value(0)}),
        RunNote(kStoppedAtProduct, {arguments.value(0), arguments.value(1), arguments.value(2)}));
    FUZZ_CHECK(Ascii(note), "a kept note is ASCII");
    CheckWords(NoteText(note));
    return 0;
}
