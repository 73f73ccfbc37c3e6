#include "explanationtexts.h"

#include "core/language.h"
#include "core/numerictext.h"
#include "lists/listkind.h"

#include <QCoreApplication>

namespace optolune {

namespace {

Explanation tableExplanation()
{
    // The bounds the table window checks its fields against.
    // A parameter's line: its text with %1 and %2 for its bounds, as the
    // user's language writes numbers.
    const auto line = [](const char *text, long double minimum, long double maximum, int decimals) {
        return QCoreApplication::translate("ExplanationTexts", text)
            .arg(LocalNumbers(FixedText(minimum, 5, decimals)),
                 LocalNumbers(FixedText(maximum, 5, decimals)));
    };
    Explanation e;
    e.caption = QCoreApplication::translate("ExplanationTexts", "Table de profondeur de champ");
    e.width = ExplanationDesignWidth;
    e.height = ExplanationDesignHeight;
    e.lines = {
        QString(),
        QCoreApplication::translate("ExplanationTexts", "LES PARAMÈTRES"),
        QString(),
        line(QT_TRANSLATE_NOOP("ExplanationTexts",
                               "f distance focale(mm):   minimum %1,   maximum %2"),
             ValueLimits::FocMin, ValueLimits::FocMax, 3),
        line(QT_TRANSLATE_NOOP("ExplanationTexts",
                               "c diamètre du cercle de confusion(mm):   minimum %1,   maximum %2"),
             ValueLimits::CerMin, ValueLimits::CerMax, 3),
        line(QT_TRANSLATE_NOOP("ExplanationTexts",
                               "dn distance nodale(mm):   minimum %1,   maximum %2"),
             ValueLimits::NodMin, ValueLimits::NodMax, 1),
        line(QT_TRANSLATE_NOOP("ExplanationTexts",
                               "gp grandissement pupillaire:   minimum %1,   maximum %2"),
             ValueLimits::GpMin, ValueLimits::GpMax, 1),
    };
    return e;
}

Explanation variationsExplanation()
{
    Explanation e;
    e.caption =
        QCoreApplication::translate("ExplanationTexts", "Variations de la profondeur de champ");
    e.width = 580;
    e.height = 220;
    e.lines = {
        QCoreApplication::translate(
            "ExplanationTexts",
            "Lorsque la distance d de mise au point rapportée au plan du film est "
            "supérieure à 4f+dn, il existe théoriquement deux règlages permettant la "
            "mise au mise au point sur une distance donnée."),
        QCoreApplication::translate(
            "ExplanationTexts",
            "L'un des règlages correspond à un grandissement v/u supérieur à 1, "
            "l'autre à un grandissement v/u inférieur à 1. "),
        QCoreApplication::translate(
            "ExplanationTexts", "Le cas ou la case Macro est cochée, correspond au premier cas."),
        QCoreApplication::translate(
            "ExplanationTexts",
            "Remarquez l'inversion des valeurs u et v lorsque vous basculez d'un cas "
            "à l'autre."),
        QCoreApplication::translate("ExplanationTexts", "Les deux grandissements sont inverses."),
        QCoreApplication::translate(
            "ExplanationTexts", "Dans le premier cas, u appartient à l'intervalle [f,2f] , v est "
                                "supérieur ou égal à 2f."),
        QCoreApplication::translate(
            "ExplanationTexts",
            "Dans le deuxième cas, u est supérieur ou égal à 2f et v appartient à "
            "l'intervalle [f,2f]. "),
        QCoreApplication::translate("ExplanationTexts",
                                    "Le grandissement est égal à 1 lorsque u=v=2f."),
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
