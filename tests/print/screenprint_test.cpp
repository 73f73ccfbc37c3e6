#include "print/screenprint.h"
#include "support/pdfpages.h"
#include "support/recorder.h"

#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

using namespace optolune;
using namespace optolune::test;

namespace {

// Every screen print of these tests goes to a PDF file instead of the
// system's default printer.
class ScreenPrintTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_previous = setScreenPrinterFactory([this] {
            ++printersMade;
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdfPath);
            printer->setPageSize(QPageSize(QPageSize::A4));
            printer->setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
            return printer;
        });
    }
    void TearDown() override { setScreenPrinterFactory(m_previous); }

    // A window of one colour, so that its image is easy to find on the page.
    static std::unique_ptr<QWidget> plainWindow(int width, int height)
    {
        auto w = std::make_unique<QWidget>();
        w->setFixedSize(width, height);
        w->setAutoFillBackground(true);
        QPalette pal = w->palette();
        pal.setColor(QPalette::Window, QColor(20, 40, 200));
        w->setPalette(pal);
        w->setWindowTitle(QStringLiteral("Fenêtre"));
        return w;
    }

    QTemporaryDir dir;
    QString pdfPath = dir.filePath(QStringLiteral("ecran.pdf"));
    int printersMade = 0;

private:
    ScreenPrinterFactory m_previous;
};

constexpr int kDpi = 50;
// A4 with 10 mm margins at 50 dpi: the printable area in pixels.
constexpr double kAreaWidth = (210.0 - 20.0) / 25.4 * kDpi;
constexpr double kAreaHeight = (297.0 - 20.0) / 25.4 * kDpi;
constexpr double kMargin = 10.0 / 25.4 * kDpi;

struct Shape {
    const char *name;
    int width, height;
    bool widthBound; // the page's width limits the image, else its height
};
void PrintTo(const Shape &shape, std::ostream *os)
{
    *os << shape.name << ' ' << shape.width << 'x' << shape.height;
}

class ScreenPrintShapeTest : public ScreenPrintTest, public testing::WithParamInterface<Shape> {};

TEST_P(ScreenPrintShapeTest, FillsThePrintableAreaWithTheWindowsProportions)
{
    const Shape shape = GetParam();
    Recorder rec;
    auto window = plainWindow(shape.width, shape.height);
    ASSERT_TRUE(PrintWindowImage(window.get()));
    EXPECT_TRUE(rec.messages().empty());
    EXPECT_EQ(printersMade, 1);

    const auto pages = rasterisePdf(pdfPath, kDpi, QStringLiteral("screenprint-") + shape.name);
    ASSERT_EQ(pages.size(), 1u);
    const QRect ink = inkBox(pages[0], 160);
    ASSERT_FALSE(ink.isEmpty());
    // At the top left of the printable area, within two pixels of rounding.
    EXPECT_NEAR(ink.left(), kMargin, 2);
    EXPECT_NEAR(ink.top(), kMargin, 2);
    if (shape.widthBound)
        EXPECT_NEAR(ink.width(), kAreaWidth, 2);
    else
        EXPECT_NEAR(ink.height(), kAreaHeight, 2);
    const double ratio = double(shape.width) / shape.height;
    EXPECT_NEAR(double(ink.width()) / ink.height(), ratio, ratio * 0.03);
}

INSTANTIATE_TEST_SUITE_P(Shapes, ScreenPrintShapeTest,
                         testing::Values(Shape{"wide", 600, 300, true},
                                         Shape{"tall", 150, 600, false},
                                         Shape{"small", 60, 40, true}),
                         [](const testing::TestParamInfo<Shape> &info) {
                             return std::string(info.param.name);
                         });

TEST_F(ScreenPrintTest, NoPrinterPrintsNothing)
{
    Recorder rec;
    setScreenPrinterFactory([] { return std::unique_ptr<QPrinter>(); });
    auto window = plainWindow(100, 100);
    EXPECT_FALSE(PrintWindowImage(window.get()));
    EXPECT_FALSE(QFile::exists(pdfPath));
}

TEST_F(ScreenPrintTest, APrintThatCannotStartIsReported)
{
    Recorder rec;
    pdfPath = dir.filePath(QStringLiteral("absent/ecran.pdf"));
    auto window = plainWindow(100, 100);
    EXPECT_FALSE(PrintWindowImage(window.get()));
    ASSERT_EQ(rec.messages().size(), 1u);
    EXPECT_EQ(rec.messages()[0],
              (Message{QStringLiteral("warning"),
                       QStringLiteral("Impossible de lancer l'impression sur %1.").arg(pdfPath)}));
}

TEST_F(ScreenPrintTest, WithoutADefaultPrinterTheUserIsTold)
{
    Recorder rec;
    setScreenPrinterFactory({});
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this machine has a default printer";
    auto window = plainWindow(100, 100);
    EXPECT_FALSE(PrintWindowImage(window.get()));
    EXPECT_EQ(rec.texts(), QStringList{QStringLiteral(
                               "Aucune imprimante par défaut n'est installée : impossible d'imprimer.")});
}

} // namespace
