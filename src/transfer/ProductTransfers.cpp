#include "transfer/ProductTransfers.h"

#include <cmath>

#include "link/OperationTrap.h"
#include "model/DisplayFormat.h"
#include "model/Validation.h"
#include "transfer/SettingTransfers.h"

const QString ProductTransfers::kInvalidProductText = QStringLiteral("銘柄データが無効です");
const QString ProductTransfers::kInvalidStoredText =
    QStringLiteral("無効なデータがあるため転送できません");
const QString ProductTransfers::kInvalidShownText =
    QStringLiteral("無効なデータがあるため転送できません。");

namespace {

// The tag of the product-number query: its answer sets the current product and routes nothing
// else, so a value line given in its place cannot land in the previous product's record.
const QString kProductQueryTag = QStringLiteral("W00");

QString ItemCode(int item) {
    return QStringLiteral("W1%1").arg(item);
}

}  // namespace

QString ProductSelectionRequest(int productNo) {
    if (productNo < 0 || productNo >= SettingsStore::kProducts)
        throw OperationError(ErrNo::kSubscriptOutOfRange,
                             QStringLiteral("銘柄番号 %1 は範囲外です。").arg(productNo));
    return QStringLiteral("W00%1").arg(productNo, 5, 10, QLatin1Char('0'));
}

// ---- the product buttons ----

void ProductTransfers::changeProduct() {
    Trapped(link_.view(), ErrorHint::Port8018, [this] { changeProductBody(); });
}

void ProductTransfers::changeProductBody() {
    // The whole part of the number the selector's text begins with; a text without a number
    // counts as 0.
    const double typed = std::trunc(display::NumericValue(panel_.selectorText()));
    bool found = false;
    for (int i = 0; i < SettingsStore::kProducts; ++i) {
        if (typed == i) {
            panel_.selectProduct(i);
            found = true;
        }
    }
    if (!found) {
        link_.view().showMessage(kInvalidProductText);
        return;
    }
    const QString selection = ProductSelectionRequest(panel_.selectedProduct());
    link_.probeLink();
    if (link_.linkTimedOut) return;
    // The indicator does not answer a selection and nothing is redrawn.
    link_.sendLine(selection);
}

void ProductTransfers::readOneProduct() {
    Trapped(link_.view(), ErrorHint::Port8018, [this] {
        link_.expectedReply = QStringLiteral("WR");
        readProduct(panel_.selectedProduct());
        // Also after a time-out: what came in is shown.
        link_.view().redraw();
    });
}

bool ProductTransfers::readAllProducts() {
    bool ran = false;
    Trapped(link_.view(), ErrorHint::Port8018, [this, &ran] { ran = readAllBody(); });
    return ran;
}

bool ProductTransfers::readAllBody() {
    OperatorView& view = link_.view();
    link_.expectedReply = QStringLiteral("WR");
    view.setProgress(0);
    view.setProgressVisible(true);
    for (int n = 0; n < SettingsStore::kProducts; ++n) {
        view.setStatusText(QStringLiteral("銘柄 %1 読み込み中").arg(n));
        // A fault (a lost port, an answer without a product number) would most likely meet
        // every later product too: one report, and the read ends with what came in shown.
        if (!readProduct(n)) {
            StopShown(view, QStringLiteral("銘柄読み込み中断"));
            view.redraw();
            return false;
        }
        if (link_.linkTimedOut) break;
        view.setProgress(n);
    }
    // Also after a time-out: the records read so far are shown.
    view.setStatusText(QStringLiteral("銘柄読み込み完了"));
    view.setProgress(0);
    view.setProgressVisible(false);
    view.redraw();
    return true;
}

void ProductTransfers::writeOneProduct() {
    Trapped(link_.view(), ErrorHint::Port8018, [this] {
        const int n = panel_.selectedProduct();
        if (checkStoredProduct(n)) {
            link_.view().showMessage(kInvalidStoredText);
            return;
        }
        writeProduct(n);
    });
}

bool ProductTransfers::writeAllProducts() {
    bool ran = false;
    Trapped(link_.view(), ErrorHint::Port8018, [this, &ran] { ran = writeAllBody(); });
    return ran;
}

bool ProductTransfers::writeAllBody() {
    OperatorView& view = link_.view();
    // Every record is checked before the first is sent: one bad record sends nothing at all.
    for (int n = 0; n < SettingsStore::kProducts; ++n) {
        if (checkStoredProduct(n)) {
            view.showMessage(kInvalidStoredText);
            return true;
        }
    }
    view.setProgress(0);
    view.setProgressVisible(true);
    for (int n = 0; n < SettingsStore::kProducts; ++n) {
        if (link_.linkTimedOut) return true;
        view.setStatusText(QStringLiteral("銘柄 %1 送信中").arg(n));
        if (!writeProduct(n)) {
            StopShown(view, QStringLiteral("銘柄送信中断"));
            return false;
        }
        view.setProgress(n);
    }
    // A time-out on the last record must not be reported as a completed send.
    if (link_.linkTimedOut) return true;
    view.setStatusText(QStringLiteral("銘柄送信完了"));
    view.setProgress(0);
    view.setProgressVisible(false);
    return true;
}

