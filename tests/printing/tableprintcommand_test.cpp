#include "table/calculprof.h"
#include "core/notes.h"
#include "core/screenprint.h"
#include "support/child.h"
#include "support/pdfpages.h"
#include "support/programfolder.h"
#include "support/recorder.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace {

class TablePrintCommandTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_previousUrlOpener = setUrlOpener([](const QUrl &) { return true; });
        m_previousPrinter = setScreenPrinterFactory([this] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(screenPdf);
            return printer;
        });
    }
    void TearDown() override
    {
        setUrlOpener(m_previousUrlOpener);
        setScreenPrinterFactory(m_previousPrinter);
    }

    static void activate(TFormCalculProf &form)
    {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        QCoreApplication::processEvents();
    }

    QTemporaryDir out;
    QString screenPdf = out.filePath(QStringLiteral("ecran.pdf"));

private:
    UrlOpener m_previousUrlOpener;
    ScreenPrinterFactory m_previousPrinter;
};

} // namespace

TEST_F(TablePrintCommandTest, ScreenPrintButtonPrintsTheWindowsImage)
{
    ProgramFolder folder;
    Recorder rec;
    TFormCalculProf form;
    activate(form);
    QTest::mouseClick(child<QToolButton>(&form, "ImprEcrBtn"), Qt::LeftButton);
    EXPECT_TRUE(rec.messages().empty()) << rec.texts().join(u'\n').toStdString();
    const auto pages = rasterisePdf(screenPdf, 40, QStringLiteral("table-screenprint"));
    ASSERT_EQ(pages.size(), 1u);
    const QRect ink = inkBox(pages[0]);
    ASSERT_FALSE(ink.isEmpty());
    // The window's proportions: the grid's lines and the bars' texts reach
    // its edges closely enough to show them.
    const double ratio = double(form.width()) / form.height();
    EXPECT_NEAR(double(ink.width()) / ink.height(), ratio, ratio * 0.1);
}
