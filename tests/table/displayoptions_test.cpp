#include "core/inifile.h"
#include "core/usererror.h"
#include "support/programfolder.h"
#include "support/qtprint.h"
#include "table/displayoptions.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace optolune;
using optolune::test::ProgramFolder;

namespace {

DisplayOptions make(bool h, bool grt, bool p, bool ab, bool pf, bool dc, bool zc, bool t,
                    bool diff = false)
{
    return DisplayOptions{h, grt, p, ab, pf, dc, zc, t, diff};
}

const QString Ini = QStringLiteral("optolune.INI");

} // namespace

namespace optolune {
// Found by GoogleTest through the type's namespace.
void PrintTo(const DisplayOptions &o, std::ostream *os)
{
    *os << "h=" << o.h << " grt=" << o.grt << " p=" << o.p << " ab=" << o.ab << " pf=" << o.pf
        << " dc=" << o.dc << " zc=" << o.zc << " t=" << o.t << " diff=" << o.diff
        << " lambda=" << double(o.wavelengthUm) << " sum=" << (o.blurModel == BlurModel::Sum);
}
} // namespace optolune

struct LoadCase {
    const char *name;
    const char *file; // nullptr: no settings file
    DisplayOptions expected;
};

class DisplayOptionsLoad : public testing::TestWithParam<LoadCase> {};

