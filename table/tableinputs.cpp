#include "tableinputs.h"

#include "core/lensfields.h"
#include "core/numerictext.h"
#include "core/showntext.h"
#include "lists/listkind.h"
#include "tablefiles.h"
#include "tablestate.h"

#include <QCoreApplication>
#include <algorithm>

namespace optolune {

TableReport ValidateTableFields(TableState &state)
{
    TableReport report;
    // The table takes an empty nodal distance for 0 (the calculator for its
    // minimum).
    if (state.nodal.isEmpty())
        state.nodal = QStringLiteral("0,0");
    report.messages = FitLensFields(state.pupil, state.nodal, state.circle, state.focal);
    // The file-name prefix shows the repaired focal length and circle.
    state.namePrefix = BuildNamePrefix(state);
    if (state.distances.isEmpty()) {
        report.say(Notice::Kind::Information,
                   QCoreApplication::translate("TableInputs", "Créez une liste des distances"));
        return report;
    }
    if (state.fNumbers.isEmpty()) {
        report.say(Notice::Kind::Information,
                   QCoreApplication::translate("TableInputs", "Créez une liste des diaphragmes"));
        return report;
    }
    report.done = true;
    return report;
}

FocusCells::FocusCells(const TableInputs &in, long double D)
    : m_setup(in.setup), m_circleMm(in.circleMm), m_wavelengthUm(in.wavelengthUm),
      m_blurModel(in.blurModel), m_fromFilm(in.fromFilm), m_diffraction(in.diffraction), m_D(D)
{
    if (in.diffraction)
        m_G = FocusMagnification(in.setup, D, in.fromFilm);
}

TableCell FocusCells::at(long double N) const
{
    TableCell cell;
    OpticalSetup setup = m_setup;
    setup.N = N;
    if (m_diffraction) {
        if (!m_G)
            return cell; // out of focus
        const long double disc = DiffractionBlurMm(m_wavelengthUm, WorkingFNumber(N, *m_G, setup.gp));
        const std::optional<long double> effective = EffectiveCircleMm(m_circleMm, disc, m_blurModel);
        if (!effective) {
            cell.nothingSharp = true;
            return cell;
        }
        setup.c = *effective / 1000;
    }
    cell.depth = m_fromFilm ? ComputeCellDepthFromFilm(setup, m_D)
                               : ComputeCellDepthFromLens(setup, m_D);
    return cell;
}

std::optional<OpticalSetup> SpecialRowsSetup(const TableInputs &in, long double N)
{
    OpticalSetup setup = in.setup;
    setup.N = N;
    if (in.diffraction) {
        const std::optional<long double> effective = EffectiveCircleMm(
            in.circleMm, DiffractionBlurMm(in.wavelengthUm, WorkingFNumber(N, 0, setup.gp)),
            in.blurModel);
        if (!effective)
            return std::nullopt;
        setup.c = *effective / 1000;
    }
    return setup;
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
        result.fault =
            QCoreApplication::translate("TableInputs", "Paramètres de l'objectif incorrects");
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
            QCoreApplication::translate("TableInputs", "Borne des décimales incorrecte : '%1'")
                .arg(ShownText(state.bound));
        return result;
    }
    in.bound = *bound;

    // Items of a hand-edited or damaged file may be no number, or a number
    // the optics turn into nonsense (an f-number of 0, a distance of 1E308):
    // the table names the first such item and computes nothing.
    struct ListRule {
        bool fNumbers; // names the list in its messages
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
                result.fault =
                    (rule.fNumbers
                         ? QCoreApplication::translate(
                               "TableInputs",
                               "La liste des diaphragmes contient une valeur incorrecte : '%1'")
                         : QCoreApplication::translate(
                               "TableInputs",
                               "La liste des distances contient une valeur incorrecte : '%1'"))
                        .arg(ShownText(text));
                return false;
            }
            if (*value < rule.minimum || *value > rule.maximum) {
                result.fault =
                    (rule.fNumbers
                         ? QCoreApplication::translate("TableInputs",
                                                       "La liste des diaphragmes contient une "
                                                       "valeur hors de l'intervalle %1 : '%2'")
                         : QCoreApplication::translate("TableInputs",
                                                       "La liste des distances contient une "
                                                       "valeur hors de l'intervalle %1 : '%2'"))
                        .arg(RangeText(rule.minimum, rule.maximum, rule.decimals), ShownText(text));
                return false;
            }
            values.push_back(*value);
        }
        return true;
    };
    // The f-numbers of the list editor; distances down to 0, which the editor
    // writes for a typed distance below 0,005 m (its row stays empty).
    if (!readList(state.fNumbers, static_cast<int>(state.fNumbers.size()),
                  {true, ValueLimits::DiaMin, ValueLimits::DiaMax, ListDecimals(ListKind::Dia)},
                  in.fNumbers))
        return result;
    if (!readList(state.distances, ShownDistanceCount(state),
                  {false, 0, ValueLimits::DistMax, ListDecimals(ListKind::Dis)}, in.distances))
        return result;
    in.decimals = std::clamp(state.decimalsIndex, 0, 8);
    in.horizontal = state.horizontal;
    in.fromFilm = state.fromFilm;
    in.showP = state.showP;
    in.showAB = state.showAB;
    in.showH = state.showH;
    in.showGT = state.showGT;
    in.diffraction = state.diffraction;
    in.wavelengthUm = state.wavelengthUm;
    in.blurModel = state.blurModel;
    result.inputs = std::move(in);
    return result;
}

} // namespace optolune
