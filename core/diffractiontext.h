// The wavelength and the blur model as texts: how a settings file, a table
// file and the titles write them, and how a typed or stored wavelength is
// read back. One reading serves the display options, the table files and the
// windows, so that a wavelength means the same everywhere.
#pragma once

#include "diffraction.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace optolune {

// A wavelength as typed: its digits up to the fourth decimal, at least two
// (0,55; 0,5464).
QString WavelengthText(long double wavelengthUm);

// A wavelength in micrometres written with the decimal comma (a '.' is taken
// as one), at most four decimals, within 0,40-0,70; nothing otherwise.
std::optional<long double> ReadWavelength(QStringView text);

// The message for a wavelength that ReadWavelength refuses, in the user's
// language.
QString WavelengthRangeMessage();

// "rss" for the root sum of squares, "sum" for the plain sum: the keys of the
// settings file, of the table files and of the command line.
QString BlurModelKey(BlurModel model);
std::optional<BlurModel> ReadBlurModel(QStringView key);

// What the titles of a table with diffraction say: "avec diffraction (λ 0,55 µm)",
// with "flou somme" added for the stricter model; in the user's language, the
// wavelength as the user reads numbers.
QString DiffractionTitleText(long double wavelengthUm, BlurModel model);

} // namespace optolune
