#include "lens/lensdatawindow.h"
#include "lens/lensdiagramview.h"

#include "core/apppaths.h"
#include "core/inifile.h"
#include "support/child.h"
#include "support/programfolder.h"
#include "support/recorder.h"
#include "support/screenprinttopdf.h"
#include "support/screenshot.h"
#include "support/windowpage.h"
#include "support/windowtest.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace {

class BladTest : public testing::Test {
protected:
    static QLineEdit *edit(LensDataWindow &form, const char *name) { return child<QLineEdit>(&form, name); }
    static QString text(LensDataWindow &form, const char *name) { return edit(form, name)->text(); }
    static QRadioButton *radio(LensDataWindow &form, const char *group, int item)
    {
        const auto buttons = child<QWidget>(&form, group)->findChildren<QRadioButton *>();
        return buttons.at(item);
    }
    QString ini() const { return appPaths().iniFileName; }

    ProgramFolder folder;
    Recorder rec;
};

} // namespace

TEST_F(BladTest, FirstOpeningShowsThePlanar80Computed)
{
    LensDataWindow form;
    activate(form);
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Objectifs Zeiss pour Hasselblad"));
    EXPECT_EQ(form.size(), QSize(569, 501));
    EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(text(form, "EdFocale"), QStringLiteral("81,2"));
    EXPECT_EQ(text(form, "EdH"), QStringLiteral("39,8"));
    EXPECT_EQ(text(form, "EdHprime"), QStringLiteral("11,2"));
    EXPECT_EQ(text(form, "EDepaiss"), QStringLiteral("47"));
    EXPECT_EQ(text(form, "EdEntrance"), QStringLiteral("28,8"));
    EXPECT_EQ(text(form, "EdExit"), QStringLiteral("34,5"));
    EXPECT_EQ(text(form, "EdRef"), QStringLiteral("Planar T 2,8-80 CFE"));
    EXPECT_EQ(text(form, "EdNum"), QStringLiteral("10 22 11"));
    EXPECT_EQ(text(form, "EdDn"), QStringLiteral("-4"));
    EXPECT_EQ(text(form, "EdGp"), QStringLiteral("1,19791666666667"));
    EXPECT_TRUE(edit(form, "EdDn")->isReadOnly());
    EXPECT_TRUE(radio(form, "R1", Behind)->isChecked());
    EXPECT_TRUE(radio(form, "R2", InFront)->isChecked());
    EXPECT_EQ(radio(form, "R1", InFront)->text(), QStringLiteral("in front"));
    EXPECT_EQ(radio(form, "R1", Behind)->text(), QStringLiteral("behind"));
    EXPECT_EQ(edit(form, "EdH")->toolTip(), QStringLiteral("valeurs limites  0,1-150 "));
    EXPECT_EQ(child<QToolButton>(&form, "CalcBtn")->statusTip(),
              QStringLiteral("Cliquez sur le bouton pour lire les valeurs calculées"));
    auto *drawing = child<LensDiagramView>(&form, "Image1");
    ASSERT_TRUE(drawing->data().has_value());
    EXPECT_EQ(NodalText(*drawing->data()), QStringLiteral("-4"));
    saveScreenshot(&form, QStringLiteral("lens-window"));
}

