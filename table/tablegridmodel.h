// The table as a Qt item model: the body cells are the model's items, the
// header row and column are its header sections, so that the view keeps them
// fixed while the body scrolls.
#pragma once

#include <QAbstractTableModel>

namespace optolune {

class TableModel;

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
};

} // namespace optolune
