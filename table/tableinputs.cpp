#include "tableinputs.h"

#include "core/messages.h"
#include "core/procs.h"
#include "lists/listkind.h"
#include "tablefiles.h"
#include "tablestate.h"

#include <algorithm>

namespace optolune {

namespace {

// The fields accept a typed '.' for the decimal comma.
void commaForPoint(QString &text) { text.replace(u'.', u','); }

} // namespace

bool ValidateTableFields(TableState &state)
{
    commaForPoint(state.pupil);
    NumericField::Fit(state.pupil, 12, 3, 0.1L, 5, true);
    if (state.nodal.isEmpty())
        state.nodal = QStringLiteral("0,0");
    commaForPoint(state.nodal);
    NumericField::Fit(state.nodal, 12, 1, -150, 150, true);
    commaForPoint(state.circle);
    NumericField::Fit(state.circle, 12, 3, ValueLimits::CerMin, ValueLimits::CerMax, true);
    commaForPoint(state.focal);
    NumericField::Fit(state.focal, 12, 1, ValueLimits::FocMin, ValueLimits::FocMax, true);
    // The file-name prefix shows the repaired focal length and circle.
    state.namePrefix = BuildNamePrefix(state);
    if (state.distances.isEmpty()) {
        messages().information(QStringLiteral("Créez une liste des distances"));
        return false;
    }
    if (state.fNumbers.isEmpty()) {
        messages().information(QStringLiteral("Créez une liste des diaphragmes"));
        return false;
    }
    return true;
}

int ShownDistanceCount(const TableState &state)
{
    const int n = static_cast<int>(state.distances.size());
    return state.horizontal ? std::min(n, kMaxDistancesAcross) : n;
}

InputsResult ReadTableInputs(const TableState &state)
{
    InputsResult result;
    TableInputs in;
    const auto circle = ReadNumber(state.circle);
    const auto focal = ReadNumber(state.focal);
    const auto nodal = ReadNumber(state.nodal);
    const auto pupil = ReadNumber(state.pupil);
    if (!circle || !focal || !nodal || !pupil) {
        // Only a state that skipped the validation gets here.
        result.fault = QStringLiteral("Paramètres de l'objectif incorrects");
        return result;
    }
    in.circleMm = *circle;
    in.focalMm = *focal;
    in.setup.c = *circle / 1000;
    in.setup.f = *focal / 1000;
    in.setup.dn = *nodal / 1000;
    in.setup.gp = *pupil;

    const auto bound = ReadNumber(state.bound);
    if (!bound) {
        result.fault = QStringLiteral("Borne des décimales incorrecte : '%1'").arg(state.bound);
        return result;
    }
    in.bound = *bound;

    in.fNumbers.reserve(static_cast<size_t>(state.fNumbers.size()));
    for (const QString &text : state.fNumbers) {
        const auto value = ReadNumber(text);
        if (!value) {
            result.fault =
                QStringLiteral("La liste des diaphragmes contient une valeur incorrecte : '%1'")
                    .arg(text);
            return result;
        }
        in.fNumbers.push_back(*value);
    }
    const int nDist = ShownDistanceCount(state);
    in.distances.reserve(static_cast<size_t>(nDist));
    for (int i = 0; i < nDist; ++i) {
        const QString &text = state.distances[i];
        const auto value = ReadNumber(text);
        if (!value) {
            result.fault =
                QStringLiteral("La liste des distances contient une valeur incorrecte : '%1'")
                    .arg(text);
            return result;
        }
        in.distances.push_back(*value);
    }
    in.decimals = std::clamp(state.decimalsIndex, 0, 8);
    in.horizontal = state.horizontal;
    in.fromFilm = state.fromFilm;
    in.showP = state.showP;
    in.showAB = state.showAB;
    in.showH = state.showH;
    in.showGT = state.showGT;
    result.inputs = std::move(in);
    return result;
}

} // namespace optolune
