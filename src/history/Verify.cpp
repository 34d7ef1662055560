#include "history/Verify.h"

#include <algorithm>
#include <set>
#include <utility>

#include "history/Journal.h"
#include "model/Catalogue.h"
#include "model/ModelFacts.h"
#include "texts/HistoryTexts.h"
#include "transfer/ProductTransfers.h"

WritePlaces AllPlaces(IndicatorModel model, bool products, bool settings) {
    WritePlaces places;
    if (products)
        for (int n = 0; n < FactsOf(model).products; ++n) places.products.push_back(n);
    if (settings) places.codes.assign(CodesOf(model).begin(), CodesOf(model).end());
    return places;
}

WritePlaces PlacesOf(const std::vector<ChangedValue>& changes) {
    WritePlaces places;
    for (const ChangedValue& c : changes) {
        if (c.product < 0)
            places.codes.push_back(c.code);
        else if (std::find(places.products.begin(), places.products.end(), c.product) ==
                 places.products.end())
            places.products.push_back(c.product);
    }
    return places;
}

WritePlaces PlacesOf(const TransferRun& written) {
    WritePlaces places;
    std::set<int> products;
    for (const TransferValue& v : written.values) {
        if (v.product >= 0)
            products.insert(v.product);
        else if (std::find(places.codes.begin(), places.codes.end(), v.code) == places.codes.end())
            places.codes.push_back(v.code);
    }
    places.products.assign(products.begin(), products.end());
    return places;
}

QString ReadStoppedText(const QString& what) {
    return Tr(HistoryText::PlacesReadStopped).arg(what);
}

Task<WaitOutcome> ReadPlaces(IndicatorLink& link, WritePlaces places, SettingsStore& into,
                             QString what) {
    into.setModel(link.store().model());
    const auto route = link.routeInto(into);
    const auto bound = link.boundRead(static_cast<int>(places.products.size()) *
                                          (1 + SettingsStore::kProductItems) +
                                      static_cast<int>(places.codes.size()));
    OperatorView& view = link.view();
    const size_t steps = std::max<size_t>(places.products.size() + places.codes.size(), 1);
    size_t done = 0;
    const auto step = [&] { view.setProgress(static_cast<int>(++done * 100 / steps)); };
    const auto timedOut = [&] {
        StopShown(view, ReadStoppedText(what));
        return WaitOutcome::TimedOut;
    };
    WaitOutcome outcome = WaitOutcome::Line;
    view.setStatusText(Tr(HistoryText::ReadingPlaces).arg(what));
    view.setProgress(0);
    view.setProgressVisible(true);
    for (const int n : places.products) {
        outcome = co_await ReadProductRecord(link, n);
        if (outcome == WaitOutcome::TimedOut) co_return timedOut();
        step();
    }
    if (!places.codes.empty()) link.flushInput();
    for (const QString& code : places.codes) {
        link.sendLine(QStringLiteral("W") + code);
        outcome = co_await link.reply(ReplyFor::Value(code));
        if (outcome == WaitOutcome::TimedOut) co_return timedOut();
        step();
    }
    StopShown(view, Tr(HistoryText::PlacesReadDone).arg(what));
    co_return WaitOutcome::Line;
}

Task<TransferRun> SnapshotBefore(IndicatorLink& link, WritePlaces places, QString operation) {
    SettingsStore held;
    TransferRun run{TransferRun::Direction::Read,
                    operation,
                    link.store().model(),
                    link.activePort() ? link.activePort()->deviceName() : QString(),
                    true,
                    {}};
    ReadCheck check;
    const auto checked = link.checkReads(check);
    const WaitOutcome answered = co_await ReadPlaces(link, places, held, BeforeWriteValues());
    if (answered == WaitOutcome::TimedOut) {
        run.complete = false;
        co_return run;
    }
    run.complete = check.complete();
    for (const int n : places.products)
        for (int item = 0; item < SettingsStore::kProductItems; ++item)
            run.values.push_back({n, QStringLiteral("1%1").arg(item), held.product(n, item)});
    for (const QString& code : places.codes) run.values.push_back({-1, code, held.value(code)});
    co_return run;
}

Task<VerifyResult> VerifyWritten(IndicatorLink& link, TransferRun written) {
    VerifyResult result;
    result.readBack.setModel(written.model);
    {
        const auto checked = link.checkReads(result.unread);
        const WaitOutcome outcome =
            co_await ReadPlaces(link, PlacesOf(written), result.readBack, WrittenValues());
        if (outcome == WaitOutcome::TimedOut) {
            result.timedOut = true;
            co_return result;
        }
    }
    // The last value sent to a place is the one it should hold; a place whose read-back did
    // not come whole is not judged.
    std::set<std::pair<int, QString>> compared;
    for (const TransferValue& v : result.unread.faults()) compared.insert({v.product, v.code});
    for (auto it = written.values.rbegin(); it != written.values.rend(); ++it) {
        const TransferValue& v = *it;
        if (!compared.insert({v.product, v.code}).second) continue;
        if (StoredValue(result.readBack, v) != v.value)
            result.refused.insert(result.refused.begin(), v);
    }
    co_return result;
}

Task<KeptBefore> KeepBefore(IndicatorLink& link, Journal& journal, WritePlaces places,
                            ReadCheck& check) {
    KeptBefore kept;
    std::optional<TransferRun> before;
    {
        const auto checked = link.checkReads(check);
        before = co_await SnapshotBefore(link, std::move(places), Journal::kBeforeWrite);
    }
    kept.read = before->complete && check.complete();
    if (!kept.read || before->values.empty()) co_return kept;
    kept.id = journal.record(*before, Journal::kBeforeWrite);
    if (kept.id == 0) kept.journalFailure = journal.failure();
    co_return kept;
}

Task<VerifyResult> VerifyAndNote(IndicatorLink& link, Journal& journal, TransferRun written,
                                 qint64 writeId) {
    VerifyResult result = co_await VerifyWritten(link, std::move(written));
    link.view().setStatusText(VerifyStatusText(result));
    if (writeId != 0) journal.setNote(writeId, VerifyNote(result));
    co_return result;
}

QString VerifyNote(const VerifyResult& result) {
    if (result.timedOut) return RunNote(runkind::kVerifyTimedOut);
    if (!result.unread.complete())
        return RunNote(runkind::kVerifyUnread, {QString::number(result.unread.faults().size())});
    if (result.refused.empty()) return RunNote(runkind::kVerifyOk);
    return RunNote(runkind::kVerifyRefused, {QString::number(result.refused.size())});
}

QString VerifyStatusText(const VerifyResult& result) {
    return NoteText(VerifyNote(result));
}

bool IsVerifyVerdict(const QString& note) {
    using namespace runkind;
    for (const QLatin1StringView kind : {kVerifyOk, kVerifyRefused, kVerifyUnread, kVerifyTimedOut})
        if (NoteHas(note, kind)) return true;
    return false;
}

QString BeforeWriteValues() {
    return Tr(HistoryText::BeforeWriteValues);
}

QString WrittenValues() {
    return Tr(HistoryText::WrittenValues);
}
