// optolune-cli circle, through what it prints: the worked examples of the
// circle calculator, the formats, and every bad option.
#include "clirun.h"
#include "circle/circlecalc.h"
#include "cli/clicircle.h"
#include "support/programfolder.h"
#include "support/qtprint.h"

#include <gtest/gtest.h>
#include <map>

using namespace optolune;
using namespace optolune::test;

struct CircleCase {
    const char *name;
    QStringList args;
    std::map<QString, QString> expected;
    friend void PrintTo(const CircleCase &c, std::ostream *os) { *os << c.name; }
};

class CircleWorkedExample : public testing::TestWithParam<CircleCase> {};

TEST_P(CircleWorkedExample, ResultsAsTheWindowShowsThem)
{
    QStringList args{"circle"};
    args << GetParam().args;
    expectResults(cli(args), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CircleWorkedExample,
    testing::Values(
        CircleCase{"SixBySixCropped", {},
                   {{"film", "42x56"}, {"tirage", "30x40"}, {"diagonale", "50"}, {"agrandissement", "7,1"},
                    {"distance", "50"}, {"c=", "0,056"}, {"N limite", "41,4"}}},
        CircleCase{"SixBySixFullFrame", {"--full-frame"},
                   {{"film", "56x56"}, {"tirage", "30x30"}, {"diagonale", "42"}, {"agrandissement", "5,4"},
                    {"distance", "42"}, {"c=", "0,063"}, {"N limite", "46,8"}}},
        CircleCase{"SmallFormatPreset", {"--film", "24x36", "--print-width", "24", "--print-length", "30"},
                   {{"film", "24x30"}, {"agrandissement", "10,0"}, {"diagonale", "38"}, {"c=", "0,031"},
                    {"N limite", "22,7"}}},
        CircleCase{"SmallFormatSeenFromTwentyFiveCentimetres",
                   {"--film-width", "24", "--film-length", "36", "--print-width", "24", "--print-length",
                    "30", "--viewing-distance", "25"},
                   {{"distance", "25"}, {"c=", "0,020"}, {"N limite", "14,8"}}},
        CircleCase{"SmallFormatFullFrame", {"--film", "24x36", "--print-width=24", "--print-length=30", "--full-frame"},
                   {{"tirage", "20x30"}, {"agrandissement", "8,3"}, {"diagonale", "36"}, {"c=", "0,035"}}},
        CircleCase{"PointForComma", {"--film-width", "56.5", "--film-length", "70", "--full-frame"},
                   {{"film", "57x70"}}},
        CircleCase{"PresetsByName", {"--film", "6x6 CM", "--print", "30x40"}, {{"c=", "0,056"}}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(CircleCli, RefusedValuesGiveTheWindowsWarning)
{
    const CliRun close = cli({"circle", "--viewing-distance", "9"});
    EXPECT_EQ(close.code, kCliFailed);
    EXPECT_TRUE(close.out.isEmpty());
    EXPECT_EQ(close.err, QStringLiteral("optolune-cli: Champ DO incorrect (10-300)\n"));
    // 9,6 rounds to the field's 10.
    EXPECT_EQ(cli({"circle", "--viewing-distance", "9,6"}).code, kCliOk);

    const CliRun order = cli({"circle", "--film-width", "60", "--film-length", "56"});
    EXPECT_EQ(order.code, kCliFailed);
    EXPECT_EQ(order.err, QStringLiteral("optolune-cli: Largeur film supérieure à longueur film incorrect\n"));
    const CliRun print = cli({"circle", "--print-length", "400"});
    EXPECT_EQ(print.code, kCliFailed);
    EXPECT_EQ(print.err, QStringLiteral("optolune-cli: Champ Longueur tirage incorrect (13-300)\n"));
}

TEST(CircleCli, WarnsWhenTheTableWouldRefuseC)
{
    // APS film on a 30x40 print, enlarged 37,5 times: seen from 21 cm, c is
    // 0,00448 mm, shown 0,004, below the smallest c the table takes.
    const CliRun small = cli({"circle", "--film", "APS", "--viewing-distance", "21"});
    EXPECT_EQ(small.code, kCliOk);
    EXPECT_EQ(values(small.out).at("c="), QStringLiteral("0,004"));
    EXPECT_EQ(small.err, QStringLiteral("optolune-cli: c = 0,004 mm : la table de profondeur de champ "
                                        "n'accepte pas un cercle inférieur à 0,005 mm\n"));
    // From 23 cm c is 0,00491 mm: shown 0,005, which the table takes.
    const CliRun least = cli({"circle", "--film", "APS", "--viewing-distance", "23"});
    EXPECT_EQ(values(least.out).at("c="), QStringLiteral("0,005"));
    EXPECT_TRUE(least.err.isEmpty()) << least.err.toStdString();
    // 11x14 in on a 9x13 print seen from 3 m: far above the largest.
    const CliRun large = cli({"circle", "--film", "11x14 in", "--print", "9x13", "--viewing-distance", "300"});
    EXPECT_EQ(large.code, kCliOk);
    EXPECT_EQ(large.err, QStringLiteral("optolune-cli: c = 6,498 mm : la table de profondeur de champ "
                                        "n'accepte pas un cercle supérieur à 0,500 mm\n"));
    // The CSV output warns the same way, its rows untouched.
    const CliRun csv = cli({"circle", "--film", "APS", "--viewing-distance", "21", "--csv"});
    EXPECT_EQ(csv.err, small.err);
    EXPECT_TRUE(csv.out.contains(QStringLiteral("c=;0,004;")));
}

TEST(CircleCli, FormatsListedAndCsv)
{
    const CliRun list = cli({"circle", "--list-formats"});
    ASSERT_EQ(list.code, kCliOk);
    EXPECT_TRUE(list.out.contains(QStringLiteral("24x36")));
    EXPECT_TRUE(list.out.contains(QStringLiteral("4x5 in")));
    EXPECT_TRUE(list.out.contains(QStringLiteral("96x120")));
    EXPECT_TRUE(list.out.contains(QStringLiteral("A4")));
    for (const FormatPreset &p : FilmPresets()) {
        EXPECT_TRUE(list.out.contains(QString::fromUtf8(p.item))) << p.item;
    }
    const CliRun csv = cli({"circle", "--list-formats", "--csv"});
    EXPECT_TRUE(csv.out.startsWith(QStringLiteral("Format;Largeur x longueur;Type\r\nAPS;8x11;film (mm)\r\n")))
        << csv.out.toStdString();

    const CliRun result = cli({"circle", "--csv"});
    ASSERT_EQ(result.code, kCliOk);
    const QStringList records = result.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(records.size(), 8);
    EXPECT_EQ(records[6], QStringLiteral("c=;0,056;diamètre du cercle de confusion (mm)"));
}

struct BadCircleOption {
    const char *name;
    QStringList args;
    const char *message;
    friend void PrintTo(const BadCircleOption &c, std::ostream *os) { *os << c.name; }
};

class CircleBadOption : public testing::TestWithParam<BadCircleOption> {};

TEST_P(CircleBadOption, ExitTwoNamingTheOption)
{
    QStringList args{"circle"};
    args << GetParam().args;
    expectUsageError(cli(args), QStringLiteral("circle"), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CircleBadOption,
    testing::Values(
        BadCircleOption{"Film", {"--film", "8x10"}, "--film : format inconnu « 8x10 » (voir --list-formats)"},
        BadCircleOption{"Print", {"--print", "poster"}, "--print : format inconnu « poster » (voir --list-formats)"},
        BadCircleOption{"FilmWidth", {"--film-width", "large"}, "--film-width vaut un nombre décimal, pas « large »"},
        BadCircleOption{"FilmLength", {"--film-length", ""}, "--film-length vaut un nombre décimal, pas «  »"},
        BadCircleOption{"PrintWidth", {"--print-width", "2O"}, "--print-width vaut un nombre décimal, pas « 2O »"},
        BadCircleOption{"PrintLength", {"--print-length", "4O"}, "--print-length vaut un nombre décimal, pas « 4O »"},
        BadCircleOption{"ViewingDistance", {"--viewing-distance", "loin"},
                        "--viewing-distance vaut un nombre décimal, pas « loin »"},
        BadCircleOption{"MissingValue", {"--film"}, "l'option --film demande une valeur"},
        BadCircleOption{"FlagWithValue", {"--full-frame=1"}, "l'option --full-frame ne prend pas de valeur"},
        BadCircleOption{"Unknown", {"--format", "24x36"}, "option inconnue : --format"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(CircleCli, HelpNamesEveryOption)
{
    const CliRun run = cli({"circle", "--help"});
    EXPECT_EQ(run.code, kCliOk);
    for (const char *option : {"--film", "--film-width", "--film-length", "--print", "--print-width",
                               "--print-length", "--full-frame", "--viewing-distance", "--list-formats",
                               "--csv", "--help"})
        EXPECT_TRUE(run.out.contains(QString::fromLatin1(option))) << option;
    EXPECT_TRUE(cli({"--help"}).out.contains(QStringLiteral("optolune-cli circle")));
}
