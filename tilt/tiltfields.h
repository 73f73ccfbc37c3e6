// The tilt window's fields as the photographer types them, read into the
// tilt calculator's inputs: each text checked, a message naming the field
// that does not read.
#pragma once

#include "tiltcalc.h"

#include <QString>
#include <optional>

namespace optolune {

struct TiltFields {
    QString focal, fNumber, circle; // mm, f-number, mm
    TiltInputs::TiltFrom tiltFrom = TiltInputs::TiltFrom::Readings;
    QString railNear, railFar, separation; // mm
    QString height;                         // m
    QString tilt;                           // degrees
    // The film: the rail reading set with the reading at infinity (the film
    // then stands f + their difference from the lens), a typed distance, or
    // the wanted angle of the plane of sharp focus.
    enum class FilmFrom { Readings, Distance, PlaneAngle };
    FilmFrom filmFrom = FilmFrom::Readings;
    QString railInfinity, railSet; // mm
    QString film;                  // mm
    QString plane;                 // degrees
    QString at;                    // m, may be empty
};

struct TiltFieldsReading {
    std::optional<TiltInputs> inputs;
    QString message; // when inputs is empty: which field, and why
};

TiltFieldsReading ReadTiltFields(const TiltFields &fields);

} // namespace optolune
