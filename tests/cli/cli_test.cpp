// optolune-cli, tested through what it prints.
#include "clirun.h"
#include "support/programfolder.h"
#include "support/qtprint.h"
#include "table/tablefiles.h"
#include "table/tablestate.h"
#include "core/textfile.h"

#include <QProcess>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace {

// The worked example: c = 0,05 mm, f = 80 mm, dn = -4 mm, gp = 1,1.
QStringList workedExample(std::initializer_list<const char *> more = {})
{
    QStringList args{"table", "--circle", "0,05", "--focal", "80", "--nodal", "-4", "--gp", "1,1",
                     "--f-numbers", "8;22", "--distances", "3 20", "--decimals", "4"};
    for (const char *a : more)
        args << QString::fromUtf8(a);
    return args;
}

} // namespace

TEST(Cli, AlignedTextOfTheWorkedExample)
{
    ProgramFolder folder;
    const CliRun run = cli(workedExample());
    ASSERT_EQ(run.code, kCliOk) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    const QStringList lines = run.out.split(u'\n');
    ASSERT_EQ(lines.size(), 5); // header, 3, 20, Infini, and the final line break
    EXPECT_EQ(lines[0].split(u' ', Qt::SkipEmptyParts), (QStringList{"n=8", "n=22"}));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("3 ")));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("2,5604 / 3,6294"))) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].contains(QStringLiteral("2,0436 / 5,7826"))) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].contains(QStringLiteral(" / inf")));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("Infini")));
    EXPECT_TRUE(lines[3].contains(QStringLiteral("16,0833 / inf")));
    // Aligned: every column ends at the same place on every line.
    EXPECT_EQ(lines[0].size(), lines[1].size());
    EXPECT_TRUE(lines[4].isEmpty());
}

TEST(Cli, FromTheLensWithEveryOption)
{
    ProgramFolder folder;
    const CliRun run = cli(workedExample({"--origin", "lens", "-p", "-ab", "-H", "-GT"}));
    ASSERT_EQ(run.code, kCliOk) << run.err.toStdString();
    const QStringList lines = run.out.split(u'\n');
    EXPECT_EQ(lines[0].split(u' ', Qt::SkipEmptyParts), (QStringList{"n=8", "n=22", "G", "T(mm)"}));
    EXPECT_TRUE(lines[1].contains(QStringLiteral("2,5381 / 3,6681 / p=1,1300 / a=0,4619 / b=0,6681")))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral("0,0274    2,2"))) << lines[1].toStdString();
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral("H ")));
    EXPECT_TRUE(lines[4].contains(QStringLiteral("8,0436 / inf")));
    EXPECT_TRUE(lines[5].contains(QStringLiteral("16,0800 / inf")));
}

TEST(Cli, CsvForAFrenchSpreadsheet)
{
    ProgramFolder folder;
    const CliRun run = cli(workedExample({"--csv", "--distances", "3", "--f-numbers", "8"}));
    ASSERT_EQ(run.code, kCliOk) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral(";n=8\r\n"
                                      "3;\"2,5604\n3,6294\"\r\n"
                                      "Infini;\"16,0833\ninf\"\r\n"));
}

TEST(Cli, HorizontalWithPointsForCommas)
{
    ProgramFolder folder;
    const CliRun run = cli({"table", "--f-numbers", "5.6 8", "--distances", "1.5;3", "--horizontal",
                         "--csv"});
    ASSERT_EQ(run.code, kCliOk) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(QStringLiteral(";1,5;3;Infini\r\nn=5,6;"))) << run.out.toStdString();
}

TEST(Cli, DefaultListsFromTheDataFolder)
{
    ProgramFolder folder;
    const CliRun run = cli({"table", "--csv"});
    ASSERT_EQ(run.code, kCliOk) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(QStringLiteral(";n=4,5;n=5,6;n=8;"))) << run.out.toStdString();
}

TEST(Cli, SavedTableFile)
{
    ProgramFolder folder;
    const CliRun run = cli({"table", "--file", TestTablePath(), "--csv"});
    ASSERT_EQ(run.code, kCliOk) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(QStringLiteral(";n=5,6;n=8;"))) << run.out.toStdString();
    // Options given with the file replace what it holds.
    const CliRun lens = cli({"table", "--file", TestTablePath(), "--focal", "150", "--csv"});
    ASSERT_EQ(lens.code, kCliOk);
    EXPECT_NE(lens.out, run.out);
}

TEST(Cli, RepairedParameterWarnsAndGoesOn)
{
    ProgramFolder folder;
    const CliRun run = cli({"table", "--focal", "2000", "--f-numbers", "8", "--distances", "10"});
    EXPECT_EQ(run.code, kCliOk);
    EXPECT_EQ(run.err, QStringLiteral("optolune-cli: Valeur hors intervalle 10,0-1200,0\n"));
    EXPECT_FALSE(run.out.isEmpty());
}

