#include "platform/OperationError.h"

QString ErrorReportText(const OperationError& error, ErrorHint hint) {
    QString text = QStringLiteral("エラーが発生しました。\r\n%1ErrNo.=%2")
                       .arg(error.description)
                       .arg(error.number);
    switch (hint) {
        case ErrorHint::None:
            break;
        case ErrorHint::Port8018:
            text += QStringLiteral(
                "\r\n\r\nエラー番号が 8018 の場合、ポート番号を変更してみて下さい。");
            break;
        case ErrorHint::Port8002:
            text += QStringLiteral(
                "\r\n\r\nエラー番号が 8002 の場合、ポート番号を変更してみて下さい。");
            break;
        case ErrorHint::StartUp:
            text += QStringLiteral(
                "\r\n\r\nエラー番号が 8005,8002 または 8015 "
                "の場合、ポート番号を変更してみて下さい。");
            break;
    }
    return text;
}
