#include "formatgridmodel.h"

namespace optolune {

FormatGridModel::FormatGridModel(const FormatGrid &grid, QObject *parent)
    : QAbstractTableModel(parent), m_grid(grid)
{
}

void FormatGridModel::gridReset()
{
    beginResetModel();
    endResetModel();
}

void FormatGridModel::gridCellsChanged()
{
    emit headerDataChanged(Qt::Horizontal, 0, kGridColumns - 1);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, kGridColumns - 1));
}

void FormatGridModel::gridRowChanged(int gridRow)
{
    if (gridRow < 1 || gridRow >= m_grid.rowCount())
        return;
    emit dataChanged(index(gridRow - 1, 0), index(gridRow - 1, kGridColumns - 1));
}

int FormatGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : std::max(0, m_grid.rowCount() - 1);
}

int FormatGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kGridColumns;
}

QVariant FormatGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return QVariant();
    const QString text = GridCellShown(m_grid.cell(index.row() + 1, index.column()), index.column());
    // A cell too wide for its column shows the rest in its tool tip.
    if (role == Qt::ToolTipRole)
        return text.size() > 8 ? QVariant(text.left(200)) : QVariant();
    return text;
}

QVariant FormatGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= kGridColumns || m_grid.rowCount() == 0)
        return QVariant();
    return GridHeaderShown(m_grid.cell(0, section), section);
}

Qt::ItemFlags FormatGridModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace optolune
