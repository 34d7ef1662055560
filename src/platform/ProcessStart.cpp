#include "platform/ProcessStart.h"

#include <QProcess>
#include <QStandardPaths>

QStringList CalculatorCandidates() {
#ifdef Q_OS_WIN
    return {QStringLiteral("calc.exe")};
#else
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
            QStringLiteral("galculator"), QStringLiteral("mate-calc"), QStringLiteral("xcalc")};
#endif
}

bool StartCalculator() {
    for (const QString& name : CalculatorCandidates()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty() && QProcess::startDetached(path, {})) return true;
    }
    return false;
}
