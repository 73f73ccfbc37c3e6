#include "numerictext.h"

#include "language.h"
#include "messages.h"
#include "usererror.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cstdint>
#include <limits>
#include <string>
#include <locale.h>

namespace optolune {

namespace {

// strtold in the "C" locale, whatever locale the process runs in.
#if defined(_MSC_VER)
long double strtoldC(const char *text, char **end)
{
    static const _locale_t loc = _create_locale(LC_ALL, "C");
    return _strtold_l(text, end, loc);
}
#else
long double strtoldC(const char *text, char **end)
{
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return strtold_l(text, end, loc);
}
#endif

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
    const long double value = strtoldC(ascii.c_str(), &end);
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

QString DecimalCommaText(QString typed)
{
    typed.replace(u'.', u',');
    return typed;
}

namespace {

// The exact digits of an x86 80-bit long double come from an integer path
// that needs 128-bit integers and that layout. Elsewhere (a 64-bit long double
// on arm64 or MSVC, a compiler without __int128), or when the build asks for
// it to test that path, every value goes through the C library's "%.17Le",
// which gives the same digits for the same value, only slower.
#if defined(__SIZEOF_INT128__) && defined(__LDBL_MANT_DIG__) && __LDBL_MANT_DIG__ == 64 && \
    !defined(OPTOLUNE_PORTABLE_DIGITS)
#define OPTOLUNE_EXACT_DIGITS 1
#else
#define OPTOLUNE_EXACT_DIGITS 0
#endif

#if OPTOLUNE_EXACT_DIGITS
__extension__ typedef unsigned __int128 u128;

// 10^0 .. 10^38, the powers that fit in 128 bits.
constexpr std::array<u128, 39> kPow10 = [] {
    std::array<u128, 39> p{};
    u128 v = 1;
    for (auto &x : p) {
        x = v;
        v *= 10;
    }
    return p;
}();

constexpr uint64_t kE17 = 100000000000000000ULL;
constexpr uint64_t kE18 = 1000000000000000000ULL;

// A 192-bit unsigned integer, least significant limb first.
struct U192 {
    uint64_t limb[3];

