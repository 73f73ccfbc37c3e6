// The only addresses the program opens: web links of the favourites, which
// must be https, and the mailto link of a change request. Anything else (a
// local file, a program, another scheme) is refused, whatever the build
// configuration holds.
#pragma once

#include <QString>
#include <QUrl>
#include <optional>

namespace optolune {

// The address as a URL when it is an absolute https address with a host;
// nullopt otherwise.
std::optional<QUrl> WebLink(const QString &address);

// Whether the text is a plain e-mail address (name@domain, no spaces and
// none of the characters that would add to a mailto link).
bool IsContactAddress(const QString &address);

} // namespace optolune