struct FailureCase {
    const char *name;
    QStringList args;
    int code;
    const char *message; // start of the error stream
};

class CliFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(CliFailure, ClearMessageAndExitCode)
{
    const FailureCase &c = GetParam();
    ProgramFolder folder;
    folder.write(QStringLiteral("old.stf"), "Version 0.1.0.0\r\n");
    QStringList args = c.args;
    args.replaceInStrings(QStringLiteral("@"), folder.path());
    const CliRun run = cli(args);
    EXPECT_EQ(run.code, c.code);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.startsWith(QString::fromUtf8(c.message)))
        << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliFailure,
    testing::Values(
        FailureCase{"NoCommand", {}, kCliBadUsage, "optolune-cli: commande manquante (table)"},
        FailureCase{"UnknownCommand", {"tableau"}, kCliBadUsage, "optolune-cli: commande inconnue : tableau"},
        FailureCase{"UnknownOption", {"table", "--foo"}, kCliBadUsage, "optolune-cli: option inconnue : --foo"},
        FailureCase{"MissingValue", {"table", "--focal"}, kCliBadUsage,
                    "optolune-cli: l'option --focal demande une valeur"},
        FailureCase{"DecimalsOutOfRange", {"table", "--decimals", "12"}, kCliBadUsage,
                    "optolune-cli: --decimals vaut un entier de 0 à 8, pas « 12 »"},
        FailureCase{"BadOrigin", {"table", "--origin", "nodal"}, kCliBadUsage,
                    "optolune-cli: --origin vaut film ou lens, pas « nodal »"},
        FailureCase{"BadBound", {"table", "--bound", "loin"}, kCliBadUsage,
                    "optolune-cli: --bound vaut une distance en mètres, pas « loin »"},
        FailureCase{"FlagWithValue", {"table", "--csv=oui"}, kCliBadUsage,
                    "optolune-cli: l'option --csv ne prend pas de valeur"},
        FailureCase{"MissingFile", {"table", "--file", "@absent.stf"}, kCliFailed,
                    "optolune-cli: Impossible d'ouvrir le fichier "},
        FailureCase{"OtherVersion", {"table", "--file", "@old.stf"}, kCliFailed,
                    "optolune-cli: Fichier non compatible avec la version Version 1.0.0.0"},
        FailureCase{"EmptyDistanceList", {"table", "--distances", ";"}, kCliFailed,
                    "optolune-cli: Créez une liste des distances"},
        // Typed lists keep to the limits of the list editor; the message
        // names the item.
        FailureCase{"BadItem", {"table", "--f-numbers", "8 huit"}, kCliBadUsage,
                    "optolune-cli: diaphragme incorrect : « huit »"},
        FailureCase{"FNumberZero", {"table", "--f-numbers", "8 0"}, kCliBadUsage,
                    "optolune-cli: diaphragme hors de l'intervalle 1,0-256,0 : « 0 »"},
        FailureCase{"FNumberNegative", {"table", "--f-numbers", "-2"}, kCliBadUsage,
                    "optolune-cli: diaphragme hors de l'intervalle 1,0-256,0 : « -2 »"},
        FailureCase{"FNumberBeyond256", {"table", "--f-numbers", "300"}, kCliBadUsage,
                    "optolune-cli: diaphragme hors de l'intervalle 1,0-256,0 : « 300 »"},
        FailureCase{"DistanceHuge", {"table", "--distances", "3 1e308"}, kCliBadUsage,
                    "optolune-cli: distance hors de l'intervalle 0,001-900,000 : « 1e308 »"},
        FailureCase{"DistanceZero", {"table", "--distances", "0"}, kCliBadUsage,
                    "optolune-cli: distance hors de l'intervalle 0,001-900,000 : « 0 »"},
        FailureCase{"DistanceNotANumber", {"table", "--distances", "3m"}, kCliBadUsage,
                    "optolune-cli: distance incorrecte : « 3m »"},
        // A device or a pipe in place of a table file is read to its bound.
        FailureCase{"FileIsDevZero", {"table", "--file", "/dev/zero"}, kCliFailed,
                    "optolune-cli: Fichier non compatible avec la version Version 1.0.0.0"},
        FailureCase{"FileIsDevUrandom", {"table", "--file", "/dev/urandom"}, kCliFailed,
                    "optolune-cli: Fichier non compatible avec la version Version 1.0.0.0"},
        FailureCase{"WavelengthOutOfRange", {"table", "--diffraction", "--wavelength", "0,9"},
                    kCliBadUsage, "optolune-cli: --wavelength hors limites : 0,9 (limites 0,40-0,70)"},
        FailureCase{"WavelengthTooPrecise", {"table", "--wavelength", "0,55555"}, kCliBadUsage,
                    "optolune-cli: --wavelength s'écrit avec 4 décimales au plus, pas « 0,55555 »"},
        FailureCase{"BadBlurModel", {"table", "--blur", "max"}, kCliBadUsage,
                    "optolune-cli: --blur vaut rss ou sum, pas « max »"},
        // Arguments are quoted with their control characters escaped.
        FailureCase{"ControlCharactersEscaped", {"table", "--origin", "\x1b[2J"}, kCliBadUsage,
                    "optolune-cli: --origin vaut film ou lens, pas « \\x1B[2J »"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Cli, ListsLongerThanATableHolds)
{
    ProgramFolder folder;
    QStringList many;
    for (int i = 1; i <= 1001; ++i)
        many << QString::number(i);
    const CliRun run = cli({"table", "--distances", many.join(u' ')});
    EXPECT_EQ(run.code, kCliBadUsage);
    EXPECT_EQ(run.err, QStringLiteral("optolune-cli: 1000 diaphragmes ou distances au plus\n"));
    EXPECT_TRUE(run.out.isEmpty());
}

// A focus at exactly the hyperfocal distance is sharp to infinity: the cell
// reads "inf" and agrees with the table's own H and h= rows.
TEST(Cli, FocusAtTheHyperfocalDistanceIsSharpToInfinity)
{
    ProgramFolder folder;
    // From the lens, h = H + f = 6,25 + 0,05 m.
    CliRun run = cli({"table", "--circle", "0,025", "--focal", "50", "--nodal", "0", "--gp", "1,3",
                      "--f-numbers", "16", "--distances", "6,3", "--origin", "lens", "-H",
                      "--decimals", "3"});
    ASSERT_EQ(run.code, kCliOk) << run.err.toStdString();
    QStringList lines = run.out.split(u'\n');
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines[1], QStringLiteral("6,3     3,156 / inf"));
    EXPECT_EQ(lines[3], QStringLiteral("H       3,156 / inf"));
    EXPECT_EQ(lines[4], QStringLiteral("h=      6,300 / inf"));

    // From the film, h = (H + f)^2 / H + dn = 6,3504 m.
    run = cli({"table", "--circle", "0,025", "--focal", "50", "--nodal", "0", "--gp", "1,3",
               "--f-numbers", "16", "--distances", "6,3504", "--origin", "film", "-H",
               "--decimals", "3"});
    ASSERT_EQ(run.code, kCliOk) << run.err.toStdString();
    lines = run.out.split(u'\n');
    ASSERT_GE(lines.size(), 5);
    const QString cell = lines[1].mid(lines[1].indexOf(u' ')).trimmed();
    EXPECT_TRUE(cell.endsWith(QStringLiteral(" / inf"))) << lines[1].toStdString();
    EXPECT_EQ(lines[3].mid(1).trimmed(), cell);
    EXPECT_EQ(lines[4].mid(2).trimmed(), QStringLiteral("6,350"));
}

