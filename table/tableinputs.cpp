#include "tableinputs.h"

#include "core/messages.h"
#include "core/numerictext.h"
#include "core/showntext.h"
#include "lists/listkind.h"
#include "tablefiles.h"
#include "tablestate.h"

#include <algorithm>

namespace optolune {

bool ValidateTableFields(TableState &state)
{
    state.pupil = DecimalCommaText(std::move(state.pupil));
    NumericField::Fit(state.pupil, 12, 3, 0.1L, 5, true);
    if (state.nodal.isEmpty())
        state.nodal = QStringLiteral("0,0");
    state.nodal = DecimalCommaText(std::move(state.nodal));
    NumericField::Fit(state.nodal, 12, 1, -150, 150, true);
    state.circle = DecimalCommaText(std::move(state.circle));
    NumericField::Fit(state.circle, 12, 3, ValueLimits::CerMin, ValueLimits::CerMax, true);
    state.focal = DecimalCommaText(std::move(state.focal));
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
        result.fault =
            QStringLiteral("Borne des décimales incorrecte : '%1'").arg(ShownText(state.bound));
        return result;
    }
    in.bound = *bound;

    // Items of a hand-edited or damaged file may be no number, or a number
    // the optics turn into nonsense (an f-number of 0, a distance of 1E308):
    // the table names the first such item and computes nothing.
    struct ListRule {
        const char *name;
        long double minimum, maximum;
        int decimals;
    };
    auto readList = [&result](const QStringList &texts, int count, const ListRule &rule,
                              std::vector<long double> &values) {
        values.reserve(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) {
            const QString &text = texts[i];
            const auto value = ReadNumber(text);
            if (!value) {
                result.fault = QStringLiteral("La liste des %1 contient une valeur incorrecte : '%2'")
                                   .arg(QLatin1String(rule.name), ShownText(text));
                return false;
            }
            if (*value < rule.minimum || *value > rule.maximum) {
                result.fault =
                    QStringLiteral("La liste des %1 contient une valeur hors de l'intervalle %2 : '%3'")
                        .arg(QLatin1String(rule.name),
                             RangeText(rule.minimum, rule.maximum, rule.decimals), ShownText(text));
                return false;
            }
            values.push_back(*value);
        }
        return true;
    };
    // The f-numbers of the list editor; distances down to 0, which the editor
    // writes for a typed distance below 0,005 m (its row stays empty).
    if (!readList(state.fNumbers, static_cast<int>(state.fNumbers.size()),
                  {"diaphragmes", ValueLimits::DiaMin, ValueLimits::DiaMax, ListDecimals(ListKind::Dia)},
                  in.fNumbers))
        return result;
    if (!readList(state.distances, ShownDistanceCount(state),
                  {"distances", 0, ValueLimits::DistMax, ListDecimals(ListKind::Dis)}, in.distances))
        return result;
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
