#include "messages.h"

#include <algorithm>
#include <cstdio>

namespace optolune {

namespace {

class NoPrompts final : public Prompts {
public:
    std::optional<QString> openFile(const QString &, const QString &) override { return {}; }
    std::optional<QString> saveFile(const QString &, const QString &, const QString &) override
    {
        return {};
    }
    std::optional<QString> inputText(const QString &, const QString &, const QString &) override
    {
        return {};
    }
    bool choosePrinter(QPrinter &) override { return false; }
};

LineMessages g_stderrMessages([](const QString &line) {
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
});
NoPrompts g_noPrompts;
Messages *g_messages = nullptr;
Prompts *g_prompts = nullptr;

} // namespace

QString QuotedForMessage(const QString &text, qsizetype maxLength)
{
    QString out;
    const qsizetype shown = std::min(text.size(), maxLength);
    out.reserve(shown + 8);
    for (qsizetype i = 0; i < shown; ++i) {
        const QChar c = text[i];
        if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c == u'\t')
            out += QStringLiteral("\\t");
        else if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar(u'0'));
        else
            out += c;
    }
    if (text.size() > maxLength)
        out += QStringLiteral("...");
    return out;
}

Messages &messages() { return g_messages ? *g_messages : g_stderrMessages; }
Prompts &prompts() { return g_prompts ? *g_prompts : g_noPrompts; }

Messages *installMessages(Messages *m)
{
    Messages *previous = g_messages;
    g_messages = m;
    return previous;
}

Prompts *installPrompts(Prompts *p)
{
    Prompts *previous = g_prompts;
    g_prompts = p;
    return previous;
}

} // namespace optolune
