#include "server/SettingsCheck.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/CliSupport.h"
#include "platform/OperationError.h"
#include "storage/DataFile.h"
#include "texts/CliTexts.h"
#include "transfer/SettingPlan.h"

void CheckRecorder::notedRun(const TransferRun& run, const QString& note) {
    lastRun = run;
    lastSnapshot = journal ? journal->record(run, note) : 0;
}

std::vector<QString> CheckReadCodes(IndicatorModel model) {
    std::vector<QString> codes;
    for (int item = 0; item < SettingsStore::kProductItems; ++item)
        codes.push_back(QStringLiteral("1%1").arg(item));
    for (const QString& code : CodesOfPlan(ReadSettingsPlan(model))) codes.push_back(code);
    return codes;
}

namespace {

// The requests themselves; the run is opened around them by the caller.
Task<CheckRead::Outcome> ReadBody(IndicatorLink& link, std::optional<int>* product) {
    link.flushInput();
    link.sendLine(QStringLiteral("W00"));
    if (co_await link.reply(ReplyKind::ProductNumber) == WaitOutcome::TimedOut)
        co_return CheckRead::Outcome::NoAnswer;
    *product = IndicatorLink::ProductNumberIn(link.lastReply());
    // Without the product's number its values could not be told apart from another's.
    if (!*product) co_return CheckRead::Outcome::Incomplete;
    for (const QString& code : CheckReadCodes(link.store().model())) {
        const bool productValue = code.startsWith(u'1');
        link.sendLine(u'W' + code);
        const WaitOutcome answered =
            co_await link.reply(ReplyFor::Value(code, productValue ? **product : -1));
        if (answered == WaitOutcome::TimedOut) co_return CheckRead::Outcome::NoAnswer;
    }
    co_return CheckRead::Outcome::Done;
}

}  // namespace

Task<CheckRead> ReadForCheck(IndicatorLink& link, CheckRecorder& recorder) {
    CheckRead result;
    SettingsStore scratch;
    scratch.setModel(link.store().model());
    recorder.lastRun.reset();
    recorder.lastSnapshot = 0;
    ReadCheck check;
    {
        IndicatorLink::Operation operation = link.beginOperation();
        if (!operation) {
            result.outcome = CheckRead::Outcome::Busy;
            co_return result;
        }
        const IndicatorLink::ScratchRoute route = link.routeInto(scratch);
        const IndicatorLink::CheckedReads checked = link.checkReads(check);
        const IndicatorLink::ReadBound bound =
            link.boundRead(1 + int(CheckReadCodes(scratch.model()).size()));
        RunLog::Handle run =
            link.beginRun(TransferRun::Direction::Read, QString(kCompareReadOperation));
        try {
            result.outcome = co_await ReadBody(link, &result.product);
        } catch (const OperationError& e) {
            result.outcome = CheckRead::Outcome::Lost;
            result.why = ErrorReportText(e, ErrorHint::Port8018);
        }
        if (result.outcome == CheckRead::Outcome::Done && !check.complete())
            result.outcome = CheckRead::Outcome::Incomplete;
        if (result.outcome != CheckRead::Outcome::Done) run.stoppedShort();
    }
    // The run was told to the recorder as its handle went.
    if (recorder.lastRun) result.values = recorder.lastRun->values;
    result.snapshot = recorder.lastSnapshot;
    co_return result;
}

SettingsStore Overlaid(const SettingsStore& baseline, const std::vector<TransferValue>& values) {
    SettingsStore store = baseline;
    PutValues(store, values);
    return store;
}

std::vector<Difference> CheckDifferences(const SettingsStore& baseline,
                                         const std::vector<TransferValue>& values) {
    return CompareStores(baseline, Overlaid(baseline, values), baseline.model(),
                         CompareScope::Both);
}

QString LoadBaseline(const QString& name, Journal& journal, SettingsStore& store) {
    if (const std::optional<qint64> id = JournalSnapshotNamed(name)) {
        QString reason;
        if (!journal.applyTo(*id, store, &reason))
            return reason.isEmpty() ? journal.failure() : reason;
        return {};
    }
    if (!QFileInfo::exists(name)) return Tr(CliText::NoBaseline);
    const DataFileLoad load = LoadDataFile(store, name, loadmode::kAll);
    if (!load.messages.isEmpty()) return load.messages.join(u' ');
    if (!load.storeChanged) return Tr(CliText::NoBaseline);
    return {};
}

QByteArray DifferencesJson(const std::vector<Difference>& differences) {
    QJsonArray list;
    for (const Difference& d : differences) {
        for (const DecodedChange& c : d.changes) {
            QJsonObject o;
            o[QStringLiteral("place")] = PlaceText(d);
            o[QStringLiteral("code")] = d.code;
            o[QStringLiteral("product")] = d.product;
            o[QStringLiteral("caption")] = c.caption;
            o[QStringLiteral("old")] = c.window;
            o[QStringLiteral("new")] = c.other;
            list.append(o);
        }
    }
    const QJsonObject doc{{QStringLiteral("summary"), SummaryText(CountDifferences(differences))},
                          {QStringLiteral("differences"), list}};
    return QJsonDocument(doc).toJson(QJsonDocument::Compact);
}
