// Saving the clipboard's picture as a ".bmp" file in the program's bmp_dev/
// folder, under a name the user types.
#pragma once

#include <QImage>
#include <QString>

class QWidget;

namespace optolune {

// A bare file name: not empty, no folder separator, not "." or "..".
bool IsBareFileName(const QString &name);

// Writes image to folder + name + ".bmp", creating the folder when missing.
// Reports through the messages interface: "Pas d'image dans le presse-papier"
// for a null image, "nom <name> non valide" for a name that would leave the
// folder. Throws UserError when the folder or the file cannot be written.
// Returns the path written, or an empty text.
QString SaveClipboardBitmap(const QImage &image, const QString &folder, const QString &name);

// The windows' hidden Ctrl+F10 command: asks for a name ("ici le nom"
// proposed), then saves the clipboard's picture in the program's bmp_dev/
// folder. Cancel writes nothing; an error is reported and the window goes on.
// A bitmap written is named in the status bar of `window`.
void ExportClipboardBitmap(QWidget *window = nullptr);

} // namespace optolune
