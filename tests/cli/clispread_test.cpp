#include "cli/clirun.h"

#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

// f 150, gp 1, far at infinity, near at 3 m from the lens (7,8947 mm of
// extension), c 0,1: the geometric f/38,5 would blur 0,113 mm once
// diffraction counts; the sharpest is f/52,9 with 0,103 mm, above c.
TEST(CliSpread, NoUsableFNumberGivesTheSmallestBlur)
{
    const CliRun run = cli({"spread", "--focal", "150", "--gp", "1", "--nodal", "0", "--circle", "0,1",
                            "--origin", "lens", "--rail-infinity", "0", "--rail-near", "7,8947",
                            "--rail-far", "0", "--f-numbers", "32 45 64"});
    ASSERT_EQ(run.code, kCliOk) << run.err.toStdString();
    const auto got = values(run.out);
    EXPECT_EQ(got.at("rail"), QStringLiteral("3,85"));
    EXPECT_EQ(got.at("N"), QStringLiteral("38,46"));
    EXPECT_EQ(got.at("N optimal"), QStringLiteral("52,86"));
    EXPECT_EQ(got.at("flou optimal"), QStringLiteral("0,1029"));
    EXPECT_EQ(got.at("N min"), QString());
    EXPECT_EQ(got.at("N max"), QString());
    EXPECT_EQ(got.at("N liste"), QStringLiteral("45"));
    EXPECT_EQ(got.at("N liste optimal"), QStringLiteral("45"));
    EXPECT_EQ(got.at("distance"), QStringLiteral("6,000"));
    EXPECT_EQ(run.err, QStringLiteral("optolune-cli: aucun diaphragme ne donne c : flou minimal 0,1029 mm à f/52,86\n"));
}

// With c 0,15 the same spread is sharp from the f-number where the defocus
// and the Airy disc together reach c up to the one where diffraction alone
// nearly does: a range around the optimum, in CSV.
TEST(CliSpread, UsableRangeInCsv)
{
    const CliRun run = cli({"spread", "--focal", "150", "--gp", "1", "--nodal", "0", "--circle", "0,15",
                            "--origin", "lens", "--rail-infinity", "0", "--rail-near", "7,8947",
                            "--rail-far", "0", "--f-numbers", "22 32 45 64 90", "--csv"});
    ASSERT_EQ(run.code, kCliOk) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty());
    EXPECT_TRUE(run.out.contains(QStringLiteral("\r\nN optimal;52,86;"))) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("\r\nN min;"))) << run.out.toStdString();
    EXPECT_FALSE(run.out.contains(QStringLiteral("\r\nN min;;"))) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("\r\nN liste optimal;45;"))) << run.out.toStdString();
}

TEST(CliSpread, ReadingsWithoutASettingAndBadOptions)
{
    const CliRun equal = cli({"spread", "--rail-infinity", "12", "--rail-near", "12", "--rail-far", "12"});
    EXPECT_EQ(equal.code, kCliFailed);
    EXPECT_TRUE(equal.out.isEmpty());
    EXPECT_EQ(equal.err, QStringLiteral("optolune-cli: Lectures incohérentes : le tirage doit croître de "
                                        "l'infini au point éloigné, puis du point éloigné au point proche.\n"));
    const QStringList readings = {"--rail-infinity", "12", "--rail-near", "23,5", "--rail-far", "13,1"};
    const struct {
        QStringList args;
        const char *message;
    } cases[] = {
        {{"--rail-near", "23,5"}, "--rail-infinity, --rail-near et --rail-far sont nécessaires : les trois lectures du rail"},
        {readings + QStringList{"--wavelength", "0,3"}, "--wavelength hors limites : 0,3 (limites 0,40-0,70)"},
        {readings + QStringList{"--blur", "max"}, "--blur vaut rss ou sum, pas « max »"},
        {{"--rail-infinity", "x", "--rail-near", "23,5", "--rail-far", "13,1"},
         "--rail-infinity vaut un nombre décimal, pas « x »"},
    };
    for (const auto &c : cases) {
        QStringList args = c.args;
        args.prepend(QStringLiteral("spread"));
        SCOPED_TRACE(args.join(u' ').toStdString());
        expectUsageError(cli(args), QStringLiteral("spread"), c.message);
    }
}
