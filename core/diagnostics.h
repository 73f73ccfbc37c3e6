// What a logic unit has to tell the user, returned rather than shown. The
// program fails in two ways:
//   1. file and device I/O throws UserError (usererror.h);
//   2. parsing, checks and the commands of the logic units return their
//      status with their messages, in the order the user must read them;
//      the window that ran the command shows them (ShowDiagnostics), the
//      command line prints them, a test compares them.
// A logic unit never calls messages() itself, so that it runs from the
// command line or a test without a modal box.
#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace optolune {

// The kind of box a message is shown in.
enum class MessageKind { Information, Warning, Plain, Error };

struct Diagnostic {
    MessageKind kind = MessageKind::Information;
    QString text;
    bool operator==(const Diagnostic &) const = default;
};

// Messages in the order they were given.
using Diagnostics = std::vector<Diagnostic>;

// A Yes/No question asked in the middle of a command. `before` holds what
// the command has had to say since it started or asked its last question:
// the window shows it first, then asks. True for Yes.
using Confirm = std::function<bool(const Diagnostics &before, const QString &question)>;

// Shows each message through messages(), in order, each in its kind of box.
void ShowDiagnostics(const Diagnostics &list);

// A Confirm that shows what comes before the question, then asks it through
// messages(): the window's and the command line's way of answering.
bool ConfirmThroughMessages(const Diagnostics &before, const QString &question);

} // namespace optolune
