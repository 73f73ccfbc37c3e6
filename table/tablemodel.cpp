#include "tablemodel.h"

#include "core/language.h"

namespace optolune {

GridBackground GridBackgroundFor(bool fromFilm)
{
    return fromFilm ? GridBackground::ToolTip : GridBackground::Window;
}

const QString &TableModel::cell(int col, int row) const
{
    static const QString empty;
    if (col < 0 || row < 0 || col >= m_cols || row >= m_rows)
        return empty;
    return m_cells[static_cast<size_t>(row) * static_cast<size_t>(m_cols) +
                   static_cast<size_t>(col)];
}

void TableModel::setCell(int col, int row, QString text)
{
    if (col < 0 || row < 0 || col >= m_cols || row >= m_rows)
        return;
    m_cells[static_cast<size_t>(row) * static_cast<size_t>(m_cols) + static_cast<size_t>(col)] =
        std::move(text);
}

QStringList TableModel::cellLines(int col, int row) const
{
    return cell(col, row).split(kCellLineBreak);
}

QString TableModel::displayText(int col, int row) const
{
    QString text = LocalNumbers(cell(col, row));
    text.replace(kCellLineBreak, u'\n');
    return text;
}

void TableModel::reset(int cols, int rows)
{
    cols = cols > 0 ? cols : 0;
    rows = rows > 0 ? rows : 0;
    // The new cells first: when they cannot be had, the model stays the
    // table it was, its counts matching its cells, and a view reading it
    // reads nothing out of bounds.
    std::vector<QString> cells(static_cast<size_t>(cols) * static_cast<size_t>(rows));
    m_cells.swap(cells);
    m_cols = cols;
    m_rows = rows;
}

CellInk TableModel::fontColour(int col, int row, bool selectedWithoutFocus) const
{
    if (col <= 0 || row <= 0 || col >= m_cols || row >= m_rows)
        return CellInk::Default;
    int k; // index of the cell's f-number, from 1
    if (horizontal) {
        k = row;
    } else {
        // A vertical table leaves a cell selected without focus to the
        // grid's selection colours.
        if (selectedWithoutFocus)
            return CellInk::Default;
        k = col;
    }
    if (k > nDia || k > static_cast<int>(beyondLimit.size()))
        return CellInk::Default;
    return beyondLimit[static_cast<size_t>(k - 1)] ? CellInk::Silver : CellInk::Black;
}

} // namespace optolune
