// The replaceable opener a window opens a child window through (or a desktop
// service, such as a URL): the program's own, unless a test installed
// another, so that tests never show a modal window nor start a program.
#pragma once

#include <functional>
#include <utility>

namespace optolune {

template <typename Signature>
class ReplaceableOpener;

template <typename Result, typename... Args>
class ReplaceableOpener<Result(Args...)> {
public:
    using Opener = std::function<Result(Args...)>;

    // `own`: the program's opener.
    explicit ReplaceableOpener(Opener own) : m_own(std::move(own)) {}

    // Opens through the installed opener, else through the program's own.
    Result open(Args... args) const
    {
        return m_installed ? m_installed(std::forward<Args>(args)...) : m_own(std::forward<Args>(args)...);
    }

    // Installs an opener and returns the previous one; an empty opener
    // restores the program's own.
    Opener replace(Opener opener)
    {
        Opener previous = std::move(m_installed);
        m_installed = std::move(opener);
        return previous;
    }

private:
    Opener m_own;
    Opener m_installed;
};

} // namespace optolune
