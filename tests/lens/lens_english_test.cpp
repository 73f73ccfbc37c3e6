// The lens data window in English: English texts, numbers with a decimal
// point, the lens references as typed, and the settings and the table's
// fields that keep the decimal comma.
#include "lens/lensdatawindow.h"
#include "lens/lensdiagramview.h"
#include "core/apppaths.h"
#include "variations/englishcheck.h"
#include "support/child.h"
#include "support/english.h"
#include "support/programfolder.h"
#include "support/recorder.h"
#include "support/screenshot.h"
#include "support/windowtest.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace {

QString text(LensDataWindow &form, const char *name) { return child<QLineEdit>(&form, name)->text(); }

} // namespace

TEST(LensDataInEnglish, TheWindowReadsInEnglishAndKeepsTheComma)
{
    ProgramFolder folder;
    Recorder rec;
    QString frenchDn, frenchGp;
    {
        LensDataWindow form;
        activate(form);
        frenchDn = text(form, "EdDn");
        frenchGp = text(form, "EdGp");
        form.reject();
    }
    EnglishScope english;
    LensDataWindow form;
    activate(form);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Zeiss lenses for Hasselblad"));
    EXPECT_EQ(child<QToolButton>(&form, "CalcBtn")->text(), QStringLiteral("Compute"));
    EXPECT_EQ(child<QToolButton>(&form, "CalcBtn")->statusTip(), QStringLiteral("Click the button to read the computed values"));
    EXPECT_EQ(child<QLineEdit>(&form, "EdH")->toolTip(), QStringLiteral("limits  0.1-150 "));
    EXPECT_EQ(text(form, "EdFocale"), QStringLiteral("81.2"));
    EXPECT_EQ(text(form, "EdExit"), QStringLiteral("34.5"));
    // The references are the user's text: the lens's own name stays.
    EXPECT_EQ(text(form, "EdRef"), QStringLiteral("Planar T 2,8-80 CFE"));
    EXPECT_EQ(text(form, "EdDn"), frenchDn);
    EXPECT_EQ(text(form, "EdGp"), QString(frenchGp).replace(u',', u'.'));
    EXPECT_EQ(text(form, "EdGp"), QStringLiteral("1.19791666666667"));
    EXPECT_EQ(FrenchLeft(&form), QStringList()) << FrenchLeft(&form).join(u'\n').toStdString();
    saveScreenshot(&form, QStringLiteral("lens-en"));

    // A bad field warns in English.
    typeInto(child<QLineEdit>(&form, "EdH"), QStringLiteral("200"));
    QTest::mouseClick(child<QToolButton>(&form, "CalcBtn"), Qt::LeftButton);
    EXPECT_EQ(rec.texts(), QStringList{"Field H incorrect"});
    rec.clear();

    // Typed with a point, shown with a point, kept and handed back with the
    // comma.
    typeInto(child<QLineEdit>(&form, "EdH"), QStringLiteral("40.5"));
    QTest::mouseClick(child<QToolButton>(&form, "CalcBtn"), Qt::LeftButton);
    EXPECT_EQ(text(form, "EdH"), QStringLiteral("40.5"));
    EXPECT_EQ(text(form, "EdDn"), QStringLiteral("-4.7"));
    QTest::mouseClick(child<QToolButton>(&form, "validebtn"), Qt::LeftButton);
    ASSERT_TRUE(form.choice().has_value());
    EXPECT_EQ(form.choice()->focal, QStringLiteral("81,2"));
    EXPECT_EQ(form.choice()->nodal, QStringLiteral("-4,7"));
    EXPECT_EQ(form.choice()->pupil, QStringLiteral("1,19791666666667"));
    EXPECT_EQ(form.choice()->comment, QStringLiteral("Hasselblad Planar T 2,8-80 CFE n° 10 22 11"));
    const BladSettings kept = readBladSettings(appPaths().iniFileName);
    EXPECT_EQ(kept.h, QStringLiteral("40,5"));
    EXPECT_EQ(kept.f, QStringLiteral("81,2"));
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}
