#include "focusspread.h"

#include "variationsfields.h"
#include "core/language.h"
#include "core/numerictext.h"
#include "core/showntext.h"
#include "lists/listkind.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <optional>

namespace optolune {

namespace {

// A typed text quoted in a message: shortened, control characters shown as
// codes.
QString quoted(const QString &text)
{
    constexpr qsizetype kShown = 24;
    return u'\'' + ShownText(text, kShown, ControlEscapes::LowerHex) + u'\'';
}

std::optional<long double> readReading(const QString &text)
{
    const std::optional<long double> value = ReadNumber(DecimalCommaText(text));
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

} // namespace

FocusSpreadResult ComputeFocusSpread(const FocusSpreadInput &in)
{
    FocusSpreadResult out;
    struct Reading {
        const QString *text;
        const char *label;
        long double value = 0;
    };
    Reading readings[] = {{&in.infinityReading, QT_TRANSLATE_NOOP("FocusSpread", "à l'infini")},
                          {&in.nearReading, QT_TRANSLATE_NOOP("FocusSpread", "au point proche")},
                          {&in.farReading, QT_TRANSLATE_NOOP("FocusSpread", "au point éloigné")}};
    for (Reading &r : readings) {
        if (r.text->trimmed().isEmpty()) {
            out.error = QCoreApplication::translate("FocusSpread", "Lecture vide %1 : saisissez un nombre de millimètres.")
                            .arg(QCoreApplication::translate("FocusSpread", r.label));
            return out;
        }
        const auto value = readReading(*r.text);
        if (!value) {
            out.error = QCoreApplication::translate("FocusSpread", "Lecture %1 illisible : %2. Saisissez un nombre de millimètres.")
                            .arg(QCoreApplication::translate("FocusSpread", r.label), quoted(*r.text));
            return out;
        }
        r.value = *value;
    }
    const long double f = in.fMm / 1000;
    const long double c = in.cMm / 1000;
    const long double dn = in.dnMm / 1000;
    const long double eNear = (readings[1].value - readings[0].value) / 1000;
    const long double eFar = (readings[2].value - readings[0].value) / 1000;
    if (!(eNear > eFar) || eFar < 0) {
        out.error = QCoreApplication::translate("FocusSpread",
            "Lectures incohérentes : le tirage doit croître de l'infini au point éloigné, "
            "puis du point éloigné au point proche.");
        return out;
    }

    // Image distances from the exit pupil, which stands gp f in front of the
    // focal plane of an object at infinity.
    const long double aNear = eNear + in.gp * f;
    const long double aFar = eFar + in.gp * f;
    const long double w = 2 * aNear * aFar / (aNear + aFar);
    out.N = in.gp * f * (aNear - aFar) / (c * (aNear + aFar));
    const long double extension = w - in.gp * f;
    out.extensionMm = extension * 1000;
    out.railReadingMm = readings[0].value + out.extensionMm;
    out.v = f + extension;
    out.u = f * out.v / extension;
    out.distance = in.fromFilm ? out.u + dn + out.v : out.u;
    out.macro = out.v > out.u;

    if (!std::isfinite(out.N) || !std::isfinite(out.u) || !std::isfinite(out.distance) ||
        !std::isfinite(out.railReadingMm)) {
        out.error = QCoreApplication::translate("FocusSpread", "Lectures incohérentes : aucun réglage ne correspond.");
        return out;
    }
    // From here on the rail reading and N hold, whatever stops the setting
    // from being applied.
    out.settingFound = true;
    out.nearImageMm = aNear * 1000;
    out.farImageMm = aFar * 1000;
    if (out.N < ValueLimits::DiaMin || out.N > ValueLimits::DiaMax) {
        out.error = QCoreApplication::translate("FocusSpread", "Le diaphragme nécessaire, %1, est hors intervalle %2")
                        .arg(LocalNumbers(FixedText(out.N, 5, 2)),
                             LocalNumbers(RangeText(ValueLimits::DiaMin, ValueLimits::DiaMax, 1)));
        return out;
    }
    if (out.distance < VariationsLimits::DistCheckMin || out.distance > VariationsLimits::DistMax) {
        out.error = QCoreApplication::translate("FocusSpread", "La distance de mise au point, %1 m, est hors intervalle %2")
                        .arg(LocalNumbers(FixedText(out.distance, 10, 3)),
                             LocalNumbers(RangeText(VariationsLimits::DistCheckMin, VariationsLimits::DistMax, 2)));
        return out;
    }
    long double best = 0;
    int largest = -1;
    long double largestValue = 0;
    for (int i = 0; i < in.fNumbers.size(); ++i) {
        const std::optional<long double> value = ReadNumber(in.fNumbers[i]);
        if (!value)
            continue;
        if (largest < 0 || *value > largestValue) {
            largest = i;
            largestValue = *value;
        }
        if (*value >= out.N && (out.fNumberIndex < 0 || *value < best)) {
            best = *value;
            out.fNumberIndex = i;
        }
    }
    if (out.fNumberIndex < 0) {
        if (largest < 0) {
            out.error = QCoreApplication::translate("FocusSpread", "Aucun diaphragme de la liste n'atteint %1 : la liste n'en a aucun. "
                                       "Ajoutez-en un à la liste des diaphragmes.")
                            .arg(LocalNumbers(FixedText(out.N, 5, 2)));
            return out;
        }
        out.largestFNumberText = in.fNumbers[largest];
        out.error = QCoreApplication::translate("FocusSpread", "Aucun diaphragme de la liste n'atteint %1 : le plus grand est %2. "
                                   "Ajoutez-en un à la liste des diaphragmes.")
                        .arg(LocalNumbers(FixedText(out.N, 5, 2)), LocalNumbers(out.largestFNumberText));
        return out;
    }
    out.fNumberText = in.fNumbers[out.fNumberIndex];
    return out;
}

FocusSpreadSetting SettingOfFocusSpread(const FocusSpreadResult &result, const VariationsInput &window)
{
    // The tolerance on T: half the hundredth of a millimetre the extension is
    // proposed to.
    constexpr long double kAgreement = 0.005L;
    FocusSpreadSetting setting;
    for (int decimals = std::clamp(window.decimals, 0, 8); decimals <= 8; ++decimals) {
        VariationsInput in = window;
        in.decimals = decimals;
        in.nText = result.fNumberText;
        in.macro = result.macro;
        // The distance as the window's field check leaves it.
        const int distanceDecimals = DistanceDecimals(decimals);
        in.dText = FixedText(result.distance, 12, distanceDecimals);
        NumericField::FitQuiet(in.dText, 12, distanceDecimals, VariationsLimits::DistCheckMin,
                               VariationsLimits::DistMax, true);
        const VariationsResult shown = ComputeVariations(in);
        const std::optional<long double> t = shown.status == VariationsResult::Done
                                                 ? ReadNumber(shown.text(ResultField::Tirage))
                                                 : std::nullopt;
        setting.input = in;
        setting.extensionMm = t.value_or(0);
        setting.decimalsRaised = decimals > window.decimals;
        setting.agrees = t && std::fabs(*t - result.extensionMm) <= kAgreement;
        if (setting.agrees)
            break;
    }
    return setting;
}

QString FocusSpreadSettingText(const FocusSpreadResult &result, const FocusSpreadSetting &setting)
{
    // Short enough for the window's status bar.
    const QString rail = LocalNumbers(FixedText(result.railReadingMm, 12, 2));
    const QString extension = LocalNumbers(FixedText(result.extensionMm, 12, 2));
    const QString fNumber = LocalNumbers(result.fNumberText);
    if (!setting.agrees)
        return QCoreApplication::translate("FocusSpread", "Réglez le rail sur %1 mm (tirage %2 mm), diaphragme %3 ; "
                                                          "même à 8 décimales, tirage %4 mm.")
            .arg(rail, extension, fNumber, LocalNumbers(FixedText(setting.extensionMm, 12, 2)));
    if (setting.decimalsRaised)
        return QCoreApplication::translate("FocusSpread", "Réglez le rail sur %1 mm (tirage %2 mm), diaphragme %3 ; "
                                                          "%4 décimales pour ce tirage.")
            .arg(rail, extension, fNumber, QString::number(setting.input.decimals));
    return QCoreApplication::translate("FocusSpread", "Réglez le rail sur %1 mm (tirage %2 mm), diaphragme %3.")
        .arg(rail, extension, fNumber);
}

SpreadSharpness SharpnessOfSpread(const FocusSpreadResult &result, const FocusSpreadInput &input,
                                  long double wavelengthUm, BlurModel model)
{
    SpreadSharpness out;
    SpreadOptics optics;
    optics.gp = input.gp;
    optics.focalMm = input.fMm;
    optics.nearMm = result.nearImageMm;
    optics.farMm = result.farImageMm;
    optics.wavelengthUm = wavelengthUm;
    optics.model = model;
    out.optimum = OptimumFNumber(optics);
    out.usable = UsableFNumbers(optics, input.cMm);
    out.neededBlurMm = SpreadTotalBlurMm(optics, result.N);
    // The list's f-number nearest the optimum, by the ratio of the two: a
    // half stop either way counts the same.
    long double best = 0;
    for (int i = 0; i < input.fNumbers.size(); ++i) {
        const std::optional<long double> value = ReadNumber(input.fNumbers[i]);
        if (!value || !(*value > 0))
            continue;
        const long double distance = std::fabs(std::log(*value / out.optimum.N));
        if (out.nearestIndex < 0 || distance < best) {
            best = distance;
            out.nearestIndex = i;
        }
    }
    if (out.nearestIndex >= 0) {
        out.nearestText = input.fNumbers[out.nearestIndex];
        out.nearestBlurMm = SpreadTotalBlurMm(optics, *ReadNumber(out.nearestText));
    }
    return out;
}

QString SpreadSharpnessText(const SpreadSharpness &s, long double circleMm)
{
    const auto n = [](long double v) { return LocalNumbers(FixedText(v, 12, 2)); };
    const auto mm = [](long double v) { return LocalNumbers(FixedText(v, 12, 4)); };
    if (!s.usable)
        return QCoreApplication::translate("FocusSpread", "aucun diaphragme ne donne c : flou minimal %1 mm à f/%2")
            .arg(mm(s.optimum.blurMm), n(s.optimum.N));
    return QCoreApplication::translate("FocusSpread", "net à c = %1 mm de f/%2 à f/%3 ; le plus net à f/%4 (flou %5 mm)")
        .arg(LocalNumbers(FixedText(circleMm, 12, 3)), n(s.usable->minimum), n(s.usable->maximum), n(s.optimum.N),
             mm(s.optimum.blurMm));
}

} // namespace optolune
