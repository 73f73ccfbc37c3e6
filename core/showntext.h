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

// How the characters that do not print are written. Each family of messages
// keeps the form its readers (and the scripts reading the command line's
// errors) already know.
enum class ControlEscapes {
    // C0 and C1 controls and DEL as \xHH, upper-case digits.
    UpperHex,
    // C0 controls and DEL as \xhh, lower-case digits; C1 controls kept.
    LowerHex,
    // \n, \r and \t by name; every other control or format character
    // (a direction mark, a zero-width space) as \xhh, lower-case digits,
    // four of them beyond U+00FF.
    Named,
};

// The first maxLength characters, then "..." when the text was longer;
// control characters escaped.
QString ShownText(QStringView text, qsizetype maxLength = kShownTextLength,
                  ControlEscapes escapes = ControlEscapes::UpperHex);

// A path or file name: control characters escaped, nothing shortened.
QString ShownPath(QStringView path);

} // namespace optolune
