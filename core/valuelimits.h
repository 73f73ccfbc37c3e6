// The program-wide ranges of the lens parameters and of the values of the
// lists: one set of bounds for the fields of the table window and of the
// variations calculator, their hints, the explanations, the list editor and
// the command line.
#pragma once

namespace optolune {

namespace ValueLimits {
inline constexpr long double DiaMin = 1; // f-number
inline constexpr long double DiaMax = 256;
inline constexpr long double DistMin = 0.03L;       // focusing distance, m
inline constexpr long double DistEntryMin = 0.001L; // a typed distance or a section start
inline constexpr long double DistMax = 900;
inline constexpr long double FocMin = 10; // focal length, mm
inline constexpr long double FocMax = 1200;
inline constexpr long double CerMin = 0.005L; // diameter of the circle of confusion, mm
inline constexpr long double CerMax = 0.5L;
inline constexpr long double NodMin = -150; // nodal distance, mm, signed
inline constexpr long double NodMax = 150;
inline constexpr long double GpMin = 0.1L; // pupil magnification
inline constexpr long double GpMax = 5;
} // namespace ValueLimits

} // namespace optolune
