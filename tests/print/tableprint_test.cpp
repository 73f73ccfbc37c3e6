// The printed table, page by page: what the painter draws is recorded by a
// paint device of its own (texts with their font, ink and place; border
// lines), and checked against the table and the borders drawn, on a 96-dpi
// and a 1200-dpi device, at the smallest and largest sizes, both ways round.
#include "core/numerictext.h"
#include "support/pdfpages.h"
#include "support/qtprint.h"
#include "table/tablecompute.h"
#include "table/tablemodel.h"
#include "print/tableprint.h"
#include "table/tablestate.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <map>

using namespace optolune;
using namespace optolune::test;

namespace {

struct DrawnText {
    QString text;
    QPointF at; // the baseline's start
    QFont font;
    QColor ink;
};

// Keeps what a painter draws instead of drawing it.
class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &changed) override
    {
        if (changed.state() & QPaintEngine::DirtyPen)
            m_pen = changed.pen();
    }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        texts.push_back({item.text(), p, item.font(), m_pen.color()});
    }
    void drawLines(const QLineF *drawn, int count) override
    {
        for (int i = 0; i < count; ++i)
            lines.push_back(drawn[i]);
    }
    void drawRects(const QRectF *, int) override {}
    Type type() const override { return QPaintEngine::User; }

    std::vector<DrawnText> texts;
    std::vector<QLineF> lines;

private:
    QPen m_pen;
};

// A page of A4 at a given resolution.
class RecordingDevice : public QPaintDevice {
public:
    RecordingDevice(int dpi, bool landscape) : m_dpi(dpi), m_landscape(landscape) {}
    QPaintEngine *paintEngine() const override { return &m_engine; }
    RecordingEngine &engine() const { return m_engine; }
    QSizeF pixelSize() const
    {
        const QSizeF mm = m_landscape ? QSizeF(297, 210) : QSizeF(210, 297);
        return mm / 25.4 * m_dpi;
    }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return int(pixelSize().width());
        case PdmHeight: return int(pixelSize().height());
        case PdmWidthMM: return m_landscape ? 297 : 210;
        case PdmHeightMM: return m_landscape ? 210 : 297;
        case PdmNumColors: return 0x7fffffff;
        case PdmDepth: return 32;
        case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return m_dpi;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        default: return 0;
        }
    }

private:
    int m_dpi;
    bool m_landscape;
    mutable RecordingEngine m_engine;
};

// Half stops from 1 to 256 and `distances` distances from 0,5 m to 900 m,
// every line and row: the largest table the window makes. With c = 0,05 mm
// and f = 150 mm the f-numbers above 26,5 are silver.
TableModel largestTable(bool horizontal, int distances = 100, int decimals = 8)
{
    TableState s;
    for (int k = 0; k <= 32; ++k)
        s.fNumbers << FixedText(std::pow(2.0L, k / 4.0L), 5, 1);
    for (int i = 0; i < distances; ++i)
        s.distances << FixedText(0.5L * std::pow(1800.0L, i / (distances - 1.0L)), 8, 2);
    s.circle = QStringLiteral("0,050");
    s.focal = QStringLiteral("150");
    s.nodal = QStringLiteral("-4,0");
    s.pupil = QStringLiteral("1,100");
    s.horizontal = horizontal;
    s.showP = s.showAB = s.showH = s.showGT = true;
    s.decimalsIndex = decimals; // 8: the widest numbers
    TableModel model;
    EXPECT_TRUE(RefreshTable(s, model));
    return model;
}

const QStringList Titles{
    QStringLiteral("Super Symmar 5,6/150       format 4x5       distances PF"),
    QStringLiteral("f= 150mm       c= 0,050 mm       dn= -4,0mm       gp= 1,100"),
    QStringLiteral("Optolune       Version 1.0.0.0"), QString()};

// Text is placed on a grid of 1/64 of a device pixel.
constexpr qreal kPlace = 1.0 / 32;

struct Case {
    const char *name;
    bool horizontal;
    int points;
    int dpi;
    bool landscape;
};
void PrintTo(const Case &c, std::ostream *os) { *os << c.name; }

class TablePrintLayoutTest : public testing::TestWithParam<Case> {};

