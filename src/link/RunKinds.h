#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringList>

#include "link/TransferRun.h"

// What a transfer run was and what was noted with it, as the journal keeps them: ASCII kinds,
// never the operator's words, so that a journal outlives a change of those. The one table of
// each kind's words is in RunKinds.cpp; everything shown of a kept run goes through it.
namespace runkind {

// Operations (TransferRun::operation).
inline constexpr QLatin1StringView kReadOneProduct{"read_one_product"};
inline constexpr QLatin1StringView kReadAllProducts{"read_all_products"};
inline constexpr QLatin1StringView kWriteOneProduct{"write_one_product"};
inline constexpr QLatin1StringView kWriteAllProducts{"write_all_products"};
inline constexpr QLatin1StringView kWriteShownProduct{"write_shown_product"};
inline constexpr QLatin1StringView kWriteShownToAll{"write_shown_to_all"};
inline constexpr QLatin1StringView kAllRead{"all_read"};
inline constexpr QLatin1StringView kAllWrite{"all_write"};
inline constexpr QLatin1StringView kReadAllSettings{"read_all_settings"};
inline constexpr QLatin1StringView kWriteAllSettings{"write_all_settings"};
inline constexpr QLatin1StringView kCompareRead{"compare_read"};
inline constexpr QLatin1StringView kCalibrationTest{"calibration_test"};  // its record beside
inline constexpr QLatin1StringView kWriteChanged{"write_changed"};

// Notes. A note is one or more parts, each a kind with its arguments (RunNote). A snapshot
// taken before a write has kBeforeWrite as its note, and as its operation until the write ran.
inline constexpr QLatin1StringView kBeforeWrite{"before_write"};
inline constexpr QLatin1StringView kVerifyOk{"verify_ok"};
inline constexpr QLatin1StringView kVerifyRefused{"verify_refused"};  // count
inline constexpr QLatin1StringView kVerifyUnread{"verify_unread"};    // count
inline constexpr QLatin1StringView kVerifyTimedOut{"verify_timed_out"};
inline constexpr QLatin1StringView kProductRestored{"product_restored"};      // product number
inline constexpr QLatin1StringView kStopped{"stopped"};                       // asked (Ctrl+C)
inline constexpr QLatin1StringView kStoppedAtSetting{"stopped_at_setting"};   // code, value
inline constexpr QLatin1StringView kStoppedAtProduct{"stopped_at_product"};   // product, code, …
inline constexpr QLatin1StringView kCalibrationResult{"calibration_result"};  // found, left

}  // namespace runkind

// The operator's words for an operation kind; anything else (an older journal's words no kind
// has) as it is.
QString RunKindText(const QString& kind);

// A note of one part, as the journal keeps it: "product_restored 5". Arguments may hold any
// text; they are kept percent-encoded.
QString RunNote(QLatin1StringView kind, const QStringList& arguments = {});
// Both notes, `first` first; either may be empty.
QString JoinedNotes(const QString& first, const QString& second);
// Whether the note has a part of the kind.
bool NoteHas(const QString& note, QLatin1StringView kind);
// The note of a run the operator stopped (Ctrl+C), naming its last value when it has one.
QString StoppedNote(const TransferRun& run);
// The operator's words for a note: its parts' words joined by "、"; an empty argument shows as
// "（なし）". A note not made of known parts (an older journal's words) as it is.
QString NoteText(const QString& note);

// The journal of schema 1 kept the operator's words. The kind of an operation's words, or the
// note that NoteText shows as `words`; words no kind gives are returned as they are.
QString RunKindOfText(const QString& words);
QString NoteOfText(const QString& words);
