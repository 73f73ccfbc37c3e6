#include "showntext.h"

namespace optolune {

namespace {

// Whether a character is written as an escape in the given form.
bool escaped(QChar c, ControlEscapes escapes)
{
    const char16_t u = c.unicode();
    switch (escapes) {
    case ControlEscapes::UpperHex:
        // C0 and C1 controls and DEL: none of them prints, several drive terminals.
        return u < 0x20 || (u >= 0x7F && u < 0xA0);
    case ControlEscapes::LowerHex:
        return u < 0x20 || u == 0x7F;
    case ControlEscapes::Named:
        return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
    }
    return false;
}

// \x and the code in hexadecimal, at least two digits.
void appendHex(QString &out, char16_t u, bool upper)
{
    const char *digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    out.append(u'\\');
    out.append(u'x');
    int shift = 12;
    while (shift > 4 && ((u >> shift) & 0xF) == 0)
        shift -= 4;
    for (; shift >= 0; shift -= 4)
        out.append(QLatin1Char(digits[(u >> shift) & 0xF]));
}

void appendEscaped(QString &out, QStringView text, ControlEscapes escapes)
{
    for (const QChar c : text) {
        if (!escaped(c, escapes)) {
            out.append(c);
            continue;
        }
        if (escapes == ControlEscapes::Named) {
            if (c == u'\n') {
                out.append(QStringLiteral("\\n"));
                continue;
            }
            if (c == u'\r') {
                out.append(QStringLiteral("\\r"));
                continue;
            }
            if (c == u'\t') {
                out.append(QStringLiteral("\\t"));
                continue;
            }
        }
        appendHex(out, c.unicode(), escapes == ControlEscapes::UpperHex);
    }
}

} // namespace

QString ShownText(QStringView text, qsizetype maxLength, ControlEscapes escapes)
{
    QString out;
    const bool cut = text.size() > maxLength;
    appendEscaped(out, cut ? text.left(maxLength) : text, escapes);
    if (cut)
        out.append(QStringLiteral("..."));
    return out;
}

QString ShownPath(QStringView path)
{
    QString out;
    appendEscaped(out, path, ControlEscapes::UpperHex);
    return out;
}

} // namespace optolune
