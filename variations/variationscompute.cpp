#include "variationscompute.h"

#include "core/diffraction.h"
#include "core/language.h"
#include "core/numerictext.h"
#include "core/usererror.h"

#include <QCoreApplication>
#include <cmath>
#include <optional>

namespace optolune {

namespace {

// The share with one decimal and " %", composed in one buffer.
QString percentText(long double share)
{
    QChar buffer[kFixedTextMaxLength + 2];
    const int n = WriteFixedText(buffer, share, 8, 1);
    buffer[n] = u' ';
    buffer[n + 1] = u'%';
    return QString(buffer, n + 2);
}

// Whether every value is finite: their sum is, unless one is infinite or
// NaN (or they are beyond any length of optics, near the largest long double).
template <typename... Values>
bool finite(Values... values)
{
    return std::isfinite((values + ...));
}

} // namespace

SettingDepth ComputeSettingDepth(const OpticalSetup &s, long double d, bool fromFilm, bool macro)
{
    // The limits are the optics' cells; the conjugates are those the cell
    // was computed for.
    SettingDepth depth;
    const CellDepth cell =
        fromFilm ? ComputeCellDepthFromFilm(s, d, macro) : ComputeCellDepthFromLens(s, d);
    if (!cell.focused())
        return depth;
    if (fromFilm) {
        // In macro the subject takes the smaller conjugate, the film the larger.
        const Conjugates c = ConjugatesOf(d - s.dn, s.f);
        depth.u = macro ? c.smaller : c.larger;
        depth.v = macro ? c.larger : c.smaller;
    } else {
        depth.u = d;
        depth.v = d * s.f / (d - s.f);
    }
    depth.near = cell.near;
    depth.far = cell.far;
    depth.status = 0;
    return depth;
}

long double LimitingN(long double cMm, long double fMm)
{
    return VariationsLimitingFNumber(cMm, fMm);
}

QString NoResultText(const VariationsResult &result, bool fromFilm)
{
    switch (result.status) {
    case VariationsResult::Unfocusable:
        return fromFilm ? QCoreApplication::translate("VariationsCompute", "Mise au point impossible : la distance doit être au moins "
                                         "4 fois la focale plus la distance nodale")
                        : QCoreApplication::translate("VariationsCompute", "Mise au point impossible : la distance doit être plus "
                                         "grande que la focale");
    case VariationsResult::Unusable:
        return QCoreApplication::translate("VariationsCompute", "Pas de profondeur de champ pour ces paramètres");
    case VariationsResult::NothingSharp:
        return QCoreApplication::translate("VariationsCompute", "Rien n'est net : la tache de diffraction, %1 mm, atteint le cercle de confusion")
            .arg(LocalNumbers(FixedText(result.diffractionMm.value_or(0), 5, 4)));
    default:
        return QString();
    }
}

VariationsResult ComputeVariations(const VariationsInput &in)
{
    VariationsResult result;
    // Every text is read before anything is computed; the first that is no
    // number is named in the message.
    const QString *texts[] = {&in.cText, &in.fText, &in.dnText, &in.gpText, &in.dText, &in.nText};
    long double values[6];
    for (int i = 0; i < 6; ++i) {
        const std::optional<long double> value = ReadNumber(*texts[i]);
        if (!value) {
            result.status = VariationsResult::Unreadable;
            result.error = ConversionError(*texts[i]).text();
            return result;
        }
        values[i] = *value;
    }
    const long double cMm = values[0], fMm = values[1], dnMm = values[2];
    const long double gp = values[3], d = values[4], N = values[5];
    // A zero or negative lens parameter (typed, then an item chosen without
    // the field check) has no depth of field.
    if (!(cMm > 0 && fMm > 0 && gp > 0 && N > 0) || !finite(cMm, fMm, dnMm, gp, d, N)) {
        result.status = VariationsResult::Unusable;
        return result;
    }
    OpticalSetup setup{cMm / 1000, fMm / 1000, dnMm / 1000, gp, N};

    SettingDepth depth = ComputeSettingDepth(setup, d, in.fromFilm, in.macro);
    if (depth.status != 0) {
        result.status = VariationsResult::Unfocusable;
        return result;
    }
    const long double G = depth.v / depth.u;
    // With diffraction the setting's depths use the circle c' that the Airy
    // disc of its working f-number leaves to defocus, and the hyperfocal
    // results the c' of a lens focused at infinity (G = 0), as the table's
    // special rows do.
    OpticalSetup hyperSetup = setup;
    if (in.diffraction) {
        const long double disc = DiffractionBlurMm(in.wavelengthUm, WorkingFNumber(N, G, gp));
        result.diffractionMm = disc;
        const std::optional<long double> effective = EffectiveCircleMm(cMm, disc, in.blurModel);
        if (!effective) {
            result.status = VariationsResult::NothingSharp;
            return result;
        }
        result.effectiveCircleMm = *effective;
        setup.c = *effective / 1000;
        depth = ComputeSettingDepth(setup, d, in.fromFilm, in.macro);
        hyperSetup.c = *EffectiveCircleMm(cMm, DiffractionBlurMm(in.wavelengthUm, N), in.blurModel) / 1000;
    }
    const long double T = ExtensionMm(depth.u, setup.f);

    long double hyper = 0, nearInfinity = 0, nearHyper = 0;
    if (!in.macro) {
        DofResult dof;
        if (in.fromFilm) {
            ComputeDepthAtHyperfocal(hyperSetup, dof);
            hyper = dof.hFilm;
            nearHyper = dof.nearFilm; // before the next operation overwrites it
            ComputeDepthAtInfinity(hyperSetup, dof);
            nearInfinity = dof.nearFilm;
        } else {
            ComputeHyperfocalLimits(hyperSetup, dof);
            hyper = dof.hLens;
            nearInfinity = dof.nearInfLens;
            nearHyper = dof.nearHLens;
        }
    }

    // At or beyond the hyperfocal distance everything behind the focused
    // plane is sharp: the far side reads "infini" ("infinity" in English) and
    // has no share.
    const bool infinite = FocusedAtOrBeyondHyperfocal(setup, depth.u);
    const long double p = depth.far - depth.near;
    const long double a = d - depth.near;
    const long double b = depth.far - d;
    const long double percent = 100 / p;
    const long double aPct = a * percent;
    const long double bPct = b * percent;
    if (!finite(depth.near, depth.u, depth.v, G, T, a, hyper, nearInfinity, nearHyper) ||
        (!infinite && !finite(depth.far, p, b, aPct, bPct))) {
        result.status = VariationsResult::Unusable;
        return result;
    }

    result.status = VariationsResult::Done;
    result.colour = LimitingN(cMm, fMm) >= N ? ResultColour::Blue : ResultColour::Grey;
    const int dec = in.decimals;
    auto set = [&result](ResultField field, QString text) {
        result.texts[static_cast<int>(field)] = std::move(text);
    };
    set(ResultField::Ta, FixedText(depth.near, 10, dec));
    set(ResultField::A, FixedText(a, 8, dec));
    if (infinite) {
        const QString infini = QCoreApplication::translate("VariationsCompute", "infini");
        set(ResultField::Tp, infini);
        set(ResultField::Prof, infini);
        set(ResultField::B, infini);
    } else {
        set(ResultField::Tp, FixedText(depth.far, 10, dec));
        set(ResultField::Prof, FixedText(p, 8, dec));
        set(ResultField::B, FixedText(b, 8, dec));
        set(ResultField::Apc, percentText(aPct));
        set(ResultField::Bpc, percentText(bPct));
    }
    set(ResultField::A1, FixedText(depth.u, 10, dec));
    set(ResultField::A2, FixedText(depth.v, 10, dec));
    set(ResultField::Grandiss, FixedText(G, 8, dec));
    set(ResultField::Tirage, FixedText(T, 8, 5));
    if (!in.macro) {
        set(ResultField::HyperA, FixedText(hyper, 10, dec));
        set(ResultField::Hyper, FixedText(nearInfinity, 10, dec));
        set(ResultField::DemiHyper, FixedText(nearHyper, 10, dec));
    }
    return result;
}

QString DiffractionStatusText(const VariationsResult &result, long double wavelengthUm)
{
    if (!result.diffractionMm || !result.effectiveCircleMm)
        return QString();
    return QCoreApplication::translate("VariationsCompute", "Diffraction (λ %1 µm) : tache d'Airy d = %2 mm, cercle utile c' = %3 mm")
        .arg(LocalNumbers(WavelengthText(wavelengthUm)), LocalNumbers(FixedText(*result.diffractionMm, 5, 4)),
             LocalNumbers(FixedText(*result.effectiveCircleMm, 5, 4)));
}

} // namespace optolune
