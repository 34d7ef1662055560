#pragma once

#include <QString>
#include <exception>
#include <utility>

// A failure that ends (or skips a step of) an operator operation. The number is the one the
// messages quote: 8002 the port number names no usable device, 8005 the port is already open,
// 8015 the port refused the settings, 8018 an operation needs an open port.
struct OperationError : std::exception {
    OperationError(int n, QString text) : number(n), description(std::move(text)) {}
    const char* what() const noexcept override { return "operation error"; }

    int number;
    QString description;
};

namespace ErrNo {
constexpr int kInvalidProcedureCall = 5;  // a request or reply the link cannot handle
constexpr int kSubscriptOutOfRange = 9;   // a product number outside 0 … 99
constexpr int kInvalidPort = 8002;
constexpr int kPortAlreadyOpen = 8005;
constexpr int kInvalidSettings = 8015;
constexpr int kPortNotOpen = 8018;
}  // namespace ErrNo

// Which hint follows the error text.
enum class ErrorHint { None, Port8018, Port8002, StartUp };

// "エラーが発生しました。", a line break, the description, "ErrNo.=" and the number, then the hint.
QString ErrorReportText(const OperationError& error, ErrorHint hint);

// One step of a sequence that goes on after a failed step (start-up, the model switch, the link
// test, applying port settings): a failure is handed to `failed`, which reports it, and the
// caller carries on. Returns false when the step failed. Operations that end at their first
// failure use the operation trap (`Trapped`) instead; nothing else catches OperationError.
template <typename Step, typename Failed>
bool TrapStep(Step&& step, Failed&& failed) {
    try {
        std::forward<Step>(step)();
        return true;
    } catch (const OperationError& error) {
        std::forward<Failed>(failed)(error);
        return false;
    }
}
