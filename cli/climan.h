// The manual page of optolune-cli, made from the help texts of its commands,
// so that the page and --help never part: every option line of a help text
// becomes an entry of the page.
#pragma once

#include <QString>

namespace optolune {

// The page in troff (man macros), for section 1.
QString CliManPage();

} // namespace optolune
