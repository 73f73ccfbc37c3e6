#include "clivariations.h"

#include "clicommon.h"
#include "clitable.h"
#include "core/apppaths.h"
#include "core/language.h"
#include "core/numerictext.h"
#include "lists/listfiles.h"
#include "lists/listkind.h"
#include "variations/focusspread.h"
#include "variations/variationscompute.h"
#include "variations/variationsfields.h"

#include <QCoreApplication>
#include <QTextStream>
#include <optional>

namespace optolune {

namespace {

struct VariationsOptions {
    bool help = false;
    bool csv = false;
    VariationsInput input;
    std::optional<QString> fNumbers; // the list the spread picks its f-number from
    std::optional<std::array<QString, 3>> spread; // infinity, near, far readings, mm, as the dialog asks
};

// What each result field holds, beside the window's label.
struct ResultRow {
    ResultField field;
    const char *label;
    const char *meaning;
};
// The labels are symbols but for the last two, translated with the meanings.
const ResultRow kRows[] = {
    {ResultField::Ta, "da=", QT_TRANSLATE_NOOP("CliVariations", "limite de netteté proche (m)")},
    {ResultField::Tp, "db=", QT_TRANSLATE_NOOP("CliVariations", "limite de netteté lointaine (m)")},
    {ResultField::Prof, "p=", QT_TRANSLATE_NOOP("CliVariations", "profondeur de champ (m)")},
    {ResultField::A,
     "a=", QT_TRANSLATE_NOOP("CliVariations", "profondeur en avant du plan de mise au point (m)")},
    {ResultField::B, "b=",
     QT_TRANSLATE_NOOP("CliVariations", "profondeur en arrière du plan de mise au point (m)")},
    {ResultField::Apc, "a/p", QT_TRANSLATE_NOOP("CliVariations", "part de la profondeur en avant")},
    {ResultField::Bpc, "b/p",
     QT_TRANSLATE_NOOP("CliVariations", "part de la profondeur en arrière")},
    {ResultField::A1,
     "u=", QT_TRANSLATE_NOOP("CliVariations", "distance du sujet au point nodal avant (m)")},
    {ResultField::A2,
     "v=", QT_TRANSLATE_NOOP("CliVariations", "distance du film au point nodal arrière (m)")},
    {ResultField::Grandiss, "G=", QT_TRANSLATE_NOOP("CliVariations", "grandissement")},
    {ResultField::Tirage, "T(mm)=", QT_TRANSLATE_NOOP("CliVariations", "tirage (mm)")},
    {ResultField::HyperA, "H=", QT_TRANSLATE_NOOP("CliVariations", "distance hyperfocale (m)")},
    {ResultField::Hyper, QT_TRANSLATE_NOOP("CliVariations", "M.a.p sur infini: de"),
     QT_TRANSLATE_NOOP("CliVariations", "limite proche, mise au point sur l'infini (m)")},
    {ResultField::DemiHyper, QT_TRANSLATE_NOOP("CliVariations", "M.a.p sur H: de"),
     QT_TRANSLATE_NOOP("CliVariations", "limite proche, mise au point sur H (m)")},
};

VariationsOptions parseVariations(const QStringList &args)
{
    VariationsOptions o;
    // The window's opening: the test lens, its form's gp, f-number and
    // distance, three decimals, distances from the film plane.
    const TestLens lens;
    o.input.cText = lens.circle;
    o.input.fText = lens.focal;
    o.input.dnText = lens.nodal;
    o.input.gpText = QStringLiteral("1,1");
    o.input.nText = QStringLiteral("8");
    o.input.dText = QStringLiteral("3");
    o.input.decimals = lens.decimals;

    CliOptionReader options(args, {"circle", "focal", "nodal", "gp", "f-number", "distance", "origin",
                                   "decimals", "f-numbers", "spread", "wavelength", "blur"});
    while (options.next()) {
        const QString &name = options.name();
        if (!options.takesValue()) {
            if (name == u"csv")
                o.csv = true;
            else if (name == u"macro")
                o.input.macro = true;
            else if (name == u"diffraction")
                o.input.diffraction = true;
            else
                options.refuseUnknown();
            continue;
        }
        if (name == u"spread") {
            const std::optional<QStringList> typed =
                options.hasInlineValue() ? std::nullopt : options.takeArguments(3);
            if (!typed)
                throw UsageError{QCoreApplication::translate(
                    "CliVariations", "l'option --spread demande trois lectures du rail en mm : "
                                     "infini, proche, lointain")};
            std::array<QString, 3> readings;
            const char *const emptyReading[] = {
                QT_TRANSLATE_NOOP("CliVariations", "--spread : Lecture vide à l'infini"),
                QT_TRANSLATE_NOOP("CliVariations", "--spread : Lecture vide au point proche"),
                QT_TRANSLATE_NOOP("CliVariations", "--spread : Lecture vide au point éloigné")};
            for (size_t r = 0; r < readings.size(); ++r) {
                const QString &reading = (*typed)[static_cast<qsizetype>(r)];
                if (reading.trimmed().isEmpty())
                    throw UsageError{QCoreApplication::translate("CliVariations", emptyReading[r])};
                readings[r] = CliNumber(name, reading);
            }
            o.spread = readings;
            continue;
        }
        const QString v = options.value();
        if (name == u"wavelength")
            o.input.wavelengthUm = CliWavelength(v);
        else if (name == u"blur")
            o.input.blurModel = CliBlurModel(v);
        else if (name == u"circle")
            o.input.cText = CliNumber(name, v);
        else if (name == u"focal")
            o.input.fText = CliNumber(name, v);
        else if (name == u"nodal")
            o.input.dnText = CliNumber(name, v);
        else if (name == u"gp")
            o.input.gpText = CliNumber(name, v);
        else if (name == u"f-number")
            o.input.nText = CliNumber(name, v);
        else if (name == u"distance")
            o.input.dText = CliNumber(name, v);
        else if (name == u"f-numbers")
            o.fNumbers = v;
        else if (name == u"origin")
            o.input.fromFilm = CliFromFilm(v);
        else if (name == u"decimals")
            o.input.decimals = CliDecimals(v);
    }
    o.help = options.help();
    return o;
}

int runVariations(VariationsOptions &o, QTextStream &out, QTextStream &err);

} // namespace

QString VariationsHelpText()
{
    return QCoreApplication::translate(
        "CliVariations",
        "Usage : optolune-cli variations [options]\n"
        "\n"
        "Affiche les quatorze résultats du calculateur de variations d'Optolune pour\n"
        "un réglage : limites de netteté, profondeurs et leurs parts, distances u et\n"
        "v, grandissement, tirage, hyperfocale et limites proches à l'infini et à\n"
        "l'hyperfocale. Les nombres s'écrivent avec une virgule décimale (un point est\n"
        "accepté). Une valeur hors limites est corrigée avec un avertissement, comme\n"
        "dans la fenêtre des variations.\n"
        "\n"
        "Paramètres (par défaut ceux de la fenêtre à son ouverture, l'objectif test) :\n"
        "  --circle <mm>           diamètre du cercle de confusion (0,100)\n"
        "  --focal <mm>            focale (148,1)\n"
        "  --nodal <mm>            distance nodale, signée (24,8)\n"
        "  --gp <valeur>           grandissement pupillaire (1,1)\n"
        "  --f-number <N>          diaphragme (8)\n"
        "  --distance <m>          distance de mise au point (3)\n"
        "  --origin film|lens      distance rapportée au plan du film (film, par\n"
        "                          défaut) ou au point nodal avant de l'objectif (lens)\n"
        "  --macro                 au plan du film, la mise au point de grandissement\n"
        "                          supérieur à 1 ; sans hyperfocale\n"
        "  --decimals <0-8>        nombre de décimales des distances et de G (3)\n"
        "  --diffraction           les limites comptent la tache de diffraction du\n"
        "                          diaphragme effectif N (1 + G/gp) : un point est net\n"
        "                          quand son flou total reste dans c, le flou de mise\n"
        "                          au point dans c' = racine(c² - d²) ; rien de net :\n"
        "                          code de sortie 1\n"
        "  --wavelength <µm>       longueur d'onde, de 0,40 à 0,70 (0,55), 4 décimales\n"
        "                          au plus\n"
        "  --blur rss|sum          flou total : racine de la somme des carrés (rss, par\n"
        "                          défaut) ou somme, c' = c - d (sum, plus sévère)\n"
        "\n"
        "Étalement de la mise au point :\n"
        "  --spread <infini> <proche> <lointain>\n"
        "                          lectures du rail en mm, dans l'ordre de la fenêtre\n"
        "                          Écart : mise au point sur l'infini, sur le sujet\n"
        "                          proche, puis sur le sujet lointain. Affiche le\n"
        "                          réglage du rail, le diaphragme nécessaire et la\n"
        "                          distance de mise au point, puis les résultats de\n"
        "                          ce réglage ; la distance prend les décimales qu'il\n"
        "                          faut (jusqu'à 8) pour donner le tirage proposé\n"
        "  --f-numbers <liste>     diaphragmes parmi lesquels l'étalement choisit,\n"
        "                          séparés par ';' ou des espaces (par défaut la liste\n"
        "                          par défaut du dossier Data)\n"
        "\n"
        "Sortie :\n"
        "  --csv                   CSV pour un tableur français : Résultat;Valeur;\n"
        "                          Signification (sans --csv : colonnes alignées)\n"
        "  -h, --help              affiche cette aide\n"
        "\n"
        "Code de sortie : 0 résultats affichés, 1 réglage impossible (distance trop\n"
        "proche, lectures incohérentes), 2 commande ou option incorrecte. Les messages\n"
        "vont sur la sortie d'erreur.\n");
}

int RunVariationsCli(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    return RunSubcommandOn(arguments, out, err, QStringLiteral("variations"), VariationsHelpText,
                           parseVariations,
                           [&](VariationsOptions &o) { return runVariations(o, out, err); });
}

namespace {

int runVariations(VariationsOptions &o, QTextStream &out, QTextStream &err)
{
    VariationsInput &in = o.input;
    NormaliseDecimalPoints(in);
    CliSay(err, CheckManualFields(in, ListsEmpty{}).notices);
    // The f-number comes from a list in the window; here it is typed, and
    // repaired like the list's items.
    if (const auto warning =
            NumericField::Fit(in.nText, 12, 1, ValueLimits::DiaMin, ValueLimits::DiaMax, true)
                .warning)
        CliSay(err, *warning);

    ResultRows rows;
    if (o.spread) {
        FocusSpreadInput s;
        s.infinityReading = (*o.spread)[0];
        s.nearReading = (*o.spread)[1];
        s.farReading = (*o.spread)[2];
        s.cMm = ToNumber(in.cText);
        s.fMm = ToNumber(in.fText);
        s.gp = ToNumber(in.gpText);
        s.dnMm = ToNumber(in.dnText);
        s.fromFilm = in.fromFilm;
        s.fNumbers = CliFNumbers(o.fNumbers, err);
        const FocusSpreadResult r = ComputeFocusSpread(s);
        if (r.settingFound) {
            // Where to set the standard and the f-number needed hold even
            // when the setting cannot be applied: the message says why.
            rows.append({QCoreApplication::translate("CliVariations", "rail"),
                         FixedText(r.railReadingMm, 10, 2),
                         QCoreApplication::translate("CliVariations", "réglage du rail (mm)")});
            rows.append(
                {QCoreApplication::translate("CliVariations", "tirage"),
                 FixedText(r.extensionMm, 10, 2),
                 QCoreApplication::translate("CliVariations", "tirage depuis l'infini (mm)")});
            rows.append({QCoreApplication::translate("CliVariations", "N nécessaire"),
                         FixedText(r.N, 8, 2),
                         QCoreApplication::translate("CliVariations", "diaphragme nécessaire")});
        }
        if (!r.ok()) {
            if (!rows.isEmpty()) {
                PrintResults(out, rows, o.csv);
                out.flush();
            }
            CliSay(err, r.error);
            return kCliFailed;
        }
        // The setting as the window applies it: the distance with the
        // decimals that give the proposed extension.
        const FocusSpreadSetting setting = SettingOfFocusSpread(r, in);
        rows.append(
            {QStringLiteral("N="), r.fNumberText,
             QCoreApplication::translate("CliVariations", "diaphragme de la liste retenu")});
        rows.append(
            {QStringLiteral("d="), setting.input.dText,
             QCoreApplication::translate("CliVariations", "distance de mise au point (m)")});
        if (setting.decimalsRaised)
            CliSay(err, QCoreApplication::translate(
                            "CliVariations",
                            "Décimales portées à %1 pour que la distance donne le tirage proposé")
                            .arg(setting.input.decimals));
        if (!setting.agrees)
            CliSay(err,
                   QCoreApplication::translate(
                       "CliVariations", "Même à 8 décimales, la distance donne un tirage de %1 mm")
                       .arg(LocalNumbers(FixedText(setting.extensionMm, 12, 2))));
        in = setting.input;
    }

    const VariationsResult result = ComputeVariations(in);
    switch (result.status) {
    case VariationsResult::Done:
        break;
    case VariationsResult::Unfocusable:
        CliSay(err, (in.fromFilm
                         ? QCoreApplication::translate(
                               "CliVariations", "Mise au point impossible à %1 m du plan du film")
                         : QCoreApplication::translate(
                               "CliVariations", "Mise au point impossible à %1 m de l'objectif"))
                        .arg(LocalNumbers(in.dText)));
        return kCliFailed;
    case VariationsResult::Unreadable:
        CliSay(err, result.error);
        return kCliFailed;
    case VariationsResult::NothingSharp:
        CliSay(err, NoResultText(result, in.fromFilm));
        return kCliFailed;
    default:
        CliSay(err, QCoreApplication::translate("CliVariations",
                                                "Paramètres inutilisables : aucun résultat"));
        return kCliFailed;
    }
    for (const ResultRow &row : kRows)
        rows.append({QCoreApplication::translate("CliVariations", row.label),
                     result.text(row.field),
                     QCoreApplication::translate("CliVariations", row.meaning)});
    if (result.colour == ResultColour::Grey)
        rows.append(
            {QCoreApplication::translate("CliVariations", "gris"), in.nText,
             QCoreApplication::translate(
                 "CliVariations",
                 "diaphragme au-delà du diaphragme limite %1 : résultats grisés dans la fenêtre")
                 .arg(FixedText(LimitingN(ToNumber(in.cText), ToNumber(in.fText)), 8, 3))});
    if (result.effectiveCircleMm) {
        rows.append({QStringLiteral("d="), FixedText(*result.diffractionMm, 5, 4),
                     QCoreApplication::translate(
                         "CliVariations", "tache de diffraction du diaphragme effectif (mm)")});
        rows.append({QStringLiteral("c'="), FixedText(*result.effectiveCircleMm, 5, 4),
                     QCoreApplication::translate(
                         "CliVariations", "cercle laissé au flou de mise au point (mm), λ %1 µm")
                         .arg(WavelengthText(in.wavelengthUm))});
    }
    PrintResults(out, rows, o.csv);
    out.flush();
    return kCliOk;
}

} // namespace

} // namespace optolune
