#pragma once

#include <QString>
#include <QStringList>

// Starting another program and returning at once.

// The calculators looked for, in order: calc.exe on Windows, otherwise the usual Linux ones.
QStringList CalculatorCandidates();

// Starts the first calculator found on the search path, detached; false when none started
// (the window then says so).
bool StartCalculator();