// A short lens stopped far down: beyond the hyperfocal distance the far limit
// is infinite, never a number in front of the near limit.
TEST(Cli, ShortLensStoppedDownIsSharpToInfinity)
{
    ProgramFolder folder;
    const CliRun run = cli({"table", "--circle", "0,5", "--focal", "10", "--nodal", "0", "--gp", "5",
                            "--f-numbers", "32 45 64 90 128 181 256", "--distances", "1 3",
                            "--origin", "film", "--decimals", "4", "--csv"});
    ASSERT_EQ(run.code, kCliOk) << run.err.toStdString();
    const QStringList records = run.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(records.size(), 4); // header, 1 m, 3 m, Infini
    for (int r = 1; r <= 2; ++r) {
        const QStringList fields = records[r].split(u';');
        ASSERT_EQ(fields.size(), 8) << records[r].toStdString();
        for (int k = 1; k < fields.size(); ++k) {
            EXPECT_TRUE(fields[k].endsWith(QStringLiteral("\ninf\"")))
                << records[r].toStdString();
        }
    }
}

// A table file whose one line is a 65 KB item, or binary: the message quotes
// the item shortened, with its control bytes escaped.
TEST(Cli, MessagesQuoteHostileItemsShortened)
{
    ProgramFolder folder;
    TableState state;
    state.fNumbers = {QString(65536, u'7') + u'x'};
    state.distances = {QStringLiteral("\x1b[31m3")};
    writeWhole(folder.file(QStringLiteral("long.stf")), joinLines(TableFileLines(state)));
    CliRun run = cli({"table", "--file", folder.file(QStringLiteral("long.stf"))});
    EXPECT_EQ(run.code, kCliFailed);
    EXPECT_EQ(run.err, QStringLiteral("optolune-cli: La liste des diaphragmes contient une valeur "
                                      "incorrecte : '") +
                           QString(60, u'7') + QStringLiteral("...'\n"));
    state.fNumbers = {QStringLiteral("8")};
    writeWhole(folder.file(QStringLiteral("esc.stf")), joinLines(TableFileLines(state)));
    run = cli({"table", "--file", folder.file(QStringLiteral("esc.stf"))});
    EXPECT_EQ(run.code, kCliFailed);
    EXPECT_EQ(run.err, QStringLiteral("optolune-cli: La liste des distances contient une valeur "
                                      "incorrecte : '\\x1B[31m3'\n"));
}

