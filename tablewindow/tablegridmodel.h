// The table as a Qt item model: the body cells are the model's items, the
// header row and column are its header sections, so that the view keeps them
// fixed while the body scrolls.
#pragma once

#include "table/tablemodel.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

namespace optolune {

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

// It owns the table it shows: every change of the table goes through
// change(), which resets the views around it, so that no view ever reads a
// table that changed under it.
class TableGridModel : public QAbstractTableModel {
public:
    explicit TableGridModel(QObject *parent);

    const TableModel &table() const { return m_table; }

    // Runs `command` on the table (any operation of the table's logic that
    // rebuilds or resizes it) between beginResetModel() and endResetModel(),
    // the end reached even when the command throws; returns what it returns.
    template <typename Command> decltype(auto) change(Command &&command)
    {
        struct Reset {
            TableGridModel *model;
            explicit Reset(TableGridModel *m) : model(m) { model->beginResetModel(); }
            ~Reset() { model->endResetModel(); }
            Reset(const Reset &) = delete;
            Reset &operator=(const Reset &) = delete;
        } reset(this);
        return std::forward<Command>(command)(m_table);
    }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    TableModel m_table;
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
