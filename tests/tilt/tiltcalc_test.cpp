#include "tilt/tiltcalc.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace optolune;

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
long double rad(long double deg) { return deg * kPi / 180; }

// The published view-camera spreadsheet's case: f 90 mm, hinge at 1,75 m.
TiltInputs spreadsheetCase()
{
    TiltInputs in;
    in.focalMm = 90;
    in.tiltFrom = TiltInputs::TiltFrom::Height;
    in.heightM = 1.75L;
    in.filmFrom = TiltInputs::FilmFrom::Distance;
    in.filmMm = 92.88L;
    in.fNumber = 64;
    in.circleMm = 0.06L;
    return in;
}

// The image, through a thin lens at the origin tilted by theta (its axis
// turned down towards the ground), of the point x in front of the lens and y
// above it; returns the image's distance behind the lens along the rail,
// perpendicular to the upright film. A thin lens maps P to -P f / (u - f),
// u the point's distance from the lens plane along the lens axis.
long double imageFilmDistance(long double f, long double tiltDeg, long double x, long double y)
{
    const long double t = rad(tiltDeg);
    const long double u = x * std::cos(t) - y * std::sin(t);
    return x * f / (u - f);
}

} // namespace

TEST(TiltCalc, PublishedSpreadsheetCase)
{
    const TiltOutcome o = ComputeTilt(spreadsheetCase());
    ASSERT_EQ(o.status, TiltStatus::Ok) << o.message.toStdString();
    // sin(theta) = 90 / 1750.
    EXPECT_NEAR(static_cast<double>(o.result.tiltDeg), 2.948, 0.0005);
    EXPECT_NEAR(static_cast<double>(o.result.hingeM), 1.75, 1e-12);
    EXPECT_NEAR(static_cast<double>(o.result.planeDeg), 60.0, 0.01);
    // The spreadsheet rounds the two film distances to 97 and 89 mm and shows
    // 36 and 104 degrees; the exact film distances give these.
    ASSERT_TRUE(o.result.nearDeg && o.result.farDeg);
    EXPECT_NEAR(static_cast<double>(*o.result.nearDeg), 37.04, 0.005);
    EXPECT_NEAR(static_cast<double>(*o.result.farDeg), 103.24, 0.005);
}

// theta from two readings and from the camera's height agree for the ground
// under a level camera: a point of the ground at distance u below the axis by
// h focuses at v = f u / (u - f) along the axis and h v / u below it, so two
// points give delta = v1 - v2 and s = h (v1/u1 - v2/u2) = h f (1/(u1 - f) - 1/(u2 - f)),
// whose ratio is f / h.
TEST(TiltCalc, ReadingsAndHeightAgreeForTheGround)
{
    const long double f = 90, h = 1500;
    const auto image = [&](long double u) { return f * u / (u - f); };
    const long double u1 = 3000, u2 = 30000;
    const long double v1 = image(u1), v2 = image(u2);
    const long double s = h * v1 / u1 - h * v2 / u2;
    EXPECT_NEAR(static_cast<double>(TiltSineFromReadings(100 + v1 - f, 100 + v2 - f, s)),
                static_cast<double>(TiltSineFromHeight(f, h)), 1e-15);

    TiltInputs readings;
    readings.focalMm = f;
    readings.railNearMm = 100 + v1 - f;
    readings.railFarMm = 100 + v2 - f;
    readings.separationMm = s;
    readings.filmMm = 92;
    TiltInputs height = readings;
    height.tiltFrom = TiltInputs::TiltFrom::Height;
    height.heightM = h / 1000;
    const TiltOutcome a = ComputeTilt(readings), b = ComputeTilt(height);
    ASSERT_EQ(a.status, TiltStatus::Ok);
    ASSERT_EQ(b.status, TiltStatus::Ok);
    EXPECT_NEAR(static_cast<double>(a.result.tiltDeg), static_cast<double>(b.result.tiltDeg), 1e-12);
    EXPECT_NEAR(static_cast<double>(a.result.hingeM), 1.5, 1e-12);
    // The field rule: theta is about 57,3 delta / s degrees.
    EXPECT_NEAR(static_cast<double>(a.result.tiltDeg),
                static_cast<double>(57.29578L * (v1 - v2) / s), 0.01);
}

