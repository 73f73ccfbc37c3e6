// The free notes file "memo.txt" beside the program, opened in the desktop's
// text editor.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace optolune {

// Opens a URL with the desktop's handler; returns false when none answered.
// Replaceable so that tests never start a real program; an empty opener
// restores the desktop's handler.
using UrlOpener = std::function<bool(const QUrl &)>;
UrlOpener setUrlOpener(UrlOpener opener);
bool openUrl(const QUrl &url);

// Creates an empty file of that name in the program folder when none exists.
// Throws UserError when it cannot be created.
void EnsureNotesFile(const QString &programFolder, const QString &name);

// Creates the file if needed, then opens it in the text editor. Nothing is
// said when no editor answers.
void OpenNotes(const QString &programFolder, const QString &name);

} // namespace optolune
