#include "focusstack.h"

#include "variationscompute.h"
#include "variationsfields.h"
#include "core/optics.h"
#include "core/language.h"
#include "core/numerictext.h"
#include "core/showntext.h"
#include "table/tablemodel.h"
#include "lists/listkind.h"

#include <QCoreApplication>
#include <cmath>

namespace optolune {

namespace {

StackPlan refused(StackStatus status, const QString &message)
{
    StackPlan plan;
    plan.status = status;
    plan.message = message;
    return plan;
}

QString fixed(long double value, int decimals) { return FixedText(value, 15, decimals); }

// The image distance from the exit pupil of a subject at distanceM in the
// origin, or nothing when it cannot be focused. Infinity images at gp f.
std::optional<long double> imageOf(const StackInput &in, long double distanceM)
{
    const long double f = in.fMm / 1000;
    if (std::isinf(distanceM))
        return in.gp * in.fMm;
    long double extension;
    if (in.fromFilm) {
        const long double t = distanceM - in.dnMm / 1000;
        if (t - 4 * f < -kEpsilon)
            return std::nullopt;
        const Conjugates c = ConjugatesOf(t, f);
        const long double v = in.macro ? c.larger : c.smaller;
        extension = v - f;
    } else {
        if (distanceM - f < kEpsilon)
            return std::nullopt;
        extension = ExtensionMm(distanceM, f) / 1000;
    }
    return in.gp * in.fMm + extension * 1000;
}

// `which` names the subject, "proche" or "lointain".
QString unfocusable(const StackInput &in, const char *which)
{
    const QString subject = QCoreApplication::translate("FocusStack", which);
    return in.fromFilm
               ? QCoreApplication::translate("FocusStack", "Mise au point impossible sur le sujet %1 : la distance doit être "
                                "au moins 4 fois la focale plus la distance nodale")
                     .arg(subject)
               : QCoreApplication::translate("FocusStack", "Mise au point impossible sur le sujet %1 : la distance doit être "
                                "plus grande que la focale")
                     .arg(subject);
}

QString shown(long double value, int decimals) { return LocalNumbers(FixedText(value, 15, decimals)); }
QString shownRange(long double minimum, long double maximum, int decimals)
{
    return LocalNumbers(RangeText(minimum, maximum, decimals));
}

} // namespace

StackPlan PlanFocusStack(const StackInput &in)
{
    using namespace ValueLimits;
    const auto bad = [](const QString &m) { return refused(StackStatus::BadInput, m); };
    if (!(in.N >= DiaMin && in.N <= DiaMax))
        return bad(QCoreApplication::translate("FocusStack", "Diaphragme hors limites : %1 (limites %2)")
                       .arg(shown(in.N, 2), shownRange(DiaMin, DiaMax, 1)));
    if (!(in.overlap >= kOverlapMin && in.overlap <= kOverlapMax))
        return bad(QCoreApplication::translate("FocusStack", "Facteur de recouvrement hors limites : %1 (limites %2)")
                       .arg(shown(in.overlap, 2), shownRange(kOverlapMin, kOverlapMax, 2)));
    if (in.diffraction && !(in.wavelengthUm >= kWavelengthMinUm && in.wavelengthUm <= kWavelengthMaxUm))
        return bad(QCoreApplication::translate("FocusStack", "Longueur d'onde hors limites : %1 µm (limites %2)")
                       .arg(shown(in.wavelengthUm, 4), shownRange(kWavelengthMinUm, kWavelengthMaxUm, 2)));

    StackPlan plan;
    const long double gpf = in.gp * in.fMm;
    if (in.readings) {
        const StackInput::Readings &r = *in.readings;
        const long double eNear = r.nearMm - r.infinityMm, eFar = r.farMm - r.infinityMm;
        if (!(eNear > eFar) || eFar < 0)
            return bad(QCoreApplication::translate("FocusStack",
                "Lectures incohérentes : le tirage doit croître de l'infini au point éloigné, "
                "puis du point éloigné au point proche."));
        plan.nearImageMm = gpf + eNear;
        plan.farImageMm = gpf + eFar;
    } else {
        if (!(in.nearM > 0) || std::isnan(in.farM) || !(in.farM > 0))
            return bad(QCoreApplication::translate("FocusStack", "Distances : elles doivent être positives"));
        const auto nearImage = imageOf(in, in.nearM);
        if (!nearImage)
            return refused(StackStatus::Impossible, unfocusable(in, QT_TRANSLATE_NOOP("FocusStack", "proche")));
        const auto farImage = imageOf(in, in.farM);
        if (!farImage)
            return refused(StackStatus::Impossible, unfocusable(in, QT_TRANSLATE_NOOP("FocusStack", "lointain")));
        if (*nearImage < *farImage)
            return bad(QCoreApplication::translate("FocusStack", "Le sujet proche doit être plus près de l'objectif que le "
                                      "sujet lointain"));
        plan.nearImageMm = *nearImage;
        plan.farImageMm = *farImage;
    }
    const long double an = plan.nearImageMm, af = plan.farImageMm;

    // The circle: with diffraction, what the Airy disc of the working
    // f-number at the nearest image leaves to defocus.
    plan.circleMm = in.cMm;
    if (in.diffraction) {
        const long double workingN = in.N * an / gpf;
        const long double d = DiffractionBlurMm(in.wavelengthUm, workingN);
        const auto effective = EffectiveCircleMm(in.cMm, d, in.model);
        if (!effective)
            return refused(StackStatus::Impossible,
                           QCoreApplication::translate("FocusStack", "Rien n'est net : la diffraction à f/%1 effectif "
                                          "(%2 mm) atteint le cercle de confusion (%3 mm)")
                               .arg(shown(workingN, 1), shown(d, 4), shown(in.cMm, 3)));
        plan.circleMm = *effective;
    }

    // The frames' boundaries, in equal ratios r from af to an.
    const long double k = in.overlap * plan.circleMm * in.N / gpf;
    const long double oneFrameBlur = gpf / in.N * (an - af) / (an + af);
    long double m = 1;
    if (k < 1 && oneFrameBlur > in.overlap * plan.circleMm) {
        // ln(an / af) / ln((1 + k) / (1 - k)), keeping the digits of both
        // logarithms of numbers near 1.
        const long double x = std::log1p((an - af) / af) / (std::log1p(k) - std::log1p(-k));
        // A count that is whole up to rounding stays that count.
        m = std::ceil(x * (1 - 1e-9L));
        if (!(m <= kStackFramesMax))
            return refused(StackStatus::Impossible,
                           QCoreApplication::translate("FocusStack", "Il faudrait plus de %1 vues (%2) : fermez le diaphragme "
                                          "ou réduisez l'écart des sujets")
                               .arg(kStackFramesMax)
                               .arg(std::isfinite(x) ? fixed(std::ceil(x), 0) : QStringLiteral("inf")));
    }
    const int count = static_cast<int>(m);
    const long double r = std::pow(an / af, 1 / m);

    OpticalSetup setup;
    setup.c = plan.circleMm / 1000;
    setup.f = in.fMm / 1000;
    setup.dn = in.dnMm / 1000;
    setup.gp = in.gp;
    setup.N = in.N;
    for (int i = 1; i <= count; ++i) {
        // The last frame's far end is the near image itself, not af r^m.
        const long double lo = af * std::pow(r, i - 1);
        const long double hi = i == count ? an : af * std::pow(r, i);
        StackFrame frame;
        frame.number = i;
        frame.imageMm = 2 * lo * hi / (lo + hi);
        if (in.readings)
            frame.railMm = in.readings->infinityMm + (frame.imageMm - gpf);
        const long double extension = (frame.imageMm - gpf) / 1000;
        const long double v = setup.f + extension;
        const long double u = setup.f * v / extension;
        frame.distanceM = in.fromFilm ? u + setup.dn + v : u;
        const SettingDepth depth = ComputeSettingDepth(setup, frame.distanceM, in.fromFilm, v > u);
        if (depth.status != 0 || !std::isfinite(frame.distanceM))
            return refused(StackStatus::Impossible,
                           QCoreApplication::translate("FocusStack", "Aucun réglage ne correspond à la vue %1").arg(i));
        frame.nearM = depth.near;
        frame.farInfinite = depth.farLimit().isInfinity();
        frame.farM = frame.farInfinite ? INFINITY : depth.far;
        plan.frames.push_back(frame);
    }
    return plan;
}

namespace {

std::optional<long double> fieldNumber(const QString &text, const char *label, QString &message)
{
    QString typed = text.trimmed();
    if (typed.isEmpty()) {
        message = QCoreApplication::translate("FocusStack", "%1 : champ vide")
                      .arg(QCoreApplication::translate("FocusStack", label));
        return std::nullopt;
    }
    const std::optional<long double> value = ReadNumber(DecimalCommaText(typed));
    if (!value || !std::isfinite(*value)) {
        message = QCoreApplication::translate("FocusStack", "%1 illisible : '%2'")
                      .arg(QCoreApplication::translate("FocusStack", label), ShownText(text));
        return std::nullopt;
    }
    return value;
}

} // namespace

StackFieldsReading ReadStackFields(const StackFields &f)
{
    StackFieldsReading reading;
    StackInput in;
    QString &m = reading.message;
    const auto read = [&](const QString &text, const char *label, long double &into) {
        const auto value = fieldNumber(text, label, m);
        if (value)
            into = *value;
        return value.has_value();
    };
    if (!read(f.circle, QT_TRANSLATE_NOOP("FocusStack", "Cercle de confusion"), in.cMm) || !read(f.focal, QT_TRANSLATE_NOOP("FocusStack", "Focale"), in.fMm) ||
        !read(f.nodal, QT_TRANSLATE_NOOP("FocusStack", "Distance nodale"), in.dnMm) || !read(f.gp, QT_TRANSLATE_NOOP("FocusStack", "Grandissement pupillaire"), in.gp) ||
        !read(f.fNumber, QT_TRANSLATE_NOOP("FocusStack", "Diaphragme"), in.N) || !read(f.overlap, QT_TRANSLATE_NOOP("FocusStack", "Facteur de recouvrement"), in.overlap))
        return reading;
    in.fromFilm = f.fromFilm;
    in.macro = f.macro;
    if (f.fromReadings) {
        StackInput::Readings r;
        if (!read(f.railInfinity, QT_TRANSLATE_NOOP("FocusStack", "Lecture à l'infini"), r.infinityMm) ||
            !read(f.railNear, QT_TRANSLATE_NOOP("FocusStack", "Lecture au point proche"), r.nearMm) ||
            !read(f.railFar, QT_TRANSLATE_NOOP("FocusStack", "Lecture au point lointain"), r.farMm))
            return reading;
        in.readings = r;
    } else {
        if (!read(f.nearDistance, QT_TRANSLATE_NOOP("FocusStack", "Distance du sujet proche"), in.nearM))
            return reading;
        const QString far = f.farDistance.trimmed().toLower();
        if (far == u"inf" || far == u"infini" || far == u"infinity")
            in.farM = INFINITY;
        else if (!read(f.farDistance, QT_TRANSLATE_NOOP("FocusStack", "Distance du sujet lointain"), in.farM))
            return reading;
    }
    in.diffraction = f.diffraction;
    in.wavelengthUm = f.wavelengthUm;
    in.model = f.model;
    // The lens within the ranges of the program's fields.
    using namespace ValueLimits;
    const struct {
        const char *label;
        long double value, minimum, maximum;
        int decimals;
    } ranges[] = {
        {QT_TRANSLATE_NOOP("FocusStack", "Cercle de confusion (mm)"), in.cMm, CerMin, CerMax, 3},
        {QT_TRANSLATE_NOOP("FocusStack", "Focale (mm)"), in.fMm, FocMin, FocMax, 1},
        {QT_TRANSLATE_NOOP("FocusStack", "Distance nodale (mm)"), in.dnMm, ValueLimits::NodMin,
         ValueLimits::NodMax, 1},
        {QT_TRANSLATE_NOOP("FocusStack", "Grandissement pupillaire"), in.gp, ValueLimits::GpMin,
         ValueLimits::GpMax, 3},
    };
    for (const auto &r : ranges)
        if (!(r.value >= r.minimum && r.value <= r.maximum)) {
            m = QCoreApplication::translate("FocusStack", "%1 hors limites : %2 (limites %3)")
                    .arg(QCoreApplication::translate("FocusStack", r.label), shown(r.value, r.decimals),
                         shownRange(r.minimum, r.maximum, r.decimals));
            return reading;
        }
    reading.input = in;
    return reading;
}

TableModel StackPlanTable(const StackPlan &plan, int decimals)
{
    TableModel table;
    table.reset(5, static_cast<int>(plan.frames.size()) + 1);
    const char *headers[] = {QT_TRANSLATE_NOOP("FocusStack", "vue"), QT_TRANSLATE_NOOP("FocusStack", "rail"),
                             QT_TRANSLATE_NOOP("FocusStack", "distance"), QT_TRANSLATE_NOOP("FocusStack", "proche"),
                             QT_TRANSLATE_NOOP("FocusStack", "lointain")};
    for (int c = 0; c < 5; ++c)
        table.setCell(c, 0, QCoreApplication::translate("FocusStack", headers[c]));
    // Numbers as the user's language writes them: the plan is only read,
    // copied, printed or exported, never read back.
    const auto distance = [&](long double m) { return shown(m, decimals); };
    int row = 1;
    for (const StackFrame &frame : plan.frames) {
        table.setCell(0, row, QString::number(frame.number));
        table.setCell(1, row, frame.railMm ? shown(*frame.railMm, 2) : QString());
        table.setCell(2, row, distance(frame.distanceM));
        table.setCell(3, row, distance(frame.nearM));
        table.setCell(4, row, frame.farInfinite ? QStringLiteral("inf") : distance(frame.farM));
        ++row;
    }
    return table;
}

} // namespace optolune
