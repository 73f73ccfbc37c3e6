#include "tableprint.h"

#include "table/tablemodel.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <array>

namespace optolune {

namespace {

constexpr qreal kHeaderPoints = 10;
constexpr qreal kTitlePoints = 10;

QFont printFont(qreal points, bool bold)
{
    // A font every machine running the program has (fonts-dejavu-core), so
    // that a page is the same wherever it is printed.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setKerning(false); // widths are the sums of the characters' advances
    return font;
}

// Widths of texts in one font on one device, as the sums of the advances of
// their characters. Kerning is off in the print fonts, so the sum is the
// width drawn; a ligature can only make the drawn text narrower. Measuring
// each character once keeps the layout of a large table cheap.
class Advances {
public:
    explicit Advances(const QFontMetricsF &metrics) : m_metrics(metrics) { m_latin1.fill(-1); }

    qreal of(QChar c)
    {
        if (c.unicode() < m_latin1.size()) {
            qreal &w = m_latin1[c.unicode()];
            if (w < 0)
                w = m_metrics.horizontalAdvance(c);
            return w;
        }
        return m_metrics.horizontalAdvance(c);
    }

    // The width of the widest line of a cell text, lines split at the
    // table's line break; `lines` receives their number.
    qreal widestLine(const QString &text, int &lines)
    {
        qreal widest = 0, current = 0;
        lines = 1;
        for (const QChar c : text) {
            if (c == kCellLineBreak) {
                widest = std::max(widest, current);
                current = 0;
                ++lines;
            } else {
                current += of(c);
            }
        }
        return std::max(widest, current);
    }

private:
    const QFontMetricsF &m_metrics;
    std::array<qreal, 256> m_latin1;
};

// Breaks a title line that is wider than the page at its spaces (or, for a
// single word too long, between characters), so that nothing runs off the
// sheet.
void appendWrapped(QStringList &out, const QString &line, const QFontMetricsF &metrics, qreal width)
{
    if (line.isEmpty() || metrics.horizontalAdvance(line) <= width) {
        out << line;
        return;
    }
    QString current;
    const QStringList words = line.split(u' ');
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString candidate = i == 0 ? words[i] : current + u' ' + words[i];
        if (metrics.horizontalAdvance(candidate) <= width) {
            current = candidate;
            continue;
        }
        if (!current.isEmpty() || i > 0)
            out << current;
        current = words[i];
        // A word wider than the page is cut where it must be.
        while (metrics.horizontalAdvance(current) > width && current.size() > 1) {
            qsizetype fit = 1;
            while (fit < current.size() && metrics.horizontalAdvance(current.left(fit + 1)) <= width)
                ++fit;
            out << current.left(fit);
            current = current.mid(fit);
        }
    }
    out << current;
}

QColor inkColour(CellInk ink)
{
    return ink == CellInk::Silver ? QColor(QRgb(kSilverRgb)) : QColor(Qt::black);
}

// Draws the lines of a cell text from the top of its cell.
void drawCellText(QPainter &painter, const QString &text, qreal x, qreal firstBaseline,
                  qreal lineHeight)
{
    qreal baseline = firstBaseline;
    qsizetype start = 0;
    for (;;) {
        qsizetype end = text.indexOf(kCellLineBreak, start);
        if (end < 0)
            end = text.size();
        if (end > start)
            painter.drawText(QPointF(x, baseline), text.mid(start, end - start));
        if (end == text.size())
            break;
        baseline += lineHeight;
        start = end + 1;
    }
}

} // namespace

