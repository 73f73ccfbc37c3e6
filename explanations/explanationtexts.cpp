#include "explanationtexts.h"

#include "core/numerictext.h"
#include "lists/listkind.h"

namespace optolune {

namespace {

Explanation tableExplanation()
{
    // The focal bounds and the largest circle are the ones the table window
    // checks its fields against; the other bounds are those of its dn and gp
    // fields and of the smallest circle.
    const auto limits = [](long double minimum, long double maximum, int decimals) {
        return QStringLiteral("   minimum ") + FixedText(minimum, 5, decimals) +
               QStringLiteral(",   maximum ") + FixedText(maximum, 5, decimals);
    };
    Explanation e;
    e.caption = QStringLiteral("Table de profondeur de champ");
    e.width = ExplanationDesignWidth;
    e.height = ExplanationDesignHeight;
    e.lines = {
        QString(),
        QStringLiteral("LES PARAMÈTRES"),
        QString(),
        QStringLiteral("f distance focale(mm):") +
            limits(ValueLimits::FocMin, ValueLimits::FocMax, 3),
        QStringLiteral("c diamètre du cercle de confusion(mm):") +
            limits(0.005L, ValueLimits::CerMax, 3),
        QStringLiteral("dn distance nodale(mm):") + limits(-150, 150, 1),
        QStringLiteral("gp grandissement pupillaire:") + limits(0.1L, 5, 1),
    };
    return e;
}

Explanation variationsExplanation()
{
    Explanation e;
    e.caption = QStringLiteral("Variations de la profondeur de champ");
    e.width = 580;
    e.height = 220;
    e.lines = {
        QStringLiteral("Lorsque la distance d de mise au point rapportée au plan du film est "
                       "supérieure à 4f+dn, il existe théoriquement deux règlages permettant la "
                       "mise au mise au point sur une distance donnée."),
        QStringLiteral("L'un des règlages correspond à un grandissement v/u supérieur à 1, "
                       "l'autre à un grandissement v/u inférieur à 1. "),
        QStringLiteral("Le cas ou la case Macro est cochée, correspond au premier cas."),
        QStringLiteral("Remarquez l'inversion des valeurs u et v lorsque vous basculez d'un cas "
                       "à l'autre."),
        QStringLiteral("Les deux grandissements sont inverses."),
        QStringLiteral("Dans le premier cas, u appartient à l'intervalle [f,2f] , v est "
                       "supérieur ou égal à 2f."),
        QStringLiteral("Dans le deuxième cas, u est supérieur ou égal à 2f et v appartient à "
                       "l'intervalle [f,2f]. "),
        QStringLiteral("Le grandissement est égal à 1 lorsque u=v=2f."),
    };
    return e;
}

} // namespace

std::optional<Explanation> ComposeExplanation(const QString &tag)
{
    if (tag == QLatin1String("table"))
        return tableExplanation();
    if (tag == QLatin1String("calcprofisol"))
        return variationsExplanation();
    return std::nullopt;
}

} // namespace optolune
