#include "variations/focusstack.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace optolune;

namespace {

double d(long double v) { return static_cast<double>(v); }

StackInput viewCamera(bool fromFilm)
{
    StackInput in;
    in.cMm = 0.1L;
    in.fMm = 150;
    in.gp = 1;
    in.dnMm = 0;
    in.fromFilm = fromFilm;
    in.N = 22;
    in.nearM = 1.5L;
    in.farM = INFINITY;
    return in;
}

// A 100 mm macro lens from 1,8:1 to 2:1 (extensions 180 and 200 mm) read on
// the rail from 40 at infinity.
StackInput macro()
{
    StackInput in;
    in.cMm = 0.03L;
    in.fMm = 100;
    in.gp = 1;
    in.N = 8;
    in.readings = StackInput::Readings{40, 240, 220};
    return in;
}

// The subject distance from the front nodal point of a limit given in the
// plan's origin by a frame: from the film, the frame's own film position
// (f + extension behind the rear nodal point, dn further) comes off.
long double fromLens(const StackInput &in, const StackFrame &frame, long double limitM)
{
    if (!in.fromFilm)
        return limitM;
    const long double v = (in.fMm + frame.imageMm - in.gp * in.fMm) / 1000;
    return limitM - v - in.dnMm / 1000;
}

long double subjectFromLens(const StackInput &in, long double imageMm)
{
    const long double e = (imageMm - in.gp * in.fMm) / 1000, f = in.fMm / 1000;
    return e == 0 ? INFINITY : f * (f + e) / e;
}

// The plan's zones, by the table's own limits: the first frame reaches the
// far subject, the last the near one, and each zone overlaps the next.
void expectCovered(const StackInput &in, const StackPlan &plan)
{
    ASSERT_EQ(plan.status, StackStatus::Ok) << plan.message.toStdString();
    ASSERT_FALSE(plan.frames.empty());
    const StackFrame &first = plan.frames.front(), &last = plan.frames.back();
    const long double farSubject = subjectFromLens(in, plan.farImageMm);
    if (std::isinf(farSubject))
        EXPECT_TRUE(first.farInfinite);
    else
        EXPECT_TRUE(first.farInfinite || fromLens(in, first, first.farM) >= farSubject);
    EXPECT_LE(fromLens(in, last, last.nearM), subjectFromLens(in, plan.nearImageMm));
    for (size_t i = 0; i + 1 < plan.frames.size(); ++i) {
        const StackFrame &farther = plan.frames[i], &nearer = plan.frames[i + 1];
        EXPECT_EQ(farther.number + 1, nearer.number);
        EXPECT_GT(nearer.imageMm, farther.imageMm);
        // The nearer frame's far limit lies beyond the farther frame's near
        // limit: no gap between them.
        EXPECT_TRUE(nearer.farInfinite ||
                    fromLens(in, nearer, nearer.farM) > fromLens(in, farther, farther.nearM))
            << "frames " << farther.number << " and " << nearer.number;
    }
}

} // namespace

// A 150 mm lens on a view camera from 1,5 m to infinity at f/22, c 0,1:
// 1,5 m from the lens focuses 16,67 mm out, from the film 19,05 mm.
TEST(FocusStack, ViewCameraToInfinity)
{
    for (const bool fromFilm : {false, true}) {
        const StackInput in = viewCamera(fromFilm);
        const StackPlan plan = PlanFocusStack(in);
        expectCovered(in, plan);
        EXPECT_EQ(plan.frames.size(), fromFilm ? 6u : 5u);
        EXPECT_EQ(plan.farImageMm, 150);
        EXPECT_NEAR(d(plan.nearImageMm), fromFilm ? 169.0525 : 166.6667, 0.0001);
        EXPECT_TRUE(plan.frames.front().farInfinite);
        EXPECT_FALSE(plan.frames.front().railMm);
    }
}

