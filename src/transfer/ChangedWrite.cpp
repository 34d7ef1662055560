#include "transfer/ChangedWrite.h"

#include <QSet>
#include <map>

#include "link/OperatorView.h"
#include "link/RunKinds.h"
#include "model/Catalogue.h"
#include "texts/TransferTexts.h"
#include "transfer/ProductTransfers.h"
#include "transfer/SettingPlan.h"

std::vector<ChangedValue> ChangedValues(const SettingsStore& window, const IndicatorValues& held) {
    std::vector<ChangedValue> changes;
    const IndicatorModel model = window.model();
    for (const QString& code : CodesOfPlan(WriteSettingsPlan(model))) {
        const QString value = window.value(code);
        if (const auto indicator = held.differing(model, code, -1, value))
            changes.push_back({-1, code, *indicator, value});
    }
    for (int p = 0; p < window.productCount(); ++p)
        for (int item = 0; item < SettingsStore::kProductItems; ++item) {
            const QString code = ProductItemCode(item);
            const QString value = window.product(p, item);
            if (const auto indicator = held.differing(model, code, p, value))
                changes.push_back({p, code, *indicator, value});
        }
    return changes;
}

std::vector<ChangedValue> ChangedValues(const SettingsStore& window,
                                        const SettingsStore& indicator) {
    TransferRun read;
    read.model = indicator.model();
    for (const QString& code : CodesOfPlan(WriteSettingsPlan(indicator.model())))
        read.values.push_back({-1, code, indicator.value(code)});
    for (int p = 0; p < indicator.productCount(); ++p)
        for (int item = 0; item < SettingsStore::kProductItems; ++item)
            read.values.push_back({p, ProductItemCode(item), indicator.product(p, item)});
    IndicatorValues held;
    held.took(read);
    return ChangedValues(window, held);
}

Task<void> WriteChanged(IndicatorLink& link, std::vector<ChangedValue> changes) {
    OperatorView& view = link.view();
    RunLog::Handle run = link.beginRun(TransferRun::Direction::Write, runkind::kWriteChanged);
    QHash<QString, QString> settings;
    std::map<int, std::vector<const ChangedValue*>> products;
    for (const ChangedValue& c : changes) {
        if (c.product < 0)
            settings.insert(c.code, c.window);
        else
            products[c.product].push_back(&c);
    }
    const auto stopped = [&view, &run] {
        run.stoppedShort();
        StopShown(view, Tr(TransferText::ChangedSendStopped));
        view.setProgressVisible(false);
    };
    view.setStatusText(Tr(TransferText::ChangedSending));
    view.setProgress(0);
    view.setProgressVisible(true);
    const WaitOutcome answered = co_await link.probe();
    if (answered == WaitOutcome::TimedOut) {
        stopped();
        co_return;
    }
    bool confirmed = true;
    bool batch = false;  // the batch under way sent something
    int sent = 0;
    for (const TransferStep& step : WriteSettingsPlan(link.store().model())) {
        if (step.kind == TransferStep::Code && settings.contains(step.text)) {
            if (link.sendValue(-1, step.text, settings.value(step.text))) {
                batch = true;
                ++sent;
            }
        } else if (step.kind == TransferStep::Sync && batch) {
            const WaitOutcome synced = co_await link.sync();
            if (synced == WaitOutcome::TimedOut) confirmed = false;
            batch = false;
        }
        if (link.stopAsked()) {
            stopped();
            co_return;
        }
    }
    // A plan whose last batch has no sync of its own (the F805's, which all-write closes with its
    // product selection) is confirmed here: nothing counts as sent unconfirmed.
    if (batch) {
        const WaitOutcome synced = co_await link.sync();
        if (synced == WaitOutcome::TimedOut) confirmed = false;
    }
    int productsSent = 0;
    for (const auto& [product, values] : products) {
        link.sendLine(ProductSelectionRequest(product, link.store().model()));
        for (const ChangedValue* c : values) {
            sent += link.sendValue(product, c->code, c->window);
        }
        const WaitOutcome synced = co_await link.sync();
        if (synced == WaitOutcome::TimedOut) confirmed = false;
        view.setProgress(100 * ++productsSent / int(products.size()));
        if (link.stopAsked()) {
            stopped();
            co_return;
        }
    }
    view.setProgress(0);
    view.setProgressVisible(false);
    if (!confirmed) {
        run.stoppedShort();
        StopShown(view, Tr(TransferText::ChangedSendIncomplete));
        co_return;
    }
    view.setStatusText(Tr(TransferText::ChangedSendDone).arg(sent));
    view.redraw();
}