TEST_P(DisplayOptionsLoad, EachKeyFallsBackToOff)
{
    const LoadCase &c = GetParam();
    ProgramFolder folder(false);
    if (c.file)
        folder.write(Ini, c.file);
    EXPECT_EQ(readDisplayOptions(folder.file(Ini)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DisplayOptionsLoad,
    testing::Values(
        LoadCase{"NoFile", nullptr, DisplayOptions{}},
        LoadCase{"NoSection", "[fichtemp]\r\ntable=/tmp/a.tmp\r\n", DisplayOptions{}},
        LoadCase{"AllOn",
                 "[optaff]\r\np=1\r\nab=1\r\nh=1\r\ngrt=1\r\npf=1\r\ndc=1\r\nzc=1\r\nt=1\r\n",
                 make(true, true, true, true, true, true, true, true)},
        LoadCase{"SomeKeysOnly", "[optaff]\r\nh=1\r\nzc=1\r\n",
                 make(true, false, false, false, false, false, true, false)},
        LoadCase{"AnyNonZeroIntegerIsOn", "[optaff]\r\np=2\r\nab=-1\r\nh=0\r\n",
                 make(false, false, true, true, false, false, false, false)},
        LoadCase{"UnreadableValuesAreOff", "[optaff]\r\np=oui\r\nab=\r\nh=true\r\ngrt=1,0\r\n",
                 DisplayOptions{}},
        LoadCase{"NamesIgnoreCaseAsOnWindows", "[OPTAFF]\r\nH=1\r\nGrt=1\r\n",
                 make(true, true, false, false, false, false, false, false)},
        LoadCase{"LfLineEndsAndOtherSections",
                 "[blad]\nf=81,2\n[optaff]\nt=1\ndc=1\n[Impression]\nFontsize=8\n",
                 make(false, false, false, false, false, true, false, true)}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DisplayOptionsSave, NewFileHoldsTheKeysInTheirOrder)
{
    // The eight choices as the program has always written them, then the
    // diffraction's choice, wavelength and blur model.
    ProgramFolder folder(false);
    writeDisplayOptions(folder.file(Ini), make(true, false, true, false, false, true, false, true));
    EXPECT_EQ(folder.read(Ini), QByteArray("[optaff]\r\np=1\r\nab=0\r\nh=1\r\ngrt=0\r\npf=0\r\n"
                                           "dc=1\r\nzc=0\r\nt=1\r\ndiff=0\r\nlambda=0,55\r\n"
                                           "flou=rss\r\n"));
}

TEST(DisplayOptions, DiffractionSettingsReadBackAndFallBackToTheirDefaults)
{
    ProgramFolder folder(false);
    DisplayOptions chosen;
    chosen.diff = true;
    chosen.wavelengthUm = 0.5464L;
    chosen.blurModel = BlurModel::Sum;
    writeDisplayOptions(folder.file(Ini), chosen);
    EXPECT_EQ(readDisplayOptions(folder.file(Ini)), chosen);

    // A wavelength out of range or a model of no name: their defaults.
    for (const char *file : {"[optaff]\r\nlambda=0,9\r\nflou=max\r\n",
                             "[optaff]\r\nlambda=0,55555\r\nflou=\r\n",
                             "[optaff]\r\nlambda=-0,5\r\n"}) {
        folder.write(Ini, file);
        const DisplayOptions read = readDisplayOptions(folder.file(Ini));
        EXPECT_EQ(read.wavelengthUm, kWavelengthDefaultUm) << file;
        EXPECT_EQ(read.blurModel, BlurModel::RootSumSquare) << file;
    }
    folder.write(Ini, "[optaff]\r\nlambda=0.45\r\nflou=sum\r\ndiff=1\r\n");
    const DisplayOptions read = readDisplayOptions(folder.file(Ini));
    EXPECT_EQ(read.wavelengthUm, 0.45L);
    EXPECT_EQ(read.blurModel, BlurModel::Sum);
    EXPECT_TRUE(read.diff);
}

TEST(DisplayOptionsSave, KeepsTheRestOfTheFileAndRoundTrips)
{
    ProgramFolder folder(false);
    folder.write(Ini, "[fichtemp]\r\ntable=/home/ann/tmp/F80_C0050.tmp\r\n"
                      "[optaff]\r\nlignes=1\r\nh=1\r\n"
                      "[blad]\r\nref=Planar T 2,8-80 CFE\r\n");
    const DisplayOptions chosen = make(false, true, true, false, true, false, true, false);
    writeDisplayOptions(folder.file(Ini), chosen);

    EXPECT_EQ(readDisplayOptions(folder.file(Ini)), chosen);
    IniFile ini;
    ini.load(folder.file(Ini));
    EXPECT_EQ(ini.value("fichtemp", "table"), QStringLiteral("/home/ann/tmp/F80_C0050.tmp"));
    EXPECT_EQ(ini.value("blad", "ref"), QStringLiteral("Planar T 2,8-80 CFE"));
    EXPECT_EQ(ini.value("optaff", "lignes"), QStringLiteral("1"));
    EXPECT_EQ(ini.value("optaff", "h"), QStringLiteral("0"));
}

TEST(DisplayOptionsSave, ExistingFileThatCannotBeReadIsNotReplaced)
{
    // Writing without having read it would drop the file's other sections.
    ProgramFolder folder(false);
    ASSERT_TRUE(QDir().mkpath(folder.file(Ini)));
    try {
        writeDisplayOptions(folder.file(Ini), DisplayOptions{});
        FAIL() << "no error";
    } catch (const UserError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Impossible d'ouvrir le fichier ") + folder.file(Ini));
    }
    EXPECT_TRUE(QFileInfo(folder.file(Ini)).isDir());
}

TEST(DisplayOptions, MarkAllAndInvertCoverAllTheChoices)
{
    DisplayOptions o = make(true, false, false, true, false, false, true, false);
    o.wavelengthUm = 0.45L; // the wavelength and model are no choices to tick
    o.invert();
    DisplayOptions inverted = make(false, true, true, false, true, true, false, true, true);
    inverted.wavelengthUm = 0.45L;
    EXPECT_EQ(o, inverted);
    o.invert();
    o.wavelengthUm = kWavelengthDefaultUm;
    EXPECT_EQ(o, make(true, false, false, true, false, false, true, false));
    o.markAll();
    EXPECT_EQ(o, make(true, true, true, true, true, true, true, true, true));
    o.invert();
    EXPECT_EQ(o, DisplayOptions{});
}
