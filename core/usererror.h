// Errors that carry the French text the user must see. Routines that cannot go
// on throw them; the application object reports the text where the event that
// started the command was dispatched, and the program goes on.
#pragma once

#include "showntext.h"

#include <QString>
#include <exception>

namespace optolune {

class UserError : public std::exception {
public:
    explicit UserError(QString text) : m_text(std::move(text)), m_utf8(m_text.toUtf8()) {}
    const QString &text() const noexcept { return m_text; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_text;
    QByteArray m_utf8;
};

// A text that had to be a number and is not one. The text is quoted
// shortened, with its control characters escaped (ShownText).
class ConversionError : public UserError {
public:
    explicit ConversionError(const QString &offending)
        : UserError(QStringLiteral("'%1' n'est pas une valeur en virgule flottante correcte")
                        .arg(ShownText(offending)))
    {
    }
};

} // namespace optolune
