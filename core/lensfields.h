// The check that repairs the four lens parameters typed in a window's fields
// (or given on the command line) before anything is computed from them.
#pragma once

#include "messages.h"

#include <QString>

namespace optolune {

// The digits after the comma each lens field is checked at.
namespace LensFieldDecimals {
inline constexpr int Pupil = 3;
inline constexpr int Nodal = 1;
inline constexpr int Circle = 3;
inline constexpr int Focal = 1;
} // namespace LensFieldDecimals

// Repairs the pupil magnification, the nodal distance, the circle and the
// focal length in this order: a '.' becomes ',', then NumericField::Fit
// brings each into its ValueLimits range at its decimals, with its warning
// for every repair (an empty or unreadable text takes the minimum), returned
// in that order. Each text is left a valid number.
[[nodiscard]] Notices FitLensFields(QString &pupil, QString &nodal, QString &circle,
                                    QString &focal);

} // namespace optolune