void ProductTransfers::writeShownToTarget() {
    Trapped(link_.view(), ErrorHint::Port8018, [this] {
        // The values sent are the ones that passed the check.
        const QStringList values = checkedShownValues();
        if (values.isEmpty()) {
            link_.view().showMessage(kInvalidShownText);
            return;
        }
        const QString selection = ProductSelectionRequest(panel_.targetProduct());
        link_.probeLink();
        if (link_.linkTimedOut) return;
        // The store is not changed.
        sendValues(selection, values);
    });
}

void ProductTransfers::writeShownToAll() {
    if (!Trapped(link_.view(), ErrorHint::Port8018, [this] { writeShownToAllBody(); }))
        StopShown(link_.view(), QStringLiteral("銘柄書き込み中断"));
}

void ProductTransfers::writeShownToAllBody() {
    OperatorView& view = link_.view();
    if (!checkDisplayedProduct()) {
        view.showMessage(kInvalidShownText);
        return;
    }
    view.setProgress(0);
    view.setProgressVisible(true);
    for (int n = 0; n < SettingsStore::kProducts; ++n) {
        view.setStatusText(QStringLiteral("銘柄 %1 書き込み中").arg(n));
        link_.probeLink();
        if (link_.linkTimedOut) break;
        // The boxes are read again for each product; the operator may have edited them during
        // a wait, so they are checked again before anything of this product is sent.
        const QStringList values = checkedShownValues();
        if (values.isEmpty()) {
            view.showMessage(kInvalidShownText);
            view.setProgress(0);
            view.setProgressVisible(false);
            return;
        }
        sendValues(ProductSelectionRequest(n), values);
        view.setProgress(n);
    }
    // Also after a time-out.
    view.setStatusText(QStringLiteral("銘柄書き込み完了"));
    view.setProgress(0);
    view.setProgressVisible(false);
}

void ProductTransfers::allRead(SettingTransfers& settings) {
    // After a time-out the settings half still runs (and stops at its first request); after a
    // reported fault it is not started, so one fault makes one message.
    if (readAllProducts()) settings.readAllSettings();
}

void ProductTransfers::allWrite(SettingTransfers& settings) {
    if (writeAllProducts()) settings.writeAllSettings();
}

// ---- one product ----

bool ProductTransfers::readProduct(int n) {
    return Trapped(link_.view(), ErrorHint::Port8018, [this, n] {
        const QString selection = ProductSelectionRequest(n);
        link_.flushInput();
        link_.sendLine(selection);
        queryCurrentProduct();
        // The values go to the record the indicator reported, which need not be n.
        for (int item = 0; item < SettingsStore::kProductItems; ++item) {
            if (link_.linkTimedOut) return;
            link_.sendLine(ItemCode(item));
            link_.awaitReply();
        }
    });
}

void ProductTransfers::queryCurrentProduct() {
    // A "W00…" answer sets the current product number. Any other answer would leave the
    // previous product's number in place and the values read next would overwrite that
    // product's record: such an answer stores nothing and ends the read.
    link_.expectedReply = kProductQueryTag;
    link_.sendLine(QStringLiteral("W00"));
    struct Restore {
        IndicatorLink& link;
        ~Restore() { link.expectedReply = QStringLiteral("WR"); }
    } restore{link_};
    link_.awaitReply();
    if (!link_.linkTimedOut && !IndicatorLink::ProductNumberIn(link_.lastReply()))
        throw OperationError(ErrNo::kInvalidProcedureCall,
                             QStringLiteral("指示計の応答に銘柄番号がありません。\r\n応答：%1\r\n")
                                 .arg(IndicatorLink::VisibleReply(link_.lastReply())));
}

bool ProductTransfers::writeProduct(int n) {
    return Trapped(link_.view(), ErrorHint::Port8018, [this, n] {
        const QString selection = ProductSelectionRequest(n);
        link_.probeLink();
        if (link_.linkTimedOut) return;
        QStringList values;
        for (int item = 0; item < SettingsStore::kProductItems; ++item)
            values << link_.store().product(n, item);
        sendValues(selection, values);
    });
}

void ProductTransfers::sendValues(const QString& selection, const QStringList& values) {
    link_.sendLine(selection);
    for (int item = 0; item < values.size(); ++item) link_.sendLine(ItemCode(item) + values[item]);
    link_.syncPoint();
}

bool ProductTransfers::checkStoredProduct(int n) const {
    for (int item = 0; item < SettingsStore::kProductItems; ++item) {
        const QString value = link_.store().product(n, item);
        if (value.isEmpty() || !MatchesMask(value, ProductMask(item))) return true;
    }
    return false;
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