// The frames share the range in equal ratios, each film at the harmonic
// mean of its ends, where the blur of both ends is exactly o c: the plan
// covers both subjects exactly.
TEST(FocusStack, FramesShareTheRangeEvenly)
{
    const StackInput in = macro();
    const StackPlan plan = PlanFocusStack(in);
    expectCovered(in, plan);
    // ln(300/280) / ln((1 + k)/(1 - k)), k = 0,8 x 0,03 x 8 / 100: 17,97.
    ASSERT_EQ(plan.frames.size(), 18u);
    const long double k = 0.8L * 0.03L * 8 / 100, gpf = 100;
    const long double r = std::pow(300.0L / 280, 1.0L / 18);
    long double lo = 280;
    for (const StackFrame &frame : plan.frames) {
        const long double hi = lo * r;
        EXPECT_NEAR(d(frame.imageMm), d(2 * lo * hi / (lo + hi)), 1e-9);
        // The blur of both ends of the frame's range is the same, within o c
        // (below it, as 18 frames share what 17,97 would cover).
        const long double farBlur = gpf / 8 * (frame.imageMm - lo) / lo;
        EXPECT_NEAR(d(gpf / 8 * (hi - frame.imageMm) / hi), d(farBlur), 1e-15);
        EXPECT_LT(farBlur, k * gpf / 8);
        EXPECT_GT(farBlur, 0.998L * k * gpf / 8);
        ASSERT_TRUE(frame.railMm);
        EXPECT_NEAR(d(*frame.railMm), d(40 + frame.imageMm - 100), 1e-9);
        EXPECT_FALSE(frame.farInfinite);
        lo = hi;
    }
    EXPECT_NEAR(d(lo), 300, 1e-9);
    EXPECT_GT(*plan.frames.front().railMm, 220);
    EXPECT_LT(*plan.frames.back().railMm, 240);
}

TEST(FocusStack, OneFrameWhenItHoldsTheRange)
{
    StackInput in = viewCamera(false);
    in.nearM = 10;
    in.N = 32;
    StackPlan plan = PlanFocusStack(in);
    expectCovered(in, plan);
    ASSERT_EQ(plan.frames.size(), 1u);
    // The one frame at the harmonic mean of the two images.
    EXPECT_NEAR(d(plan.frames[0].imageMm), d(2 * plan.nearImageMm * 150 / (plan.nearImageMm + 150)), 1e-12);

    // c N at or above gp f: everything is sharp in one frame.
    in.nearM = 0.5L;
    in.N = 256;
    in.cMm = 0.5L;
    in.fMm = 100;
    plan = PlanFocusStack(in);
    ASSERT_EQ(plan.status, StackStatus::Ok);
    EXPECT_EQ(plan.frames.size(), 1u);
}

// With diffraction the plan uses the circle that the Airy disc at the
// nearest image leaves; at 2:1 with f/8 the working f-number is 24, whose
// disc (0,032 mm) is past c 0,03: nothing is sharp.
TEST(FocusStack, Diffraction)
{
    StackInput in = viewCamera(false);
    in.diffraction = true;
    StackPlan plan = PlanFocusStack(in);
    expectCovered(in, plan);
    const long double disc = 2.44L * 0.00055L * 22 * plan.nearImageMm / 150;
    EXPECT_NEAR(d(plan.circleMm), d(std::sqrt(0.01L - disc * disc)), 1e-15);
    // c' = 0,0945: ln(166,67/150) / ln((1 + k)/(1 - k)) with k = 0,8 c' 22 / 150
    // is 4,75, against 4,49 without diffraction.
    EXPECT_NEAR(d(plan.circleMm), 0.0945, 0.0001);
    EXPECT_EQ(plan.frames.size(), 5u);

    in = macro();
    in.diffraction = true;
    plan = PlanFocusStack(in);
    EXPECT_EQ(plan.status, StackStatus::Impossible);
    EXPECT_EQ(plan.message, QStringLiteral("Rien n'est net : la diffraction à f/24,0 effectif "
                                           "(0,0322 mm) atteint le cercle de confusion (0,030 mm)"));
    EXPECT_TRUE(plan.frames.empty());
}

TEST(FocusStack, MacroFromTheFilm)
{
    // 2:1 and 1,8:1 with a 100 mm lens: u = 150 and 155,56 mm, v = 300 and
    // 280 mm; from the film 0,450 and 0,43556 m, the near subject the
    // farther from the film.
    StackInput in = macro();
    in.readings.reset();
    in.fromFilm = true;
    in.macro = true;
    in.nearM = 0.45L;
    in.farM = 0.1L * (1 + 1 / 1.8L) + 0.1L * 2.8L;
    const StackPlan plan = PlanFocusStack(in);
    expectCovered(in, plan);
    EXPECT_EQ(plan.frames.size(), 18u);
    EXPECT_NEAR(d(plan.nearImageMm), 300, 1e-9);
    EXPECT_NEAR(d(plan.farImageMm), 280, 1e-9);
}

