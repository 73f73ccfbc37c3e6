#include "tilt/tiltwindow.h"

#include "support/recorder.h"
#include "support/screenshot.h"
#include "support/windowtest.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace {

QString text(const QWidget &w, const char *name) { return child<QLineEdit>(&w, name)->text(); }

// Clicks a radio button on its circle, as a user does.
void choose(const QWidget &w, const char *name)
{
    auto *radio = child<QRadioButton>(&w, name);
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
    ASSERT_TRUE(radio->isChecked()) << name;
}

} // namespace

// A 90 mm lens 1,5 m above the ground, tilted from two readings on the
// ground glass (ground points at 3 m and 30 m), the plane laid on the ground,
// and the wedge at 30 m.
TEST(TiltWindow, TiltFromTwoReadingsWithTheWedgeAt30m)
{
    Recorder rec;
    TiltWindow w(TiltLens{});
    activate(w);
    typeInto(child<QLineEdit>(&w, "EdRailNear"), QStringLiteral("102,7835"));
    typeInto(child<QLineEdit>(&w, "EdRailFar"), QStringLiteral("100.2708"));
    typeInto(child<QLineEdit>(&w, "EdSeparation"), QStringLiteral("41,8783"));
    choose(w, "RadioPlan");
    typeInto(child<QLineEdit>(&w, "EdPlan"), QStringLiteral("90"));
    typeInto(child<QLineEdit>(&w, "EdDistance"), QStringLiteral("30"));
    // Enter in a field computes.
    QTest::keyClick(child<QLineEdit>(&w, "EdDistance"), Qt::Key_Return);
    EXPECT_TRUE(rec.messages().empty());
    EXPECT_EQ(text(w, "EdResBascule"), QStringLiteral("3,440"));
    EXPECT_EQ(text(w, "EdResJ"), QStringLiteral("1,500"));
    EXPECT_EQ(text(w, "EdResPlan"), QStringLiteral("90,00"));
    EXPECT_EQ(text(w, "EdResHautPlan"), QStringLiteral("-1,500"));
    EXPECT_EQ(text(w, "EdResProche"), QStringLiteral("68,38"));
    EXPECT_EQ(text(w, "EdResLointaine"), QStringLiteral("112,59"));
    EXPECT_EQ(text(w, "EdResHautProche"), QStringLiteral("10,388"));
    EXPECT_EQ(text(w, "EdResHautLointaine"), QStringLiteral("-13,983"));
    // Every result shows its whole text.
    for (const char *name : {"EdResBascule", "EdResJ", "EdResTirage", "EdResPlan", "EdResHautLointaine"}) {
        const QLineEdit *e = child<QLineEdit>(&w, name);
        EXPECT_LE(e->fontMetrics().horizontalAdvance(e->text()), e->contentsRect().width() - 8) << name;
    }
    saveScreenshot(&w, QStringLiteral("tiltwindow"));
}

TEST(TiltWindow, FilmFromTheRailReadingSetAndEscapeKeepsTheWindow)
{
    Recorder rec;
    TiltWindow w(TiltLens{});
    activate(w);
    choose(w, "RadioHauteur");
    typeInto(child<QLineEdit>(&w, "EdHauteur"), QStringLiteral("1,75"));
    typeInto(child<QLineEdit>(&w, "EdRailInf"), QStringLiteral("40"));
    typeInto(child<QLineEdit>(&w, "EdRailSet"), QStringLiteral("42,88"));
    typeInto(child<QLineEdit>(&w, "EdDia"), QStringLiteral("64"));
    typeInto(child<QLineEdit>(&w, "EdCercle"), QStringLiteral("0,06"));
    click(w, "CalcBtn");
    EXPECT_TRUE(rec.messages().empty());
    EXPECT_EQ(text(w, "EdResTirage"), QStringLiteral("92,88"));
    EXPECT_EQ(text(w, "EdResBascule"), QStringLiteral("2,948"));
    EXPECT_EQ(text(w, "EdResProche"), QStringLiteral("37,04"));
    EXPECT_EQ(text(w, "EdResLointaine"), QStringLiteral("103,24"));
    // No distance typed: no heights.
    EXPECT_TRUE(text(w, "EdResHautPlan").isEmpty());
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_TRUE(w.isVisible());
}

// A failed check says which field and why, and leaves no earlier result
// standing beside it.
TEST(TiltWindow, BadInputEmptiesTheResults)
{
    Recorder rec;
    TiltWindow w(TiltLens{});
    activate(w);
    choose(w, "RadioAngle");
    choose(w, "RadioTirage");
    typeInto(child<QLineEdit>(&w, "EdBascule"), QStringLiteral("3"));
    typeInto(child<QLineEdit>(&w, "EdTirage"), QStringLiteral("92"));
    ASSERT_TRUE(w.calculate());
    EXPECT_FALSE(text(w, "EdResJ").isEmpty());

    typeInto(child<QLineEdit>(&w, "EdBascule"), QStringLiteral("95"));
    EXPECT_FALSE(w.calculate());
    EXPECT_EQ(rec.messages(), (std::vector<Message>{
                                  {"warning", "Bascule hors limites : 95,000° (entre 0 et 90° exclus)"}}));
    EXPECT_TRUE(text(w, "EdResJ").isEmpty());
    EXPECT_TRUE(text(w, "EdResPlan").isEmpty());

    rec.clear();
    typeInto(child<QLineEdit>(&w, "EdBascule"), QStringLiteral("3"));
    typeInto(child<QLineEdit>(&w, "EdTirage"), QStringLiteral("9x"));
    EXPECT_FALSE(w.calculate());
    EXPECT_EQ(rec.messages(), (std::vector<Message>{{"warning", "Tirage illisible : '9x'"}}));
    rec.clear();
    typeInto(child<QLineEdit>(&w, "EdTirage"), QString());
    EXPECT_FALSE(w.calculate());
    EXPECT_EQ(rec.messages(), (std::vector<Message>{{"warning", "Tirage : champ vide"}}));
}
