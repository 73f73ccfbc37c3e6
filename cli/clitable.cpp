#include "clitable.h"

#include "clicircle.h"
#include "clicommon.h"
#include "clivariations.h"
#include "clispread.h"
#include "clistack.h"
#include "clitilt.h"
#include "core/apppaths.h"
#include "core/language.h"
#include "core/messages.h"
#include "core/messages.h"
#include "core/numerictext.h"
#include "core/showntext.h"
#include "core/textfile.h"
#include "core/usererror.h"
#include "lists/listfiles.h"
#include "lists/listkind.h"
#include "table/tablecompute.h"
#include "table/tableexport.h"
#include "table/tablefiles.h"
#include "table/tablemodel.h"
#include "table/tablestate.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <algorithm>
#include <optional>
#include <vector>

namespace optolune {

namespace {

struct CliOptions {
    bool help = false;
    bool csv = false;
    std::optional<CsvLayout> layout;
    std::optional<QString> file, circle, focal, nodal, pupil, fNumbers, distances, bound;
    std::optional<bool> fromFilm, horizontal;
    bool showP = false, showAB = false, showH = false, showGT = false;
    bool diffraction = false;
    std::optional<long double> wavelengthUm;
    std::optional<BlurModel> blurModel;
    std::optional<int> decimals;
};

CliOptions parseOptions(const QStringList &args)
{
    CliOptions o;
    const QStringList valued = {QStringLiteral("file"),      QStringLiteral("circle"),
                                QStringLiteral("focal"),     QStringLiteral("nodal"),
                                QStringLiteral("gp"),        QStringLiteral("f-numbers"),
                                QStringLiteral("distances"), QStringLiteral("origin"),
                                QStringLiteral("decimals"),  QStringLiteral("bound"),
                                QStringLiteral("layout"),    QStringLiteral("wavelength"),
                                QStringLiteral("blur")};
    const CliSyntax syntax = CliTableSyntax();
    CliOptionReader options(args, valued, syntax);
    bool command = false;
    while (options.next()) {
        if (options.positional()) {
            if (command || options.arg() != u"table")
                throw UsageError{QCoreApplication::translate("CliTable", "commande inconnue : %1")
                                     .arg(options.quoted(options.arg()))};
            command = true;
            continue;
        }
        const QString &name = options.name();
        if (options.takesValue()) {
            const QString v = options.value();
            if (name == u"file")
                o.file = v;
            else if (name == u"circle")
                o.circle = v;
            else if (name == u"focal")
                o.focal = v;
            else if (name == u"nodal")
                o.nodal = v;
            else if (name == u"gp")
                o.pupil = v;
            else if (name == u"f-numbers")
                o.fNumbers = v;
            else if (name == u"distances")
                o.distances = v;
            else if (name == u"origin")
                o.fromFilm = CliFromFilm(v, syntax.quote);
            else if (name == u"decimals")
                o.decimals = CliDecimals(v, syntax.quote);
            else if (name == u"layout") {
                if (v != u"grid" && v != u"rows")
                    throw UsageError{QCoreApplication::translate(
                                         "CliTable", "--layout vaut grid ou rows, pas « %1 »")
                                         .arg(options.quoted(v))};
                o.layout = v == u"rows" ? CsvLayout::Rows : CsvLayout::Grid;
            } else if (name == u"wavelength") {
                o.wavelengthUm = CliWavelength(v);
            } else if (name == u"blur") {
                o.blurModel = CliBlurModel(v);
            } else if (name == u"bound") {
                const QString bound = DecimalCommaText(v);
                if (!ReadNumber(bound))
                    throw UsageError{
                        QCoreApplication::translate(
                            "CliTable", "--bound vaut une distance en mètres, pas « %1 »")
                            .arg(options.quoted(v))};
                o.bound = bound;
            }
            continue;
        }
        if (name == u"csv")
            o.csv = true;
        else if (name == u"horizontal")
            o.horizontal = true;
        else if (name == u"vertical")
            o.horizontal = false;
        else if (name == u"p" || name == u"depth")
            o.showP = true;
        else if (name == u"ab" || name == u"front-rear")
            o.showAB = true;
        else if (name == u"H" || name == u"hyperfocal")
            o.showH = true;
        else if (name == u"GT" || name == u"magnification")
            o.showGT = true;
        else if (name == u"diffraction")
            o.diffraction = true;
        else
            options.refuseUnknown();
    }
    o.help = options.help();
    if (!command && !o.help)
        throw UsageError{QCoreApplication::translate("CliTable", "commande manquante (table)")};
    if (o.layout && !o.csv && !o.help)
        throw UsageError{
            QCoreApplication::translate("CliTable", "--layout ne s'emploie qu'avec --csv")};
    return o;
}

// The default list of a kind delivered in the data folder, or an empty list.
QStringList defaultList(ListKind kind, QTextStream &err)
{
    ValueList list;
    try {
        if (const auto cut = LoadListFile(appPaths().dataFolder, kind, DefaultListNumber, list).cut)
            CliSay(err, *cut);
    } catch (const UserError &e) {
        CliSay(err, e.text());
        return {};
    }
    QStringList items = list.texts();
    items.removeAll(QString());
    return items;
}

// The first item of a typed list that the list editor would not take for
// its kind (f-numbers 1 to 256, distances 0,001 to 900 m), as a message
// naming it as the user typed it (the items take a typed '.' for the decimal
// comma; it comes back in English); empty when all are good.
QString refusedItem(const QStringList &items, ListKind kind)
{
    const bool fNumbers = kind == ListKind::Dia;
    const long double minimum = fNumbers ? ValueLimits::DiaMin : ValueLimits::DistEntryMin;
    const long double maximum = fNumbers ? ValueLimits::DiaMax : ValueLimits::DistMax;
    for (const QString &item : items) {
        const auto value = ReadNumber(item);
        if (!value)
            return (fNumbers
                        ? QCoreApplication::translate("CliTable", "diaphragme incorrect : « %1 »")
                        : QCoreApplication::translate("CliTable", "distance incorrecte : « %1 »"))
                .arg(ShownText(LocalNumbers(item)));
        if (*value < minimum || *value > maximum)
            return (fNumbers ? QCoreApplication::translate(
                                   "CliTable", "diaphragme hors de l'intervalle %1 : « %2 »")
                             : QCoreApplication::translate(
                                   "CliTable", "distance hors de l'intervalle %1 : « %2 »"))
                .arg(RangeText(minimum, maximum, fNumbers ? 1 : 3), ShownText(LocalNumbers(item)));
    }
    return QString();
}

QString joinedLines(const TableModel &model, int col, int row)
{
    QString text = LocalNumbers(model.cell(col, row));
    text.replace(kCellLineBreak, QStringLiteral(" / "));
    return text;
}

} // namespace

QString CliHelpText()
{
    return QCoreApplication::translate(
        "CliTable",
        "Usage : optolune-cli table [options]\n"
        "\n"
        "Affiche la table de profondeur de champ d'Optolune : les limites de netteté\n"
        "pour chaque diaphragme et chaque distance de mise au point, avec la ligne\n"
        "Infini et, sur demande, les lignes de l'hyperfocale, les profondeurs et les\n"
        "colonnes grandissement et tirage. Les nombres s'écrivent avec une virgule\n"
        "décimale (un point est accepté). Un paramètre hors limites est corrigé avec\n"
        "un avertissement, comme dans la fenêtre de la table.\n"
        "\n"
        "Paramètres (par défaut ceux de la fenêtre de la table) :\n"
        "  --file <fichier>        lit les paramètres, les options et les listes d'une\n"
        "                          table enregistrée (.stf, .tmp, .slc) ; les autres\n"
        "                          options remplacent ensuite ce que le fichier donne\n"
        "  --circle <mm>           diamètre du cercle de confusion (0,05)\n"
        "  --focal <mm>            focale (80)\n"
        "  --nodal <mm>            distance nodale, signée (-4)\n"
        "  --gp <valeur>           grandissement pupillaire (1,1)\n"
        "  --f-numbers <liste>     diaphragmes de 1 à 256, séparés par ';' ou des\n"
        "                          espaces (par défaut la liste par défaut du dossier\n"
        "                          Data)\n"
        "  --distances <liste>     distances de mise au point de 0,001 à 900 mètres,\n"
        "                          séparées par ';' ou des espaces (par défaut la\n"
        "                          liste par défaut)\n"
        "                          Une liste compte au plus 1000 valeurs.\n"
        "  --origin film|lens      distances rapportées au plan du film (film, par\n"
        "                          défaut) ou au point nodal avant de l'objectif (lens)\n"
        "\n"
        "Affichage :\n"
        "  --horizontal            distances en colonnes (100 au plus)\n"
        "  --vertical              distances en lignes (par défaut)\n"
        "  -p, --depth             ligne p= : profondeur de champ totale\n"
        "  -ab, --front-rear       lignes a= et b= : profondeur en avant et en arrière\n"
        "                          du plan de mise au point\n"
        "  -H, --hyperfocal        lignes H (limite proche à l'hyperfocale) et h=\n"
        "                          (distance hyperfocale)\n"
        "  -GT, --magnification    colonnes G (grandissement) et T(mm) (tirage)\n"
        "  --diffraction           les limites comptent la tache de diffraction :\n"
        "                          chaque case prend le cercle c' que la tache d'Airy\n"
        "                          de son diaphragme effectif laisse au flou de mise\n"
        "                          au point ; \"diffraction\" où rien n'est net\n"
        "  --wavelength <µm>       longueur d'onde, de 0,40 à 0,70 (0,55), 4 décimales\n"
        "  --blur rss|sum          flou total : racine de la somme des carrés (rss, par\n"
        "                          défaut) ou somme (sum, plus sévère)\n"
        "  --decimals <0-8>        nombre de décimales sous la borne (1)\n"
        "  --bound <m>             borne : à partir de cette distance, une décimale\n"
        "                          au plus (1000)\n"
        "\n"
        "Sortie :\n"
        "  --csv                   CSV pour un tableur français : champs séparés par\n"
        "                          ';', virgule décimale, une cellule de plusieurs\n"
        "                          lignes en un champ entre guillemets\n"
        "                          (sans --csv : colonnes alignées, les lignes d'une\n"
        "                          cellule jointes par \" / \")\n"
        "  --layout grid|rows      avec --csv : la grille de la table (grid, par\n"
        "                          défaut) ou une ligne par case (rows), avec les\n"
        "                          colonnes f;c;dn;gp;format;origine;N;distance;\n"
        "                          proche;lointain;p;a;b : des nombres seuls en\n"
        "                          mètres, inf si net jusqu'à l'infini, vides pour\n"
        "                          une distance où la mise au point est impossible\n"
        "  -h, --help              affiche cette aide\n"
        "\n"
        "Autres commandes :\n"
        "  optolune-cli variations  les résultats du calculateur de variations pour un\n"
        "                          réglage, et l'étalement de la mise au point\n"
        "                          (optolune-cli variations --help)\n"
        "  optolune-cli circle      le cercle de confusion d'un format de film agrandi\n"
        "                          en un tirage, et le diaphragme limite\n"
        "                          (optolune-cli circle --help)\n"
        "  optolune-cli spread      l'écart de mise au point, la diffraction comptée :\n"
        "                          diaphragme le plus net et flou\n"
        "                          (optolune-cli spread --help)\n"
        "  optolune-cli stack       le plan d'un empilement de mises au point : vues,\n"
        "                          lectures du rail et zones nettes\n"
        "                          (optolune-cli stack --help)\n"
        "  optolune-cli tilt        la bascule d'une chambre d'après deux lectures sur\n"
        "                          le rail, la charnière et le coin de netteté\n"
        "                          (optolune-cli tilt --help)\n"
        "\n"
        "Code de sortie : 0 table affichée, 1 table impossible à calculer ou fichier\n"
        "illisible, 2 commande ou option incorrecte. Les messages vont sur la sortie\n"
        "d'erreur.\n");
}

QString TableAsText(const TableModel &model)
{
    const int cols = model.colCount();
    const int rows = model.rowCount();
    std::vector<QStringList> cells(static_cast<size_t>(rows));
    std::vector<qsizetype> width(static_cast<size_t>(cols), 0);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            cells[static_cast<size_t>(r)] << joinedLines(model, c, r);
            width[static_cast<size_t>(c)] =
                std::max(width[static_cast<size_t>(c)], cells[static_cast<size_t>(r)].back().size());
        }
    }
    QString text;
    for (int r = 0; r < rows; ++r) {
        QString line;
        for (int c = 0; c < cols; ++c) {
            const QString &cell = cells[static_cast<size_t>(r)][c];
            const qsizetype w = width[static_cast<size_t>(c)];
            if (c == 0) {
                line += cell.leftJustified(w);
            } else {
                line += QStringLiteral("  ");
                line += cell.rightJustified(w);
            }
        }
        while (line.endsWith(u' '))
            line.chop(1);
        text += line + u'\n';
    }
    return text;
}

