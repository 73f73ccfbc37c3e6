#include "showntext.h"

namespace optolune {

namespace {

// C0 and C1 controls and DEL: none of them prints, several drive terminals.
bool isControl(char16_t u) { return u < 0x20 || (u >= 0x7F && u < 0xA0); }

void appendEscaped(QString &out, QStringView text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (!isControl(u)) {
            out.append(c);
            continue;
        }
        out.append(u'\\');
        out.append(u'x');
        out.append(QLatin1Char(kHex[(u >> 4) & 0xF]));
        out.append(QLatin1Char(kHex[u & 0xF]));
    }
}

} // namespace

QString ShownText(QStringView text, qsizetype maxLength)
{
    QString out;
    const bool cut = text.size() > maxLength;
    appendEscaped(out, cut ? text.left(maxLength) : text);
    if (cut)
        out.append(QStringLiteral("..."));
    return out;
}

QString ShownPath(QStringView path)
{
    QString out;
    appendEscaped(out, path);
    return out;
}

} // namespace optolune
