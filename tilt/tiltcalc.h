// The tilt of a view camera's lens and the plane of sharp focus it gives:
// thin lens, film standard upright, lens tilted by theta about a horizontal
// axis, no swing. The geometry is Scheimpflug's and Merklinger's: the plane of
// sharp focus, the lens plane and the film plane meet on one line, and the
// plane of sharp focus turns about the hinge line, which lies at
// J = f / sin(theta) from the lens in the plane through the lens parallel to
// the film. Pure functions of their inputs (QtCore for the messages only).
#pragma once

#include <QString>
#include <optional>

namespace optolune {

// Angles in degrees, lengths in millimetres unless a name says otherwise.

// sin(theta) from two rail readings taken before tilting, focused on a near
// and on a far point of the plane wanted sharp, whose images lie
// separationMm apart on the ground glass: sin(theta) = delta / s, exact for a
// plane parallel to the lens axis.
long double TiltSineFromReadings(long double railNearMm, long double railFarMm,
                                 long double separationMm);

// sin(theta) for a plane parallel to the lens axis at heightMm from it (the
// ground under a level camera): the hinge lies in that plane, J = h.
long double TiltSineFromHeight(long double focalMm, long double heightMm);

// The hinge distance J = f / sin(theta); infinite when theta is 0.
long double HingeDistanceMm(long double focalMm, long double tiltDeg);

// The angle psi of the plane of sharp focus from the film's direction (0 for a
// plane parallel to the film, 90 for a plane parallel to the axis), for the
// film at filmMm from the lens measured along the rail:
// tan(psi) = v sin(theta) / (v cos(theta) - f), psi in [0, 180]. A film
// distance of 0 or less (a far limit past every plane) gives 180.
long double PlaneAngleDeg(long double focalMm, long double filmMm, long double tiltDeg);

// The film distance that lays the plane of sharp focus at psi:
// v = f sin(psi) / sin(psi - theta), for theta < psi < 180.
long double FilmDistanceForPlaneMm(long double focalMm, long double planeDeg, long double tiltDeg);

// The height, relative to the lens (negative below it), at which a plane of
// angle psi through the hinge line crosses the vertical at xMm in front of
// the lens: y = -J + x / tan(psi).
long double PlaneHeightMm(long double hingeMm, long double planeDeg, long double xMm);

// What the photographer gives: how the tilt is found, then where the film is.
struct TiltInputs {
    enum class TiltFrom { Readings, Height, Angle };
    enum class FilmFrom { Distance, PlaneAngle };

    long double focalMm = 0;
    TiltFrom tiltFrom = TiltFrom::Readings;
    long double railNearMm = 0, railFarMm = 0, separationMm = 0; // Readings
    long double heightM = 0;                                      // Height
    long double tiltDeg = 0;                                      // Angle
    FilmFrom filmFrom = FilmFrom::Distance;
    long double filmMm = 0;       // Distance
    long double planeDeg = 90;    // PlaneAngle
    long double fNumber = 0;      // with circleMm, the wedge; 0 for none
    long double circleMm = 0;
    std::optional<long double> atM; // a distance in front of the lens
};

struct TiltResult {
    long double tiltDeg = 0;
    long double hingeM = 0;
    long double filmMm = 0;
    long double planeDeg = 0;
    // The wedge: the planes of sharp focus of the film at v + N c (near
    // limit) and v - N c (far limit); absent without N and c.
    std::optional<long double> nearDeg, farDeg;
    // Heights at atM, metres relative to the lens; a far limit plane at 180
    // degrees has no height (everything below the near limit is sharp).
    std::optional<long double> planeHeightM, nearHeightM, farHeightM;
};

// Why a tilt cannot be computed. BadInput: a value no setting can have (the
// command line's usage error); Impossible: values that are each acceptable
// but together describe no setting (a tilt of 90 degrees).
enum class TiltStatus { Ok, BadInput, Impossible };

struct TiltOutcome {
    TiltStatus status = TiltStatus::Ok;
    QString message; // in French, when status is not Ok
    TiltResult result;
};

TiltOutcome ComputeTilt(const TiltInputs &in);

} // namespace optolune
