#pragma once

#include "grid/GridTable.h"

#include <QList>
#include <QStringList>

// The data rows of a grid (row 1 to the last), for comparing whole grids.
using Rows = QList<QStringList>;

inline Rows Cells(const GridTable &grid)
{
    Rows rows;
    for (int r = 1; r < grid.rows(); ++r)
        rows.append(grid.rowTexts(r));
    return rows;
}
