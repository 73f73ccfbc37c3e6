// The numeric field's check and repairs (NumericField, declared with the
// numeric text it writes and reads): a typed number against a closed range,
// reported or repaired.
#include "numerictext.h"

#include <QCoreApplication>

#include <cmath>

namespace optolune {

namespace NumericField {

namespace {

// Whether a value read from a field lies outside the range once rounded to
// the field's decimals: -1 below the minimum, 1 above the maximum, 0 inside.
// A value at the top of the 80-bit range can round past the largest value
// the format holds; it then lies beyond every range, on the side of its sign.
int outOfRange(long double value, int precision, int decimals, long double minimum,
               long double maximum, QString *rounded = nullptr)
{
    const QString text = FixedText(value, precision, decimals);
    if (rounded)
        *rounded = text;
    const auto v = ReadNumber(text);
    if (!v)
        return value < 0 ? -1 : 1;
    if (*v < minimum)
        return -1;
    return *v > maximum ? 1 : 0;
}

} // namespace

Report Check(const QString &text, int precision, int decimals, const QString &label,
             long double minimum, long double maximum)
{
    const QString range = RangeText(minimum, maximum, decimals);
    const auto read = ReadNumber(text);
    if (!read)
        return {text.isEmpty() ? 1 : 2,
                QCoreApplication::translate("NumericField",
                                            "%1 doit être un décimal de l'intervalle %2")
                    .arg(label, range)};
    if (outOfRange(*read, precision, decimals, minimum, maximum) != 0)
        return {
            3,
            QCoreApplication::translate("NumericField", "%1 hors intervalle %2").arg(label, range)};
    return {};
}

namespace {

// The repair shared by Fit and FitQuiet; `warn` receives each message.
template <typename Warn>
int fit(QString &text, int precision, int decimals, long double minimum, long double maximum,
        bool fallbackToMinimum, Warn warn)
{
    if (text.isEmpty()) {
        warn(QCoreApplication::translate("NumericField", "Champ vide"));
        text = FixedText(minimum, precision, decimals);
        return 1;
    }
    const auto read = ReadNumber(text);
    if (!read) {
        warn(QCoreApplication::translate("NumericField", "Saisissez un décimal de l'intervalle %1")
                 .arg(RangeText(minimum, maximum, decimals)));
        text = FixedText(fallbackToMinimum ? minimum : maximum, precision, decimals);
        return 2;
    }
    const int side = outOfRange(*read, precision, decimals, minimum, maximum, &text);
    if (side < 0) {
        warn(QCoreApplication::translate("NumericField", "Valeur hors intervalle %1")
                 .arg(RangeText(minimum, maximum, decimals)));
        text = TrimWholeText(FixedText(minimum, precision, decimals), decimals);
        return 3;
    }
    if (side == 0) {
        text = TrimWholeText(text, decimals);
        return 0;
    }
    warn(QCoreApplication::translate("NumericField", "Valeur hors intervalle %1")
             .arg(RangeText(minimum, maximum, decimals)));
    text = TrimWholeText(FixedText(maximum, precision, decimals), decimals);
    return 4;
}

} // namespace

Report Fit(QString &text, int precision, int decimals, long double minimum, long double maximum,
           bool fallbackToMinimum)
{
    Report report;
    const int code = fit(text, precision, decimals, minimum, maximum, fallbackToMinimum,
                         [&report](const QString &m) { report.warning = m; });
    report.code = code >= 3 ? 0 : code;
    return report;
}

int FitQuiet(QString &text, int precision, int decimals, long double minimum,
             long double maximum, bool fallbackToMinimum)
{
    return fit(text, precision, decimals, minimum, maximum, fallbackToMinimum,
               [](const QString &) {});
}

} // namespace NumericField

} // namespace optolune
