#include "lens/lensdata.h"

#include "core/inifile.h"
#include "core/usererror.h"
#include "support/programfolder.h"
#include "support/recorder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

TEST(LensData, DefaultsGiveThePlanar80)
{
    Recorder rec;
    BladSettings fields;
    const auto data = ComputeLensData(fields).data;
    ASSERT_TRUE(data.has_value());
    EXPECT_TRUE(rec.messages().empty());
    // H lies 39,8 behind the first vertex, H' 11,2 in front of the last one,
    // 47 mm apart: -39,8 - 11,2 + 47 = -4, H' ahead of H.
    EXPECT_EQ(NodalText(*data), QStringLiteral("-4"));
    EXPECT_EQ(PupilText(*data), QStringLiteral("1,19791666666667"));
    EXPECT_EQ(fields.ep, QStringLiteral("47")); // a whole value loses its decimals
    EXPECT_EQ(fields.f, QStringLiteral("81,2"));

    const LensChoice choice = MakeLensChoice(fields, *data);
    EXPECT_EQ(choice.focal, QStringLiteral("81,2"));
    EXPECT_EQ(choice.pupil, QStringLiteral("1,19791666666667"));
    EXPECT_EQ(choice.nodal, QStringLiteral("-4"));
    EXPECT_EQ(choice.references, QStringLiteral("Planar T 2,8-80 CFE"));
    EXPECT_EQ(choice.comment, QStringLiteral("Hasselblad Planar T 2,8-80 CFE n° 10 22 11"));
}

namespace {

struct SideCase {
    const char *name;
    const char *h, *hprime, *ep;
    int r1, r2;
    const char *dn;
};

void PrintTo(const SideCase &c, std::ostream *os) { *os << c.name; }

class NodalDistanceTest : public testing::TestWithParam<SideCase> {};

} // namespace

TEST_P(NodalDistanceTest, SignsFollowTheSidesOfThePlanes)
{
    const SideCase &k = GetParam();
    Recorder rec;
    BladSettings fields;
    fields.h = QString::fromUtf8(k.h);
    fields.hprime = QString::fromUtf8(k.hprime);
    fields.ep = QString::fromUtf8(k.ep);
    fields.r1 = k.r1;
    fields.r2 = k.r2;
    const auto data = ComputeLensData(fields).data;
    ASSERT_TRUE(data.has_value());
    EXPECT_EQ(NodalText(*data), QString::fromUtf8(k.dn));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NodalDistanceTest,
    testing::Values(SideCase{"BothInFront", "10", "5", "40", InFront, InFront, "45"},
                    SideCase{"BothBehind", "10", "5", "40", Behind, Behind, "35"},
                    SideCase{"FrontBehindRearInFront", "10", "5", "40", Behind, InFront, "25"},
                    SideCase{"FrontInFrontRearBehind", "10", "5", "40", InFront, Behind, "55"},
                    // -11,2 - 8,4 + 19,6 misses zero by 1E-18 in binary.
                    SideCase{"ZeroIsZero", "11,2", "8,4", "19,6", Behind, InFront, "0"},
                    SideCase{"OneDecimal", "39,8", "11,3", "47", Behind, InFront, "-4,1"}),
    [](const auto &info) { return std::string(info.param.name); });

namespace {

struct FieldCase {
    const char *name;
    QString BladSettings::*field;
    const char *typed;
    const char *message; // empty: accepted
    const char *after;
};

void PrintTo(const FieldCase &c, std::ostream *os) { *os << c.name; }

class LensFieldTest : public testing::TestWithParam<FieldCase> {};

} // namespace

