// The tilt window in English: English texts, the French results with decimal
// points, messages in English.
#include "tilt/tiltwindow.h"
#include "variations/englishcheck.h"
#include "support/child.h"
#include "support/english.h"
#include "support/recorder.h"
#include "support/screenshot.h"
#include "support/windowtest.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace {

const char *const kResults[] = {"EdResBascule", "EdResJ", "EdResTirage", "EdResPlan", "EdResProche",
                                "EdResLointaine", "EdResHautPlan", "EdResHautProche", "EdResHautLointaine"};

// The ground of the French test: readings on the ground glass, the plane
// laid on the ground, the wedge at 30 m; typed with points.
QStringList computeGround(TiltWindow &w)
{
    typeInto(child<QLineEdit>(&w, "EdRailNear"), QStringLiteral("102.7835"));
    typeInto(child<QLineEdit>(&w, "EdRailFar"), QStringLiteral("100.2708"));
    typeInto(child<QLineEdit>(&w, "EdSeparation"), QStringLiteral("41.8783"));
    auto *plane = child<QRadioButton>(&w, "RadioPlan");
    QTest::mouseClick(plane, Qt::LeftButton, {}, QPoint(6, plane->height() / 2));
    typeInto(child<QLineEdit>(&w, "EdPlan"), QStringLiteral("90"));
    typeInto(child<QLineEdit>(&w, "EdDistance"), QStringLiteral("30"));
    QTest::keyClick(child<QLineEdit>(&w, "EdDistance"), Qt::Key_Return);
    QStringList out;
    for (const char *name : kResults)
        out << child<QLineEdit>(&w, name)->text();
    return out;
}

} // namespace

TEST(TiltInEnglish, TheWindowReadsInEnglishWithTheFrenchNumbersAndDecimalPoints)
{
    Recorder rec;
    QStringList french;
    {
        TiltWindow w(TiltLens{});
        activate(w);
        french = computeGround(w);
    }
    ASSERT_EQ(french.first(), QStringLiteral("3,440"));

    EnglishScope english;
    TiltLens lens;
    lens.circle = QStringLiteral("0,100");
    TiltWindow w(lens);
    activate(w);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tilt"));
    EXPECT_EQ(child<QGroupBox>(&w, "GroupResultats")->title(), QStringLiteral("Results"));
    EXPECT_EQ(child<QLineEdit>(&w, "EdCercle")->text(), QStringLiteral("0.100"));
    const QStringList computed = computeGround(w);
    QStringList expected;
    for (const QString &r : french)
        expected << QString(r).replace(u',', u'.');
    EXPECT_EQ(computed, expected);
    for (const QString &r : computed) {
        EXPECT_TRUE(EnglishNumber(r)) << r.toStdString();
    }
    EXPECT_EQ(child<QStatusBar>(&w, "StatusBar")->currentMessage(),
              QStringLiteral("Thin lens model, upright film, no swing"));
    EXPECT_EQ(FrenchLeft(&w), QStringList()) << FrenchLeft(&w).join(u'\n').toStdString();
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
    saveScreenshot(&w, QStringLiteral("tilt-en"));

    // What stops a computation is said in English, its numbers with points.
    typeInto(child<QLineEdit>(&w, "EdSeparation"), QStringLiteral("1.5"));
    QTest::keyClick(child<QLineEdit>(&w, "EdSeparation"), Qt::Key_Return);
    EXPECT_EQ(rec.texts(), QStringList{"The difference of the rail readings (2.51 mm) exceeds the separation of "
                                       "the images on the ground glass (1.50 mm)"});
    rec.clear();
    typeInto(child<QLineEdit>(&w, "EdSeparation"), QStringLiteral("x"));
    QTest::keyClick(child<QLineEdit>(&w, "EdSeparation"), Qt::Key_Return);
    EXPECT_EQ(rec.texts(), QStringList{"Separation of the images on the ground glass unreadable: 'x'"});
}
