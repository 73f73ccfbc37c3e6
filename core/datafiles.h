// The installation files the program cannot run without, and their recovery
// from the backup copies delivered beside them.
#pragma once

#include "messages.h"

#include <QString>
#include <QStringList>

namespace optolune {

// In the order they are checked: the first missing one is handled first.
const QStringList &RequiredDataFiles();

// dataFolder + the first required name with no file, or an empty text.
QString FindMissingDataFile(const QString &dataFolder);

// Restores the first missing required file from its ".sts" backup. The
// notices tell the user what happened, in order, for the main window to show
// ("Fichier manquant <path>", "Tentative de récupération", then the copy's
// error or the failure). usable is false when the file is still missing
// afterwards: the table and variations commands must then be disabled.
struct DataFilesCheck {
    bool usable = true;
    Notices notices;
};
[[nodiscard]] DataFilesCheck CheckDataFiles(const QString &dataFolder);

enum FileAttribute : unsigned {
    ReadOnlyAttribute = 0x01,
    DirectoryAttribute = 0x10,
};

// True when the file's attributes can be read and hold every bit given.
bool HasFileAttributes(const QString &fileName, unsigned attributes);

// Copies the bytes of source to destination (into it, when destination is an
// existing folder). Throws UserError "Impossible d'ouvrir le fichier <source>"
// or "Impossible de créer le fichier <destination>"; a source of more than
// 16 MB (a device, a pipe) gives "Fichier trop volumineux : <source>" and
// leaves the destination as it was.
void CopyFileContents(const QString &source, const QString &destination);

} // namespace optolune
