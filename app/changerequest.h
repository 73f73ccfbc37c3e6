// The identification of the running copy of the program that the about box
// shows, and the change-request mail it prepares from it: a mailto link
// whose subject and body are percent-encoded whole, so that nothing in a path
// (an '&', a '#', a '?') can cut the body or add a recipient or an
// attachment to the message.
#pragma once

#include <QDateTime>
#include <QString>
#include <QUrl>
#include <optional>

namespace optolune {

struct ProgramFacts {
    QString path;          // label1: the program file
    QString date;          // Label2: its modification date, short format
    QString time;          // Label3: "9 h 5 min"
    QString size;          // Label6: "123456 octets"
    QString version;       // Labelversion: VersionText()
    QString reference;     // the program's reference, digits ungrouped
    QString windowsFolder; // none on this system: empty
};

// The facts of the program file at `exeFileName`; a fact that cannot be
// read (no such file) stays empty.
ProgramFacts ReadProgramFacts(const QString &exeFileName, const QString &reference,
                              const QString &version);

// "9 h 5 min": hours and minutes without leading zeros.
QString HoursMinutesText(const QTime &time);

// Digits grouped by three from the right: "431207958" gives "431 207 958".
QString GroupedByThree(const QString &digits);

// The body of the mail, lines ending with CR LF: 89 dashes, the date line,
// "Demande de modifications de:", path and reference, version, the file's
// date, time and size, the Windows folder, dashes, the instruction not to
// erase what precedes, dashes.
QString ChangeRequestBody(const ProgramFacts &facts, const QDateTime &now);

// "mailto:" + contact + "?subject=" + subject + "&body=" + body, subject and
// body percent-encoded in UTF-8 (everything but the unreserved characters).
// nullopt when the contact is not a plain e-mail address.
std::optional<QUrl> ComposeChangeRequest(const ProgramFacts &facts, const QDateTime &now,
                                         const QString &contact);

} // namespace optolune
