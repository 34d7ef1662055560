// rusk-cli live: the weight and the decoded status words, one line per sample, until Ctrl+C.
#include <QDateTime>

#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/ExitCodes.h"
#include "link/OperationTrap.h"
#include "model/Catalogue.h"
#include "model/DisplayFormat.h"
#include "model/StatusDecoding.h"
#include "monitor/Weights.h"
#include "platform/OperationError.h"
#include "texts/CliTexts.h"

namespace {

// The status boxes in a few words: the captions of the boxes that are ON, and caption:text of
// those that show something else than ON or OFF.
QString StatusText(const SettingsStore& store) {
    QStringList parts;
    for (int word = 1; word <= status::kWords; ++word) {
        const QString text = store.live(status::LiveIndexOfWord(word));
        const auto boxes = status::DecodeWord(word, text, store.model());
        for (int box = 0; box < status::kBoxesPerWord; ++box) {
            if (!boxes[box] || boxes[box]->isEmpty() || *boxes[box] == QLatin1String("OFF"))
                continue;
            const QString caption = status::BoxCaption(word, box);
            parts << (*boxes[box] == QLatin1String("ON") ? caption : caption + u':' + *boxes[box]);
        }
    }
    return parts.join(u' ');
}

// One sample: the gross weight and the four status words. False after a time-out.
Task<bool> Sample(IndicatorLink& link) {
    for (const char* request : {"RA", "RD", "RE", "RF", "RG"}) {
        const QString name = QString::fromLatin1(request);
        link.sendLine(name);
        const WaitOutcome got =
            co_await link.reply(ReplyFor::LiveData(SettingsStore::LiveKindIndex(name)));
        if (got == WaitOutcome::TimedOut) co_return false;
    }
    co_return true;
}

}  // namespace

int LiveCommand(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    CommandLine line("live");
    QCommandLineParser& p = line.parser();
    const QCommandLineOption interval("interval", "Time between samples (default 500).", "ms");
    p.addOption(interval);
    DeviceOptions o;
    if (auto done = line.parse(arguments, out, err, &o)) return *done;
    int intervalMs = 500;
    if (p.isSet(interval)) {
        bool ok = false;
        intervalMs = p.value(interval).toInt(&ok);
        if (!ok || intervalMs < 0 || intervalMs > 3600000)
            return Usage(err, Tr(CliText::BadInterval) + p.value(interval));
    }

    interruption::Install();
    DeviceSession s(o, err);
    if (!s.open()) return exitcode::kPort;
    // The live loop is not a transfer: the samples are not journalled, and there is no record to
    // finish, so a stop ends the wait in progress at once.
    s.link.runs().setListener(nullptr);
    QObject stopWatch;
    interruption::WhenAsked(&stopWatch, [&s] { s.link.abandonWait(); });
    auto operation = s.link.beginOperation();
    bool outputClosed = false;
    const auto live = [&]() -> Task<void> {
        const QString decimals = DecimalPointSource(o.model).code;
        s.link.sendLine(QStringLiteral("W") + decimals);
        (void)co_await s.link.reply(ReplyKind::Setting);
        s.link.clearTimeout();
        const int places = display::DecimalPlaces(s.store);
        while (!interruption::Asked()) {
            const QString time =
                QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss.zzz"));
            const bool answered = co_await Sample(s.link);
            if (interruption::Asked()) break;
            if (answered) {
                const QString data = s.store.live(0);
                const std::optional<monitor::Weight> w = monitor::ParseWeight(data, places);
                const QString weight = w ? monitor::ShowWeight(w->value, w->places) : data;
                out << time << "  " << weight.rightJustified(8) << "  " << StatusText(s.store)
                    << Qt::endl;
            } else {
                out << time << Tr(CliText::LiveNoAnswer) << Qt::endl;
                s.link.clearTimeout();
            }
            // A reader that went away (`| head`) ends the loop; with a TCP port open, SIGPIPE is
            // ignored and only the failed write tells.
            if (out.status() != QTextStream::Ok) {
                outputClosed = true;
                co_return;
            }
            co_await interruption::Pause(intervalMs);
        }
    };
    const bool ran = RunToEnd(TrappedTask(s.view, ErrorHint::Port8018, live));
    if (outputClosed) return exitcode::kOutputClosed;
    if (interruption::Asked()) return exitcode::kInterrupted;
    return ran ? exitcode::kOk : exitcode::kPort;
}
