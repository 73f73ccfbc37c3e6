// What a command of the table's logic returns: whether it went through, and
// what it has to tell the user, in order. The window shows the messages
// (ShowNotices), the command line prints them; nothing in the table's
// logic shows a message itself.
#pragma once

#include "core/messages.h"

#include <utility>

namespace optolune {

struct TableReport {
    bool done = false;
    Notices messages;

    explicit operator bool() const { return done; }

    // Appends the messages of a step the command ran, and returns whether
    // that step went through.
    bool take(TableReport step)
    {
        for (Notice &d : step.messages)
            messages.push_back(std::move(d));
        return step.done;
    }
    void say(Notice::Kind kind, QString text) { messages.push_back({kind, std::move(text)}); }
};

} // namespace optolune
