#include "clirun.h"

#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace {

QStringList lines(const QString &out)
{
    QString text = out;
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

const QStringList kViewCamera = {"stack", "--focal", "150", "--gp", "1", "--nodal", "0",
                                 "--circle", "0,1", "--f-number", "22"};

} // namespace

// A 150 mm lens from 1,5 m to infinity at f/22, c 0,1: six frames from the
// film, five from the lens, the farthest sharp to infinity.
TEST(CliStack, ViewCameraPlanInCsv)
{
    const CliRun run = cli(kViewCamera + QStringList{"--near", "1,5", "--far", "inf", "--origin", "lens", "--csv"});
    ASSERT_EQ(run.code, kCliOk) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty());
    const QStringList rows = lines(run.out);
    ASSERT_EQ(rows.size(), 6) << run.out.toStdString();
    EXPECT_EQ(rows[0], QStringLiteral("vue;rail;distance;proche;lointain"));
    EXPECT_EQ(rows[1], QStringLiteral("1;;14,387;6,015;inf"));
    EXPECT_EQ(rows[5], QStringLiteral("5;;1,659;1,446;1,946"));

    const CliRun film = cli(kViewCamera + QStringList{"--near", "1,5", "--far", "inf", "--csv"});
    ASSERT_EQ(film.code, kCliOk);
    EXPECT_EQ(lines(film.out).size(), 7);
}

// From rail readings, each frame's reading to set, to two decimals.
TEST(CliStack, RailReadingsOfAMacroPlan)
{
    const CliRun run = cli({"stack", "--focal", "100", "--gp", "1", "--nodal", "0", "--circle", "0,03",
                            "--f-number", "8", "--rail-infinity", "40", "--rail-near", "240",
                            "--rail-far", "220", "--origin", "lens", "--decimals", "4", "--csv"});
    ASSERT_EQ(run.code, kCliOk) << run.err.toStdString();
    const QStringList rows = lines(run.out);
    ASSERT_EQ(rows.size(), 19);
    EXPECT_EQ(rows[1], QStringLiteral("1;220,54;0,1554;0,1552;0,1556"));
    EXPECT_TRUE(rows[18].startsWith(QStringLiteral("18;239,43;"))) << rows[18].toStdString();
}

TEST(CliStack, NoPlanIsExitOneWithTheReason)
{
    const CliRun run = cli({"stack", "--focal", "100", "--gp", "1", "--circle", "0,03", "--f-number", "8",
                            "--rail-infinity", "40", "--rail-near", "240", "--rail-far", "220",
                            "--diffraction"});
    EXPECT_EQ(run.code, kCliFailed);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.err, QStringLiteral("optolune-cli: Rien n'est net : la diffraction à f/24,0 effectif "
                                      "(0,0322 mm) atteint le cercle de confusion (0,030 mm)\n"));
}

TEST(CliStack, RefusesBadInput)
{
    const QStringList readings = {"--rail-infinity", "0", "--rail-near", "20", "--rail-far", "5"};
    const struct {
        QStringList args;
        const char *message;
    } cases[] = {
        {{"--near", "1"}, "--near et --far vont ensemble : il en manque"},
        {readings + QStringList{"--near", "1", "--far", "2"},
         "Donnez les sujets d'une seule façon : --rail-infinity, --rail-near et --rail-far, ou --near et --far"},
        {{"--rail-near", "20", "--rail-far", "5"},
         "--rail-infinity, --rail-near et --rail-far vont ensemble : il en manque"},
        {readings + QStringList{"--f-number", "300"}, "--f-number hors limites : 300 (limites 1,0-256,0)"},
        {readings + QStringList{"--f-number", "0,5"}, "--f-number hors limites : 0,5 (limites 1,0-256,0)"},
        {readings + QStringList{"--overlap", "0,4"}, "--overlap hors limites : 0,4 (limites 0,50-1,00)"},
        {readings + QStringList{"--overlap", "x"}, "--overlap vaut un nombre décimal, pas « x »"},
        {readings + QStringList{"--wavelength", "0,8"}, "--wavelength hors limites : 0,8 (limites 0,40-0,70)"},
        {readings + QStringList{"--wavelength", "0,55555"},
         "--wavelength s'écrit avec 4 décimales au plus, pas « 0,55555 »"},
        {readings + QStringList{"--blur", "max"}, "--blur vaut rss ou sum, pas « max »"},
        {{"--rail-infinity", "0", "--rail-near", "5", "--rail-far", "5"},
         "Lectures incohérentes : le tirage doit croître de l'infini au point éloigné, puis du point éloigné au point proche."},
        {{"--rail-infinity", "0", "--rail-near", "5", "--rail-far", "20"},
         "Lectures incohérentes : le tirage doit croître de l'infini au point éloigné, puis du point éloigné au point proche."},
        {{"--near", "5", "--far", "2"}, "Le sujet proche doit être plus près de l'objectif que le sujet lointain"},
    };
    for (const auto &c : cases) {
        QStringList args = c.args;
        args.prepend(QStringLiteral("stack"));
        SCOPED_TRACE(args.join(u' ').toStdString());
        expectUsageError(cli(args), QStringLiteral("stack"), c.message);
    }
}
