#include "tablegridmodel.h"

#include "tablemodel.h"

#include <QBrush>
#include <QColor>

namespace optolune {

TableGridModel::TableGridModel(const TableModel &table, QObject *parent)
    : QAbstractTableModel(parent), m_table(table)
{
}

void TableGridModel::tableChanged()
{
    beginResetModel();
    endResetModel();
}

int TableGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : std::max(0, m_table.rowCount() - 1);
}

int TableGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : std::max(0, m_table.colCount() - 1);
}

QVariant TableGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int col = index.column() + 1;
    const int row = index.row() + 1;
    switch (role) {
    case Qt::DisplayRole:
        return m_table.displayText(col, row);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignTop));
    case Qt::ForegroundRole:
        switch (m_table.fontColour(col, row)) {
        case CellInk::Silver:
            return QBrush(QColor(QRgb(kSilverRgb)));
        case CellInk::Black:
            return QBrush(Qt::black);
        case CellInk::Default:
            return {};
        }
        return {};
    default:
        return {};
    }
}

QVariant TableGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const int col = orientation == Qt::Horizontal ? section + 1 : 0;
    const int row = orientation == Qt::Horizontal ? 0 : section + 1;
    switch (role) {
    case Qt::DisplayRole:
        return m_table.displayText(col, row);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignTop));
    default:
        return {};
    }
}

} // namespace optolune
