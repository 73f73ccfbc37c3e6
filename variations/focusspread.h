// Focus spread, the view-camera way of finding the focus and the f-number
// that hold a near and a far subject both sharp: the photographer focuses on
// each in turn and reads the position of the standard on the rail (and once
// at infinity). The two images lie at the extensions read; the film goes
// where their blur circles are equal, and the f-number is the one that makes
// that blur the circle of confusion.
//
// With a pupil magnification gp the exit pupil stands f(1 - gp) behind the
// rear nodal point, so an image at extension e lies e + gp f behind the exit
// pupil. With a = e + gp f for the near (an) and far (af) images and an exit
// pupil of diameter gp f / N, equal blurs put the film at the harmonic mean
// w = 2 an af / (an + af) behind the exit pupil, where the blur is
// gp f (an - af) / (N (an + af)); setting it to c gives
// N = gp f (an - af) / (c (an + af)). Far from the lens this is the spread
// divided by 2c. The depth of field of calcul with that N and focus puts its
// near and far limits on the two subjects.
#pragma once

#include "variationscompute.h"
#include "core/diffraction.h"

#include <QString>
#include <QStringList>

namespace optolune {

struct FocusSpreadInput {
    // Rail readings in millimetres, growing with the extension: at infinity,
    // focused on the near subject, focused on the far subject. Decimal
    // comma; a '.' is taken as one.
    QString infinityReading, nearReading, farReading;
    // The checked lens parameters of the window.
    long double cMm = 0, fMm = 0, gp = 1, dnMm = 0;
    bool fromFilm = true;  // the distance is given from the film plane, else from the lens
    QStringList fNumbers;  // the window's f-number list
};

struct FocusSpreadResult {
    QString error;             // a French message when nothing can be applied; else empty
    // The readings gave a setting: the extension, the rail reading, N, the
    // conjugates and the distance below hold it, even when `error` says that
    // it cannot be applied (N or the distance out of range, no f-number of
    // the list reaching N).
    bool settingFound = false;
    long double extensionMm = 0;   // extension of the film from infinity
    long double railReadingMm = 0; // where to set the standard
    long double N = 0;             // the f-number needed, exactly
    int fNumberIndex = -1;         // the smallest f-number of the list at or above N
    QString fNumberText;
    QString largestFNumberText;    // when no f-number of the list reaches N
    long double u = 0, v = 0;      // conjugates of the focus, m
    long double distance = 0;      // the focus, m, from the window's origin
    bool macro = false;            // v > u: the conjugate with a magnification above 1
    long double nearImageMm = 0, farImageMm = 0; // the two images, from the exit pupil

    bool ok() const { return error.isEmpty(); }
};

FocusSpreadResult ComputeFocusSpread(const FocusSpreadInput &input);

// The spread's setting as the variations window takes it: its distance
// written with enough decimals that the extension T the window computes from
// it is the one proposed, to 0,005 mm. Near life size the focusing distance
// hardly moves while the extension moves a lot, so two decimals may put the
// film elsewhere.
struct FocusSpreadSetting {
    // The window's input with the distance (as the field check leaves it),
    // the f-number, Macro and the number of decimals of the setting.
    VariationsInput input;
    long double extensionMm = 0; // T the window computes from that distance
    bool decimalsRaised = false; // more decimals than the window had
    bool agrees = false;         // T within 0,005 mm of the proposed extension
};

// `window` holds the checked parameter texts, the origin and the decimals of
// the window; `result` a spread that can be applied.
FocusSpreadSetting SettingOfFocusSpread(const FocusSpreadResult &result, const VariationsInput &window);

// What the photographer sets once the spread is applied: the rail reading,
// the f-number, and what became of the window's decimals ("Réglez le rail
// sur ...").
QString FocusSpreadSettingText(const FocusSpreadResult &result, const FocusSpreadSetting &setting);

// Sharpness over a spread once diffraction counts, with the film at the
// harmonic mean of the two images: the sharpest f-number and its total blur,
// the f-numbers whose blur at both ends stays within c (none when even the
// sharpest exceeds it), the blur at the f-number the spread needs, and the
// list's f-number nearest the sharpest.
struct SpreadSharpness {
    SpreadOptimum optimum;
    std::optional<FNumberRange> usable;
    long double neededBlurMm = 0;
    int nearestIndex = -1;
    QString nearestText;
    long double nearestBlurMm = 0;
};

// `result` a spread whose setting was found.
SpreadSharpness SharpnessOfSpread(const FocusSpreadResult &result, const FocusSpreadInput &input,
                                  long double wavelengthUm, BlurModel model);

// One line for the photographer: the usable f-numbers and the sharpest, or
// "aucun diaphragme ne donne c : flou minimal x mm à f/Nopt".
QString SpreadSharpnessText(const SpreadSharpness &sharpness, long double circleMm);

} // namespace optolune
