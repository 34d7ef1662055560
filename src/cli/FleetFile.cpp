#include "cli/FleetFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

#include "cli/CliSupport.h"
#include "cli/TerminalView.h"
#include "model/ModelFacts.h"
#include "platform/IniFile.h"
#include "platform/SerialPort.h"
#include "texts/CliTexts.h"

namespace {

constexpr int kQuotedChars = 60;  // of a bad line, in its message

const QStringList kKeys = {"Device", "Model", "Line", "Name", "Baseline", "Rate", "CheckEvery"};

// The known key spelled as the file spells it, matched without regard to case; empty if none.
QString KnownKey(const QString& key) {
    for (const QString& k : kKeys)
        if (k.compare(key, Qt::CaseInsensitive) == 0) return k;
    return {};
}

// A line without its comment: ';' or '#' at its start or after a blank, as INI readers take
// them ("Line=9600,o,7,1   ; optional").
QString WithoutComment(const QString& line) {
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] != u';' && line[i] != u'#') continue;
        if (i == 0 || line[i - 1] == u' ' || line[i - 1] == u'\t') return line.left(i);
    }
    return line;
}

// The start of a long line, enough to find it by.
QString Cut(const QString& line) {
    return line.size() > kQuotedChars ? line.left(kQuotedChars) + QStringLiteral("…") : line;
}

struct Section {
    QString name;
    int line = 0;
    QHash<QString, QString> values;  // by known key
    QHash<QString, int> lines;       // the line of each
};

class Reader {
  public:
    explicit Reader(QString path) : path_(std::move(path)) {}

    // Every reason reaches a terminal: the file's own text in it shows control characters
    // escaped.
    void error(int line, const QString& text) {
        errors << TerminalText(QStringLiteral("%1:%2: %3").arg(path_, QString::number(line), text));
    }
    void error(const Section& s, const QString& key, const QString& text) {
        errors << TerminalText(QStringLiteral("%1: [%2] %3: %4").arg(path_, s.name, key, text));
    }
    // The same naming the key's line.
    void errorAtLine(const Section& s, const QString& key, const QString& text) {
        errors << TerminalText(
            QStringLiteral("%1:%2: [%3] %4: %5")
                .arg(path_, QString::number(s.lines.value(key)), s.name, key, text));
    }

    std::vector<Section> sections(const QString& text) {
        std::vector<Section> found;
        QSet<QString> names;
        const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
        for (int i = 0; i < lines.size(); ++i) {
            const QString line = WithoutComment(lines.at(i)).trimmed();
            const int number = i + 1;
            if (line.isEmpty()) continue;
            if (line.startsWith(u'[')) {
                if (!line.endsWith(u']') || line.size() < 3) {
                    error(number, Tr(CliText::BadSection) + Cut(line));
                    continue;
                }
                const QString name = line.mid(1, line.size() - 2).trimmed();
                if (names.contains(name.toLower()))
                    error(number, Tr(CliText::DuplicateSection).arg(name));
                names.insert(name.toLower());
                found.push_back({name, number, {}, {}});
                continue;
            }
            const int eq = line.indexOf(u'=');
            if (eq <= 0) {
                error(number, Tr(CliText::NotKeyValue) + Cut(line));
                continue;
            }
            if (found.empty()) {
                error(number, Tr(CliText::KeyOutsideSection) + Cut(line));
                continue;
            }
            Section& s = found.back();
            const QString rawKey = line.left(eq).trimmed();
            const QString key = KnownKey(rawKey);
            if (key.isEmpty()) {
                error(s, rawKey, Tr(CliText::UnknownKey).arg(kKeys.join(u' ')));
                continue;
            }
            if (s.values.contains(key)) {
                error(s, key, Tr(CliText::DuplicateKey).arg(number));
                continue;
            }
            s.values.insert(key, line.mid(eq + 1).trimmed());
            s.lines.insert(key, number);
        }
        return found;
    }

    QStringList errors;

  private:
    QString path_;
};

bool FitForFileName(const QString& name) {
    static const QRegularExpression bad(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f\\x7f-\\x9f]"));
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !bad.match(name).hasMatch();
}

}  // namespace

std::optional<int> ParseCheckEvery(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(\\d{1,9})\\s*([smh]?)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    const auto m = form.match(text.trimmed());
    if (!m.hasMatch()) return std::nullopt;
    const QString unit = m.captured(2).toLower();
    const qint64 seconds = m.captured(1).toLongLong() * (unit == u"h"   ? 3600
                                                         : unit == u"m" ? 60
                                                                        : 1);
    constexpr qint64 kWeek = 7 * 24 * 3600;
    if (seconds < 1 || seconds > kWeek) return std::nullopt;
    return int(seconds);
}

