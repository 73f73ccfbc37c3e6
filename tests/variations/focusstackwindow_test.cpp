#include "variations/focusstackwindow.h"

#include "print/tableprinting.h"
#include "support/pdfpages.h"
#include "support/programfolder.h"
#include "support/recorder.h"
#include "support/scopedopener.h"
#include "support/screenshot.h"
#include "support/windowtest.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QPrinter>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableWidget>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace {

// A 150 mm lens on a view camera, from 1,5 m to infinity at f/22, c 0,1.
StackWindowStart viewCamera()
{
    StackWindowStart start;
    StackFields &f = start.fields;
    f.circle = QStringLiteral("0,100");
    f.focal = QStringLiteral("150");
    f.nodal = QStringLiteral("0");
    f.gp = QStringLiteral("1");
    f.fNumber = QStringLiteral("22");
    f.fromReadings = false;
    f.fromFilm = false;
    f.nearDistance = QStringLiteral("1,5");
    f.farDistance = QStringLiteral("inf");
    return start;
}

QString cell(const QWidget &w, int row, int col)
{
    const QTableWidgetItem *item = child<QTableWidget>(&w, "GrilleVues")->item(row, col);
    return item ? item->text() : QString();
}

} // namespace

TEST(FocusStackWindow, PlansFromDistancesAndCopies)
{
    Recorder rec;
    FocusStackWindow w(viewCamera());
    activate(w);
    click(w, "CalcBtn");
    EXPECT_TRUE(rec.messages().empty());
    EXPECT_EQ(child<QLabel>(&w, "LabelVues")->text(), QStringLiteral("5 vues"));
    EXPECT_EQ(child<QTableWidget>(&w, "GrilleVues")->rowCount(), 5);
    EXPECT_EQ(cell(w, 0, 2), QStringLiteral("14,387"));
    EXPECT_EQ(cell(w, 0, 4), QStringLiteral("inf"));
    EXPECT_EQ(cell(w, 4, 3), QStringLiteral("1,446"));
    // The origin button: from the film the same subjects take six frames.
    click(w, "DistFilmBtn");
    QTest::keyClick(child<QLineEdit>(&w, "EdDia"), Qt::Key_Return);
    EXPECT_EQ(child<QLabel>(&w, "LabelVues")->text(), QStringLiteral("6 vues"));

    click(w, "CopierBtn");
    const QMimeData *copied = QApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_TRUE(copied->text().startsWith(QStringLiteral("vue\trail\tdistance\tproche\tlointain\n1\t\t")))
        << copied->text().toStdString();
    saveScreenshot(&w, QStringLiteral("focusstackwindow"));
}

TEST(FocusStackWindow, ExportsTheCsvAndSaysWhere)
{
    ProgramFolder folder;
    Recorder rec;
    StackWindowStart start = viewCamera();
    start.fields.fromReadings = true;
    start.fields.railInfinity = QStringLiteral("40");
    start.fields.railNear = QStringLiteral("56,67");
    start.fields.railFar = QStringLiteral("40");
    FocusStackWindow w(start);
    activate(w);
    const QString path = folder.file(QStringLiteral("plan.csv"));
    rec.answerFile(path);
    click(w, "CsvBtn");
    EXPECT_TRUE(rec.messages().empty());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray csv = file.readAll();
    EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBFvue;rail;distance;proche;lointain\r\n1;41,58;14,385;6,014;inf\r\n"))
        << csv.toStdString();
    EXPECT_NE(child<QStatusBar>(&w, "StatusBar")->currentMessage().indexOf(QStringLiteral("plan.csv")), -1);
}

TEST(FocusStackWindow, RefusalsLeaveNoPlanStanding)
{
    Recorder rec;
    FocusStackWindow w(viewCamera());
    activate(w);
    ASSERT_TRUE(w.calculate());
    typeInto(child<QLineEdit>(&w, "EdRecouvrement"), QStringLiteral("0,3"));
    EXPECT_FALSE(w.calculate());
    EXPECT_EQ(rec.messages(), (std::vector<Message>{
                                  {"warning", "Facteur de recouvrement hors limites : 0,30 (limites 0,50-1,00)"}}));
    EXPECT_EQ(child<QTableWidget>(&w, "GrilleVues")->rowCount(), 0);
    EXPECT_EQ(child<QLabel>(&w, "LabelVues")->text(), QStringLiteral("Pas de plan"));
    // The fields stay as typed.
    EXPECT_EQ(child<QLineEdit>(&w, "EdRecouvrement")->text(), QStringLiteral("0,3"));

    rec.clear();
    typeInto(child<QLineEdit>(&w, "EdRecouvrement"), QStringLiteral("0,8"));
    typeInto(child<QLineEdit>(&w, "EdDistLointain"), QStringLiteral("loin"));
    EXPECT_FALSE(w.calculate());
    EXPECT_EQ(rec.messages(), (std::vector<Message>{{"warning", "Distance du sujet lointain illisible : 'loin'"}}));
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_TRUE(w.isVisible());
}

// The preview and the print show the plan's own table under title lines
// naming the lens and the subjects, through the table's page painter.
TEST(FocusStackWindow, PreviewPaintsThePlanUnderItsTitleLines)
{
    ProgramFolder folder;
    Recorder rec;
    const QString pdf = folder.file(QStringLiteral("preview.pdf"));
    int previews = 0;
    ScopedOpener<PreviewRunner> runner{
        setPreviewRunner, [&](QPrinter &printer, QWidget *, const std::function<void(QPrinter *)> &paint) {
            ++previews;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            paint(&printer);
        }};
    FocusStackWindow w(viewCamera());
    activate(w);
    click(w, "ApercuBtn");
    EXPECT_EQ(previews, 1);
    EXPECT_TRUE(rec.messages().empty());
    const QStringList pages = pdfPageTexts(pdf);
    ASSERT_EQ(pages.size(), 1);
    for (const char *expected : {"Empilement de mises au point : 5 vues", "f= 150 mm", "sujets à 1,5 et inf m",
                                 "14,387", "6,015", "inf", "1,446"})
        EXPECT_TRUE(pages[0].contains(QString::fromUtf8(expected))) << expected << "\n" << pages[0].toStdString();

    // Nothing to print while the fields allow no plan.
    typeInto(child<QLineEdit>(&w, "EdDia"), QStringLiteral("0"));
    click(w, "ApercuBtn");
    EXPECT_EQ(previews, 1);
    ASSERT_EQ(rec.messages().size(), 1u);
    EXPECT_EQ(rec.messages()[0].kind, QStringLiteral("warning"));
}
