#include "messages.h"

#include "showntext.h"

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
    return ShownText(text, maxLength, ControlEscapes::Named);
}

Messages &messages() { return g_messages ? *g_messages : g_stderrMessages; }
Prompts &prompts() { return g_prompts ? *g_prompts : g_noPrompts; }

Messages *installMessages(Messages *m)
{
    Messages *previous = g_messages;
    g_messages = m;
    return previous;
}

void ShowNotice(const Notice &notice)
{
    switch (notice.kind) {
    case Notice::Kind::Information:
        messages().information(notice.text);
        return;
    case Notice::Kind::Warning:
        messages().warning(notice.text);
        return;
    case Notice::Kind::Plain:
        messages().plain(notice.text);
        return;
    case Notice::Kind::Error:
        messages().error(notice.text);
        return;
    }
}

void ShowNotices(const Notices &notices)
{
    for (const Notice &notice : notices)
        ShowNotice(notice);
}

Prompts *installPrompts(Prompts *p)
{
    Prompts *previous = g_prompts;
    g_prompts = p;
    return previous;
}

bool ConfirmThroughMessages(const Notices &before, const QString &question)
{
    ShowNotices(before);
    return messages().confirm(question);
}

} // namespace optolune
