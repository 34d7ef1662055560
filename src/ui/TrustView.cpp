#include "ui/TrustView.h"

#include <QAction>
#include <QCoreApplication>
#include <QPointer>
#include <QScopeGuard>
#include <algorithm>

#include "app/Session.h"
#include "history/Compare.h"
#include "history/Verify.h"
#include "link/OperationTrap.h"
#include "platform/IniFile.h"
#include "storage/DataFile.h"
#include "texts/HistoryTexts.h"
#include "texts/TransferTexts.h"
#include "texts/WindowTexts.h"
#include "transfer/ChangedWrite.h"
#include "transfer/ProductTransfers.h"
#include "transfer/TransferTrap.h"
#include "ui/ChangedPreview.h"
#include "ui/DifferenceView.h"
#include "ui/HistoryView.h"
#include "ui/MainWindow.h"
#include "ui/widgets/FileDialogs.h"
#include "ui/widgets/ModalRun.h"

const QString TrustView::kOptionsSection = QStringLiteral("Options");

namespace {

const char* const kVerifyKey = "VerifyAfterWrite";
const char* const kKeepKey = "KeepBeforeWrite";

bool ReadOption(const QString& ini, const char* key) {
    return ReadProfileString(ini, TrustView::kOptionsSection, QString::fromLatin1(key),
                             QStringLiteral("0"))
               .trimmed() == QLatin1String("1");
}

// The places a write operation will reach, known before it starts: what it would overwrite.
WritePlaces PlacesOfWrite(Operation op, IndicatorModel model, int selected, int target) {
    WritePlaces places;
    switch (op) {
        case Operation::WriteOneProduct:
            if (selected >= 0) places.products.push_back(selected);
            break;
        case Operation::WriteShownToTarget:
            if (target >= 0) places.products.push_back(target);
            break;
        case Operation::WriteAllProducts:
        case Operation::WriteShownToAll:
            return AllPlaces(model, true, false);
        case Operation::AllWrite:
            return AllPlaces(model, true, true);
        case Operation::WriteAllSettings:
            return AllPlaces(model, false, true);
        default:
            break;
    }
    return places;
}

}  // namespace

TrustView::TrustView(MainWindow& window, Session& session, ProductTransfers& products,
                     const ProductPanel& panel, QString journalPath)
    : window_(window),
      session_(session),
      products_(products),
      panel_(panel),
      journal_(std::move(journalPath)) {
    // The journal never stops an operation: what goes wrong with it is a note or one message.
    journal_.statusNote = [this](const QString& note) { window_.setStatusText(note); };
    journal_.messageOnce = [this](const QString& text) { window_.showMessage(text); };
    session_.link().runs().setListener(this);
    verify_ = ReadOption(session_.iniPath(), kVerifyKey);
    keep_ = ReadOption(session_.iniPath(), kKeepKey);
    if (auto* a = window_.findChild<QAction*>(QStringLiteral("mnuF805_VERIFY")))
        a->setChecked(verify_);
    if (auto* a = window_.findChild<QAction*>(QStringLiteral("mnuF805_KEEP"))) a->setChecked(keep_);
    window_.addOperation({Operation::ShowHistory, {}, [this](int) { showHistory(); }});
    window_.addOperation({Operation::CompareWithFile, {}, [this](int) { compareWithFile(); }});
    window_.addOperation({Operation::SetVerifyAfterWrite, {}, [this](int index) {
                              setOption(verify_, kVerifyKey, index == 1);
                          }});
    window_.addOperation({Operation::SetKeepBeforeWrite, {}, [this](int index) {
                              setOption(keep_, kKeepKey, index == 1);
                          }});
}

TrustView::~TrustView() {
    session_.link().runs().setListener(nullptr);
}

void TrustView::transferRun(const TransferRun& run) {
    const qint64 id = journal_.record(run);
    // What went through is now the indicator's: the window's marks follow.
    session_.reference().took(run);
    window_.redraw();
    if (run.direction == TransferRun::Direction::Write) {
        lastWrite_ = run;
        lastWriteId_ = id;
    } else if (comparing_) {
        compareComplete_ = run.complete;
    } else {
        session_.source().took(DataOrigin::Indicator(run.device), run.values, window_.store());
    }
}

void TrustView::setOption(bool& option, const char* key, bool on) {
    option = on;
    WriteProfileString(session_.iniPath(), kOptionsSection, QString::fromLatin1(key),
                       on ? QStringLiteral("1") : QStringLiteral("0"));
}

