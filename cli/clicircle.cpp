#include "clicircle.h"

#include "circle/circlecalc.h"
#include "clicommon.h"
#include "clitable.h"
#include "core/language.h"
#include "core/messages.h"
#include "core/numerictext.h"
#include "lists/listkind.h"

#include <QCoreApplication>
#include <QTextStream>
#include <optional>

namespace optolune {

namespace {

struct CircleOptions {
    bool help = false;
    bool csv = false;
    bool listFormats = false;
    CircleState state; // the window's opening: 56 x 56 mm, 30 x 40 cm, 25 cm
};

// The index of a preset by its item text ("6x6 cm", "24x36", "A4"), case and
// spaces aside, a '.' read as the decimal comma ("4.5x6 cm", as English lists
// it).
std::optional<int> presetIndex(std::span<const FormatPreset> presets, QString name)
{
    auto key = [](QString text) { return text.remove(u' ').replace(u'.', u',').toLower(); };
    name = key(name);
    for (size_t i = 0; i < presets.size(); ++i)
        if (key(QString::fromUtf8(presets[i].item)) == name)
            return static_cast<int>(i);
    return std::nullopt;
}

CircleOptions parseCircle(const QStringList &args)
{
    CircleOptions o;
    std::optional<QString> filmWidth, filmLength, printWidth, printLength;
    CliOptionReader options(args, {"film", "print", "film-width", "film-length", "print-width",
                                   "print-length", "viewing-distance"});
    while (options.next()) {
        const QString &name = options.name();
        if (!options.takesValue()) {
            if (name == u"csv")
                o.csv = true;
            else if (name == u"full-frame")
                o.state.fullFrame = true;
            else if (name == u"list-formats")
                o.listFormats = true;
            else
                options.refuseUnknown();
            continue;
        }
        const QString v = options.value();
        if (name == u"film" || name == u"print") {
            const bool film = name == u"film";
            const auto index = presetIndex(film ? FilmPresets() : PrintPresets(), v);
            if (!index)
                throw UsageError{
                    QCoreApplication::translate(
                        "CliCircle", "--%1 : format inconnu « %2 » (voir --list-formats)")
                        .arg(name, CliQuoted(v))};
            if (film)
                ApplyFilmPreset(o.state, *index);
            else
                ApplyPrintPreset(o.state, *index);
        } else if (name == u"film-width") {
            filmWidth = CliNumber(name, v);
        } else if (name == u"film-length") {
            filmLength = CliNumber(name, v);
        } else if (name == u"print-width") {
            printWidth = CliNumber(name, v);
        } else if (name == u"print-length") {
            printLength = CliNumber(name, v);
        } else if (name == u"viewing-distance") {
            o.state.distObs = CliNumber(name, v);
            o.state.minDistance = true;
        }
    }
    o.help = options.help();
    // Dimensions typed after a format replace its own, in whatever order
    // the options came.
    if (filmWidth)
        o.state.largF = *filmWidth;
    if (filmLength)
        o.state.longF = *filmLength;
    if (printWidth)
        o.state.largT = *printWidth;
    if (printLength)
        o.state.longT = *printLength;
    return o;
}

void listFormats(QTextStream &out, bool csv)
{
    ResultRows rows;
    for (const FormatPreset &p : FilmPresets())
        rows.append({QString::fromUtf8(p.item),
                     QString::fromUtf8(p.width) + u'x' + QString::fromUtf8(p.length),
                     QCoreApplication::translate("CliCircle", "film (mm)")});
    for (const FormatPreset &p : PrintPresets())
        rows.append({QString::fromUtf8(p.item),
                     QString::fromUtf8(p.width) + u'x' + QString::fromUtf8(p.length),
                     QCoreApplication::translate("CliCircle", "tirage (cm)")});
    PrintResultRows(out,
                    {QCoreApplication::translate("CliCircle", "Format"),
                     QCoreApplication::translate("CliCircle", "Largeur x longueur"),
                     QCoreApplication::translate("CliCircle", "Type")},
                    rows, csv);
}

} // namespace

QString CircleHelpText()
{
    return QCoreApplication::translate(
        "CliCircle",
        "Usage : optolune-cli circle [options]\n"
        "\n"
        "Calcule le diamètre du cercle de confusion qui convient à un format de film\n"
        "agrandi en un tirage regardé à une distance donnée, et le diaphragme à partir\n"
        "duquel la diffraction devient perceptible, comme le calculateur du cercle de\n"
        "confusion d'Optolune. Les nombres s'écrivent avec une virgule décimale (un\n"
        "point est accepté). Une valeur hors limites est refusée avec le message de la\n"
        "fenêtre.\n"
        "\n"
        "Formats (par défaut ceux de la fenêtre : film 6x6 cm, tirage 30x40) :\n"
        "  --film <format>         format de film prédéfini (24x36, 6x7 cm, 4x5 in...)\n"
        "  --film-width <mm>       largeur du film, petit côté (56)\n"
        "  --film-length <mm>      longueur du film, grand côté (56)\n"
        "  --print <format>        format de tirage prédéfini (18x24, A4, 30x40...)\n"
        "  --print-width <cm>      largeur du tirage, petit côté (30)\n"
        "  --print-length <cm>     longueur du tirage, grand côté (40)\n"
        "  --full-frame            plein format : toute l'image du film est gardée sur\n"
        "                          le tirage (sinon elle est recadrée aux proportions\n"
        "                          du tirage)\n"
        "  --viewing-distance <cm>\n"
        "                          tirage regardé à cette distance (sinon à une\n"
        "                          distance égale à sa diagonale)\n"
        "  --list-formats          affiche les formats de film et de tirage prédéfinis\n"
        "\n"
        "Sortie :\n"
        "  --csv                   CSV pour un tableur français : Résultat;Valeur;\n"
        "                          Signification (sans --csv : colonnes alignées)\n"
        "  -h, --help              affiche cette aide\n"
        "\n"
        "Un c que la table de profondeur de champ n'accepte pas (hors de 0,005 à\n"
        "0,5 mm) est signalé sur la sortie d'erreur ; les résultats sont affichés.\n"
        "\n"
        "Code de sortie : 0 résultats affichés, 1 valeur refusée, 2 commande ou option\n"
        "incorrecte. Les messages vont sur la sortie d'erreur.\n");
}

namespace {

// The depth-of-field table takes c from 0,005 to 0,5 mm at three decimals,
// as the window's Ok hands it over: a c outside is said, the results stand.
void warnOutsideTheTable(const QString &circle, QTextStream &err)
{
    const std::optional<long double> c = ReadNumber(circle);
    if (!c)
        return;
    if (*c < ValueLimits::CerMin)
        CliSay(err,
               QCoreApplication::translate(
                   "CliCircle", "c = %1 mm : la table de profondeur de champ n'accepte pas un "
                                "cercle inférieur à %2 mm")
                   .arg(LocalNumbers(circle), LocalNumbers(FixedText(ValueLimits::CerMin, 5, 3))));
    else if (*c > ValueLimits::CerMax)
        CliSay(err,
               QCoreApplication::translate(
                   "CliCircle", "c = %1 mm : la table de profondeur de champ n'accepte pas un "
                                "cercle supérieur à %2 mm")
                   .arg(LocalNumbers(circle), LocalNumbers(FixedText(ValueLimits::CerMax, 5, 3))));
}

int runCircle(CircleOptions &o, QTextStream &out, QTextStream &err)
{
    if (o.listFormats) {
        listFormats(out, o.csv);
        out.flush();
        return kCliOk;
    }
    if (const CircleCheck check = CalculateCircle(o.state); !check) {
        if (check.warning)
            CliSay(err, *check.warning);
        return kCliFailed;
    }
    const CircleState &s = o.state;
    const ResultRows rows{
        {QCoreApplication::translate("CliCircle", "film"), s.fmodif,
         QCoreApplication::translate("CliCircle", "surface utile du film (mm)")},
        {QCoreApplication::translate("CliCircle", "tirage"), s.tmodif,
         QCoreApplication::translate("CliCircle", "image sur le tirage (cm)")},
        {QCoreApplication::translate("CliCircle", "diagonale"), s.diagTir,
         QCoreApplication::translate("CliCircle", "diagonale de l'image sur le tirage (cm)")},
        {QCoreApplication::translate("CliCircle", "agrandissement"), s.coeff,
         QCoreApplication::translate("CliCircle", "facteur d'agrandissement")},
        {QCoreApplication::translate("CliCircle", "distance"), s.distObsCalc,
         QCoreApplication::translate("CliCircle", "distance d'observation retenue (cm)")},
        {QStringLiteral("c="), s.c,
         QCoreApplication::translate("CliCircle", "diamètre du cercle de confusion (mm)")},
        {QCoreApplication::translate("CliCircle", "N limite"), s.nmin,
         QCoreApplication::translate(
             "CliCircle", "diaphragme à partir duquel la diffraction devient perceptible")},
    };
    PrintResults(out, rows, o.csv);
    out.flush();
    warnOutsideTheTable(s.c, err);
    return kCliOk;
}

} // namespace

int RunCircleCli(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    return RunSubcommandOn(arguments, out, err, QStringLiteral("circle"), CircleHelpText,
                           parseCircle, [&](CircleOptions &o) { return runCircle(o, out, err); });
}

} // namespace optolune
