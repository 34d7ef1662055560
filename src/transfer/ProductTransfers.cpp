#include "transfer/ProductTransfers.h"

#include <cmath>

#include "link/RunKinds.h"
#include "model/DisplayFormat.h"
#include "model/ModelFacts.h"
#include "model/Validation.h"
#include "texts/TransferTexts.h"
#include "transfer/SettingTransfers.h"
#include "transfer/TransferTrap.h"

namespace {

QString ItemCode(int item) {
    return QStringLiteral("W1%1").arg(item);
}

Task<WaitOutcome> QueryCurrentProduct(IndicatorLink& link) {
    // A "W00…" answer sets the current product number. Any other answer would leave the
    // previous product's number in place and the values read next would overwrite that
    // product's record: such an answer stores nothing and ends the read.
    link.sendLine(QStringLiteral("W00"));
    const WaitOutcome answered = co_await link.reply(ReplyKind::ProductNumber);
    if (answered == WaitOutcome::TimedOut) co_return WaitOutcome::TimedOut;
    if (!IndicatorLink::ProductNumberIn(link.lastReply()))
        throw OperationError(
            ErrNo::kInvalidProcedureCall,
            Tr(TransferText::NoProductNumber).arg(IndicatorLink::VisibleReply(link.lastReply())));
    co_return WaitOutcome::Line;
}

}  // namespace

QString ProductSelectionRequest(int productNo, IndicatorModel model) {
    if (productNo < 0 || productNo >= FactsOf(model).products)
        throw OperationError(ErrNo::kSubscriptOutOfRange,
                             Tr(TransferText::ProductOutOfRange).arg(productNo));
    return QStringLiteral("W00%1").arg(productNo, 5, 10, QLatin1Char('0'));
}

// ---- the product buttons ----

Task<void> ProductTransfers::changeProduct() {
    co_await TrappedTask(link_.view(), ErrorHint::Port8018, [this] { return changeProductBody(); });
}

Task<void> ProductTransfers::changeProductBody() {
    // The whole part of the number the selector's text begins with; a text without a number
    // counts as 0.
    const double typed = std::trunc(display::NumericValue(panel_.selectorText()));
    bool found = false;
    for (int i = 0; i < link_.store().productCount(); ++i) {
        if (typed == i) {
            panel_.selectProduct(i);
            found = true;
        }
    }
    if (!found) {
        co_await link_.view().box(Tr(TransferText::InvalidProduct));
        co_return;
    }
    const QString selection =
        ProductSelectionRequest(panel_.selectedProduct(), link_.store().model());
    const WaitOutcome answered = co_await link_.probe();
    if (answered == WaitOutcome::TimedOut) co_return;
    // The indicator does not answer a selection and nothing is redrawn.
    link_.sendLine(selection);
}

Task<void> ProductTransfers::readOneProduct() {
    // What came in is shown, also after a time-out or a fault, before a message about it.
    OperatorView& view = link_.view();
    ReadCheck check;
    co_await TrappedRead(
        link_, check, 1 + SettingsStore::kProductItems, runkind::kReadOneProduct,
        [this, &view]() -> Task<void> {
            co_await ReadProductRecord(link_, panel_.selectedProduct());
            view.redraw();
        },
        [&view] { view.redraw(); });
}

Task<bool> ProductTransfers::readAllProducts() {
    OperatorView& view = link_.view();
    ReadCheck check;
    home_.reset();
    const int replies = link_.store().productCount() * (1 + SettingsStore::kProductItems) +
                        (keepIndicatorProduct_ ? 1 : 0);
    // A fault (a lost port, an answer without a product number) would most likely meet every
    // later product too: one report, and the read ends with what came in shown.
    co_return co_await TrappedRead(
        link_, check, replies, runkind::kReadAllProducts,
        [this, &check] { return readAllBody(check); },
        [this, &view] {
            // The indicator goes back to its product if the port still works; a failure of
            // that after the one report is not reported again.
            if (home_ && link_.activePort() && link_.activePort()->isOpen())
                TrapStep([this] { selectHomeProduct(); }, [](const OperationError&) {});
            StopShown(view, Tr(TransferText::ProductReadStopped));
            view.redraw();
        });
}