Task<void> TrustView::aroundWrite(Operation op, std::function<Task<void>()> write) {
    IndicatorLink& link = session_.link();
    // A whole write whose data fail their checks sends nothing, not even the reads of what it
    // would overwrite.
    bool fit = true;
    if (op == Operation::WriteAllSettings)
        fit = co_await session_.transfers().checkSettingsToSend();
    else if (op == Operation::WriteAllProducts || op == Operation::AllWrite)
        fit = co_await products_.checkAllToSend(op == Operation::AllWrite ? &session_.transfers()
                                                                          : nullptr);
    if (!fit) co_return;
    qint64 beforeId = 0;
    if (keep_) {
        // What the write will overwrite goes into the journal first, so it can be undone.
        const WritePlaces places = PlacesOfWrite(op, link.store().model(), panel_.selectedProduct(),
                                                 panel_.targetProduct());
        std::optional<KeptBefore> kept;
        ReadCheck check;
        co_await TrappedTask(
            window_, ErrorHint::Port8018,
            [&]() -> Task<void> { kept = co_await KeepBefore(link, journal_, places, check); },
            [this] { StopShown(window_, ReadStoppedText(BeforeWriteValues())); });
        if (!check.complete() && !link.timedOut()) co_await window_.box(check.messageText());
        // A write whose old values could not be read or kept is not made.
        if (!kept || !kept->read) co_return;
        if (!kept->journalFailure.isEmpty()) {
            co_await window_.box(Tr(HistoryText::KeepBeforeFailed) + kept->journalFailure);
            co_return;
        }
        beforeId = kept->id;
    }
    lastWrite_.reset();
    lastWriteId_ = 0;
    co_await write();
    // The kept values are listed under the write that overwrote them.
    if (beforeId != 0 && lastWrite_) journal_.setOperation(beforeId, lastWrite_->operation);
    if (verify_ && lastWrite_ && lastWrite_->complete && !link.timedOut())
        co_await verifyLastWrite();
}

// Reads back what the write sent; the verdict goes to the status line and onto the write in the
// journal, and the values the indicator did not take are shown.
Task<void> TrustView::verifyLastWrite() {
    IndicatorLink& link = session_.link();
    const TransferRun written = *lastWrite_;
    std::optional<VerifyResult> result;
    co_await TrappedTask(
        window_, ErrorHint::Port8018,
        [&]() -> Task<void> {
            result = co_await VerifyAndNote(link, journal_, written, lastWriteId_);
        },
        [this] { StopShown(window_, ReadStoppedText(WrittenValues())); });
    if (!result) co_return;
    if (!result->timedOut && !result->unread.complete())
        co_await window_.box(result->unread.messageText());
    if (result->timedOut || result->refused.empty()) co_return;
    // What was sent against what the indicator holds, at the places it did not take.
    SettingsStore sent = window_.store();
    PutValues(sent, written.values);
    SettingsStore held = sent;
    std::vector<TransferValue> holds = result->refused;
    for (TransferValue& v : holds) v.value = StoredValue(result->readBack, v);
    PutValues(held, holds);
    // What the indicator kept at those places is its value again: the window marks them.
    session_.reference().took(written.model, holds);
    window_.redraw();
    co_await differencesShown(CompareStores(sent, held, sent.model(), CompareScope::Both),
                              PushSide::None, Tr(WindowText::VerifyAfterWritingValues),
                              Tr(WindowText::ValueWritten), Tr(WindowText::IndicatorValue));
}

void TrustView::dressDifferences(DifferenceView& view, PushSide push) {
    view.setMessagePresenter(&window_.messages());
    view.setTakeOther([this, &view](const std::vector<int>& chosen) {
        ApplyOtherValues(window_.store(), view.differences(), chosen);
        window_.redraw();
    });
    if (push == PushSide::None) return;
    // The view closes; the write runs as an exchange of its own once it has.
    view.setPushSelected([this, &view, push](const std::vector<int>& chosen) {
        notePush(view.differences(), chosen, push);
        view.accept();
    });
}

void TrustView::notePush(const std::vector<Difference>& differences, const std::vector<int>& rows,
                         PushSide side) {
    PendingPush pending{window_.store(), PlacesOfDifferences(differences, rows)};
    if (side == PushSide::Other) ApplyOtherValues(pending.values, differences, rows);
    push_ = std::move(pending);
}

void TrustView::showDifferences(std::vector<Difference> differences) {
    DifferenceView view(std::move(differences), &window_);
    dressDifferences(view, PushSide::Other);
    view.exec();
    if (push_) window_.dispatch(Operation::PushDifferences);
}