TEST_F(BladTest, OkHandsTheLensOverAndKeepsItForTheNextRun)
{
    {
        LensDataWindow form;
        activate(form);
        click(form, "validebtn");
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(form.result(), QDialog::Accepted);
        ASSERT_TRUE(form.choice().has_value());
        EXPECT_EQ(form.choice()->focal, QStringLiteral("81,2"));
        EXPECT_EQ(form.choice()->pupil, QStringLiteral("1,19791666666667"));
        EXPECT_EQ(form.choice()->nodal, QStringLiteral("-4"));
        EXPECT_EQ(form.choice()->references, QStringLiteral("Planar T 2,8-80 CFE"));
        EXPECT_EQ(form.choice()->comment, QStringLiteral("Hasselblad Planar T 2,8-80 CFE n° 10 22 11"));
    }
    BladSettings kept;
    kept.ep = QStringLiteral("47");
    EXPECT_EQ(readBladSettings(ini()), kept);

    // Another lens, kept and shown at the next opening.
    {
        LensDataWindow form;
        activate(form);
        typeInto(edit(form, "EdFocale"), QStringLiteral("150,5"));
        typeInto(edit(form, "EdRef"), QStringLiteral("Sonnar T 4-150 CFE"));
        typeInto(edit(form, "EdNum"), QStringLiteral("10 43 12"));
        QTest::mouseClick(radio(form, "R2", Behind), Qt::LeftButton);
        click(form, "validebtn");
        ASSERT_TRUE(form.choice().has_value());
        EXPECT_EQ(form.choice()->comment, QStringLiteral("Hasselblad Sonnar T 4-150 CFE n° 10 43 12"));
    }
    LensDataWindow form;
    activate(form);
    EXPECT_EQ(text(form, "EdFocale"), QStringLiteral("150,5"));
    EXPECT_EQ(text(form, "EdRef"), QStringLiteral("Sonnar T 4-150 CFE"));
    EXPECT_TRUE(radio(form, "R2", Behind)->isChecked());
    EXPECT_EQ(text(form, "EdDn"), QStringLiteral("18,4")); // -39,8 + 11,2 + 47
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

TEST_F(BladTest, OkComputesFromTheFieldsAsTheyStand)
{
    LensDataWindow form;
    activate(form);
    typeInto(edit(form, "EdH"), QStringLiteral("10"));
    EXPECT_EQ(text(form, "EdDn"), QStringLiteral("-4")); // typing computes nothing
    click(form, "validebtn");
    ASSERT_TRUE(form.choice().has_value());
    EXPECT_EQ(form.choice()->nodal, QStringLiteral("25,8")); // -10 - 11,2 + 47
}

TEST_F(BladTest, AFailedCheckOnOkKeepsTheWindowOpenAndHandsNothing)
{
    LensDataWindow form;
    activate(form);
    typeInto(edit(form, "EdH"), QStringLiteral("200"));
    click(form, "validebtn");
    EXPECT_EQ(rec.messages(), (std::vector<Message>{{"warning", "Champ H incorrect"}}));
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.choice().has_value());
    EXPECT_EQ(text(form, "EdH"), QStringLiteral("200"));
    EXPECT_EQ(text(form, "EdDn"), QStringLiteral("-4"));
    EXPECT_FALSE(QFileInfo::exists(ini()));
}

TEST_F(BladTest, RadioChangesAndClicksIntoAFieldCompute)
{
    LensDataWindow form;
    activate(form);
    QTest::mouseClick(radio(form, "R1", InFront), Qt::LeftButton);
    EXPECT_EQ(text(form, "EdDn"), QStringLiteral("75,6")); // 39,8 - 11,2 + 47

    typeInto(edit(form, "EdExit"), QStringLiteral("40"));
    EXPECT_EQ(text(form, "EdGp"), QStringLiteral("1,19791666666667"));
    QTest::mouseClick(edit(form, "EdEntrance"), Qt::LeftButton);
    EXPECT_EQ(text(form, "EdGp"), QStringLiteral("1,38888888888889"));

    // A click into a field may report a field not yet corrected.
    typeInto(edit(form, "EdEntrance"), QStringLiteral("0"));
    QTest::mouseClick(edit(form, "EdFocale"), Qt::LeftButton);
    EXPECT_EQ(rec.messages(), (std::vector<Message>{{"warning", "Champ Entrance pupil incorrect"}}));
    EXPECT_EQ(text(form, "EdGp"), QStringLiteral("1,38888888888889"));

    // Planes 0,0 apart: dn reads 0.
    rec.clear();
    typeInto(edit(form, "EdEntrance"), QStringLiteral("28,8"));
    typeInto(edit(form, "EdH"), QStringLiteral("11,2"));
    typeInto(edit(form, "EdHprime"), QStringLiteral("8,4"));
    typeInto(edit(form, "EDepaiss"), QStringLiteral("19,6"));
    QTest::mouseClick(radio(form, "R1", Behind), Qt::LeftButton);
    EXPECT_EQ(text(form, "EdDn"), QStringLiteral("0"));
    EXPECT_TRUE(rec.messages().empty());
}

TEST_F(BladTest, AbandonnerAndEscapeKeepNothing)
{
    {
        LensDataWindow form;
        activate(form);
        typeInto(edit(form, "EdFocale"), QStringLiteral("150"));
        click(form, "SpeedButton3");
        EXPECT_FALSE(form.isVisible());
        EXPECT_FALSE(form.choice().has_value());
    }
    {
        LensDataWindow form;
        activate(form);
        QTest::keyClick(&form, Qt::Key_Escape);
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(form.result(), QDialog::Rejected);
    }
    EXPECT_FALSE(QFileInfo::exists(ini()));
}

