// The two seams for everything modal. Every message box goes through Messages,
// every other modal question (file dialogs, input box, printer choice) through
// Prompts. The program installs the Qt implementations; tests install a
// recorder. Nothing else calls QMessageBox or QFileDialog.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QPrinter;

namespace optolune {

class Messages {
public:
    virtual ~Messages() = default;
    virtual void information(const QString &text) = 0;
    virtual void warning(const QString &text) = 0;
    virtual void plain(const QString &text) = 0;
    virtual void error(const QString &text) = 0;
    virtual bool confirm(const QString &text) = 0; // Yes/No; true unless No
};

class Prompts {
public:
    virtual ~Prompts() = default;
    virtual std::optional<QString> openFile(const QString &dir, const QString &filter) = 0;
    virtual std::optional<QString> saveFile(const QString &dir, const QString &suggestedName,
                                            const QString &filter) = 0;
    virtual std::optional<QString> inputText(const QString &title, const QString &label,
                                             const QString &initial) = 0;
    virtual bool choosePrinter(QPrinter &printer) = 0;
};

// Messages written as lines of text, every question answered No: what the
// program says before its windows exist, and what command-line tools print.
class LineMessages : public Messages {
public:
    using Writer = std::function<void(const QString &line)>;
    explicit LineMessages(Writer write) : m_write(std::move(write)) {}
    void information(const QString &text) override { m_write(text); }
    void warning(const QString &text) override { m_write(text); }
    void plain(const QString &text) override { m_write(text); }
    void error(const QString &text) override { m_write(text); }
    bool confirm(const QString &text) override
    {
        m_write(text);
        return false;
    }

private:
    Writer m_write;
};

// A text from outside (a file, a device, the system) as a message quotes it:
// control characters escaped (\n, \t, \xNN) and at most `maxLength`
// characters, "..." marking a cut.
// ShownText in its ControlEscapes::Named form.
QString QuotedForMessage(const QString &text, qsizetype maxLength = 80);

// What a logic unit has to say, returned rather than shown: the kind of box
// and its text. The logic libraries never call messages(); they parse, check
// and run their commands, return their status with these notices in the order
// they arose, and the window (or the command line) shows them. File and
// device I/O keeps throwing UserError.
struct Notice {
    enum class Kind { Information, Warning, Plain, Error };
    Kind kind = Kind::Information;
    QString text;
    bool operator==(const Notice &) const = default;
};
using Notices = std::vector<Notice>;

inline Notice InformationNotice(QString text)
{
    return {Notice::Kind::Information, std::move(text)};
}
inline Notice WarningNotice(QString text) { return {Notice::Kind::Warning, std::move(text)}; }
inline Notice PlainNotice(QString text) { return {Notice::Kind::Plain, std::move(text)}; }
inline Notice ErrorNotice(QString text) { return {Notice::Kind::Error, std::move(text)}; }

// A Yes/No question asked in the middle of a command. `before` holds what
// the command has had to say since it started or asked its last question:
// the window shows it first, then asks. True for Yes.
using Confirm = std::function<bool(const Notices &before, const QString &question)>;

// The installed implementations. Until one is installed, messages go to
// standard error and every question is answered No / Cancel.
Messages &messages();
Prompts &prompts();

// Installs an implementation and returns the previous one (nullptr for the
// fallback). The caller keeps ownership.
Messages *installMessages(Messages *m);

// Shows each notice through messages(), in order, in the box of its kind.
void ShowNotice(const Notice &notice);
void ShowNotices(const Notices &notices);
// A Confirm that shows what comes before the question, then asks it through
// messages(): the window's way of answering.
bool ConfirmThroughMessages(const Notices &before, const QString &question);
Prompts *installPrompts(Prompts *p);

} // namespace optolune