TEST_P(LensFieldTest, ChecksEachFieldWithItsMessage)
{
    const FieldCase &k = GetParam();
    Recorder rec;
    BladSettings fields;
    fields.*k.field = QString::fromUtf8(k.typed);
    const LensComputation computed = ComputeLensData(fields);
    const QString message = QString::fromUtf8(k.message);
    EXPECT_EQ(computed.data.has_value(), message.isEmpty());
    EXPECT_EQ(computed.warning, message.isEmpty() ? std::nullopt : std::optional<QString>(message));
    EXPECT_TRUE(rec.messages().empty()); // the window shows the warning
    EXPECT_EQ(fields.*k.field, QString::fromUtf8(k.after));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LensFieldTest,
    testing::Values(
        FieldCase{"FocalTooShort", &BladSettings::f, "9", "Champ Focale incorrect", "9"},
        FieldCase{"FocalTooLong", &BladSettings::f, "1200,1", "Champ Focale incorrect", "1200,1"},
        FieldCase{"FocalWithPoint", &BladSettings::f, "81.24", "", "81,2"},
        FieldCase{"HTooFar", &BladSettings::h, "200", "Champ H incorrect", "200"},
        FieldCase{"HWholeLosesDecimals", &BladSettings::h, "40,0", "", "40"},
        FieldCase{"HPrimeEmpty", &BladSettings::hprime, "", "Champ H' incorrect", ""},
        FieldCase{"HPrimeRoundsToZero", &BladSettings::hprime, "0,04", "Champ H' incorrect", "0,04"},
        FieldCase{"VertexDistanceUnreadable", &BladSettings::ep, "47 mm",
                  "Champ Distance between... incorrect", "47 mm"},
        FieldCase{"ExitTooLarge", &BladSettings::ds, "100,1", "Champ Exit pupil incorrect", "100,1"},
        FieldCase{"EntranceRounded", &BladSettings::de, "28,84", "", "28,8"},
        FieldCase{"EntranceNegative", &BladSettings::de, "-28", "Champ Entrance pupil incorrect", "-28"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LensData, ChecksStopAtTheFirstFieldInOrder)
{
    Recorder rec;
    BladSettings fields;
    fields.de = QStringLiteral("x");
    fields.ds = QStringLiteral("x");
    fields.ep = QStringLiteral("x");
    LensComputation computed = ComputeLensData(fields);
    EXPECT_FALSE(computed.data.has_value());
    EXPECT_EQ(computed.warning, QStringLiteral("Champ Distance between... incorrect"));
    fields.ep = QStringLiteral("47");
    computed = ComputeLensData(fields);
    EXPECT_FALSE(computed.data.has_value());
    EXPECT_EQ(computed.warning, QStringLiteral("Champ Exit pupil incorrect"));
}

TEST(LensData, GpUsesTheRoundedDiameters)
{
    Recorder rec;
    BladSettings fields;
    fields.de = QStringLiteral("28,84");
    const auto data = ComputeLensData(fields).data;
    ASSERT_TRUE(data.has_value());
    EXPECT_EQ(PupilText(*data), QStringLiteral("1,19791666666667"));
}

TEST(BladSettings, MissingFileOrSectionGivesTheDefaults)
{
    ProgramFolder folder(false);
    EXPECT_EQ(readBladSettings(folder.file("optolune.INI")), BladSettings());
    folder.write("optolune.INI", "[optaff]\r\np=1\r\n");
    EXPECT_EQ(readBladSettings(folder.file("optolune.INI")), BladSettings());
}

TEST(BladSettings, HandEditedValuesFallBackPerKey)
{
    ProgramFolder folder(false);
    folder.write("optolune.INI",
                 "[blad]\r\nf=150\r\nh=abc\r\nref=Sonnar T 4-150 CFE\r\nr1=7\r\nr2=1\r\n");
    const BladSettings s = readBladSettings(folder.file("optolune.INI"));
    EXPECT_EQ(s.f, QStringLiteral("150"));
    EXPECT_EQ(s.h, QStringLiteral("abc")); // the check at opening reports it
    EXPECT_EQ(s.ref, QStringLiteral("Sonnar T 4-150 CFE"));
    EXPECT_EQ(s.hprime, BladSettings().hprime);
    EXPECT_EQ(s.r1, Behind); // 7 is no item: its default
    EXPECT_EQ(s.r2, Behind);

    folder.write("optolune.INI", "[blad]\r\nr1=-1\r\nr2=deux\r\n");
    const BladSettings t = readBladSettings(folder.file("optolune.INI"));
    EXPECT_EQ(t.r1, Behind);
    EXPECT_EQ(t.r2, InFront);
}

TEST(BladSettings, WritingKeepsTheOtherSectionsAndReadsBack)
{
    ProgramFolder folder(false);
    folder.write("optolune.INI", "[fichtemp]\r\ntable=/x/tmp/a.tmp\r\n[optaff]\r\np=1\r\n");
    BladSettings s;
    s.f = QStringLiteral("150");
    s.ref = QStringLiteral("Sonnar T 4-150 CFE");
    s.r1 = InFront;
    writeBladSettings(folder.file("optolune.INI"), s);
    EXPECT_EQ(readBladSettings(folder.file("optolune.INI")), s);

    const QByteArray text = folder.read("optolune.INI");
    EXPECT_TRUE(text.contains("[fichtemp]\r\ntable=/x/tmp/a.tmp\r\n"));
    EXPECT_TRUE(text.contains("p=1\r\n"));
    EXPECT_TRUE(text.contains("[blad]\r\nf=150\r\nh=39,8\r\nhprime=11,2\r\nde=28,8\r\nds=34,5\r\n"
                              "ref=Sonnar T 4-150 CFE\r\nnum=10 22 11\r\nep=47,0\r\nr1=0\r\nr2=0\r\n"))
        << text.toStdString();
}

// (A plain file where the settings file's folder should be is one case of
// the table of writers in hostilefolder_test.cpp.)
TEST(BladSettings, UnreadableFileIsReportedAndLeftAsItWas)
{
    ProgramFolder folder(false);
    QDir().mkpath(folder.file("optolune.INI"));
    try {
        writeBladSettings(folder.file("optolune.INI"), BladSettings());
        FAIL() << "no error";
    } catch (const UserError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Impossible d'ouvrir le fichier ") +
                                folder.file("optolune.INI"));
    }
}

TEST(LensDiagramLayout, CrossedPlanesOfThePlanarToScale)
{
    Recorder rec;
    BladSettings fields;
    const LensData data = *ComputeLensData(fields).data;
    const QRectF area(0, 0, 540, 260);
    const LensDiagramLayout l = LayoutLensDiagram(data, area);
    EXPECT_TRUE(l.crossed);
    const double s = l.scale;
    ASSERT_GT(s, 0);
    EXPECT_NEAR(l.v2X - l.v1X, 47 * s, 1e-9);
    EXPECT_NEAR(l.hX - l.v1X, 39.8 * s, 1e-9);      // H behind the first vertex
    EXPECT_NEAR(l.v2X - l.hPrimeX, 11.2 * s, 1e-9); // H' in front of the last one
    EXPECT_NEAR(l.hPrimeX - l.hX, -4 * s, 1e-9);    // dn
    EXPECT_NEAR(l.entranceHalf, 14.4 * s, 1e-9);
    EXPECT_NEAR(l.exitHalf, 17.25 * s, 1e-9);
    // Everything inside the area, the body taller than either pupil, room
    // beside the planes for the labels of the diameters.
    EXPECT_GT(l.bodyHalf, std::max(l.entranceHalf, l.exitHalf));
    EXPECT_GE(l.axisY - l.bodyHalf, area.top());
    EXPECT_LE(l.axisY + l.bodyHalf, area.bottom());
    EXPECT_GE(std::min(l.hX, l.hPrimeX) - area.left(), 92);
    EXPECT_GE(area.right() - std::max(l.hX, l.hPrimeX), 92);
    // Centred along the axis.
    EXPECT_NEAR((l.v1X + l.v2X) / 2, area.center().x(), 1e-9);
}

TEST(LensDiagramLayout, PlanesApartOutsideTheBody)
{
    Recorder rec;
    BladSettings fields;
    fields.h = QStringLiteral("10");
    fields.r1 = InFront; // H 10 mm ahead of the first vertex
    fields.hprime = QStringLiteral("5");
    fields.r2 = Behind; // H' 5 mm behind the last one
    fields.ep = QStringLiteral("40");
    const LensData data = *ComputeLensData(fields).data;
    const QRectF area(10, 20, 540, 260);
    const LensDiagramLayout l = LayoutLensDiagram(data, area);
    EXPECT_FALSE(l.crossed);
    EXPECT_NEAR(l.hPrimeX - l.hX, 55 * l.scale, 1e-9);
    EXPECT_LT(l.hX, l.v1X);
    EXPECT_GT(l.hPrimeX, l.v2X);
    // The span from H to H' is centred, and fits with room for the pupils.
    EXPECT_NEAR((l.hX + l.hPrimeX) / 2, area.center().x(), 1e-9);
    EXPECT_GE(l.hX, area.left());
    EXPECT_LE(l.hPrimeX, area.right());
}
