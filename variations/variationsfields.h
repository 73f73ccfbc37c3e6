// The variations calculator's parameter fields as texts: the check that
// repairs them before a computation, the decimal point typed as a comma, the
// hints that carry their limits, the test lens, and the half-stop steps of
// the f-number. QtCore only; messages go through the messages seam.
#pragma once

#include "core/messages.h"

#include "variationscompute.h"

#include "core/valuelimits.h"

#include <QString>
#include <optional>

namespace optolune {

// Bounds of the focusing distance the calculator checks itself (the lens
// parameters and the f-number use ValueLimits).
namespace VariationsLimits {
// The field check accepts distances from 1 cm, while the hint and the list
// editor announce 3 cm.
inline constexpr long double DistCheckMin = 0.01L;
inline constexpr long double DistHintMin = ValueLimits::DistMin;
inline constexpr long double DistMax = ValueLimits::DistMax;
} // namespace VariationsLimits

// Which of the four list boxes are empty.
struct ListsEmpty {
    bool focal = false;     // BoxFocale
    bool fNumbers = false;  // BoxDia
    bool circles = false;   // BoxCercle
    bool distances = false; // BoxDist
};

// Every '.' of EdCercle, EdNod, EdFocale, EdDist and EdGP becomes ','.
void NormaliseDecimalPoints(VariationsInput &input);

// The check before a computation. An empty list is reported first (lists
// examined in the order focal lengths, f-numbers, diameters, distances) and
// returns 4 for the focal lengths, 5 for the others, with no field touched.
// Otherwise EdGP, EdNod, EdCercle, EdFocale and EdDist are repaired in this
// order by NumericField::Fit, and 0 is returned. The distance is checked at
// two decimals at least, so that a short distance is not rounded away at the
// display's 0 or 1 decimal. The notices (the empty list's information, the
// repairs' warnings) come in that order, for the window to show.
struct ManualFieldsCheck {
    int code = 0;
    Notices notices;
};
[[nodiscard]] ManualFieldsCheck CheckManualFields(VariationsInput &input, ListsEmpty lists);

// The digits a distance keeps in EdDist: the display's decimals, at least 2.
int DistanceDecimals(int decimals);

// The run-time hints of the six parameter fields, "short|  minimum: ...
// maximum: ...".
struct ParameterHints {
    QString circle, focal, nodal, pupil, distance, fNumber;
};
ParameterHints VariationsParameterHints();

// The Super Symmar 5,6/150 of the test table.
struct TestLens {
    QString circle = QStringLiteral("0,100");
    QString nodal = QStringLiteral("24,8");
    QString focal = QStringLiteral("148,1");
    int decimals = 3;
};

// Half a stop multiplies or divides the f-number by the fourth root of 2.
// Pressing a half-stop button steps EdDia at once, without any limit;
// releasing steps it back, with the tests of the release (nullopt: the field
// stays). Each throws ConversionError when the text is no number.
QString HalfStopUp(const QString &fNumber);
QString HalfStopDown(const QString &fNumber);
// After PlusBtn: back down unless the value is DiaMin or would fall below it.
std::optional<QString> ReleaseAfterUp(const QString &fNumber);
// After MoinsBtn: back up unless the value is DiaMax or would pass DiaMax + 1.
std::optional<QString> ReleaseAfterDown(const QString &fNumber);

} // namespace optolune
