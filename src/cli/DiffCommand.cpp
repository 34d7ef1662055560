// rusk-cli diff: two data files, journal snapshots or indicators, side by side.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "history/Compare.h"
#include "texts/CliTexts.h"

namespace {

QJsonObject DifferenceJson(const Difference& d) {
    QJsonArray changes;
    for (const DecodedChange& c : d.changes)
        changes.append(QJsonObject{{"caption", c.caption}, {"a", c.window}, {"b", c.other}});
    QJsonObject o{{"place", PlaceText(d)}, {"code", d.code},    {"caption", d.caption},
                  {"a", d.windowValue},    {"b", d.otherValue}, {"changes", changes}};
    if (d.isProduct()) {
        o.insert("product", d.product);
        o.insert("item", d.item);
    }
    return o;
}

}  // namespace

int PrintDifferences(const SettingsStore& a, const SettingsStore& b, IndicatorModel model,
                     bool json, QTextStream& out) {
    const std::vector<Difference> differences = CompareStores(a, b, model, CompareScope::Both);
    const QString summary = SummaryText(CountDifferences(differences));
    if (json) {
        QJsonArray list;
        for (const Difference& d : differences) list.append(DifferenceJson(d));
        const QJsonObject doc{
            {"equal", differences.empty()}, {"summary", summary}, {"differences", list}};
        out << QJsonDocument(doc).toJson(QJsonDocument::Indented);
    } else {
        for (const Difference& d : differences) {
            out << PlaceText(d) << Qt::endl;
            for (const QString& line : ContentText(d).split(u'\n')) out << "  " << line << Qt::endl;
        }
        out << summary << Qt::endl;
    }
    return differences.empty() ? exitcode::kOk : exitcode::kNoOrDifferent;
}

int DiffCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    CommandLine line("diff");
    QCommandLineParser& p = line.parser();
    const QCommandLineOption json("json", "Print the differences as JSON.");
    p.addOption(json);
    p.addPositionalArgument("A", "A data file, a journal snapshot (journal:ID) or a device.");
    p.addPositionalArgument("B", "The same kinds as A.");
    if (auto done = line.parse(arguments, out, err)) return *done;
    const QStringList names = p.positionalArguments().mid(1);  // after the command
    if (names.size() != 2) return Usage(err, Tr(CliText::AandB));
    DeviceOptions o;
    if (auto bad = ReadDeviceOptions(p, &o, err, Positional::None)) return *bad;
    for (const QString& name : names)
        if (auto bad = CheckDeviceLike(name, err)) return *bad;
    o.quiet = o.quiet || p.isSet(json);
    SettingsStore a;
    SettingsStore b;
    a.setModel(o.model);
    b.setModel(o.model);
    // An indicator named as A or B is read whole: Ctrl+C stops that read after its record.
    interruption::Install();
    // An indicator read the journal could not keep is compared all the same; the exit code
    // tells.
    for (const QString& name : names)
        if (const auto bad = CheckDataSetName(name, err)) return *bad;
    bool journalFailed = false;
    for (const auto& [name, store] : {std::pair{names.at(0), &a}, std::pair{names.at(1), &b}}) {
        const int code = LoadDataSet(name, o, *store, err, nullptr, kCompareReadOperation);
        if (code != exitcode::kOk && code != exitcode::kJournal) return code;
        journalFailed = journalFailed || code == exitcode::kJournal;
    }
    const int code = PrintDifferences(a, b, o.model, p.isSet(json), out);
    return journalFailed ? exitcode::kJournal : code;
}
