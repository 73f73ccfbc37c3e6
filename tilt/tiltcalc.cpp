#include "tiltcalc.h"

#include "core/numerictext.h"
#include "lists/listkind.h"
#include "core/language.h"

#include <QCoreApplication>

#include <cmath>
#include <numbers>

namespace optolune {

namespace {

constexpr long double kDegree = std::numbers::pi_v<long double> / 180;

long double radians(long double degrees) { return degrees * kDegree; }
long double degrees(long double radians) { return radians / kDegree; }

// A number of a message, as the user's language writes it.
QString number(long double value, int decimals) { return LocalNumbers(FixedText(value, 15, decimals)); }

TiltOutcome refused(TiltStatus status, const QString &message)
{
    TiltOutcome outcome;
    outcome.status = status;
    outcome.message = message;
    return outcome;
}

// A value outside [minimum, maximum]: the field's name and its range.
std::optional<QString> outOfRange(const QString &field, long double value, long double minimum,
                                  long double maximum, int decimals)
{
    if (value >= minimum && value <= maximum)
        return std::nullopt;
    return QCoreApplication::translate("TiltCalc", "%1 hors limites : %2 (limites %3)")
        .arg(field, number(value, decimals), LocalNumbers(RangeText(minimum, maximum, decimals)));
}

} // namespace

long double TiltSineFromReadings(long double railNearMm, long double railFarMm,
                                 long double separationMm)
{
    return std::fabs(railNearMm - railFarMm) / separationMm;
}

long double TiltSineFromHeight(long double focalMm, long double heightMm)
{
    return focalMm / heightMm;
}

long double HingeDistanceMm(long double focalMm, long double tiltDeg)
{
    const long double s = std::sin(radians(tiltDeg));
    return s == 0 ? INFINITY : focalMm / s;
}

long double PlaneAngleDeg(long double focalMm, long double filmMm, long double tiltDeg)
{
    if (filmMm <= 0)
        return 180;
    const long double t = radians(tiltDeg);
    // atan2 keeps psi in [0, 180] on both sides of 90 degrees: past 90 the
    // plane leans back over the camera (v cos(theta) < f).
    return degrees(std::atan2(filmMm * std::sin(t), filmMm * std::cos(t) - focalMm));
}

long double FilmDistanceForPlaneMm(long double focalMm, long double planeDeg, long double tiltDeg)
{
    return focalMm * std::sin(radians(planeDeg)) / std::sin(radians(planeDeg - tiltDeg));
}

long double PlaneHeightMm(long double hingeMm, long double planeDeg, long double xMm)
{
    const long double p = radians(planeDeg);
    return -hingeMm + xMm * std::cos(p) / std::sin(p);
}

TiltOutcome ComputeTilt(const TiltInputs &in)
{
    using namespace ValueLimits;
    const auto bad = [](const QString &m) { return refused(TiltStatus::BadInput, m); };
    if (auto m = outOfRange(QCoreApplication::translate("TiltCalc", "Focale (mm)"), in.focalMm, FocMin, FocMax, 1))
        return bad(*m);
    const bool wedge = in.fNumber != 0 || in.circleMm != 0;
    if (wedge) {
        if (auto m = outOfRange(QCoreApplication::translate("TiltCalc", "Diaphragme"), in.fNumber, DiaMin, DiaMax, 1))
            return bad(*m);
        if (auto m = outOfRange(QCoreApplication::translate("TiltCalc", "Diamètre du cercle de confusion (mm)"), in.circleMm,
                                CerMin, CerMax, 3))
            return bad(*m);
    }
    if (in.atM && !(*in.atM > 0 && std::isfinite(*in.atM)))
        return bad(QCoreApplication::translate("TiltCalc", "Distance en avant de l'objectif : elle doit être positive"));

    // The tilt.
    long double sine = 0;
    switch (in.tiltFrom) {
    case TiltInputs::TiltFrom::Readings: {
        if (!(in.separationMm > 0) || !std::isfinite(in.separationMm))
            return bad(QCoreApplication::translate("TiltCalc", "Écart des images sur le verre dépoli : il doit être positif"));
        const long double delta = std::fabs(in.railNearMm - in.railFarMm);
        if (delta == 0)
            return bad(QCoreApplication::translate("TiltCalc", "Les deux lectures sur le rail sont égales : le plan est parallèle au film, "
                "aucune bascule ne s'en déduit"));
        if (delta > in.separationMm)
            return bad(QCoreApplication::translate("TiltCalc", "L'écart des lectures sur le rail (%1 mm) dépasse l'écart "
                                      "des images sur le verre dépoli (%2 mm)")
                           .arg(number(delta, 2), number(in.separationMm, 2)));
        if (delta == in.separationMm)
            return refused(TiltStatus::Impossible,
                           QCoreApplication::translate("TiltCalc", "L'écart des lectures sur le rail égale l'écart des "
                                          "images : la bascule serait de 90°"));
        sine = TiltSineFromReadings(in.railNearMm, in.railFarMm, in.separationMm);
        break;
    }
    case TiltInputs::TiltFrom::Height: {
        const long double h = in.heightM * 1000;
        if (!(h >= in.focalMm) || !std::isfinite(h))
            return bad(QCoreApplication::translate("TiltCalc", "Hauteur de l'appareil (%1 m) inférieure à la focale (%2 mm)")
                           .arg(number(in.heightM, 3), number(in.focalMm, 1)));
        if (h == in.focalMm)
            return refused(TiltStatus::Impossible,
                           QCoreApplication::translate("TiltCalc", "Hauteur de l'appareil égale à la focale : la bascule "
                                          "serait de 90°"));
        sine = TiltSineFromHeight(in.focalMm, h);
        break;
    }
    case TiltInputs::TiltFrom::Angle:
        if (!(in.tiltDeg > 0 && in.tiltDeg < 90))
            return bad(QCoreApplication::translate("TiltCalc", "Bascule hors limites : %1° (entre 0 et 90° exclus)")
                           .arg(number(in.tiltDeg, 3)));
        sine = std::sin(radians(in.tiltDeg));
        break;
    }

    TiltOutcome outcome;
    TiltResult &r = outcome.result;
    r.tiltDeg = in.tiltFrom == TiltInputs::TiltFrom::Angle ? in.tiltDeg : degrees(std::asin(sine));
    const long double hingeMm = in.focalMm / sine;
    r.hingeM = hingeMm / 1000;

    // The film.
    if (in.filmFrom == TiltInputs::FilmFrom::Distance) {
        if (!(in.filmMm > 0) || !std::isfinite(in.filmMm))
            return bad(QCoreApplication::translate("TiltCalc", "Tirage : il doit être positif"));
        r.filmMm = in.filmMm;
        r.planeDeg = PlaneAngleDeg(in.focalMm, in.filmMm, r.tiltDeg);
    } else {
        if (!(in.planeDeg > r.tiltDeg && in.planeDeg < 180))
            return bad(QCoreApplication::translate("TiltCalc", "Angle du plan net hors limites : %1° (au-dessus de la "
                                      "bascule, %2°, et sous 180°)")
                           .arg(number(in.planeDeg, 2), number(r.tiltDeg, 3)));
        r.planeDeg = in.planeDeg;
        r.filmMm = FilmDistanceForPlaneMm(in.focalMm, in.planeDeg, r.tiltDeg);
    }

    // The wedge: the film moved by N c either way.
    if (wedge) {
        const long double nc = in.fNumber * in.circleMm;
        r.nearDeg = PlaneAngleDeg(in.focalMm, r.filmMm + nc, r.tiltDeg);
        r.farDeg = PlaneAngleDeg(in.focalMm, r.filmMm - nc, r.tiltDeg);
    }
    if (in.atM) {
        const long double xMm = *in.atM * 1000;
        r.planeHeightM = PlaneHeightMm(hingeMm, r.planeDeg, xMm) / 1000;
        if (r.nearDeg)
            r.nearHeightM = PlaneHeightMm(hingeMm, *r.nearDeg, xMm) / 1000;
        if (r.farDeg && *r.farDeg < 180)
            r.farHeightM = PlaneHeightMm(hingeMm, *r.farDeg, xMm) / 1000;
    }
    return outcome;
}

} // namespace optolune