Task<void> TrustView::differencesShown(std::vector<Difference> differences, PushSide push,
                                       QString title, QString windowSide, QString otherSide) {
    // The window may go first and take its view with it.
    const QPointer<DifferenceView> view = new DifferenceView(std::move(differences), &window_);
    const auto drop = qScopeGuard([view] { delete view.data(); });
    if (!title.isEmpty()) view->setSides(title, windowSide, otherSide);
    dressDifferences(*view, push);
    co_await DialogClosed(*view, nullptr);
}

void TrustView::showHistory() {
    HistoryView view(
        journal_, window_.store(), [this] { window_.redraw(); }, &window_);
    view.setMessagePresenter(&window_.messages());
    view.setPush([this](const std::vector<Difference>& differences, const std::vector<int>& rows) {
        notePush(differences, rows, PushSide::Other);
    });
    // A snapshot put into the window is where its data came from.
    view.setLoaded([this](const JournalSnapshot& snapshot) {
        session_.source().took(DataOrigin::Journal(snapshot.entry.id), snapshot.values,
                               window_.store());
    });
    view.exec();
    if (push_) window_.dispatch(Operation::PushDifferences);
}

void TrustView::compareWithFile() {
    const QString path = AskOpenDataFile(&window_, QString());
    if (path.isEmpty()) return;
    // Start from the window's data: what the file lacks counts as the same.
    SettingsStore other = window_.store();
    const DataFileLoad load = LoadDataFile(other, path, loadmode::kAll);
    for (const QString& message : load.messages) window_.showMessage(message);
    if (!load.storeChanged) return;
    showDifferences(
        CompareStores(window_.store(), other, window_.store().model(), CompareScope::Both));
}

Task<bool> TrustView::readIndicatorAside(SettingsStore& other) {
    // The whole indicator, read as all-read reads it, into a scratch store: the window's data
    // stay as they are. The journal keeps the read as a comparison.
    other.setModel(window_.store().model());
    IndicatorLink& link = session_.link();
    compareComplete_.reset();
    comparing_ = true;
    ReadCheck check;
    {
        const auto comparing = qScopeGuard([this] { comparing_ = false; });
        const auto route = link.routeInto(other);
        const auto checked = link.checkReads(check);
        const RunLog::Handle run =
            link.beginRun(TransferRun::Direction::Read, kCompareReadOperation);
        co_await products_.allRead(session_.transfers());
    }
    if (link.timedOut()) co_return false;
    // Values that did not come whole would show as differences: they are named instead.
    if (!check.complete()) {
        co_await window_.box(check.messageText());
        co_return false;
    }
    // Only a whole read counts: every value a broken read did not reach would show as a
    // difference. The error has been told.
    co_return compareComplete_.value_or(false);
}

Task<void> TrustView::compareWithIndicator() {
    SettingsStore other;
    const bool whole = co_await readIndicatorAside(other);
    if (!whole) co_return;
    push_.reset();
    co_await differencesShown(
        CompareStores(window_.store(), other, window_.store().model(), CompareScope::Both),
        PushSide::Window);
    // The push runs in this same exchange: nothing else may come between.
    if (push_) co_await aroundWrite(Operation::PushDifferences, [this] { return pushPending(); });
}

Task<void> TrustView::pushPending() {
    if (!push_) co_return;
    const PendingPush push = std::move(*push_);
    push_.reset();
    const IndicatorModel model = window_.store().model();
    if (push.values.model() != model) co_return;  // the model was switched in between
    IndicatorValues& reference = session_.reference();
    const bool known = std::all_of(push.places.begin(), push.places.end(), [&](const auto& place) {
        return reference.value(model, place.second, place.first).has_value();
    });
    if (!known) {
        SettingsStore aside;
        const bool whole = co_await readIndicatorAside(aside);
        if (!whole) co_return;
    }
    std::vector<ChangedValue> changes = ChangedValues(push.values, reference);
    std::erase_if(changes, [&push](const ChangedValue& c) {
        return std::find(push.places.begin(), push.places.end(), std::pair(c.product, c.code)) ==
               push.places.end();
    });
    co_await writeAfterPreview(std::move(changes));
}

Task<void> TrustView::writeAfterPreview(std::vector<ChangedValue> changes) {
    if (changes.empty()) {
        window_.setStatusText(Tr(TransferText::NoChanges));
        co_return;
    }
    ChangedPreview preview(changes, window_.store(), &window_);
    const int answer = co_await DialogClosed(preview, &window_);
    if (answer != QDialog::Accepted) co_return;
    co_await WriteChanged(session_.link(), std::move(changes));
}
