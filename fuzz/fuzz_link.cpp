// The indicator link under replies taken from the fuzzer's bytes: a fake port answers each
// request with the next reply of the input, part of it at once and the rest while the link
// waits, and may vanish part-way. One input runs one of: read all settings, read products,
// live-data reads, write all settings (of a store filled by a read of the same replies first).
//
// Properties: a read sends only read requests (and product selections); no request carries a
// CR or LF inside; every wait ends, within a bound of the characters it was given; nothing
// escapes an operation's trap; a read stores only values the indicator sent (by the code each
// reply names), never one with a control character; live reads and writes store no setting or
// product value, and a write sends each value as stored.

#include <fuzzer/FuzzedDataProvider.h>

#include <QRegularExpression>

#include "FuzzSupport.h"
#include "link/LiveCommands.h"
#include "support/DrivenLink.h"
#include "support/FakeSerialPort.h"
#include "support/ManualTime.h"
#include "support/RecordingView.h"
#include "transfer/ProductTransfers.h"
#include "transfer/SettingTransfers.h"

namespace {

// The port the link talks to: records each write as it came, answers from the input.
class ReplayPort : public FakeSerialPort {
  public:
    explicit ReplayPort(FuzzedDataProvider& input) : input_(input) {
        responder = [this](const QString&) { return nextReply(); };
    }
    void write(const QByteArray& data) override {
        FUZZ_CHECK(data.endsWith('\r'), "a request ends in CR");
        const QByteArray body = data.chopped(1);
        FUZZ_CHECK(!body.contains('\r') && !body.contains('\n'), "no CR or LF inside a request");
        passesSinceWrite = 0;
        givenSinceWrite = unread().size();  // what earlier replies left unread counts too
        if (pullOutAt >= 0 && writes++ == pullOutAt) pullOut();
        FakeSerialPort::write(data);
    }
    // Called when the link waits with nothing to read: the held-back rest of a reply.
    bool deliverLate() {
        if (late_.isEmpty()) return false;
        give(std::exchange(late_, {}));
        return true;
    }
    void give(const QByteArray& bytes) {
        givenSinceWrite += bytes.size();
        given += bytes;
        queue(bytes);
    }

    int pullOutAt = -1;
    int writes = 0;
    qsizetype passesSinceWrite = 0;
    qsizetype givenSinceWrite = 0;
    QByteArray given;  // everything the indicator sent

  private:
    QByteArray nextReply() {
        if (input_.remaining_bytes() == 0) return {};  // the indicator fell silent
        const size_t atOnce = input_.ConsumeIntegral<uint8_t>();
        const std::string reply = input_.ConsumeRandomLengthString(600);
        const QByteArray bytes(reply.data(), qsizetype(reply.size()));
        late_ = bytes.mid(qsizetype(std::min(atOnce, reply.size())));
        givenSinceWrite += bytes.size() - late_.size();
        given += bytes.left(bytes.size() - late_.size());
        return bytes.left(qsizetype(std::min(atOnce, reply.size())));
    }

    FuzzedDataProvider& input_;
    QByteArray late_;
};

// Time passes only when the link has nothing to read; each wait is bounded by what it was
// given: one pass per character at most, and a few periods of silence.
// (A task waits only when it has nothing to read.)
struct ReplayPass {
    ManualTimer& timer;
    ReplayPort& port;
    bool operator()() const {
        ++port.passesSinceWrite;
        FUZZ_CHECK(port.passesSinceWrite <= port.givenSinceWrite + 64, "every wait ends");
        if (!port.deliverLate()) timer.fire();
        return true;
    }
};

struct Panel : ProductPanel {
    QString selectorText() const override { return QString::number(selected); }
    int selectedProduct() const override { return selected; }
    void selectProduct(int n) override { selected = n; }
    int targetProduct() const override { return 0; }
    QString shownValue(int) const override { return QStringLiteral("00000"); }
    int selected = 0;
};

bool HasControl(const QString& text) {
    for (QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) return true;
    return false;
}

enum class Op { ReadSettings, ReadOneProduct, ReadAllProducts, LiveReads, WriteSettings, Count };

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    StartApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const Op op = static_cast<Op>(input.ConsumeIntegralInRange<int>(0, int(Op::Count) - 1));
    const bool f800 = input.ConsumeBool();
    const int pullOutAt = input.ConsumeBool() ? input.ConsumeIntegralInRange<int>(0, 40) : -1;