Task<void> ProductTransfers::readAllBody(const ReadCheck& check) {
    OperatorView& view = link_.view();
    view.setProgress(0);
    view.setProgressVisible(true);
    // The product the indicator is on comes first; without it no product is selected.
    bool answered = true;
    if (keepIndicatorProduct_) {
        link_.flushInput();
        const WaitOutcome current = co_await QueryCurrentProduct(link_);
        answered = current == WaitOutcome::Line;
        if (answered) home_ = link_.store().currentProduct();
    }
    const int count = link_.store().productCount();
    for (int n = 0; answered && n < count; ++n) {
        if (link_.stopAsked()) {
            selectHomeProduct();
            StopShown(view, Tr(TransferText::ProductReadStopped));
            view.redraw();
            co_return;
        }
        view.setStatusText(Tr(TransferText::ProductReading).arg(n));
        const WaitOutcome record = co_await ReadProductRecord(link_, n);
        if (record == WaitOutcome::TimedOut) break;
        view.setProgress(n);
    }
    selectHomeProduct();
    // Also after a time-out: the records read so far are shown.
    view.setStatusText(check.complete() ? Tr(TransferText::ProductReadDone)
                                        : Tr(TransferText::ProductReadIncomplete));
    view.setProgress(0);
    view.setProgressVisible(false);
    view.redraw();
}

void ProductTransfers::selectHomeProduct() {
    if (!home_) return;
    const int n = *std::exchange(home_, std::nullopt);
    // No answer is awaited for a selection.
    link_.sendLine(ProductSelectionRequest(n, link_.store().model()));
    link_.runs().note(RunNote(runkind::kProductRestored, {QString::number(n)}));
}

Task<void> ProductTransfers::writeOneProduct() {
    co_await TrappedRun(link_, TransferRun::Direction::Write, runkind::kWriteOneProduct,
                        [this]() -> Task<void> {
                            const int n = panel_.selectedProduct();
                            if (!storedProductValid(n)) {
                                co_await link_.view().box(Tr(TransferText::InvalidStored));
                                co_return;
                            }
                            co_await writeProduct(n);
                        });
}

Task<bool> ProductTransfers::writeAllProducts() {
    OperatorView& view = link_.view();
    co_return co_await TrappedRun(
        link_, TransferRun::Direction::Write, runkind::kWriteAllProducts,
        [this] { return writeAllBody(); },
        [&view] { StopShown(view, Tr(TransferText::ProductSendStopped)); });
}

Task<bool> ProductTransfers::checkAllToSend(SettingTransfers* settings) {
    for (int n = 0; n < link_.store().productCount(); ++n) {
        if (!storedProductValid(n)) {
            co_await link_.view().box(Tr(TransferText::InvalidStored));
            co_return false;
        }
    }
    if (!settings) co_return true;
    const bool fit = co_await settings->checkSettingsToSend();
    co_return fit;
}

Task<void> ProductTransfers::writeAllBody() {
    OperatorView& view = link_.view();
    // Every record is checked before the first is sent: one bad record sends nothing at all.
    const bool fit = co_await checkAllToSend(nullptr);
    if (!fit) co_return;
    view.setProgress(0);
    view.setProgressVisible(true);
    const int count = link_.store().productCount();
    for (int n = 0; n < count; ++n) {
        if (link_.stopAsked()) {
            StopShown(view, Tr(TransferText::ProductSendStopped));
            co_return;
        }
        view.setStatusText(Tr(TransferText::ProductSending).arg(n));
        // A time-out on any record, the last one included, ends the write as a fault does.
        const WaitOutcome answered = co_await writeProduct(n);
        if (answered == WaitOutcome::TimedOut) {
            StopShown(view, Tr(TransferText::ProductSendStopped));
            co_return;
        }
        view.setProgress(n);
    }
    view.setStatusText(Tr(TransferText::ProductSendDone));
    view.setProgress(0);
    view.setProgressVisible(false);
}

Task<void> ProductTransfers::writeShownToTarget() {
    co_await TrappedRun(
        link_, TransferRun::Direction::Write, runkind::kWriteShownProduct, [this]() -> Task<void> {
            // The values sent are the ones that passed the check.
            const QStringList values = checkedShownValues();
            if (values.isEmpty()) {
                co_await link_.view().box(Tr(TransferText::InvalidShown));
                co_return;
            }
            const QString selection =
                ProductSelectionRequest(panel_.targetProduct(), link_.store().model());
            const WaitOutcome answered = co_await link_.probe();
            if (answered == WaitOutcome::TimedOut) co_return;
            // The store is not changed.
            co_await sendValues(panel_.targetProduct(), selection, values);
        });
}

Task<void> ProductTransfers::writeShownToAll() {
    OperatorView& view = link_.view();
    co_await TrappedRun(
        link_, TransferRun::Direction::Write, runkind::kWriteShownToAll,
        [this] { return writeShownToAllBody(); },
        [&view] { StopShown(view, Tr(TransferText::ProductWriteStopped)); });
}

