// Stands in for every message box and modal question during a test: keeps the
// kind and exact text of each message and answers questions from a script.
// An unscripted question fails the test and answers No / Cancel.
#pragma once

#include "core/messages.h"
#include "qtprint.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

namespace optolune::test {

struct Message {
    QString kind; // "information", "warning", "plain", "error", "confirm"
    QString text;
    bool operator==(const Message &) const = default;
    friend void PrintTo(const Message &m, std::ostream *os)
    {
        *os << m.kind.toStdString() << ": \"" << m.text.toStdString() << '"';
    }
};

// The messages a logic unit returned, as the recorder would have kept them
// had the window shown them.
std::vector<Message> Said(const Notices &list);

class Recorder final : public Messages, public Prompts {
public:
    Recorder();
    ~Recorder() override;
    Recorder(const Recorder &) = delete;
    Recorder &operator=(const Recorder &) = delete;

    void information(const QString &text) override { record("information", text); }
    void warning(const QString &text) override { record("warning", text); }
    void plain(const QString &text) override { record("plain", text); }
    void error(const QString &text) override { record("error", text); }
    bool confirm(const QString &text) override;

    std::optional<QString> openFile(const QString &dir, const QString &filter) override;
    std::optional<QString> saveFile(const QString &dir, const QString &suggestedName,
                                    const QString &filter) override;
    std::optional<QString> inputText(const QString &title, const QString &label,
                                     const QString &initial) override;
    bool choosePrinter(QPrinter &printer) override;

    // Scripted answers, used in order.
    void answerConfirm(bool yes) { m_confirms.push_back(yes); }
    void answerFile(std::optional<QString> path) { m_files.push_back(std::move(path)); }
    void answerInput(std::optional<QString> text) { m_inputs.push_back(std::move(text)); }
    void answerPrinter(bool accept) { m_printers.push_back({accept, {}, 0, 0}); }
    // Accepts the print dialog with the printer writing a PDF file, pages
    // `from` to `to` (0 and 0: all of them).
    void answerPrinterPdf(const QString &path, int from = 0, int to = 0)
    {
        m_printers.push_back({true, path, from, to});
    }

    // A command's Confirm answered as the window answers it: what the command
    // said before the question is kept, then the question, answered from the
    // script.
    Confirm asking();
    // A command's file choice answered from the script, as the open dialog.
    std::function<std::optional<QString>(const QString &folder, const QString &filter)> opening()
    {
        return [this](const QString &folder, const QString &filter) {
            return openFile(folder, filter);
        };
    }

    // Keeps the messages a logic unit returned (a result with a `messages`
    // list), after those already kept, as the window would show them; hands
    // the result back.
    template <typename Result> Result keep(Result result)
    {
        for (Message &m : Said(result.messages))
            m_messages.push_back(std::move(m));
        return result;
    }

    const std::vector<Message> &messages() const { return m_messages; }
    QStringList texts() const;
    void clear() { m_messages.clear(); }

    // Questions the dialogs were asked, for checking their arguments.
    QStringList fileRequests;
    // The orientation each print dialog opened with ("portrait"/"paysage").
    QStringList printerRequests;

private:
    void record(const char *kind, const QString &text);

    std::vector<Message> m_messages;
    std::deque<bool> m_confirms;
    std::deque<std::optional<QString>> m_files;
    std::deque<std::optional<QString>> m_inputs;
    struct PrinterAnswer {
        bool accept;
        QString pdfPath;
        int from, to;
    };
    std::deque<PrinterAnswer> m_printers;
    Messages *m_previousMessages = nullptr;
    Prompts *m_previousPrompts = nullptr;
};

} // namespace optolune::test