TablePrintLayout LayoutTablePages(const TableModel &model, const QStringList &titleLines,
                                  int fontSizePoints, const QRectF &area,
                                  const QPaintDevice *device)
{
    TablePrintLayout layout;
    layout.area = area;
    layout.titleFont = printFont(kTitlePoints, false);
    layout.headerFont = printFont(kHeaderPoints, true);
    layout.bodyFont = printFont(fontSizePoints, false);
    // Measured on the device that receives the page: its resolution sets the
    // size of a point, and its font metrics the widths.
    const QFontMetricsF titleMetrics(layout.titleFont, device);
    const QFontMetricsF headerMetrics(layout.headerFont, device);
    const QFontMetricsF bodyMetrics(layout.bodyFont, device);
    layout.titleLineHeight = titleMetrics.lineSpacing();
    layout.headerLineHeight = headerMetrics.lineSpacing();
    layout.bodyLineHeight = bodyMetrics.lineSpacing();
    layout.titleAscent = titleMetrics.ascent();
    layout.headerAscent = headerMetrics.ascent();
    layout.bodyAscent = bodyMetrics.ascent();
    const qreal dotsPerMm = (device ? device->logicalDpiX() : 96) / 25.4;
    layout.padX = 1.2 * dotsPerMm;
    layout.padY = 0.4 * dotsPerMm;
    layout.penWidth = std::max<qreal>(1.0, 0.1 * dotsPerMm);

    for (const QString &line : titleLines)
        appendWrapped(layout.titleLines, line, titleMetrics, area.width());
    layout.titleHeight = static_cast<qreal>(layout.titleLines.size()) * layout.titleLineHeight;

    const int cols = model.colCount();
    const int rows = model.rowCount();
    layout.columnWidths.assign(static_cast<size_t>(std::max(cols, 0)), 0);
    layout.rowHeights.assign(static_cast<size_t>(std::max(rows, 0)), 0);
    if (cols < 2 || rows < 2)
        return layout;

    // Every cell sets the width of its column and the height of its row.
    // Header cells are in the bold header font, body cells in the body font.
    std::vector<qreal> width(static_cast<size_t>(cols), 0);
    std::vector<int> bodyLines(static_cast<size_t>(rows), 1);
    std::vector<int> headerLines(static_cast<size_t>(rows), 0);
    int lines = 0;
    Advances headerAdvances(headerMetrics), bodyAdvances(bodyMetrics);
    width[0] = headerAdvances.widestLine(kPrintCorner, lines);
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col) {
            const bool header = row == 0 || col == 0;
            const qreal w = (header ? headerAdvances : bodyAdvances).widestLine(model.cell(col, row), lines);
            width[static_cast<size_t>(col)] = std::max(width[static_cast<size_t>(col)], w);
            auto &count = header ? headerLines[static_cast<size_t>(row)] : bodyLines[static_cast<size_t>(row)];
            count = std::max(count, lines);
        }
    }
    for (int col = 0; col < cols; ++col)
        layout.columnWidths[static_cast<size_t>(col)] = width[static_cast<size_t>(col)] + 2 * layout.padX;
    for (int row = 0; row < rows; ++row) {
        const qreal content = std::max(row == 0 ? 0 : bodyLines[static_cast<size_t>(row)] * layout.bodyLineHeight,
                                       headerLines[static_cast<size_t>(row)] * layout.headerLineHeight);
        layout.rowHeights[static_cast<size_t>(row)] = content + 2 * layout.padY;
    }

    // Bands of columns across the page and of rows down it; a band holds at
    // least one column or row, even one wider than the page.
    const auto bands = [](const std::vector<qreal> &sizes, qreal room) {
        std::vector<std::pair<int, int>> out;
        const int count = static_cast<int>(sizes.size());
        int first = 1;
        while (first < count) {
            qreal used = sizes[0] + sizes[static_cast<size_t>(first)];
            int end = first + 1;
            while (end < count && used + sizes[static_cast<size_t>(end)] <= room) {
                used += sizes[static_cast<size_t>(end)];
                ++end;
            }
            out.emplace_back(first, end);
            first = end;
        }
        return out;
    };
    const auto colBands = bands(layout.columnWidths, area.width());
    const auto rowBands = bands(layout.rowHeights, area.height() - layout.titleHeight);
    for (const auto &[firstCol, endCol] : colBands)
        for (const auto &[firstRow, endRow] : rowBands)
            layout.pages.push_back(TablePrintPage{firstCol, endCol, firstRow, endRow});
    return layout;
}

