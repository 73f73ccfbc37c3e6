#include "recorder.h"

#include <QPrinter>
#include <gtest/gtest.h>

namespace optolune::test {

std::vector<Message> Said(const Notices &list)
{
    std::vector<Message> said;
    for (const Notice &d : list) {
        const char *kind = "information";
        switch (d.kind) {
        case Notice::Kind::Information:
            kind = "information";
            break;
        case Notice::Kind::Warning:
            kind = "warning";
            break;
        case Notice::Kind::Plain:
            kind = "plain";
            break;
        case Notice::Kind::Error:
            kind = "error";
            break;
        }
        said.push_back({QString::fromLatin1(kind), d.text});
    }
    return said;
}

Confirm Recorder::asking()
{
    return [this](const Notices &before, const QString &question) {
        for (Message &m : Said(before))
            m_messages.push_back(std::move(m));
        return confirm(question);
    };
}

Recorder::Recorder()
{
    m_previousMessages = installMessages(this);
    m_previousPrompts = installPrompts(this);
}

Recorder::~Recorder()
{
    installMessages(m_previousMessages);
    installPrompts(m_previousPrompts);
    EXPECT_TRUE(m_confirms.empty()) << "scripted confirmations left unused";
    EXPECT_TRUE(m_files.empty()) << "scripted file answers left unused";
    EXPECT_TRUE(m_inputs.empty()) << "scripted input answers left unused";
    EXPECT_TRUE(m_printers.empty()) << "scripted printer answers left unused";
}

void Recorder::record(const char *kind, const QString &text)
{
    m_messages.push_back({QString::fromLatin1(kind), text});
}

bool Recorder::confirm(const QString &text)
{
    record("confirm", text);
    if (m_confirms.empty()) {
        ADD_FAILURE() << "unscripted confirmation: " << text.toStdString();
        return false;
    }
    const bool yes = m_confirms.front();
    m_confirms.pop_front();
    return yes;
}

namespace {

// The first scripted answer, taken off the queue. Its text is moved out on its
// own: copying the optional whole makes GCC 12 warn of a QString that may be
// uninitialised.
std::optional<QString> takeFront(std::deque<std::optional<QString>> &answers)
{
    const bool given = answers.front().has_value();
    QString text = given ? std::move(*answers.front()) : QString();
    answers.pop_front();
    if (!given)
        return std::nullopt;
    return text;
}

} // namespace

std::optional<QString> Recorder::openFile(const QString &dir, const QString &filter)
{
    fileRequests << QStringLiteral("open:") + dir + u'|' + filter;
    if (m_files.empty()) {
        ADD_FAILURE() << "unscripted open dialog in " << dir.toStdString();
        return std::nullopt;
    }
    return takeFront(m_files);
}

std::optional<QString> Recorder::saveFile(const QString &dir, const QString &suggestedName,
                                          const QString &filter)
{
    fileRequests << QStringLiteral("save:") + dir + u'|' + suggestedName + u'|' + filter;
    if (m_files.empty()) {
        ADD_FAILURE() << "unscripted save dialog for " << suggestedName.toStdString();
        return std::nullopt;
    }
    return takeFront(m_files);
}

std::optional<QString> Recorder::inputText(const QString &title, const QString &label,
                                           const QString &)
{
    if (m_inputs.empty()) {
        ADD_FAILURE() << "unscripted input box: " << title.toStdString() << " "
                      << label.toStdString();
        return std::nullopt;
    }
    return takeFront(m_inputs);
}

bool Recorder::choosePrinter(QPrinter &printer)
{
    printerRequests << (printer.pageLayout().orientation() == QPageLayout::Landscape
                            ? QStringLiteral("paysage")
                            : QStringLiteral("portrait"));
    if (m_printers.empty()) {
        ADD_FAILURE() << "unscripted printer dialog";
        return false;
    }
    const PrinterAnswer answer = m_printers.front();
    m_printers.pop_front();
    if (answer.accept && !answer.pdfPath.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(answer.pdfPath);
        if (answer.from > 0) {
            printer.setPrintRange(QPrinter::PageRange);
            printer.setFromTo(answer.from, answer.to);
        }
    }
    return answer.accept;
}

QStringList Recorder::texts() const
{
    QStringList out;
    for (const Message &m : m_messages)
        out << m.text;
    return out;
}

} // namespace optolune::test

// Readable failures for QString in gtest assertions.
QT_BEGIN_NAMESPACE
void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
void PrintTo(const QStringList &list, std::ostream *os)
{
    *os << '{';
    for (qsizetype i = 0; i < list.size(); ++i)
        *os << (i ? ", \"" : "\"") << list[i].toStdString() << '"';
    *os << '}';
}
QT_END_NAMESPACE
