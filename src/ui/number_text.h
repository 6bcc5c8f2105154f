// Numbers as the user reads them: the locale's general format, shortest form
// without trailing zeros (1.33, 1.5, 2), with the locale's decimal separator.
#pragma once

#include <QString>

namespace ui {

// A single-precision value shows at most 7 significant digits, so 1.33f reads
// "1.33" and not the digits of its binary expansion.
QString numberText(float value);
// A fixed number of decimals, with the locale's separator: the index of the
// upper medium reads "1.00", and "1,00" in German.
QString decimalText(double value, int decimals);

}  // namespace ui
