#pragma once

#include "grid/GridTable.h"

#include <QAbstractTableModel>

// Shows a GridTable in a view: the header row as the horizontal header and data
// rows 1 .. rows() - 1 as model rows 0 .. rows() - 2. Read-only: edits go through
// the tools, which write the GridTable; the model forwards its change notices.
class GridTableModel : public QAbstractTableModel, private GridObserver {
    Q_OBJECT
public:
    explicit GridTableModel(GridTable *grid, QObject *parent = nullptr);
    ~GridTableModel() override;

    GridTable *grid() const { return m_grid; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Model index of a grid cell, and the grid row of a model index.
    QModelIndex indexOfCell(int gridRow, int col) const { return index(gridRow - 1, col); }
    static int gridRowOf(const QModelIndex &index) { return index.row() + 1; }

private:
    void rowsAboutToBeInserted(int first, int last) override;
    void rowsInserted() override;
    void rowsAboutToBeRemoved(int first, int last) override;
    void rowsRemoved() override;
    void cellChanged(int row, int col) override;
    void aboutToReset() override;
    void resetDone() override;
    void gridDestroyed() override;

    GridTable *m_grid;
};
