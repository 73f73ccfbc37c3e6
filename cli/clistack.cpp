#include "clistack.h"

#include "clicommon.h"
#include "clitable.h"
#include "core/language.h"
#include "core/numerictext.h"
#include "lists/listkind.h"
#include "table/tablemodel.h"
#include "variations/focusstack.h"
#include "variations/variationsfields.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cmath>
#include <optional>

namespace optolune {

namespace {

struct StackOptions {
    bool help = false;
    bool csv = false;
    int decimals = 3;
    StackInput input;
};

StackOptions parseStack(const QStringList &args)
{
    StackOptions o;
    StackInput &in = o.input;
    // The variations window's opening lens: the test lens at gp 1,1, f/8.
    CliLens lens = CliOpeningLens();
    in.N = 8;
    std::optional<long double> railInfinity, railNear, railFar, nearM, farM;
    CliOptionReader options(args, {"focal", "gp", "nodal", "circle", "origin", "f-number", "overlap",
                                   "rail-infinity", "rail-near", "rail-far", "near", "far",
                                   "wavelength", "blur", "decimals"});
    using namespace ValueLimits;
    while (options.next()) {
        const QString &name = options.name();
        if (!options.takesValue()) {
            if (name == u"csv")
                o.csv = true;
            else if (name == u"macro")
                in.macro = true;
            else if (name == u"diffraction")
                in.diffraction = true;
            else
                options.refuseUnknown();
            continue;
        }
        const QString v = options.value();
        if (CliReadLensOption(name, v, lens))
            continue;
        if (name == u"f-number")
            in.N = CliNumberIn(name, v, DiaMin, DiaMax, 1);
        else if (name == u"overlap")
            in.overlap = CliNumberIn(name, v, kOverlapMin, kOverlapMax, 2);
        else if (name == u"rail-infinity")
            railInfinity = *ReadNumber(CliNumber(name, v));
        else if (name == u"rail-near")
            railNear = *ReadNumber(CliNumber(name, v));
        else if (name == u"rail-far")
            railFar = *ReadNumber(CliNumber(name, v));
        else if (name == u"near")
            nearM = CliNumberIn(name, v, VariationsLimits::DistCheckMin, VariationsLimits::DistMax, 2);
        else if (name == u"far")
            farM = v == u"inf" ? INFINITY
                               : CliNumberIn(name, v, VariationsLimits::DistCheckMin,
                                             VariationsLimits::DistMax, 2);
        else if (name == u"wavelength")
            in.wavelengthUm = CliWavelength(v);
        else if (name == u"blur")
            in.model = CliBlurModel(v);
        else if (name == u"origin")
            in.fromFilm = CliFromFilm(v);
        else if (name == u"decimals")
            o.decimals = CliDecimals(v);
    }
    o.help = options.help();
    if (o.help)
        return o;
    CliSetLens(in, lens);
    const bool readings = railInfinity || railNear || railFar;
    const bool distances = nearM || farM;
    if (readings == distances)
        throw UsageError{QCoreApplication::translate(
            "CliStack",
            "Donnez les sujets d'une seule façon : --rail-infinity, --rail-near et --rail-far, "
            "ou --near et --far")};
    if (readings) {
        if (!railInfinity || !railNear || !railFar)
            throw UsageError{QCoreApplication::translate(
                "CliStack",
                "--rail-infinity, --rail-near et --rail-far vont ensemble : il en manque")};
        in.readings = StackInput::Readings{*railInfinity, *railNear, *railFar};
    } else {
        if (!nearM || !farM)
            throw UsageError{QCoreApplication::translate(
                "CliStack", "--near et --far vont ensemble : il en manque")};
        in.nearM = *nearM;
        in.farM = *farM;
    }
    return o;
}

int runStack(const StackOptions &o, QTextStream &out, QTextStream &err)
{
    const StackPlan plan = PlanFocusStack(o.input);
    if (plan.status == StackStatus::BadInput) {
        PrintUsageError(err, plan.message, QStringLiteral("stack"));
        return kCliBadUsage;
    }
    if (plan.status == StackStatus::Impossible) {
        CliSay(err, plan.message);
        return kCliFailed;
    }
    PrintColumns(out, StackPlanTable(plan, o.decimals), o.csv);
    out.flush();
    return kCliOk;
}

} // namespace

QString StackHelpText()
{
    return QCoreApplication::translate(
        "CliStack",
        "Usage : optolune-cli stack [options]\n"
        "\n"
        "Plan d'un empilement de mises au point : combien de vues, où placer le rail\n"
        "et ce que chaque vue tient net, quand une seule vue ne tient pas un sujet\n"
        "proche et un sujet lointain. Le plan se fait du côté de l'image, comme\n"
        "l'écart de mise au point : les vues se partagent l'étendue des tirages en\n"
        "rapports égaux, chaque film à la moyenne harmonique de son étendue, et chaque\n"
        "vue est prévue pour un flou de o c (o : facteur de recouvrement) afin que les\n"
        "zones nettes se recouvrent. C'est le standard arrière qui met au point : la\n"
        "distance d'une vue au film se mesure depuis la position du film de cette vue.\n"
        "Les nombres s'écrivent avec une virgule décimale (un point est accepté).\n"
        "\n"
        "Objectif (par défaut l'objectif test de la fenêtre des variations) :\n"
        "  --focal <mm>            focale (148,1)\n"
        "  --gp <valeur>           grandissement pupillaire (1,1)\n"
        "  --nodal <mm>            distance nodale (24,8)\n"
        "  --circle <mm>           diamètre du cercle de confusion (0,100)\n"
        "  --origin film|lens      distances rapportées au plan du film (film, par\n"
        "                          défaut) ou à l'objectif\n"
        "  --macro                 des deux mises au point d'une distance au film, celle\n"
        "                          dont le grandissement dépasse 1\n"
        "  --f-number <N>          diaphragme (8), de 1 à 256\n"
        "  --overlap <o>           facteur de recouvrement, de 0,5 à 1 (0,8)\n"
        "\n"
        "Les sujets, d'une de ces deux façons :\n"
        "  --rail-infinity <mm>    lecture du rail, mise au point sur l'infini\n"
        "  --rail-near <mm>        lecture du rail, mise au point sur le sujet proche\n"
        "  --rail-far <mm>         lecture du rail, mise au point sur le sujet lointain\n"
        "  --near <m>              distance du sujet proche\n"
        "  --far <m|inf>           distance du sujet lointain (inf : l'infini)\n"
        "\n"
        "Diffraction :\n"
        "  --diffraction           le plan utilise le cercle que laisse la diffraction\n"
        "                          au tirage le plus long (le plus petit de l'étendue)\n"
        "  --wavelength <µm>       longueur d'onde, de 0,40 à 0,70 (0,55), 4 décimales\n"
        "                          au plus\n"
        "  --blur rss|sum          flou total : racine de la somme des carrés du flou\n"
        "                          de mise au point et de la diffraction (rss, par\n"
        "                          défaut) ou leur somme (sum, plus sévère)\n"
        "\n"
        "Sortie :\n"
        "  --decimals <n>          décimales des distances, de 0 à 8 (3)\n"
        "  --csv                   CSV pour un tableur français : vue;rail;distance;\n"
        "                          proche;lointain (sans --csv : colonnes alignées)\n"
        "  -h, --help              affiche cette aide\n"
        "\n"
        "Une ligne par vue, de la plus lointaine à la plus proche : le numéro de la\n"
        "vue, la lecture du rail (mm, vide quand les sujets sont donnés en distances),\n"
        "la distance de mise au point et les limites proche et lointaine (m ; inf :\n"
        "net jusqu'à l'infini).\n"
        "\n"
        "Code de sortie : 0 plan affiché, 1 aucun plan possible (la raison sur la\n"
        "sortie d'erreur), 2 commande, option ou valeur incorrecte.\n");
}

int RunStackCli(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    return RunSubcommandOn(arguments, out, err, QStringLiteral("stack"), StackHelpText, parseStack,
                           [&](StackOptions &o) { return runStack(o, out, err); });
}

} // namespace optolune
