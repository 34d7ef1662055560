#include "history/Verify.h"

#include <algorithm>
#include <set>
#include <utility>

#include "transfer/ProductTransfers.h"

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

WaitOutcome ReadPlaces(IndicatorLink& link, const WritePlaces& places, SettingsStore& into) {
    into.setModel(link.store().model());
    const auto route = link.routeInto(into);
    const auto bound = link.boundRead(static_cast<int>(places.products.size()) *
                                          (1 + SettingsStore::kProductItems) +
                                      static_cast<int>(places.codes.size()));
    for (const int n : places.products)
        if (ReadProductRecord(link, n) == WaitOutcome::TimedOut) return WaitOutcome::TimedOut;
    if (!places.codes.empty()) link.flushInput();
    for (const QString& code : places.codes) {
        link.sendLine(QStringLiteral("W") + code);
        if (link.awaitReply(ReplyFor::Value(code)) == WaitOutcome::TimedOut)
            return WaitOutcome::TimedOut;
    }
    return WaitOutcome::Line;
}

TransferRun SnapshotBefore(IndicatorLink& link, const WritePlaces& places,
                           const QString& operation) {
    SettingsStore held;
    TransferRun run;
    run.operation = operation;
    run.model = link.store().model();
    run.device = link.activePort() ? link.activePort()->deviceName() : QString();
    ReadCheck check;
    const auto checked = link.checkReads(check);
    if (ReadPlaces(link, places, held) == WaitOutcome::TimedOut) {
        run.complete = false;
        return run;
    }
    run.complete = check.complete();
    for (const int n : places.products)
        for (int item = 0; item < SettingsStore::kProductItems; ++item)
            run.values.push_back({n, QStringLiteral("1%1").arg(item), held.product(n, item)});
    for (const QString& code : places.codes) run.values.push_back({-1, code, held.value(code)});
    return run;
}

VerifyResult VerifyWritten(IndicatorLink& link, const TransferRun& written) {
    VerifyResult result;
    result.readBack.setModel(written.model);
    {
        const auto checked = link.checkReads(result.unread);
        if (ReadPlaces(link, PlacesOf(written), result.readBack) == WaitOutcome::TimedOut) {
            result.timedOut = true;
            return result;
        }
    }
    // The last value sent to a place is the one it should hold; a place whose read-back did
    // not come whole is not judged.
    std::set<std::pair<int, QString>> compared;
    for (const TransferValue& v : result.unread.faults()) compared.insert({v.product, v.code});
    for (auto it = written.values.rbegin(); it != written.values.rend(); ++it) {
        const TransferValue& v = *it;
        if (!compared.insert({v.product, v.code}).second) continue;
        const QString held = v.product >= 0
                                 ? result.readBack.product(v.product, v.code.mid(1).toInt())
                                 : result.readBack.value(v.code);
        if (held != v.value) result.refused.insert(result.refused.begin(), v);
    }
    return result;
}

QString VerifyStatusText(const VerifyResult& result) {
    if (result.timedOut) return QStringLiteral("照合：タイムアウトのため確認できませんでした");
    if (!result.unread.complete())
        return QStringLiteral("照合：%1 件を正しく読めませんでした")
            .arg(result.unread.faults().size());
    if (result.refused.empty()) return QStringLiteral("照合 OK");
    return QStringLiteral("照合：%1 件が一致しません").arg(result.refused.size());
}
