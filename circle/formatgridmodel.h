// The format grid as a Qt item model: row 0 of the grid is the header, its
// data rows are the model's rows (model row r is grid row r + 1). The user
// reads and selects rows; only the window's commands change them.
#pragma once

#include "formatgrid.h"

#include <QAbstractTableModel>

namespace optolune {

class FormatGridModel : public QAbstractTableModel {
public:
    FormatGridModel(const FormatGrid &grid, QObject *parent);

    // The grid was replaced or resized.
    void gridReset();
    // Texts changed, the row count did not: the selection stays.
    void gridCellsChanged();
    // One grid row (1 to the last) changed.
    void gridRowChanged(int gridRow);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    const FormatGrid &m_grid;
};

} // namespace optolune
