// The memory of lens parameters, Data/memf.slc: four lines holding the texts
// of the circle of confusion, the focal length, the nodal distance and the
// pupil magnification, as the fields show them. The depth-of-field table and
// the variations calculator store and recall the same file, so the two
// windows share one memory.
#pragma once

#include <QString>

namespace optolune {

struct LensMemory {
    QString circle; // EdCercle, mm
    QString focal;  // EdFocale, mm
    QString nodal;  // EdNod, mm
    QString pupil;  // EdGP
};

QString MemoryFilePath(); // Data/memf.slc

// Writes the four texts, one per line with CR LF, replacing the file whole; a
// line break inside a text becomes a space. Throws UserError "Impossible de
// créer le fichier <path>" and leaves any previous file intact when it
// cannot be written.
void WriteMemoryFile(const QString &path, const LensMemory &memory);

// Reads the whole file before giving anything back: four lines or all of
// them refused. Throws UserError "Impossible d'ouvrir le fichier <path>"
// when it is missing or cannot be read, and "Fichier illisible ou endommagé :
// <path>" when it has fewer than four lines, is larger than a memory file
// can be, or holds control characters (not a text file).
LensMemory ReadMemoryFile(const QString &path);

} // namespace optolune
