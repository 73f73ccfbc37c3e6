#include "clivariations.h"

#include "clicommon.h"
#include "clitable.h"
#include "core/apppaths.h"
#include "core/numericfield.h"
#include "core/numerictext.h"
#include "lists/listfiles.h"
#include "lists/listkind.h"
#include "variations/focusspread.h"
#include "variations/variationscompute.h"
#include "variations/variationsfields.h"

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
const ResultRow kRows[] = {
    {ResultField::Ta, "da=", "limite de netteté proche (m)"},
    {ResultField::Tp, "db=", "limite de netteté lointaine (m)"},
    {ResultField::Prof, "p=", "profondeur de champ (m)"},
    {ResultField::A, "a=", "profondeur en avant du plan de mise au point (m)"},
    {ResultField::B, "b=", "profondeur en arrière du plan de mise au point (m)"},
    {ResultField::Apc, "a/p", "part de la profondeur en avant"},
    {ResultField::Bpc, "b/p", "part de la profondeur en arrière"},
    {ResultField::A1, "u=", "distance du sujet au point nodal avant (m)"},
    {ResultField::A2, "v=", "distance du film au point nodal arrière (m)"},
    {ResultField::Grandiss, "G=", "grandissement"},
    {ResultField::Tirage, "T(mm)=", "tirage (mm)"},
    {ResultField::HyperA, "H=", "distance hyperfocale (m)"},
    {ResultField::Hyper, "M.a.p sur infini: de", "limite proche, mise au point sur l'infini (m)"},
    {ResultField::DemiHyper, "M.a.p sur H: de", "limite proche, mise au point sur H (m)"},
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
                                   "decimals", "f-numbers", "spread"});
    while (options.next()) {
        const QString &name = options.name();
        if (!options.takesValue()) {
            if (name == u"csv")
                o.csv = true;
            else if (name == u"macro")
                o.input.macro = true;
            else
                options.refuseUnknown();
            continue;
        }
        if (name == u"spread") {
            const std::optional<QStringList> typed =
                options.hasInlineValue() ? std::nullopt : options.takeArguments(3);
            if (!typed)
                throw UsageError{QStringLiteral("l'option --spread demande trois lectures du rail en mm : infini, proche, lointain")};
            std::array<QString, 3> readings;
            const char *const where[] = {"à l'infini", "au point proche", "au point éloigné"};
            for (size_t r = 0; r < readings.size(); ++r) {
                const QString &reading = (*typed)[static_cast<qsizetype>(r)];
                if (reading.trimmed().isEmpty())
                    throw UsageError{QStringLiteral("--spread : Lecture vide %1").arg(QString::fromUtf8(where[r]))};
                readings[r] = CliNumber(name, reading);
            }
            o.spread = readings;
            continue;
        }
        const QString v = options.value();
        if (name == u"circle")
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
        else if (name == u"origin") {
            if (v != u"film" && v != u"lens")
                throw UsageError{QStringLiteral("--origin vaut film ou lens, pas « %1 »").arg(CliQuoted(v))};
            o.input.fromFilm = v == u"film";
        } else if (name == u"decimals") {
            bool ok = false;
            const int d = v.toInt(&ok);
            if (!ok || d < 0 || d > 8)
                throw UsageError{QStringLiteral("--decimals vaut un entier de 0 à 8, pas « %1 »").arg(CliQuoted(v))};
            o.input.decimals = d;
        }
    }
    o.help = options.help();
    return o;
}

// The f-numbers the spread chooses from: those given, else the default list.
QStringList spreadFNumbers(const VariationsOptions &o)
{
    if (o.fNumbers)
        return CliListItems(*o.fNumbers);
    ValueList list;
    LoadListFile(appPaths().dataFolder, ListKind::Dia, DefaultListNumber, list);
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        if (!list.text(i).isEmpty())
            items << list.text(i);
    return items;
}

int runVariations(VariationsOptions &o, QTextStream &out);

} // namespace

QString VariationsHelpText()
{
    return QStringLiteral(
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
    VariationsOptions o;
    return RunSubcommand(
        out, err, QStringLiteral("variations"), VariationsHelpText,
        [&] {
            o = parseVariations(arguments);
            return o.help;
        },
        [&] { return runVariations(o, out); });
}

namespace {

int runVariations(VariationsOptions &o, QTextStream &out)
{
    VariationsInput &in = o.input;
    NormaliseDecimalPoints(in);
    CheckManualFields(in, ListsEmpty{});
    // The f-number comes from a list in the window; here it is typed, and
    // repaired like the list's items.
    NumericField::Fit(in.nText, 12, 1, ValueLimits::DiaMin, ValueLimits::DiaMax, true);

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
        s.fNumbers = spreadFNumbers(o);
        const FocusSpreadResult r = ComputeFocusSpread(s);
        if (r.settingFound) {
            // Where to set the standard and the f-number needed hold even
            // when the setting cannot be applied: the message says why.
            rows.append({QStringLiteral("rail"), FixedText(r.railReadingMm, 10, 2),
                         QStringLiteral("réglage du rail (mm)")});
            rows.append({QStringLiteral("tirage"), FixedText(r.extensionMm, 10, 2),
                         QStringLiteral("tirage depuis l'infini (mm)")});
            rows.append({QStringLiteral("N nécessaire"), FixedText(r.N, 8, 2),
                         QStringLiteral("diaphragme nécessaire")});
        }
        if (!r.ok()) {
            if (!rows.isEmpty()) {
                PrintResults(out, rows, o.csv);
                out.flush();
            }
            messages().error(r.error);
            return kCliFailed;
        }
        // The setting as the window applies it: the distance with the
        // decimals that give the proposed extension.
        const FocusSpreadSetting setting = SettingOfFocusSpread(r, in);
        rows.append({QStringLiteral("N="), r.fNumberText,
                     QStringLiteral("diaphragme de la liste retenu")});
        rows.append({QStringLiteral("d="), setting.input.dText,
                     QStringLiteral("distance de mise au point (m)")});
        if (setting.decimalsRaised)
            messages().information(QStringLiteral("Décimales portées à %1 pour que la distance donne le tirage proposé")
                                       .arg(setting.input.decimals));
        if (!setting.agrees)
            messages().warning(QStringLiteral("Même à 8 décimales, la distance donne un tirage de %1 mm")
                                   .arg(FixedText(setting.extensionMm, 12, 2)));
        in = setting.input;
    }

    const VariationsResult result = ComputeVariations(in);
    switch (result.status) {
    case VariationsResult::Done:
        break;
    case VariationsResult::Unfocusable:
        messages().error(QStringLiteral("Mise au point impossible à %1 m %2").arg(
            in.dText, in.fromFilm ? QStringLiteral("du plan du film") : QStringLiteral("de l'objectif")));
        return kCliFailed;
    case VariationsResult::Unreadable:
        messages().error(result.error);
        return kCliFailed;
    default:
        messages().error(QStringLiteral("Paramètres inutilisables : aucun résultat"));
        return kCliFailed;
    }
    for (const ResultRow &row : kRows)
        rows.append({QString::fromUtf8(row.label), result.text(row.field), QString::fromUtf8(row.meaning)});
    if (result.colour == ResultColour::Grey)
        rows.append({QStringLiteral("gris"), in.nText,
                     QStringLiteral("diaphragme au-delà du diaphragme limite ") +
                         FixedText(LimitingN(ToNumber(in.cText), ToNumber(in.fText)), 8, 3) +
                         QStringLiteral(" : résultats grisés dans la fenêtre")});
    PrintResults(out, rows, o.csv);
    out.flush();
    return kCliOk;
}

} // namespace

} // namespace optolune
