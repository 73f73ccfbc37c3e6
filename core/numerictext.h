// Numbers as decimal-comma texts: the only ways a number becomes a text and a
// typed text becomes a checked number. The decimal separator is ',' whatever
// the process locale; there is no digit grouping.
#pragma once

#include <QString>
#include <optional>

namespace optolune {

// Reads a decimal-comma number: optional leading spaces, an optional sign,
// digits with at most one ',' (a lone ',' reads as 0), an optional exponent,
// optional trailing spaces. A '.', a tab, a grouping character or a value
// beyond the 80-bit range does not read.
std::optional<long double> ReadNumber(QStringView text);

// As ReadNumber, but a text that does not read throws ConversionError.
long double ToNumber(QStringView text);

// A typed number with every '.' turned into the decimal comma: a point typed
// out of habit (or read from a file written elsewhere) reads as the comma it
// stands for. Every field, option and file cell holding a typed number goes
// through it before ReadNumber.
QString DecimalCommaText(QString typed);

// Fixed-point text with exactly `decimals` digits after the comma (none and no
// comma for 0, at most 18), keeping at most `precision` significant digits.
// Halves round away from zero. An integer part longer than `precision` gives
// the scientific form (123456789 at precision 8: 1,2345679E8).
QString FixedText(long double value, int precision, int decimals);
// FixedText written into out, which has room for kFixedTextMaxLength
// characters; returns how many were written. The table composes each cell's
// lines in one buffer this way, without a QString per number.
inline constexpr int kFixedTextMaxLength = 64;
int WriteFixedText(QChar *out, long double value, int precision, int decimals);

// The text re-formatted with `decimals` digits, or without decimals when its
// value is whole. Throws ConversionError when the text does not read.
QString TrimWholeText(QStringView text, int decimals);

// The range shown in messages: "10,0-1200,0" for 10..1200 at one decimal,
// with decimal points in English ("10.0-1200.0").
QString RangeText(long double minimum, long double maximum, int decimals);

// The general form of a value: 15 significant digits, no trailing zeros, no
// comma when nothing follows (4 for 4,0; 900 for 9E2). Scientific form
// ("1,5E-5", "1E20") only below 0,0001 or beyond 15 integer digits.
QString GeneralText(long double value);

// A field holding a decimal-comma number that must lie in [minimum, maximum],
// tested on the value rounded to the field's decimals. Check and Fit show
// nothing: they return their code with the warning the window shows.
namespace NumericField {

struct Report {
    int code = 0;
    std::optional<QString> warning; // the text of a warning box; none when accepted as typed
};

// 0 accepted, 1 empty, 2 not a number, 3 out of range. A warning for 1 to 3;
// never changes the text.
[[nodiscard]] Report Check(const QString &text, int precision, int decimals, const QString &label,
                           long double minimum, long double maximum);

// Always leaves a valid number in text. 0 accepted or clamped to a bound,
// 1 empty (replaced by the minimum), 2 not a number (replaced by the minimum
// when fallbackToMinimum, else the maximum). A warning for every repair,
// clamping included.
[[nodiscard]] Report Fit(QString &text, int precision, int decimals, long double minimum,
                         long double maximum, bool fallbackToMinimum);

// As Fit without any message; 3 below the minimum, 4 above the maximum.
int FitQuiet(QString &text, int precision, int decimals, long double minimum,
             long double maximum, bool fallbackToMinimum);

} // namespace NumericField

} // namespace optolune
