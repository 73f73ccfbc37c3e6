#include "tris.h"

#include "core/procs.h"
#include "core/usererror.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace optolune {

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

long double ItemValue(const QString &text)
{
    if (auto value = ReadNumber(text))
        return *value;
    throw ConversionError(text); // quoted shortened
}

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

bool ContainsValue(const ValueList &list, const QString &text)
{
    if (list.isEmpty())
        return false;
    const long double value = ItemValue(text);
    for (int i = 0; i < list.count(); ++i)
        if (ItemValue(list.text(i)) == value)
            return true;
    return false;
}

void SortListNumeric(ValueList &list)
{
    const int n = list.count();
    if (n < 2)
        return;
    // Each text is read once, in list order (so the first unreadable item is
    // the one reported). A text that takes its general form is read again,
    // since that form may round away digits beyond the fifteenth; a text
    // already in its general form keeps it as it moves on toward the end, so
    // an item bubbling across a long list is formatted once.
    std::vector<QString> texts(static_cast<size_t>(n));
    std::vector<long double> values(static_cast<size_t>(n));
    std::vector<char> general(static_cast<size_t>(n), 0);
    for (int i = 0; i < n; ++i) {
        texts[static_cast<size_t>(i)] = list.text(i);
        values[static_cast<size_t>(i)] = ItemValue(list.text(i));
    }
    // n passes at most; a pass without a swap leaves nothing for the next ones.
    for (int pass = 0; pass < n; ++pass) {
        bool swapped = false;
        for (size_t j = 0; j + 1 < static_cast<size_t>(n); ++j) {
            const long double a = values[j];
            if (a > values[j + 1]) {
                QString moved;
                long double movedValue = a;
                if (general[j]) {
                    moved = std::move(texts[j]);
                } else {
                    moved = GeneralText(a);
                    movedValue = ItemValue(moved);
                }
                texts[j] = std::move(texts[j + 1]);
                values[j] = values[j + 1];
                general[j] = general[j + 1];
                texts[j + 1] = std::move(moved);
                values[j + 1] = movedValue;
                general[j + 1] = 1;
                swapped = true;
            }
        }
        if (!swapped)
            break;
    }
    // Texts go back position by position: the marks stay where they were.
    for (int i = 0; i < n; ++i)
        list.setText(i, texts[static_cast<size_t>(i)]);
}

} // namespace optolune
