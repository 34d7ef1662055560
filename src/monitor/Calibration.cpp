#include "monitor/Calibration.h"

#include <cmath>

#include "model/SettingsStore.h"
#include "monitor/Weights.h"
#include "texts/MonitorTexts.h"

namespace calibration {
namespace {

// Sends a live-data request and awaits its answer; none when the indicator stays silent.
Task<std::optional<QString>> Ask(IndicatorLink& link, QString request) {
    link.sendLine(request);
    const int kind = SettingsStore::LiveKindIndex(request);
    const WaitOutcome outcome =
        co_await link.reply(kind >= 0 ? ReplyFor::LiveData(kind) : ReplyFor(ReplyKind::Live));
    if (outcome == WaitOutcome::TimedOut || !link.lastReply().startsWith(request))
        co_return std::nullopt;
    co_return link.lastReply().mid(request.size());
}

// Status 1's third character: 重量値安定.
Task<std::optional<bool>> Stable(IndicatorLink& link) {
    const std::optional<QString> status = co_await Ask(link, QStringLiteral("RD"));
    if (!status) co_return std::nullopt;
    co_return status->size() > 2 && status->at(2) == u'1';
}

}  // namespace

Task<Reading> ReadStable(IndicatorLink& link, Clock& clock, int places, Timing timing) {
    Reading r;
    const qint64 until = clock.nowMs() + timing.stableWithinMs;
    for (;;) {
        const std::optional<bool> stable = co_await Stable(link);
        if (!stable) co_return r;  // NoAnswer
        if (*stable) break;
        if (clock.nowMs() >= until) {
            r.outcome = Outcome::NotStable;
            co_return r;
        }
        co_await Pause(clock, timing.lookEveryMs);
    }
    const std::optional<QString> gross = co_await Ask(link, QStringLiteral("RA"));
    if (!gross) co_return r;
    r.reply = gross->trimmed();
    const std::optional<monitor::Weight> weight = monitor::ParseWeight(*gross, places);
    if (!weight) {
        r.outcome = Outcome::NotAWeight;
        co_return r;
    }
    const std::optional<bool> still = co_await Stable(link);
    if (!still) co_return r;
    if (!*still) {
        r.outcome = Outcome::NotStable;
        co_return r;
    }
    r.counts = std::llround(weight->value * std::pow(10.0, weight->places));
    r.outcome = Outcome::Done;
    co_return r;
}

Task<Outcome> Calibrate(IndicatorLink& link, Clock& clock, Adjustment which, Timing timing) {
    const QString command = which == Adjustment::Zero ? QStringLiteral("CA") : QStringLiteral("CB");
    link.sendLine(command);
    const WaitOutcome answered = co_await link.reply(ReplyFor(ReplyKind::Live));
    if (answered == WaitOutcome::TimedOut) co_return Outcome::NoAnswer;
    const qint64 until = clock.nowMs() + timing.calibrationWithinMs;
    for (;;) {
        co_await Pause(clock, timing.lookEveryMs);
        const std::optional<QString> status = co_await Ask(link, QStringLiteral("RG"));
        if (!status) co_return Outcome::NoAnswer;
        // Status 4: the third character is the mode (2 zero, 3 span calibration under way),
        // the fifth the calibration error number.
        const QChar mode = status->size() > 2 ? status->at(2) : QChar();
        if (mode != u'2' && mode != u'3') {
            const QChar error = status->size() > 4 ? status->at(4) : QChar(u'0');
            co_return error == u'0' ? Outcome::Done : Outcome::CalibrationError;
        }
        if (clock.nowMs() >= until) co_return Outcome::TimedOut;
    }
}

QString OutcomeText(Outcome outcome, const Reading& reading, Timing timing) {
    switch (outcome) {
        case Outcome::Done:
            return {};
        case Outcome::NoAnswer:
            return Tr(MonitorText::NoReply);
        case Outcome::NotStable:
            return Tr(MonitorText::NotStable);
        case Outcome::NotAWeight:
            return Tr(MonitorText::NotAWeight).arg(reading.reply);
        case Outcome::CalibrationError:
            return Tr(MonitorText::CalibrationFailed);
        case Outcome::TimedOut:
            return Tr(MonitorText::CalibrationTimedOut)
                .arg(QString::number(timing.calibrationWithinMs / 1000));
    }
    return {};
}

}  // namespace calibration
