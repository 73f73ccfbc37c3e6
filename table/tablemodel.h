// The depth-of-field table as the grid shows it: a matrix of cell texts with
// one header row and one header column, and what the grid needs to draw it
// (font colour per cell, background, column widths, row heights). A plain
// value rebuilt whole by RefreshTable; the window's grid model reads it.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace optolune {

// Cells of several lines separate them with one carriage return.
inline constexpr QChar kCellLineBreak = u'\r';

// Font colour of a cell. Silver marks f-numbers beyond the diffraction
// limit; Default is the grid's own colour (header cells, G and T, and a
// vertical table's cell selected without focus).
enum class CellInk { Default, Black, Silver };
inline constexpr unsigned kSilverRgb = 0xC0C0C0;

// Background of the grid: the tooltip colour when distances are measured from
// the film plane, the window colour when measured from the lens.
enum class GridBackground { ToolTip, Window };
GridBackground GridBackgroundFor(bool fromFilm);

class TableModel {
public:
    int colCount() const { return m_cols; }
    int rowCount() const { return m_rows; }

    // The text of a cell; empty outside the matrix.
    const QString &cell(int col, int row) const;
    void setCell(int col, int row, QString text);
    // The lines of a cell, in order (one empty line for an empty cell).
    QStringList cellLines(int col, int row) const;
    // The text with '\n' between its lines, as a widget draws it: with
    // decimal points in English (the cells keep the decimal comma).
    QString displayText(int col, int row) const;

    // A cleared matrix of the given size; everything else stays. When the
    // cells cannot be allocated (std::bad_alloc) the model is left as it was.
    void reset(int cols, int rows);

    // True until a refresh has filled the table: the first header cell of
    // the distances (column 0, row 1) is then empty, and saving is refused.
    bool isEmpty() const { return cell(0, 1).isEmpty(); }

    // Row 0 is the header row.
    int rowHeight(int row) const { return row == 0 ? fixedRowHeight : defaultRowHeight; }
    // Column 0 is the header column.
    int columnWidth(int col) const { return col == 0 ? headerColumnWidth : defaultColumnWidth; }

    // Font colour of a cell, by the f-number of its column (vertical table)
    // or row (horizontal table): silver beyond the f-number limit, black
    // otherwise, for the cells of the f-numbers and their special rows.
    CellInk fontColour(int col, int row, bool selectedWithoutFocus = false) const;

    GridBackground background() const { return GridBackgroundFor(fromFilm); }

    int defaultRowHeight = 32;   // body rows: 16 pixels per line of a cell
    int fixedRowHeight = 20;     // header row
    int defaultColumnWidth = 40;
    int headerColumnWidth = 40;

    int nDia = 0;  // f-numbers in the table
    int nDist = 0; // distances in the table (at most 100 across)
    bool horizontal = false;
    bool fromFilm = true;
    long double fNumberLimit = 0;
    // One flag per f-number: beyond the limit.
    std::vector<bool> beyondLimit;

private:
    int m_cols = 0;
    int m_rows = 0;
    std::vector<QString> m_cells; // row by row
};

} // namespace optolune