TEST_F(BladTest, AHandEditedSectionReportsOnceAtOpening)
{
    folder.write("optolune.INI", "[blad]\r\nh=abc\r\nr1=7\r\nr2=1\r\n[optaff]\r\np=1\r\n");
    LensDataWindow form;
    activate(form);
    EXPECT_EQ(rec.messages(), (std::vector<Message>{{"warning", "Champ H incorrect"}}));
    EXPECT_EQ(text(form, "EdH"), QStringLiteral("abc"));
    EXPECT_TRUE(text(form, "EdDn").isEmpty());
    EXPECT_TRUE(text(form, "EdGp").isEmpty());
    EXPECT_TRUE(radio(form, "R1", Behind)->isChecked()); // 7 is no item
    EXPECT_TRUE(radio(form, "R2", Behind)->isChecked());

    // Corrected and accepted, the section is written, the others kept.
    rec.clear();
    typeInto(edit(form, "EdH"), QStringLiteral("39,8"));
    click(form, "validebtn");
    ASSERT_TRUE(form.choice().has_value());
    EXPECT_EQ(form.choice()->nodal, QStringLiteral("18,4"));
    IniFile file;
    file.load(ini());
    EXPECT_EQ(file.value("blad", "h"), QStringLiteral("39,8"));
    EXPECT_EQ(file.value("blad", "r1"), QStringLiteral("1"));
    EXPECT_EQ(file.value("optaff", "p"), QStringLiteral("1"));
}

TEST_F(BladTest, UnwritableSettingsStillHandTheLensOver)
{
    // A folder in place of the settings file can be neither read nor written.
    QDir().mkpath(ini());
    LensDataWindow form;
    activate(form);
    click(form, "validebtn");
    EXPECT_EQ(rec.messages(),
              (std::vector<Message>{{"error", "Impossible d'ouvrir le fichier " + ini()}}));
    EXPECT_FALSE(form.isVisible());
    ASSERT_TRUE(form.choice().has_value());
    EXPECT_EQ(form.choice()->nodal, QStringLiteral("-4"));
}

TEST_F(BladTest, ScreenPrintPrintsTheWindow)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("blad.pdf"));
    LensDataWindow form;
    activate(form);
    {
        const ScreenPrintToPdf toPdf(pdf);
        click(form, "SpeedButton13");
    }
    EXPECT_TRUE(rec.messages().empty());
    expectPageShowsWindow(pdf, form, QStringLiteral("lens-screenprint"));
}

namespace {

LensData lensOf(const char *h, int r1, const char *hPrime, int r2, const char *e)
{
    BladSettings fields;
    fields.h = QString::fromLatin1(h);
    fields.r1 = r1;
    fields.hprime = QString::fromLatin1(hPrime);
    fields.r2 = r2;
    fields.ep = QString::fromLatin1(e);
    return *ComputeLensData(fields).data;
}

// The drawing on a transparent image larger than its area.
QImage render(const std::optional<LensData> &data, const QRectF &area)
{
    QImage image(600, 320, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintLensDiagram(painter, area, data);
    return image;
}

// Rows where a pixel within one of column x has the colour's hue: its
// strongest component well above the other two (antialiased lines blend
// with the white ground, so the exact colour is rare).
int pixelsNear(const QImage &image, int x, int top, int bottom, const QColor &colour)
{
    auto hue = [&](const QColor &c) {
        const int comps[3] = {c.red(), c.green(), c.blue()};
        const int target[3] = {colour.red(), colour.green(), colour.blue()};
        const int strongest = int(std::max_element(target, target + 3) - target);
        int others = 0;
        for (int i = 0; i < 3; ++i)
            if (i != strongest)
                others = std::max(others, comps[i]);
        return c.alpha() > 200 && comps[strongest] - others > 60;
    };
    int count = 0;
    for (int y = std::max(0, top); y <= std::min(image.height() - 1, bottom); ++y)
        for (int dx = -1; dx <= 1; ++dx) {
            if (hue(image.pixelColor(x + dx, y))) {
                ++count;
                break;
            }
        }
    return count;
}

void savePicture(const QImage &image, const QString &name)
{
    const QString folder = qEnvironmentVariable("OPTOLUNE_SCREENSHOTS");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        image.save(QDir(folder).filePath(name + QStringLiteral(".png")));
    }
}

// The dashed plane at column x across the body, less the rows where the
// pupil diameter measured on it covers it: about two thirds of them in ink.
void expectPlaneAt(const QImage &image, double x, const LensDiagramLayout &l, double pupilHalf)
{
    int rows = 0, ink = 0;
    const int column = int(std::lround(x));
    for (int y = int(l.axisY - l.bodyHalf); y <= int(l.axisY + l.bodyHalf); ++y) {
        if (std::abs(y - l.axisY) <= pupilHalf + 6)
            continue; // the diameter's line and heads
        ++rows;
        ink += pixelsNear(image, column, y, y, kPlaneColour);
    }
    ASSERT_GE(rows, 8) << "x " << x;
    EXPECT_GT(ink, rows / 3) << "x " << x;
}

} // namespace

