#include "procs.h"

#include "messages.h"
#include "usererror.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <locale.h>

namespace optolune {

namespace {

// strtold in the "C" locale, whatever locale the process runs in.
locale_t cLocale()
{
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

} // namespace

std::optional<long double> ReadNumber(QStringView text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text[i] == u' ')
        ++i;
    // Longest accepted forms are short; a huge text of digits still reads, so
    // the buffer grows with the text.
    std::string ascii;
    ascii.reserve(static_cast<size_t>(n - i) + 2);
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ascii.push_back(static_cast<char>(text[i++].unicode()));
    bool anyMantissa = false;
    bool mantissaDigits = false;
    bool comma = false;
    while (i < n) {
        const QChar c = text[i];
        if (isDigit(c)) {
            ascii.push_back(static_cast<char>(c.unicode()));
            mantissaDigits = anyMantissa = true;
        } else if (c == u',' && !comma) {
            ascii.push_back('.');
            comma = anyMantissa = true;
        } else {
            break;
        }
        ++i;
    }
    if (!anyMantissa)
        return std::nullopt;
    if (!mantissaDigits)
        ascii.push_back('0'); // a lone ',' reads as 0
    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        ascii.push_back('e');
        ++i;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            ascii.push_back(static_cast<char>(text[i++].unicode()));
        bool expDigits = false;
        while (i < n && isDigit(text[i])) {
            ascii.push_back(static_cast<char>(text[i++].unicode()));
            expDigits = true;
        }
        if (!expDigits)
            return std::nullopt;
    }
    while (i < n && text[i] == u' ')
        ++i;
    if (i != n)
        return std::nullopt;
    errno = 0;
    char *end = nullptr;
    const long double value = strtold_l(ascii.c_str(), &end, cLocale());
    if (end != ascii.c_str() + ascii.size())
        return std::nullopt;
    if (errno == ERANGE && std::isinf(value))
        return std::nullopt; // beyond the 80-bit range
    return value;
}

long double ToNumber(QStringView text)
{
    if (auto value = ReadNumber(text))
        return *value;
    throw ConversionError(text.toString());
}

QString FixedText(long double value, int precision, int decimals)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    precision = std::clamp(precision, 1, 18);
    decimals = std::clamp(decimals, 0, 18);

    // The magnitude to 18 significant digits, correctly rounded:
    // "d.ddddddddddddddddde+XX".
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.17Le", std::fabs(value));
    std::array<int, 19> digit{};          // one spare place for a carry
    int count = 0;
    for (const char *p = buf; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digit[static_cast<size_t>(count++)] = *p - '0';
    int exponent = std::atoi(std::strchr(buf, 'e') + 1); // place of the first digit
    const bool zero = value == 0;
    if (zero)
        exponent = 0;

    // The last place kept: the finer of the two limits keeps fewer digits.
    const int lastPlace = std::max(-decimals, exponent - precision + 1);
    int kept = exponent - lastPlace + 1; // digits kept, from the first
    std::array<int, 20> out{};           // kept digits, most significant first
    int outCount = 0;
    bool roundUp = false;
    if (!zero && kept >= 0) {
        for (int i = 0; i < kept; ++i)
            out[static_cast<size_t>(outCount++)] = i < count ? digit[static_cast<size_t>(i)] : 0;
        roundUp = kept < count && digit[static_cast<size_t>(kept)] >= 5;
    }
    int topPlace = exponent; // place of out[0]
    if (roundUp) {
        int i = outCount - 1;
        while (i >= 0 && out[static_cast<size_t>(i)] == 9)
            out[static_cast<size_t>(i--)] = 0;
        if (i >= 0) {
            ++out[static_cast<size_t>(i)];
        } else {
            // Carry past the first digit: one more digit in front.
            for (int j = outCount; j > 0; --j)
                out[static_cast<size_t>(j)] = out[static_cast<size_t>(j - 1)];
            out[0] = 1;
            ++outCount;
            ++topPlace;
        }
    }
    bool allZero = true;
    for (int i = 0; i < outCount; ++i)
        allZero = allZero && out[static_cast<size_t>(i)] == 0;
    if (allZero) {
        outCount = 0;
        topPlace = 0;
    }
    // digitAt(place): the rounded digit at a power-of-ten place.
    auto digitAt = [&](int place) {
        const int index = topPlace - place;
        return index >= 0 && index < outCount ? out[static_cast<size_t>(index)] : 0;
    };

    QString text;
    if (!allZero && value < 0)
        text += u'-';
    if (!allZero && topPlace + 1 > precision) {
        // Scientific form: the kept digits without trailing zeros.
        int last = outCount - 1;
        while (last > 0 && out[static_cast<size_t>(last)] == 0)
            --last;
        text += QChar(u'0' + out[0]);
        if (last > 0) {
            text += u',';
            for (int i = 1; i <= last; ++i)
                text += QChar(u'0' + out[static_cast<size_t>(i)]);
        }
        text += u'E';
        text += QString::number(topPlace);
        return text;
    }
    if (allZero || topPlace < 0) {
        text += u'0';
    } else {
        for (int place = topPlace; place >= 0; --place)
            text += QChar(u'0' + digitAt(place));
    }
    if (decimals > 0) {
        text += u',';
        for (int place = -1; place >= -decimals; --place)
            text += QChar(u'0' + digitAt(place));
    }
    return text;
}

