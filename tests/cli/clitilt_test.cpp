#include "clirun.h"

#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

TEST(CliTilt, PublishedCaseWithTheWedgeAndHeights)
{
    expectResults(cli({"tilt", "--focal", "90", "--height", "1,75", "--film-distance", "92.88",
                       "--f-number", "64", "--circle", "0,06", "--at", "30"}),
                  {{"bascule", "2,948"},
                   {"J", "1,750"},
                   {"tirage", "92,88"},
                   {"plan net", "60,01"},
                   {"limite proche", "37,04"},
                   {"limite lointaine", "103,24"},
                   {"hauteur plan net", "15,566"},
                   {"hauteur limite proche", "38,007"},
                   {"hauteur limite lointaine", "-8,811"}});
}

TEST(CliTilt, GroundFromTwoReadingsAndTheWantedPlane)
{
    // A 90 mm lens 1,5 m above the ground: ground points at 3 m and 30 m
    // focus 2,7835 and 0,2708 mm past infinity, their images 46,3918 and
    // 4,5135 mm below the axis (h v / u for each).
    const CliRun run = cli({"tilt", "--focal", "90", "--rail-near", "102,7835", "--rail-far",
                            "100,2708", "--separation", "41,8783", "--plane-angle", "90", "--csv"});
    ASSERT_EQ(run.code, kCliOk) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("Résultat;Valeur;Signification\r\n")))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("\r\nJ;1,500;"))) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("\r\nplan net;90,00;"))) << run.out.toStdString();
}

TEST(CliTilt, RefusesBadInputAsUsageErrors)
{
    const struct {
        QStringList args;
        const char *message;
    } cases[] = {
        {{"--height", "1,5", "--film-distance", "92"}, "--focal manque : la focale de l'objectif (mm)"},
        {{"--focal", "90", "--height", "1,5", "--tilt", "3", "--film-distance", "92"},
         "Donnez la bascule d'une seule façon : --rail-near, --rail-far et --separation, ou --height, ou --tilt"},
        {{"--focal", "90", "--rail-near", "0", "--rail-far", "3", "--film-distance", "92"},
         "--rail-near, --rail-far et --separation vont ensemble : il en manque"},
        {{"--focal", "90", "--rail-near", "abc", "--rail-far", "3", "--separation", "9", "--film-distance", "92"},
         "--rail-near vaut un nombre décimal, pas « abc »"},
        {{"--focal", "90", "--height", "1,5"}, "Donnez --film-distance ou --plane-angle, l'un des deux"},
        {{"--focal", "90", "--height", "1,5", "--film-distance", "92", "--f-number", "22"},
         "--f-number et --circle vont ensemble : les limites de netteté demandent les deux"},
        // A reading of 0 is a scale position like any other.
        {{"--focal", "90", "--rail-near", "0", "--rail-far", "0", "--separation", "9", "--film-distance", "92"},
         "Les deux lectures sur le rail sont égales : le plan est parallèle au film, aucune bascule ne s'en déduit"},
        {{"--focal", "90", "--rail-near", "0", "--rail-far", "3", "--separation", "-1", "--film-distance", "92"},
         "Écart des images sur le verre dépoli : il doit être positif"},
        {{"--focal", "90", "--height", "0,05", "--film-distance", "92"},
         "Hauteur de l'appareil (0,050 m) inférieure à la focale (90,0 mm)"},
        {{"--focal", "90", "--tilt", "90", "--film-distance", "92"},
         "Bascule hors limites : 90,000° (entre 0 et 90° exclus)"},
        {{"--focal", "90", "--tilt", "5", "--plane-angle", "4"},
         "Angle du plan net hors limites : 4,00° (au-dessus de la bascule, 5,000°, et sous 180°)"},
        {{"--focal", "90", "--tilt", "5", "--film-distance", "0"}, "Tirage : il doit être positif"},
    };
    for (const auto &c : cases) {
        QStringList args = c.args;
        args.prepend(QStringLiteral("tilt"));
        SCOPED_TRACE(args.join(u' ').toStdString());
        expectUsageError(cli(args), QStringLiteral("tilt"), c.message);
    }
}

TEST(CliTilt, ATiltOfNinetyDegreesIsNoSetting)
{
    const CliRun run = cli({"tilt", "--focal", "90", "--rail-near", "0", "--rail-far", "3",
                            "--separation", "3", "--film-distance", "92"});
    EXPECT_EQ(run.code, kCliFailed);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.err, QStringLiteral("optolune-cli: L'écart des lectures sur le rail égale l'écart "
                                      "des images : la bascule serait de 90°\n"));
}
