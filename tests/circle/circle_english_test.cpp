// The circle of confusion window in English: its texts, presets and grid
// headers in English, numbers with a decimal point, the same results as in
// French, and a grid file and a hand-back that keep the decimal comma and
// the French names the files use.
#include "circle/circlewindow.h"
#include "variations/englishcheck.h"
#include "support/child.h"
#include "support/english.h"
#include "support/programfolder.h"
#include "support/recorder.h"
#include "support/screenshot.h"
#include "support/windowtest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace {

const char *const kResults[] = {"EdFmodif", "EdTmodif", "EdDiagTir", "EdCoeff", "EdDistObsCalc", "EdC", "EdNmin"};

QStringList results(CircleWindow &form)
{
    QStringList out;
    for (const char *name : kResults)
        out << child<QLineEdit>(&form, name)->text();
    return out;
}

// A digital sensor on an A4 print, whole, seen from 30 cm: decimals in the
// sizes, the enlargement, c and the f-number.
QStringList computeDigitalOnA4(CircleWindow &form)
{
    auto *format = child<QComboBox>(&form, "ComboFormat");
    auto *film = child<QComboBox>(&form, "ComboFilm");
    format->setCurrentIndex(12); // APS-C, 15,6 x 23,5
    emit format->activated(12);
    film->setCurrentIndex(5); // A4, 21 x 29
    emit film->activated(5);
    auto *pf = child<QCheckBox>(&form, "CheckPF");
    QTest::mouseClick(pf, Qt::LeftButton, {}, QPoint(8, pf->height() / 2));
    click(form, "CalcBtn");
    return results(form);
}

QString withPoints(QString text) { return text.replace(u',', u'.'); }

} // namespace

TEST(CircleInEnglish, TheWindowReadsInEnglishWithTheFrenchNumbersAndDecimalPoints)
{
    ProgramFolder folder;
    Recorder rec;
    QStringList french;
    {
        QFile::remove(folder.dataPath() + "cbxcgr7.stf");
        CircleWindow form;
        activate(form);
        french = computeDigitalOnA4(form);
        form.reject();
    }
    ASSERT_EQ(french.size(), 7);
    ASSERT_TRUE(french[5].contains(u',')) << french[5].toStdString();
    QFile::remove(folder.dataPath() + "cbxcgr7.stf");

    EnglishScope english;
    CircleWindow form;
    activate(form);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Circle of confusion"));
    EXPECT_EQ(child<QToolButton>(&form, "SpeedButton3")->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(child<QToolButton>(&form, "validebtn")->text(), QStringLiteral("OK"));
    EXPECT_EQ(child<QToolButton>(&form, "ToolButton3")->toolTip(), QStringLiteral("Clear the grid"));
    auto *view = child<QTableView>(&form, "GridCercle");
    EXPECT_EQ(view->model()->headerData(9, Qt::Horizontal).toString(), QStringLiteral("Comment"));
    EXPECT_EQ(view->model()->headerData(8, Qt::Horizontal).toString(), QStringLiteral("N below"));
    // Every header is whole in its column.
    const QFontMetrics metrics(view->horizontalHeader()->font());
    for (int c = 0; c < 10; ++c) {
        EXPECT_GE(view->columnWidth(c),
                  metrics.horizontalAdvance(view->model()->headerData(c, Qt::Horizontal).toString()))
            << c;
    }
    auto *format = child<QComboBox>(&form, "ComboFormat");
    EXPECT_EQ(format->itemText(2), QStringLiteral("4.5x6 cm"));
    EXPECT_EQ(format->itemText(14), QStringLiteral("Digital 33x44"));

    const QStringList computed = computeDigitalOnA4(form);
    QStringList expected;
    for (const QString &r : french)
        expected << withPoints(r);
    EXPECT_EQ(computed, expected);
    EXPECT_EQ(child<QLineEdit>(&form, "EdLargF")->text(), QStringLiteral("15.6"));
    for (const QString &r : {computed[2], computed[3], computed[4], computed[5], computed[6]}) {
        EXPECT_TRUE(EnglishNumber(r)) << r.toStdString();
    }
    EXPECT_EQ(FrenchLeft(&form), QStringList()) << FrenchLeft(&form).join(u'\n').toStdString();

    // A typed point is read as the comma; the grid shows the row with points
    // and keeps it with commas; Ok hands the comma back to the table.
    typeInto(child<QLineEdit>(&form, "EdLargF"), QStringLiteral("15.7"));
    click(form, "CalcBtn");
    EXPECT_EQ(child<QLineEdit>(&form, "EdLargF")->text(), QStringLiteral("15.7"));
    click(form, "AddBtn");
    const QString shownCircle = view->model()->index(0, CircleColumn).data().toString();
    EXPECT_TRUE(EnglishNumber(shownCircle)) << shownCircle.toStdString();
    EXPECT_EQ(view->model()->index(0, FilmFormatColumn).data().toString(), QStringLiteral("15.7x23.5"));
    EXPECT_EQ(form.grid().cell(1, FilmFormatColumn), QStringLiteral("15,7x23,5"));
    EXPECT_EQ(form.grid().cell(1, CircleColumn), QString(shownCircle).replace(u'.', u','));
    EXPECT_EQ(form.grid().cell(0, 9), QStringLiteral("Commentaire"));
    EXPECT_EQ(FrenchLeft(&form), QStringList()) << FrenchLeft(&form).join(u'\n').toStdString();
    saveScreenshot(&form, QStringLiteral("circle-en"));
    click(form, "validebtn");
    ASSERT_TRUE(form.choice().has_value());
    EXPECT_EQ(form.choice()->circle, QString(shownCircle).replace(u'.', u','));
    EXPECT_EQ(form.choice()->format, QStringLiteral("15,7x23,5"));
    const auto kept = ReadGridFile(folder.dataPath() + "cbxcgr7.stf");
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(kept->row(1), form.grid().row(1));
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
}

TEST(CircleInEnglish, WarningsReadInEnglish)
{
    ProgramFolder folder;
    Recorder rec;
    EnglishScope english;
    CircleWindow form;
    activate(form);
    typeInto(child<QLineEdit>(&form, "EdLargF"), QStringLiteral("400"));
    click(form, "CalcBtn");
    EXPECT_EQ(rec.texts(), QStringList{"Film width field incorrect (8-300)"});
    rec.clear();
    typeInto(child<QLineEdit>(&form, "EdLargF"), QStringLiteral("60.5"));
    click(form, "CalcBtn");
    EXPECT_EQ(rec.texts(), QStringList{"Film width greater than film length: incorrect"});
    form.reject();
}
