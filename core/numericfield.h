// The checks and repairs of a typed numeric field: whether its text is a
// decimal-comma number within the field's range, and the valid text that
// replaces it when it is not.
#pragma once

#include <QString>

namespace optolune {

// A field holding a decimal-comma number that must lie in [minimum, maximum],
// tested on the value rounded to the field's decimals.
namespace NumericField {

// 0 accepted, 1 empty, 2 not a number, 3 out of range. Shows a warning for
// 1 to 3 and never changes the text.
int Check(const QString &text, int precision, int decimals, const QString &label,
          long double minimum, long double maximum);

// Always leaves a valid number in text. 0 accepted or clamped to a bound,
// 1 empty (replaced by the minimum), 2 not a number (replaced by the minimum
// when fallbackToMinimum, else the maximum). Shows a warning for every repair.
int Fit(QString &text, int precision, int decimals, long double minimum, long double maximum,
        bool fallbackToMinimum);

// As Fit without any message; 3 below the minimum, 4 above the maximum.
int FitQuiet(QString &text, int precision, int decimals, long double minimum,
             long double maximum, bool fallbackToMinimum);

} // namespace NumericField

} // namespace optolune