Task<void> ProductTransfers::writeShownToAllBody() {
    OperatorView& view = link_.view();
    if (!checkDisplayedProduct()) {
        co_await view.box(Tr(TransferText::InvalidShown));
        co_return;
    }
    view.setProgress(0);
    view.setProgressVisible(true);
    const int count = link_.store().productCount();
    for (int n = 0; n < count; ++n) {
        view.setStatusText(Tr(TransferText::ProductWriting).arg(n));
        const WaitOutcome answered = co_await link_.probe();
        if (answered == WaitOutcome::TimedOut) break;
        // The boxes are read again for each product; the operator may have edited them during
        // a wait, so they are checked again before anything of this product is sent.
        const QStringList values = checkedShownValues();
        if (values.isEmpty()) {
            co_await view.box(Tr(TransferText::InvalidShown));
            view.setProgress(0);
            view.setProgressVisible(false);
            co_return;
        }
        co_await sendValues(n, ProductSelectionRequest(n, link_.store().model()), values);
        view.setProgress(n);
    }
    // Also after a time-out.
    view.setStatusText(Tr(TransferText::ProductWriteDone));
    view.setProgress(0);
    view.setProgressVisible(false);
}

Task<void> ProductTransfers::allRead(SettingTransfers& settings) {
    // One run and one check for both halves. After a time-out the settings half still runs
    // (and stops at its first request); after a reported fault it is not started, so one fault
    // makes one message. The values not read are named once, at the end.
    ReadCheck check;
    const IndicatorLink::CheckedReads checked = link_.checkReads(check);
    RunLog::Handle run = link_.beginRun(TransferRun::Direction::Read, runkind::kAllRead);
    bool ran = co_await readAllProducts();
    if (ran && !link_.stopAsked()) ran = co_await settings.readAllSettings();
    co_await EndRead(link_, check, checked, ran, run);
}

Task<void> ProductTransfers::allWrite(SettingTransfers& settings) {
    const RunLog::Handle run = link_.beginRun(TransferRun::Direction::Write, runkind::kAllWrite);
    // Every product and setting is checked before the first request.
    const bool fit = co_await checkAllToSend(&settings);
    if (!fit) co_return;
    const bool productsWritten = co_await writeAllProducts();
    if (productsWritten && !link_.stopAsked()) co_await settings.writeAllSettings();
}

// ---- one product ----

Task<WaitOutcome> ReadProductRecord(IndicatorLink& link, int n) {
    const QString selection = ProductSelectionRequest(n, link.store().model());
    link.flushInput();
    link.sendLine(selection);
    const WaitOutcome answered = co_await QueryCurrentProduct(link);
    if (answered == WaitOutcome::TimedOut) co_return WaitOutcome::TimedOut;
    // The values go to the record the indicator reported, which need not be n.
    for (int item = 0; item < SettingsStore::kProductItems; ++item) {
        link.sendLine(ItemCode(item));
        const WaitOutcome outcome = co_await link.reply(ReplyFor::Value(ItemCode(item).mid(1), n));
        if (outcome == WaitOutcome::TimedOut) co_return WaitOutcome::TimedOut;
    }
    co_return WaitOutcome::Line;
}

Task<WaitOutcome> ProductTransfers::writeProduct(int n) {
    const QString selection = ProductSelectionRequest(n, link_.store().model());
    const WaitOutcome answered = co_await link_.probe();
    if (answered == WaitOutcome::TimedOut) co_return WaitOutcome::TimedOut;
    QStringList values;
    for (int item = 0; item < SettingsStore::kProductItems; ++item)
        values << link_.store().product(n, item);
    co_return co_await sendValues(n, selection, values);
}

Task<WaitOutcome> ProductTransfers::sendValues(int product, QString selection, QStringList values) {
    link_.sendLine(selection);
    for (int item = 0; item < values.size(); ++item)
        link_.sendValue(product, ItemCode(item).mid(1), values[item]);
    co_return co_await link_.sync();
}

bool ProductTransfers::storedProductValid(int n) const {
    for (int item = 0; item < SettingsStore::kProductItems; ++item) {
        const QString value = link_.store().product(n, item);
        if (value.isEmpty() || !MatchesMask(value, ProductMask(item))) return false;
    }
    return true;
}

bool ProductTransfers::checkDisplayedProduct() const {
    return !checkedShownValues().isEmpty();
}

QStringList ProductTransfers::checkedShownValues() const {
    QStringList values;
    for (int item = 0; item < SettingsStore::kProductItems; ++item) {
        const QString value = panel_.shownValue(item);
        if (!MatchesMask(value, ProductMask(item))) return {};
        values << value;
    }
    return values;
}
