#include "core/inifile.h"
#include "core/usererror.h"
#include "support/programfolder.h"
#include "support/qtprint.h"
#include "print/printoptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace optolune;
using optolune::test::ProgramFolder;

namespace optolune {
void PrintTo(const PrintOptions &o, std::ostream *os)
{
    *os << "orientation=" << o.orientation << " fontSize=" << o.fontSize;
}
} // namespace optolune

namespace {

const QString Ini = QStringLiteral("optolune.INI");

struct LoadCase {
    const char *name;
    const char *file; // nullptr: no settings file
    PrintOptions expected;
};
void PrintTo(const LoadCase &c, std::ostream *os) { *os << c.name; }

class PrintOptionsLoad : public testing::TestWithParam<LoadCase> {};

} // namespace

TEST_P(PrintOptionsLoad, EachKeyFallsBackToItsDefault)
{
    const LoadCase &c = GetParam();
    ProgramFolder folder(false);
    if (c.file)
        folder.write(Ini, c.file);
    EXPECT_EQ(readPrintOptions(folder.file(Ini)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrintOptionsLoad,
    testing::Values(
        LoadCase{"NoFile", nullptr, PrintOptions{0, 2}},
        LoadCase{"NoSection", "[optaff]\r\np=1\r\n", PrintOptions{0, 2}},
        LoadCase{"Stored", "[Impression]\r\nOrientation=1\r\nFontsize=3\r\n", PrintOptions{1, 3}},
        LoadCase{"SmallestSize", "[Impression]\r\nOrientation=0\r\nFontsize=0\r\n", PrintOptions{0, 0}},
        LoadCase{"OneKeyOnly", "[Impression]\r\nFontsize=1\r\n", PrintOptions{0, 1}},
        LoadCase{"NotIntegers", "[Impression]\r\nOrientation=oui\r\nFontsize=10pt\r\n", PrintOptions{0, 2}},
        LoadCase{"Empty", "[Impression]\r\nOrientation=\r\nFontsize=\r\n", PrintOptions{0, 2}},
        // An index outside the items selects nothing in the dialog: the
        // default instead, each key on its own.
        LoadCase{"OrientationTooHigh", "[Impression]\r\nOrientation=2\r\nFontsize=3\r\n", PrintOptions{0, 3}},
        LoadCase{"NegativeIndexes", "[Impression]\r\nOrientation=-1\r\nFontsize=-1\r\n", PrintOptions{0, 2}},
        LoadCase{"SizeTooHigh", "[Impression]\r\nOrientation=1\r\nFontsize=4\r\n", PrintOptions{1, 2}},
        LoadCase{"SizeInPoints", "[Impression]\r\nFontsize=12\r\n", PrintOptions{0, 2}},
        LoadCase{"HugeNumber", "[Impression]\r\nFontsize=99999999999999999999\r\n", PrintOptions{0, 2}},
        LoadCase{"OtherCase", "[impression]\r\norientation=1\r\nFONTSIZE=0\r\n", PrintOptions{1, 0}}),
    [](const testing::TestParamInfo<LoadCase> &info) { return std::string(info.param.name); });

TEST(PrintOptions, SizesInPoints)
{
    const int expected[] = {6, 8, 10, 12};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ((PrintOptions{0, i}.fontSizePoints()), expected[i]);
    EXPECT_FALSE(PrintOptions{}.landscape());
    EXPECT_TRUE((PrintOptions{1, 2}.landscape()));
}

TEST(PrintOptions, SavingKeepsEveryOtherLine)
{
    ProgramFolder folder(false);
    folder.write(Ini, "[fichtemp]\r\ntable=/x/tmp/a.tmp\r\n[Impression]\r\nOrientation=0\r\n"
                      "Fontsize=2\r\nAutre=garde\r\n[blad]\r\nref=Planar T 2,8-80 CFE\r\n");
    writePrintOptions(folder.file(Ini), PrintOptions{1, 3});
    EXPECT_EQ(folder.read(Ini),
              QByteArray("[fichtemp]\r\ntable=/x/tmp/a.tmp\r\n[Impression]\r\nOrientation=1\r\n"
                         "Fontsize=3\r\nAutre=garde\r\n[blad]\r\nref=Planar T 2,8-80 CFE\r\n"));
    EXPECT_EQ(readPrintOptions(folder.file(Ini)), (PrintOptions{1, 3}));
}

TEST(PrintOptions, FirstSaveCreatesTheSection)
{
    ProgramFolder folder(false);
    writePrintOptions(folder.file(Ini), PrintOptions{});
    const QByteArray text = folder.read(Ini);
    EXPECT_TRUE(text.contains("[Impression]\r\nOrientation=0\r\nFontsize=2\r\n")) << text.toStdString();
}

TEST(PrintOptions, AFileThatCannotBeWrittenIsReportedAndKept)
{
    ProgramFolder folder(false);
    // A folder in the way of the settings file.
    QDir().mkpath(folder.file(Ini));
    EXPECT_THROW(writePrintOptions(folder.file(Ini), PrintOptions{1, 0}), UserError);
    EXPECT_TRUE(QFileInfo(folder.file(Ini)).isDir());
}