// The printable area of A4 with margins of 10 mm.
QRectF areaOf(const RecordingDevice &device, int dpi)
{
    const qreal margin = 10 / 25.4 * dpi;
    return QRectF(QPointF(margin, margin), device.pixelSize() - QSizeF(2 * margin, 2 * margin));
}

int minGrey(const QImage &image, const QRect &rect)
{
    int darkest = 255;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            darkest = std::min(darkest, qGray(image.pixel(x, y)));
    return darkest;
}

std::vector<qreal> sortedUnique(std::vector<qreal> v)
{
    std::sort(v.begin(), v.end());
    v.erase(std::unique(v.begin(), v.end(), [](qreal a, qreal b) { return std::abs(a - b) < 0.01; }),
            v.end());
    return v;
}

} // namespace

TEST_P(TablePrintLayoutTest, EveryCellOnceHeadersOnEveryPageNothingClipped)
{
    const Case c = GetParam();
    const TableModel model = largestTable(c.horizontal);
    RecordingDevice probe(c.dpi, c.landscape);
    const QRectF area = areaOf(probe, c.dpi);
    const TablePrintLayout layout = LayoutTablePages(model, Titles, c.points, area, &probe);
    ASSERT_GT(layout.pages.size(), 1u);

    // Each body cell falls on exactly one page.
    std::map<std::pair<int, int>, int> seen;
    for (const TablePrintPage &p : layout.pages)
        for (int col = p.firstCol; col < p.endCol; ++col)
            for (int row = p.firstRow; row < p.endRow; ++row)
                ++seen[{col, row}];
    EXPECT_EQ(seen.size(), size_t(model.colCount() - 1) * size_t(model.rowCount() - 1));
    for (const auto &[cell, count] : seen)
        ASSERT_EQ(count, 1) << "cell " << cell.first << "," << cell.second;

    std::multiset<QString> bodyLines, printedBody;
    for (int row = 1; row < model.rowCount(); ++row)
        for (int col = 1; col < model.colCount(); ++col)
            for (const QString &line : model.cellLines(col, row))
                if (!line.isEmpty())
                    bodyLines.insert(line);

    for (size_t index = 0; index < layout.pages.size(); ++index) {
        SCOPED_TRACE(testing::Message() << "page " << index + 1);
        const TablePrintPage &page = layout.pages[index];
        RecordingDevice device(c.dpi, c.landscape);
        {
            QPainter painter(&device);
            PaintTablePage(painter, layout, model, int(index));
        }
        const auto &texts = device.engine().texts;
        const auto &lines = device.engine().lines;

        // The title lines first, at the top left of the area.
        ASSERT_GE(texts.size(), 3u);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(texts[i].text, Titles[i]);
            EXPECT_NEAR(texts[i].at.x(), area.left(), kPlace);
        }
        EXPECT_LT(texts[0].at.y(), area.top() + layout.titleLineHeight);

        // The borders: one vertical line per column edge, one horizontal per
        // row edge, all inside the printable area and under the titles.
        std::vector<qreal> xs, ys;
        for (const QLineF &l : lines) {
            if (l.x1() == l.x2())
                xs.push_back(l.x1());
            else
                ys.push_back(l.y1());
        }
        xs = sortedUnique(xs);
        ys = sortedUnique(ys);
        ASSERT_EQ(xs.size(), size_t(page.endCol - page.firstCol + 2));
        ASSERT_EQ(ys.size(), size_t(page.endRow - page.firstRow + 2));
        EXPECT_GE(xs.front(), area.left());
        EXPECT_LE(xs.back(), area.right());
        EXPECT_GE(ys.front(), area.top() + 3 * layout.titleLineHeight);
        EXPECT_LE(ys.back(), area.bottom());

        // Every other text inside the cell its start falls in: its whole
        // advance and its descent, measured on the device.
        std::multiset<QString> headerTexts;
        for (size_t i = 3; i < texts.size(); ++i) {
            const DrawnText &t = texts[i];
            const QFontMetricsF metrics(t.font, &device);
            const auto right = std::upper_bound(xs.begin(), xs.end(), t.at.x());
            const auto below = std::upper_bound(ys.begin(), ys.end(), t.at.y());
            ASSERT_TRUE(right != xs.begin() && right != xs.end()) << t.text.toStdString();
            ASSERT_TRUE(below != ys.begin() && below != ys.end()) << t.text.toStdString();
            EXPECT_LE(t.at.x() + metrics.horizontalAdvance(t.text), *right + kPlace) << t.text.toStdString();
            EXPECT_LE(t.at.y() + metrics.descent(), *below + kPlace) << t.text.toStdString();
            EXPECT_GE(t.at.y() - metrics.ascent(), *(below - 1) - kPlace) << t.text.toStdString();
            const bool headerCell = right - xs.begin() == 1 || below - ys.begin() == 1;
            if (headerCell) {
                // Black, bold, 10 points.
                EXPECT_TRUE(t.font.bold()) << t.text.toStdString();
                EXPECT_DOUBLE_EQ(t.font.pointSizeF(), 10);
                EXPECT_EQ(t.ink, QColor(Qt::black));
                headerTexts.insert(t.text);
            } else {
                EXPECT_FALSE(t.font.bold());
                EXPECT_DOUBLE_EQ(t.font.pointSizeF(), c.points);
                printedBody.insert(t.text);
            }
        }
        // The header row and column of this page, with the corner.
        std::multiset<QString> expectedHeaders{QStringLiteral("R9T")};
        for (int col = page.firstCol; col < page.endCol; ++col)
            expectedHeaders.insert(model.cell(col, 0));
        for (int row = page.firstRow; row < page.endRow; ++row)
            expectedHeaders.insert(model.cell(0, row));
        EXPECT_EQ(headerTexts, expectedHeaders);
    }
    // Every line of every cell, once.
    EXPECT_TRUE(printedBody == bodyLines) << printedBody.size() << " lines printed of "
                                          << bodyLines.size();
}