TEST(TiltCalc, PlaneAngleAndFilmDistanceRoundTrip)
{
    const struct {
        long double f, tilt, plane;
    } cases[] = {{90, 2.948L, 60}, {150, 5, 90}, {90, 1, 30}, {210, 8, 120}, {65, 12, 170}};
    for (const auto &c : cases) {
        const long double v = FilmDistanceForPlaneMm(c.f, c.plane, c.tilt);
        EXPECT_GT(v, 0);
        EXPECT_NEAR(static_cast<double>(PlaneAngleDeg(c.f, v, c.tilt)), static_cast<double>(c.plane),
                    1e-12)
            << "f " << static_cast<double>(c.f) << " tilt " << static_cast<double>(c.tilt);
    }
    // The plane laid along the axis (90 degrees) needs v cos(theta) = f.
    EXPECT_NEAR(static_cast<double>(FilmDistanceForPlaneMm(150, 90, 5)),
                static_cast<double>(150 / std::cos(rad(5))), 1e-12);
}

TEST(TiltCalc, NoTiltGivesAPlaneParallelToTheFilm)
{
    EXPECT_EQ(PlaneAngleDeg(150, 160, 0), 0);
    EXPECT_TRUE(std::isinf(HingeDistanceMm(150, 0)));
    // Film inside the focal length without tilt: the plane lies "behind", at
    // 180 degrees, again parallel to the film.
    EXPECT_NEAR(static_cast<double>(PlaneAngleDeg(150, 140, 0)), 180.0, 1e-12);
}

// The heights given for the three planes at x are checked against the thin
// lens itself: the point (x, height) images on the film plane of its plane.
TEST(TiltCalc, HeightsAtADistanceFocusOnTheirFilmPlanes)
{
    for (long double x : {2.0L, 5.0L, 30.0L}) {
        TiltInputs in = spreadsheetCase();
        in.atM = x;
        const TiltOutcome o = ComputeTilt(in);
        ASSERT_EQ(o.status, TiltStatus::Ok);
        const TiltResult &r = o.result;
        ASSERT_TRUE(r.planeHeightM && r.nearHeightM && r.farHeightM);
        const long double nc = 64 * 0.06L;
        const struct {
            long double heightM, film;
        } planes[] = {{*r.planeHeightM, 92.88L}, {*r.nearHeightM, 92.88L + nc}, {*r.farHeightM, 92.88L - nc}};
        for (const auto &p : planes)
            EXPECT_NEAR(static_cast<double>(imageFilmDistance(90, r.tiltDeg, x * 1000, p.heightM * 1000)),
                        static_cast<double>(p.film), 1e-9)
                << "x " << static_cast<double>(x);
        // The sharp zone holds the plane of sharp focus.
        EXPECT_LT(*r.farHeightM, *r.planeHeightM);
        EXPECT_GT(*r.nearHeightM, *r.planeHeightM);
    }
    // With the plane laid on the ground (90 degrees), the plane of sharp
    // focus is the ground everywhere: -J.
    TiltInputs ground;
    ground.focalMm = 90;
    ground.tiltFrom = TiltInputs::TiltFrom::Height;
    ground.heightM = 1.5L;
    ground.filmFrom = TiltInputs::FilmFrom::PlaneAngle;
    ground.planeDeg = 90;
    ground.fNumber = 22;
    ground.circleMm = 0.1L;
    ground.atM = 30;
    const TiltOutcome o = ComputeTilt(ground);
    ASSERT_EQ(o.status, TiltStatus::Ok);
    EXPECT_NEAR(static_cast<double>(*o.result.planeHeightM), -1.5, 1e-12);
    EXPECT_NEAR(static_cast<double>(imageFilmDistance(90, o.result.tiltDeg, 30000, -1500)),
                static_cast<double>(o.result.filmMm), 1e-9);
}

