#pragma once

#include <algorithm>

// A rectangle of grid cells, grid rows and columns both inclusive. A block is
// always given with top <= bottom and left <= right.
struct CellBlock {
    int top = 1;
    int left = 0;
    int bottom = 1;
    int right = 0;

    static CellBlock Spanning(int row1, int col1, int row2, int col2)
    {
        return {std::min(row1, row2), std::min(col1, col2), std::max(row1, row2), std::max(col1, col2)};
    }
    static CellBlock Cell(int row, int col) { return {row, col, row, col}; }

    int rowCount() const { return bottom - top + 1; }
    int colCount() const { return right - left + 1; }
    bool isCell() const { return top == bottom && left == right; }
    bool operator==(const CellBlock &other) const = default;
};
