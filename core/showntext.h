// Texts from outside (a line of a file, a list item, an argument, a file
// name) as a message quotes them: control characters are written as \xHH,
// so that a binary file sends no escape sequence to a terminal, and a long
// text is shortened, so that a one-line file of megabytes does not become a
// message of megabytes.
#pragma once

#include <QString>

namespace optolune {

// Longer than any number the program writes; enough to recognise the text.
inline constexpr qsizetype kShownTextLength = 60;

// The first maxLength characters, then "..." when the text was longer;
// control characters escaped.
QString ShownText(QStringView text, qsizetype maxLength = kShownTextLength);

// A path or file name: control characters escaped, nothing shortened.
QString ShownPath(QStringView path);

} // namespace optolune