TEST(TiltCalc, AFarLimitPastEveryPlaneHasNoHeight)
{
    TiltInputs in = spreadsheetCase();
    in.fNumber = 256;
    in.circleMm = 0.5L; // N c = 128 mm, beyond the film distance
    in.atM = 10;
    const TiltOutcome o = ComputeTilt(in);
    ASSERT_EQ(o.status, TiltStatus::Ok);
    EXPECT_EQ(*o.result.farDeg, 180);
    EXPECT_FALSE(o.result.farHeightM);
    EXPECT_TRUE(o.result.nearHeightM);
}

TEST(TiltCalc, RefusesWhatNoSettingCanHave)
{
    const struct {
        const char *name;
        void (*change)(TiltInputs &);
        TiltStatus status;
        const char *message;
    } cases[] = {
        {"equal readings", [](TiltInputs &i) { i.railFarMm = i.railNearMm; }, TiltStatus::BadInput,
         "Les deux lectures sur le rail sont égales : le plan est parallèle au film, aucune bascule ne s'en déduit"},
        {"zero separation", [](TiltInputs &i) { i.separationMm = 0; }, TiltStatus::BadInput,
         "Écart des images sur le verre dépoli : il doit être positif"},
        {"negative separation", [](TiltInputs &i) { i.separationMm = -4; }, TiltStatus::BadInput,
         "Écart des images sur le verre dépoli : il doit être positif"},
        {"delta above s", [](TiltInputs &i) { i.separationMm = 2; }, TiltStatus::BadInput,
         "L'écart des lectures sur le rail (3,00 mm) dépasse l'écart des images sur le verre dépoli (2,00 mm)"},
        {"delta equal to s", [](TiltInputs &i) { i.separationMm = 3; }, TiltStatus::Impossible,
         "L'écart des lectures sur le rail égale l'écart des images : la bascule serait de 90°"},
        {"height below f",
         [](TiltInputs &i) {
             i.tiltFrom = TiltInputs::TiltFrom::Height;
             i.heightM = 0.05L;
         },
         TiltStatus::BadInput, "Hauteur de l'appareil (0,050 m) inférieure à la focale (90,0 mm)"},
        {"tilt of 0",
         [](TiltInputs &i) {
             i.tiltFrom = TiltInputs::TiltFrom::Angle;
             i.tiltDeg = 0;
         },
         TiltStatus::BadInput, "Bascule hors limites : 0,000° (entre 0 et 90° exclus)"},
        {"tilt of 90",
         [](TiltInputs &i) {
             i.tiltFrom = TiltInputs::TiltFrom::Angle;
             i.tiltDeg = 90;
         },
         TiltStatus::BadInput, "Bascule hors limites : 90,000° (entre 0 et 90° exclus)"},
        {"plane not above the tilt",
         [](TiltInputs &i) {
             i.filmFrom = TiltInputs::FilmFrom::PlaneAngle;
             i.planeDeg = 1;
         },
         TiltStatus::BadInput, "Angle du plan net hors limites : 1,00° (au-dessus de la bascule, 1,719°, et sous 180°)"},
        {"plane at 180",
         [](TiltInputs &i) {
             i.filmFrom = TiltInputs::FilmFrom::PlaneAngle;
             i.planeDeg = 180;
         },
         TiltStatus::BadInput, "Angle du plan net hors limites : 180,00° (au-dessus de la bascule, 1,719°, et sous 180°)"},
        {"film distance zero", [](TiltInputs &i) { i.filmMm = 0; }, TiltStatus::BadInput,
         "Tirage : il doit être positif"},
        {"f-number out of range", [](TiltInputs &i) { i.fNumber = 300; }, TiltStatus::BadInput,
         "Diaphragme hors limites : 300,0 (limites 1,0-256,0)"},
    };
    for (const auto &c : cases) {
        TiltInputs in;
        in.focalMm = 90;
        in.railNearMm = 103;
        in.railFarMm = 100;
        in.separationMm = 100; // sin(theta) 0,03: 1,719 degrees
        in.filmMm = 92;
        in.fNumber = 22;
        in.circleMm = 0.1L;
        c.change(in);
        const TiltOutcome o = ComputeTilt(in);
        EXPECT_EQ(o.status, c.status) << c.name;
        EXPECT_EQ(o.message, QString::fromUtf8(c.message)) << c.name;
    }
}
