#include "monitor/SampleCsv.h"

#include <QDateTime>
#include <QStringList>

#include "link/LiveCommands.h"
#include "monitor/Weights.h"
#include "platform/FileRules.h"
#include "texts/MonitorTexts.h"

namespace monitor {

QString SaveSamplesCsv(const QString& path, const std::deque<Sample>& samples, int places) {
    // UTF-8 with a byte order mark, so that a spreadsheet reads the Japanese headings; they
    // are the captions the window gives these values (the status words' of the live tab's
    // buttons, RE and RF).
    const QStringList headings = {Tr(MonitorText::ColumnTime), Tr(MonitorText::ColumnWeight),
                                  LiveCommands::Caption(4), LiveCommands::Caption(5)};
    QByteArray out = "\xEF\xBB\xBF" + headings.join(u',').toUtf8() + '\n';
    for (const Sample& s : samples) {
        out += QDateTime::fromMSecsSinceEpoch(s.ms)
                   .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"))
                   .toLatin1();
        out += ',' + ShowWeight(s.weight, places).toLatin1();
        // Status words are digit strings; quoting keeps their leading zeros in a spreadsheet.
        out += ",\"" + s.status2.toLatin1() + "\",\"" + s.status3.toLatin1() + "\"\n";
    }
    if (QString why = ReplaceFileContent(path, out); !why.isEmpty()) {
        if (why.endsWith(u'。')) why.chop(1);
        return Tr(MonitorText::CannotSave).arg(path, why);
    }
    return {};
}

}  // namespace monitor
