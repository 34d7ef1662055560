// The fleet file reader on a file of the fuzzer's bytes.
//
// Properties: the file is taken whole or refused whole (members and reasons never both, and
// never neither); at most the listed reasons and one count of the rest; no reason or name holds
// a character that steers a terminal (the reasons reach one); a member has a device, a
// model of the two, line settings that parse and a name fit for a file name, unique regardless
// of case.

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>

#include "FuzzSupport.h"
#include "cli/FleetFile.h"
#include "platform/SerialPort.h"

namespace {

// A character that could move a terminal's cursor (a tab or a line end may stand).
bool Steers(QChar c) {
    return (c.unicode() < 0x20 && c != u'\t' && c != u'\n') ||
           (c.unicode() >= 0x7F && c.unicode() <= 0x9F);
}

bool HasControl(const QString& text) {
    return std::any_of(text.begin(), text.end(), Steers);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    StartApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fleet.ini"));
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "scratch file opens");
        FUZZ_CHECK(file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size),
                   "scratch file written");
    }
    const FleetFile fleet = ReadFleetFile(path, QStringLiteral("19200,o,7,1"));
    FUZZ_CHECK(fleet.members.empty() != fleet.errors.isEmpty(), "taken whole or refused whole");
    FUZZ_CHECK(fleet.errors.size() <= kFleetFileListedErrors + 1,
               "the rest of the reasons counted");
    for (const QString& e : fleet.errors) FUZZ_CHECK(!HasControl(e), "a reason steers no terminal");
    QSet<QString> names;
    for (const FleetMember& m : fleet.members) {
        FUZZ_CHECK(!m.device.isEmpty(), "a member has a device");
        FUZZ_CHECK(m.model == IndicatorModel::F805 || m.model == IndicatorModel::F800,
                   "a member's model is one of the two");
        LineSettings line;
        FUZZ_CHECK(ParseLineSettings(m.line, &line), "a member's line settings parse");
        FUZZ_CHECK(!m.name.isEmpty() && !m.name.contains(u'\t') && !HasControl(m.name) &&
                       !m.name.contains(u'/'),
                   "a member's name is fit for a file name");
        FUZZ_CHECK(!names.contains(m.name.toLower()), "names are unique regardless of case");
        names.insert(m.name.toLower());
    }
    return 0;
}