    SettingsStore store;
    store.setModel(f800 ? IndicatorModel::F800 : IndicatorModel::F805);
    RecordingView view;
    auto* timer = new ManualTimer;
    ReplayPort port(input);
    IndicatorLink link(store, view, std::unique_ptr<SupervisionTimer>(timer));
    const ReplayPass pass{*timer, port};
    const auto run = [&](auto task) { return DriveToEnd(link, std::move(task), pass); };
    link.setActivePort(&port);
    SettingTransfers settings(link);
    Panel panel;
    ProductTransfers products(link, panel);

    try {
        if (op == Op::WriteSettings) {
            // The store to write comes from the same kind of replies.
            auto guard = link.beginOperation();
            (void)run(settings.readAllSettings());
        }
        port.pullOutAt = pullOutAt < 0 ? -1 : port.writes + pullOutAt;
        port.requests.clear();
        const StorePicture before = PictureOf(store);
        auto guard = link.beginOperation();
        switch (op) {
            case Op::ReadSettings:
                (void)run(settings.readAllSettings());
                break;
            case Op::ReadOneProduct:
                panel.selected = input.ConsumeIntegralInRange<int>(0, 99);
                run(products.readOneProduct());
                break;
            case Op::ReadAllProducts:
                (void)run(products.readAllProducts());
                break;
            case Op::LiveReads:
                for (int n = input.ConsumeIntegralInRange<int>(1, 8); n > 0; --n) {
                    LiveCommands live(link, {});
                    run(live.press(input.ConsumeIntegralInRange<int>(0, 10)));
                }
                break;
            case Op::WriteSettings:
            case Op::Count:
                run(settings.writeAllSettings());
                break;
        }
        const StorePicture after = PictureOf(store);

        static const QRegularExpression read(QStringLiteral("^(W[0-9A-F]{2}|W00[0-9]{5}|R[A-K])$"));
        static const QRegularExpression live(QStringLiteral("^R[A-K]$"));
        for (const QString& request : port.requests) {
            if (op == Op::WriteSettings) {
                if (request == "RA" || request == "W00" || request == "W0000000") continue;
                FUZZ_CHECK(request.size() > 3 && store.value(request.mid(1, 2)) == request.mid(3),
                           "a write sends each value as stored");
            } else {
                FUZZ_CHECK(read.match(request).hasMatch(), "a read sends only read requests");
                if (op == Op::LiveReads)
                    FUZZ_CHECK(live.match(request).hasMatch(), "a live read sends RA … RK only");
            }
        }
        if (op == Op::LiveReads || op == Op::WriteSettings) {
            FUZZ_CHECK(after.settings == before.settings && after.products == before.products,
                       "live reads and writes store no setting or product value");
        } else {
            FUZZ_CHECK(after.live == before.live, "settings and product reads leave live data");
            // A reply is stored by the code it names, whatever was asked: each value that
            // changed came in some reply.
            const QStringList was = before.settings + before.products;
            const QStringList now = after.settings + after.products;
            for (qsizetype i = 0; i < now.size(); ++i)
                FUZZ_CHECK(now[i] == was[i] || port.given.contains(now[i].toLatin1()),
                           "a read stores only values the indicator sent");
        }
        for (const QString& value : after.settings + after.products)
            FUZZ_CHECK(!HasControl(value), "no stored value holds a control character");
    } catch (...) {
        FUZZ_CHECK(false, "nothing escapes an operation's trap");
    }
    return 0;
}
