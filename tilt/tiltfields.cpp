#include "tiltfields.h"

#include "core/numerictext.h"
#include "core/showntext.h"

#include <QCoreApplication>

#include <cmath>

namespace optolune {

namespace {

// A field's number, '.' read as the decimal comma; nothing, with the message
// naming the field, when it is empty or no number.
std::optional<long double> fieldNumber(const QString &text, const QString &label, QString &message)
{
    QString typed = text.trimmed();
    if (typed.isEmpty()) {
        message = QCoreApplication::translate("TiltFields", "%1 : champ vide").arg(label);
        return std::nullopt;
    }
    const std::optional<long double> value = ReadNumber(DecimalCommaText(typed));
    if (!value || !std::isfinite(*value)) {
        message = QCoreApplication::translate("TiltFields", "%1 illisible : '%2'").arg(label, ShownText(text));
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
        const auto value = fieldNumber(text, QCoreApplication::translate("TiltFields", label), m);
        if (value)
            into = *value;
        return value.has_value();
    };
    if (!read(f.focal, QT_TRANSLATE_NOOP("TiltFields", "Focale"), in.focalMm))
        return reading;
    in.tiltFrom = f.tiltFrom;
    switch (f.tiltFrom) {
    case TiltInputs::TiltFrom::Readings:
        if (!read(f.railNear, QT_TRANSLATE_NOOP("TiltFields", "Lecture au point proche"), in.railNearMm) ||
            !read(f.railFar, QT_TRANSLATE_NOOP("TiltFields", "Lecture au point lointain"), in.railFarMm) ||
            !read(f.separation, QT_TRANSLATE_NOOP("TiltFields", "Écart des images sur le verre dépoli"), in.separationMm))
            return reading;
        break;
    case TiltInputs::TiltFrom::Height:
        if (!read(f.height, QT_TRANSLATE_NOOP("TiltFields", "Hauteur de l'appareil"), in.heightM))
            return reading;
        break;
    case TiltInputs::TiltFrom::Angle:
        if (!read(f.tilt, QT_TRANSLATE_NOOP("TiltFields", "Bascule"), in.tiltDeg))
            return reading;
        break;
    }
    switch (f.filmFrom) {
    case TiltFields::FilmFrom::Readings: {
        long double infinity = 0, set = 0;
        if (!read(f.railInfinity, QT_TRANSLATE_NOOP("TiltFields", "Lecture à l'infini"), infinity) ||
            !read(f.railSet, QT_TRANSLATE_NOOP("TiltFields", "Lecture du rail"), set))
            return reading;
        in.filmFrom = TiltInputs::FilmFrom::Distance;
        in.filmMm = in.focalMm + (set - infinity);
        break;
    }
    case TiltFields::FilmFrom::Distance:
        in.filmFrom = TiltInputs::FilmFrom::Distance;
        if (!read(f.film, QT_TRANSLATE_NOOP("TiltFields", "Tirage"), in.filmMm))
            return reading;
        break;
    case TiltFields::FilmFrom::PlaneAngle:
        in.filmFrom = TiltInputs::FilmFrom::PlaneAngle;
        if (!read(f.plane, QT_TRANSLATE_NOOP("TiltFields", "Angle du plan net"), in.planeDeg))
            return reading;
        break;
    }
    if (!read(f.fNumber, QT_TRANSLATE_NOOP("TiltFields", "Diaphragme"), in.fNumber) || !read(f.circle, QT_TRANSLATE_NOOP("TiltFields", "Cercle de confusion"), in.circleMm))
        return reading;
    if (!f.at.trimmed().isEmpty()) {
        long double at = 0;
        if (!read(f.at, QT_TRANSLATE_NOOP("TiltFields", "Distance"), at))
            return reading;
        in.atM = at;
    }
    reading.inputs = in;
    return reading;
}

} // namespace optolune
