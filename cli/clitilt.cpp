#include "clitilt.h"

#include "clicommon.h"
#include "clitable.h"
#include "core/language.h"
#include "core/numerictext.h"
#include "tilt/tiltcalc.h"

#include <QCoreApplication>
#include <QTextStream>
#include <optional>

namespace optolune {

namespace {

struct TiltOptions {
    bool help = false;
    bool csv = false;
    TiltInputs inputs;
};

long double numberOf(const QString &option, const QString &value)
{
    return *ReadNumber(CliNumber(option, value));
}

TiltOptions parseTilt(const QStringList &args)
{
    TiltOptions o;
    std::optional<long double> focal, railNear, railFar, separation, height, tilt, film, plane,
        fNumber, circle, at;
    const QStringList valued = {QStringLiteral("focal"),         QStringLiteral("rail-near"),
                                QStringLiteral("rail-far"),      QStringLiteral("separation"),
                                QStringLiteral("height"),        QStringLiteral("tilt"),
                                QStringLiteral("film-distance"), QStringLiteral("plane-angle"),
                                QStringLiteral("f-number"),      QStringLiteral("circle"),
                                QStringLiteral("at")};
    const std::pair<const char16_t *, std::optional<long double> *> fields[] = {
        {u"focal", &focal},         {u"rail-near", &railNear},     {u"rail-far", &railFar},
        {u"separation", &separation}, {u"height", &height},        {u"tilt", &tilt},
        {u"film-distance", &film},  {u"plane-angle", &plane},      {u"f-number", &fNumber},
        {u"circle", &circle},       {u"at", &at}};
    CliOptionReader options(args, valued);
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
        for (const auto &[fieldName, field] : fields)
            if (name == fieldName)
                *field = numberOf(name, v);
    }
    o.help = options.help();
    if (o.help)
        return o;

    TiltInputs &in = o.inputs;
    if (!focal)
        throw UsageError{QCoreApplication::translate(
            "CliTilt", "--focal manque : la focale de l'objectif (mm)")};
    in.focalMm = *focal;
    const bool readings = railNear || railFar || separation;
    const int sources = int(readings) + int(height.has_value()) + int(tilt.has_value());
    if (sources != 1)
        throw UsageError{QCoreApplication::translate(
            "CliTilt",
            "Donnez la bascule d'une seule façon : --rail-near, --rail-far et --separation, "
            "ou --height, ou --tilt")};
    if (readings) {
        if (!railNear || !railFar || !separation)
            throw UsageError{QCoreApplication::translate(
                "CliTilt", "--rail-near, --rail-far et --separation vont ensemble : il en manque")};
        in.tiltFrom = TiltInputs::TiltFrom::Readings;
        in.railNearMm = *railNear;
        in.railFarMm = *railFar;
        in.separationMm = *separation;
    } else if (height) {
        in.tiltFrom = TiltInputs::TiltFrom::Height;
        in.heightM = *height;
    } else {
        in.tiltFrom = TiltInputs::TiltFrom::Angle;
        in.tiltDeg = *tilt;
    }
    if (film.has_value() == plane.has_value())
        throw UsageError{QCoreApplication::translate(
            "CliTilt", "Donnez --film-distance ou --plane-angle, l'un des deux")};
    if (film) {
        in.filmFrom = TiltInputs::FilmFrom::Distance;
        in.filmMm = *film;
    } else {
        in.filmFrom = TiltInputs::FilmFrom::PlaneAngle;
        in.planeDeg = *plane;
    }
    if (fNumber.has_value() != circle.has_value())
        throw UsageError{QCoreApplication::translate(
            "CliTilt",
            "--f-number et --circle vont ensemble : les limites de netteté demandent les deux")};
    if (fNumber) {
        in.fNumber = *fNumber;
        in.circleMm = *circle;
    }
    in.atM = at;
    return o;
}

QString fixed(long double value, int decimals) { return FixedText(value, 15, decimals); }

int runTilt(const TiltOptions &o, QTextStream &out, QTextStream &err)
{
    const TiltOutcome outcome = ComputeTilt(o.inputs);
    if (outcome.status == TiltStatus::BadInput) {
        PrintUsageError(err, outcome.message, QStringLiteral("tilt"));
        return kCliBadUsage;
    }
    if (outcome.status == TiltStatus::Impossible) {
        CliSay(err, outcome.message);
        return kCliFailed;
    }
    const TiltResult &r = outcome.result;
    ResultRows rows{
        {QCoreApplication::translate("CliTilt", "bascule"), fixed(r.tiltDeg, 3),
         QCoreApplication::translate("CliTilt", "bascule de l'objectif (°)")},
        {QStringLiteral("J"), fixed(r.hingeM, 3),
         QCoreApplication::translate("CliTilt", "distance de la charnière à l'objectif (m)")},
        {QCoreApplication::translate("CliTilt", "tirage"), fixed(r.filmMm, 2),
         QCoreApplication::translate("CliTilt",
                                     "distance du film à l'objectif, le long du rail (mm)")},
        {QCoreApplication::translate("CliTilt", "plan net"), fixed(r.planeDeg, 2),
         QCoreApplication::translate("CliTilt", "angle du plan net avec le film (°)")},
    };
    if (r.nearDeg && r.farDeg) {
        rows.append(
            {QCoreApplication::translate("CliTilt", "limite proche"), fixed(*r.nearDeg, 2),
             QCoreApplication::translate("CliTilt", "angle de la limite proche de netteté (°)")});
        rows.append({QCoreApplication::translate("CliTilt", "limite lointaine"),
                     fixed(*r.farDeg, 2),
                     QCoreApplication::translate("CliTilt",
                                                 "angle de la limite lointaine de netteté (°)")});
    }
    if (r.planeHeightM) {
        rows.append({QCoreApplication::translate("CliTilt", "hauteur plan net"),
                     fixed(*r.planeHeightM, 3),
                     QCoreApplication::translate("CliTilt",
                                                 "hauteur du plan net à la distance donnée (m)")});
        if (r.nearDeg) {
            rows.append(
                {QCoreApplication::translate("CliTilt", "hauteur limite proche"),
                 fixed(*r.nearHeightM, 3),
                 QCoreApplication::translate("CliTilt", "hauteur de la limite proche (m)")});
            // A far limit plane at 180 degrees lies past every plane: the
            // sharp zone reaches everything below the near limit.
            rows.append(
                {QCoreApplication::translate("CliTilt", "hauteur limite lointaine"),
                 r.farHeightM ? fixed(*r.farHeightM, 3) : QStringLiteral("-inf"),
                 QCoreApplication::translate("CliTilt", "hauteur de la limite lointaine (m)")});
        }
    }
    PrintResults(out, rows, o.csv);
    out.flush();
    return kCliOk;
}

} // namespace

