#include "tiltfields.h"

#include "core/numerictext.h"
#include "core/showntext.h"

#include <cmath>

namespace optolune {

namespace {

// A field's number, '.' read as the decimal comma; nothing, with the message
// naming the field, when it is empty or no number.
std::optional<long double> fieldNumber(const QString &text, const QString &label, QString &message)
{
    QString typed = text.trimmed();
    if (typed.isEmpty()) {
        message = QStringLiteral("%1 : champ vide").arg(label);
        return std::nullopt;
    }
    const std::optional<long double> value = ReadNumber(DecimalCommaText(typed));
    if (!value || !std::isfinite(*value)) {
        message = QStringLiteral("%1 illisible : '%2'").arg(label, ShownText(text));
        return std::nullopt;
    }
    return value;
}

} // namespace

TiltFieldsReading ReadTiltFields(const TiltFields &f)
{
    TiltFieldsReading reading;
    TiltInputs in;
    QString &m = reading.message;
    const auto read = [&](const QString &text, const char *label, long double &into) {
        const auto value = fieldNumber(text, QString::fromUtf8(label), m);
        if (value)
            into = *value;
        return value.has_value();
    };
    if (!read(f.focal, "Focale", in.focalMm))
        return reading;
    in.tiltFrom = f.tiltFrom;
    switch (f.tiltFrom) {
    case TiltInputs::TiltFrom::Readings:
        if (!read(f.railNear, "Lecture au point proche", in.railNearMm) ||
            !read(f.railFar, "Lecture au point lointain", in.railFarMm) ||
            !read(f.separation, "Écart des images sur le verre dépoli", in.separationMm))
            return reading;
        break;
    case TiltInputs::TiltFrom::Height:
        if (!read(f.height, "Hauteur de l'appareil", in.heightM))
            return reading;
        break;
    case TiltInputs::TiltFrom::Angle:
        if (!read(f.tilt, "Bascule", in.tiltDeg))
            return reading;
        break;
    }
    switch (f.filmFrom) {
    case TiltFields::FilmFrom::Readings: {
        long double infinity = 0, set = 0;
        if (!read(f.railInfinity, "Lecture à l'infini", infinity) ||
            !read(f.railSet, "Lecture du rail", set))
            return reading;
        in.filmFrom = TiltInputs::FilmFrom::Distance;
        in.filmMm = in.focalMm + (set - infinity);
        break;
    }
    case TiltFields::FilmFrom::Distance:
        in.filmFrom = TiltInputs::FilmFrom::Distance;
        if (!read(f.film, "Tirage", in.filmMm))
            return reading;
        break;
    case TiltFields::FilmFrom::PlaneAngle:
        in.filmFrom = TiltInputs::FilmFrom::PlaneAngle;
        if (!read(f.plane, "Angle du plan net", in.planeDeg))
            return reading;
        break;
    }
    if (!read(f.fNumber, "Diaphragme", in.fNumber) || !read(f.circle, "Cercle de confusion", in.circleMm))
        return reading;
    if (!f.at.trimmed().isEmpty()) {
        long double at = 0;
        if (!read(f.at, "Distance", at))
            return reading;
        in.atM = at;
    }
    reading.inputs = in;
    return reading;
}

} // namespace optolune
