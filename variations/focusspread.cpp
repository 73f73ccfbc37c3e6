#include "focusspread.h"

#include "variationsfields.h"
#include "core/procs.h"
#include "lists/listkind.h"

#include <cmath>
#include <optional>

namespace optolune {

namespace {

// A typed text quoted in a message: shortened, control characters shown as
// codes.
QString quoted(const QString &text)
{
    constexpr int kShown = 24;
    QString shown;
    for (const QChar c : text.left(kShown)) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar(u'0'));
        else
            shown += c;
    }
    if (text.size() > kShown)
        shown += QStringLiteral("...");
    return u'\'' + shown + u'\'';
}

std::optional<long double> readReading(QString text)
{
    text.replace(u'.', u',');
    const std::optional<long double> value = ReadNumber(text);
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
    Reading readings[] = {{&in.infinityReading, "à l'infini"},
                          {&in.nearReading, "au point proche"},
                          {&in.farReading, "au point éloigné"}};
    for (Reading &r : readings) {
        const auto value = readReading(*r.text);
        if (!value) {
            out.error = QStringLiteral("Lecture %1 illisible : %2. Saisissez un nombre de millimètres.")
                            .arg(QString::fromUtf8(r.label), quoted(*r.text));
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
        out.error = QStringLiteral(
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

    if (!std::isfinite(out.N) || !std::isfinite(out.u) || !std::isfinite(out.distance)) {
        out.error = QStringLiteral("Lectures incohérentes : aucun réglage ne correspond.");
        return out;
    }
    if (out.N < ValueLimits::DiaMin || out.N > ValueLimits::DiaMax) {
        out.error = QStringLiteral("Le diaphragme nécessaire, %1, est hors intervalle %2")
                        .arg(FixedText(out.N, 5, 2), RangeText(ValueLimits::DiaMin, ValueLimits::DiaMax, 1));
        return out;
    }
    if (out.distance < VariationsLimits::DistCheckMin || out.distance > VariationsLimits::DistMax) {
        out.error = QStringLiteral("La distance de mise au point, %1 m, est hors intervalle %2")
                        .arg(FixedText(out.distance, 10, 3),
                             RangeText(VariationsLimits::DistCheckMin, VariationsLimits::DistMax, 2));
        return out;
    }
    long double best = 0;
    for (int i = 0; i < in.fNumbers.size(); ++i) {
        const std::optional<long double> value = ReadNumber(in.fNumbers[i]);
        if (value && *value >= out.N && (out.fNumberIndex < 0 || *value < best)) {
            best = *value;
            out.fNumberIndex = i;
        }
    }
    if (out.fNumberIndex < 0) {
        out.error = QStringLiteral("Aucun diaphragme de la liste n'atteint %1 : ajoutez-en un à la liste des diaphragmes.")
                        .arg(FixedText(out.N, 5, 2));
        return out;
    }
    out.fNumberText = in.fNumbers[out.fNumberIndex];
    return out;
}

} // namespace optolune
