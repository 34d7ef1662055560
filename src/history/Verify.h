#pragma once

#include <QString>
#include <vector>

#include "link/IndicatorLink.h"
#include "link/TransferRun.h"
#include "transfer/ChangedWrite.h"

// Reading back what a write sent, to see what the indicator took. An indicator ignores a value
// it does not accept (out of range, wrong digits) without a word: only a read-back shows it.
struct VerifyResult {
    bool timedOut = false;   // the read-back stopped at a time-out: nothing is confirmed
    SettingsStore readBack;  // what the indicator answered, for the difference view
    std::vector<TransferValue> refused;  // the values sent that the indicator does not hold
    ReadCheck unread;  // the places whose read-back did not come whole: neither held nor refused
};

// The places a write reaches: its products and its setting codes.
struct WritePlaces {
    std::vector<int> products;
    std::vector<QString> codes;
};
WritePlaces PlacesOf(const TransferRun& written);
// Every product and/or every setting code of the model: what a whole write reaches.
WritePlaces AllPlaces(IndicatorModel model, bool products, bool settings);
// The places a write of only the changed values reaches.
WritePlaces PlacesOf(const std::vector<ChangedValue>& changes);

// Reads the places from the indicator into `into` (routed there; the window's data stay as
// they are), bounded as a whole and each value checked into the open read check, with the
// progress bar and the status "<what> 読み込み中", as a read shows them; it ends with "<what>
// 読み込み完了", or "<what> 読み込み中断" after a time-out. Failures of the port throw (the
// caller's stop step says "<what> 読み込み中断", see ReadStoppedText).
Task<WaitOutcome> ReadPlaces(IndicatorLink& link, WritePlaces places, SettingsStore& into,
                             QString what);
QString ReadStoppedText(const QString& what);

// What the places are called while they are read before a write, and while a write is read
// back.
QString BeforeWriteValues();
QString WrittenValues();

// What the indicator holds at the places, as a read run: taken before a write, so that the write
// can be undone from the journal (noted Journal::kBeforeWrite, under the write's operation
// name). Empty values and incomplete when the read timed out; incomplete when a value did not
// come whole (named in the open read check).
Task<TransferRun> SnapshotBefore(IndicatorLink& link, WritePlaces places, QString operation);

// Reads back every product and setting code the run sent, into a scratch store (the window's
// data stay as they are), and lists each value that differs from what was sent. Failures of the
// port throw, as in any transfer.
Task<VerifyResult> VerifyWritten(IndicatorLink& link, TransferRun written);

class Journal;

// What a write will overwrite, read and kept in the journal before it is made.
struct KeptBefore {
    bool read = false;       // every value came whole (the check names those that did not)
    qint64 id = 0;           // the snapshot kept (noted Journal::kBeforeWrite); 0: none to keep
    QString journalFailure;  // read, but the journal could not keep it: why
    // The write may be made.
    bool ok() const { return read && journalFailure.isEmpty(); }
};
// Reads the places into a scratch store (SnapshotBefore, each value checked into `check`) and
// keeps them in the journal. The write is made only when ok(); once it ran, the snapshot is
// listed under it with Journal::setOperation. Failures of the port throw, as in any read.
Task<KeptBefore> KeepBefore(IndicatorLink& link, Journal& journal, WritePlaces places,
                            ReadCheck& check);

// The read-back after a write, as the window and the command line make it: VerifyWritten, the
// verdict on the status line and kept with the write in the journal (at `writeId`; 0: the
// write was not kept). Failures of the port throw before anything is noted.
Task<VerifyResult> VerifyAndNote(IndicatorLink& link, Journal& journal, TransferRun written,
                                 qint64 writeId);

// The verdict of a verify, as the journal keeps it with the write: a RunNote of kind
// verify_ok, verify_refused (the count), verify_unread (the count) or verify_timed_out.
QString VerifyNote(const VerifyResult& result);
// The status line after a verify, the verdict's words: "照合 OK", "照合：n 件が一致しません", or
// that a time-out or values that did not come whole left it unconfirmed.
QString VerifyStatusText(const VerifyResult& result);
// Whether a journal note is such a verdict.
bool IsVerifyVerdict(const QString& note);
