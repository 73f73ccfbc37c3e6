// Everything the depth-of-field table window holds: the texts of its fields,
// its two lists and its display choices. The window shows these values in its
// controls and hands the struct to the table's logic (RefreshTable, the table
// files), which reads it and, where the program repairs a field, writes the
// repaired text back into it.
#pragma once

#include "core/diffraction.h"

#include <QString>
#include <QStringList>

namespace optolune {

struct TableState {
    // Lens parameters, as the user typed them (decimal comma).
    QString circle = QStringLiteral("0,05"); // EdCercle, mm
    QString focal = QStringLiteral("80");    // EdFocale, mm
    QString nodal = QStringLiteral("-4");    // EdNod, mm, signed
    QString pupil = QStringLiteral("1,1");   // EdGP, pupil magnification

    QString format = QStringLiteral("10x12 in"); // EdFormat
    QString lensReferences;                      // EdSuffixe
    QString comment;                             // EdComment
    QString namePrefix;                          // EdNom, rebuilt by BuildNamePrefix
    bool fa = false;                             // hidden check box "Fa" ticked
    bool faVisible = false;                      // and shown

    QStringList fNumbers;  // ListBoxDia, in list order
    QStringList distances; // ListBoxDist, metres, in list order

    bool fromFilm = true;    // DistFilmBtn: distances from the film plane, else from the lens
    bool horizontal = false; // DhBtn: distances across the columns
    bool showP = false;      // total depth line
    bool showAB = false;     // front and rear depth lines
    bool showH = false;      // hyperfocal rows
    bool showGT = false;     // magnification and extension
    // Diffraction counted: each cell's limits are those of the circle c' that
    // the Airy disc of its working f-number leaves to defocus. The wavelength
    // and the blur model come from the display options, or from the table
    // file that counted diffraction.
    bool diffraction = false;
    long double wavelengthUm = kWavelengthDefaultUm;
    BlurModel blurModel = BlurModel::RootSumSquare;

    int decimalsIndex = 1;            // ComboNbDecim: digits after the comma
    QString bound = QStringLiteral("1000"); // EdLimDec: from this distance (m) one decimal only
    int columnWidth = 40;             // SpinLargCol, the grid's default column width (pixels)
    int headerColumnWidth = 40;       // width of the header column (pixels)

    // Counts of the last refresh (EdNbDia, EdNbdist); a horizontal table
    // counts at most 100 distances.
    int nDia = 0;
    int nDist = 0;
};

} // namespace optolune
