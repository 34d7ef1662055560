#include "history/CompareCsv.h"

#include <QSaveFile>
#include <QStringList>
#include <cerrno>

#include "storage/FailureReason.h"

namespace {

// A field as RFC 4180 writes it: in double quotes, with its quotes doubled, when it holds a
// comma, a quote or a line break.
QString Field(const QString& text) {
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString Row(const QStringList& fields) {
    QStringList out;
    for (const QString& f : fields) out << Field(f);
    return out.join(u',') + QStringLiteral("\r\n");
}

// The reason for the last failed file call: the C library's error when it left one.
QString Reason(const QSaveFile& file, int savedErrno) {
    if (savedErrno != 0) return FailureReason(SystemFailure::FromErrno(savedErrno));
    return file.errorString();
}

}  // namespace

QString DifferencesCsv(const std::vector<Difference>& differences) {
    QString text(QChar(0xFEFF));
    text += Row({QStringLiteral("場所"), QStringLiteral("画面の値"), QStringLiteral("比較先の値"),
                 QStringLiteral("内容")});
    for (const Difference& d : differences)
        text += Row(
            {PlaceText(d), ShownValue(d.windowValue), ShownValue(d.otherValue), ContentText(d)});
    return text;
}

QString SaveDifferencesCsv(const QString& path, const std::vector<Difference>& differences) {
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) return Reason(file, errno);
    const QByteArray bytes = DifferencesCsv(differences).toUtf8();
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const int e = errno;
        file.cancelWriting();
        return Reason(file, e);
    }
    errno = 0;
    if (!file.commit()) return Reason(file, errno);
    return {};
}