void PaintTablePage(QPainter &painter, const TablePrintLayout &layout, const TableModel &model,
                    int pageIndex, const QString &corner, const QColor &background)
{
    if (pageIndex < 0 || pageIndex >= static_cast<int>(layout.pages.size()))
        return;
    const TablePrintPage &page = layout.pages[static_cast<size_t>(pageIndex)];
    const QPointF origin = layout.area.topLeft();

    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(layout.titleFont);
    qreal baseline = origin.y() + layout.titleAscent;
    for (const QString &line : layout.titleLines) {
        if (!line.isEmpty())
            painter.drawText(QPointF(origin.x(), baseline), line);
        baseline += layout.titleLineHeight;
    }

    // The columns and rows of this page: the headers, then the band.
    std::vector<int> cols{0};
    for (int c = page.firstCol; c < page.endCol; ++c)
        cols.push_back(c);
    std::vector<int> rows{0};
    for (int r = page.firstRow; r < page.endRow; ++r)
        rows.push_back(r);
    std::vector<qreal> xs{origin.x()};
    for (int c : cols)
        xs.push_back(xs.back() + layout.columnWidths[static_cast<size_t>(c)]);
    std::vector<qreal> ys{origin.y() + layout.titleHeight};
    for (int r : rows)
        ys.push_back(ys.back() + layout.rowHeights[static_cast<size_t>(r)]);

    const QRectF tableRect(QPointF(xs.front(), ys.front()), QPointF(xs.back(), ys.back()));
    painter.fillRect(tableRect, background);

    // The header row and column, with the print's corner.
    painter.setFont(layout.headerFont);
    for (size_t i = 0; i < cols.size(); ++i) {
        const QString &text = cols[i] == 0 ? corner : model.cell(cols[i], 0);
        drawCellText(painter, text, xs[i] + layout.padX, ys[0] + layout.padY + layout.headerAscent,
                     layout.headerLineHeight);
    }
    for (size_t j = 1; j < rows.size(); ++j)
        drawCellText(painter, model.cell(0, rows[j]), xs[0] + layout.padX,
                     ys[j] + layout.padY + layout.headerAscent, layout.headerLineHeight);

    // The body, pen changed only where the ink changes.
    painter.setFont(layout.bodyFont);
    CellInk current = CellInk::Black;
    for (size_t j = 1; j < rows.size(); ++j) {
        for (size_t i = 1; i < cols.size(); ++i) {
            const QString &text = model.cell(cols[i], rows[j]);
            if (text.isEmpty())
                continue;
            CellInk ink = model.fontColour(cols[i], rows[j]);
            if (ink == CellInk::Default)
                ink = CellInk::Black;
            if (ink != current) {
                painter.setPen(inkColour(ink));
                current = ink;
            }
            drawCellText(painter, text, xs[i] + layout.padX, ys[j] + layout.padY + layout.bodyAscent,
                         layout.bodyLineHeight);
        }
    }

    // Single-line borders around every cell.
    std::vector<QLineF> borders;
    borders.reserve(xs.size() + ys.size());
    for (qreal x : xs)
        borders.emplace_back(x, ys.front(), x, ys.back());
    for (qreal y : ys)
        borders.emplace_back(xs.front(), y, xs.back(), y);
    QPen pen(Qt::black);
    pen.setWidthF(layout.penWidth);
    painter.setPen(pen);
    painter.drawLines(borders.data(), static_cast<int>(borders.size()));
    painter.restore();
}

int PaintTablePages(QPainter &painter, QPagedPaintDevice &device, const TablePrintLayout &layout,
                    const TableModel &model, int from, int to, const QString &corner,
                    const QColor &background)
{
    const int count = static_cast<int>(layout.pages.size());
    int first = from > 0 ? from : 1;
    int last = to > 0 ? std::min(to, count) : count;
    int painted = 0;
    for (int page = first; page <= last; ++page) {
        if (painted > 0 && !device.newPage())
            break;
        PaintTablePage(painter, layout, model, page - 1, corner, background);
        ++painted;
    }
    return painted;
}

void SetUpTablePage(QPagedPaintDevice &device, bool landscape)
{
    device.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    // A printer that cannot print that close to the edge keeps its own
    // minimum margins.
    if (!device.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter))
        device.setPageMargins(device.pageLayout().minimumMargins(), device.pageLayout().units());
}

QRectF PrintableArea(const QPagedPaintDevice &device)
{
    const QRect paint = device.pageLayout().paintRectPixels(device.logicalDpiX());
    return QRectF(QPointF(0, 0), QSizeF(paint.size()));
}

} // namespace optolune
