// Lens data: the nodal distance dn and the pupil magnification gp of a lens,
// from what its maker publishes: where the principal planes H and H' lie
// relative to the first and the last lens vertex, the distance between those
// vertices, and the diameters of the entrance and exit pupils. The fields
// are kept in the settings file (section "blad") from one use to the next.
#pragma once

#include <QRectF>
#include <QString>
#include <optional>

namespace optolune {

class IniFile;

// Items of the two radio groups: a principal plane lies in front of its
// vertex (toward the subject) or behind it (toward the film).
enum PlaneSide { InFront = 0, Behind = 1 };

// The window's fields, as texts, and the two radio items. The defaults are
// the published data of the Zeiss Planar T 2,8-80 CFE.
struct BladSettings {
    QString f = QStringLiteral("81,2");     // EdFocale, true focal length, mm
    QString h = QStringLiteral("39,8");     // EdH, H from the first vertex, mm
    QString hprime = QStringLiteral("11,2"); // EdHprime, H' from the last vertex, mm
    QString de = QStringLiteral("28,8");    // EdEntrance, entrance pupil diameter, mm
    QString ds = QStringLiteral("34,5");    // EdExit, exit pupil diameter, mm
    QString ref = QStringLiteral("Planar T 2,8-80 CFE"); // EdRef
    QString num = QStringLiteral("10 22 11");            // EdNum, catalogue number
    QString ep = QStringLiteral("47,0");    // EDepaiss, first to last vertex, mm
    int r1 = Behind;  // R1: side of H
    int r2 = InFront; // R2: side of H'

    // Each missing key keeps its default; r1 and r2 other than 0 or 1 too.
    void load(const IniFile &ini);
    // Writes the ten keys in the order f, h, hprime, de, ds, ref, num, ep,
    // r1, r2; other keys and sections stay as they are.
    void save(IniFile &ini) const;

    bool operator==(const BladSettings &) const = default;
};

inline const QString BladSection = QStringLiteral("blad");

// The settings stored in the file at `iniFileName`; the defaults when it does
// not exist or holds no section "blad".
BladSettings readBladSettings(const QString &iniFileName);

// Stores the settings, reading the file again first so that the sections
// other windows wrote meanwhile are kept. Throws UserError "Impossible
// d'ouvrir le fichier <path>" when an existing file cannot be read and
// "Impossible de créer le fichier <path>" when it cannot be written; the file
// is then unchanged.
void writeBladSettings(const QString &iniFileName, const BladSettings &settings);

// The numbers a computation used, each rounded to one decimal as its field
// now shows it.
struct LensData {
    long double focal = 0;    // mm, checked but not used by dn or gp
    long double h = 0;        // mm, unsigned, as typed
    long double hPrime = 0;   // mm, unsigned
    long double e = 0;        // first to last vertex, mm
    long double entrance = 0; // pupil diameters, mm
    long double exit = 0;
    int r1 = Behind;
    int r2 = InFront;

    // Signed distance from H to H', positive when H' lies behind H.
    long double dn() const;
    // Exit pupil over entrance pupil.
    long double gp() const { return exit / entrance; }
};

// Checks the six numeric fields in the order focal length, H, H', vertex
// distance, exit pupil, entrance pupil; each accepted text is rewritten
// rounded to one decimal (a whole value without decimals). The first field
// that fails keeps the text as typed; no data is returned, only that field's
// warning ("Champ H incorrect", ...), which the window shows.
struct LensComputation {
    std::optional<LensData> data;
    std::optional<QString> warning;
};
[[nodiscard]] LensComputation ComputeLensData(BladSettings &fields);

// dn rounded to one decimal and gp, in the general number form (-4 and
// 1,19791666666667 for the defaults).
QString NodalText(const LensData &data);
QString PupilText(const LensData &data);

// What the table window receives on Ok.
struct LensChoice {
    QString focal;      // its EdFocale
    QString pupil;      // its EdGP
    QString nodal;      // its EdNod
    QString references; // its EdSuffixe
    QString comment;    // its EdComment: "Hasselblad <ref> n° <num>"
};
LensChoice MakeLensChoice(const BladSettings &fields, const LensData &data);

// Where the drawing of the lens puts each thing, in the coordinates of the
// area it is given. Along the axis the subject is on the left and the film
// on the right; everything is to the same scale, across and along.
struct LensDiagramLayout {
    double scale = 0;     // pixels per millimetre
    double axisY = 0;
    double axisLeft = 0, axisRight = 0;
    double v1X = 0, v2X = 0;             // first and last vertex
    double hX = 0, hPrimeX = 0;          // the principal planes
    double bodyHalf = 0;                 // half height of the lens body
    // Half the pupil diameters. The data gives their sizes, not where the
    // pupils lie: the drawing measures them on H (entrance) and H' (exit).
    double entranceHalf = 0, exitHalf = 0;
    bool crossed = false;                // H' lies in front of H (dn < 0)
};
LensDiagramLayout LayoutLensDiagram(const LensData &data, const QRectF &area);

} // namespace optolune
