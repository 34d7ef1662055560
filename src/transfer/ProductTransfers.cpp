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

// Stands in for the product number while the indicator's answer to "W00" is awaited.
constexpr qint16 kNoProductReported = -1;

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

namespace {

bool PortLost(const IndicatorLink& link) {
    const SerialPort* port = link.activePort();
    return port == nullptr || !port->isOpen();
}

}  // namespace

void ProductTransfers::readAllProducts() {
    Trapped(link_.view(), ErrorHint::Port8018, [this] { readAllBody(); });
}

void ProductTransfers::readAllBody() {
    OperatorView& view = link_.view();
    link_.expectedReply = QStringLiteral("WR");
    view.setProgress(0);
    view.setProgressVisible(true);
    for (int n = 0; n < SettingsStore::kProducts; ++n) {
        view.setStatusText(QStringLiteral("銘柄 %1 読み込み中").arg(n));
        readProduct(n);
        // A port that is closed or gone stays so: one report is enough, not one per product.
        if (PortLost(link_)) return;
        if (link_.linkTimedOut) break;
        view.setProgress(n);
    }
    // Also after a time-out: the records read so far are shown.
    view.setStatusText(QStringLiteral("銘柄読み込み完了"));
    view.setProgress(0);
    view.setProgressVisible(false);
    view.redraw();
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

void ProductTransfers::writeAllProducts() {
    Trapped(link_.view(), ErrorHint::Port8018, [this] { writeAllBody(); });
}

void ProductTransfers::writeAllBody() {
    OperatorView& view = link_.view();
    // Every record is checked before the first is sent: one bad record sends nothing at all.
    for (int n = 0; n < SettingsStore::kProducts; ++n) {
        if (checkStoredProduct(n)) {
            view.showMessage(kInvalidStoredText);
            return;
        }
    }
    view.setProgress(0);
    view.setProgressVisible(true);
    for (int n = 0; n < SettingsStore::kProducts; ++n) {
        if (link_.linkTimedOut) return;
        view.setStatusText(QStringLiteral("銘柄 %1 送信中").arg(n));
        writeProduct(n);
        if (PortLost(link_)) return;
        view.setProgress(n);
    }
    // A time-out on the last record must not be reported as a completed send.
    if (link_.linkTimedOut) return;
    view.setStatusText(QStringLiteral("銘柄送信完了"));
    view.setProgress(0);
    view.setProgressVisible(false);
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
    Trapped(link_.view(), ErrorHint::Port8018, [this] { writeShownToAllBody(); });
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
    readAllProducts();
    settings.readAllSettings();
}

void ProductTransfers::allWrite(SettingTransfers& settings) {
    writeAllProducts();
    settings.writeAllSettings();
}

// ---- one product ----

void ProductTransfers::readProduct(int n) {
    Trapped(link_.view(), ErrorHint::Port8018, [this, n] {
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
    // product's record, so the number is held unknown until the answer is in.
    SettingsStore& store = link_.store();
    link_.sendLine(QStringLiteral("W00"));
    const qint16 before = store.currentProductNo;
    store.currentProductNo = kNoProductReported;
    struct Restore {
        SettingsStore& store;
        qint16 before;
        ~Restore() {
            if (store.currentProductNo == kNoProductReported) store.currentProductNo = before;
        }
    } restore{store, before};
    link_.awaitReply();
    if (!link_.linkTimedOut && store.currentProductNo == kNoProductReported)
        throw OperationError(ErrNo::kInvalidProcedureCall,
                             QStringLiteral("指示計の応答に銘柄番号がありません。"));
}

void ProductTransfers::writeProduct(int n) {
    Trapped(link_.view(), ErrorHint::Port8018, [this, n] {
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
