// Replaces one of the program's replaceable openers (a child window, the
// desktop's URL handler, the screen printer, the print preview) for the life
// of the object, then puts back the one it replaced:
//     ScopedOpener urls{setUrlOpener, [](const QUrl &) { return true; }};
#pragma once

#include <type_traits>
#include <utility>

namespace optolune::test {

template <typename Opener>
class ScopedOpener {
public:
    // `install`: the setter that installs an opener and returns the
    // previous one (setUrlOpener, setListEditorOpener...).
    ScopedOpener(Opener (*install)(Opener), std::type_identity_t<Opener> opener)
        : m_install(install), m_previous(install(std::move(opener)))
    {
    }
    ~ScopedOpener() { m_install(std::move(m_previous)); }
    ScopedOpener(const ScopedOpener &) = delete;
    ScopedOpener &operator=(const ScopedOpener &) = delete;

private:
    Opener (*m_install)(Opener);
    Opener m_previous;
};

} // namespace optolune::test
