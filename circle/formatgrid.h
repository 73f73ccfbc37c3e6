// The grid of the circle calculator: one row per film and print combination
// already computed, ten texts a row, under a header row. It lives in small
// text files of the Data folder: the current grid (kept between openings),
// grid n°1 and grid n°2 (the default grid delivered with the program).
//
// File format, Windows-1252 with CR LF: the column count (10), the row count
// (header row included), then every cell row by row, one line each, an empty
// line for an empty cell.
#pragma once

#include "circlecalc.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace optolune {

inline constexpr int kGridColumns = 10;
inline constexpr int kGridCreatedRows = 20; // the header and 19 data rows
inline constexpr int kGridMinRows = 2;      // the header and one data row
inline constexpr int kGridMaxRows = 1000;
inline constexpr qint64 kGridMaxFileBytes = 1024 * 1024;

// The columns of a data row.
enum GridColumn {
    FilmFormatColumn,  // FF: the film format chosen in the list
    PrintFormatColumn, // FT: print width x length
    FilmUsedColumn,
    PrintImageColumn,
    DiagonalColumn,
    ViewingColumn,
    EnlargementColumn,
    CircleColumn,      // c(mm)
    FNumberColumn,     // n inf. à
    CommentColumn,
};

using GridRow = std::array<QString, kGridColumns>;

// The cells row by row, as the file holds them, so that a read hands the
// file's lines over without copying them.
class FormatGrid {
public:
    int rowCount() const { return static_cast<int>(m_cells.size() / kGridColumns); }
    // Rows past the end become empty rows; rows cut off are lost.
    void resize(int rows) { m_cells.resize(qsizetype(rows) * kGridColumns); }

    const QString &cell(int row, int column) const { return m_cells[index(row, column)]; }
    void setCell(int row, int column, const QString &text) { m_cells[index(row, column)] = text; }
    GridRow row(int row) const;
    void setRow(int row, const GridRow &texts);

    // Every cell, row by row.
    const QStringList &cells() const { return m_cells; }

    bool operator==(const FormatGrid &) const = default;

private:
    static qsizetype index(int row, int column) { return qsizetype(row) * kGridColumns + column; }

    QStringList m_cells;
    friend std::optional<FormatGrid> ReadGridFile(const QString &path);
};

// A grid as the window creates it: the header texts and 19 empty rows.
FormatGrid NewFormatGrid();
// "FF", "FT", "Film(mm)", ... "Commentaire", in column order.
const GridRow &GridHeaders();
// What the window shows of a header and of a cell: the program's own
// headers and film presets in the user's language, numbers as it writes
// them; comments and other names as the file holds them.
QString GridHeaderShown(const QString &header, int column);
QString GridCellShown(const QString &text, int column);
// The column widths in pixels, in column order.
const std::array<int, kGridColumns> &GridColumnWidths();
void SetGridHeaders(FormatGrid &grid);

// Empties every cell of the data rows; the header row and the row count stay.
void ClearGridRows(FormatGrid &grid);
// Empties one data row (1 to the last); any other row number does nothing.
void ClearGridRow(FormatGrid &grid, int row);

// The file names in the Data folder.
QString CurrentGridName(); // "cbxcgr7.stf", written at every close
QString Grid1Name();       // "cbxcgr1.stf"
QString Grid2Name();       // "cbxcgr0.stf", the default grid

// The lines of the file, counts first.
QStringList GridFileLines(const FormatGrid &grid);

// Writes the whole file; throws UserError "Impossible de créer le fichier
// <path>" when it cannot, and the previous file is then intact.
void WriteGridFile(const FormatGrid &grid, const QString &path);

// Reads a grid file whole. nullopt when no file has that name. A file that
// cannot be read, or is not a sound grid (over 1 MB, control bytes, a column
// count other than 10, a row count outside 2 to 1000), throws UserError
// "Fichier illisible ou endommagé : <path> (<reason>)". A file that ends
// before its last cell leaves the remaining cells empty.
std::optional<FormatGrid> ReadGridFile(const QString &path);

// The row the add command writes: the film format chosen in the list, the
// print format as typed, then the results as the fields show them; the
// comment stays empty.
GridRow CircleGridRow(const CircleState &state, const QString &filmFormat);

// What the circle window hands back to the table window.
struct CircleChoice {
    QString circle; // c of the chosen row, mm: the table's EdCercle
    QString format; // its film format: the table's EdFormat
};

// The Ok command on a data row: every '.' of the enlargement and c columns
// becomes ','; then the row's c must read as a number ("Valeur de c non
// valide. ") and lie in 0,005 to 0,5 at three decimals (NumericField::Check
// with the label "c"). When it does not, no choice and the warning that says
// why, for the window to show.
struct GridRowChoice {
    std::optional<CircleChoice> choice;
    std::optional<QString> warning;
};
[[nodiscard]] GridRowChoice ChooseGridRow(FormatGrid &grid, int row);

} // namespace optolune