    bool bit(int i) const { return (limb[i / 64] >> (i % 64)) & 1; }
    // True when any bit below position i is set.
    bool anyBelow(int i) const
    {
        for (int l = 0; l < 3; ++l) {
            const int from = l * 64;
            if (i <= from)
                return false;
            const uint64_t mask = i - from >= 64 ? ~0ULL : (1ULL << (i - from)) - 1;
            if (limb[l] & mask)
                return true;
        }
        return false;
    }
    // The value shifted right by s bits, when the result fits in 64 bits.
    uint64_t shiftedRight(int s) const
    {
        const int l = s / 64, b = s % 64;
        uint64_t low = l < 3 ? limb[l] : 0;
        const uint64_t high = l + 1 < 3 ? limb[l + 1] : 0;
        return b == 0 ? low : (low >> b) | (high << (64 - b));
    }
};

U192 multiply(uint64_t m, u128 p)
{
    const u128 lo = static_cast<u128>(m) * static_cast<uint64_t>(p);
    const u128 hi = static_cast<u128>(m) * static_cast<uint64_t>(p >> 64);
    const u128 mid = (lo >> 64) + static_cast<uint64_t>(hi);
    return {{static_cast<uint64_t>(lo), static_cast<uint64_t>(mid),
             static_cast<uint64_t>(hi >> 64) + static_cast<uint64_t>(mid >> 64)}};
}

#endif // OPTOLUNE_EXACT_DIGITS

// The magnitude of a finite, non-zero value to 18 significant digits,
// correctly rounded (an exact tie goes to the even digit, as the C library's
// %.17Le does): q in [10^17, 10^18) and the power of ten of its first digit.
// Values of the program's range take an exact integer path; the rest (below
// about 1e-20, from 1e18 up, unnormal encodings) go through the C library,
// which gives the same digits, only about ten times slower.
void expand18(long double magnitude, uint64_t &q, int &exponent)
{
#if OPTOLUNE_EXACT_DIGITS
    static_assert(std::numeric_limits<long double>::digits == 64,
                  "x86 80-bit extended precision expected");
    uint64_t mantissa;
    uint16_t signExponent;
    std::memcpy(&mantissa, &magnitude, sizeof mantissa);
    std::memcpy(&signExponent, reinterpret_cast<const char *>(&magnitude) + 8,
                sizeof signExponent);
    const int biased = signExponent & 0x7FFF;
    if (biased != 0 && (mantissa >> 63) != 0) {
        const int e = biased - 16383 - 63; // magnitude = mantissa * 2^e
        const int s = -e;
        // magnitude lies in [2^(63+e), 2^(64+e)): its power of ten is e0 or e0 + 1.
        // floor(n log10 2) by a fixed-point product, exact for |n| < 1650.
        const int e0 = ((63 + e) * 78913) >> 18;
        int k = 17 - e0;
        if (s >= 0 && s <= 190 && k >= 1 && k <= 38) {
            U192 product = multiply(mantissa, kPow10[static_cast<size_t>(k)]);
            uint64_t digits = product.shiftedRight(s);
            if (digits >= kE18) {
                --k;
                product = multiply(mantissa, kPow10[static_cast<size_t>(k)]);
                digits = product.shiftedRight(s);
            }
            exponent = 17 - k;
            if (s > 0 && product.bit(s - 1) && (product.anyBelow(s - 1) || (digits & 1)))
                ++digits;
            if (digits == kE18) {
                digits = kE17;
                ++exponent;
            }
            q = digits;
            return;
        }
    }
#endif
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.17Le", magnitude);
    q = 0;
    const char *p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            q = q * 10 + static_cast<uint64_t>(*p - '0');
    exponent = *p ? std::atoi(p + 1) : 0;
}

// Writes FixedText's text into out (room for kFixedTextMaxLength characters);
// returns its length.
int formatFixed(char16_t *out, long double value, int precision, int decimals)
{
    int n = 0;
    auto put = [&](char16_t c) { out[n++] = c; };
    auto putAscii = [&](const char *s) {
        while (*s)
            put(static_cast<char16_t>(*s++));
    };
    if (std::isnan(value)) {
        putAscii("NAN");
        return n;
    }
    if (std::isinf(value)) {
        putAscii(value < 0 ? "-INF" : "INF");
        return n;
    }
    precision = std::clamp(precision, 1, 18);
    decimals = std::clamp(decimals, 0, 18);

    const bool zero = value == 0;
    std::array<int, 19> digit{}; // the 18 significant digits
    int exponent = 0;            // place of the first digit
    if (!zero) {
        uint64_t q;
        expand18(std::fabs(value), q, exponent);
        // Two halves of nine digits, each in 32 bits: shorter chains of divisions.
        uint32_t high = static_cast<uint32_t>(q / 1000000000u);
        uint32_t low = static_cast<uint32_t>(q % 1000000000u);
        for (int i = 8; i >= 0; --i) {
            digit[static_cast<size_t>(i)] = static_cast<int>(high % 10);
            digit[static_cast<size_t>(i + 9)] = static_cast<int>(low % 10);
            high /= 10;
            low /= 10;
        }
    }
    const int count = 18;

    // The last place kept: the finer of the two limits keeps fewer digits.
    const int lastPlace = std::max(-decimals, exponent - precision + 1);
    const int kept = exponent - lastPlace + 1; // digits kept, from the first
    std::array<int, 20> kd{};                   // kept digits, most significant first
    int keptCount = 0;
    bool roundUp = false;
    if (!zero && kept >= 0) {
        for (int i = 0; i < kept; ++i)
            kd[static_cast<size_t>(keptCount++)] = i < count ? digit[static_cast<size_t>(i)] : 0;
        roundUp = kept < count && digit[static_cast<size_t>(kept)] >= 5;
    }
    int topPlace = exponent; // place of kd[0]
    if (roundUp) {
        int i = keptCount - 1;
        while (i >= 0 && kd[static_cast<size_t>(i)] == 9)
            kd[static_cast<size_t>(i--)] = 0;
        if (i >= 0) {
            ++kd[static_cast<size_t>(i)];
        } else {
            // Carry past the first digit: one more digit in front.
            for (int j = keptCount; j > 0; --j)
                kd[static_cast<size_t>(j)] = kd[static_cast<size_t>(j - 1)];
            kd[0] = 1;
            ++keptCount;
            ++topPlace;
        }
    }
    bool allZero = true;
    for (int i = 0; i < keptCount; ++i)
        allZero = allZero && kd[static_cast<size_t>(i)] == 0;
    if (allZero) {
        keptCount = 0;
        topPlace = 0;
    }
    // digitAt(place): the rounded digit at a power-of-ten place.
    auto digitAt = [&](int place) {
        const int index = topPlace - place;
        return index >= 0 && index < keptCount ? kd[static_cast<size_t>(index)] : 0;
    };
    auto putDigit = [&](int d) { put(static_cast<char16_t>(u'0' + d)); };

    if (!allZero && value < 0)
        put(u'-');
    if (!allZero && topPlace + 1 > precision) {
        // Scientific form: the kept digits without trailing zeros.
        int last = keptCount - 1;
        while (last > 0 && kd[static_cast<size_t>(last)] == 0)
            --last;
        putDigit(kd[0]);
        if (last > 0) {
            put(u',');
            for (int i = 1; i <= last; ++i)
                putDigit(kd[static_cast<size_t>(i)]);
        }
        put(u'E');
        char exp[12];
        std::snprintf(exp, sizeof exp, "%d", topPlace);
        putAscii(exp);
        return n;
    }
    if (allZero || topPlace < 0) {
        put(u'0');
    } else {
        for (int place = topPlace; place >= 0; --place)
            putDigit(digitAt(place));
    }
    if (decimals > 0) {
        put(u',');
        for (int place = -1; place >= -decimals; --place)
            putDigit(digitAt(place));
    }
    return n;
}

} // namespace

QString FixedText(long double value, int precision, int decimals)
{
    char16_t buf[kFixedTextMaxLength];
    const int n = formatFixed(buf, value, precision, decimals);
    return QString(reinterpret_cast<const QChar *>(buf), n);
}

int WriteFixedText(QChar *out, long double value, int precision, int decimals)
{
    // QChar is a char16_t in a class of its own; Qt converts the two pointers freely.
    return formatFixed(reinterpret_cast<char16_t *>(out), value, precision, decimals);
}

QString TrimWholeText(QStringView text, int decimals)
{
    const long double x = ToNumber(text);
    const QString t = FixedText(x, 8, decimals);
    // At the top of the 80-bit range the rounded text can lie beyond the
    // largest value and no longer read; it is a whole number in its
    // scientific form already.
    const auto y = ReadNumber(t);
    if (!y)
        return t;
    if (*y == std::nearbyint(*y))
        return FixedText(*y, 8, 0);
    return t;
}

QString RangeText(long double minimum, long double maximum, int decimals)
{
    return LocalNumbers(FixedText(minimum, 12, decimals) + u'-' + FixedText(maximum, 12, decimals));
}

namespace {

struct Digits {
    QString mantissa; // significant digits, trailing zeros removed
    int exponent = 0; // power of ten of the first digit
};

// The magnitude rounded to 15 significant digits. Only the digits and the
// exponent are taken from the formatted text, so the C library's decimal
// point (which follows the process locale) never matters.
Digits fifteenDigits(long double magnitude)
{
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.14Le", magnitude);
    Digits d;
    const char *p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            d.mantissa += QLatin1Char(*p);
    if (*p == 'e')
        d.exponent = std::atoi(p + 1);
    while (d.mantissa.size() > 1 && d.mantissa.endsWith(u'0'))
        d.mantissa.chop(1);
    return d;
}

} // namespace

QString GeneralText(long double value)
{
    if (!std::isfinite(value))
        return FixedText(value, 15, 0); // the texts of infinity and NaN
    if (value == 0)
        return QStringLiteral("0");
    const Digits d = fifteenDigits(std::fabs(value));
    QString text = value < 0 ? QStringLiteral("-") : QString();
    if (d.exponent < -4 || d.exponent >= 15) {
        text += d.mantissa.left(1);
        if (d.mantissa.size() > 1)
            text += u',' + d.mantissa.mid(1);
        return text + u'E' + QString::number(d.exponent);
    }
    if (d.exponent < 0) {
        text += QStringLiteral("0,") + QString(-d.exponent - 1, u'0') + d.mantissa;
        return text;
    }
    const qsizetype whole = d.exponent + 1;
    if (d.mantissa.size() <= whole)
        return text + d.mantissa + QString(whole - d.mantissa.size(), u'0');
    return text + d.mantissa.left(whole) + u',' + d.mantissa.mid(whole);
}

} // namespace optolune
