// The circle-of-confusion calculator: which diameter c on the film suits a
// film format enlarged to a print that is looked at from a given distance,
// and from which f-number on diffraction becomes perceptible at that c.
// Everything here works on the texts of the window's fields (CircleState),
// so the window only copies its controls in and out.
#pragma once

#include "core/diffraction.h"

#include <QString>
#include <optional>
#include <span>

namespace optolune {

// What the circle window holds: the five typed inputs, the two flags and the
// seven result texts, all decimal-comma texts.
struct CircleState {
    QString largF = QStringLiteral("56");   // EdLargF, film width (short side), mm
    QString longF = QStringLiteral("56");   // EdLongF, film length (long side), mm
    QString largT = QStringLiteral("30");   // EdLargT, print width, cm
    QString longT = QStringLiteral("40");   // EdLongT, print length, cm
    QString distObs = QStringLiteral("25"); // EdDistObs, viewing distance, cm
    bool fullFrame = false;   // CheckPF: the whole film image is kept on the print
    bool minDistance = false; // CheckDistMin: the print is seen from distObs

    QString fmodif;      // EdFmodif, film area used, "WxL" in mm
    QString tmodif;      // EdTmodif, image on the print, "WxL" in cm
    QString diagTir;     // EdDiagTir, diagonal of that image, cm
    QString coeff;       // EdCoeff, enlargement factor
    QString distObsCalc; // EdDistObsCalc, viewing distance used, cm
    QString c;           // EdC, circle of confusion, mm
    QString nmin;        // EdNmin, limiting f-number
};

// The inputs as numbers, after CheckCircleFields accepted their texts.
struct CircleInput {
    long double largF = 0, longF = 0; // mm
    long double largT = 0, longT = 0; // cm
    long double distObs = 0;          // cm
    bool fullFrame = false;
    bool minDistance = false;
};

struct CircleResult {
    long double fW = 0, fL = 0; // film area used, mm
    long double pW = 0, pL = 0; // image on the print, cm
    long double diag = 0;       // diagonal of the image on the print, cm
    long double E = 0;          // enlargement factor
    long double D = 0;          // viewing distance used, mm
    long double c = 0;          // circle of confusion, mm
    long double nLim = 0;       // f-number from which diffraction shows
};

// A print is looked at comfortably when a blur spot stays under 1/1250 of
// the viewing distance (0,2 mm at 25 cm); on the film that is divided by the
// enlargement.
inline constexpr long double kCirclePerViewingMm = 0.0008L;

// Checks the five inputs in the order viewing distance, film width, film
// length, print width, print length, then that no width exceeds its length.
// Each accepted text is rewritten rounded to its decimals; the first failure
// leaves that field as typed and returns its warning ("Champ DO incorrect
// (10-300)", ...), which the window shows. Code 0 when everything passed;
// otherwise the code of the failed field (1 to 4) or -1 for a width above its
// length. True, as a condition, when everything passed.
struct CircleCheck {
    int code = 0;
    std::optional<QString> warning;
    explicit operator bool() const { return code == 0; }
};
[[nodiscard]] CircleCheck CheckCircleFields(CircleState &state);

// The inputs read from texts CheckCircleFields accepted.
CircleInput ReadCircleInput(const CircleState &state);

// The computation on accepted inputs; widths and lengths are never zero.
CircleResult ComputeCircle(const CircleInput &input);

// The seven result texts written into the state.
void WriteCircleResults(CircleState &state, const CircleResult &result);

// Empties c, the limiting f-number and the enlargement, which stop matching
// the inputs as soon as one changes.
void ClearCircleResults(CircleState &state);

// The window's compute command: empties c and the limiting f-number, checks
// the fields and, when they pass, computes and writes the seven results.
// A failed check is returned with its warning, nothing computed.
[[nodiscard]] CircleCheck CalculateCircle(CircleState &state);

struct FormatPreset {
    const char *item;   // the combo box item, UTF-8; also the grid's film format
    const char *width;  // the texts written into the two fields
    const char *length;
};

// Film formats (ComboFormat), mm: "APS" to "11x14 in", then the digital
// sensors. Print formats (ComboFilm), cm: "9x13" to "50x60".
std::span<const FormatPreset> FilmPresets();
std::span<const FormatPreset> PrintPresets();
// A preset's item as the combo box shows it in the user's language; the
// item itself, French, is what files and the command line name.
QString PresetShownName(const FormatPreset &preset);
inline constexpr int kDefaultFilmPreset = 3;  // "6x6 cm"
inline constexpr int kDefaultPrintPreset = 8; // "30x40"

// Writes the preset's two texts into the film (or print) fields after
// clearing the results; an index outside the list changes nothing.
void ApplyFilmPreset(CircleState &state, int index);
void ApplyPrintPreset(CircleState &state, int index);

// The film format a grid row records: the name of the chosen film preset
// while the film fields hold its sizes, otherwise the sizes as the fields
// hold them ("20,5x30"), so that a row never names a film it was not
// computed for. An index outside the list gives the sizes.
QString FilmFormatName(const CircleState &state, int presetIndex);

} // namespace optolune