TEST(FocusStack, Refusals)
{
    const struct {
        const char *name;
        void (*change)(StackInput &);
        StackStatus status;
        const char *message;
    } cases[] = {
        {"f-number below 1", [](StackInput &i) { i.N = 0.9L; }, StackStatus::BadInput,
         "Diaphragme hors limites : 0,90 (limites 1,0-256,0)"},
        {"f-number above 256", [](StackInput &i) { i.N = 300; }, StackStatus::BadInput,
         "Diaphragme hors limites : 300,00 (limites 1,0-256,0)"},
        {"overlap below 0,5", [](StackInput &i) { i.overlap = 0.4L; }, StackStatus::BadInput,
         "Facteur de recouvrement hors limites : 0,40 (limites 0,50-1,00)"},
        {"overlap above 1", [](StackInput &i) { i.overlap = 1.01L; }, StackStatus::BadInput,
         "Facteur de recouvrement hors limites : 1,01 (limites 0,50-1,00)"},
        {"equal readings", [](StackInput &i) { i.readings->farMm = i.readings->nearMm; }, StackStatus::BadInput,
         "Lectures incohérentes : le tirage doit croître de l'infini au point éloigné, puis du point éloigné au point proche."},
        {"inverted readings", [](StackInput &i) { std::swap(i.readings->farMm, i.readings->nearMm); },
         StackStatus::BadInput,
         "Lectures incohérentes : le tirage doit croître de l'infini au point éloigné, puis du point éloigné au point proche."},
        {"near beyond far",
         [](StackInput &i) {
             i.readings.reset();
             i.nearM = 5;
             i.farM = 2;
         },
         StackStatus::BadInput, "Le sujet proche doit être plus près de l'objectif que le sujet lointain"},
        {"near inside the focal length",
         [](StackInput &i) {
             i.readings.reset();
             i.fromFilm = false;
             i.nearM = 0.05L;
             i.farM = 2;
         },
         StackStatus::Impossible,
         "Mise au point impossible sur le sujet proche : la distance doit être plus grande que la focale"},
        {"more than 999 frames",
         [](StackInput &i) {
             i.N = 1;
             i.cMm = 0.005L;
             i.readings = StackInput::Readings{0, 1000, 100};
         },
         StackStatus::Impossible,
         "Il faudrait plus de 999 vues (21310) : fermez le diaphragme ou réduisez l'écart des sujets"},
    };
    for (const auto &c : cases) {
        StackInput in = macro();
        c.change(in);
        const StackPlan plan = PlanFocusStack(in);
        EXPECT_EQ(plan.status, c.status) << c.name;
        EXPECT_EQ(plan.message, QString::fromUtf8(c.message)) << c.name;
        EXPECT_TRUE(plan.frames.empty()) << c.name;
    }
}

// A short lens stopped far down: the one frame is focused beyond its
// hyperfocal distance and is sharp to infinity, never to a far limit in
// front of its near one (the rear-depth formula alone gives 0,068 m behind a
// near limit of 0,230 m here).
TEST(FocusStack, FrameBeyondTheHyperfocalDistanceIsSharpToInfinity)
{
    for (const bool fromFilm : {true, false}) {
        StackInput in;
        in.cMm = 0.005L;
        in.fMm = 10;
        in.gp = 1;
        in.dnMm = 150;
        in.fromFilm = fromFilm;
        in.N = 256;
        in.nearM = 0.5L;
        in.farM = 2;
        const StackPlan plan = PlanFocusStack(in);
        ASSERT_EQ(plan.status, StackStatus::Ok) << plan.message.toStdString();
        ASSERT_FALSE(plan.frames.empty());
        for (const StackFrame &frame : plan.frames) {
            EXPECT_TRUE(frame.farInfinite) << (fromFilm ? "film" : "lens");
            EXPECT_GT(frame.nearM, 0);
        }
    }
}
