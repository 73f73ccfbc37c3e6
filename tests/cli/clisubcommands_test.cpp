// optolune-cli's calculator subcommands, through what they print: the worked
// examples of the variations calculator, the focus spread, and the exit code
// and message of every bad option value.
#include "clirun.h"
#include "cli/clicircle.h"
#include "cli/climan.h"
#include "cli/clivariations.h"
#include "support/programfolder.h"
#include "support/qtprint.h"

#include <QFile>
#include <gtest/gtest.h>
#include <map>

using namespace optolune;
using namespace optolune::test;

struct WorkedCase {
    const char *name;
    QStringList args;
    std::map<QString, QString> expected;
    friend void PrintTo(const WorkedCase &c, std::ostream *os) { *os << c.name; }
};

class VariationsWorkedExample : public testing::TestWithParam<WorkedCase> {};

TEST_P(VariationsWorkedExample, FieldsAsTheWindowShowsThem)
{
    ProgramFolder folder;
    QStringList args{"variations", "--circle", "0,100", "--focal", "148,1", "--nodal", "24,8",
                     "--gp", "1,1", "--distance", "3", "--f-number", "8", "--decimals", "3"};
    args << GetParam().args;
    expectResults(cli(args), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VariationsWorkedExample,
    testing::Values(
        WorkedCase{"FromTheFilm", {},
                   {{"da=", "2,751"}, {"db=", "3,303"}, {"p=", "0,552"}, {"a=", "0,249"}, {"b=", "0,303"},
                    {"a/p", "45,1 %"}, {"b/p", "54,9 %"}, {"u=", "2,819"}, {"v=", "0,156"}, {"G=", "0,055"},
                    {"T(mm)=", "8,21241"}, {"H=", "27,739"}, {"M.a.p sur infini: de", "27,603"},
                    {"M.a.p sur H: de", "13,963"}}},
        WorkedCase{"FromTheLens", {"--origin", "lens"},
                   {{"da=", "2,719"}, {"db=", "3,347"}, {"u=", "3,000"}, {"v=", "0,156"}, {"G=", "0,052"},
                    {"T(mm)=", "7,69088"}, {"H=", "27,565"}, {"M.a.p sur infini: de", "27,430"},
                    {"M.a.p sur H: de", "13,789"}}},
        WorkedCase{"MacroCloseUp", {"--distance", "0.7", "--macro"},
                   {{"u=", "0,219"}, {"v=", "0,456"}, {"G=", "2,078"}, {"p=", "0,001"}, {"H=", ""},
                    {"M.a.p sur infini: de", ""}, {"M.a.p sur H: de", ""}}},
        WorkedCase{"BeyondTheHyperfocalDistance", {"--distance", "30"},
                   {{"da=", "14,503"}, {"db=", "infini"}, {"p=", "infini"}, {"a=", "15,497"},
                    {"b=", "infini"}, {"a/p", ""}, {"b/p", ""}}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(VariationsCli, DefaultsAreTheWindowsOpeningAndCsvHasOneRowPerField)
{
    ProgramFolder folder;
    const CliRun plain = cli({"variations"});
    ASSERT_EQ(plain.code, kCliOk) << plain.err.toStdString();
    EXPECT_EQ(values(plain.out).at("da="), QStringLiteral("2,751"));

    const CliRun csv = cli({"variations", "--csv"});
    ASSERT_EQ(csv.code, kCliOk);
    const QStringList records = csv.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(records.size(), 15);
    EXPECT_EQ(records[0], QStringLiteral("Résultat;Valeur;Signification"));
    EXPECT_EQ(records[1], QStringLiteral("da=;2,751;limite de netteté proche (m)"));
    EXPECT_EQ(records[11].section(u';', 0, 1), QStringLiteral("T(mm)=;8,21241"));
}

TEST(VariationsCli, GreyBeyondTheLimitingFNumberAndRepairsWarn)
{
    ProgramFolder folder;
    // c = 0,15 mm, f = 150 mm: the limiting f-number is 110,797, written
    // with enough decimals that an f-number of 110,8 is seen to be beyond it.
    const CliRun grey = cli({"variations", "--circle", "0,15", "--focal", "150", "--f-number", "128"});
    ASSERT_EQ(grey.code, kCliOk);
    EXPECT_TRUE(grey.out.contains(QStringLiteral("diaphragme au-delà du diaphragme limite 110,797")));
    const CliRun justBeyond =
        cli({"variations", "--circle", "0,15", "--focal", "150", "--f-number", "110,8"});
    EXPECT_TRUE(justBeyond.out.contains(QStringLiteral("limite 110,797")));
    const CliRun blue = cli({"variations", "--circle", "0,15", "--focal", "150", "--f-number", "110"});
    EXPECT_FALSE(blue.out.contains(QStringLiteral("limite 110,797")));

    const CliRun repaired = cli({"variations", "--gp", "7", "--f-number", "300"});
    EXPECT_EQ(repaired.code, kCliOk);
    EXPECT_EQ(repaired.err, QStringLiteral("optolune-cli: Valeur hors intervalle 0,100-5,000\n"
                                           "optolune-cli: Valeur hors intervalle 1,0-256,0\n"));
}

TEST(VariationsCli, DistanceThatCannotBeFocused)
{
    ProgramFolder folder;
    const CliRun run = cli({"variations", "--distance", "0,5"});
    EXPECT_EQ(run.code, kCliFailed);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.err, QStringLiteral("optolune-cli: Mise au point impossible à 0,500 m du plan du film\n"));
}

TEST(VariationsCli, FocusSpreadFromRailReadings)
{
    ProgramFolder folder;
    // Readings in the dialog's order: infinity 0, near 12, far 8, with the
    // test lens (f 148,1, gp 1,1, c 0,100). Images 174,91 and 170,91 mm
    // behind the exit pupil; the film at their harmonic mean, 9,98 mm out;
    // N = 162,91 x 4 / (0,1 x 345,82) = 18,84.
    const CliRun run = cli({"variations", "--spread", "0", "12", "8"});
    ASSERT_EQ(run.code, kCliOk) << run.err.toStdString();
    const auto v = values(run.out);
    EXPECT_EQ(v.at("rail"), QStringLiteral("9,98"));
    EXPECT_EQ(v.at("tirage"), QStringLiteral("9,98"));
    EXPECT_EQ(v.at("N nécessaire"), QStringLiteral("18,84"));
    // The smallest f-number of the default list at or above it.
    EXPECT_EQ(v.at("N="), QStringLiteral("22"));
    EXPECT_EQ(v.at("d="), QStringLiteral("2,529"));
    // The results are those of that setting, its extension the one proposed.
    const CliRun same = cli({"variations", "--distance", "2,529", "--f-number", "22"});
    EXPECT_EQ(values(same.out).at("da="), v.at("da="));
    EXPECT_EQ(values(same.out).at("db="), v.at("db="));
    EXPECT_NEAR(QString(v.at("T(mm)=")).replace(u',', u'.').toDouble(), 9.9769, 0.005);
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    // With the readings in the former order (near, far, infinity) the rail
    // would go backwards: refused.
    const CliRun reversed = cli({"variations", "--spread", "12", "8", "0"});
    EXPECT_EQ(reversed.code, kCliFailed);
    EXPECT_TRUE(reversed.out.isEmpty());
    EXPECT_TRUE(reversed.err.startsWith(QStringLiteral("optolune-cli: Lectures incohérentes")));
}

TEST(VariationsCli, FocusSpreadNearLifeSizeResultsAreTheSettingProposed)
{
    // c 0,100, f 150, dn 0, gp 1, theoretical f-numbers, 2 decimals;
    // readings 100 / 325 / 232,35: 172,15 mm out (worked by hand in the
    // logic's tests). At 2 decimals the distance 0,60 is exactly 4f and gives
    // T = 150 mm; it takes 5 decimals, said on the error output.
    ProgramFolder folder;
    const CliRun run = cli({"variations", "--circle", "0,100", "--focal", "150", "--nodal", "0", "--gp", "1",
                            "--decimals", "2", "--f-numbers", "128;152,2;181,0;215,3;256,0", "--spread", "100",
                            "325", "232,35"});
    ASSERT_EQ(run.code, kCliOk) << run.err.toStdString();
    const auto v = values(run.out);
    EXPECT_EQ(v.at("rail"), QStringLiteral("272,15"));
    EXPECT_EQ(v.at("tirage"), QStringLiteral("172,15"));
    EXPECT_EQ(v.at("N nécessaire"), QStringLiteral("211,42"));
    EXPECT_EQ(v.at("N="), QStringLiteral("215,3"));
    EXPECT_EQ(v.at("d="), QStringLiteral("0,60285"));
    EXPECT_EQ(v.at("T(mm)="), QStringLiteral("172,15012"));
    EXPECT_EQ(v.at("u="), QStringLiteral("0,28070"));
    EXPECT_EQ(v.at("v="), QStringLiteral("0,32215"));
    EXPECT_EQ(run.err, QStringLiteral("optolune-cli: Décimales portées à 5 pour que la distance donne le tirage proposé\n"));
}

TEST(VariationsCli, FocusSpreadErrorsKeepTheRailReadingWhenThereIsOne)
{
    ProgramFolder folder;
    // No f-number of the list reaches 18,84: the rail reading and N still
    // hold; the largest of the list is named.
    const CliRun none = cli({"variations", "--spread", "0", "12", "8", "--f-numbers", "8 11 16"});
    EXPECT_EQ(none.code, kCliFailed);
    EXPECT_EQ(values(none.out).at("rail"), QStringLiteral("9,98"));
    EXPECT_EQ(values(none.out).at("N nécessaire"), QStringLiteral("18,84"));
    EXPECT_EQ(values(none.out).count("da="), 0u);
    EXPECT_EQ(none.err, QStringLiteral("optolune-cli: Aucun diaphragme de la liste n'atteint 18,84 : le plus grand "
                                       "est 16. Ajoutez-en un à la liste des diaphragmes.\n"));
    // N beyond f/256: images at 282,91 and 162,91 mm behind the pupil, film
    // 206,76 mm behind it, 43,85 mm out.
    const CliRun tooFar = cli({"variations", "--spread", "0", "120", "0"});
    EXPECT_EQ(tooFar.code, kCliFailed);
    EXPECT_EQ(values(tooFar.out).at("rail"), QStringLiteral("43,85"));
    EXPECT_EQ(tooFar.err, QStringLiteral("optolune-cli: Le diaphragme nécessaire, 438,50, est hors intervalle 1,0-256,0\n"));
    // Readings that give no setting: no rail reading at all.
    const CliRun flat = cli({"variations", "--spread", "10", "12", "12"});
    EXPECT_EQ(flat.code, kCliFailed);
    EXPECT_TRUE(flat.out.isEmpty());
}

struct BadOption {
    const char *name;
    QStringList args;
    const char *message;
    friend void PrintTo(const BadOption &c, std::ostream *os) { *os << c.name; }
};

class VariationsBadOption : public testing::TestWithParam<BadOption> {};

TEST_P(VariationsBadOption, ExitTwoNamingTheOption)
{
    ProgramFolder folder;
    QStringList args{"variations"};
    args << GetParam().args;
    expectUsageError(cli(args), QStringLiteral("variations"), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VariationsBadOption,
    testing::Values(
        BadOption{"Circle", {"--circle", "abc"}, "--circle vaut un nombre décimal, pas « abc »"},
        BadOption{"Focal", {"--focal="}, "--focal vaut un nombre décimal, pas «  »"},
        BadOption{"Nodal", {"--nodal", "1,2,3"}, "--nodal vaut un nombre décimal, pas « 1,2,3 »"},
        BadOption{"Gp", {"--gp", "x"}, "--gp vaut un nombre décimal, pas « x »"},
        BadOption{"FNumber", {"--f-number", "f/8"}, "--f-number vaut un nombre décimal, pas « f/8 »"},
        BadOption{"Distance", {"--distance", "3m\x01"}, "--distance vaut un nombre décimal, pas « 3m\\x01 »"},
        BadOption{"Origin", {"--origin", "nodal"}, "--origin vaut film ou lens, pas « nodal »"},
        BadOption{"Decimals", {"--decimals", "9"}, "--decimals vaut un entier de 0 à 8, pas « 9 »"},
        BadOption{"MissingValue", {"--distance"}, "l'option --distance demande une valeur"},
        BadOption{"SpreadShort", {"--spread", "1", "2"},
                  "l'option --spread demande trois lectures du rail en mm : infini, proche, lointain"},
        BadOption{"SpreadReading", {"--spread", "0", "deux", "1"}, "--spread vaut un nombre décimal, pas « deux »"},
        BadOption{"SpreadEmptyReading", {"--spread", "0", "", "1"}, "--spread : Lecture vide au point proche"},
        BadOption{"Unknown", {"--focale", "80"}, "option inconnue : --focale"},
        BadOption{"FlagWithValue", {"--macro=oui"}, "l'option --macro ne prend pas de valeur"},
        BadOption{"Stray", {"80"}, "argument inattendu : 80"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(VariationsCli, HelpNamesEveryOption)
{
    const CliRun run = cli({"variations", "--help"});
    EXPECT_EQ(run.code, kCliOk);
    for (const char *option : {"--circle", "--focal", "--nodal", "--gp", "--f-number", "--distance",
                               "--origin", "--macro", "--decimals", "--spread", "--f-numbers", "--csv",
                               "--help"})
        EXPECT_TRUE(run.out.contains(QString::fromLatin1(option))) << option;
    EXPECT_TRUE(cli({"--help"}).out.contains(QStringLiteral("optolune-cli variations")));
    // The spread's readings in the order of the dialog, in the help and the
    // manual page made from it.
    EXPECT_TRUE(run.out.contains(QStringLiteral("--spread <infini> <proche> <lointain>")));
    EXPECT_TRUE(CliManPage().contains(QStringLiteral("\\-\\-spread <infini> <proche> <lointain>")));
}

TEST(CliManPage, EveryOptionOfEveryHelpTextAndTheBuiltFileIsCurrent)
{
    const QString page = CliManPage();
    int options = 0;
    for (const QString &help : {CliHelpText(), VariationsHelpText(), CircleHelpText()}) {
        for (const QString &line : help.split(u'\n')) {
            if (!line.startsWith(QStringLiteral("  -")))
                continue;
            QString option = line.mid(2).section(QStringLiteral("  "), 0, 0).trimmed();
            option.replace(u'-', QStringLiteral("\\-"));
            EXPECT_TRUE(page.contains(QStringLiteral("\n.B ") + option + u'\n')) << option.toStdString();
            ++options;
        }
        const QString usage = help.section(u'\n', 0, 0).mid(8).replace(u'-', QStringLiteral("\\-"));
        EXPECT_TRUE(page.contains(QStringLiteral(".SS ") + usage)) << usage.toStdString();
    }
    EXPECT_GT(options, 25);
    // No line of the page starts with a control character by accident.
    for (const QString &line : page.split(u'\n'))
        if (line.startsWith(u'.')) {
            EXPECT_TRUE(line.size() > 1 && (line[1].isLetter() || line[1] == u'\\')) << line.toStdString();
        }

    QFile built(QStringLiteral(OPTOLUNE_MAN_PAGE));
    ASSERT_TRUE(built.open(QIODevice::ReadOnly));
    EXPECT_EQ(built.readAll(), page.toUtf8());
}