namespace {

// The language asked with --lang fr|en, wherever it stands, taken out of the
// arguments; the run's language is kept without it.
std::optional<Language> takeLanguage(QStringList &arguments)
{
    std::optional<Language> chosen;
    for (qsizetype i = 1; i < arguments.size();) {
        const QString &arg = arguments[i];
        if (arg != u"--lang" && !arg.startsWith(QStringLiteral("--lang="))) {
            ++i;
            continue;
        }
        QString value;
        if (arg == u"--lang") {
            if (i + 1 >= arguments.size())
                throw UsageError{
                    QCoreApplication::translate("CliCommon", "l'option --%1 demande une valeur")
                        .arg(QStringLiteral("lang"))};
            value = arguments[i + 1];
            arguments.remove(i, 2);
        } else {
            value = arg.mid(7);
            arguments.remove(i);
        }
        chosen = LanguageFromKey(value);
        if (!chosen)
            throw UsageError{
                QCoreApplication::translate("CliTable", "--lang vaut fr ou en, pas « %1 »")
                    .arg(ShownText(value))};
    }
    return chosen;
}

int runCli(const QStringList &givenArguments, QTextStream &out, QTextStream &err)
{
    QStringList arguments = givenArguments;
    try {
        // Without its translation the command speaks French, and says so
        // rather than mixing the two languages.
        if (const std::optional<Language> language = takeLanguage(arguments);
            language && !InstallProgramTranslation(*language)) {
            err << "optolune-cli: traduction anglaise introuvable, la commande reste en français\n";
            err.flush();
        }
    } catch (const UsageError &e) {
        PrintUsageError(err, e.text(), QString());
        return kCliBadUsage;
    }
    if (arguments.size() > 1 && arguments[1] == u"variations")
        return RunVariationsCli(arguments, out, err);
    if (arguments.size() > 1 && arguments[1] == u"circle")
        return RunCircleCli(arguments, out, err);
    if (arguments.size() > 1 && arguments[1] == u"spread")
        return RunSpreadCli(arguments, out, err);
    if (arguments.size() > 1 && arguments[1] == u"stack")
        return RunStackCli(arguments, out, err);
    if (arguments.size() > 1 && arguments[1] == u"tilt")
        return RunTiltCli(arguments, out, err);
    CliOptions o;
    try {
        o = parseOptions(arguments);
    } catch (const UsageError &e) {
        PrintUsageError(err, e.text(), QString());
        return kCliBadUsage;
    }
    if (o.help) {
        out << CliHelpText();
        out.flush();
        return kCliOk;
    }

    TableState state;
    if (o.file) {
        const TableFileResult read = ReadTableFile(state, *o.file, TableSource::UserFile);
        CliSay(err, read.messages);
        if (read.status != TableStatus::Read)
            return kCliFailed;
    } else {
        state.fNumbers = defaultList(ListKind::Dia, err);
        state.distances = defaultList(ListKind::Dis, err);
    }
    if (o.circle)
        state.circle = *o.circle;
    if (o.focal)
        state.focal = *o.focal;
    if (o.nodal)
        state.nodal = *o.nodal;
    if (o.pupil)
        state.pupil = *o.pupil;
    if (o.fNumbers)
        state.fNumbers = CliListItems(*o.fNumbers);
    if (o.distances)
        state.distances = CliListItems(*o.distances);
    if (state.fNumbers.size() > kMaxTableListItems || state.distances.size() > kMaxTableListItems) {
        err << "optolune-cli: "
            << QCoreApplication::translate("CliTable", "%1 diaphragmes ou distances au plus")
                   .arg(kMaxTableListItems)
            << '\n';
        err.flush();
        return kCliBadUsage;
    }
    // Typed lists meet the limits the list editor sets for their kind.
    const QString refused = (o.fNumbers ? refusedItem(state.fNumbers, ListKind::Dia) : QString()) +
                            (o.distances ? refusedItem(state.distances, ListKind::Dis) : QString());
    if (!refused.isEmpty()) {
        PrintUsageError(err, refused, QString());
        return kCliBadUsage;
    }
    if (o.fromFilm)
        state.fromFilm = *o.fromFilm;
    if (o.horizontal)
        state.horizontal = *o.horizontal;
    state.showP = state.showP || o.showP;
    state.showAB = state.showAB || o.showAB;
    state.showH = state.showH || o.showH;
    state.showGT = state.showGT || o.showGT;
    if (o.decimals)
        state.decimalsIndex = *o.decimals;
    if (o.bound)
        state.bound = *o.bound;
    state.diffraction = state.diffraction || o.diffraction;
    if (o.wavelengthUm)
        state.wavelengthUm = *o.wavelengthUm;
    if (o.blurModel)
        state.blurModel = *o.blurModel;

    TableModel model;
    const TableReport refreshed = RefreshTable(state, model);
    CliSay(err, refreshed.messages);
    if (!refreshed)
        return kCliFailed;
    out << (o.csv ? TableCsvText(state, model, o.layout.value_or(CsvLayout::Grid))
                  : TableAsText(model));
    out.flush();
    return kCliOk;
}

} // namespace

int RunCli(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    // Nothing escapes a command: an error no routine handled is printed and
    // the command fails.
    QString fault;
    try {
        return runCli(arguments, out, err);
    } catch (const UserError &e) {
        fault = e.text();
    } catch (const std::bad_alloc &) {
        fault = QCoreApplication::translate("CliTable", "Mémoire insuffisante");
    } catch (const std::exception &e) {
        fault = ShownText(QString::fromLocal8Bit(e.what()), 200);
    } catch (...) {
        fault = QCoreApplication::translate("CliTable", "Erreur inconnue");
    }
    err << "optolune-cli: " << fault << '\n';
    err.flush();
    return kCliFailed;
}

} // namespace optolune
