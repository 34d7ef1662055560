#include "monitor/SampleCsv.h"

#include <QDateTime>

#include "monitor/Weights.h"
#include "platform/FileRules.h"

namespace monitor {

QString SaveSamplesCsv(const QString& path, const std::deque<Sample>& samples, int places) {
    QByteArray out = "time,weight,status2,status3\n";
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
        return QStringLiteral("「%1」に保存できません（%2）。").arg(path, why);
    }
    return {};
}

}  // namespace monitor
