// The table as a Qt item model: the body cells are the model's items, the
// header row and column are its header sections, so that the view keeps them
// fixed while the body scrolls.
#pragma once

#include <QAbstractTableModel>
#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

namespace optolune {

class TableModel;

// The column widths of the table (40 by default, 6 more per decimal beyond
// two, 40 to 90 on the spinner, kept in the table files) count pixels of the
// narrow system font the table was designed for, in which a column of 40
// holds a line such as "p=9999,99". A grid in another font scales every
// width by that line's width in its own font (with the cell's margins) over
// 40, never below 1, so that its columns hold what they were meant to hold.
double ColumnWidthScale(const QFont &font);
int ShownColumnWidth(int width, double scale);

// Space a cell's text needs beside its own width: the left margin the cell
// is drawn with, a margin on the right and the grid line.
inline constexpr int kCellTextPadding = 5;

class TableGridModel : public QAbstractTableModel {
public:
    TableGridModel(const TableModel &table, QObject *parent);

    // The table was rebuilt: every cell and header may have changed.
    void tableChanged();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const TableModel &m_table;
    int m_shownCols = 0;
    int m_shownRows = 0;
};

// Draws a cell as the table composes it: its lines one under the other from
// the top, 16 pixels apart, clipped to the cell. Plain line drawing, without
// the general item layout (wrapping, elision, icons) that costs most of a
// large table's repaint. Each line is shaped once for the grid's font and
// kept: a refresh mostly redraws lines the grid has drawn before, and
// shaping is most of what drawing a line costs.
class TableCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    const QStaticText &shaped(const QString &line, const QFont &font) const;

    // Lines as shaped, for m_shapedFont; let go all at once past a few
    // screens' worth.
    mutable QHash<QString, QStaticText> m_shaped;
    mutable QFont m_shapedFont;
};

} // namespace optolune
