#pragma once

#include <QString>
#include <exception>

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
