// The printed depth-of-field table: how its cells fall on pages and how one
// page is painted. Paper, print preview, PDF export and tests all go through
// these two functions, so that what the user previews is what is printed.
//
// Every page carries the title lines at its top left, then the header row
// and the header column (black, bold, 10 points) around the part of the body
// that fits, every line of every cell at the chosen size, silver cells kept,
// single-line borders. Nothing is shrunk to fit: columns and rows that do not
// fit go to further pages, down first, then across. Sizes come from the fonts
// in points measured on the target device, so a 1200-dpi printer and a
// 96-dpi image give the same page in proportion.
#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QStringList>
#include <vector>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace optolune {

class TableModel;

// What the corner cell of a printed table shows.
inline const QString kPrintCorner = QStringLiteral("R9T");

struct TablePrintPage {
    // Body columns [firstCol, endCol) and rows [firstRow, endRow) of the
    // table; column 0 and row 0, the headers, are on every page.
    int firstCol = 1, endCol = 1;
    int firstRow = 1, endRow = 1;
};

struct TablePrintLayout {
    QRectF area;                  // where the page is painted, device coordinates
    QFont titleFont, headerFont, bodyFont;
    qreal titleLineHeight = 0, headerLineHeight = 0, bodyLineHeight = 0;
    qreal titleAscent = 0, headerAscent = 0, bodyAscent = 0;
    qreal padX = 0, padY = 0;     // inside a cell, on each side
    qreal penWidth = 0;           // the borders
    QStringList titleLines;       // as printed: long lines broken to fit the width
    qreal titleHeight = 0;        // the title block above the table
    std::vector<qreal> columnWidths; // by table column, [0] the header column
    std::vector<qreal> rowHeights;   // by table row, [0] the header row
    std::vector<TablePrintPage> pages;
};

// Lays the table out on pages whose printable area is `area` (in the
// coordinates of `device`, whose metrics measure the texts), the body at
// `fontSizePoints`. A table without body cells gives no page.
TablePrintLayout LayoutTablePages(const TableModel &model, const QStringList &titleLines,
                                  int fontSizePoints, const QRectF &area,
                                  const QPaintDevice *device);

// Paints page `pageIndex` (from 0) of the layout. The corner text and the
// background are the print's own; the model is only read.
void PaintTablePage(QPainter &painter, const TablePrintLayout &layout, const TableModel &model,
                    int pageIndex, const QString &corner = kPrintCorner,
                    const QColor &background = Qt::white);

// Paints pages `from` to `to` (from 1; 0 and 0 for all of them) one after
// the other on a paged device, a new sheet between two pages. Returns the
// number of pages painted.
int PaintTablePages(QPainter &painter, QPagedPaintDevice &device, const TablePrintLayout &layout,
                    const TableModel &model, int from = 0, int to = 0,
                    const QString &corner = kPrintCorner, const QColor &background = Qt::white);

// Sets the orientation and margins of about 10 mm on a printer or PDF
// writer, before the page is laid out.
void SetUpTablePage(QPagedPaintDevice &device, bool landscape);

// The printable area of a paged device in its painter's coordinates (the
// painter's origin is the corner of that area).
QRectF PrintableArea(const QPagedPaintDevice &device);

} // namespace optolune