QStringList BackupsOf(const QDir& dir, const QString& name) {
    const QRegularExpression form(QStringLiteral("^%1-(\\d{8}-\\d{6})(?:-(\\d+))?\\.mdb$")
                                      .arg(QRegularExpression::escape(name)),
                                  QRegularExpression::CaseInsensitiveOption);
    struct Found {
        QString stamp;
        int n;
        QString file;
    };
    std::vector<Found> found;
    for (const QString& file : dir.entryList({name + QStringLiteral("-*.mdb")}, QDir::Files)) {
        const auto m = form.match(file);
        if (m.hasMatch()) found.push_back({m.captured(1), m.captured(2).toInt(), file});
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return a.stamp != b.stamp ? a.stamp < b.stamp : a.n < b.n;
    });
    QStringList files;
    for (const Found& f : found) files << dir.absoluteFilePath(f.file);
    return files;
}

QString BaselineOf(const FleetMember& member, const QDir& backups) {
    if (!member.baseline.isEmpty()) return member.baseline;
    const QStringList found = BackupsOf(backups, member.name);
    return found.isEmpty() ? QString() : found.last();
}

FleetFile ReadFleetFile(const QString& path, const QString& defaultLine) {
    FleetFile fleet;
    QFile file(path);
    const QString shownPath = TerminalText(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fleet.errors << Tr(CliText::FileUnreadable).arg(shownPath, file.errorString());
        return fleet;
    }
    // A bounded read: a file of any size, or a device that never ends, costs at most this.
    const QByteArray bytes = file.read(kFleetFileMaxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        fleet.errors << Tr(CliText::FileUnreadable).arg(shownPath, file.errorString());
        return fleet;
    }
    if (bytes.size() > kFleetFileMaxBytes) {
        fleet.errors << Tr(CliText::FleetTooLarge)
                            .arg(shownPath, QString::number(kFleetFileMaxBytes / 1024));
        return fleet;
    }
    Reader reader(path);
    const std::vector<Section> sections = reader.sections(DecodeProfileText(bytes));
    if (sections.empty() && reader.errors.isEmpty())
        reader.errors << Tr(CliText::NoSections).arg(shownPath);

    QHash<QString, QString> sectionOfName;  // lower-case name → section
    const QDir folder = QFileInfo(path).absoluteDir();
    for (const Section& s : sections) {
        FleetMember m;
        m.section = s.name;
        m.device = s.values.value("Device");
        if (m.device.isEmpty())
            reader.error(s, "Device", Tr(CliText::NotGiven));
        else if (const QString why = DeviceNameProblem(m.device); !why.isEmpty())
            reader.error(s, "Device", why);
        const QString model = s.values.value("Model");
        if (const ModelFacts* facts = FactsOfNumber(model))
            m.model = facts->model;
        else
            reader.error(
                s, "Model",
                model.isEmpty() ? Tr(CliText::NotGiven) : Tr(CliText::ModelValue).arg(model));
        m.line = s.values.value("Line", defaultLine);
        LineSettings parsed;
        if (!ParseLineSettings(m.line, &parsed))
            reader.error(s, "Line", Tr(CliText::BadLineValue).arg(m.line));
        m.name = s.values.value("Name", s.name);
        if (!FitForFileName(m.name)) reader.error(s, "Name", Tr(CliText::BadFileName).arg(m.name));
        const QString before = sectionOfName.value(m.name.toLower());
        if (!before.isEmpty())
            reader.error(s, "Name", Tr(CliText::DuplicateName).arg(m.name, before));
        sectionOfName.insert(m.name.toLower(), s.name);
        if (const QString baseline = s.values.value("Baseline"); !baseline.isEmpty())
            // A file is found beside the fleet file; a device server or a journal snapshot is
            // named as the command line names it.
            m.baseline = baseline.contains(QLatin1String("://")) ||
                                 baseline.startsWith(QLatin1String("journal:"))
                             ? baseline
                             : folder.absoluteFilePath(baseline);
        if (const QString rate = s.values.value("Rate"); !rate.isEmpty()) {
            bool ok = false;
            m.rate = rate.toInt(&ok);
            if (!ok || m.rate < 1 || m.rate > 20)
                reader.error(s, "Rate", Tr(CliText::BadRateValue).arg(rate));
        }
        if (const QString every = s.values.value("CheckEvery"); !every.isEmpty()) {
            const std::optional<int> seconds = ParseCheckEvery(every);
            if (seconds)
                m.checkEverySeconds = *seconds;
            else
                reader.errorAtLine(s, "CheckEvery", Tr(CliText::BadCheckEvery).arg(every));
        }
        fleet.members.push_back(m);
    }
    fleet.errors = reader.errors.mid(0, kFleetFileListedErrors);
    if (reader.errors.size() > kFleetFileListedErrors)
        fleet.errors << Tr(CliText::MoreErrors)
                            .arg(shownPath,
                                 QString::number(reader.errors.size() - kFleetFileListedErrors));
    if (!fleet.errors.isEmpty()) fleet.members.clear();
    return fleet;
}