INSTANTIATE_TEST_SUITE_P(
    Pages, TablePrintLayoutTest,
    testing::Values(Case{"vertical_6pt_printer_portrait", false, 6, 1200, false},
                    Case{"vertical_12pt_image_landscape", false, 12, 96, true},
                    Case{"horizontal_6pt_image_portrait", true, 6, 96, false},
                    Case{"horizontal_12pt_printer_landscape", true, 12, 1200, true},
                    Case{"horizontal_12pt_image_portrait", true, 12, 96, false}),
    [](const testing::TestParamInfo<Case> &info) { return std::string(info.param.name); });

TEST(TablePrint, SilverCellsStaySilverAndTheModelIsOnlyRead)
{
    const TableModel model = largestTable(false, 5);
    const TableModel before = model;
    RecordingDevice device(300, true);
    const TablePrintLayout layout =
        LayoutTablePages(model, Titles, 8, areaOf(device, 300), &device);
    int silver = 0, black = 0;
    for (size_t page = 0; page < layout.pages.size(); ++page) {
        RecordingDevice sheet(300, true);
        {
            QPainter painter(&sheet);
            PaintTablePage(painter, layout, model, int(page), QStringLiteral("R9T"), Qt::white);
        }
        for (const DrawnText &t : sheet.engine().texts) {
            if (t.ink == QColor(QRgb(kSilverRgb)))
                ++silver;
            else if (!t.font.bold())
                ++black;
        }
    }
    // Thirteen of the 33 f-numbers lie above 26,5: 32 up to 256.
    int silverLines = 0;
    for (int col = 1; col < model.colCount(); ++col)
        for (int row = 1; row < model.rowCount(); ++row)
            if (model.fontColour(col, row) == CellInk::Silver)
                for (const QString &line : model.cellLines(col, row))
                    silverLines += !line.isEmpty();
    EXPECT_GT(silverLines, 0);
    EXPECT_EQ(silver, silverLines);
    EXPECT_GT(black, 0);
    EXPECT_EQ(model.cell(0, 0), QString());
    for (int col = 0; col < model.colCount(); ++col)
        for (int row = 0; row < model.rowCount(); ++row)
            ASSERT_EQ(model.cell(col, row), before.cell(col, row));
}

