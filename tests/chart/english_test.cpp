// The chart window in English: its title, axes, legend and tips, with
// decimal points.
#include "tablewindow/tablewindow.h"
#include "chart/chartwindow.h"
#include "core/notes.h"
#include "support/child.h"
#include "support/english.h"
#include "support/programfolder.h"
#include "support/recorder.h"
#include "support/screenshot.h"
#include "support/scopedopener.h"
#include "support/scriptedlisteditor.h"
#include "support/windowtest.h"
#include "tablewindow/frenchleft.h"

#include <QAbstractAxis>
#include <QChart>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

TEST(ChartEnglishTest, TheChartReadsInEnglishWithDecimalPoints)
{
    ScopedOpener<UrlOpener> urls{setUrlOpener, [](const QUrl &) { return true; }};
    ScriptedListEditor listEditor;
    ProgramFolder folder;
    Recorder rec;
    EnglishScope english;
    TableWindow form;
    activate(form);
    QTest::keyClick(&form, Qt::Key_F9);
    QCoreApplication::processEvents();
    ChartWindow *chart = form.chartWindow();
    ASSERT_NE(chart, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(chart));
    QCoreApplication::processEvents();

    const QRegularExpression comma(QStringLiteral("\\d,\\d"));
    const QRegularExpression point(QStringLiteral("\\d\\.\\d"));
    EXPECT_EQ(chart->windowTitle(), QStringLiteral("Depth of field chart"));
    EXPECT_EQ(child<QPushButton>(chart, "ExportBtn")->text(), QStringLiteral("Export image..."));
    EXPECT_TRUE(chart->chart()->title().startsWith(
        QStringLiteral("Limits of sharpness, distances measured from the film plane")));
    QStringList axes;
    for (const QAbstractAxis *axis : chart->chart()->axes())
        axes << axis->titleText();
    EXPECT_EQ(axes, (QStringList{QStringLiteral("Focus distance (m)"),
                                 QStringLiteral("Limits of sharpness (m)")}));
    // The legend: f-numbers and marks in English, with points.
    QStringList legend;
    for (const ChartWindow::LegendEntry &e : chart->legendEntries())
        legend << e.text;
    EXPECT_TRUE(legend.contains(QStringLiteral("hyperfocal distance H"))) << legend.join(u'|').toStdString();
    EXPECT_TRUE(legend.join(u'|').contains(point));
    EXPECT_FALSE(legend.join(u'|').contains(comma)) << legend.join(u'|').toStdString();
    for (const QString &text : legend) {
        EXPECT_FALSE(looksFrench(text)) << text.toStdString();
    }
    // A tip: English words, decimal points.
    const QString tip = chart->tipAt(0, 3);
    EXPECT_TRUE(tip.contains(QStringLiteral("\nDistance: 3 m\nNear limit of sharpness: "))) << tip.toStdString();
    EXPECT_TRUE(tip.contains(point)) << tip.toStdString();
    EXPECT_FALSE(tip.contains(comma)) << tip.toStdString();
    EXPECT_EQ(frenchLeft(chart), QStringList());
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
    saveScreenshot(chart, QStringLiteral("chart-en"));
}