TEST(Cli, DiffractionCountedInEveryCell)
{
    // A 150 mm lens at f/16 to f/90: the Airy disc narrows the zones and, at
    // f/90 (0,121 mm at 0,55 um), leaves nothing sharp with c = 0,1.
    ProgramFolder folder;
    const QStringList lens{"table", "--circle", "0,1", "--focal", "150", "--nodal", "0", "--gp", "1",
                           "--f-numbers", "16 90", "--distances", "3", "--decimals", "3", "-H"};
    const CliRun plain = cli(lens);
    const CliRun with = cli(QStringList(lens) << "--diffraction");
    ASSERT_EQ(with.code, kCliOk) << with.err.toStdString();
    EXPECT_TRUE(with.err.isEmpty());
    const QStringList lines = with.out.split(u'\n');
    // 3 m, Infini, H and h= all say "diffraction" at f/90.
    for (int i = 1; i <= 4; ++i) {
        EXPECT_TRUE(lines[i].endsWith(QStringLiteral("diffraction"))) << lines[i].toStdString();
    }
    EXPECT_FALSE(plain.out.contains(u"diffraction"));
    EXPECT_NE(plain.out.split(u'\n')[1], lines[1]);

    // The root sum of squares at 0,55 um is the default; a shorter
    // wavelength blurs less, the sum more.
    EXPECT_EQ(cli(QStringList(lens) << "--diffraction" << "--wavelength" << "0,55" << "--blur" << "rss").out,
              with.out);
    const CliRun blue = cli(QStringList(lens) << "--diffraction" << "--wavelength=0.4");
    ASSERT_EQ(blue.code, kCliOk) << blue.err.toStdString();
    EXPECT_FALSE(blue.out.split(u'\n')[1].endsWith(QStringLiteral("diffraction")));
    const CliRun sum = cli(QStringList(lens) << "--diffraction" << "--blur" << "sum" << "--csv"
                                             << "--layout" << "rows");
    ASSERT_EQ(sum.code, kCliOk) << sum.err.toStdString();
    EXPECT_TRUE(sum.out.contains(QStringLiteral(";90;3;diffraction;;;;\r\n"))) << sum.out.toStdString();
}

TEST(Cli, HelpExplainsEveryOption)
{
    const CliRun run = cli({"--help"});
    EXPECT_EQ(run.code, kCliOk);
    for (const char *option : {"--file", "--circle", "--focal", "--nodal", "--gp", "--f-numbers",
                               "--distances", "--origin", "--horizontal", "--vertical", "--depth",
                               "--front-rear", "--hyperfocal", "--magnification", "--decimals",
                               "--bound", "--csv", "--help", "--diffraction", "--wavelength", "--blur"})
        EXPECT_TRUE(run.out.contains(QString::fromLatin1(option))) << option;
    EXPECT_TRUE(run.out.contains(QStringLiteral("au plus 1000 valeurs")));
    EXPECT_TRUE(run.err.isEmpty());
}

TEST(Cli, TheExecutable)
{
    ProgramFolder folder;
    QProcess process;
    // The command line speaks the user's language: French here.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("LANGUAGE"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("fr_FR.UTF-8"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(OPTOLUNE_CLI_PATH),
                  {"table", "--f-numbers", "8", "--distances", "3", "--decimals", "4", "--csv"});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), kCliOk);
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardOutput()),
              QStringLiteral(";n=8\r\n3;\"2,5604\n3,6294\"\r\nInfini;\"16,0833\ninf\"\r\n"));

    process.start(QStringLiteral(OPTOLUNE_CLI_PATH), {"table", "--bogus"});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), kCliBadUsage);
    EXPECT_TRUE(process.readAllStandardOutput().isEmpty());
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError()).contains(QStringLiteral("--bogus")));
}