TEST(TablePrint, TheCornerIsTheCallersAndLongTitleLinesAreBroken)
{
    const TableModel model = largestTable(false, 3);
    RecordingDevice device(96, false);
    const QRectF area = areaOf(device, 96);
    QStringList titles = Titles;
    titles.insert(2, QString(40, u'x') + u' ' + QStringLiteral("commentaire ").repeated(20));
    const TablePrintLayout layout = LayoutTablePages(model, titles, 10, area, &device);
    EXPECT_GT(layout.titleLines.size(), titles.size());
    const QFontMetricsF metrics(layout.titleFont, &device);
    for (const QString &line : layout.titleLines)
        EXPECT_LE(metrics.horizontalAdvance(line), area.width()) << line.toStdString();
    EXPECT_EQ(layout.titleLines.join(QString()).remove(u' '), titles.join(QString()).remove(u' '));
    {
        QPainter painter(&device);
        PaintTablePage(painter, layout, model, 0, QStringLiteral("coin"));
    }
    bool corner = false;
    for (const DrawnText &t : device.engine().texts)
        corner = corner || t.text == QStringLiteral("coin");
    EXPECT_TRUE(corner);
}

TEST(TablePrint, AnEmptyTableHasNoPage)
{
    TableModel model;
    RecordingDevice device(96, false);
    EXPECT_TRUE(LayoutTablePages(model, Titles, 8, areaOf(device, 96), &device).pages.empty());
}

TEST(TablePrint, APdfPageAsAReaderSeesIt)
{
    // A vertical table of the 33 f-numbers at 12 points, portrait, through
    // the PDF writer the export uses: rasterised, each page has its ink
    // inside the margins and its title at the top left, and the columns of
    // the f-numbers beyond the diffraction limit are silver.
    const TableModel model = largestTable(false, 6, 2);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.pdf"));
    TablePrintLayout layout;
    {
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QPageSize::A4));
        SetUpTablePage(writer, false);
        QPainter painter(&writer);
        layout = LayoutTablePages(model, Titles, 12, PrintableArea(writer), &writer);
        EXPECT_EQ(PaintTablePages(painter, writer, layout, model), int(layout.pages.size()));
    }
    ASSERT_GE(layout.pages.size(), 3u);
    constexpr int dpi = 100;
    const auto pages = rasterisePdf(path, dpi, QStringLiteral("table-vertical-12pt"));
    ASSERT_EQ(pages.size(), layout.pages.size());
    const int margin = int(10 / 25.4 * dpi);
    for (size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "page " << i + 1);
        const QImage &page = pages[i];
        EXPECT_LT(page.width(), page.height()); // portrait
        const QRect ink = inkBox(page, 200);
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_GE(ink.left(), margin - 2);
        EXPECT_GE(ink.top(), margin - 2);
        EXPECT_LE(ink.right(), page.width() - margin + 2);
        EXPECT_LE(ink.bottom(), page.height() - margin + 2);
        EXPECT_LE(ink.left(), margin + 3);
        EXPECT_LE(ink.top(), margin + 8);
        // Inside the cells of each column (borders left out), the f-numbers
        // beyond the diffraction limit are silver and nothing darker; the
        // others are black.
        const TablePrintPage &p = layout.pages[i];
        const qreal scale = dpi / 1200.0; // the writer's resolution to the image's
        qreal x = layout.columnWidths[0];
        for (int col = p.firstCol; col < p.endCol; ++col) {
            const qreal w = layout.columnWidths[size_t(col)];
            qreal y = layout.titleHeight + layout.rowHeights[0];
            int darkest = 255, silver = 0;
            for (int row = p.firstRow; row < p.endRow; ++row) {
                const qreal h = layout.rowHeights[size_t(row)];
                const QRect cell(QPoint(int(margin + x * scale) + 2, int(margin + y * scale) + 2),
                                 QPoint(int(margin + (x + w) * scale) - 2,
                                        int(margin + (y + h) * scale) - 2));
                y += h;
                darkest = std::min(darkest, minGrey(page, cell));
                silver += countColour(page.copy(cell), QRgb(kSilverRgb), 3);
            }
            x += w;
            if (model.fontColour(col, 1) == CellInk::Silver) {
                EXPECT_GE(darkest, 0xB0) << "column " << col;
                EXPECT_GT(silver, 20) << "column " << col;
            } else {
                EXPECT_LT(darkest, 0x50) << "column " << col;
            }
        }
    }
}