TEST(LensDiagram, CrossedPlanesAreDrawnWhereTheLayoutPutsThem)
{
    Recorder rec;
    const QRectF area(20, 30, 540, 260);
    const LensData planar = lensOf("39,8", Behind, "11,2", InFront, "47");
    const LensDiagramLayout l = LayoutLensDiagram(planar, area);
    ASSERT_TRUE(l.crossed);
    const QImage image = render(planar, area);
    expectPlaneAt(image, l.hX, l, l.entranceHalf);
    expectPlaneAt(image, l.hPrimeX, l, l.exitHalf);
    // Nothing outside the area.
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!area.contains(QPointF(x + 0.5, y + 0.5))) {
                ASSERT_EQ(image.pixelColor(x, y).alpha(), 0) << x << ',' << y;
            }
        }
    }
    savePicture(image, QStringLiteral("lens-diagram-crossed"));
}

TEST(LensDiagram, PlanesApartDrawDifferentlyFromCrossedOnes)
{
    Recorder rec;
    const QRectF area(20, 30, 540, 260);
    const LensData apart = lensOf("10", InFront, "5", Behind, "40");
    const LensDiagramLayout l = LayoutLensDiagram(apart, area);
    ASSERT_FALSE(l.crossed);
    const QImage image = render(apart, area);

    expectPlaneAt(image, l.hX, l, l.entranceHalf);
    expectPlaneAt(image, l.hPrimeX, l, l.exitHalf);
    const int top = int(l.axisY - l.bodyHalf), bottom = int(l.axisY + l.bodyHalf);
    // Midway between the planes, inside the body, no plane.
    const int mid = int(std::lround((l.v1X + l.v2X) / 2));
    EXPECT_EQ(pixelsNear(image, mid, top, bottom, kPlaneColour), 0);
    EXPECT_NE(image, render(lensOf("39,8", Behind, "11,2", InFront, "47"), area));
    // The same data draws the same picture.
    EXPECT_EQ(image, render(apart, area));
    savePicture(image, QStringLiteral("lens-diagram-apart"));
}

namespace {

// For each column, the longest unbroken vertical run of pixels of the
// colour's hue within one column of it: a line drawn across the axis makes a
// long run, a letter a short one.
std::vector<int> verticalRuns(const QImage &image, const QColor &colour)
{
    std::vector<int> runs(size_t(image.width()), 0);
    for (int x = 1; x + 1 < image.width(); ++x) {
        int run = 0;
        for (int y = 0; y < image.height(); ++y) {
            run = pixelsNear(image, x, y, y, colour) ? run + 1 : 0;
            runs[size_t(x)] = std::max(runs[size_t(x)], run);
        }
    }
    return runs;
}

struct PupilCase {
    const char *name;
    LensData (*lens)();
    friend void PrintTo(const PupilCase &c, std::ostream *os) { *os << c.name; }
};

class PupilDiameters : public testing::TestWithParam<PupilCase> {};

} // namespace

// The data gives the pupils' diameters, not their places: the only lines
// of the pupils' colour are the two diameters, measured on H and H', as long
// as the diameters to the drawing's scale. Nothing of that colour stands in
// front of the lens or behind it where no plane is.
TEST_P(PupilDiameters, DrawnOnThePrincipalPlanesOnly)
{
    Recorder rec;
    const QRectF area(20, 30, 540, 260);
    const LensData data = GetParam().lens();
    const LensDiagramLayout l = LayoutLensDiagram(data, area);
    const QImage image = render(data, area);
    const std::vector<int> runs = verticalRuns(image, kPupilColour);
    const int hX = int(std::lround(l.hX)), hPrimeX = int(std::lround(l.hPrimeX));
    auto longestNear = [&](int x) {
        return *std::max_element(runs.begin() + x - 2, runs.begin() + x + 3);
    };
    EXPECT_NEAR(longestNear(hX), 2 * l.entranceHalf, 3);
    EXPECT_NEAR(longestNear(hPrimeX), 2 * l.exitHalf, 3);
    // Lines longer than a letter stand only on the planes.
    for (int x = 0; x < image.width(); ++x) {
        if (std::abs(x - hX) > 2 && std::abs(x - hPrimeX) > 2) {
            EXPECT_LT(runs[size_t(x)], 14) << "a pupil line at x " << x;
        }
    }
    savePicture(image, QStringLiteral("lens-diagram-pupils-") + QString::fromLatin1(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(
    Lenses, PupilDiameters,
    testing::Values(PupilCase{"Planar80CrossedPlanes",
                              [] { return lensOf("39,8", Behind, "11,2", InFront, "47"); }},
                    PupilCase{"PlanesOutsideTheBody", [] { return lensOf("10", InFront, "5", Behind, "40"); }},
                    PupilCase{"TelephotoPlanesFarInFront",
                              [] { return lensOf("120", InFront, "90", InFront, "60"); }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LensDiagram, WithoutDataOnlyTheAxis)
{
    const QRectF area(0, 0, 600, 320);
    const QImage image = render(std::nullopt, area);
    EXPECT_EQ(pixelsNear(image, 300, 0, 319, kPlaneColour), 0);
    EXPECT_EQ(pixelsNear(image, 300, 0, 319, kPupilColour), 0);
}
