#include "explanations/explanationtexts.h"
#include "support/english.h"
#include "support/qtprint.h"

#include <gtest/gtest.h>

using namespace optolune;

TEST(Explanation, TableListsTheParametersAndTheirLimits)
{
    const std::optional<Explanation> e = ComposeExplanation(QStringLiteral("table"));
    ASSERT_TRUE(e);
    EXPECT_EQ(e->caption, QStringLiteral("Table de profondeur de champ"));
    EXPECT_EQ(e->width, 453);
    EXPECT_EQ(e->height, 340);
    EXPECT_EQ(e->lines,
              (QStringList{
                  "",
                  "LES PARAMÈTRES",
                  "",
                  "f distance focale(mm):   minimum 10,000,   maximum 1200,000",
                  "c diamètre du cercle de confusion(mm):   minimum 0,005,   maximum 0,500",
                  "dn distance nodale(mm):   minimum -150,0,   maximum 150,0",
                  "gp grandissement pupillaire:   minimum 0,1,   maximum 5,0",
              }));
}

TEST(Explanation, VariationsExplainsTheTwoFocusingSolutions)
{
    const std::optional<Explanation> e = ComposeExplanation(QStringLiteral("calcprofisol"));
    ASSERT_TRUE(e);
    EXPECT_EQ(e->caption, QStringLiteral("Variations de la profondeur de champ"));
    EXPECT_EQ(e->width, 580);
    EXPECT_EQ(e->height, 220);
    // Stored as written, trailing blanks included.
    EXPECT_EQ(
        e->lines,
        (QStringList{
            "Lorsque la distance d de mise au point rapportée au plan du film est supérieure à "
            "4f+dn, il existe théoriquement deux règlages permettant la mise au mise au point sur "
            "une distance donnée.",
            "L'un des règlages correspond à un grandissement v/u supérieur à 1, l'autre à un "
            "grandissement v/u inférieur à 1. ",
            "Le cas ou la case Macro est cochée, correspond au premier cas.",
            "Remarquez l'inversion des valeurs u et v lorsque vous basculez d'un cas à l'autre.",
            "Les deux grandissements sont inverses.",
            "Dans le premier cas, u appartient à l'intervalle [f,2f] , v est supérieur ou égal à "
            "2f.",
            "Dans le deuxième cas, u est supérieur ou égal à 2f et v appartient à l'intervalle "
            "[f,2f]. ",
            "Le grandissement est égal à 1 lorsque u=v=2f.",
        }));
}

class UnknownTag : public testing::TestWithParam<const char *> {};

TEST_P(UnknownTag, HasNoExplanation)
{
    EXPECT_FALSE(ComposeExplanation(QString::fromUtf8(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(Tags, UnknownTag,
                         testing::Values("Table", "TABLE", "table ", " table", "calcProfIsol",
                                         "calcprofisol\n", "", "pc"),
                         [](const auto &info) { return "Tag" + std::to_string(info.index); });

TEST(Explanation, InEnglishWithDecimalPoints)
{
    optolune::test::EnglishScope english;
    const std::optional<Explanation> table = ComposeExplanation(QStringLiteral("table"));
    ASSERT_TRUE(table);
    EXPECT_EQ(table->caption, QStringLiteral("Depth-of-field table"));
    EXPECT_EQ(table->lines,
              (QStringList{
                  "",
                  "THE PARAMETERS",
                  "",
                  "f focal length (mm):   minimum 10.000,   maximum 1200.000",
                  "c diameter of the circle of confusion (mm):   minimum 0.005,   maximum 0.500",
                  "dn nodal distance (mm):   minimum -150.0,   maximum 150.0",
                  "gp pupil magnification:   minimum 0.1,   maximum 5.0",
              }));
    const std::optional<Explanation> variations =
        ComposeExplanation(QStringLiteral("calcprofisol"));
    ASSERT_TRUE(variations);
    EXPECT_EQ(variations->caption, QStringLiteral("Variations of the depth of field"));
    ASSERT_EQ(variations->lines.size(), 8);
    EXPECT_TRUE(variations->lines[0].startsWith(QStringLiteral("When the focus distance d")));
    EXPECT_EQ(variations->lines[7], QStringLiteral("The magnification is 1 when u=v=2f."));
    // The tags are keys, the same in both languages.
    EXPECT_FALSE(ComposeExplanation(QStringLiteral("Table")));
}
