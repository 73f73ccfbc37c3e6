#include "clispread.h"

#include "clicommon.h"
#include "clitable.h"
#include "core/language.h"
#include "core/numerictext.h"
#include "lists/listkind.h"
#include "variations/focusspread.h"
#include "variations/variationsfields.h"

#include <QCoreApplication>
#include <QTextStream>
#include <optional>

namespace optolune {

namespace {

struct SpreadOptions {
    bool help = false;
    bool csv = false;
    int decimals = 3;
    FocusSpreadInput input; // its f-numbers are read when the command runs
    std::optional<QString> fNumbers;
    long double wavelengthUm = kWavelengthDefaultUm;
    BlurModel model = BlurModel::RootSumSquare;
};

SpreadOptions parseSpread(const QStringList &args)
{
    SpreadOptions o;
    FocusSpreadInput &in = o.input;
    // The variations window's opening lens: the test lens at gp 1,1.
    CliLens lens = CliOpeningLens();
    std::optional<QString> fNumbers, railInfinity, railNear, railFar;
    CliOptionReader options(args, {"focal", "gp", "nodal", "circle", "origin", "f-numbers", "decimals",
                                   "rail-infinity", "rail-near", "rail-far", "wavelength", "blur"});
    using namespace ValueLimits;
    while (options.next()) {
        const QString &name = options.name();
        if (!options.takesValue()) {
            if (name == u"csv")
                o.csv = true;
            else
                options.refuseUnknown();
            continue;
        }
        const QString v = options.value();
        if (CliReadLensOption(name, v, lens))
            continue;
        if (name == u"f-numbers")
            fNumbers = v;
        else if (name == u"rail-infinity")
            railInfinity = CliNumber(name, v);
        else if (name == u"rail-near")
            railNear = CliNumber(name, v);
        else if (name == u"rail-far")
            railFar = CliNumber(name, v);
        else if (name == u"wavelength")
            o.wavelengthUm = CliWavelength(v);
        else if (name == u"blur")
            o.model = CliBlurModel(v);
        else if (name == u"origin")
            in.fromFilm = CliFromFilm(v);
        else if (name == u"decimals")
            o.decimals = CliDecimals(v);
    }
    o.help = options.help();
    if (o.help)
        return o;
    CliSetLens(in, lens);
    if (!railInfinity || !railNear || !railFar)
        throw UsageError{QCoreApplication::translate(
            "CliSpread", "--rail-infinity, --rail-near et --rail-far sont nécessaires : les trois "
                         "lectures du rail")};
    in.infinityReading = *railInfinity;
    in.nearReading = *railNear;
    in.farReading = *railFar;
    o.fNumbers = fNumbers;
    return o;
}

int runSpread(SpreadOptions &o, QTextStream &out, QTextStream &err)
{
    o.input.fNumbers = CliFNumbers(o.fNumbers, err);
    const FocusSpreadResult r = ComputeFocusSpread(o.input);
    if (!r.settingFound) {
        CliSay(err, r.error);
        return kCliFailed;
    }
    const SpreadSharpness s = SharpnessOfSpread(r, o.input, o.wavelengthUm, o.model);
    const auto n = [](long double v) { return FixedText(v, 12, 2); };
    ResultRows rows{
        {QStringLiteral("rail"), FixedText(r.railReadingMm, 12, 2),
         QCoreApplication::translate("CliSpread", "réglage du rail (mm)")},
        {QStringLiteral("N"), n(r.N),
         QCoreApplication::translate("CliSpread",
                                     "diaphragme que demande l'écart, sans diffraction")},
        {QCoreApplication::translate("CliSpread", "N optimal"), n(s.optimum.N),
         QCoreApplication::translate("CliSpread",
                                     "diaphragme le plus net, la diffraction comptée")},
        {QCoreApplication::translate("CliSpread", "flou optimal"),
         FixedText(s.optimum.blurMm, 12, 4),
         QCoreApplication::translate("CliSpread", "flou total aux deux sujets à N optimal (mm)")},
        {QCoreApplication::translate("CliSpread", "N min"),
         s.usable ? n(s.usable->minimum) : QString(),
         QCoreApplication::translate(
             "CliSpread", "plus petit diaphragme dont le flou total reste dans c (vide : aucun)")},
        {QCoreApplication::translate("CliSpread", "N max"),
         s.usable ? n(s.usable->maximum) : QString(),
         QCoreApplication::translate(
             "CliSpread", "plus grand diaphragme dont le flou total reste dans c (vide : aucun)")},
        {QCoreApplication::translate("CliSpread", "N liste"), r.fNumberText,
         QCoreApplication::translate("CliSpread",
                                     "diaphragme de la liste qui atteint N (vide : aucun)")},
        {QCoreApplication::translate("CliSpread", "N liste optimal"), s.nearestText,
         QCoreApplication::translate("CliSpread",
                                     "diaphragme de la liste le plus proche de N optimal")},
        {QCoreApplication::translate("CliSpread", "distance"),
         FixedText(r.distance, 12, o.decimals),
         o.input.fromFilm ? QCoreApplication::translate(
                                "CliSpread", "distance de mise au point depuis le film (m)")
                          : QCoreApplication::translate(
                                "CliSpread", "distance de mise au point depuis l'objectif (m)")},
    };
    PrintResults(out, rows, o.csv);
    out.flush();
    if (!s.usable) {
        CliSay(err, SpreadSharpnessText(s, o.input.cMm));
    }
    return kCliOk;
}

} // namespace

QString SpreadHelpText()
{
    return QCoreApplication::translate(
        "CliSpread",
        "Usage : optolune-cli spread [options]\n"
        "\n"
        "L'écart de mise au point d'une chambre, la diffraction comptée : d'après trois\n"
        "lectures du rail (à l'infini, mise au point sur le sujet proche, sur le sujet\n"
        "lointain), où placer le standard, le diaphragme que demande l'écart, et le\n"
        "diaphragme le plus net quand la diffraction compte (méthode de Hansma et\n"
        "Peterson, 1996). Le film est à la moyenne harmonique des deux images, où le\n"
        "flou de mise au point est le même aux deux sujets : (gp f / N) (an - af) /\n"
        "(an + af), les images an et af mesurées depuis la pupille de sortie. La\n"
        "diffraction ajoute la tache d'Airy 2,44 lambda N (1 + G/gp) ; le flou total est\n"
        "la racine de la somme des carrés des deux (ou leur somme). Il est le plus petit\n"
        "quand les deux sont égaux : N optimal = gp f racine((an - af) / (4,88 lambda\n"
        "an af)). Les nombres s'écrivent avec une virgule décimale (un point est\n"
        "accepté).\n"
        "\n"
        "Objectif (par défaut l'objectif test de la fenêtre des variations) :\n"
        "  --focal <mm>            focale (148,1)\n"
        "  --gp <valeur>           grandissement pupillaire (1,1)\n"
        "  --nodal <mm>            distance nodale (24,8)\n"
        "  --circle <mm>           diamètre du cercle de confusion (0,100)\n"
        "  --origin film|lens      distance rapportée au plan du film (film, par défaut)\n"
        "                          ou à l'objectif\n"
        "  --f-numbers <liste>     diaphragmes disponibles, séparés par ';' ou des\n"
        "                          espaces (par défaut la liste par défaut)\n"
        "  --decimals <n>          décimales de la distance, de 0 à 8 (3)\n"
        "\n"
        "Lectures du rail (mm, croissant avec le tirage) :\n"
        "  --rail-infinity <mm>    mise au point sur l'infini\n"
        "  --rail-near <mm>        mise au point sur le sujet proche\n"
        "  --rail-far <mm>         mise au point sur le sujet lointain\n"
        "\n"
        "Diffraction :\n"
        "  --wavelength <µm>       longueur d'onde, de 0,40 à 0,70 (0,55), 4 décimales\n"
        "                          au plus\n"
        "  --blur rss|sum          flou total : racine de la somme des carrés (rss, par\n"
        "                          défaut) ou somme (sum, plus sévère)\n"
        "\n"
        "Sortie :\n"
        "  --csv                   CSV pour un tableur français : Résultat;Valeur;\n"
        "                          Signification (sans --csv : colonnes alignées)\n"
        "  -h, --help              affiche cette aide\n"
        "\n"
        "Résultats : rail (mm), N (le diaphragme que demande l'écart), N optimal, flou\n"
        "optimal (mm), N min et N max (les diaphragmes dont le flou total reste dans c,\n"
        "vides quand il n'y en a aucun : le message dit alors le flou minimal), N liste\n"
        "(le diaphragme de la liste qui atteint N), N liste optimal (celui de la liste\n"
        "le plus proche de N optimal) et la distance de mise au point (m).\n"
        "\n"
        "Code de sortie : 0 résultats affichés, 1 lectures sans mise au point possible,\n"
        "2 commande, option ou valeur incorrecte.\n");
}

int RunSpreadCli(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    return RunSubcommandOn(arguments, out, err, QStringLiteral("spread"), SpreadHelpText,
                           parseSpread, [&](SpreadOptions &o) { return runSpread(o, out, err); });
}

} // namespace optolune
