#include "platform/OperationError.h"

#include "texts/PlatformTexts.h"

QString ErrorReportText(const OperationError& error, ErrorHint hint) {
    // One pass over both: a description holding "%1" (a value from the INI) stays as it is.
    QString text =
        Tr(PlatformText::ErrorReport).arg(error.description, QString::number(error.number));
    switch (hint) {
        case ErrorHint::None:
            break;
        case ErrorHint::Port8018:
            text += Tr(PlatformText::Hint8018);
            break;
        case ErrorHint::Port8002:
            text += Tr(PlatformText::Hint8002);
            break;
        case ErrorHint::StartUp:
            text += Tr(PlatformText::HintStartUp);
            break;
    }
    return text;
}
