#include "cli/FleetFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include "platform/SerialPort.h"

namespace {

const QStringList kKeys = {"Device", "Model", "Line", "Name", "Baseline"};

// The known key spelled as the file spells it, matched without regard to case; empty if none.
QString KnownKey(const QString& key) {
    for (const QString& k : kKeys)
        if (k.compare(key, Qt::CaseInsensitive) == 0) return k;
    return {};
}

struct Section {
    QString name;
    int line = 0;
    QHash<QString, QString> values;  // by known key
};

class Reader {
  public:
    explicit Reader(QString path) : path_(std::move(path)) {}

    void error(int line, const QString& text) {
        errors << QStringLiteral("%1:%2: %3").arg(path_).arg(line).arg(text);
    }
    void error(const Section& s, const QString& key, const QString& text) {
        errors << QStringLiteral("%1: [%2] %3: %4").arg(path_, s.name, key, text);
    }

    std::vector<Section> sections(const QString& text) {
        std::vector<Section> found;
        QSet<QString> names;
        const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
        for (int i = 0; i < lines.size(); ++i) {
            const QString line = lines.at(i).trimmed();
            const int number = i + 1;
            if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#')) continue;
            if (line.startsWith(u'[')) {
                if (!line.endsWith(u']') || line.size() < 3) {
                    error(number, QStringLiteral("セクション名が正しくありません: ") + line);
                    continue;
                }
                const QString name = line.mid(1, line.size() - 2).trimmed();
                if (names.contains(name.toLower()))
                    error(number, QStringLiteral("セクション [%1] が重複しています").arg(name));
                names.insert(name.toLower());
                found.push_back({name, number, {}});
                continue;
            }
            const int eq = line.indexOf(u'=');
            if (eq <= 0) {
                error(number, QStringLiteral("「キー=値」の形ではありません: ") + line);
                continue;
            }
            if (found.empty()) {
                error(number, QStringLiteral("セクションの外にキーがあります: ") + line);
                continue;
            }
            Section& s = found.back();
            const QString rawKey = line.left(eq).trimmed();
            const QString key = KnownKey(rawKey);
            if (key.isEmpty()) {
                error(s, rawKey,
                      QStringLiteral("不明なキーです (使えるキー: %1)").arg(kKeys.join(u' ')));
                continue;
            }
            if (s.values.contains(key)) {
                error(s, key, QStringLiteral("キーが重複しています (%1 行目)").arg(number));
                continue;
            }
            s.values.insert(key, line.mid(eq + 1).trimmed());
        }
        return found;
    }

    QStringList errors;

  private:
    QString path_;
};

bool FitForFileName(const QString& name) {
    static const QRegularExpression bad(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"));
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !bad.match(name).hasMatch();
}

}  // namespace

FleetFile ReadFleetFile(const QString& path, const QString& defaultLine) {
    FleetFile fleet;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fleet.errors << QStringLiteral("%1: 読み込めません (%2)").arg(path, file.errorString());
        return fleet;
    }
    Reader reader(path);
    const std::vector<Section> sections = reader.sections(QString::fromUtf8(file.readAll()));
    if (sections.empty() && reader.errors.isEmpty())
        reader.errors << QStringLiteral("%1: 指示計のセクションがありません").arg(path);

    QHash<QString, QString> sectionOfName;  // lower-case name → section
    const QDir folder = QFileInfo(path).absoluteDir();
    for (const Section& s : sections) {
        FleetMember m;
        m.section = s.name;
        m.device = s.values.value("Device");
        if (m.device.isEmpty()) reader.error(s, "Device", QStringLiteral("指定されていません"));
        const QString model = s.values.value("Model");
        if (model == QLatin1String("805"))
            m.model = IndicatorModel::F805;
        else if (model == QLatin1String("800"))
            m.model = IndicatorModel::F800;
        else
            reader.error(s, "Model",
                         model.isEmpty() ? QStringLiteral("指定されていません")
                                         : QStringLiteral("805 か 800 です (%1)").arg(model));
        m.line = s.values.value("Line", defaultLine);
        LineSettings parsed;
        if (!ParseLineSettings(m.line, &parsed))
            reader.error(s, "Line", QStringLiteral("通信設定が正しくありません (%1)").arg(m.line));
        m.name = s.values.value("Name", s.name);
        if (!FitForFileName(m.name))
            reader.error(s, "Name",
                         QStringLiteral("ファイル名に使えない名前です (%1)").arg(m.name));
        const QString before = sectionOfName.value(m.name.toLower());
        if (!before.isEmpty())
            reader.error(s, "Name",
                         QStringLiteral("名前 %1 は [%2] と重複しています").arg(m.name, before));
        sectionOfName.insert(m.name.toLower(), s.name);
        if (const QString baseline = s.values.value("Baseline"); !baseline.isEmpty())
            m.baseline = folder.absoluteFilePath(baseline);
        fleet.members.push_back(m);
    }
    fleet.errors = reader.errors;
    if (!fleet.errors.isEmpty()) fleet.members.clear();
    return fleet;
}