QString TrimWholeText(QStringView text, int decimals)
{
    const long double x = ToNumber(text);
    const QString t = FixedText(x, 8, decimals);
    const long double y = ToNumber(t);
    if (y == std::nearbyint(y))
        return FixedText(y, 8, 0);
    return t;
}

QString RangeText(long double minimum, long double maximum, int decimals)
{
    return FixedText(minimum, 12, decimals) + u'-' + FixedText(maximum, 12, decimals);
}

namespace NumericField {

int Check(const QString &text, int precision, int decimals, const QString &label,
          long double minimum, long double maximum)
{
    const QString range = RangeText(minimum, maximum, decimals);
    const auto read = ReadNumber(text);
    if (!read) {
        messages().warning(label + QStringLiteral(" doit être un décimal de l'intervalle ") + range);
        return text.isEmpty() ? 1 : 2;
    }
    const long double v = ToNumber(FixedText(*read, precision, decimals));
    if (v < minimum || v > maximum) {
        messages().warning(label + QStringLiteral(" hors intervalle ") + range);
        return 3;
    }
    return 0;
}

namespace {

// The repair shared by Fit and FitQuiet; `warn` receives each message.
template <typename Warn>
int fit(QString &text, int precision, int decimals, long double minimum, long double maximum,
        bool fallbackToMinimum, Warn warn)
{
    if (text.isEmpty()) {
        warn(QStringLiteral("Champ vide"));
        text = FixedText(minimum, precision, decimals);
        return 1;
    }
    const auto read = ReadNumber(text);
    if (!read) {
        warn(QStringLiteral("Saisissez un décimal de l'intervalle ") +
             RangeText(minimum, maximum, decimals));
        text = FixedText(fallbackToMinimum ? minimum : maximum, precision, decimals);
        return 2;
    }
    text = FixedText(*read, precision, decimals);
    const long double v = ToNumber(text);
    if (v < minimum) {
        warn(QStringLiteral("Valeur hors intervalle ") + RangeText(minimum, maximum, decimals));
        text = TrimWholeText(FixedText(minimum, precision, decimals), decimals);
        return 3;
    }
    if (v <= maximum) {
        text = TrimWholeText(text, decimals);
        return 0;
    }
    warn(QStringLiteral("Valeur hors intervalle ") + RangeText(minimum, maximum, decimals));
    text = TrimWholeText(FixedText(maximum, precision, decimals), decimals);
    return 4;
}

} // namespace

int Fit(QString &text, int precision, int decimals, long double minimum, long double maximum,
        bool fallbackToMinimum)
{
    const int code = fit(text, precision, decimals, minimum, maximum, fallbackToMinimum,
                         [](const QString &m) { messages().warning(m); });
    return code >= 3 ? 0 : code;
}

int FitQuiet(QString &text, int precision, int decimals, long double minimum,
             long double maximum, bool fallbackToMinimum)
{
    return fit(text, precision, decimals, minimum, maximum, fallbackToMinimum,
               [](const QString &) {});
}

} // namespace NumericField

void ShowIntegerMessage(long long value) { messages().information(QString::number(value)); }

void ShowFixedMessage(long double value) { messages().information(FixedText(value, 12, 5)); }

} // namespace optolune
