#include "history/Verify.h"

#include <algorithm>
#include <set>
#include <utility>

#include "transfer/ProductTransfers.h"

VerifyResult VerifyWritten(IndicatorLink& link, const TransferRun& written) {
    VerifyResult result;
    result.readBack.setModel(written.model);
    std::set<int> products;
    std::vector<QString> codes;
    for (const TransferValue& v : written.values) {
        if (v.product >= 0)
            products.insert(v.product);
        else if (std::find(codes.begin(), codes.end(), v.code) == codes.end())
            codes.push_back(v.code);
    }
    const auto route = link.routeInto(result.readBack);
    for (const int n : products) {
        if (ReadProductRecord(link, n) == WaitOutcome::TimedOut) {
            result.timedOut = true;
            return result;
        }
    }
    if (!codes.empty()) link.flushInput();
    for (const QString& code : codes) {
        link.sendLine(QStringLiteral("W") + code);
        if (link.awaitReply(ReplyKind::Setting) == WaitOutcome::TimedOut) {
            result.timedOut = true;
            return result;
        }
    }
    // The last value sent to a place is the one it should hold.
    std::set<std::pair<int, QString>> compared;
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
    if (result.refused.empty()) return QStringLiteral("照合 OK");
    return QStringLiteral("照合：%1 件が一致しません").arg(result.refused.size());
}