QString TiltHelpText()
{
    return QCoreApplication::translate(
        "CliTilt",
        "Usage : optolune-cli tilt [options]\n"
        "\n"
        "Calcule la bascule de l'objectif d'une chambre et le plan net qu'elle donne :\n"
        "la charnière, l'angle du plan net et le coin de netteté. Modèle de la lentille\n"
        "mince, film vertical, objectif basculé autour d'un axe horizontal, sans\n"
        "décentrement latéral (règle de Scheimpflug et de la charnière) : le plan net,\n"
        "le plan de l'objectif et le plan du film se coupent sur une droite, et le plan\n"
        "net tourne autour de la charnière, à J = f / sin(bascule) de l'objectif.\n"
        "Les nombres s'écrivent avec une virgule décimale (un point est accepté).\n"
        "\n"
        "Objectif :\n"
        "  --focal <mm>            focale\n"
        "\n"
        "La bascule, d'une de ces trois façons :\n"
        "  --rail-near <mm>        lecture sur le rail, mise au point sur un point proche\n"
        "                          du plan voulu net, avant de basculer\n"
        "  --rail-far <mm>         lecture sur le rail, mise au point sur un point\n"
        "                          lointain du même plan\n"
        "  --separation <mm>       écart des deux images sur le verre dépoli :\n"
        "                          sin(bascule) = écart des lectures / écart des images\n"
        "  --height <m>            hauteur de l'objectif au-dessus du plan (le sol) :\n"
        "                          J = hauteur\n"
        "  --tilt <°>              bascule donnée en degrés (entre 0 et 90 exclus)\n"
        "\n"
        "Le film, d'une de ces deux façons :\n"
        "  --film-distance <mm>    distance du film à l'objectif, le long du rail\n"
        "  --plane-angle <°>       angle voulu du plan net avec le film (90 : le plan\n"
        "                          couché le long de l'axe, comme le sol)\n"
        "\n"
        "Le coin de netteté (facultatif) :\n"
        "  --f-number <N>          diaphragme\n"
        "  --circle <mm>           diamètre du cercle de confusion ; les limites sont\n"
        "                          les plans nets du film à tirage + N c et tirage - N c\n"
        "  --at <m>                distance en avant de l'objectif où donner la hauteur\n"
        "                          des plans (m, négative sous l'objectif)\n"
        "\n"
        "Sortie :\n"
        "  --csv                   CSV pour un tableur français : Résultat;Valeur;\n"
        "                          Signification (sans --csv : colonnes alignées)\n"
        "  -h, --help              affiche cette aide\n"
        "\n"
        "Résultats : bascule (°), J (m), tirage (mm), plan net (°, 0 parallèle au film,\n"
        "90 parallèle à l'axe), limite proche et limite lointaine (°), et avec --at les\n"
        "hauteurs du plan net et des deux limites (m ; -inf quand la limite lointaine\n"
        "est au-delà de tout plan).\n"
        "\n"
        "Code de sortie : 0 résultats affichés, 1 aucun réglage possible (bascule de\n"
        "90°), 2 commande, option ou valeur incorrecte. Les messages vont sur la sortie\n"
        "d'erreur.\n");
}

int RunTiltCli(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    return RunSubcommandOn(arguments, out, err, QStringLiteral("tilt"), TiltHelpText, parseTilt,
                           [&](TiltOptions &o) { return runTilt(o, out, err); });
}

} // namespace optolune
